// The settings and the timer's live state, and their file param.dat.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "timer/phase.h"

class Master;

constexpr size_t ParamFileSize = 284;
constexpr size_t WavPathSize = 260;
constexpr const char* ParamFileName = "param.dat";

class Property {
public:
    explicit Property(Master* master);  // loads param.dat or takes the defaults
    ~Property();                         // saves param.dat
    Property(const Property&) = delete;
    Property& operator=(const Property&) = delete;

    Master* master;
    uint8_t phase = Stopped;
    uint8_t moveKind = 3;
    uint8_t moveSize = 1;
    uint8_t moveSpeed = 1;
    uint8_t soundKind = 0;
    uint32_t noticeColor = 255;
    char wavPath[WavPathSize] = {};
    int32_t elapsedMinutes = 0;
    int32_t workMinutes = 60;
    int32_t restMinutes = 5;
    int32_t currentRestMinutes = 5;
    uint8_t logOutput = 1;

    void resetElapsed() { elapsedMinutes = 0; }
    // Counts one minute and says what it brings.
    TickEvent advance();

    void load();
    bool save() const;
    void setDefaults();

    // The 284-byte file image, by explicit offsets.
    std::array<uint8_t, ParamFileSize> encode() const;
    // Takes the settings from an image; false (and nothing taken) when it is too short.
    bool decode(const uint8_t* image, size_t size);
};
