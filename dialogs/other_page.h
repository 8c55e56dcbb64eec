// Page "OTHER" ("その他") of the settings sheet: the options kept in restwarden.ini. It
// writes the options, and the file, only when applied.
#pragma once

#include <cstdint>
#include <string>

class Master;
struct Options;

constexpr int OtherAwayCheck = 51;        // 席を離れている間は休憩にする
constexpr int OtherAwayMinutesEdit = 52;  // 離席とみなす時間, enabled while the box is checked
constexpr int32_t AwayMinutesLowest = 1;
constexpr int32_t AwayMinutesHighest = 60;
constexpr int32_t AwayMinutesDefault = 5;

struct OtherPageTexts {
    bool awayChecked = false;
    std::string awayMinutes;
};

class OtherPage {
public:
    static OtherPageTexts opening(const Options& options);
    // Apply: an away time outside 1..60 takes its default with a message, and the apply
    // goes on; the options are then saved at once.
    static void apply(Master& master, bool awayChecked, const char* awayMinutesText);
};
