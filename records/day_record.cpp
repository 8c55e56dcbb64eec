#include "records/day_record.h"

#include <cstring>

#include "platform/little_endian.h"
#include "records/arithmetic.h"

int minuteCodeForPhase(int phase) {
    switch (phase) {
    case 0: return MinuteStopped;
    case 1: return MinuteWorking;
    case 2: return MinuteWorkOver;
    case 3: return MinuteResting;
    case 4: return MinuteRestOver;
    default: return -1;
    }
}

void encodeDayRecord(const DayRecord& record, uint8_t* out) {
    for (size_t i = 0; i < MinutesPerDay; ++i) out[OffMinutes + i] = static_cast<uint8_t>(record.minutes[i]);
    for (int c = 0; c < MinuteCodeCount; ++c) {
        out[OffMeanRun + c] = record.meanRun[c];
        out[OffRunCount + c] = record.runCount[c];
    }
    writeU32(out + OffStartTime, record.startTime);
}

DayRecordImage encodeDayRecord(const DayRecord& record) {
    DayRecordImage image{};
    encodeDayRecord(record, image.data());
    return image;
}

DayRecord decodeDayRecord(const uint8_t* image) {
    DayRecord record{};
    for (size_t i = 0; i < MinutesPerDay; ++i) record.minutes[i] = static_cast<int8_t>(image[OffMinutes + i]);
    for (int c = 0; c < MinuteCodeCount; ++c) {
        record.meanRun[c] = image[OffMeanRun + c];
        record.runCount[c] = image[OffRunCount + c];
    }
    record.startTime = readU32(image + OffStartTime);
    return record;
}

DayRecord emptyDayRecord(uint32_t startTime) {
    DayRecord record{};
    record.startTime = startTime;
    return record;
}

void summarize(DayRecord& record) {
    uint32_t total[MinuteCodeCount] = {};
    uint32_t runs[MinuteCodeCount] = {};
    // A run ends at any change of value; a damaged byte (outside 0..5) forms a run of its
    // own that is counted nowhere, so its minutes never lengthen a neighbouring run.
    auto close = [&](int code, uint32_t length) {
        if (!isMinuteCode(code)) return;
        total[code] += length;
        runs[code] += 1;
    };
    int code = record.minutes[0];
    uint32_t length = 1;
    for (size_t i = 1; i < MinutesPerDay; ++i) {
        if (record.minutes[i] == code) {
            ++length;
        } else {
            close(code, length);
            code = record.minutes[i];
            length = 1;
        }
    }
    close(code, length);
    for (int c = 0; c < MinuteCodeCount; ++c) {
        record.meanRun[c] = runs[c] == 0 ? 0 : clampByte(total[c] / runs[c]);
        record.runCount[c] = static_cast<uint8_t>(runs[c] & 0xFFu);
    }
}

std::array<uint32_t, MinuteCodeCount> countMinutes(const DayRecord& record) {
    std::array<uint32_t, MinuteCodeCount> counts{};
    for (int8_t code : record.minutes)
        if (isMinuteCode(code)) ++counts[static_cast<size_t>(code)];
    return counts;
}
