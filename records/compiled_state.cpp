#include "records/compiled_state.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "app/data_files.h"
#include "records/arithmetic.h"

namespace {

// The sums one compilation builds. Wider than the file's bytes can ever fill, so that no
// history, however long or damaged, wraps a sum.
class Tally {
public:
    Tally() : days(MinuteCodeCount * MinutesPerDay, 0) { std::memset(pending, 0, sizeof pending); }

    uint64_t minutes[MinuteCodeCount] = {};  // codes 1..4 used
    uint64_t runs[MinuteCodeCount] = {};
    int64_t records = 0;
    std::vector<uint32_t> days;  // [code * 1440 + minute]

    // Adds one record given as its file image.
    void add(const uint8_t* image) {
        ++records;
        for (int k = MinuteWorking; k <= MinuteRestOver; ++k) {
            minutes[k] += static_cast<uint64_t>(image[OffMeanRun + k]) * image[OffRunCount + k];
            runs[k] += image[OffRunCount + k];
        }
        // The minute counts go into byte counters first, 255 records at a time: the
        // comparisons vectorise, and a damaged byte (outside 0..5) matches no code.
        const uint8_t* m = image + OffMinutes;
        for (int c = 0; c < MinuteCodeCount; ++c) {
            uint8_t* row = pending[c];
            const uint8_t code = static_cast<uint8_t>(c);
            for (size_t i = 0; i < MinutesPerDay; ++i) row[i] = static_cast<uint8_t>(row[i] + (m[i] == code));
        }
        if (++pendingCount == 255) flush();
    }

    void flush() {
        for (int c = 0; c < MinuteCodeCount; ++c) {
            uint32_t* row = days.data() + static_cast<size_t>(c) * MinutesPerDay;
            for (size_t i = 0; i < MinutesPerDay; ++i) row[i] += pending[c][i];
        }
        std::memset(pending, 0, sizeof pending);
        pendingCount = 0;
    }

private:
    uint8_t pending[MinuteCodeCount][MinutesPerDay];
    int pendingCount = 0;
};

int32_t toInt32(int64_t value) {
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

}  // namespace

CompiledState::CompiledState(DayRecord& todayRecord) : today(todayRecord) {
    evaluation = std::make_unique<EvaluateState>(this);
    resetStats();
}

CompiledState::~CompiledState() = default;

void CompiledState::resetStats() {
    workHours = 0;
    restHours = 0;
    recordCount = 0;
    dayCount = 0;
    avgWorkHours = 0.0f;
    avgRestHours = 0.0f;
    restPerHour = 0;
    setAverage = 0;
    workExtensionRatio = 0;
    restExtensionRatio = 0;
    std::memset(minuteShare, 0, sizeof minuteShare);
    evaluation->reset();
}

bool CompiledState::compile(const DayRecord* pendingArchive) {
    recordCount = 0;
    Tally tally;
    bool haveFirst = false;
    uint32_t first = 0;
    const bool read = datafiles::readRecords(StateFileName, DayRecordSize, [&](const uint8_t* image) {
        if (!haveFirst) {
            first = decodeDayRecord(image).startTime;
            haveFirst = true;
        }
        tally.add(image);
    });
    // Without state.dat there is no history to evaluate, unless a finished day is about to
    // start it.
    if (!read && !pendingArchive) return false;
    if (pendingArchive) {
        if (!haveFirst) {
            first = pendingArchive->startTime;
            haveFirst = true;
        }
        tally.add(encodeDayRecord(*pendingArchive).data());
    }
    // A state.dat without one whole record has no first day: the span starts today.
    if (!haveFirst) first = today.startTime;

    summarize(today);
    tally.add(encodeDayRecord(today).data());
    tally.flush();

    const uint64_t W = tally.minutes[MinuteWorking], WO = tally.minutes[MinuteWorkOver];
    const uint64_t R = tally.minutes[MinuteResting], RO = tally.minutes[MinuteRestOver];
    recordCount = toInt32(tally.records);
    workHours = toInt32(static_cast<int64_t>((W + WO) / 60));
    restHours = toInt32(static_cast<int64_t>((R + RO) / 60));
    dayCount = daysInclusive(today.startTime, first);
    avgWorkHours = static_cast<float>(static_cast<double>(W + WO) / (recordCount * 60.0));
    avgRestHours = static_cast<float>(static_cast<double>(R + RO) / (recordCount * 60.0));
    // The product is truncated as it is, before any rounding to single precision.
    restPerHour = clampByte(divOrZero(static_cast<int64_t>(std::trunc(static_cast<double>(avgRestHours) * 60)),
                                      static_cast<int64_t>(std::trunc(avgWorkHours))));
    workExtensionRatio = clampByte(divOrZero(static_cast<int64_t>(WO * 60), static_cast<int64_t>(W)));
    restExtensionRatio = clampByte(divOrZero(static_cast<int64_t>(RO * 60), static_cast<int64_t>(R)));

    // One set is a work period and a rest with their overruns; the code with the most
    // stretches counts the sets. Each mean is rounded to single precision, the four are
    // added in double precision.
    const uint64_t most = maxOf({tally.runs[1], tally.runs[2], tally.runs[3], tally.runs[4]});
    double setSum = 0.0;
    for (int k = MinuteWorking; k <= MinuteRestOver; ++k) {
        float mean = static_cast<float>(divOrZeroF(static_cast<float>(tally.minutes[k]), static_cast<float>(tally.runs[k])));
        const float share = static_cast<float>(divOrZeroF(static_cast<float>(tally.runs[k]), static_cast<float>(most)));
        mean = static_cast<float>(static_cast<double>(mean) * share);
        setSum += mean;
    }
    const uint8_t setLowByte = static_cast<uint8_t>(static_cast<uint64_t>(static_cast<int64_t>(std::trunc(setSum))) & 0xFFu);
    setAverage = setLowByte;

    for (size_t m = 0; m < MinutesPerDay; ++m)
        for (int c = 0; c < MinuteCodeCount; ++c)
            minuteShare[m][c] = clampByte(static_cast<int64_t>(tally.days[static_cast<size_t>(c) * MinutesPerDay + m]) * 50 / recordCount);

    EvaluateState& e = *evaluation;
    e.overrunPerHour = static_cast<float>(divOrZeroF(static_cast<float>(static_cast<double>(WO + RO) * 60.0), static_cast<float>(W + R)));
    e.restPerWorkHour = static_cast<float>(divOrZeroF(static_cast<float>(static_cast<double>(avgRestHours) * 60.0), avgWorkHours));
    e.usagePercent = static_cast<float>(divOrZeroF(static_cast<float>(recordCount * 100.0), static_cast<float>(dayCount)));
    e.extensionBalance = static_cast<float>(divOrZeroF(static_cast<float>(RO), static_cast<float>(WO)));
    e.setMinutes = setLowByte;
    return true;
}

bool CompiledState::evaluate(const DayRecord* pendingArchive) {
    if (!compile(pendingArchive)) return false;
    evaluation->computeScores();
    evaluation->computeChartPoints();
    evaluation->chooseVerdict();
    return true;
}
