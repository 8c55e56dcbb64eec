// Master's wiring: the main window's creation and teardown, the tray registration, the
// tray menu, commands and the guarded dialogs.
#include <gtest/gtest.h>

#include "app/menu.h"
#include "tests/support/test_env.h"

namespace {

using Spine = MasterTest;
using TrayRegistration = DataFolderTest;

// Whether each call starting with one of the prefixes comes after the one before it.
void expectInOrder(const std::vector<std::string>& prefixes) {
    const FakePlatform& f = fake();
    ASSERT_LT(f.first(prefixes.back()), f.calls.size()) << prefixes.back();
    for (size_t i = 1; i < prefixes.size(); ++i) EXPECT_LT(f.first(prefixes[i - 1]), f.first(prefixes[i])) << prefixes[i];
}

TEST_F(Spine, CreationRegistersTheIconThenStartsTimerAndWork) {
    expectInOrder({"notifyIcon Add レストワーデン", "loadMenu POPUPMENU", "createMciWindow", "setTimer 1 60000",
                   "notifyIcon Modify 作業中です。あと60分 [0 / 60分]"});
    EXPECT_EQ(p().phase, Working);
}

TEST_F(TrayRegistration, TimeoutsAreRetriedEverySecondOtherFailuresShowTheMessage) {
    const struct {
        std::vector<bool> add, modify;
        bool timeout;
        int adds, sleeps;
        bool created;
    } rows[] = {
        {{false, false, true}, {false, false}, true, 3, 2, true},
        {{false}, {true}, true, 1, 0, true},  // the icon stood after the timeout: no retry
        {{false}, {}, false, 1, 0, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.adds);
        resetFake();
        fake().trayAddResults = r.add;
        fake().trayModifyResults = r.modify;
        fake().trayFailureIsTimeout = r.timeout;
        Master master;
        static int window;
        EXPECT_EQ(master.onCreate(&window), r.created);
        EXPECT_EQ(ints(fake().count("notifyIcon Add"), fake().count("sleep 1000")), ints(r.adds, r.sleeps));
        EXPECT_EQ(fake().saw("messageBox ERROR 通知領域へのアイコンを登録失敗 48"), !r.created);
        EXPECT_EQ(fake().saw("setTimer 1 60000"), r.created);
    }
}

TEST_F(Spine, MenuGreysTheCommandThatWouldRestartThePhaseThroughADay) {
    // "開始 休憩 停止" as e (enabled) or g (greyed) after each step.
    auto items = [] {
        std::string s;
        for (unsigned id : {CmdStartWork, CmdStartRest, CmdStop}) s += fake().menuStates[id] == 3 ? 'g' : 'e';
        return s;
    };
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[] {}, "gee"},
        {[&] { p().workMinutes = 2; ticks(2); }, "gee"},  // the work end does not touch the menu
        {[&] { master->onCommand(CmdStartRest); }, "ege"},
        {[&] { p().currentRestMinutes = 1; master->tick(); }, "ege"},  // nor does the rest end
        {[&] { master->onCommand(CmdStop); }, "eeg"},
        {[&] { master->onCommand(CmdStartRest); }, "ege"},  // a rest straight from stopped
        {[&] { master->onCommand(CmdStartWork); }, "gee"},
        {[&] { ticks(2); master->clickThrough(); }, "ege"},  // acknowledging a work end
        {[&] { master->onCommand(12345); }, "ege"},
    };
    const uint8_t phases[] = {Working, WorkOver, Resting, RestOver, Stopped, Resting, Working, Resting, Resting};
    for (size_t i = 0; i < std::size(steps); ++i) {
        steps[i].first();
        EXPECT_EQ(items(), steps[i].second) << i;
        EXPECT_EQ(p().phase, phases[i]) << i;
    }
    for (unsigned id : {CmdSettings, CmdWorkStatus, CmdEvaluation, CmdVersion, CmdExit})
        EXPECT_EQ(fake().menuStates[id], 0u) << id;
}

TEST_F(Spine, RightClickShowsTheMenuAtTheCursorUntilItIsDestroyed) {
    fake().cursor = {1010, 760};
    master->onTrayCallback(0, TrayRightDown);
    expectInOrder({"setForegroundWindow", "trackPopupMenu 1010,760"});
    // The popup goes with the menu bar; neither handle is used again.
    master->menu->destroy();
    fake().calls.clear();
    master->stop();
    master->onTrayCallback(0, TrayRightDown);
    master->menu->destroy();
    for (const char* call : {"setMenuItemState", "trackPopupMenu", "destroyMenu"}) EXPECT_EQ(fake().count(call), 0) << call;
}

TEST_F(Spine, GuardedDialogsOpenOnceEachButSideBySide) {
    fake().onDialog = [&](platform::Dialog which) {
        if (which != platform::Dialog::Settings) return;
        master->onCommand(CmdSettings);    // ignored: already open
        master->onCommand(CmdWorkStatus);  // opens beside it
    };
    master->onCommand(CmdSettings);
    EXPECT_EQ(ints(fake().count("runDialog 0"), fake().count("runDialog 1")), ints(1, 1));
    master->onCommand(CmdSettings);  // closed again: opens
    EXPECT_EQ(fake().count("runDialog 0"), 2);
}

TEST_F(Spine, ExitClosesAndTearsDownInOrderThenSavesTheSettings) {
    p().workMinutes = 42;
    master->onCommand(CmdExit);
    EXPECT_EQ(fake().count("closeWindow"), 1);
    fake().calls.clear();
    master->onClose();  // the notice window first
    master->onDestroy();
    EXPECT_EQ(fake().first("closeWindow"), 0u);
    expectInOrder({"closeWindow", "killTimer 1", "destroyMenu", "notifyIcon Delete", "quit"});
    EXPECT_FALSE(exists("param.dat"));
    master.reset();
    EXPECT_EQ(readBytes("param.dat")[272], 42);
}

TEST_F(Spine, SessionEndAndTaskbarRestartKeepTheUserWhole) {
    p().restMinutes = 12;
    master->saveForShutdown();
    EXPECT_EQ(readBytes("param.dat")[276], 12);
    master->tick();
    const std::string tip = master->trayData.tip;
    master->onTaskbarCreated();
    EXPECT_EQ(fake().calls.back(), "notifyIcon Add " + tip);
}

}  // namespace
