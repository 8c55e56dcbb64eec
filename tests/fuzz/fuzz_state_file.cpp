// state.dat of any length and content: the record reader yields whole records only, and
// the archive check and an append keep the file a whole number of records.
#include <vector>

#include "platform/data_files.h"
#include "records/day_record.h"
#include "records/record_files.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::useFolder();
    fuzz::writeFile(StateFileName, data, size);
    size_t records = 0;
    fuzz::require(datafiles::readRecords(StateFileName, DayRecordSize, [&](const uint8_t* image) {
        fuzz::require(encodeDayRecord(decodeDayRecord(image)) == encodeDayRecord(decodeDayRecord(data + records * DayRecordSize)));
        ++records;
    }));
    fuzz::require(records == size / DayRecordSize);

    DayRecord last{};
    fuzz::require(recordfiles::readLastArchived(last) == (records > 0));
    // Appending a record already at the end changes nothing; a new one cuts any torn tail
    // and adds exactly one record.
    if (records > 0) {
        fuzz::require(recordfiles::archive(last));
        fuzz::require(datafiles::fileSize(StateFileName) == static_cast<int64_t>(size));
    }
    DayRecord fresh = emptyDayRecord(records > 0 ? last.startTime + 1 : 1);
    fuzz::require(recordfiles::archive(fresh));
    fuzz::require(datafiles::fileSize(StateFileName) == static_cast<int64_t>((records + 1) * DayRecordSize));
    return 0;
}
