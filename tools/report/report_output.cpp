#include "tools/report/report_output.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <utility>

#include "platform/texts.h"
#include "records/arithmetic.h"
#include "records/compiled_state.h"
#include "tools/report/text_convert.h"

namespace {

std::string format(const char* pattern, ...) {
    char buffer[512];
    va_list args;
    va_start(args, pattern);
    std::vsnprintf(buffer, sizeof buffer, pattern, args);
    va_end(args);
    return buffer;
}

// Floats are printed with nine significant digits, enough to read back the same float.
std::string jsonFloat(float value) {
    if (!std::isfinite(value)) return "null";
    return format("%.9g", static_cast<double>(value));
}

std::string jsonString(const std::string& utf8) {
    std::string out = "\"";
    for (unsigned char c : utf8) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            out += format("\\u%04x", c);
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

template <typename T, size_t N>
std::string jsonArray(const T (&values)[N]) {
    std::string out = "[";
    for (size_t i = 0; i < N; ++i) out += (i ? "," : "") + std::to_string(static_cast<long long>(values[i]));
    return out + "]";
}

}  // namespace

std::string formatText(const CompiledState& c) {
    using texts::get;
    const EvaluateState& e = *c.evaluation;
    const int hours[2] = {static_cast<int>(std::trunc(c.avgWorkHours)), static_cast<int>(std::trunc(c.avgRestHours))};
    const std::pair<texts::Id, std::string> figures[] = {
        {texts::TotalWork, format(get(texts::WholeHours), c.workHours)},
        {texts::TotalRest, format(get(texts::WholeHours), c.restHours)},
        {texts::UsedDays, format(get(texts::DaysOfDays), c.recordCount, c.dayCount)},
        {texts::DailyWork, format(get(texts::TenthHours), hours[0], tenthsDigit(c.avgWorkHours))},
        {texts::DailyRest, format(get(texts::TenthHours), hours[1], tenthsDigit(c.avgRestHours))},
        {texts::RestPerWork, format(get(texts::PerHour), c.restPerHour)},
        {texts::WorkOverrunRatio, format(get(texts::PerHour), c.workExtensionRatio)},
        {texts::RestOverrunRatio, format(get(texts::PerHour), c.restExtensionRatio)},
        {texts::SetAverage, format(get(texts::Minutes), c.setAverage)},
    };
    // The figures stand in one column after the longest label (code page 932 bytes are
    // as wide on a console as the characters they make).
    size_t column = 0;
    for (const auto& figure : figures) column = std::max(column, std::strlen(get(figure.first)) + 1);
    std::string out = std::string(get(texts::MenuEvaluation)) + "\n";
    out += format("%s %s %s  ", get(texts::VerdictBefore), texts::translate(e.verdict), get(texts::VerdictAfter));
    out += format(get(texts::TotalScore), e.total) + "\n\n";
    for (const auto& figure : figures) {
        const std::string label = get(figure.first);
        out += label + std::string(column - label.size(), ' ') + figure.second + "\n";
    }
    out += "\n" + format(get(texts::ScoreSeriousness), e.score[Seriousness]) + "\n";
    // The other four in the order of the report's reading: name, then the score in brackets.
    const std::pair<texts::Id, ScoreAxis> scores[] = {{texts::ScoreEfficiency, Efficiency},
                                                      {texts::ScoreAwareness, Awareness},
                                                      {texts::ScoreEffort, Effort},
                                                      {texts::ScoreConcentration, Concentration}};
    const char* gap = texts::english() ? " " : "";
    for (const auto& [name, axis] : scores)
        out += get(name) + std::string(gap) + format(get(texts::ScoreInBrackets), e.score[axis]) + "\n";
    return out;
}

std::string formatJson(const CompiledState& c, bool wasCompiled) {
    const EvaluateState& e = *c.evaluation;
    std::string out = "{";
    out += format("\"compiled\":%s", wasCompiled ? "true" : "false");
    out += format(",\"recordCount\":%d,\"dayCount\":%d", c.recordCount, c.dayCount);
    out += format(",\"workHours\":%d,\"restHours\":%d", c.workHours, c.restHours);
    out += ",\"avgWorkHours\":" + jsonFloat(c.avgWorkHours);
    out += ",\"avgRestHours\":" + jsonFloat(c.avgRestHours);
    out += format(",\"restPerHour\":%d,\"setAverage\":%d", c.restPerHour, c.setAverage);
    out += format(",\"workExtensionRatio\":%d,\"restExtensionRatio\":%d", c.workExtensionRatio, c.restExtensionRatio);
    out += ",\"overrunPerHour\":" + jsonFloat(e.overrunPerHour);
    out += ",\"restPerWorkHour\":" + jsonFloat(e.restPerWorkHour);
    out += ",\"usagePercent\":" + jsonFloat(e.usagePercent);
    out += ",\"extensionBalance\":" + jsonFloat(e.extensionBalance);
    out += format(",\"setMinutes\":%d", e.setMinutes);
    out += ",\"score\":" + jsonArray(e.score);
    out += format(",\"total\":%d", e.total);
    out += ",\"chartX\":" + jsonArray(e.chartX);
    out += ",\"chartY\":" + jsonArray(e.chartY);
    out += ",\"verdict\":" + jsonString(cp932ToUtf8(e.verdict));
    out += ",\"minuteShare\":[";
    for (size_t m = 0; m < MinutesPerDay; ++m) out += (m ? "," : "") + jsonArray(c.minuteShare[m]);
    out += "]}\n";
    return out;
}

std::string formatCsv(const std::vector<RecordLine>& lines) {
    std::string out = "date,working,workOver,resting,restOver,stopped,noData\n";
    for (const RecordLine& line : lines) {
        std::tm local{};
        std::string date = "0000-00-00";
        if (localFields(line.startTime, local))
            date = format("%04d-%02d-%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
        const auto& n = line.minutes;
        out += format("%s,%u,%u,%u,%u,%u,%u\n", date.c_str(), n[MinuteWorking], n[MinuteWorkOver], n[MinuteResting],
                      n[MinuteRestOver], n[MinuteStopped], n[MinuteNone]);
    }
    return out;
}
