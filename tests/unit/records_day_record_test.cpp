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
    const std::pair<size_t, uint8_t> bytes[] = {{0, 1},       {1439, 5},     {700, 0xFD},   {1440, 10},
                                                {1445, 15},   {1446, 200},   {1451, 205},   {1452, 0xEF},
                                                {1453, 0xCD}, {1454, 0xAB}, {1455, 0x89}};
    for (auto [offset, value] : bytes) EXPECT_EQ(image[offset], value) << offset;

    const DayRecord back = decodeDayRecord(image.data());
    EXPECT_EQ(encodeDayRecord(back), image);
    EXPECT_EQ(back.startTime, 0x89ABCDEFu);  // read unsigned: a time after 2038 stays positive
    EXPECT_EQ(back.minutes[700], -3);
}

// Mean run length and run count of each code 0..5.
void expectSummary(const DayRecord& r, std::vector<int> mean, std::vector<int> runs) {
    EXPECT_EQ(std::vector<int>(r.meanRun, r.meanRun + MinuteCodeCount), mean);
    EXPECT_EQ(std::vector<int>(r.runCount, r.runCount + MinuteCodeCount), runs);
}

TEST(Summarize, WorkedDayAndAnEmptyOne) {
    DayRecord record = emptyDayRecord(0);
    paint(record, at(8, 0), at(8, 59), MinuteWorking);
    paint(record, at(9, 0), at(9, 9), MinuteResting);
    paint(record, at(9, 10), at(9, 59), MinuteWorking);
    record.meanRun[5] = 99;  // whatever was there before is replaced
    summarize(record);
    expectSummary(record, {255, 55, 0, 10, 0, 0}, {2, 2, 0, 1, 0, 0});
    DayRecord empty = emptyDayRecord(0);
    summarize(empty);
    expectSummary(empty, {255, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0});
}

TEST(Summarize, RunCountKeepsItsLowByteAndLongMeansClamp) {
    DayRecord record = emptyDayRecord(0);
    // 300 one-minute runs of Working between single Resting minutes, then 840 Stopped.
    for (int i = 0; i < 600; ++i) record.minutes[i] = (i % 2 == 0) ? MinuteWorking : MinuteResting;
    paint(record, 600, 1439, MinuteStopped);
    summarize(record);
    expectSummary(record, {0, 1, 0, 1, 0, 255}, {0, 300 % 256, 0, 300 % 256, 0, 1});
}

TEST(Summarize, DamagedBytesEndARunAndBelongToNone) {
    DayRecord record = emptyDayRecord(0);
    paint(record, 0, 1439, MinuteStopped);
    const int8_t pattern[5] = {1, 1, 7, 1, 1};
    for (int i = 0; i < 5; ++i) record.minutes[100 + i] = pattern[i];
    record.minutes[1439] = -1;
    summarize(record);
    // Stopped: 0..99 and 105..1438; the damaged last minute is in neither.
    expectSummary(record, {0, 2, 0, 0, 0, 255}, {0, 2, 0, 0, 0, 2});
    const auto counts = countMinutes(record);
    EXPECT_EQ(std::vector<uint32_t>(counts.begin(), counts.end()), (std::vector<uint32_t>{0, 4, 0, 0, 0, 1434}));
}

}  // namespace
