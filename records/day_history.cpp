#include "records/day_history.h"

#include <algorithm>
#include <cstring>
#include <ctime>

#include "platform/platform.h"
#include "records/arithmetic.h"

namespace history {

// Days from civil dates and back, after Howard Hinnant's public-domain algorithms: eras of
// 400 years, years counted from March so that the leap day falls last.
DayNumber dayNumberOf(int year, int month, int day) {
    year -= month <= 2;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilDate civilOf(DayNumber days) {
    const int z = days + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int dayOfEra = z - era * 146097;
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int mp = (5 * dayOfYear + 2) / 153;
    CivilDate date;
    date.day = dayOfYear - (153 * mp + 2) / 5 + 1;
    date.month = mp < 10 ? mp + 3 : mp - 9;
    date.year = yearOfEra + era * 400 + (date.month <= 2);
    return date;
}

int weekdayOf(DayNumber day) {
    // 1970-01-01 was a Thursday.
    const int w = (day + 4) % 7;
    return w < 0 ? w + 7 : w;
}

bool localDayOf(int64_t time, DayNumber& out) {
    std::tm fields{};
    if (!localFields(time, fields)) return false;
    out = dayNumberOf(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday);
    return true;
}

int64_t localMidnight(DayNumber day) {
    const CivilDate date = civilOf(day);
    std::tm fields{};
    fields.tm_year = date.year - 1900;
    fields.tm_mon = date.month - 1;
    fields.tm_mday = date.day;
    fields.tm_isdst = -1;  // whatever daylight saving says on that date
    return static_cast<int64_t>(std::mktime(&fields));
}

bool isSoundRecord(const DayRecord& record) {
    if (record.startTime == 0) return false;
    for (size_t i = 0; i < MinutesPerDay; ++i)
        if (!isMinuteCode(record.minutes[i])) return false;
    DayRecord check = record;
    summarize(check);
    return std::memcmp(check.meanRun, record.meanRun, sizeof check.meanRun) == 0 &&
           std::memcmp(check.runCount, record.runCount, sizeof check.runCount) == 0;
}

DayRecord mergedDay(const std::vector<DayRecord>& records) {
    if (records.empty()) return DayRecord{};
    DayRecord day = records.front();
    for (size_t r = 1; r < records.size(); ++r)
        for (size_t i = 0; i < MinutesPerDay; ++i)
            if (records[r].minutes[i] != MinuteNone) day.minutes[i] = records[r].minutes[i];
    summarize(day);
    return day;
}

DayFile::DayFile(const char* path) : file(platform::openFile(path, "rb")) {
    if (!file || std::fseek(file, 0, SEEK_END) != 0) return;
#ifdef _WIN32
    const int64_t size = _ftelli64(file);
#else
    const int64_t size = ftello(file);
#endif
    if (size > 0) records = static_cast<uint64_t>(size) / DayRecordSize;
}

DayFile::~DayFile() {
    if (file) std::fclose(file);
}

namespace {

bool seekTo(std::FILE* file, uint64_t offset) {
#ifdef _WIN32
    return _fseeki64(file, static_cast<int64_t>(offset), SEEK_SET) == 0;
#else
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

}  // namespace

bool DayFile::startTimes(uint64_t first, uint64_t n, std::vector<uint32_t>& out) {
    out.clear();
    if (!file || first >= records) return false;
    n = std::min(n, records - first);
    std::vector<uint8_t> bytes(static_cast<size_t>(n) * DayRecordSize);
    if (!seekTo(file, first * DayRecordSize) || std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size())
        return false;
    for (uint64_t i = 0; i < n; ++i) out.push_back(decodeDayRecord(&bytes[static_cast<size_t>(i) * DayRecordSize]).startTime);
    return true;
}

bool DayFile::read(uint64_t index, DayRecord& out) {
    uint8_t image[DayRecordSize];
    if (!file || index >= records || !seekTo(file, index * DayRecordSize) ||
        std::fread(image, 1, DayRecordSize, file) != DayRecordSize)
        return false;
    out = decodeDayRecord(image);
    return true;
}

bool DayFile::key(uint64_t index, uint32_t& out) {
    std::vector<uint32_t> t;
    if (records == 1) {
        if (!startTimes(0, 1, t)) return false;
        out = t[0];
    } else if (index == 0) {  // an early outlier can only be too late here
        if (!startTimes(0, 2, t)) return false;
        out = std::min(t[0], t[1]);
    } else if (index + 1 == records) {  // and a last one only too early
        if (!startTimes(index - 1, 2, t)) return false;
        out = std::max(t[0], t[1]);
    } else {
        if (!startTimes(index - 1, 3, t)) return false;
        out = std::max(std::min(t[0], t[1]), std::min(std::max(t[0], t[1]), t[2]));
    }
    return true;
}

std::vector<DayRecord> DayFile::find(DayNumber day) {
    std::vector<DayRecord> found;
    const int64_t from = localMidnight(day), until = localMidnight(day + 1);
    uint64_t low = 0, high = records;
    while (low < high) {
        const uint64_t middle = low + (high - low) / 2;
        uint32_t k = 0;
        if (!key(middle, k)) return found;
        if (static_cast<int64_t>(k) < from) low = middle + 1;
        else high = middle;
    }
    // A date archived again after a clock was set back a day or two lies within three places
    // of where the search ends.
    for (uint64_t i = low >= 3 ? low - 3 : 0; i < records; ++i) {
        uint32_t k = 0;
        if (i > low + 3 && (!key(i, k) || static_cast<int64_t>(k) >= until)) break;
        DayRecord record{};
        DayNumber date = 0;
        if (read(i, record) && isSoundRecord(record) && localDayOf(record.startTime, date) && date == day)
            found.push_back(record);
    }
    return found;
}

bool DayFile::firstDay(DayNumber& out) {
    bool any = false;
    for (uint64_t i = 0; i < std::min<uint64_t>(records, 3); ++i) {
        DayRecord record{};
        DayNumber date = 0;
        if (!read(i, record) || !isSoundRecord(record) || !localDayOf(record.startTime, date)) continue;
        if (!any || date < out) out = date;
        any = true;
    }
    return any;
}

}  // namespace history
