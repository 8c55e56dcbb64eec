// Notice series: runs, repeats with their sounds, refused starts, and racing starts.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "notice/movement.h"
#include "notice/notice_series.h"
#include "tests/support/test_env.h"
#include "timer/property.h"

namespace {

class NoticeSeries : public MasterTest {
protected:
    void SetUp() override {
        MasterTest::SetUp();
        master->property->soundKind = 1;  // MessageBeep(MB_OK): every alert leaves a trace
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
    // Ticks to the reminder at minute 20 of a 23-minute work period, without notices
    // from the earlier reminders.
    void tickToMinute(int minute) {
        master->property->workMinutes = 23;
        master->property->elapsedMinutes = minute - 1;
        master->tick();
    }
    int runs() const { return fake().count("startThread"); }
    int sounds() const { return static_cast<int>(fake().beeps.size()); }
    int parks() const { return fake().count("moveWindow 0,0 5x5 norepaint"); }
};

TEST_F(NoticeSeries, EachRunOfAReminderComesWithItsSoundAndEndsParked) {
    const struct {
        int minute, count;
    } reminders[] = {{5, 1}, {15, 2}, {20, 3}};
    for (const auto& r : reminders) {
        SCOPED_TRACE(r.minute);
        fake().calls.clear();
        fake().beeps.clear();
        tickToMinute(r.minute);
        EXPECT_EQ(master->repeatCount, r.count);
        EXPECT_EQ(sounds(), 1);  // the tick's own
        fake().runThreads();
        EXPECT_EQ(runs(), r.count);
        EXPECT_EQ(sounds(), r.count);
        EXPECT_EQ(parks(), r.count);
        EXPECT_EQ(fake().count("setTimer 1 50"), r.count);
        EXPECT_EQ(fake().count("killTimer 1"), r.count);
        EXPECT_EQ(master->animating, 0);
        EXPECT_EQ(master->repeatCount, 0);
        // The default bar on a 768 px screen: 155 steps, 50 ms apart.
        EXPECT_EQ(fake().count("sleep 50"), 154 * r.count);
    }
}

TEST_F(NoticeSeries, ARepeatStartsItsHoleTimerAndWorkerBeforeItsSound) {
    tickToMinute(15);
    fake().calls.clear();
    runOne();
    std::vector<std::string> tail;
    for (const std::string& c : fake().calls)
        if (c == "killTimer 1" || c == "setTimer 1 50" || c == "startThread" || c.rfind("messageBeep", 0) == 0)
            tail.push_back(c);
    EXPECT_EQ(tail, (std::vector<std::string>{"killTimer 1", "setTimer 1 50", "startThread", "messageBeep 0"}));
    EXPECT_EQ(master->animating, 1);
    EXPECT_EQ(master->repeatCount, 1);
}

TEST_F(NoticeSeries, MotionNoneWaitsTwoSecondsPerRunAndShowsNothing) {
    master->property->moveKind = MoveNone;
    tickToMinute(20);
    fake().runThreads();
    EXPECT_EQ(fake().count("sleep 2000"), 3);
    EXPECT_EQ(fake().monotonic, 6000u);
    EXPECT_EQ(fake().count("moveWindow"), 0);
    EXPECT_EQ(fake().count("opacity"), 0);
    EXPECT_EQ(sounds(), 3);
    EXPECT_EQ(master->animating, 0);

    // A damaged param.dat may hold a motion code that does not exist: it shows nothing.
    fake().calls.clear();
    master->property->moveKind = 9;
    master->previewNotice();
    fake().runThreads();
    EXPECT_EQ(fake().count("sleep 2000"), 1);
    EXPECT_EQ(fake().count("moveWindow"), 0);
    EXPECT_EQ(master->animating, 0);
}

TEST_F(NoticeSeries, ATickDuringASeriesReplacesTheCountAndPlaysAtOnce) {
    tickToMinute(20);  // three runs
    runOne();          // the first is over, the second is running
    EXPECT_EQ(master->repeatCount, 2);
    fake().calls.clear();
    fake().beeps.clear();
    master->property->workMinutes = 100;
    master->property->elapsedMinutes = 24;
    master->tick();  // a one-run reminder: no new worker, the sound at once
    EXPECT_EQ(runs(), 0);
    EXPECT_EQ(sounds(), 1);
    EXPECT_EQ(master->repeatCount, 1);
    fake().runThreads();  // the running one was the last
    EXPECT_EQ(runs(), 0);
    EXPECT_EQ(sounds(), 1);
    EXPECT_EQ(master->animating, 0);

    // A larger count stretches a running series the same way.
    tickToMinute(5);
    master->property->elapsedMinutes = 19;
    master->tick();  // minute 20: three runs, the one in progress included
    fake().calls.clear();
    fake().runThreads();
    EXPECT_EQ(runs(), 2);
}

TEST_F(NoticeSeries, PreviewIsRefusedDuringASeriesAndRunsOnceSilentlyOtherwise) {
    tickToMinute(20);
    runOne();
    fake().calls.clear();
    master->previewNotice();
    EXPECT_EQ(runs(), 0);
    EXPECT_EQ(master->repeatCount, 2);
    fake().runThreads();

    fake().calls.clear();
    fake().beeps.clear();
    master->repeatCount = 3;
    master->previewNotice();
    EXPECT_EQ(master->repeatCount, 1);
    fake().runThreads();
    EXPECT_EQ(runs(), 1);
    EXPECT_EQ(sounds(), 0);
    EXPECT_EQ(parks(), 1);
}

TEST_F(NoticeSeries, EachRunTakesTheSettingsOfItsStart) {
    tickToMinute(15);
    runOne();
    EXPECT_EQ(fake().count("moveWindow 2,0 1362x25 repaint"), 2);  // placed, first step
    master->property->moveKind = MoveFade;  // changed on the MOVE page during the series
    fake().calls.clear();
    runOne();
    EXPECT_EQ(fake().count("moveWindow 2,"), 0);
    EXPECT_EQ(fake().count("opacity 153"), 1);  // the second fades
}

TEST_F(NoticeSeries, AWorkerThatCannotStartEndsTheSeriesAndLaterNoticesStillRun) {
    fake().threadStartFails = true;
    tickToMinute(20);
    EXPECT_EQ(master->animating, 0);
    EXPECT_EQ(fake().count("killTimer 1"), 1);
    EXPECT_EQ(sounds(), 1);  // the tick plays all the same

    fake().threadStartFails = false;
    master->previewNotice();
    EXPECT_EQ(master->animating, 1);
    // The repeat of a series fails to start: no sound for a run that does not come.
    fake().runThreads();
    fake().beeps.clear();
    tickToMinute(20);
    fake().threadStartFails = true;
    runOne();
    EXPECT_EQ(master->animating, 0);
    EXPECT_EQ(sounds(), 1);
    EXPECT_TRUE(fake().threads.empty());
}

TEST_F(NoticeSeries, CountAtZeroEndsRatherThanWrapping) {
    master->previewNotice();
    master->repeatCount = 0;
    fake().runThreads();
    EXPECT_EQ(runs(), 1);
    EXPECT_EQ(master->repeatCount, 0);
}

TEST_F(NoticeSeries, AWorkerLeavesMasterAloneOnceTheProgramIsClosing) {
    tickToMinute(20);
    closeNoticeWorkers();
    fake().runThreads();
    EXPECT_EQ(runs(), 1);
    EXPECT_EQ(master->animating, 1);  // nothing touched Master after the run
    EXPECT_EQ(master->repeatCount, 3);
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
    EXPECT_EQ(fake().count("sleep 30"), 4);
    EXPECT_EQ(fake().monotonic, 4 * 20 + 4 * 30u);  // four periods of 50 ms

    // A step late by less than a period is caught up; one late by more restarts the
    // schedule instead of rushing the steps after it.
    fake().calls.clear();
    fake().monotonic = 1000;
    SlowSteps late({10, 70, 10, 150, 10});
    runMovement(late);
    std::vector<std::string> sleeps;
    for (const std::string& c : fake().calls)
        if (c.rfind("sleep ", 0) == 0) sleeps.push_back(c);
    // due 1050: at 1010 sleep 40; due 1100: at 1120, late 20, go on; due 1150: at 1130
    // sleep 20; due 1200: at 1300, late 100, restart; due 1350: at 1310 sleep 40.
    EXPECT_EQ(sleeps, (std::vector<std::string>{"sleep 40", "sleep 20", "sleep 40"}));
}

// Two starts that meet: exactly one may proceed. Run under ThreadSanitizer with
// scripts/tsan.sh.
TEST_F(NoticeSeries, TwoStartsRacingFromTwoThreadsStartOneRun) {
    for (int round = 0; round < 300; ++round) {
        master->animating = 0;
        master->repeatCount = 2;
        {
            std::lock_guard<std::mutex> guard(fake().lock);
            fake().threads.clear();
            fake().calls.clear();
        }
        std::atomic<int> ready{0};
        auto start = [&](bool preview) {
            ready.fetch_add(1);
            while (ready.load() < 2) {
            }
            if (preview) master->previewNotice();
            else master->startNotice();
        };
        std::thread a(start, round % 2 == 0);
        std::thread b(start, false);
        a.join();
        b.join();
        ASSERT_EQ(fake().threads.size(), 1u) << round;
        ASSERT_EQ(master->animating, 1);
    }

    // A repeat on the worker meets the preview on the UI thread.
    for (int round = 0; round < 300; ++round) {
        master->animating = 1;
        master->repeatCount = 2;
        {
            std::lock_guard<std::mutex> guard(fake().lock);
            fake().threads.clear();
        }
        std::atomic<int> ready{0};
        std::thread worker([&] {
            ready.fetch_add(1);
            while (ready.load() < 2) {
            }
            master->noticeEnded();
        });
        ready.fetch_add(1);
        while (ready.load() < 2) {
        }
        master->previewNotice();
        worker.join();
        ASSERT_LE(fake().threads.size(), 1u) << round;
        ASSERT_EQ(master->animating, fake().threads.size()) << round;
    }
}

}  // namespace
