// What 作業状況 pays to show a past day: open state.dat, find the day and read it, in 1 and
// in 30 years of daily records. The search reads a few records per halving, so 30 years
// should cost little more than one (the target: at most twice). Run: history_bench
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "records/day_history.h"

namespace {

constexpr uint32_t FirstDay = 1400000000u;  // 2014-05-13

// A working day: 09:00 to 17:59 in 50-minute work sets with 10-minute rests.
DayRecord workedDay(uint32_t start) {
    DayRecord day = emptyDayRecord(start);
    for (int m = 9 * 60; m < 18 * 60; ++m) day.minutes[m] = static_cast<int8_t>(m % 60 < 50 ? MinuteWorking : MinuteResting);
    summarize(day);
    return day;
}

const std::string& stateFile(int years) {
    static std::map<int, std::string> made;
    auto found = made.find(years);
    if (found != made.end()) return found->second;
    char pattern[] = "/tmp/restwarden-history-bench-XXXXXX";
    const std::string path = std::string(mkdtemp(pattern)) + "/state.dat";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    for (int d = 0; d < 365 * years; ++d) {
        const DayRecordImage image = encodeDayRecord(workedDay(FirstDay + 86400u * static_cast<uint32_t>(d)));
        std::fwrite(image.data(), 1, image.size(), file);
    }
    std::fclose(file);
    return made[years] = path;
}

void findOneDay(benchmark::State& state) {
    const int years = static_cast<int>(state.range(0));
    const std::string& path = stateFile(years);
    history::DayNumber first = 0;
    history::localDayOf(FirstDay, first);
    const int days = 365 * years;
    int step = 0, found = 0;
    for (auto _ : state) {
        // A different day each time, spread over the whole history.
        const history::DayNumber day = first + static_cast<history::DayNumber>((step++ * 7919) % days);
        history::DayFile file(path.c_str());
        found += static_cast<int>(file.find(day).size());
        benchmark::DoNotOptimize(found);
    }
    if (found != step) state.SkipWithError("a day was not found");
}

}  // namespace

BENCHMARK(findOneDay)->Arg(1)->Arg(30)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
