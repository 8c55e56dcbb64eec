#include "tools/report/report_output.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <ctime>

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
    const EvaluateState& e = *c.evaluation;
    std::string out;
    out += "通算作業評価\n";
    out += format("あなたは %s な気がします  %3d点\n\n", e.verdict, e.total);
    out += format("通算作業      %5d時間\n", c.workHours);
    out += format("通算休憩      %5d時間\n", c.restHours);
    out += format("通算使用頻度  %4d/%4d日\n", c.recordCount, c.dayCount);
    out += format("１日作業平均  %2d.%1d時間\n", static_cast<int>(std::trunc(c.avgWorkHours)), tenthsDigit(c.avgWorkHours));
    out += format("１日休憩平均  %2d.%1d時間\n", static_cast<int>(std::trunc(c.avgRestHours)), tenthsDigit(c.avgRestHours));
    out += format("休憩/作業比率 %3d分/60分\n", c.restPerHour);
    out += format("延/予比（作） %3d分/60分\n", c.workExtensionRatio);
    out += format("延/予比（休） %3d分/60分\n", c.restExtensionRatio);
    out += format("１セット平均  %3d分\n\n", c.setAverage);
    out += format("真面目さ（%3d）\n", e.score[Seriousness]);
    out += format("効率（%3d）\n", e.score[Efficiency]);
    out += format("作業効率意識（%3d）\n", e.score[Awareness]);
    out += format("がんばり度（%3d）\n", e.score[Effort]);
    out += format("集中力（%3d）\n", e.score[Concentration]);
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
