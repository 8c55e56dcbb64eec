// The evaluation report: the verdict and overall score, the table of totals, the radar
// chart of the five scores and the minute-of-day chart, in the dialog's client pixels.
#pragma once

#include "dialogs/display_list.h"

class CompiledState;

namespace report {

// Each area reads the statistics and their scores and appends what it paints.
void paintVerdictArea(draw::DisplayList& list, const CompiledState& state);
void paintTotalsArea(draw::DisplayList& list, const CompiledState& state);
void paintRadarArea(draw::DisplayList& list, const CompiledState& state);
void paintMinuteChartArea(draw::DisplayList& list, const CompiledState& state);

// The four areas in order, on one list.
draw::DisplayList paint(const CompiledState& state);

}  // namespace report
