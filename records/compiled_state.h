// The cumulative statistics compiled from state.dat plus today's record.
//
// Compiled afresh each time the evaluation report opens; nothing is kept between two
// compilations and nothing is written. Only the data files and the C runtime are used, so
// the report tool compiles a folder with exactly this code.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/data_files.h"
#include "records/day_record.h"
#include "records/evaluate_state.h"


class CompiledState {
public:
    // `today` is today's record, owned by the caller (the Log) and summarized in place by
    // each compilation.
    explicit CompiledState(DayRecord& today);
    ~CompiledState();
    CompiledState(const CompiledState&) = delete;
    CompiledState& operator=(const CompiledState&) = delete;

    DayRecord& today;
    std::unique_ptr<EvaluateState> evaluation;

    int32_t workHours = 0;    // (W + WO) / 60, whole hours of work including overrun
    int32_t restHours = 0;    // (R + RO) / 60
    int32_t recordCount = 0;  // whole records of state.dat plus today's; 0 without state.dat
    int32_t dayCount = 0;     // calendar days from the first stored day to today, both counted
    float avgWorkHours = 0.0f;
    float avgRestHours = 0.0f;
    uint8_t restPerHour = 0;         // rest minutes per day / whole work hours per day
    uint8_t setAverage = 0;          // minutes of one work/rest set, low 8 bits
    uint8_t workExtensionRatio = 0;  // overrun minutes per 60 planned work minutes
    uint8_t restExtensionRatio = 0;  // overrun minutes per 60 planned rest minutes
    // [minute of day][code]: share of the records in which that minute held that code, in
    // steps of 2 % (50 = every record).
    uint8_t minuteShare[MinutesPerDay][MinuteCodeCount] = {};

    void resetStats();
    // Recompiles every field from state.dat and today's record. False (and only
    // recordCount set to 0) when state.dat cannot be read. `pending`, when given, holds the
    // finished days not yet in state.dat, counted right after its records in that order (the
    // report tool sees a folder as the program would after its next start).
    bool compile(const std::vector<DayRecord>* pending = nullptr);
    // The same with the bytes of state.dat given instead of read from the file.
    bool compile(const uint8_t* history, size_t size, const std::vector<DayRecord>* pending = nullptr);
    // compile, then on success the scores, the chart points and the verdict. Returns what
    // compile returned.
    bool evaluate(const std::vector<DayRecord>* pending = nullptr);
    bool evaluate(const uint8_t* history, size_t size, const std::vector<DayRecord>* pending = nullptr);

private:
    bool compileFrom(const datafiles::ByteSource* history, int64_t size, const std::vector<DayRecord>* pending);
};
