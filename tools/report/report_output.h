// The three ways the report tool prints an evaluation.
#pragma once

#include <string>
#include <vector>

#include "tools/report/report_folder.h"

class CompiledState;

// The report's figures with the report dialog's labels, in code page 932.
std::string formatText(const CompiledState& compiled);
// One JSON object, UTF-8. `compiled` tells whether the history could be compiled at all.
std::string formatJson(const CompiledState& compiled, bool wasCompiled);
// A header and one line per record: local date and minutes of each code.
std::string formatCsv(const std::vector<RecordLine>& lines);
