// The tray menu: which timer command is greyed through a day's commands, how it is shown
// and how it is destroyed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/master.h"
#include "app/menu.h"
#include "tests/support/test_env.h"
#include "timer/property.h"

namespace {

class TrayMenu : public MasterTest {
protected:
    // "開始 休憩 停止" as e (enabled) or g (greyed).
    std::string timerItems() {
        std::string s;
        for (unsigned id : {CmdStartWork, CmdStartRest, CmdStop}) s += fake().menuStates[id] == 3 ? 'g' : 'e';
        return s;
    }
    std::vector<std::string> stateWrites(size_t from) const {
        std::vector<std::string> out;
        const auto& calls = fake().calls;
        for (size_t i = from; i < calls.size(); ++i)
            if (calls[i].rfind("setMenuItemState", 0) == 0) out.push_back(calls[i]);
        return out;
    }
};

TEST_F(TrayMenu, GreysTheCommandThatWouldRestartThePhaseThroughADay) {
    EXPECT_EQ(timerItems(), "gee");  // right after start: working

    master->property->workMinutes = 2;
    master->tick();
    master->tick();
    ASSERT_EQ(master->property->phase, WorkOver);
    EXPECT_EQ(timerItems(), "gee");  // the tick does not touch the menu

    master->onCommand(CmdStartRest);  // "休憩" chosen before acknowledging
    EXPECT_EQ(master->property->phase, Resting);
    EXPECT_EQ(timerItems(), "ege");

    master->property->currentRestMinutes = 1;
    master->tick();
    ASSERT_EQ(master->property->phase, RestOver);
    EXPECT_EQ(timerItems(), "ege");

    master->onCommand(CmdStop);
    EXPECT_EQ(timerItems(), "eeg");
    master->onCommand(CmdStartRest);  // a rest straight from stopped
    EXPECT_EQ(master->property->phase, Resting);
    EXPECT_EQ(timerItems(), "ege");

    // Acknowledging a work end with a click moves the grey to "休憩".
    master->onCommand(CmdStartWork);
    master->tick();
    master->tick();
    ASSERT_EQ(master->property->phase, WorkOver);
    master->clickThrough();
    EXPECT_EQ(master->property->phase, Resting);
    EXPECT_EQ(timerItems(), "ege");

    for (unsigned id : {CmdSettings, CmdWorkStatus, CmdEvaluation, CmdVersion, CmdExit})
        EXPECT_EQ(fake().menuStates[id], 0u) << id;
}

TEST_F(TrayMenu, WritesOnlyTheItemsThatChange) {
    // Working -> resting: "開始" is enabled again, then "休憩" greyed; nothing else is written.
    size_t mark = fake().calls.size();
    master->startRest();
    EXPECT_EQ(stateWrites(mark), (std::vector<std::string>{"setMenuItemState 40001 0", "setMenuItemState 40002 3"}));
    // Greying an item already grey writes it again; enabling an enabled one writes nothing.
    mark = fake().calls.size();
    master->startRest();
    EXPECT_EQ(stateWrites(mark), (std::vector<std::string>{"setMenuItemState 40002 0", "setMenuItemState 40002 3"}));
}

TEST_F(TrayMenu, RightClickShowsThePopupAtTheCursor) {
    fake().cursor = {1014, 758};
    size_t mark = fake().calls.size();
    master->onTrayCallback(0, TrayRightDown);
    ASSERT_EQ(fake().calls.size(), mark + 2);
    EXPECT_EQ(fake().calls[mark], "setForegroundWindow");
    EXPECT_EQ(fake().calls[mark + 1], "trackPopupMenu 1014,758");
    // Another icon's id, or a mouse move, is not ours to act on.
    master->onTrayCallback(1, TrayRightDown);
    master->onTrayCallback(0, TrayMouseMove);
    EXPECT_EQ(fake().calls.size(), mark + 2);
}

TEST_F(TrayMenu, WithoutALoadedMenuNothingShowsOrChanges) {
    master->menu->destroy();
    size_t mark = fake().calls.size();
    master->stop();
    master->onTrayCallback(0, TrayRightDown);
    master->menu->destroy();
    EXPECT_TRUE(stateWrites(mark).empty());
    EXPECT_EQ(fake().count("trackPopupMenu"), 0);
    EXPECT_EQ(fake().count("destroyMenu"), 1);
}

TEST_F(TrayMenu, DestroyFreesTheMenuOnceAtWindowDestruction) {
    platform::MenuHandle bar = master->menu->menuBar;
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(master->menu->popup, nullptr);
    master->onDestroy();
    // Destroying the menu bar frees its popup with it; the popup handle is not used again.
    EXPECT_EQ(fake().count("destroyMenu"), 1);
    EXPECT_EQ(master->menu->menuBar, nullptr);
    EXPECT_EQ(master->menu->popup, nullptr);
    std::vector<std::string> order;
    for (const auto& c : fake().calls)
        if (c.rfind("closeWindow", 0) == 0 || c.rfind("destroyMenu", 0) == 0 || c.rfind("notifyIcon Delete", 0) == 0)
            order.push_back(c.substr(0, c.find(' ')));
    EXPECT_EQ(order, (std::vector<std::string>{"closeWindow", "destroyMenu", "notifyIcon"}));
}

}  // namespace
