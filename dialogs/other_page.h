// Page "OTHER" ("その他") of the settings sheet: the options kept in restwarden.ini. It
// writes the options, and the file, only when applied.
#pragma once

#include <cstdint>
#include <string>

class Master;
struct Options;

constexpr int OtherAwayCheck = 51;        // 席を離れている間は休憩にする
constexpr int OtherAwayMinutesEdit = 52;  // 離席とみなす時間, enabled while the box is checked
constexpr int OtherQuietCheck = 53;       // 全画面表示中は知らせない
constexpr int OtherLogonCheck = 54;       // ログオン時に起動する
constexpr int OtherAllMonitorsCheck = 55;  // すべてのモニターに表示
constexpr int OtherLanguageList = 56;     // 表示言語: 自動, 日本語, English (texts::Choice order)
constexpr int32_t AwayMinutesLowest = 1;
constexpr int32_t AwayMinutesHighest = 60;
constexpr int32_t AwayMinutesDefault = 5;

struct OtherPageTexts {
    bool awayChecked = false;
    std::string awayMinutes;
    bool quietChecked = false;
    bool logonChecked = false;  // the startup shortcut is the setting: no key of its own
    bool allMonitorsChecked = false;
    int language = 0;  // the list's selection: a texts::Choice
};

class OtherPage {
public:
    static OtherPageTexts opening(const Options& options);
    // Apply: an away time outside 1..60 takes its default with a message, and the apply
    // goes on; the options are then saved at once, and the startup shortcut made or removed,
    // with a message when that fails. Another language takes effect at once for the menu and
    // the tip. Returns whether the shortcut is there afterwards, for the check box.
    static bool apply(Master& master, const OtherPageTexts& chosen);
};
