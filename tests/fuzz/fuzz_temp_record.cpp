// stateTmp.dat of any length and content: a short file counts as missing, a whole one is
// taken byte for byte and its summary stays consistent with its minutes.
#include "records/day_record.h"
#include "records/record_files.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::useFolder();
    fuzz::writeFile(TempFileName, data, size);
    DayRecord record{};
    const bool taken = recordfiles::readTemp(record);
    fuzz::require(taken == (size >= DayRecordSize));
    if (!taken) return 0;
    fuzz::require(encodeDayRecord(record) == encodeDayRecord(decodeDayRecord(data)));
    summarize(record);
    const auto counts = countMinutes(record);
    uint32_t counted = 0;
    for (int c = 0; c < MinuteCodeCount; ++c) {
        counted += counts[c];
        // Every run has at least one minute, and a run count is taken modulo 256.
        if (counts[c] == 0) fuzz::require(record.runCount[c] == 0 && record.meanRun[c] == 0);
        else fuzz::require(record.meanRun[c] >= 1);
    }
    fuzz::require(counted <= MinutesPerDay);
    return 0;
}
