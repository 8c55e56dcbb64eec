#include "records/record_files.h"

#include <algorithm>
#include <set>
#include <string>
#include <utility>
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

namespace {

bool plainlyWritten(const DayRecord& day, uint32_t after, int64_t now) {
    if (day.startTime <= after || static_cast<int64_t>(day.startTime) > now) return false;
    for (const int8_t minute : day.minutes)
        if (!isMinuteCode(minute)) return false;
    DayRecord summarized = day;  // every waiting day was summarized before it was kept
    summarize(summarized);
    return encodeDayRecord(summarized) == encodeDayRecord(day);
}

// Renames the file aside under the first free name: stateWait.bad, stateWait.bad1, ...
void setAside() {
    for (int n = 0; n < 10; ++n) {
        const std::string name = SetAsideFileName + (n == 0 ? std::string() : std::to_string(n));
        if (datafiles::fileSize(name) >= 0) continue;
        datafiles::renameFile(WaitingFileName, name);
        return;
    }
}

}  // namespace

Waiting inspectWaiting(int64_t now) {
    Waiting result;
    const int64_t size = datafiles::fileSize(WaitingFileName);
    if (size < 0) return result;
    result.state = Waiting::State::Damaged;
    // Whole records only, and not so many that reading them costs anything.
    if (size % static_cast<int64_t>(DayRecordSize) != 0 || size > static_cast<int64_t>(MaxWaitingDays * DayRecordSize))
        return result;
    std::vector<DayRecordImage> images;
    datafiles::readRecords(WaitingFileName, DayRecordSize, [&](const uint8_t* image) {
        images.emplace_back();
        std::copy(image, image + DayRecordSize, images.back().begin());
    });
    if (static_cast<int64_t>(images.size() * DayRecordSize) != size) return result;
    // The whole history, not only its last day: a file that could not be removed may have
    // outlived later appends. Read only in the rare start with a waiting file.
    const std::set<DayRecordImage> waiting(images.begin(), images.end());
    std::set<DayRecordImage> held;
    uint32_t last = 0;
    datafiles::readRecords(StateFileName, DayRecordSize, [&](const uint8_t* image) {
        DayRecordImage copy;
        std::copy(image, image + DayRecordSize, copy.begin());
        last = decodeDayRecord(image).startTime;
        if (waiting.count(copy)) held.insert(copy);
    });
    for (const DayRecordImage& image : images) {
        if (held.count(image)) continue;
        const DayRecord day = decodeDayRecord(image.data());
        if (!plainlyWritten(day, last, now)) {
            result.days.clear();
            return result;
        }
        last = day.startTime;
        result.days.push_back(day);
    }
    result.state = result.days.empty() ? Waiting::State::AllArchived : Waiting::State::Pending;
    return result;
}

std::vector<DayRecord> takeWaiting(int64_t now) {
    Waiting waiting = inspectWaiting(now);
    if (waiting.state == Waiting::State::AllArchived) datafiles::removeFile(WaitingFileName);
    if (waiting.state == Waiting::State::Damaged) setAside();
    return std::move(waiting.days);
}

bool writeWaiting(const std::vector<DayRecord>& days) {
    if (days.empty()) {
        // A file that cannot be removed only holds days state.dat has: takeWaiting removes it.
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
