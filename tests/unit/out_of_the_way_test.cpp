// Staying out of the way: quiet over full-screen programs, the timed pause, and time away counted as rest.
#include <gtest/gtest.h>

#include "app/menu.h"
#include "notice/quiet_rule.h"
#include "records/log.h"
#include "tests/support/test_env.h"
#include "timer/options.h"

namespace {

TEST(QuietRule, BusyOnlyInPresentationsGamesAndWindowsWhoseClientAreaCoversTheirMonitor) {
    // QUNS_BUSY, QUNS_RUNNING_D3D_FULL_SCREEN and QUNS_PRESENTATION_MODE whatever is in front.
    for (int state : {2, 3, 4, 5}) EXPECT_EQ(personIsBusy(state, {}), state != 5) << state;
    const platform::Rect screen{0, 0, 1920, 1080}, leftAbove{-1280, -200, 0, 824};
    const struct { const char* className; platform::Rect client, monitor; bool isDesktop, busy; } rows[] = {
        {"Game", screen, screen, false, true},
        {"Game", {-8, -8, 1928, 1088}, screen, false, true},
        {"Browser", {0, 23, 1920, 1080}, screen, false, false},  // maximised, its caption on a monitor without taskbar
        {"Editor", {0, 0, 1920, 1040}, screen, false, false},  // maximised beside the taskbar
        {"Editor", {1, 0, 1920, 1080}, screen, false, false},
        {"Game", leftAbove, screen, false, false},
        {"Game", {0, 0, 0, 0}, {0, 0, 0, 0}, false, false},
        {"Progman", screen, screen, false, false},  // the desktop and the taskbar
        {"WorkerW", screen, screen, false, false},
        {"Shell_TrayWnd", screen, screen, false, false},
        {"#32769", screen, screen, true, false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(personIsBusy(5, {true, r.isDesktop, r.className, r.client, r.monitor}), r.busy) << r.className;
}

using OutOfTheWay = MasterTest;

TEST_F(OutOfTheWay, ATimedPauseStopsThenStartsWorkByItselfAcrossMidnightOrAtATimerCommand) {
    const ScopedTimeZone zone("Europe/Berlin");
    fake().now = localTime(2024, 6, 1, 23, 50);
    auto tick = [&] {
        fake().now += 60;
        master->tick();
    };
    auto& menu = fake().menuStates;
    master->onCommand(CmdPause30);  // "停止" stays, to end the pause for good
    EXPECT_EQ(ints(p().phase, menu[CmdStop], menu[CmdPauseMenu], menu[CmdStartWork]), ints(Stopped, 0, 3, 0));
    EXPECT_STREQ(master->trayData.tip, "一時停止中 あと30分");
    for (int i = 1; i < 30; ++i) tick();
    EXPECT_STREQ(master->trayData.tip, "一時停止中 あと1分");
    tick();
    EXPECT_EQ(ints(p().phase, p().elapsedMinutes, master->balloonPending, menu[CmdPauseMenu]), ints(Working, 0, 0, 0));
    EXPECT_EQ(fake().balloonTitle + fake().balloonText, "一時停止終了作業を再開しました。");
    const int8_t* today = master->log->record.minutes;  // each paused minute after midnight is stopped, the last too
    EXPECT_EQ(ints(today[0], today[20], today[21]), ints(MinuteStopped, MinuteStopped, MinuteNone));
    tick();
    EXPECT_EQ(ints(p().elapsedMinutes, today[21]), ints(1, MinuteWorking));
    const std::pair<unsigned, Phase> rows[] = {{CmdStartWork, Working}, {CmdStartRest, Resting}, {CmdStop, Stopped}};
    for (auto [command, phase] : rows) {
        master->onCommand(CmdPause120);
        ticks(2);
        master->onCommand(command);  // ends the pause at once
        EXPECT_EQ(ints(p().phase, master->pauseMinutesLeft), ints(phase, 0)) << command;
    }
    ticks(200);  // "停止" left a plain stop, which no tick ends
    EXPECT_EQ(ints(p().phase, menu[CmdStop]), ints(Stopped, 3));
    EXPECT_STREQ(master->trayData.tip, "停止中です");
}

constexpr uint32_t Minute = 60000, T = 100 * Minute;

TEST_F(OutOfTheWay, AwayTickTakesWorkAwayForTheSetMinutesAsRest) {
    const struct {  // idle, locked: ms before now (0: not locked); then: phase, elapsed, rest, repeatCount, balloon
        const char* what; uint8_t phase, on; uint32_t now, idle, locked; bool unlock; std::vector<int64_t> then;
    } rows[] = {
        {"idle just below", Working, 1, T, 5 * Minute - 1, 0, false, ints(Working, 8, 99, 3, 1)},
        {"idle at the threshold", Working, 1, T, 5 * Minute, 0, false, ints(Resting, 6, 10, 1, 0)},
        {"locked longer, rest reached", Working, 1, T, Minute, 12 * Minute, false, ints(RestOver, 13, 10, 1, 1)},
        {"idle longer than locked", Working, 1, T, 6 * Minute, Minute, false, ints(Resting, 7, 10, 1, 0)},
        {"unlocked again", Working, 1, T, Minute, 12 * Minute, true, ints(Working, 8, 99, 3, 1)},
        {"across the wrap", Working, 1, 100000, 5 * Minute, 0, false, ints(Resting, 6, 10, 1, 0)},
        {"overrun", WorkOver, 1, T, 8 * Minute, 0, false, ints(Resting, 9, 10, 1, 0)},
        {"resting", Resting, 1, T, 60 * Minute, 0, false, ints(Resting, 8, 99, 3, 1)},
        {"stopped", Stopped, 1, T, 60 * Minute, 0, false, ints(Stopped, 7, 99, 3, 1)},
        {"option off", Working, 0, T, 60 * Minute, 0, false, ints(Working, 8, 99, 3, 1)},
    };
    master->options->awayMinutes = 5, p().restMinutes = 10;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        master->startWork();  // the menu as in work
        fake().input.now = row.now - row.locked;
        master->onSessionChange(row.locked ? platform::SessionLock : platform::SessionUnlock);
        if (row.unlock) master->onSessionChange(platform::SessionUnlock);
        fake().input = {row.now, row.now - row.idle};
        master->options->awayIsRest = row.on;
        p().phase = row.phase, p().elapsedMinutes = 7, p().currentRestMinutes = 99;
        master->repeatCount = 3, master->balloonPending = 1;
        master->tick();
        EXPECT_EQ(ints(p().phase, p().elapsedMinutes, p().currentRestMinutes, master->repeatCount,
                       master->balloonPending), row.then);
        EXPECT_EQ(fake().menuStates[CmdStartRest], row.then[3] == 1 ? MenuStateGrayed : 0u);
    }
}

// Nobody at the desk, or a slide show in front with the option on: no run and no sound, from the tick or from the
// next run of a series already going; the balloons and the phases go on.
TEST_F(OutOfTheWay, NoRunOrSoundWhileNobodyIsThereOrASlideShowIsInFront) {
    const platform::ForegroundWindow show{true, false, "Show", {0, 0, 1366, 768}, {0, 0, 1366, 768}};
    const struct { const char* what; bool show; uint8_t quiet; uint32_t idle; bool locked, silent; } rows[] = {
        {"at work", false, 1, 0, false, false},
        {"slide show", true, 1, 0, false, true},
        {"slide show, option off", true, 0, 0, false, false},
        {"idle a moment short of away", false, 1, 5 * Minute - 1, false, false},
        {"away", false, 0, 5 * Minute, false, true},
        {"locked", false, 0, 0, true, true},
    };
    p().soundKind = 1;
    for (const auto& r : rows)
        for (bool fromTick : {true, false}) {
            SCOPED_TRACE(std::string(r.what) + (fromTick ? " from the tick" : " from the second run"));
            auto set = [&](bool on) {
                fake().foreground = on && r.show ? show : platform::ForegroundWindow{};
                fake().input = {T, T - (on ? r.idle : 0)};
                master->onSessionChange(on && r.locked ? platform::SessionLock : platform::SessionUnlock);
            };
            master->options->quietFullscreen = r.quiet;
            fake().calls.clear(), fake().beeps.clear(), fake().balloons = 0;
            set(fromTick);
            p().phase = WorkOver, p().elapsedMinutes = 64;  // the overrun at 5: a balloon and three runs
            master->tick();
            set(true);
            fake().runThreads();
            const int runs = !r.silent ? 3 : fromTick ? 0 : 1;
            EXPECT_EQ(ints(fake().count("startThread"), fake().beeps.size(), fake().balloons, p().phase),
                      ints(runs, runs, 1, WorkOver));
        }
}

TEST_F(OutOfTheWay, ARestEndAtAnEmptyDeskShowsItsBalloonOnceThePersonIsBackUnlessAClickAnsweredIt) {
    master->options->awayIsRest = 1;  // away 5 and rest 5: the detecting tick counts the sixth minute of rest
    auto tickIdle = [&](uint32_t idle) {
        fake().input = {T, T - idle};
        master->tick();
        return ints(p().phase, master->balloonPending, fake().balloons);
    };
    for (bool click : {true, false}) {
        master->startWork();
        EXPECT_EQ(tickIdle(5 * Minute), ints(RestOver, 1, 0));
        EXPECT_EQ(tickIdle(6 * Minute), ints(RestOver, 1, 0));
        if (click) master->onTrayCallback(0, TrayLeftDown);
        for (int once : {1, 2})  // a key pressed a second ago
            EXPECT_EQ(tickIdle(1000), click ? ints(Working, 0, 0) : ints(RestOver, 1, 1)) << once;
    }
    EXPECT_EQ(fake().balloonText, "今から作業再開なら、ここをクリックしてください。");
}

TEST_F(OutOfTheWay, AwayRecodesTodaysWorkSinceLeavingButNoArchivedDay) {
    ScopedTimeZone zone{"UTC0"};
    auto tickAt = [&](int day, int minute, int second, uint32_t idle) {
        fake().now = localTime(2030, 3, day, minute < 0 ? 23 : 0, (minute + 60) % 60, second);
        fake().input = {T, T - idle};
        master->tick();
    };
    DayRecord& record = master->log->record;
    record = emptyDayRecord(static_cast<uint32_t>(localTime(2030, 3, 1)));
    record.minutes[0] = record.minutes[1] = MinuteWorking;
    master->options->awayIsRest = 1, master->options->awayMinutes = 3;
    for (int minute : {-2, -1}) tickAt(1, minute, 0, 0);  // 23:58, 23:59
    // Away since 23:57:30, ticked at 00:01:30: yesterday is archived as worked; of today only this minute rests,
    // and that rest is over (4 minutes away, and this tick counts the fifth).
    tickAt(2, 1, 30, 4 * Minute);
    const std::vector<uint8_t> archive = readBytes("state.dat");
    ASSERT_EQ(archive.size(), DayRecordSize);
    EXPECT_EQ(ints(archive[0], archive[1], archive[1438], archive[1439]), ints(1, 1, 1, 1));
    master->startWork();
    for (int minute : {2, 3, 4, 6}) tickAt(2, minute, 0, 0);
    tickAt(2, 7, 20, 3 * Minute + 40000);  // away since 00:03:40
    const int8_t* m = record.minutes;
    EXPECT_EQ(ints(m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7]), ints(0, 4, 1, 3, 3, 0, 3, 3));
}

}  // namespace
