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
    if (pendingArchive) out.push_back(lineOf(*pendingArchive));
    out.push_back(lineOf(today));
    return out;
}

bool folderReadable(const std::string& directory) {
    std::error_code error;
    if (!std::filesystem::is_directory(directory, error) || error) return false;
    std::filesystem::directory_iterator listing(directory, error);
    return !error;
}

ReportFolder readFolder(int64_t now) {
    ReportFolder folder;
    folder.recordsOn = readRecordsOn();
    datafiles::readRecords(StateFileName, DayRecordSize,
                           [&](const uint8_t* image) { folder.archived.push_back(lineOf(decodeDayRecord(image))); });
    folder.today = emptyDayRecord(static_cast<uint32_t>(now));
    DayRecord saved{};
    if (!recordfiles::readTemp(saved)) return folder;
    if (sameLocalDate(now, saved.startTime)) {
        folder.today = saved;  // the next start continues it
    } else if (folder.recordsOn && !recordfiles::isArchived(saved)) {
        summarize(saved);  // as the archive does before the append
        folder.pendingArchive = saved;
    }
    return folder;
}
