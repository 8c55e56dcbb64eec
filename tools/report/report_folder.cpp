#include "tools/report/report_folder.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/data_files.h"
#include "records/arithmetic.h"
#include "records/record_files.h"

namespace {

constexpr size_t ParamImageSize = 284;
constexpr size_t ParamLogOutputOffset = 280;

// The program takes defaults (records on) from a param.dat too short to hold its fields.
bool readRecordsOn() {
    std::vector<uint8_t> image;
    if (!datafiles::readFile("param.dat", image, ParamImageSize) || image.size() < ParamImageSize) return true;
    return image[ParamLogOutputOffset] != 0;
}

RecordLine lineOf(const DayRecord& record) {
    RecordLine line;
    line.startTime = record.startTime;
    line.minutes = countMinutes(record);
    return line;
}

}  // namespace

std::vector<RecordLine> ReportFolder::lines() const {
    std::vector<RecordLine> out = archived;
    for (const DayRecord& day : pending) out.push_back(lineOf(day));
    out.push_back(lineOf(today));
    return out;
}

bool folderReadable(const std::string& directory) {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::u8path(directory);
    if (!std::filesystem::is_directory(path, error) || error) return false;
    std::filesystem::directory_iterator listing(path, error);
    return !error;
}

ReportFolder readFolder(int64_t now) {
    ReportFolder folder;
    folder.recordsOn = readRecordsOn();
    datafiles::readRecords(StateFileName, DayRecordSize,
                           [&](const uint8_t* image) { folder.archived.push_back(lineOf(decodeDayRecord(image))); });
    folder.today = emptyDayRecord(static_cast<uint32_t>(now));
    // The next start appends the waiting days first, with records on, and only those the
    // program takes as its own; a day appended already counts once.
    if (folder.recordsOn) folder.pending = recordfiles::inspectWaiting(now).days;
    DayRecord last{};
    bool haveLast = !folder.pending.empty();
    if (haveLast) last = folder.pending.back();
    else haveLast = recordfiles::readLastArchived(last);
    DayRecord saved{};
    if (!recordfiles::readTemp(saved)) return folder;
    if (sameLocalDate(now, saved.startTime)) {
        folder.today = saved;  // the next start continues it
    } else if (folder.recordsOn && !(haveLast && saved.startTime == last.startTime)) {
        summarize(saved);  // as the archive does before the append
        folder.pending.push_back(saved);
    }
    return folder;
}
