#include "records/record_files.h"

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

}  // namespace recordfiles
