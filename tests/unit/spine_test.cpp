// Master's wiring: the main window's creation and teardown, commands, tray callbacks and
// the guarded dialogs.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/master.h"
#include "tests/support/test_env.h"
#include "timer/property.h"

namespace {

class Spine : public MasterTest {};

size_t indexOf(const std::vector<std::string>& calls, const std::string& prefix) {
    for (size_t i = 0; i < calls.size(); ++i)
        if (calls[i].compare(0, prefix.size(), prefix) == 0) return i;
    return calls.size();
}

TEST_F(Spine, CreationRegistersTheIconThenStartsTimerAndWork) {
    const auto& calls = fake().calls;
    size_t add = indexOf(calls, "notifyIcon Add レストワーデン");
    size_t menu = indexOf(calls, "loadMenu POPUPMENU");
    size_t mci = indexOf(calls, "createMciWindow");
    size_t timer = indexOf(calls, "setTimer 1 60000");
    size_t work = indexOf(calls, "notifyIcon Modify 作業中です。あと60分 [0 / 60分]");
    ASSERT_LT(work, calls.size());
    EXPECT_LT(add, menu);
    EXPECT_LT(menu, mci);
    EXPECT_LT(mci, timer);
    EXPECT_LT(timer, work);
    EXPECT_EQ(master->property->phase, Working);
    EXPECT_EQ(fake().menuStates[CmdStartWork], 3u);  // "開始" greyed from the start
}

class TrayRegistration : public MasterTest {
protected:
    void SetUp() override {
        autoStart = false;
        MasterTest::SetUp();
    }
};

TEST_F(TrayRegistration, TimeoutsAreRetriedEverySecondUntilTheIconStands) {
    fake().trayAddResults = {false, false, true};
    fake().trayModifyResults = {false, false};
    start();
    EXPECT_EQ(fake().count("notifyIcon Add"), 3);
    EXPECT_EQ(fake().count("sleep 1000"), 2);
    EXPECT_EQ(fake().count("messageBox"), 0);
    EXPECT_TRUE(fake().saw("setTimer 1 60000"));
}

TEST_F(TrayRegistration, ATimeoutAfterWhichTheIconStoodNeedsNoRetry) {
    fake().trayAddResults = {false};
    fake().trayModifyResults = {true};
    start();
    EXPECT_EQ(fake().count("notifyIcon Add"), 1);
    EXPECT_EQ(fake().count("sleep"), 0);
}

TEST_F(TrayRegistration, OtherFailuresShowTheMessageAndStartNothing) {
    fake().trayAddResults = {false};
    fake().trayFailureIsTimeout = false;
    master = std::make_unique<Master>();
    theMaster = master.get();
    static int window;
    EXPECT_FALSE(master->onCreate(&window));
    EXPECT_TRUE(fake().saw("messageBox ERROR 通知領域へのアイコンを登録失敗 48"));
    EXPECT_FALSE(fake().saw("setTimer 1 60000"));
}

TEST_F(Spine, CommandsDriveTheTimerAndExitClosesTheWindow) {
    master->onCommand(CmdStartRest);
    EXPECT_EQ(master->property->phase, Resting);
    master->onCommand(CmdStop);
    EXPECT_EQ(master->property->phase, Stopped);
    master->onCommand(CmdStartWork);
    EXPECT_EQ(master->property->phase, Working);
    master->onCommand(12345);
    EXPECT_EQ(master->property->phase, Working);
    master->onCommand(CmdExit);
    EXPECT_EQ(fake().count("closeWindow"), 1);
}

TEST_F(Spine, GuardedDialogsOpenOnceEachButSideBySide) {
    fake().onDialog = [&](platform::Dialog which) {
        if (which != platform::Dialog::Settings) return;
        master->onCommand(CmdSettings);    // ignored: already open
        master->onCommand(CmdWorkStatus);  // opens beside it
    };
    master->onCommand(CmdSettings);
    EXPECT_EQ(fake().count("runDialog 0"), 1);
    EXPECT_EQ(fake().count("runDialog 1"), 1);
    master->onCommand(CmdSettings);  // closed again: opens
    EXPECT_EQ(fake().count("runDialog 0"), 2);
}

TEST_F(Spine, TrayLeftClickAcknowledgesOrOpensTheLongRestDialog) {
    master->onTrayCallback(1, TrayLeftDown);  // another icon id: ignored
    EXPECT_EQ(fake().count("setForegroundWindow"), 0);
    master->onTrayCallback(0, TrayLeftDown);  // working, nothing pending
    EXPECT_EQ(fake().count("runDialog"), 0);
    master->startRest();
    fake().onDialog = [&](platform::Dialog) { master->onTrayCallback(0, TrayLeftDown); };
    master->onTrayCallback(0, TrayLeftDown);
    EXPECT_EQ(fake().count("runDialog 4"), 1);  // the second click inside did nothing

    // With a balloon pending the click is the acknowledgement, even while resting.
    master->property->currentRestMinutes = 1;
    master->tick();
    ASSERT_EQ(master->property->phase, RestOver);
    master->onTrayCallback(0, TrayLeftDown);
    EXPECT_EQ(master->property->phase, Working);
    EXPECT_EQ(fake().count("runDialog 4"), 1);
}

TEST_F(Spine, BalloonClickCountsOnlyWhileTheButtonIsHeld) {
    master->property->workMinutes = 1;
    master->tick();
    fake().leftButton = false;
    master->onTrayCallback(0, TrayBalloonClick);
    EXPECT_EQ(master->property->phase, WorkOver);
    fake().leftButton = true;
    master->onTrayCallback(0, TrayBalloonClick);
    EXPECT_EQ(master->property->phase, Resting);
}

TEST_F(Spine, RightClickShowsTheMenuAtTheCursor) {
    fake().cursor = {1010, 760};
    master->onTrayCallback(0, TrayRightDown);
    EXPECT_TRUE(fake().saw("trackPopupMenu 1010,760"));
    EXPECT_LT(indexOf(fake().calls, "setForegroundWindow"), indexOf(fake().calls, "trackPopupMenu"));
}

TEST_F(Spine, DestructionStopsEverythingInOrderAndTeardownSavesTheSettings) {
    master->property->workMinutes = 42;
    master->onClose();
    master->onDestroy();
    const auto& calls = fake().calls;
    size_t close = indexOf(calls, "closeWindow");
    size_t kill = indexOf(calls, "killTimer 1");
    size_t menu = indexOf(calls, "destroyMenu");
    size_t tray = indexOf(calls, "notifyIcon Delete");
    size_t quit = indexOf(calls, "quit");
    ASSERT_LT(quit, calls.size());
    EXPECT_LT(close, kill);
    EXPECT_LT(kill, menu);
    EXPECT_LT(menu, tray);
    EXPECT_LT(tray, quit);
    EXPECT_FALSE(exists("param.dat"));
    master.reset();
    EXPECT_EQ(readBytes("param.dat")[272], 42);
}

TEST_F(Spine, SessionEndAndTaskbarRestartKeepTheUserWhole) {
    master->property->restMinutes = 12;
    master->saveForShutdown();
    EXPECT_EQ(readBytes("param.dat")[276], 12);

    master->tick();
    std::string tip = master->trayData.tip;
    master->onTaskbarCreated();
    EXPECT_EQ(fake().calls.back(), "notifyIcon Add " + tip);
}

}  // namespace
