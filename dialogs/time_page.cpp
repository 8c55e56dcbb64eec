#include "dialogs/time_page.h"

#include "app/master.h"
#include "dialogs/minutes_entry.h"
#include "platform/texts.h"
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
    acceptMinutes(master, workText, 60, texts::get(texts::WorkOutOfRange), {&property.workMinutes});
    acceptMinutes(master, restText, 5, texts::get(texts::RestOutOfRange),
                  {&property.restMinutes, &property.currentRestMinutes});
    property.logOutput = logChecked ? 1 : 0;
    master.showMinute();
}
