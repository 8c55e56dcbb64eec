// A recording stand-in for the operating system, for the native unit tests.
//
// Every call of platform/platform.h is appended to `calls` as one readable line, and the test
// sets the clock, the cursor, the screen and the results the fake should give.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

struct FakePlatform {
    // What the fake answers.
    int64_t now = 1700000000;
    // The local wall clock; when unset, `now` in the current TZ.
    std::optional<platform::ClockTime> clock;
    platform::Point cursor{100, 100};
    int screenWidth = 1366;
    int screenHeight = 768;
    std::vector<platform::MonitorArea> monitors;  // empty: the one screen above at 96 DPI
    bool leftButton = false;
    bool threadStartFails = false;
    std::vector<bool> trayAddResults;  // consumed by each Add; empty means success
    bool trayFailureIsTimeout = true;
    std::vector<bool> trayModifyResults;
    bool balloonResult = true;  // what showBalloon answers
    int notificationState = 5;  // QUNS_ACCEPTS_NOTIFICATIONS
    platform::ForegroundWindow foreground;
    bool startupShortcut = false;
    platform::InputTicks input;  // what inputTicks answers

    // What the fake saw.
    std::vector<std::string> calls;
    platform::TrayData tray;         // the last record handed to notifyIcon
    // The moves and opacities of each window, for runs that move several.
    std::map<platform::WindowHandle, std::vector<std::string>> windowCalls;
    std::string balloonTitle, balloonText;
    int balloons = 0;
    std::map<unsigned, uint32_t> menuStates;  // id -> state, for the one loaded menu
    std::vector<uint32_t> beeps;
    std::vector<std::string> mciMessages;
    uint64_t monotonic = 0;       // advanced by sleepMilliseconds
    std::vector<void (*)()> threads;  // routines started and not yet run

    // Called while a message box is "open" (its modal loop keeps ticking), with its text.
    std::function<void(const std::string&)> onMessageBox;
    // Called instead of a modal dialog; lets a test act while it is "open".
    std::function<void(platform::Dialog)> onDialog;
    // Runs the routines started by startThread, in order, until none is left.
    void runThreads();

    std::mutex lock;  // the notice worker may call in from another thread
    void record(const std::string& line);
    bool saw(const std::string& line) const;
    int count(const std::string& prefix) const;
    // The calls that start with `prefix`, in order; the index of the first (calls.size() if none).
    std::vector<std::string> starting(const std::string& prefix) const;
    size_t first(const std::string& prefix) const;
};

// The one fake; reset() before each test.
FakePlatform& fake();
void resetFake();
