#include "dialogs/time_page.h"

#include "app/master.h"
#include "dialogs/minutes_entry.h"
#include "timer/property.h"

TimePageTexts TimePage::opening(const Property& property) {
    TimePageTexts texts;
    texts.work = std::to_string(property.workMinutes);
    texts.rest = std::to_string(property.restMinutes);
    texts.endLabel = endTimeLabel(property.workMinutes);
    texts.logChecked = property.logOutput != 0;
    return texts;
}

std::string TimePage::endLabelFor(const char* workText) { return endTimeLabel(parseMinutes(workText)); }

void TimePage::apply(Master& master, const char* workText, const char* restText, bool logChecked) {
    Property& property = *master.property;
    acceptMinutes(master, workText, 60, "作業時間は0以上、300以下です", {&property.workMinutes});
    acceptMinutes(master, restText, 5, "休憩時間は0以上、300以下です",
                  {&property.restMinutes, &property.currentRestMinutes});
    property.logOutput = logChecked ? 1 : 0;
    master.showMinute();
}
