// Staying out of the way: no sweep over a full-screen program, and the timed pause.
#include <gtest/gtest.h>

#include "notice/quiet_rule.h"
#include "records/log.h"
#include "tests/support/test_env.h"
#include "tests/unit/records_test_util.h"
#include "timer/options.h"

namespace {

platform::ForegroundWindow windowAt(const char* className, platform::Rect window, platform::Rect monitor,
                                    bool isDesktop = false) {
    platform::ForegroundWindow w;
    w.present = true;
    w.isDesktop = isDesktop;
    w.className = className;
    w.window = window;
    w.monitor = monitor;
    return w;
}

const platform::Rect Primary{0, 0, 1920, 1080};
const platform::Rect LeftAbove{-1280, -200, 0, 824};

TEST(QuietRule, BusyOnlyInPresentationsGamesAndWindowsCoveringTheirMonitor) {
    const struct {
        int state;
        platform::ForegroundWindow window;
        bool busy;
    } rows[] = {
        {2, {}, true},  // QUNS_BUSY
        {3, {}, true},  // QUNS_RUNNING_D3D_FULL_SCREEN
        {4, {}, true},  // QUNS_PRESENTATION_MODE
        {5, {}, false},
        {0, windowAt("Game", Primary, Primary), true},
        {5, windowAt("Game", {-8, -8, 1928, 1088}, Primary), true},
        {5, windowAt("Game", LeftAbove, LeftAbove), true},
        {5, windowAt("Editor", {0, 0, 1920, 1040}, Primary), false},
        {5, windowAt("Editor", {1, 0, 1920, 1080}, Primary), false},
        {5, windowAt("Game", LeftAbove, Primary), false},
        {5, windowAt("Progman", Primary, Primary), false},
        {5, windowAt("WorkerW", Primary, Primary), false},
        {5, windowAt("Shell_TrayWnd", Primary, Primary), false},
        {5, windowAt("#32769", Primary, Primary, true), false},
        {5, windowAt("Game", {0, 0, 0, 0}, {0, 0, 0, 0}), false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.state) + " " + r.window.className);
        EXPECT_EQ(personIsBusy(r.state, r.window), r.busy);
    }
}

class OutOfTheWay : public MasterTest {
protected:
    // Notice runs started and sounds asked for since the last clear.
    std::vector<int64_t> runsAndSounds() {
        return ints(fake().threads.size(), fake().count("messageBeep") + fake().count("sendMessage"));
    }
    void clear() {
        fake().threads.clear();
        fake().calls.clear();
        master->animating = 0;
    }
    std::string tip() { return master->trayData.tip; }
    uint32_t state(unsigned id) { return fake().menuStates[id]; }
};

TEST_F(OutOfTheWay, AFullScreenWindowSilencesEveryNoticeSeriesButNotTheBalloons) {
    p().workMinutes = 10;
    p().soundKind = 1;
    fake().foreground = windowAt("Game", {0, 0, 1366, 768}, {0, 0, 1366, 768});
    for (uint8_t quiet : {1, 0}) {
        SCOPED_TRACE(quiet);
        master->options->quietFullscreen = quiet;
        master->startWork();
        std::vector<std::vector<int64_t>> seen;
        for (int minute = 1; minute <= 15; ++minute) {
            clear();
            master->tick();
            if (minute % 5 == 0) seen.push_back(runsAndSounds());
        }
        const int64_t n = quiet ? 0 : 1;
        // The reminder at 5, the work end at 10 and the overrun at 15.
        EXPECT_EQ(seen, (std::vector<std::vector<int64_t>>{ints(n, n), ints(n, n), ints(n, n)}));
        EXPECT_EQ(ints(p().phase, master->balloonPending), ints(WorkOver, 1));
        EXPECT_EQ(fake().balloonTitle, "5分作業延長中です。。");
    }
}

TEST_F(OutOfTheWay, ATimedPauseStopsThenStartsWorkByItselfAcrossMidnight) {
    const ScopedTimeZone zone("Europe/Berlin");
    int64_t now = localTime(2024, 6, 1, 23, 50);
    fake().now = now;
    master->onCommand(CmdPause30);
    EXPECT_EQ(ints(p().phase, state(CmdStop), state(CmdPauseMenu), state(CmdStartWork)), ints(Stopped, 3, 3, 0));
    EXPECT_EQ(tip(), "一時停止中 あと30分");
    for (int i = 1; i < 30; ++i) {
        fake().now = now += 60;
        master->tick();
    }
    EXPECT_EQ(ints(p().phase, fake().balloons), ints(Stopped, 0));
    EXPECT_EQ(tip(), "一時停止中 あと1分");
    fake().now = now += 60;
    master->tick();
    EXPECT_EQ(ints(p().phase, p().elapsedMinutes, master->balloonPending, state(CmdPauseMenu)), ints(Working, 0, 0, 0));
    EXPECT_EQ(fake().balloonTitle + fake().balloonText, "一時停止終了作業を再開しました。");
    EXPECT_EQ(tip(), "作業中です。あと60分 [0 / 60分]");
    // Every paused minute after midnight is recorded as stopped, the last one included.
    const DayRecord& today = master->log->record;
    EXPECT_EQ(ints(today.minutes[at(0, 0)], today.minutes[at(0, 20)], today.minutes[at(0, 21)]),
              ints(MinuteStopped, MinuteStopped, MinuteNone));
    fake().now = now += 60;
    master->tick();
    EXPECT_EQ(ints(p().elapsedMinutes, today.minutes[at(0, 21)]), ints(1, MinuteWorking));
}

TEST_F(OutOfTheWay, TheTimerCommandsEndAPauseAtOnce) {
    const struct {
        unsigned command;
        Phase phase;
        const char* tip;
    } rows[] = {
        {CmdStartWork, Working, "作業中です。あと60分 [0 / 60分]"},
        {CmdStartRest, Resting, "休憩中。あと5分 [0 / 5分]"},
        {CmdStop, Stopped, "停止中です"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.command);
        master->onCommand(CmdPause120);
        ticks(2);
        EXPECT_EQ(tip(), "一時停止中 あと118分");
        master->onCommand(r.command);
        EXPECT_EQ(ints(p().phase, master->pauseMinutesLeft), ints(r.phase, 0));
        EXPECT_EQ(tip(), r.tip);
        ticks(120);
        EXPECT_NE(fake().balloonTitle, "一時停止終了");
    }
}

}  // namespace
