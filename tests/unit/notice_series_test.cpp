// Notice series: runs, repeats with their sounds, refused starts, and racing starts.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "notice/movement.h"
#include "notice/notice_series.h"
#include "tests/support/test_env.h"

namespace {

class NoticeSeries : public MasterTest {
protected:
    void SetUp() override {
        MasterTest::SetUp();
        p().soundKind = 1;  // MessageBeep(MB_OK): every alert leaves a trace
        fake().calls.clear();
    }
    void TearDown() override {
        openNoticeWorkers();
        MasterTest::TearDown();
    }
    // Runs the oldest started worker to its end, as if its thread had been scheduled.
    void runOne() {
        ASSERT_FALSE(fake().threads.empty());
        void (*routine)() = fake().threads.front();
        fake().threads.erase(fake().threads.begin());
        routine();
    }
    // Ticks to the reminder at `minute` of a 23-minute work period (5: one run, 15: two,
    // 20: three), without notices from the earlier reminders.
    void tickToMinute(int minute) {
        p().workMinutes = 23;
        p().elapsedMinutes = minute - 1;
        master->tick();
    }
    void clear() {
        fake().calls.clear();
        fake().beeps.clear();
    }
    int runs() const { return fake().count("startThread"); }
    int sounds() const { return static_cast<int>(fake().beeps.size()); }
    // Runs started and sounds played since the last clear; animating and repeatCount.
    std::vector<int64_t> state() { return ints(runs(), sounds(), master->animating, master->repeatCount); }
};

TEST_F(NoticeSeries, EachRunOfAReminderComesWithItsSoundAndEndsParked) {
    for (int count : {1, 2, 3}) {
        SCOPED_TRACE(count);
        clear();
        tickToMinute(count == 1 ? 5 : count == 2 ? 15 : 20);
        EXPECT_EQ(state(), ints(1, 1, 1, count));  // the tick's own sound
        fake().runThreads();
        EXPECT_EQ(state(), ints(count, count, 0, 0));
        EXPECT_EQ(ints(fake().count("moveWindow 0,0 5x5 norepaint"), fake().count("sleep 50")),
                  ints(count, 154 * count));  // the default bar at 768 px: 155 steps
        // Each run: the pointer-hole timer, the worker, then the sound; the timer ends with it.
        std::vector<std::string> expected, order;
        for (int run = 0; run < count; ++run) {
            if (run) expected.push_back("killTimer 1");
            expected.insert(expected.end(), {"setTimer 1 50", "startThread", "messageBeep 0"});
        }
        expected.push_back("killTimer 1");
        for (const std::string& c : fake().calls)
            if (c == "killTimer 1" || c == "setTimer 1 50" || c == "startThread" || c.rfind("messageBeep", 0) == 0)
                order.push_back(c);
        EXPECT_EQ(order, expected);
    }
}

TEST_F(NoticeSeries, MotionNoneWaitsTwoSecondsPerRunAndShowsNothing) {
    // 9: a motion code from a damaged param.dat acts as none (shown here by the preview).
    for (uint8_t kind : {0, 9}) {
        const int count = kind == MoveNone ? 3 : 1;
        clear();
        fake().monotonic = 0;
        p().moveKind = kind;
        if (kind == MoveNone) tickToMinute(20);
        else master->previewNotice();
        fake().runThreads();
        EXPECT_EQ(state(), ints(count, kind == MoveNone ? 3 : 0, 0, 0));
        EXPECT_EQ(ints(fake().count("sleep 2000"), fake().monotonic, fake().count("moveWindow"), fake().count("opacity")),
                  ints(count, 2000 * count, 0, 0));
    }
}

TEST_F(NoticeSeries, ATickDuringASeriesReplacesTheCountAndPlaysAtOnce) {
    tickToMinute(20);  // three runs
    runOne();          // the first is over, the second is running
    clear();
    p().workMinutes = 100;
    p().elapsedMinutes = 24;
    master->tick();  // a one-run reminder: no new worker, the sound at once
    EXPECT_EQ(state(), ints(0, 1, 1, 1));
    fake().runThreads();  // the running one was the last
    EXPECT_EQ(state(), ints(0, 1, 0, 0));

    tickToMinute(5);  // a larger count stretches a running series the same way
    p().elapsedMinutes = 19;
    master->tick();  // minute 20: three runs, the one in progress included
    clear();
    fake().runThreads();
    EXPECT_EQ(state(), ints(2, 2, 0, 0));
}

TEST_F(NoticeSeries, PreviewIsRefusedDuringASeriesAndRunsOnceSilentlyOtherwise) {
    tickToMinute(20);
    runOne();
    clear();
    master->previewNotice();
    EXPECT_EQ(state(), ints(0, 0, 1, 2));
    fake().runThreads();

    clear();
    master->repeatCount = 3;
    master->previewNotice();
    EXPECT_EQ(master->repeatCount, 1);
    fake().runThreads();
    EXPECT_EQ(state(), ints(1, 0, 0, 0));
    EXPECT_EQ(fake().count("moveWindow 0,0 5x5 norepaint"), 1);

    master->previewNotice();  // a count already at 0 ends the series rather than wrapping
    master->repeatCount = 0;
    fake().runThreads();
    EXPECT_EQ(state(), ints(2, 0, 0, 0));
}

TEST_F(NoticeSeries, EachRunTakesTheSettingsOfItsStart) {
    tickToMinute(15);
    runOne();
    EXPECT_EQ(fake().count("moveWindow 2,0 1362x25 repaint"), 2);  // placed, first step
    p().moveKind = MoveFade;  // changed on the MOVE page during the series
    fake().calls.clear();
    runOne();
    EXPECT_EQ(ints(fake().count("moveWindow 2,"), fake().count("opacity 153")), ints(0, 1));  // the second fades
}

TEST_F(NoticeSeries, AWorkerThatCannotStartEndsTheSeriesAndLaterNoticesStillRun) {
    fake().threadStartFails = true;
    tickToMinute(20);
    EXPECT_EQ(state(), ints(1, 1, 0, 3));  // the tick plays all the same
    EXPECT_EQ(fake().count("killTimer 1"), 1);

    fake().threadStartFails = false;
    master->previewNotice();
    EXPECT_EQ(master->animating, 1);
    fake().runThreads();
    tickToMinute(20);
    clear();
    fake().threadStartFails = true;  // the repeat fails: no sound for a run that does not come
    runOne();
    EXPECT_EQ(state(), ints(1, 0, 0, 2));
    EXPECT_TRUE(fake().threads.empty());
}

TEST_F(NoticeSeries, AWorkerLeavesMasterAloneOnceTheProgramIsClosing) {
    tickToMinute(20);
    closeNoticeWorkers();
    fake().runThreads();
    EXPECT_EQ(state(), ints(1, 1, 1, 3));  // nothing touched Master after the run
    EXPECT_FALSE(noticeWorkerInMaster());
}

// A motion whose steps take time, to see the schedule absorb it.
class SlowSteps : public Movement {
public:
    explicit SlowSteps(std::vector<uint64_t> costs) : Movement(nullptr, 1, 1), costs(std::move(costs)) {}
    bool nextFrame() override {
        if (next == costs.size()) return false;
        fake().monotonic += costs[next++];
        return true;
    }
    std::vector<uint64_t> costs;
    size_t next = 0;
};

TEST_F(NoticeSeries, StepsKeepToAFiftyMillisecondScheduleWhateverEachStepCosts) {
    SlowSteps steady({20, 20, 20, 20});
    runMovement(steady);
    EXPECT_EQ(fake().starting("sleep"), std::vector<std::string>(4, "sleep 30"));
    EXPECT_EQ(fake().monotonic, 4 * 50u);

    // A step late by less than a period is caught up; one late by more restarts the
    // schedule instead of rushing the steps after it. Due 1050: at 1010 sleep 40; due 1100:
    // at 1120, late 20, go on; due 1150: at 1130 sleep 20; due 1200: at 1300, late 100,
    // restart; due 1350: at 1310 sleep 40.
    fake().calls.clear();
    fake().monotonic = 1000;
    SlowSteps late({10, 70, 10, 150, 10});
    runMovement(late);
    EXPECT_EQ(fake().starting("sleep"), (std::vector<std::string>{"sleep 40", "sleep 20", "sleep 40"}));
}

// Two starts that meet: exactly one may proceed. Run under ThreadSanitizer with
// scripts/tsan.sh.
TEST_F(NoticeSeries, TwoStartsRacingFromTwoThreadsStartOneRun) {
    for (int round = 0; round < 600; ++round) {
        // Odd rounds: the repeat at the end of a run on the worker meets the preview.
        const bool repeat = round % 2 == 1;
        master->animating = repeat;
        master->repeatCount = 2;
        {
            std::lock_guard<std::mutex> guard(fake().lock);
            fake().threads.clear();
            fake().calls.clear();
        }
        std::atomic<int> ready{0};
        auto start = [&](char how) {
            ready.fetch_add(1);
            while (ready.load() < 2) {
            }
            if (how == 'p') master->previewNotice();
            else if (how == 't') master->startNotice();
            else master->noticeEnded();
        };
        std::thread a(start, repeat ? 'e' : round % 4 == 0 ? 'p' : 't');
        std::thread b(start, repeat ? 'p' : 't');
        a.join();
        b.join();
        if (repeat) ASSERT_LE(fake().threads.size(), 1u) << round;
        else ASSERT_EQ(fake().threads.size(), 1u) << round;
        ASSERT_EQ(master->animating, fake().threads.size()) << round;
    }
}

}  // namespace
