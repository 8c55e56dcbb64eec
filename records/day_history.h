// Finding one past day in state.dat without reading the whole history.
//
// state.dat gains one 1456-byte record per finished day, in the order the days were
// archived, so its size gives the number of records and a binary search by start time finds
// a day in a few reads. The order can break: a clock set wrong for a day, or set back, leaves
// one record whose start time stands out of line. Each probe therefore takes the median of
// the start times of the record and its two neighbours, which one such record cannot move
// out of order, and the records near the place found are all looked at.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "records/day_record.h"

namespace history {

// A calendar date as days since 1970-01-01 (proleptic Gregorian): a day back or forward is
// one step of arithmetic, whatever the time zone or a daylight-saving change does.
using DayNumber = int32_t;

struct CivilDate {
    int year = 1970, month = 1, day = 1;
};
DayNumber dayNumberOf(int year, int month, int day);
CivilDate civilOf(DayNumber day);
// 0 for Sunday, ..., 6 for Saturday.
int weekdayOf(DayNumber day);

// The local date of a time value; false when the C runtime cannot convert it.
bool localDayOf(int64_t time, DayNumber& out);
// The time value of the first second of a local date.
int64_t localMidnight(DayNumber day);

// A record fit to be shown as a day: every minute holds a code 0..5, its summary is the one
// its minutes give (every record is summarized before it is appended, so a torn or
// overwritten record shows here) and it has a start time.
bool isSoundRecord(const DayRecord& record);

// One day made of the records found for it, in file order: a later record's minutes win
// where both hold one (a clock set back archives a date twice).
DayRecord mergedDay(const std::vector<DayRecord>& records);

// state.dat (or any file of whole records) opened for lookups.
class DayFile {
public:
    explicit DayFile(const char* path);
    ~DayFile();
    DayFile(const DayFile&) = delete;
    DayFile& operator=(const DayFile&) = delete;

    // Whole records in the file (a torn tail does not count).
    uint64_t count() const { return records; }
    // The sound records of the local date `day`, in file order; empty when there are none.
    std::vector<DayRecord> find(DayNumber day);
    // The local date of the earliest day the file holds; false when it holds none.
    bool firstDay(DayNumber& out);

private:
    std::FILE* file = nullptr;
    uint64_t records = 0;
    // Start times of records first .. first + n - 1 (fewer at the end); false on a read error.
    bool startTimes(uint64_t first, uint64_t n, std::vector<uint32_t>& out);
    bool read(uint64_t index, DayRecord& out);
    // The start time the search orders record `index` by.
    bool key(uint64_t index, uint32_t& out);
};

}  // namespace history
