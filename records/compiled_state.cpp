#include "records/compiled_state.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/data_files.h"
#include "records/arithmetic.h"
#include "records/minute_tally.h"

namespace {

// The sums one compilation builds. Wider than the file's bytes can ever fill, so that no
// history, however long or damaged, wraps a sum.
struct Tally {
    uint64_t minutes[MinuteCodeCount] = {};  // codes 1..4 used
    uint64_t runs[MinuteCodeCount] = {};
    int64_t records = 0;
    MinuteTally days;

    // Adds record images laid end to end.
    void add(const uint8_t* images, size_t count) {
        for (size_t r = 0; r < count; ++r) {
            const uint8_t* image = images + r * DayRecordSize;
            for (int k = MinuteWorking; k <= MinuteRestOver; ++k) {
                minutes[k] += static_cast<uint64_t>(image[OffMeanRun + k]) * image[OffRunCount + k];
                runs[k] += image[OffRunCount + k];
            }
        }
        records += static_cast<int64_t>(count);
        days.add(images, count);
    }
};

// Records read from state.dat at a time: enough to sweep with the counters in registers,
// few enough to stay in the cache.
constexpr size_t RecordsPerBlock = 255;

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

bool CompiledState::compile(const std::vector<DayRecord>* pending) { return compileFrom(nullptr, -1, pending); }

bool CompiledState::compile(const uint8_t* history, size_t size, const std::vector<DayRecord>* pending) {
    size_t at = 0;
    const datafiles::ByteSource source = [&](uint8_t* into, size_t max) {
        const size_t n = std::min(max, size - at);
        if (n) std::memcpy(into, history + at, n);
        at += n;
        return n;
    };
    return compileFrom(&source, static_cast<int64_t>(size), pending);
}

bool CompiledState::evaluate(const uint8_t* history, size_t size, const std::vector<DayRecord>* pending) {
    if (!compile(history, size, pending)) return false;
    evaluation->computeScores();
    evaluation->computeChartPoints();
    evaluation->chooseVerdict();
    return true;
}

// Reads state.dat, or `history` when it is given.
bool CompiledState::compileFrom(const datafiles::ByteSource* history, int64_t size, const std::vector<DayRecord>* pending) {
    recordCount = 0;
    Tally tally;
    bool haveFirst = false;
    uint32_t first = 0;
    const auto add = [&](const uint8_t* images, size_t count) {
        if (!haveFirst) {
            first = decodeDayRecord(images).startTime;
            haveFirst = true;
        }
        tally.add(images, count);
    };
    const bool read = history ? datafiles::splitRecords(*history, size, DayRecordSize, RecordsPerBlock, add)
                              : datafiles::readRecordBlocks(StateFileName, DayRecordSize, RecordsPerBlock, add);
    // Without state.dat there is no history to evaluate, unless a finished day is about to
    // start it.
    const bool anyPending = pending && !pending->empty();
    if (!read && !anyPending) return false;
    // The finished days not yet in state.dat (if any), then today's record.
    if (anyPending) {
        if (!haveFirst) {
            first = pending->front().startTime;
            haveFirst = true;
        }
        DayRecordImage image;
        for (const DayRecord& day : *pending) {
            encodeDayRecord(day, image.data());
            tally.add(image.data(), 1);
        }
    }
    // A state.dat without one whole record has no first day: the span starts today.
    if (!haveFirst) first = today.startTime;

    summarize(today);
    const DayRecordImage todayImage = encodeDayRecord(today);
    tally.add(todayImage.data(), 1);

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

    // Days[c][m] * 50 / recordCount, truncated. A count never exceeds recordCount, so for a
    // history shorter than the 8640 cells the shares of every possible count are worked out
    // once and looked up.
    const auto share = [&](uint32_t days) { return clampByte(static_cast<int64_t>(days) * 50 / recordCount); };
    constexpr size_t Cells = MinutesPerDay * MinuteCodeCount;
    if (static_cast<size_t>(recordCount) < Cells) {
        uint8_t byCount[Cells];
        for (int32_t d = 0; d <= recordCount; ++d) byCount[d] = share(static_cast<uint32_t>(d));
        for (int c = 0; c < MinuteCodeCount; ++c)
            for (size_t m = 0; m < MinutesPerDay; ++m) minuteShare[m][c] = byCount[tally.days.days(c, m)];
    } else {
        for (int c = 0; c < MinuteCodeCount; ++c)
            for (size_t m = 0; m < MinutesPerDay; ++m) minuteShare[m][c] = share(tally.days.days(c, m));
    }

    EvaluateState& e = *evaluation;
    e.overrunPerHour = static_cast<float>(divOrZeroF(static_cast<float>(static_cast<double>(WO + RO) * 60.0), static_cast<float>(W + R)));
    e.restPerWorkHour = static_cast<float>(divOrZeroF(static_cast<float>(static_cast<double>(avgRestHours) * 60.0), avgWorkHours));
    e.usagePercent = static_cast<float>(divOrZeroF(static_cast<float>(recordCount * 100.0), static_cast<float>(dayCount)));
    e.extensionBalance = static_cast<float>(divOrZeroF(static_cast<float>(RO), static_cast<float>(WO)));
    e.setMinutes = setLowByte;
    return true;
}

bool CompiledState::evaluate(const std::vector<DayRecord>* pending) {
    if (!compile(pending)) return false;
    evaluation->computeScores();
    evaluation->computeChartPoints();
    evaluation->chooseVerdict();
    return true;
}
