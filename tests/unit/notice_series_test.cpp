// Notice motions, the pointer hole, series of runs over every monitor, refused, racing and orphaned starts.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>

#include "notice/movement.h"
#include "notice/notice_screens.h"
#include "notice/notice_series.h"
#include "notice/notice_window.h"
#include "tests/support/test_env.h"
#include "timer/options.h"

namespace {

int second;  // a window handle: the further monitor's window

TEST(NoticeShape, DiscOfThirtyPixelsAroundThePointerIsCutOutOfTheClientRectangle) {
    using Pixels = std::vector<std::tuple<int, int, bool>>;  // x, y, in the shape
    const struct { int width, height; platform::Point pointer; bool holed; Pixels pixels; } rows[] = {
        {400, 100, {200, 50}, true,
         {{200, 50, false}, {229, 50, false}, {230, 50, true},  // centre 29.5 px and 30.5 px away
          {170, 50, false}, {169, 50, true}, {220, 70, false}, {221, 71, true},  // diagonal: 29, 30.4 px
          {0, 0, true}, {399, 99, true}, {400, 50, false}, {10, -1, false}}},
        {100, 40, {-30, 20}, false, {{0, 20, true}, {99, 20, true}}},  // touching from outside: no hole
        {100, 40, {130, 20}, false, {{99, 20, true}}},
        {100, 40, {-10, 20}, true, {{0, 20, false}, {19, 20, false}, {20, 20, true}, {25, 0, true}}},
    };
    for (const auto& r : rows) {
        const NoticeShape shape = shapeAroundPointer(r.width, r.height, r.pointer);
        EXPECT_EQ(shape.holed, r.holed);
        for (auto [x, y, in] : r.pixels) EXPECT_EQ(shape.contains(x, y), in) << x << "," << y;
    }
}

class NoticeSeries : public MasterTest {
protected:
    void TearDown() override {
        openNoticeWorkers();
        setExtraNoticeWindows({});
        MasterTest::TearDown();
    }
    void runOne() {  // the oldest started worker, run to its end as if its thread had been scheduled
        ASSERT_FALSE(fake().threads.empty());
        void (*routine)() = fake().threads.front();
        fake().threads.erase(fake().threads.begin());
        routine();
    }
    void tickToThreeRuns() {  // the reminder at minute 20 of 23: three runs, each with a MessageBeep(MB_OK)
        p().workMinutes = 23, p().elapsedMinutes = 19, p().soundKind = 1, master->tick();
    }
    std::vector<int64_t> state() {  // runs started and sounds played; animating, repeatCount
        return ints(fake().count("startThread"), fake().beeps.size(), master->animating, master->repeatCount);
    }
    std::string path(platform::WindowHandle window) {  // "first move and opacity|last repainted move|parked"
        const std::vector<std::string>& calls = fake().windowCalls[window];
        std::vector<std::string> moves;
        for (const std::string& c : calls)
            if (c.find(" repaint") != std::string::npos) moves.push_back(c.substr(11, c.size() - 19));
        if (moves.empty()) return "";
        const bool parked = calls[calls.size() - 2] == "opacity 0" && calls.back() == "moveWindow 0,0 5x5 norepaint";
        return moves.front() + " " + calls.at(1).substr(8) + "|" + moves.back() + (parked ? "|parked" : "");
    }
    bool staysOn(platform::WindowHandle window, const platform::MonitorArea& m) {  // every place shown lies on `m`
        int x, y, w, h;
        for (const std::string& c : fake().windowCalls[window])
            if (c.find(" repaint") != c.npos && std::sscanf(c.c_str(), "moveWindow %d,%d %dx%d", &x, &y, &w, &h) == 4 &&
                (x < m.left || y < m.top || x + w > m.left + m.width || y + h > m.top + m.height)) return false;
        return true;
    }
};

TEST_F(NoticeSeries, EachMotionInEverySizeAndSpeedEndsParked) {
    // Bars 1/10, 1/30, 1/60 high (1/13, 1/40, 1/80 wide), 1/73, 1/146, 1/292 a step; fade 1/2, 1/4, 1/6, 6, 3, 2.
    const struct { uint8_t kind, size, speed; int width, height; const char* path; uint64_t ms; } rows[] = {
        {MoveTopDown, SizeLarge, SpeedFast, 1366, 768, "2,0 1362x76 128|2,768 1362x0|parked", 77 * 50},
        {MoveTopDown, SizeSmall, SpeedSlow, 1366, 768, "2,0 1362x12 128|2,768 1362x0|parked", 385 * 50},
        {MoveTopDown, 9, 200, 1920, 1080, "2,0 1916x36 128|2,1080 1916x0|parked", 155 * 50},  // unknown: medium/normal
        {MoveLeftRight, SizeLarge, SpeedFast, 1366, 768, "0,2 105x766 128|1366,2 0x766|parked", 76 * 50},
        {MoveLeftRight, SizeSmall, SpeedSlow, 1920, 1080, "0,2 24x1078 128|1920,2 0x1078|parked", 321 * 50},
        {MoveTopDown, SizeLarge, SpeedSlow, 200, 60, "2,0 196x6 128|2,60 196x0|parked", 61 * 50},  // stride 1, not 0
        {MoveLeftRight, SizeSmall, SpeedFast, 60, 200, "0,2 0x198 128|60,2 0x198|parked", 61 * 50},
        {MoveFade, SizeLarge, SpeedFast, 1366, 768, "342,192 683x384 0|342,192 683x384|parked", 52 * 50},  // up to 156
        {MoveFade, SizeSmall, SpeedSlow, 1366, 768, "570,320 227x128 0|570,320 227x128|parked", 152 * 50},  // up to 152
        {9, SizeMedium, SpeedNormal, 1366, 768, "", 2000},  // a code from a damaged param.dat: none, shown nowhere
    };
    for (const auto& r : rows) {
        fake().monitors = {{0, 0, r.width, r.height, 96}};
        fake().windowCalls.clear();
        fake().monotonic = 0;
        p().moveKind = r.kind, p().moveSize = r.size, p().moveSpeed = r.speed;
        master->startNotice();
        fake().runThreads();
        EXPECT_EQ(path(master->noticeWindow), r.path);
        EXPECT_EQ(fake().monotonic, r.ms) << r.path;  // the run's length: 50 ms a step
    }
}

TEST_F(NoticeSeries, EachRunSweepsEveryMonitorWithTheMotionOfItsStartAndComesWithItsSound) {
    fake().monitors = {{0, 0, 1366, 768, 96}, {-1280, -256, 1280, 1024, 144}};
    setExtraNoticeWindows({&second});
    tickToThreeRuns();
    EXPECT_EQ(state(), ints(1, 1, 1, 3));  // the tick's own sound
    // Changed on the MOVE page during the series; margins of 2 px at 96 DPI and 3 at 144.
    const struct { uint8_t kind; const char *primary, *other; int sleeps; } runs[] = {
        {MoveTopDown, "2,0 1362x25 128|2,768 1362x0|parked", "-1277,-256 1274x34 128|-1277,768 1274x0|parked", 154},
        {MoveLeftRight, "0,2 34x766 128|1366,2 0x766|parked", "-1280,-253 32x1021 128|0,-253 0x1021|parked", 161},
        {MoveFade, "513,288 341x192 0|513,288 341x192|parked", "-800,128 320x256 0|-800,128 320x256|parked", 102},
    };
    for (const auto& r : runs) {
        SCOPED_TRACE(int(r.kind));
        p().moveKind = r.kind;
        fake().calls.clear();
        fake().windowCalls.clear();
        runOne();
        EXPECT_EQ(path(master->noticeWindow), r.primary);
        EXPECT_EQ(path(&second), r.other);
        // Cut at the far edge: neither bar ever shows on the other monitor.
        EXPECT_TRUE(staysOn(master->noticeWindow, fake().monitors[0]) && staysOn(&second, fake().monitors[1]));
        // Both windows step on the one 50 ms schedule; the pointer-hole timer ends with the run.
        EXPECT_EQ(ints(fake().count("sleep 50"), fake().count("killTimer 1")), ints(r.sleeps, 1));
    }
    EXPECT_EQ(ints(fake().beeps.size(), master->animating, master->repeatCount), ints(3, 0, 0));
    // The MOVE page's preview, and any run with the option off, move the primary window only.
    fake().windowCalls.clear();
    master->previewNotice();
    fake().runThreads();
    master->options->allMonitors = 0;
    master->startNotice();
    fake().runThreads();
    EXPECT_EQ(path(master->noticeWindow) + " / " + path(&second), "513,288 341x192 0|513,288 341x192|parked / ");
}

TEST_F(NoticeSeries, APreviewDuringASeriesIsRefusedAndOtherwiseOneSilentRun) {
    tickToThreeRuns();
    runOne();  // the first is over, the second is running
    master->previewNotice();  // refused, and the series' count left alone
    EXPECT_EQ(state(), ints(2, 2, 1, 2));
    fake().runThreads();
    EXPECT_EQ(state(), ints(3, 3, 0, 0));  // the third run, with its sound
    master->repeatCount = 3;
    master->previewNotice();  // otherwise one silent run
    fake().runThreads();
    EXPECT_EQ(state(), ints(4, 3, 0, 0));
    master->previewNotice();  // a count already at 0 ends the series rather than wrapping
    master->repeatCount = 0;
    fake().runThreads();
    EXPECT_EQ(state(), ints(5, 3, 0, 0));
}

TEST_F(NoticeSeries, AWorkerThatCannotStartEndsTheSeriesAndClosingLeavesMasterAlone) {
    fake().threadStartFails = true;
    tickToThreeRuns();
    EXPECT_EQ(state(), ints(1, 1, 0, 3));  // the tick plays all the same, and frees the next start
    EXPECT_EQ(fake().count("killTimer 1"), 1);  // the pointer-hole timer ends with the run that never began
    fake().threadStartFails = false;
    tickToThreeRuns();
    closeNoticeWorkers();
    fake().runThreads();
    EXPECT_EQ(state(), ints(2, 2, 1, 3));  // one more start and sound, and nothing touched Master after the run
    EXPECT_FALSE(noticeWorkerInMaster());
}

TEST_F(NoticeSeries, TwoStartsRacingFromTwoThreadsStartOneRun) {
    for (int round = 0; round < 600; ++round) {  // under ThreadSanitizer too, by scripts/tsan.sh
        const bool repeat = round % 2 == 1;  // the repeat at the end of a run meets the preview
        master->animating = repeat, master->repeatCount = 2;
        fake().threads.clear();
        std::atomic<int> ready{0};
        auto start = [&](void (Master::*how)()) {
            ready.fetch_add(1);
            while (ready.load() < 2) std::this_thread::yield();
            (master.get()->*how)();
        };
        auto first = repeat ? &Master::noticeEnded : round % 4 == 0 ? &Master::previewNotice : &Master::startNotice;
        std::thread a(start, first), b(start, repeat ? &Master::previewNotice : &Master::startNotice);
        a.join();
        b.join();
        ASSERT_TRUE(fake().threads.size() == 1 || (repeat && fake().threads.empty())) << round;
        ASSERT_EQ(master->animating, fake().threads.size()) << round;
    }
}

}  // namespace
