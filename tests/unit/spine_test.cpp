// Master's wiring: the main window's creation and teardown, the tray registration, menu, commands
// and guarded dialogs; the tray icon's picture and tooltip in every phase.
#include <gtest/gtest.h>

#include <climits>

#include "app/icon.h"
#include "app/menu.h"
#include "tests/support/test_env.h"

namespace {

using Spine = MasterTest;

// Whether each call starting with one of the prefixes comes after the one before it.
void expectInOrder(const std::vector<std::string>& prefixes) {
    ASSERT_LT(fake().first(prefixes.back()), fake().calls.size()) << prefixes.back();
    for (size_t i = 1; i < prefixes.size(); ++i) EXPECT_LT(fake().first(prefixes[i - 1]), fake().first(prefixes[i])) << prefixes[i];
}

TEST_F(Spine, CreationRegistersTheIconRetryingTimeoutsThenStartsWork) {
    expectInOrder({"notifyIcon Add レストワーデン", "loadMenu POPUPMENU", "createMciWindow", "setTimer 1 60000",
                   "notifyIcon Modify 作業中です。あと60分 [0 / 60分]"});
    // What each Add and Modify answers and whether a failure was a timeout; then Adds, sleeps, created.
    const struct { std::vector<bool> add, modify; bool timeout; int adds, sleeps; bool created; } rows[] = {
        {{false, false, true}, {false, false}, true, 3, 2, true},
        {{false}, {true}, true, 1, 0, true},  // the icon stood after the timeout: no retry
        {{false}, {}, false, 1, 0, false},
    };
    for (const auto& r : rows) {
        resetFake();
        fake().trayAddResults = r.add, fake().trayModifyResults = r.modify, fake().trayFailureIsTimeout = r.timeout;
        Master other;
        static int window;
        EXPECT_EQ(other.onCreate(&window), r.created);
        EXPECT_EQ(ints(fake().count("notifyIcon Add"), fake().count("sleep 1000"),
                       fake().saw("messageBox ERROR 通知領域へのアイコンを登録失敗 48")),
                  ints(r.adds, r.sleeps, !r.created));
    }
    theMaster = master.get();
}

TEST_F(Spine, MenuGreysTheCommandThatWouldRestartThePhaseAndOpensAtThePointer) {
    std::string seen;
    auto look = [&] {  // "開始 休憩 停止" as e (enabled) or g (greyed)
        for (unsigned id : {CmdStartWork, CmdStartRest, CmdStop}) seen += fake().menuStates[id] == MenuStateGrayed ? 'g' : 'e';
        seen += ' ';
    };
    look();
    p().workMinutes = 2;
    ticks(2);  // a phase end does not touch the menu
    look();
    for (unsigned command : {CmdStartRest, CmdStop, CmdStartWork}) {
        master->onCommand(command);
        look();
    }
    EXPECT_EQ(seen, "gee gee ege eeg gee ");
    fake().cursor = {1010, 760};
    master->onTrayCallback(0, TrayRightDown);
    expectInOrder({"setForegroundWindow", "trackPopupMenu 1010,760"});
}

TEST_F(Spine, GuardedDialogsOpenOnceEachButSideBySide) {
    fake().onDialog = [&](platform::Dialog which) {
        if (which != platform::Dialog::Settings) return;
        master->onCommand(CmdSettings);    // ignored: already open
        master->onCommand(CmdWorkStatus);  // opens beside it
    };
    master->onCommand(CmdSettings);
    master->onCommand(CmdSettings);  // closed again: opens
    EXPECT_EQ(ints(fake().count("runDialog 0"), fake().count("runDialog 1")), ints(2, 2));
}

TEST_F(Spine, SessionEndSavesAtOnceAndExitTearsDownInOrder) {
    p().restMinutes = 12;
    master->saveForShutdown();
    EXPECT_EQ(readBytes("param.dat")[276], 12);
    master->onTaskbarCreated();  // the shell restarted: the icon comes back as it was
    EXPECT_EQ(fake().calls.back(), std::string("notifyIcon Add ") + master->trayData.tip);
    master->onCommand(CmdExit);
    master->onClose();
    master->onDestroy();
    EXPECT_EQ(fake().count("closeWindow"), 3);  // the main window, then the notice and the MCI windows
    expectInOrder({"closeWindow", "killTimer 1", "destroyMenu", "notifyIcon Delete", "quit"});
    p().workMinutes = 42;
    master.reset();
    EXPECT_EQ(readBytes("param.dat")[272], 42);
}

TEST_F(Spine, TrayPictureAndTipForEveryPhaseAndLength) {
    master->icon->loadIcons();
    // At a phase start or after a minute; the fake hands out each picture's resource name as its handle.
    const struct { bool start; uint8_t phase; int32_t elapsed, work, rest; const char *picture, *tip; } rows[] = {
        {false, Working, 4, 60, 5, "IDI_RED1", "作業中です。あと56分 [4 / 60分]"},
        {false, Working, 5, 60, 5, "IDI_RED2", "作業中です。あと55分 [5 / 60分]"},
        {false, Working, 61, 60, 5, "IDI_RED12", "作業中です。あと-1分 [61 / 60分]"},
        {false, Working, 6, 7, 5, "IDI_RED11", "作業中です。あと1分 [6 / 7分]"},  // 72 / 7 = 10
        {false, Resting, 4, 60, 5, "IDI_BLUE10", "休憩中です。あと1分 [4 / 5分]"},
        {false, WorkOver, 72, 60, 5, "IDI_DRED", "作業終了。12分経過です…"},
        {false, RestOver, 8, 60, 5, "IDI_GRAY", "休憩終了。3分経過です…"},
        {false, Stopped, 5000, 60, 5, "IDI_GRAY", "停止中です"},
        // A length of 0 or below shows the last picture; huge counts do not overflow.
        {false, Working, 0, 0, 5, "IDI_RED12", "作業中です。あと0分 [0 / 0分]"},
        {false, Working, INT32_MAX / 2, INT32_MAX, 5, "IDI_RED6", "作業中です。あと1073741824分 [1073741823 / 2147483647分]"},  // 12 x count is beyond 32 bits
        {false, Working, INT32_MAX, INT32_MIN, 5, "IDI_RED12", "作業中です。あと-4294967295分 [2147483647 / -2147483648分]"},
        // Phase starts have tips of their own ("休憩中。", not "休憩中です。").
        {true, Working, 0, 45, 5, "IDI_RED1", "作業中です。あと45分 [0 / 45分]"},
        {true, Resting, 0, 60, 15, "IDI_BLUE1", "休憩中。あと15分 [0 / 15分]"},
        {true, WorkOver, 70, 60, 5, "IDI_DRED", "作業終了です"},
        {true, RestOver, 9, 60, 5, "IDI_GRAY", "休憩終了です"},
        {false, 9, 20, 60, 5, "IDI_GRAY", "休憩終了です"},  // an unknown phase changes nothing
    };
    for (const auto& r : rows) {
        p().phase = r.phase, p().elapsedMinutes = r.elapsed, p().workMinutes = r.work, p().currentRestMinutes = r.rest;
        if (r.start) master->icon->showPhase();
        else master->icon->showMinute();
        EXPECT_STREQ(static_cast<const char*>(fake().tray.icon), r.picture) << int(r.phase) << " " << r.elapsed;
        EXPECT_STREQ(fake().tray.tip, r.tip) << int(r.phase) << " " << r.elapsed;
    }
}

}  // namespace
