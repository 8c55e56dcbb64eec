// The tray menu: which timer command is greyed through a day's commands, and a menu that
// is gone.
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

TEST_F(TrayMenu, IsDestroyedOnceAndWithoutItNothingShowsOrChanges) {
    ASSERT_NE(master->menu->popup, nullptr);
    master->menu->destroy();
    // Destroying the menu bar frees its popup with it; the popup handle is not used again.
    EXPECT_EQ(fake().count("destroyMenu"), 1);
    EXPECT_EQ(master->menu->menuBar, nullptr);
    EXPECT_EQ(master->menu->popup, nullptr);
    size_t mark = fake().calls.size();
    master->stop();
    master->onTrayCallback(0, TrayRightDown);
    master->menu->destroy();
    for (size_t i = mark; i < fake().calls.size(); ++i) {
        EXPECT_NE(fake().calls[i].rfind("setMenuItemState", 0), 0u) << fake().calls[i];
        EXPECT_NE(fake().calls[i].rfind("trackPopupMenu", 0), 0u) << fake().calls[i];
        EXPECT_NE(fake().calls[i].rfind("destroyMenu", 0), 0u) << fake().calls[i];
    }
}

}  // namespace
