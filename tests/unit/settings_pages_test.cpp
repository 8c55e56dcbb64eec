// The settings sheet's pages (TIME, MOVE, SOUND) and the long-rest dialog: radio buttons, typed
// lengths, the planned end time, and what each page writes when.
#include <gtest/gtest.h>

#include <cstring>

#include "dialogs/long_rest.h"
#include "dialogs/minutes_entry.h"
#include "dialogs/move_page.h"
#include "dialogs/settings_buttons.h"
#include "dialogs/sound_page.h"
#include "dialogs/time_page.h"
#include "tests/support/test_env.h"
#include "timer/options.h"
#include "timer/sound.h"

namespace {

TEST(SettingsButtons, EveryCodeAndIdBothWaysWithDefaultsOutsideTheTables) {
    // The buttons of the codes from `first` on, and the defaults for a stray code and a stray id.
    const std::tuple<int (*)(uint8_t), uint8_t (*)(int), int, std::vector<int>, int, int> groups[] = {
        {buttonForMoveKind, moveKindForButton, 0, {14, 13, 11, 12}, 11, 2},  // なし, フェードイン, 左→右, 上→下
        {buttonForMoveSize, moveSizeForButton, 0, {15, 16, 17}, 16, 1},
        {buttonForMoveSpeed, moveSpeedForButton, 0, {18, 19, 20}, 19, 1},
        {buttonForSoundKind, soundKindForButton, 1, {31, 32, 33, 34, 35, 36, 37}, 38, 0}};
    for (const auto& [button, code, first, buttons, defaultButton, defaultCode] : groups) {
        const int end = first + static_cast<int>(buttons.size());
        for (int c = first; c < end; ++c)
            EXPECT_EQ(ints(button(c), code(buttons[c - first])), ints(buttons[c - first], c)) << c;
        const auto [low, high] = std::minmax_element(buttons.begin(), buttons.end());
        EXPECT_EQ(ints(button(first - 1), button(end), button(255), code(*low - 1), code(*high + 1)),
                  ints(defaultButton, defaultButton, defaultButton, defaultCode, defaultCode)) << buttons[0];
    }
}

const std::string WorkError = "messageBox エラー 作業時間は0以上、300以下です 0";
const std::string RestError = "messageBox エラー 休憩時間は0以上、300以下です 0";

using SettingsPages = MasterTest;

TEST_F(SettingsPages, TimeOpensOnTheValuesAppliesZeroToThreeHundredAtOnceAndEndsOnTheWallClock) {
    ticks(3);
    p().workMinutes = 25, p().logOutput = 0;
    const TimePageTexts texts = TimePage::opening(p());
    EXPECT_EQ(texts.work + " " + texts.rest + " " + std::to_string(texts.logChecked) + texts.endLabel,
              "25 5 0" + endTimeLabel(25));
    // The texts and the boxes they bring, then workMinutes, restMinutes, currentRestMinutes and logOutput.
    const std::tuple<const char*, const char*, bool, std::vector<std::string>, std::vector<int64_t>> rows[] = {
        {"0", "300", false, {}, {0, 300, 300, 0}},
        {"301", "25", true, {WorkError}, {60, 25, 25, 1}},  // out of range: the default
        {"-1", "999", true, {WorkError, RestError}, {60, 5, 5, 1}},
        {"25", "10", true, {}, {25, 10, 10, 1}}};
    for (const auto& [work, rest, log, shown, after] : rows) {
        fake().calls.clear();
        TimePage::apply(*master, work, rest, log);
        EXPECT_EQ(fake().starting("messageBox"), shown) << work;
        EXPECT_EQ(ints(p().workMinutes, p().restMinutes, p().currentRestMinutes, p().logOutput), after) << work;
    }
    EXPECT_STREQ(fake().tray.tip, "作業中です。あと22分 [3 / 25分]");  // shown at once, not at the next tick
    // The typed text, its length and the end it shows at that wall-clock time. Text pasted by another program is
    // not bounded by the edit: it saturates; a pasted negative length turns the clock back.
    const std::tuple<const char*, int32_t, int, int, const char*> typed[] = {
        {nullptr, 0, 7, 5, "07:05"}, {"", 0, 7, 5, "07:05"}, {"  42", 42, 0, 0, "00:42"}, {"\t+7", 7, 0, 0, "00:07"},
        {"12abc", 12, 0, 0, "00:12"}, {"abc12", 0, 0, 0, "00:00"}, {"99999999999999999999", INT32_MAX, 0, 0, "02:07"},
        {"-99999999999999999999", INT32_MIN, 0, 0, "21:52"}, {"60", 60, 23, 50, "00:50"}, {"39", 39, 10, 20, "10:59"},
        {"999", 999, 10, 20, "02:59"}, {"1590", 1590, 22, 30, "01:00"}, {"-5", -5, 0, 2, "23:57"}};
    for (const auto& [text, length, hour, minute, end] : typed) {
        fake().clock = platform::ClockTime{hour, minute};  // the system's clock, not the C runtime's
        EXPECT_EQ(std::to_string(parseMinutes(text)) + TimePage::endLabelFor(text),
                  std::to_string(length) + "分 - 終了予定時刻 " + end) << (text ? text : "(null)");
    }
}

TEST_F(SettingsPages, MoveClicksWriteAtOnceAndCancelRestoresTheLastAppliedValues) {
    const auto move = [&] { return ints(p().moveKind, p().moveSize, p().moveSpeed, p().noticeColor); };
    MovePage page;
    page.open(p());
    const RadioRange range = page.click(*master, 13);  // フェードイン
    EXPECT_EQ(ints(range.first, range.last), ints(11, 14));
    page.click(*master, 15);
    page.click(*master, 20);
    page.takeColour(*master, 0x00FF00);
    EXPECT_EQ(move(), ints(1, 0, 2, 0x00FF00));
    page.showSample(*master, 1366, 768);
    EXPECT_TRUE(fake().saw("moveWindow 513,288 341x192 repaint") && fake().saw("opacity 128"));
    fake().calls.clear();
    page.cancel(*master);
    EXPECT_EQ(move(), ints(3, 1, 1, 255));
    EXPECT_TRUE(fake().saw("opacity 0") && fake().saw("moveWindow 0,0 5x5 norepaint"));  // parked
    page.takeColour(*master, 0xFF0000);
    page.apply(*master, MoveChecks{13, 17, 18});
    page.click(*master, 14);
    page.takeColour(*master, 0x123456);
    page.cancel(*master);
    EXPECT_EQ(move(), ints(1, 2, 0, 0xFF0000));
}

TEST_F(SettingsPages, SoundPreviewsTheChosenFileAndOkStoresIt) {
    std::strcpy(p().wavPath, "C:\\old.wav");
    p().soundKind = 2;
    SoundPage page;
    EXPECT_EQ(page.open(p()), 32);
    std::strcpy(page.wavFileBuffer, "C:\\new.wav");
    page.fileChosen(*master);
    EXPECT_TRUE(page.click(*master, 37) && !page.click(*master, 39));
    EXPECT_EQ(fake().mciMessages.at(1), "0x499 0 C:\\new.wav");
    EXPECT_STREQ(p().wavPath, "C:\\old.wav");  // not applied yet
    page.apply(*master, 37);
    EXPECT_EQ(std::to_string(p().soundKind) + " " + p().wavPath, "7 C:\\new.wav");
}

// A chosen path that the system's code page cannot spell plays and is kept whole (UTF-8) in restwarden.ini, with
// param.dat's path empty; one it can spell goes to param.dat alone. A path put in param.dat since wins.
TEST_F(SettingsPages, AWavPathInAnyScriptPlaysAndIsKeptWhole) {
    const char* zurich = "C:\\Z\xC3\xBCrich\\bell.wav";
    const std::string wide = std::string("0x4fc 0 ") + zurich, ansi = "0x499 0 C:\\Zurich\\bell.wav";
    master->sound->fileChosen = p().soundKind = 7;
    for (const bool exact : {false, true}) {
        SoundPage page;
        page.open(p(), master->sound->widePath());
        page.takeChosenPath("C:\\Zurich\\bell.wav", exact, zurich);
        fake().mciMessages.clear();
        page.click(*master, 37);
        page.apply(*master, 37);
        master->playAlert();
        const std::string& played = exact ? ansi : wide;
        EXPECT_EQ(fake().mciMessages, (std::vector<std::string>{"0x804 0 0", played, "0x806 0 0", "0x804 0 0", played, "0x806 0 0"}));
        EXPECT_EQ(ints(p().wavPath[0] != 0, std::string(parseOptions(formatOptions(*master->options)).wavPathUtf8) == zurich),
                  ints(exact, !exact));
    }
    std::strcpy(master->options->wavPathUtf8, zurich);
    fake().mciMessages.clear();
    master->playAlert();
    EXPECT_EQ(fake().mciMessages.at(1), ansi);
}

TEST_F(SettingsPages, LongRestSetsThisRestOnlyAndARejectedLengthIsInForceWhileItsBoxIsOpen) {
    EXPECT_EQ(ints(LongRest::forCommand(1), LongRest::forCommand(7), LongRest::forCommand(2)),
              ints(LongRest::Action::Confirm, LongRest::Action::Close, LongRest::Action::Nothing));  // Escape is 2
    p().restMinutes = 15;
    master->startRest();
    ticks(10);
    LongRest::confirm(*master, "90");
    EXPECT_STREQ(fake().tray.tip, "休憩中です。あと80分 [10 / 90分]");
    ticks(79);
    EXPECT_EQ(p().phase, Resting);
    ticks(1);
    EXPECT_EQ(ints(p().phase, p().restMinutes), ints(RestOver, 15));
    // Out of range gives 5, already while the box's modal loop keeps the minute timer ticking.
    master->startRest();
    ticks(4);
    fake().onMessageBox = [&](const std::string&) { master->tick(); };
    LongRest::confirm(*master, "999");
    EXPECT_EQ(fake().starting("messageBox"), std::vector<std::string>{RestError});
    EXPECT_EQ(ints(p().phase, p().currentRestMinutes, p().restMinutes), ints(RestOver, 5, 15));
}

}  // namespace
