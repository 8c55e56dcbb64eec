// The fuzz targets of every reader of the data files, one per build (-DREADER=1..6), each
// parsing its input from memory (the day lookup from a file written with it).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "platform/data_files.h"
#include "platform/platform.h"
#include "records/compiled_state.h"
#include "records/day_history.h"
#include "timer/options.h"
#include "timer/property.h"

// The platform functions the settings and the data files reach.
namespace platform {
int64_t currentTime() { return 1717408800; }  // a fixed day, so that runs repeat
std::string currentDirectory() { return "/nonexistent"; }
std::FILE* openFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }
bool flushToDisk(std::FILE*) { return true; }
bool replaceFile(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }
bool truncateFile(const std::string& path, uint64_t size) { return ::truncate(path.c_str(), static_cast<off_t>(size)) == 0; }
bool deleteFile(const std::string& path) { return std::remove(path.c_str()) == 0; }
}  // namespace platform

// A check that must hold for every input: a failure is a finding.
static void require(bool condition) { if (!condition) std::abort(); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
#if READER == 1
    // param.dat: taken or refused whole, the path terminated in its field, the image round trips.
    static Property* property = new Property(nullptr);  // never destroyed: that would save
    property->setDefaults();
    const bool taken = property->decode(data, size);
    require(taken == (size >= ParamFileSize) && std::memchr(property->wavPath, 0, sizeof property->wavPath));
    if (!taken) require(property->workMinutes == 60 && property->logOutput == 1);
    const auto image = property->encode();
    require(property->decode(image.data(), image.size()) && property->encode() == image);
#elif READER == 2
    // stateTmp.dat: taken byte for byte; each code's runs agree with its minutes.
    if (size < DayRecordSize) return 0;
    DayRecord record = decodeDayRecord(data);
    require(std::memcmp(encodeDayRecord(record).data(), data, DayRecordSize) == 0);
    summarize(record);
    const auto counts = countMinutes(record);
    for (int c = 0; c < MinuteCodeCount; ++c)
        require(counts[c] ? record.meanRun[c] >= 1 : record.runCount[c] == 0 && record.meanRun[c] == 0);
#elif READER == 3
    // state.dat however its reads are cut (byte 0 sets read length and block size): whole records, in order, intact.
    if (size == 0) return 0;
    const uint8_t shape = data[0];
    const size_t step = 1 + shape * 37u;
    ++data, --size;
    size_t at = 0, records = 0;
    require(datafiles::splitRecords(
        [&](uint8_t* into, size_t max) {
            const size_t n = std::min({max, step, size - at});
            if (n) std::memcpy(into, data + at, n);
            at += n;
            return n;
        },
        shape & 1 ? static_cast<int64_t>(size) : -1, DayRecordSize, 1 + shape % 3,
        [&](const uint8_t* images, size_t count) {
            require(std::memcmp(images, data + records * DayRecordSize, count * DayRecordSize) == 0);
            records += count;
        }));
    require(records == size / DayRecordSize);
#elif READER == 4
    // Compiling and scoring any history (the first record is today's): figures in their ranges.
    static DayRecord* today = new DayRecord{};
    static CompiledState* compiled = new CompiledState(*today);
    const size_t skip = size >= DayRecordSize ? DayRecordSize : 0;
    *today = skip ? decodeDayRecord(data) : emptyDayRecord(1717408800);
    require(compiled->evaluate(data + skip, size - skip));
    require(compiled->recordCount == static_cast<int32_t>((size - skip) / DayRecordSize) + 1);
    const EvaluateState& e = *compiled->evaluation;
    require(std::memchr(e.verdict, 0, sizeof e.verdict) && e.verdict[0]);
    require(compiled->avgWorkHours >= 0 && compiled->avgRestHours >= 0);
#elif READER == 5
    // restwarden.ini: every option ends in its range, and what is written reads back the same.
    const Options o = parseOptions(std::string(reinterpret_cast<const char*>(data), size));
    require(o.awayIsRest <= 1 && o.quietFullscreen <= 1 && o.allMonitors <= 1 && o.awayMinutes >= 1 && o.awayMinutes <= 60);
    require(formatOptions(parseOptions(formatOptions(o))) == formatOptions(o));
#elif READER == 6
    // state.dat searched for the date of each record's start: whatever is found is a sound record of that date.
    static const std::string path = "/tmp/restwarden-fuzz-history-" + std::to_string(getpid());
    std::FILE* out = std::fopen(path.c_str(), "wb");
    require(out && std::fwrite(data, 1, size, out) == size && std::fclose(out) == 0);
    history::DayFile file(path.c_str());
    require(file.count() == size / DayRecordSize);
    for (size_t at = OffStartTime; at + 4 <= size; at += DayRecordSize) {
        history::DayNumber day = 0, found = 0;
        if (!history::localDayOf(decodeDayRecord(data + at - OffStartTime).startTime, day)) continue;
        for (const DayRecord& r : file.find(day))
            require(history::isSoundRecord(r) && history::localDayOf(r.startTime, found) && found == day);
    }
    history::DayNumber first = 0;
    file.firstDay(first);
    std::remove(path.c_str());
#endif
    return 0;
}
