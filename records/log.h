// Today's minute-by-minute record and the two record files.
//
// Today's record lives in memory; it is saved whole to stateTmp.dat (atomically replaced)
// at every tick on a minute that is a multiple of five, at start-up when a record was
// restored, right after a day was archived, and at exit. When the local date changes the
// finished record is appended once to state.dat, the history the statistics compile; a day
// that cannot be appended yet waits in stateWait.dat.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "records/arithmetic.h"
#include "records/compiled_state.h"
#include "records/day_record.h"

class Master;

class Log {
public:
    explicit Log(Master* master);  // restores today's record from stateTmp.dat
    ~Log();                        // saves stateTmp.dat
    Log(const Log&) = delete;
    Log& operator=(const Log&) = delete;

    Master* master;
    DayRecord record{};
    std::unique_ptr<CompiledState> compiled;
    int64_t now = 0;  // the time taken at the latest start-up or tick

    // Records the current phase in the slot of the current local minute.
    void minuteTick();
    // The person has been away for `awaySeconds`: today's minutes from the one they left in
    // up to the current one that were recorded as working or overrun become resting.
    // Minutes nobody ticked stay empty, and a day already archived is never touched.
    void recordAwayAsRest(int64_t awaySeconds);
    // Replaces stateTmp.dat with today's record (only when records are written).
    void saveTemp();

    static bool sameLocalDate(int64_t a, int64_t b) { return ::sameLocalDate(a, b); }
    void resetRecord();
    void checkDayChange();
    void archiveRecord();
    static void summarize(DayRecord& day) { ::summarize(day); }

    // Finished days whose append to state.dat failed (a full disk, a locked file); they are
    // appended again before anything else at start, at each tick and at exit, oldest
    // first. stateWait.dat keeps them on disk meanwhile, so a killed run loses none.
    std::vector<DayRecord> unarchived;

private:
    bool waitingSaved = true;  // stateWait.dat holds every day of `unarchived`
    bool logOutput() const;
    void retryArchive();
};
