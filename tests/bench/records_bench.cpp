// What the evaluation report costs against simply reading state.dat once, for 1, 10 and
// 30 years of daily records (0 years: the fixed cost of an evaluation with today's record
// only). Run: records_bench; the counter "perRead" is evaluate's time over the read's.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/data_files.h"
#include "records/compiled_state.h"
#include "records/day_record.h"

namespace {

// A day of work sets from a deterministic generator: 50 minutes of work, now and then an
// overrun, a rest, sometimes a stop; nothing outside office hours.
DayRecord generatedDay(uint32_t start, uint32_t& seed) {
    auto next = [&seed](uint32_t range) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % range;
    };
    DayRecord day = emptyDayRecord(start);
    size_t m = 8 * 60 + next(60);
    const size_t end = 17 * 60 + next(180);
    while (m < end) {
        auto stretch = [&](int code, size_t length) {
            for (size_t i = 0; i < length && m < MinutesPerDay; ++i) day.minutes[m++] = static_cast<int8_t>(code);
        };
        stretch(MinuteWorking, 40 + next(30));
        if (next(3) == 0) stretch(MinuteWorkOver, 1 + next(15));
        stretch(MinuteResting, 5 + next(10));
        if (next(4) == 0) stretch(MinuteRestOver, 1 + next(10));
        if (next(10) == 0) stretch(MinuteStopped, 10 + next(60));
    }
    summarize(day);
    return day;
}

std::map<int, std::string>& madeFolders() {
    static std::map<int, std::string> made;
    return made;
}

std::string folderFor(int years) {
    std::map<int, std::string>& made = madeFolders();
    auto found = made.find(years);
    if (found != made.end()) return found->second;
    char pattern[] = "/tmp/restwarden-bench-XXXXXX";
    std::string folder = mkdtemp(pattern);
    std::FILE* file = std::fopen((folder + "/state.dat").c_str(), "wb");
    uint32_t seed = 12345;
    const uint32_t first = 1400000000u;
    for (int d = 0; d < 365 * years; ++d) {
        const DayRecordImage image = encodeDayRecord(generatedDay(first + 86400u * static_cast<uint32_t>(d), seed));
        std::fwrite(image.data(), 1, image.size(), file);
    }
    std::fclose(file);
    made[years] = folder;
    return folder;
}

// One plain read of the whole file in 64 KiB blocks.
size_t plainRead(const std::string& path) {
    static std::vector<unsigned char> buffer(65536);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    size_t total = 0, got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) total += got;
    std::fclose(file);
    return total;
}

double secondsOf(const std::function<void()>& work, int repeats) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < repeats; ++i) work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / repeats;
}

void BM_PlainRead(benchmark::State& state) {
    const std::string path = folderFor(static_cast<int>(state.range(0))) + "/state.dat";
    for (auto _ : state) benchmark::DoNotOptimize(plainRead(path));
}

void BM_Evaluate(benchmark::State& state) {
    const int years = static_cast<int>(state.range(0));
    datafiles::setDirectory(folderFor(years));
    uint32_t seed = 99;
    DayRecord today = generatedDay(1400000000u + 86400u * 365u * static_cast<uint32_t>(years), seed);
    CompiledState compiled(today);
    for (auto _ : state) benchmark::DoNotOptimize(compiled.evaluate());
    // The same two costs measured side by side, so the ratio does not depend on the order
    // in which the benchmarks ran.
    const std::string path = folderFor(years) + "/state.dat";
    const double read = secondsOf([&] { benchmark::DoNotOptimize(plainRead(path)); }, 20);
    const double evaluate = secondsOf([&] { benchmark::DoNotOptimize(compiled.evaluate()); }, 20);
    state.counters["perRead"] = evaluate / read;
}

BENCHMARK(BM_PlainRead)->Arg(1)->Arg(10)->Arg(30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Evaluate)->Arg(0)->Arg(1)->Arg(10)->Arg(30)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const auto& [years, folder] : madeFolders()) std::filesystem::remove_all(folder);
    return 0;
}
