// A recording stand-in for platform/platform.h. The first fields are what it answers (the test sets them);
// the rest is what it saw, each call appended to `calls` as a readable line.
#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <mutex>
#include <optional>

#include "platform/platform.h"

struct FakePlatform {
    int64_t now = 1700000000;
    std::optional<platform::ClockTime> clock;  // the local wall clock; when unset, `now` in the current TZ
    platform::Point cursor{100, 100};
    int screenWidth = 1366, screenHeight = 768;
    std::vector<platform::MonitorArea> monitors;  // empty: the one screen above at 96 DPI
    bool leftButton = false, threadStartFails = false, startupShortcut = false, startupShortcutFails = false;
    bool japaneseUser = true;
    std::vector<bool> trayAddResults, trayModifyResults;  // consumed by each call; empty means success
    bool trayFailureIsTimeout = true, balloonResult = true;
    platform::ForegroundWindow foreground;
    platform::InputTicks input;

    std::vector<std::string> calls, mciMessages;  // every call; the MCI messages alone
    platform::TrayData tray;                                                 // the last record notifyIcon accepted
    std::map<platform::WindowHandle, std::vector<std::string>> windowCalls;  // moves and opacities by window
    std::string balloonTitle, balloonText;
    int balloons = 0;
    std::map<unsigned, uint32_t> menuStates;  // id -> state, for the one loaded menu
    std::map<unsigned, std::string> menuTexts;  // id -> text set by setMenuItemText
    std::vector<uint32_t> beeps;
    uint64_t monotonic = 0;           // advanced by sleepMilliseconds
    std::vector<void (*)()> threads;  // routines started and not yet run

    std::function<void(const std::string&)> onMessageBox;  // runs while a box is "open", with its text
    std::function<void(platform::Dialog)> onDialog;        // runs instead of a modal dialog
    void runThreads();                                     // runs the started routines in order until none is left

    std::mutex lock;  // the notice worker may call in from another thread
    // Appends a call; returns the fake, for what the call also changes.
    FakePlatform& record(const std::string& line) {
        std::lock_guard<std::mutex> guard(lock);
        calls.push_back(line);
        return *this;
    }
    bool saw(const std::string& line) const { return std::find(calls.begin(), calls.end(), line) != calls.end(); }
    int count(const std::string& prefix) const { return static_cast<int>(starting(prefix).size()); }
    // The calls that start with `prefix`, in order; the index of the first (calls.size() if none).
    std::vector<std::string> starting(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& c : calls)
            if (c.rfind(prefix, 0) == 0) out.push_back(c);
        return out;
    }
    size_t first(const std::string& prefix) const {
        const auto starts = [&](const std::string& c) { return c.rfind(prefix, 0) == 0; };
        return static_cast<size_t>(std::find_if(calls.begin(), calls.end(), starts) - calls.begin());
    }
};

// The one fake; resetFake() before each test.
FakePlatform& fake();
void resetFake();
