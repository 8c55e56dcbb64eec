// The tray icon's picture and tooltip: a clock face that fills while working and empties
// while resting.
#pragma once

#include <array>
#include <cstdint>

#include "platform/platform.h"

class Master;

class Icon {
public:
    explicit Icon(Master* master) : master(master) {}

    Master* master;
    platform::IconHandle grayIcon = nullptr;
    std::array<platform::IconHandle, 12> workIcons{};
    std::array<platform::IconHandle, 12> restIcons{};
    platform::IconHandle overIcon = nullptr;
    int32_t step = 0;

    void loadIcons();
    void showPhase();   // at the start of a phase
    void showMinute();  // after every tick and after a dialog changed the lengths
    int32_t progressStep() const;

private:
    void showStopped();  // grey disc; the tip counts down a timed pause
};
