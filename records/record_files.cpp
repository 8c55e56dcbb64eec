#include "records/record_files.h"

#include <set>
#include <vector>

#include "platform/data_files.h"

namespace recordfiles {

bool readTemp(DayRecord& out) {
    std::vector<uint8_t> image;
    if (!datafiles::readFile(TempFileName, image, DayRecordSize) || image.size() < DayRecordSize) return false;
    out = decodeDayRecord(image.data());
    return true;
}

bool writeTemp(const DayRecord& record) {
    const DayRecordImage image = encodeDayRecord(record);
    return datafiles::replaceFile(TempFileName, image.data(), image.size());
}

bool removeTemp() { return datafiles::removeFile(TempFileName); }

bool readLastArchived(DayRecord& out) {
    const int64_t size = datafiles::fileSize(StateFileName);
    if (size < static_cast<int64_t>(DayRecordSize)) return false;
    const uint64_t whole = static_cast<uint64_t>(size) / DayRecordSize;
    std::vector<uint8_t> image;
    if (!datafiles::readRange(StateFileName, (whole - 1) * DayRecordSize, DayRecordSize, image)) return false;
    out = decodeDayRecord(image.data());
    return true;
}

bool isArchived(const DayRecord& record) {
    DayRecord last{};
    return readLastArchived(last) && last.startTime == record.startTime;
}

bool archive(const DayRecord& record) {
    if (isArchived(record)) return true;
    const DayRecordImage image = encodeDayRecord(record);
    return datafiles::appendRecord(StateFileName, image.data(), image.size());
}

std::vector<DayRecord> readWaiting() {
    std::vector<DayRecord> days;
    datafiles::readRecords(WaitingFileName, DayRecordSize,
                           [&](const uint8_t* image) { days.push_back(decodeDayRecord(image)); });
    if (days.empty()) return days;
    // The whole history, not only its last day: a file that could not be removed may have
    // outlived later appends. Read only in the rare start with a waiting day.
    std::set<uint32_t> begun;
    datafiles::readRecords(StateFileName, DayRecordSize,
                           [&](const uint8_t* image) { begun.insert(decodeDayRecord(image).startTime); });
    std::vector<DayRecord> left;
    for (const DayRecord& day : days)
        if (!begun.count(day.startTime)) left.push_back(day);
    return left;
}

bool writeWaiting(const std::vector<DayRecord>& days) {
    if (days.empty()) {
        // A file that cannot be removed only holds days state.dat has: readWaiting skips them.
        datafiles::removeFile(WaitingFileName);
        return true;
    }
    std::vector<uint8_t> bytes;
    bytes.reserve(days.size() * DayRecordSize);
    for (const DayRecord& day : days) {
        const DayRecordImage image = encodeDayRecord(day);
        bytes.insert(bytes.end(), image.begin(), image.end());
    }
    return datafiles::replaceFile(WaitingFileName, bytes.data(), bytes.size());
}

}  // namespace recordfiles
