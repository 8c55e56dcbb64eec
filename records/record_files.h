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

// The days of stateWait.dat that state.dat does not hold yet (a run may have appended a day
// and been stopped before it could remove the file), in order. Empty without the file.
std::vector<DayRecord> readWaiting();
// Replaces stateWait.dat with these days, or removes it when there are none. False when
// the days could not be written.
bool writeWaiting(const std::vector<DayRecord>& days);

}  // namespace recordfiles
