// One day's minute-by-minute account and its 1456-byte file image.
//
// The same image is stored in stateTmp.dat (today's record) and, one after another, in
// state.dat (the finished days). It is encoded and decoded by explicit offsets, so the
// in-memory layout of DayRecord never leaks into a file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// What one minute of a record holds. The phase Stopped is stored as 5 so that a stopped
// timer is told apart from a minute in which no tick fell (0).
enum MinuteCode : int8_t {
    MinuteNone = 0,
    MinuteWorking = 1,
    MinuteWorkOver = 2,
    MinuteResting = 3,
    MinuteRestOver = 4,
    MinuteStopped = 5,
};

constexpr int MinuteCodeCount = 6;
constexpr size_t MinutesPerDay = 1440;
constexpr size_t DayRecordSize = 1456;
constexpr const char* StateFileName = "state.dat";
constexpr const char* TempFileName = "stateTmp.dat";

// Offsets of the image.
constexpr size_t OffMinutes = 0;
constexpr size_t OffMeanRun = 1440;
constexpr size_t OffRunCount = 1446;
constexpr size_t OffStartTime = 1452;

inline bool isMinuteCode(int value) { return value >= 0 && value < MinuteCodeCount; }

// The code stored for a timer phase (0..4); -1 for any other value, which writes nothing.
int minuteCodeForPhase(int phase);

struct DayRecord {
    int8_t minutes[MinutesPerDay];   // MinuteCode of minute hour * 60 + minute of the local day
    uint8_t meanRun[MinuteCodeCount];   // per code: mean run length in minutes, clamped to 255
    uint8_t runCount[MinuteCodeCount];  // per code: number of runs, modulo 256
    uint32_t startTime;                 // seconds since 1970 UTC when the record was begun
};

using DayRecordImage = std::array<uint8_t, DayRecordSize>;

// Writes the 1456-byte image of a record to `out`.
void encodeDayRecord(const DayRecord& record, uint8_t* out);
DayRecordImage encodeDayRecord(const DayRecord& record);
// Takes a record from a 1456-byte image. Every byte is taken as it is; a reader that uses
// the minutes as an index checks them with isMinuteCode.
DayRecord decodeDayRecord(const uint8_t* image);

// An all-empty record begun at `startTime`.
DayRecord emptyDayRecord(uint32_t startTime);

// Fills the record's summary (meanRun and runCount) from its minutes. A run is a maximal
// stretch of equal codes; a byte outside 0..5 ends the run before it and belongs to no run.
void summarize(DayRecord& record);

// Minutes of each code counted straight from the minute bytes (index 0..5); bytes outside
// 0..5 are not counted.
std::array<uint32_t, MinuteCodeCount> countMinutes(const DayRecord& record);
