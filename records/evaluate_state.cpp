#include "records/evaluate_state.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/texts.h"
#include "records/arithmetic.h"
#include "records/compiled_state.h"

const char* const ShortDataVerdict = texts::in(texts::VerdictShortData, texts::Language::Japanese);

namespace {

// Rows of the verdict table, in the order of the table below.
enum VerdictRow : int {
    RowCalmHigh,
    RowCalmLow,
    RowSeriousAheadOfEfficiency,
    RowSeriousAbove,
    RowSeriousBelow,
    RowEfficiencyAbove,
    RowEfficiencyBelowHard,
    RowEfficiencyBelowRested,
    RowAwarenessAbove,
    RowAwarenessBelowHigh,
    RowAwarenessBelowLow,
    RowEffortAbove,
    RowEffortBelowShortRest,
    RowEffortBelowLongRest,
    RowConcentrationAbove,
    RowConcentrationBelowLong,
    RowConcentrationBelowShort,
    VerdictRowCount,
};

// Columns: up to 30 records, 31 to 180, more than 180. The phrases are kept in Japanese
// whatever the face: the report tool prints these bytes; the report translates them.
const texts::Id VerdictPhrases[VerdictRowCount][3] = {
    {texts::Verdict0a, texts::Verdict0b, texts::Verdict0c},  // calm, mean 85 or more
    {texts::Verdict1a, texts::Verdict1b, texts::Verdict1c},  // calm, mean below 85
    {texts::Verdict2a, texts::Verdict2b, texts::Verdict2c},  // Seriousness above, ahead of Efficiency by more than 15
    {texts::Verdict3a, texts::Verdict3b, texts::Verdict3c},  // Seriousness above, not far ahead of Efficiency
    {texts::Verdict4a, texts::Verdict4b, texts::Verdict4c},  // Seriousness below
    {texts::Verdict5a, texts::Verdict5b, texts::Verdict5c},  // Efficiency above
    {texts::Verdict6a, texts::Verdict6b, texts::Verdict6c},  // Efficiency below, under 10 rest minutes per work hour
    {texts::Verdict7a, texts::Verdict7b, texts::Verdict7c},  // Efficiency below, 10 or more rest minutes per work hour
    {texts::Verdict8a, texts::Verdict8b, texts::Verdict8c},  // Awareness above
    {texts::Verdict9a, texts::Verdict9b, texts::Verdict9c},  // Awareness below, Awareness score over 80
    {texts::Verdict10a, texts::Verdict10b, texts::Verdict10c},  // Awareness below, Awareness score 80 or less
    {texts::Verdict11a, texts::Verdict11b, texts::Verdict11c},  // Effort above
    {texts::Verdict12a, texts::Verdict12b, texts::Verdict12c},  // Effort below, rest overrun below work overrun
    {texts::Verdict13a, texts::Verdict13b, texts::Verdict13c},  // Effort below, rest overrun at least work overrun
    {texts::Verdict14a, texts::Verdict14b, texts::Verdict14c},  // Concentration above
    {texts::Verdict15a, texts::Verdict15b, texts::Verdict15c},  // Concentration below, sets over 100 minutes
    {texts::Verdict16a, texts::Verdict16b, texts::Verdict16c},  // Concentration below, sets of 100 minutes or less
};

// Truncation toward zero that saturates instead of overflowing (the inputs of a damaged
// history can be far outside the bands).
int32_t truncToInt32(double value) {
    if (!(value == value)) return 0;
    if (value >= 2147483647.0) return INT32_MAX;
    if (value <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(value);
}

}  // namespace

EvaluateState::EvaluateState(const CompiledState* owner) : compiledState(owner) { reset(); }

void EvaluateState::reset() {
    std::memset(score, 0, sizeof score);
    total = 0;
    std::memset(chartX, 0, sizeof chartX);
    std::memset(chartY, 0, sizeof chartY);
    overrunPerHour = 0.0f;
    restPerWorkHour = 0.0f;
    usagePercent = 0.0f;
    extensionBalance = 0.0f;
    setMinutes = 0;
    std::memset(verdict, 0, sizeof verdict);
    std::strncpy(verdict, ShortDataVerdict, sizeof verdict - 1);
}

// The formulas are arranged so that each is exact products and sums of the input followed by
// one division by a whole number: a result that is whole in exact arithmetic then comes out
// whole, and truncation never falls one short. The band limits stay double constants, so a
// single-precision 7.1 lies below the double 7.1.

int32_t EvaluateState::scoreSeriousness() const {
    const double x = overrunPerHour;
    double s;
    if (x < 0) s = 0;
    else if (x <= 5) s = (5 - x) * 4 + 80;
    else if (x <= 10) s = (10 - x) * 4 + 60;
    else if (x <= 20) s = (20 - x) * 2 + 40;
    else if (x <= 30) s = (30 - x) * 2 + 20;
    else s = 200 / (x - 20);  // 20 / ((x - 30) * 0.1 + 1)
    return truncToInt32(s);
}

int32_t EvaluateState::scoreEfficiency() const {
    const double x = restPerWorkHour;
    double s = 0;
    if (x == 12.5) s = 100;
    else if (x > 12.5 && x <= 13.5) s = (13.5 - x) * 20 + 80;
    else if (x > 13.5 && x <= 15.5) s = (15.5 - x) * 10 + 60;
    else if (x > 15.5 && x <= 18.5) s = (18.5 - x) * 20 / 3 + 40;
    else if (x > 18.5 && x <= 22.5) s = (22.5 - x) * 5 + 20;
    else if (x > 22.5) s = 200 / (x - 12.5);  // 20 / ((x - 22.5) * 0.1 + 1)
    else if (x <= 0) s = 0;
    else if (x >= 11.3) s = (50 * x - 565) / 3 + 80;        // (x - 11.3) * 20 / 1.2 + 80
    else if (x >= 9.5) s = (x - 9.5) * 100 / 9 + 60;        // (x - 9.5) * 20 / 1.8 + 60
    else if (x >= 7.1) s = (50 * x - 355) / 6 + 40;         // (x - 7.1) * 20 / 2.4 + 40
    else if (x >= 4.1) s = (20 * x - 82) / 3 + 20;          // (x - 4.1) * 20 / 3 + 20
    else s = std::trunc(x) * 200 / 41;                      // n * 20 / 4.1, n the whole part
    return truncToInt32(s);
}

int32_t EvaluateState::scoreAwareness() const {
    const double x = usagePercent;
    double s;
    if (x >= 90) s = (x - 90) * 2 + 80;
    else if (x >= 75) s = (x - 75) * 20 / 15 + 60;
    else if (x >= 60) s = (x - 60) * 20 / 15 + 40;
    else if (x >= 30) s = (x - 30) * 20 / 30 + 20;
    else if (x > 0) s = x * 20 / 30;
    else s = 0;
    return truncToInt32(s);
}

int32_t EvaluateState::scoreEffort() const {
    const double r = extensionBalance;
    const int s = score[Seriousness];
    if (!(r > 0)) return 0;
    // The balance of the two overruns, 0 < f <= 1: 1 when they are equal.
    double f;
    if (r == 1) f = 1;
    else if (r > 1) f = static_cast<float>(1 / r);
    else f = r;
    double e;
    if (s == 100) e = 100;
    else if (s >= 80) e = f * 30 + 70;
    else if (s >= 40) e = f * 30 + 40;
    else if (s >= 1) e = f * 40;
    else e = 0;
    return truncToInt32(e);
}

int32_t EvaluateState::scoreConcentration() const {
    const int b = setMinutes;
    if (b == 0) return 0;
    if (b <= 21) return b * 20 / 22;
    if (b <= 31) return (b - 22) * 2 + 20;
    if (b <= 41) return (b - 32) * 2 + 40;
    if (b <= 51) return (b - 42) * 2 + 60;
    if (b <= 61) return (b - 52) * 2 + 80;
    if (b <= 96) return 100;
    if (b <= 106) return (106 - b) * 2 + 80;
    if (b <= 116) return (116 - b) * 2 + 60;
    if (b <= 126) return (126 - b) * 2 + 40;
    if (b <= 136) return (136 - b) * 2 + 20;
    return 200 / (b - 126);  // 20 / ((b - 136) * 0.1 + 1)
}

void EvaluateState::computeScores() {
    // Effort reads the stored Seriousness score, so the order matters.
    score[Seriousness] = clampByte(scoreSeriousness());
    score[Efficiency] = clampByte(scoreEfficiency());
    score[Awareness] = clampByte(scoreAwareness());
    score[Effort] = clampByte(scoreEffort());
    score[Concentration] = clampByte(scoreConcentration());
    int sum = 0;
    for (uint8_t s : score) sum += s;
    total = clampByte(sum / 5);
}

void EvaluateState::computeChartPoints() {
    for (int axis = 0; axis < ScoreAxisCount; ++axis) {
        const int32_t s = score[axis];
        chartX[axis] = (ChartOuterX[axis] - ChartCentreX) * s / 100 + ChartCentreX;
        chartY[axis] = (ChartOuterY[axis] - ChartCentreY) * s / 100 + ChartCentreY;
    }
}

Outstanding EvaluateState::findOutstanding() const {
    int sum = 0;
    for (uint8_t s : score) sum += s;
    const float mean = static_cast<float>(sum * 0.2);
    int winner = 0;
    int32_t largest = -1;
    for (int axis = 0; axis < ScoreAxisCount; ++axis) {
        const int32_t d = std::abs(truncToInt32(static_cast<double>(score[axis]) - mean));
        if (d > largest) {  // strictly larger: among equals the lowest axis wins
            largest = d;
            winner = axis;
        }
    }
    Outstanding result;
    if (largest > 5) {
        result.axis = static_cast<ScoreAxis>(winner);
        result.value = truncToInt32(static_cast<double>(score[winner]) - mean);
    } else {
        result.value = truncToInt32(mean);
    }
    return result;
}

void EvaluateState::chooseVerdict() {
    const Outstanding outstanding = findOutstanding();
    const int32_t n = compiledState ? compiledState->recordCount : 0;
    std::memset(verdict, 0, sizeof verdict);
    if (n <= 3) {
        std::strncpy(verdict, ShortDataVerdict, sizeof verdict - 1);
        return;
    }
    const int column = n <= 30 ? 0 : n <= 180 ? 1 : 2;
    const bool above = outstanding.value >= 0;
    VerdictRow row;
    if (!outstanding.axis) {
        row = outstanding.value >= 85 ? RowCalmHigh : RowCalmLow;
    } else {
        switch (*outstanding.axis) {
        case Seriousness:
            if (!above) row = RowSeriousBelow;
            else if (score[Seriousness] - score[Efficiency] > 15) row = RowSeriousAheadOfEfficiency;
            else row = RowSeriousAbove;
            break;
        case Efficiency:
            if (above) row = RowEfficiencyAbove;
            else row = restPerWorkHour < 10.0f ? RowEfficiencyBelowHard : RowEfficiencyBelowRested;
            break;
        case Awareness:
            if (above) row = RowAwarenessAbove;
            else row = score[Awareness] > 80 ? RowAwarenessBelowHigh : RowAwarenessBelowLow;
            break;
        case Effort:
            if (above) row = RowEffortAbove;
            else row = extensionBalance < 1.0f ? RowEffortBelowShortRest : RowEffortBelowLongRest;
            break;
        case Concentration:
        default:
            if (above) row = RowConcentrationAbove;
            else row = setMinutes > 100 ? RowConcentrationBelowLong : RowConcentrationBelowShort;
            break;
        }
    }
    std::strncpy(verdict, texts::in(VerdictPhrases[row][column], texts::Language::Japanese), sizeof verdict - 1);
}
