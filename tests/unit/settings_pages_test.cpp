// The settings sheet's pages (TIME, MOVE, SOUND) and the long-rest dialog: radio-button
// mappings, typed lengths, the planned end time, and what each page writes when.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <string>

#include "dialogs/long_rest.h"
#include "dialogs/minutes_entry.h"
#include "dialogs/move_page.h"
#include "dialogs/settings_buttons.h"
#include "dialogs/sound_page.h"
#include "dialogs/time_page.h"
#include "tests/support/test_env.h"
#include "timer/property.h"
#include "timer/sound.h"

namespace {

TEST(SettingsButtons, EveryCodeAndIdBothWaysWithDefaultsOutsideTheTables) {
    const struct {
        const char* group;
        int (*button)(uint8_t);
        uint8_t (*code)(int);
        std::vector<int> buttons;  // by code, from `first`
        int first, defaultButton, defaultCode;
        std::vector<int> strayCodes, strayIds;
    } groups[] = {
        // なし 14, フェードイン 13, 左→右 11, 上→下 12
        {"kind", buttonForMoveKind, moveKindForButton, {14, 13, 11, 12}, 0, 11, 2, {4, 200, 255}, {0, 10, 15, 38}},
        {"size", buttonForMoveSize, moveSizeForButton, {15, 16, 17}, 0, 16, 1, {3, 255}, {0, 14, 18, 21}},
        {"speed", buttonForMoveSpeed, moveSpeedForButton, {18, 19, 20}, 0, 19, 1, {3, 255}, {0, 17, 21, 22}},
        {"sound", buttonForSoundKind, soundKindForButton, {31, 32, 33, 34, 35, 36, 37}, 1, 38, 0, {0, 8, 255},
         {38, 30, 39, 40, 0}},
    };
    for (const auto& g : groups) {
        SCOPED_TRACE(g.group);
        for (size_t i = 0; i < g.buttons.size(); ++i) {
            const uint8_t code = static_cast<uint8_t>(g.first + i);
            EXPECT_EQ(g.button(code), g.buttons[i]) << int(code);
            EXPECT_EQ(g.code(g.buttons[i]), code) << int(code);
        }
        for (int code : g.strayCodes) EXPECT_EQ(g.button(static_cast<uint8_t>(code)), g.defaultButton) << code;
        for (int id : g.strayIds) EXPECT_EQ(g.code(id), g.defaultCode) << id;
    }
}

TEST(MinutesEntry, ParsesLenientlyAndTheEndTimeFollowsTheWallClockAcrossMidnight) {
    const std::pair<const char*, int32_t> texts[] = {
        {nullptr, 0}, {"  42", 42}, {"\t+7", 7}, {"-5", -5}, {"12abc", 12}, {"abc12", 0},
        // Text put there by another program is not bounded by the edit: it saturates.
        {"99999999999999999999", INT32_MAX}, {"-99999999999999999999", INT32_MIN}};
    for (auto [text, want] : texts) EXPECT_EQ(parseMinutes(text), want) << (text ? text : "(null)");
    resetFake();
    // The system's local clock is what counts, not the C runtime's (here UTC, 09:00), and the
    // date lies past the end of a 32-bit time_t.
    ScopedTimeZone zone("UTC0");
    fake().now = localTime(2040, 1, 1, 9, 0);
    const struct {
        int hour, minute;
        const char* length;
        const char* end;
    } rows[] = {
        {23, 50, "60", "00:50"}, {10, 20, "39", "10:59"}, {10, 20, "999", "02:59"}, {22, 30, "1590", "01:00"},
        {0, 2, "-5", "23:57"},  // a pasted negative length turns the clock back
    };
    for (const auto& r : rows) {
        fake().clock = platform::ClockTime{r.hour, r.minute};
        EXPECT_EQ(TimePage::endLabelFor(r.length), std::string("分 - 終了予定時刻 ") + r.end) << r.hour << ":" << r.minute;
    }
}

const std::string WorkError = "messageBox エラー 作業時間は0以上、300以下です 0";
const std::string RestError = "messageBox エラー 休憩時間は0以上、300以下です 0";

class SettingsPages : public MasterTest {
protected:
    std::vector<std::string> boxes() const { return fake().starting("messageBox"); }
    bool parked() const { return fake().saw("opacity 0") && fake().saw("moveWindow 0,0 5x5 norepaint"); }
    std::vector<int64_t> move() { return ints(p().moveKind, p().moveSize, p().moveSpeed, p().noticeColor); }
};

TEST_F(SettingsPages, TimeOpensOnTheValuesAndApplyTakesZeroToThreeHundredAtOnce) {
    p().workMinutes = 25, p().logOutput = 0;
    const TimePageTexts texts = TimePage::opening(p());
    EXPECT_EQ(texts.work + " " + texts.rest + " " + std::to_string(texts.logChecked), "25 5 0");
    EXPECT_EQ(texts.endLabel, endTimeLabel(25));
    const struct {
        const char *work, *rest;
        bool log;
        std::vector<int64_t> after;  // workMinutes, restMinutes, currentRestMinutes, logOutput
        std::vector<std::string> boxes;
    } rows[] = {
        {"0", "300", false, {0, 300, 300, 0}, {}},
        {"301", "25", true, {60, 25, 25, 1}, {WorkError}},  // out of range: the default
        {"-1", "999", true, {60, 5, 5, 1}, {WorkError, RestError}},  // work first
        {"25", "10", true, {25, 10, 10, 1}, {}},
    };
    ticks(3);
    for (const auto& r : rows) {
        fake().calls.clear();
        TimePage::apply(*master, r.work, r.rest, r.log);
        EXPECT_EQ(ints(p().workMinutes, p().restMinutes, p().currentRestMinutes, p().logOutput), r.after) << r.work;
        EXPECT_EQ(boxes(), r.boxes);
    }
    EXPECT_STREQ(fake().tray.tip, "作業中です。あと22分 [3 / 25分]");  // shown at once
}

TEST_F(SettingsPages, MoveClicksWriteAtOnceAndCancelRestoresTheLastAppliedValues) {
    MovePage page;
    const MoveChecks checks = page.open(p());  // defaults: 上→下, 中, 普通
    EXPECT_EQ(ints(checks.kind, checks.size, checks.speed), ints(12, 16, 19));
    const RadioRange range = page.click(*master, 13);  // フェードイン
    EXPECT_EQ(ints(range.first, range.last), ints(11, 14));
    page.click(*master, 15);
    page.click(*master, 20);
    page.takeColour(*master, 0x00FF00);
    EXPECT_EQ(move(), ints(1, 0, 2, 0x00FF00));
    EXPECT_TRUE(page.click(*master, 21).empty() && page.click(*master, 22).empty());  // 動きを見る: one run
    EXPECT_EQ(fake().count("startThread"), 1);
    page.showSample(*master, 1366, 768);
    EXPECT_TRUE(fake().saw("moveWindow 513,288 341x192 repaint") && fake().saw("opacity 128"));
    fake().calls.clear();
    page.cancel(*master);
    EXPECT_EQ(move(), ints(3, 1, 1, 255));
    EXPECT_TRUE(parked());
    page.open(p());
    page.click(*master, 13);
    page.takeColour(*master, 0xFF0000);
    page.apply(*master, MoveChecks{13, 17, 18});
    page.click(*master, 14);
    page.takeColour(*master, 0x123456);
    page.cancel(*master);
    EXPECT_EQ(move(), ints(1, 2, 0, 0xFF0000));
}

TEST_F(SettingsPages, SoundPreviewsAndWavPlaysOnlyOnceAFileWasChosen) {
    std::strcpy(p().wavPath, "C:\\old.wav");
    p().soundKind = 2;
    SoundPage page;
    EXPECT_EQ(page.open(p()), 32);
    EXPECT_TRUE(page.click(*master, 33) && page.click(*master, 37) && !page.click(*master, 39));
    EXPECT_TRUE(fake().mciMessages.empty());  // a path from param.dat, but none chosen: silent
    EXPECT_EQ(fake().beeps, std::vector<uint32_t>{0x20});
    std::strcpy(page.wavFileBuffer, "C:\\new.wav");
    page.fileChosen(*master);
    page.click(*master, 37);
    EXPECT_EQ(fake().mciMessages.at(1), "0x499 0 C:\\new.wav");
    EXPECT_STREQ(p().wavPath, "C:\\old.wav");  // not applied yet
    page.apply(*master, 37);
    EXPECT_EQ(p().soundKind, 7);
    EXPECT_STREQ(p().wavPath, "C:\\new.wav");
}

TEST_F(SettingsPages, LongRestSetsThisRestOnly) {
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
    // Nothing (an empty edit) ends the rest at the next tick; out of range gives 5.
    master->startRest();
    ticks(2);
    LongRest::confirm(*master, "");
    ticks(1);
    EXPECT_EQ(p().phase, RestOver);
    master->startRest();
    LongRest::confirm(*master, "999");
    EXPECT_EQ(boxes(), std::vector<std::string>{RestError});
    EXPECT_EQ(ints(p().currentRestMinutes, p().restMinutes), ints(5, 15));
}

// A rejected length is in force before its message box opens: the box's modal loop keeps the
// minute timer ticking.
TEST_F(SettingsPages, ARejectedLengthIsInForceWhileItsMessageBoxIsOpen) {
    // Each period is left one tick short of the end it would have with the old length.
    const struct {
        const char* what;
        std::function<void(Master&)> before, apply;
        Phase after;  // after one tick inside the box
        int32_t Property::*length;
        int32_t fallback;
    } rows[] = {
        {"work 301 on the TIME page", [](Master& m) { m.property->workMinutes = 25, m.property->elapsedMinutes = 24; },
         [](Master& m) { TimePage::apply(m, "301", "5", true); }, Working, &Property::workMinutes, 60},
        {"rest 999 on the TIME page", [](Master& m) { m.startRest(), m.property->currentRestMinutes = 3, m.tick(), m.tick(); },
         [](Master& m) { TimePage::apply(m, "60", "999", true); }, Resting, &Property::currentRestMinutes, 5},
        {"999 in the long-rest dialog", [](Master& m) { m.startRest(), m.property->currentRestMinutes = 3, m.tick(), m.tick(); },
         [](Master& m) { LongRest::confirm(m, "999"); }, Resting, &Property::currentRestMinutes, 5},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        master->startWork();
        r.before(*master);
        int boxes = 0;
        fake().onMessageBox = [&](const std::string&) { ++boxes, master->tick(); };
        r.apply(*master);
        fake().onMessageBox = nullptr;
        EXPECT_EQ(ints(boxes, p().phase, p().*r.length), ints(1, r.after, r.fallback));
    }
}

}  // namespace
