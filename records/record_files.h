// The two record files: stateTmp.dat (today's record, replaced whole) and state.dat (the
// finished days, one whole record appended at a time).
//
// Shared by the Log, the statistics and the report tool; uses only the data files and the
// C runtime.
#pragma once

#include <vector>

#include "records/day_record.h"

namespace recordfiles {

// Finished days that could not be appended to state.dat yet (a locked file, a full disk),
// oldest first, laid out as in state.dat. The copy on disk of a day until state.dat holds it.
constexpr const char* WaitingFileName = "stateWait.dat";

// Today's record from stateTmp.dat. False when the file is missing, unreadable or shorter
// than a record: such a file says nothing reliable about any minute.
bool readTemp(DayRecord& out);
// Replaces stateTmp.dat with the record, atomically (the old file stays until the new one
// is complete). False when it could not be written.
bool writeTemp(const DayRecord& record);
bool removeTemp();

// The last whole record of state.dat. False when there is none.
bool readLastArchived(DayRecord& out);
// True when the last whole record of state.dat was begun at the same moment as `record`:
// it was archived already (a run that was stopped between the append and the next save of
// stateTmp.dat comes back with the same day).
bool isArchived(const DayRecord& record);
// Appends the record to state.dat unless it is there already. True when state.dat holds it
// afterwards.
bool archive(const DayRecord& record);

// What stateWait.dat holds, judged without changing anything.
struct Waiting {
    enum class State {
        None,         // no file
        Pending,      // `days`: the days state.dat does not hold yet, in order
        AllArchived,  // state.dat holds every day (a run stopped before removing the file)
        Damaged,      // not days this program wrote (or far too many): never to be appended
    };
    State state = State::None;
    std::vector<DayRecord> days;
};
// More finished days than a locked state.dat could ever leave waiting.
constexpr size_t MaxWaitingDays = 400;
// stateWait.dat is only ever appended to state.dat, which keeps it for good, so a day is
// taken only when it is plainly one this program wrote: every minute a code, the summary
// its minutes give, begun after the day before it (the last day of state.dat first) and not
// after `now`. Days that state.dat holds byte for byte are skipped.
Waiting inspectWaiting(int64_t now);
// The same, then tidied: a file whose days are all archived is removed, a damaged one is
// renamed aside (stateWait.bad, never read again) so that the program goes on without it.
// Returns the days to append.
std::vector<DayRecord> takeWaiting(int64_t now);
// Name the damaged stateWait.dat is renamed to (a later one never replaces an earlier one).
constexpr const char* SetAsideFileName = "stateWait.bad";
// Replaces stateWait.dat with these days, or removes it when there are none. False when
// the days could not be written.
bool writeWaiting(const std::vector<DayRecord>& days);

}  // namespace recordfiles
