// Master: the timer's phases, balloons, clicks and sounds; window creation and teardown, tray icon and menu.
#include <gtest/gtest.h>

#include <cstring>

#include "app/icon.h"
#include "app/menu.h"
#include "dialogs/long_rest.h"
#include "tests/support/test_env.h"
#include "timer/sound.h"

namespace {

using Strings = std::vector<std::string>;

class PhaseMachine : public MasterTest {
protected:
    // Each minute of n that brought something: minute, R/E/O/B (reminder, work end, overrun, rest end), runs.
    std::string run(int n) {
        std::string seen;
        for (int i = 0; i < n; ++i) {
            const uint8_t before = p().phase;
            const int balloons = fake().balloons;
            master->repeatCount = 0;
            master->tick();
            const char what = p().phase != before ? (before == Working ? 'E' : 'B')
                                                  : fake().balloons > balloons ? 'O' : master->repeatCount ? 'R' : 0;
            if (what) seen += std::to_string(p().elapsedMinutes) + what + std::to_string(master->repeatCount) + ' ';
        }
        return seen;
    }
    Strings balloon() { return {fake().balloonTitle, fake().balloonText, std::to_string(master->balloonPending)}; }
    std::vector<int64_t> state() { return ints(p().phase, p().elapsedMinutes, master->balloonPending); }
};

TEST_F(PhaseMachine, SixtyFiveWorkedExampleWithItsBalloonsAndClicks) {
    EXPECT_EQ(run(60), "5R1 10R1 15R1 20R1 25R1 30R1 35R1 40R1 45R1 50R2 55R3 60E1 ");
    EXPECT_EQ(balloon(), (Strings{"作業終了時間になりました", "休憩に入るには、ここをクリックしてください。", "1"}));
    EXPECT_EQ(run(16), "65O3 70O3 75O3 ");
    EXPECT_EQ(balloon(), (Strings{"15分作業延長中です。。", "休憩に入るには、ここをクリックしてください。", "1"}));
    // A balloon click counts only with the button held; it starts the five-minute rest.
    master->onTrayCallback(0, TrayBalloonClick);
    EXPECT_EQ(state(), ints(WorkOver, 76, 1));
    fake().leftButton = true;
    master->onTrayCallback(0, TrayBalloonClick);
    EXPECT_EQ(state(), ints(Resting, 0, 0));
    EXPECT_EQ(run(6), "5B0 ");  // a balloon only, no notice run
    EXPECT_EQ(balloon(), (Strings{"休憩終了です", "今から作業再開なら、ここをクリックしてください。", "1"}));
    master->clickThrough();
    EXPECT_EQ(state(), ints(Working, 0, 0));
    p().workMinutes = 23;  // the repeats count from the minutes left
    EXPECT_EQ(run(23), "5R1 10R1 15R2 20R3 23E1 ");
}

TEST_F(PhaseMachine, ClicksAcknowledgeOnlyAPhaseEnd) {
    for (uint8_t phase : {Stopped, Working, Resting}) {
        p().phase = phase, p().elapsedMinutes = 7, master->balloonPending = 1;
        master->clickThrough();  // a stale balloonPending moves nothing on
        EXPECT_EQ(state(), ints(phase, 7, 1));
    }
    fake().balloonResult = false;  // the shell refused the balloon: the click must still work
    p().workMinutes = 1;
    master->startWork();
    master->tick();
    master->onTrayCallback(1, TrayLeftDown);  // another icon's id
    EXPECT_EQ(state(), ints(WorkOver, 1, 1));
    master->onTrayCallback(0, TrayLeftDown);
    EXPECT_EQ(state(), ints(Resting, 0, 0));
    // Nothing pending: a click while resting opens the long-rest dialog, once.
    fake().onDialog = [&](platform::Dialog) {  // runDialog 4: the long-rest dialog
        master->onTrayCallback(0, TrayLeftDown);
        LongRest::confirm(*master, "45");
    };
    master->onTrayCallback(0, TrayLeftDown);
    const int32_t longRest = p().currentRestMinutes;
    master->startRest();  // the next rest lasts the setting again
    EXPECT_EQ(ints(fake().count("runDialog 4"), longRest, p().currentRestMinutes), ints(1, 45, 5));
}

TEST_F(PhaseMachine, AlertSoundOfEachKindAndASilentRestEnd) {
    std::strcpy(p().wavPath, "C:\\chime.wav");
    for (uint8_t kind : {0, 1, 2, 3, 4, 5, 6, 7, 8, 255}) p().soundKind = kind, master->playAlert();
    EXPECT_EQ(fake().beeps, (std::vector<uint32_t>{0x00, 0x10, 0x20, 0x30, 0x40, 0xFFFFFFFFu}));
    master->sound->fileChosen = 1;  // 7 stays silent until a file is picked in this run
    p().soundKind = 7, p().restMinutes = 0, p().workMinutes = 0;
    master->startRest();
    master->tick();  // the rest end comes without a sound
    master->startWork();
    master->tick();  // the work end plays the file, from its beginning each time
    EXPECT_EQ(fake().mciMessages, (Strings{"0x804 0 0", "0x499 0 C:\\chime.wav", "0x806 0 0"}));
}

using Spine = MasterTest;

void expectInOrder(const Strings& order) {  // each call starting with one of these after the one before it
    ASSERT_LT(fake().first(order.back()), fake().calls.size()) << order.back();
    for (size_t i = 1; i < order.size(); ++i) EXPECT_LT(fake().first(order[i - 1]), fake().first(order[i])) << order[i];
}

TEST_F(Spine, CreationRegistersTheIconRetryingTimeoutsThenStartsWork) {
    expectInOrder({"notifyIcon Add レストワーデン", "setTimer 1 60000", "notifyIcon Modify 作業中です。あと60分 [0 / 60分]"});
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
                       fake().count("messageBox ERROR 通知領域")), ints(r.adds, r.sleeps, !r.created));
    }
    theMaster = master.get();
}

TEST_F(Spine, MenuGreysTheCommandThatWouldRestartThePhaseAndOpensAtThePointer) {
    std::string seen;
    auto& menu = fake().menuStates;
    auto look = [&] {  // "開始 休憩 停止" as e (enabled) or g (greyed)
        for (auto id : {CmdStartWork, CmdStartRest, CmdStop}) seen += menu[id] == MenuStateGrayed ? 'g' : 'e';
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
        {false, Working, 61, 60, 5, "IDI_RED12", "作業中です。あと-1分 [61 / 60分]"},
        {false, Resting, 4, 60, 5, "IDI_BLUE10", "休憩中です。あと1分 [4 / 5分]"},
        {false, WorkOver, 72, 60, 5, "IDI_DRED", "作業終了。12分経過です…"},
        {false, RestOver, 8, 60, 5, "IDI_GRAY", "休憩終了。3分経過です…"},
        {false, Stopped, 5000, 60, 5, "IDI_GRAY", "停止中です"},
        {false, Working, 0, 0, 5, "IDI_RED12", "作業中です。あと0分 [0 / 0分]"},  // length 0 or below: the last picture
        // 12 x a huge count goes past 32 bits, yet does not overflow.
        {false, Working, INT32_MAX / 2, INT32_MAX, 5, "IDI_RED6", "作業中です。あと1073741824分 [1073741823 / 2147483647分]"},
        {false, Working, INT32_MAX, INT32_MIN, 5, "IDI_RED12", "作業中です。あと-4294967295分 [2147483647 / -2147483648分]"},
        {true, Working, 0, 45, 5, "IDI_RED1", "作業中です。あと45分 [0 / 45分]"},  // phase starts have tips of their own
        {true, Resting, 0, 60, 15, "IDI_BLUE1", "休憩中。あと15分 [0 / 15分]"},  // not "休憩中です。"
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
