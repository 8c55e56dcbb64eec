// Compiling and scoring any history: the first record's worth of bytes is today's record,
// the rest is state.dat. Whatever the bytes, the figures stay in their ranges.
#include <cstring>

#include "records/compiled_state.h"
#include "records/day_record.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::useFolder();
    DayRecord today = emptyDayRecord(1717408800);
    if (size >= DayRecordSize) {
        today = decodeDayRecord(data);
        data += DayRecordSize;
        size -= DayRecordSize;
    }
    fuzz::writeFile(StateFileName, data, size);
    CompiledState compiled(today);
    fuzz::require(compiled.evaluate());
    fuzz::require(compiled.recordCount == static_cast<int32_t>(size / DayRecordSize) + 1);
    for (size_t m = 0; m < MinutesPerDay; ++m) {
        int sum = 0;
        for (int c = 0; c < MinuteCodeCount; ++c) sum += compiled.minuteShare[m][c];
        fuzz::require(sum <= 50);
    }
    const EvaluateState& e = *compiled.evaluation;
    fuzz::require(std::memchr(e.verdict, 0, sizeof e.verdict) != nullptr && e.verdict[0] != 0);
    fuzz::require(compiled.avgWorkHours >= 0 && compiled.avgRestHours >= 0);
    int sum = 0;
    for (int axis = 0; axis < ScoreAxisCount; ++axis) sum += e.score[axis];
    fuzz::require(e.total == sum / 5);
    return 0;
}
