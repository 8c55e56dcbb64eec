// The settings' radio-button mappings, typed lengths and the planned end time.
#include <gtest/gtest.h>

#include <ctime>

#include "dialogs/minutes_entry.h"
#include "dialogs/settings_buttons.h"
#include "tests/support/fake_platform.h"

namespace {

TEST(SettingsButtons, EveryCodeAndIdBothWaysWithDefaultsOutsideTheTables) {
    // moveKind: なし 14, フェードイン 13, 左→右 11, 上→下 12.
    const int kindButtons[4] = {14, 13, 11, 12};
    for (uint8_t code = 0; code < 4; ++code) {
        EXPECT_EQ(buttonForMoveKind(code), kindButtons[code]) << int(code);
        EXPECT_EQ(moveKindForButton(kindButtons[code]), code) << int(code);
    }
    for (int code : {4, 200, 255}) EXPECT_EQ(buttonForMoveKind(static_cast<uint8_t>(code)), 11);
    for (int id : {0, 10, 15, 38}) EXPECT_EQ(moveKindForButton(id), 2);

    for (uint8_t code = 0; code < 3; ++code) {
        EXPECT_EQ(buttonForMoveSize(code), 15 + code);
        EXPECT_EQ(moveSizeForButton(15 + code), code);
        EXPECT_EQ(buttonForMoveSpeed(code), 18 + code);
        EXPECT_EQ(moveSpeedForButton(18 + code), code);
    }
    for (int code : {3, 255}) {
        EXPECT_EQ(buttonForMoveSize(static_cast<uint8_t>(code)), 16);
        EXPECT_EQ(buttonForMoveSpeed(static_cast<uint8_t>(code)), 19);
    }
    for (int id : {0, 14, 18, 21}) EXPECT_EQ(moveSizeForButton(id), 1);
    for (int id : {0, 17, 21, 22}) EXPECT_EQ(moveSpeedForButton(id), 1);

    for (uint8_t code = 1; code <= 7; ++code) {
        EXPECT_EQ(buttonForSoundKind(code), 30 + code);
        EXPECT_EQ(soundKindForButton(30 + code), code);
    }
    for (int code : {0, 8, 255}) EXPECT_EQ(buttonForSoundKind(static_cast<uint8_t>(code)), 38);
    for (int id : {38, 30, 39, 40, 0}) EXPECT_EQ(soundKindForButton(id), 0);
}

TEST(MinutesEntry, ParsesLeniently) {
    EXPECT_EQ(parseMinutes(""), 0);
    EXPECT_EQ(parseMinutes(nullptr), 0);
    EXPECT_EQ(parseMinutes("  42"), 42);
    EXPECT_EQ(parseMinutes("\t+7"), 7);
    EXPECT_EQ(parseMinutes("-5"), -5);
    EXPECT_EQ(parseMinutes("12abc"), 12);
    EXPECT_EQ(parseMinutes("abc12"), 0);
    EXPECT_EQ(parseMinutes("999"), 999);
    // Text put there by another program is not bounded by the edit: it saturates.
    EXPECT_EQ(parseMinutes("99999999999999999999"), INT32_MAX);
    EXPECT_EQ(parseMinutes("-99999999999999999999"), INT32_MIN);
}

int64_t localClock(int hour, int minute) {
    std::tm t{};
    t.tm_year = 124;
    t.tm_mon = 5;
    t.tm_mday = 10;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&t));
}

TEST(MinutesEntry, EndTimeLabelReadsTheLocalClockAndWrapsAtMidnight) {
    resetFake();
    fake().now = localClock(23, 50);
    EXPECT_EQ(endTimeLabel(60), "分 - 終了予定時刻 00:50");
    fake().now = localClock(10, 20);
    EXPECT_EQ(endTimeLabel(45), "分 - 終了予定時刻 11:05");
    EXPECT_EQ(endTimeLabel(999), "分 - 終了予定時刻 02:59");  // 16 h 39 min ahead
    EXPECT_EQ(endTimeLabel(0), "分 - 終了予定時刻 10:20");
    // A pasted negative length turns the clock back instead of showing "10:-3".
    fake().now = localClock(0, 2);
    EXPECT_EQ(endTimeLabel(-5), "分 - 終了予定時刻 23:57");
}

TEST(MinutesEntry, AddMinutesCarriesHoursOnlyPastTheMinute) {
    HourMinute t = addMinutes({9, 59}, 1);
    EXPECT_EQ(t.hour, 10);
    EXPECT_EQ(t.minute, 0);
    t = addMinutes({23, 0}, 59);
    EXPECT_EQ(t.hour, 23);
    EXPECT_EQ(t.minute, 59);
    t = addMinutes({22, 30}, 1440 + 150);
    EXPECT_EQ(t.hour, 1);
    EXPECT_EQ(t.minute, 0);
}

}  // namespace
