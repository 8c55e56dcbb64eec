#include "records/log.h"

#include <cstddef>
#include <ctime>

#include "app/master.h"
#include "platform/platform.h"
#include "records/arithmetic.h"
#include "records/record_files.h"
#include "timer/property.h"

Log::Log(Master* owner) : master(owner) {
    compiled = std::make_unique<CompiledState>(record);
    now = platform::currentTime();
    // Days an earlier run could not append go first, so that state.dat stays in order.
    unarchived = recordfiles::takeWaiting(now);
    if (!unarchived.empty() && logOutput()) retryArchive();
    if (recordfiles::readTemp(record)) {
        checkDayChange();
        // With records on, the save replaces the file in one step; with them off the
        // restored record lives on in memory only, and the file is consumed.
        if (logOutput()) saveTemp();
        else recordfiles::removeTemp();
    } else {
        resetRecord();
    }
}

Log::~Log() {
    compiled.reset();
    if (!unarchived.empty() && logOutput()) retryArchive();
    saveTemp();
}

bool Log::logOutput() const {
    if (!master || !master->property) return true;
    return master->property->logOutput != 0;
}

void Log::resetRecord() { record = emptyDayRecord(static_cast<uint32_t>(now)); }

void Log::checkDayChange() {
    if (sameLocalDate(now, record.startTime)) return;
    archiveRecord();
    resetRecord();
    // stateTmp.dat must not go on holding the day just archived: the next start would
    // otherwise find it again.
    saveTemp();
}

void Log::archiveRecord() {
    if (!logOutput()) return;
    summarize(record);
    // Days stay in order: a day behind one that could not be appended waits behind it.
    retryArchive();
    if (unarchived.empty() && recordfiles::archive(record)) return;
    unarchived.push_back(record);
    waitingSaved = recordfiles::writeWaiting(unarchived);
}

void Log::retryArchive() {
    size_t done = 0;
    while (done < unarchived.size() && recordfiles::archive(unarchived[done])) ++done;
    if (done == 0) return;
    unarchived.erase(unarchived.begin(), unarchived.begin() + static_cast<std::ptrdiff_t>(done));
    waitingSaved = recordfiles::writeWaiting(unarchived);
}

void Log::saveTemp() {
    if (!logOutput()) return;
    // stateTmp.dat may hold a finished day that is neither in state.dat nor in
    // stateWait.dat: it is not replaced until one of them holds it.
    if (!waitingSaved) waitingSaved = recordfiles::writeWaiting(unarchived);
    if (!waitingSaved) return;
    recordfiles::writeTemp(record);
}

void Log::minuteTick() {
    now = platform::currentTime();
    if (!unarchived.empty() && logOutput()) retryArchive();
    checkDayChange();
    std::tm local{};
    if (!localFields(now, local)) return;
    const int slot = local.tm_hour * 60 + local.tm_min;
    const int code = minuteCodeForPhase(master && master->property ? master->property->phase : -1);
    if (code >= 0 && slot >= 0 && slot < static_cast<int>(MinutesPerDay)) record.minutes[slot] = static_cast<int8_t>(code);
    if (local.tm_min % 5 == 0) saveTemp();
}

void Log::recordAwayAsRest(int64_t awaySeconds) {
    // The record is brought to today first: an earlier day is archived as it was lived.
    now = platform::currentTime();
    if (!unarchived.empty() && logOutput()) retryArchive();
    checkDayChange();
    std::tm local{}, left{};
    if (!localFields(now, local)) return;
    const int64_t leftAt = now - awaySeconds;
    int first = 0;  // they left on an earlier day: all of today
    if (sameLocalDate(leftAt, now) && localFields(leftAt, left)) first = left.tm_hour * 60 + left.tm_min;
    const int last = local.tm_hour * 60 + local.tm_min;
    for (int slot = first; slot <= last && slot < static_cast<int>(MinutesPerDay); ++slot) {
        int8_t& minute = record.minutes[slot];
        if (minute == MinuteWorking || minute == MinuteWorkOver) minute = MinuteResting;
    }
}
