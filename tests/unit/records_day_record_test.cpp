// The 1456-byte day record image and its run summary.
#include <gtest/gtest.h>

#include "records/day_record.h"
#include "tests/unit/records_test_util.h"

namespace {

TEST(DayRecordImage, FieldsSitAtTheirOffsetsLittleEndian) {
    DayRecord record = emptyDayRecord(0x89ABCDEFu);
    record.minutes[0] = MinuteWorking;
    record.minutes[1439] = MinuteStopped;
    record.minutes[700] = -3;  // a damaged byte survives the round trip as it is
    for (int c = 0; c < MinuteCodeCount; ++c) {
        record.meanRun[c] = static_cast<uint8_t>(10 + c);
        record.runCount[c] = static_cast<uint8_t>(200 + c);
    }
    const DayRecordImage image = encodeDayRecord(record);
    ASSERT_EQ(image.size(), 1456u);
    EXPECT_EQ(image[0], 1);
    EXPECT_EQ(image[1439], 5);
    EXPECT_EQ(image[700], 0xFD);
    EXPECT_EQ(image[1440], 10);
    EXPECT_EQ(image[1445], 15);
    EXPECT_EQ(image[1446], 200);
    EXPECT_EQ(image[1451], 205);
    EXPECT_EQ(image[1452], 0xEF);
    EXPECT_EQ(image[1453], 0xCD);
    EXPECT_EQ(image[1454], 0xAB);
    EXPECT_EQ(image[1455], 0x89);

    const DayRecord back = decodeDayRecord(image.data());
    EXPECT_EQ(encodeDayRecord(back), image);
    EXPECT_EQ(back.startTime, 0x89ABCDEFu);  // read unsigned: a time after 2038 stays positive
    EXPECT_EQ(back.minutes[700], -3);
}

TEST(DayRecordImage, PhasesMapToCodes) {
    EXPECT_EQ(minuteCodeForPhase(0), MinuteStopped);
    EXPECT_EQ(minuteCodeForPhase(1), MinuteWorking);
    EXPECT_EQ(minuteCodeForPhase(2), MinuteWorkOver);
    EXPECT_EQ(minuteCodeForPhase(3), MinuteResting);
    EXPECT_EQ(minuteCodeForPhase(4), MinuteRestOver);
    EXPECT_EQ(minuteCodeForPhase(5), -1);
    EXPECT_EQ(minuteCodeForPhase(-1), -1);
}

TEST(Summarize, WorkedDay) {
    DayRecord record = emptyDayRecord(0);
    paint(record, at(8, 0), at(8, 59), MinuteWorking);
    paint(record, at(9, 0), at(9, 9), MinuteResting);
    paint(record, at(9, 10), at(9, 59), MinuteWorking);
    record.meanRun[5] = 99;  // whatever was there before is replaced
    summarize(record);
    const uint8_t mean[6] = {255, 55, 0, 10, 0, 0};
    const uint8_t runs[6] = {2, 2, 0, 1, 0, 0};
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(record.meanRun[c], mean[c]) << "code " << c;
        EXPECT_EQ(record.runCount[c], runs[c]) << "code " << c;
    }
}

TEST(Summarize, RunCountKeepsItsLowByteAndLongMeansClamp) {
    DayRecord record = emptyDayRecord(0);
    // 300 runs of Working, each one minute, between single Resting minutes: 600 minutes.
    for (int i = 0; i < 600; ++i) record.minutes[i] = (i % 2 == 0) ? MinuteWorking : MinuteResting;
    // then one Stopped run of 840 minutes
    paint(record, 600, 1439, MinuteStopped);
    summarize(record);
    EXPECT_EQ(record.runCount[MinuteWorking], 300 % 256);
    EXPECT_EQ(record.meanRun[MinuteWorking], 1);
    EXPECT_EQ(record.runCount[MinuteResting], 300 % 256);
    EXPECT_EQ(record.runCount[MinuteStopped], 1);
    EXPECT_EQ(record.meanRun[MinuteStopped], 255);  // 840 minutes
    EXPECT_EQ(record.runCount[MinuteNone], 0);

    DayRecord whole = emptyDayRecord(0);
    summarize(whole);
    EXPECT_EQ(whole.runCount[MinuteNone], 1);
    EXPECT_EQ(whole.meanRun[MinuteNone], 255);
}

TEST(Summarize, DamagedBytesEndARunAndBelongToNone) {
    DayRecord record = emptyDayRecord(0);
    paint(record, 0, 1439, MinuteStopped);
    const int8_t pattern[5] = {1, 1, 7, 1, 1};
    for (int i = 0; i < 5; ++i) record.minutes[100 + i] = pattern[i];
    record.minutes[1439] = -1;
    summarize(record);
    EXPECT_EQ(record.runCount[MinuteWorking], 2);
    EXPECT_EQ(record.meanRun[MinuteWorking], 2);
    // Stopped: 0..99 (100 minutes) and 105..1438 (1334 minutes); the damaged last minute is
    // in neither.
    EXPECT_EQ(record.runCount[MinuteStopped], 2);
    EXPECT_EQ(record.meanRun[MinuteStopped], 255);

    const auto counts = countMinutes(record);
    EXPECT_EQ(counts[MinuteWorking], 4u);
    EXPECT_EQ(counts[MinuteStopped], 1434u);
    EXPECT_EQ(counts[MinuteNone], 0u);
}

}  // namespace
