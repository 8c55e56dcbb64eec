// The five scores, the overall score, the radar chart points and the verdict of the
// cumulative evaluation. Pure arithmetic and table lookup on the compiled statistics.
#pragma once

#include <cstdint>
#include <optional>

class CompiledState;

// The fixed order of the five scores: radar vertex, label, tie-break and verdict row.
enum ScoreAxis : int {
    Seriousness = 0,
    Efficiency = 1,
    Awareness = 2,
    Effort = 3,
    Concentration = 4,
};
constexpr int ScoreAxisCount = 5;

constexpr int ChartCentreX = 409;
constexpr int ChartCentreY = 200;
// The point a score of 100 reaches on each axis.
constexpr int ChartOuterX[ScoreAxisCount] = {409, 476, 450, 368, 342};
constexpr int ChartOuterY[ScoreAxisCount] = {130, 178, 257, 257, 178};

constexpr int VerdictSize = 128;

// The axis that stands out from the mean, if any, with its signed deviation (positive:
// above the mean); without one, the truncated mean.
struct Outstanding {
    std::optional<ScoreAxis> axis;
    int32_t value = 0;
};

class EvaluateState {
public:
    explicit EvaluateState(const CompiledState* owner);

    const CompiledState* compiledState;  // only its recordCount is read here
    uint8_t score[ScoreAxisCount] = {};  // indexed by ScoreAxis
    uint8_t total = 0;
    int32_t chartX[ScoreAxisCount] = {};
    int32_t chartY[ScoreAxisCount] = {};
    char verdict[VerdictSize] = {};  // code page 932, NUL-terminated

    // Inputs, filled by CompiledState::compile.
    float overrunPerHour = 0.0f;    // overrun minutes per hour of planned phases
    float restPerWorkHour = 0.0f;   // rest minutes per hour of work
    float usagePercent = 0.0f;      // recorded days per spanned days, in %
    float extensionBalance = 0.0f;  // rest overrun minutes per work overrun minute
    uint8_t setMinutes = 0;         // average minutes of one work/rest set

    void reset();
    void computeScores();
    int32_t scoreSeriousness() const;
    int32_t scoreEfficiency() const;
    int32_t scoreAwareness() const;
    int32_t scoreEffort() const;  // reads the stored Seriousness score
    int32_t scoreConcentration() const;
    void computeChartPoints();
    Outstanding findOutstanding() const;
    void chooseVerdict();
};

// The verdict shown while there is too little history (and before any evaluation).
extern const char* const ShortDataVerdict;
