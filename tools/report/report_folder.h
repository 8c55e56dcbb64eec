// A data folder as the program would see it right after its next start, read without
// writing anything.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "records/day_record.h"

struct RecordLine {
    uint32_t startTime = 0;
    std::array<uint32_t, MinuteCodeCount> minutes{};  // minutes of each code, from the bytes
};

struct ReportFolder {
    bool recordsOn = true;                    // param.dat's logOutput (on without param.dat)
    std::vector<RecordLine> archived;         // state.dat's whole records, in order
    // The days the next start appends: those waiting in stateWait.dat, then a saved earlier day.
    std::vector<DayRecord> pending;
    DayRecord today{};
    std::vector<RecordLine> lines() const;  // archived, then the pending days, then today
};

// Whether `directory` (UTF-8) is a folder that can be listed.
bool folderReadable(const std::string& directory);

// Reads param.dat, state.dat, stateWait.dat and stateTmp.dat of the data folder (datafiles::setDirectory
// chosen before) at time `now`.
ReportFolder readFolder(int64_t now);
