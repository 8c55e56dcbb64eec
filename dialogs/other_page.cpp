#include "dialogs/other_page.h"

#include "app/master.h"
#include "dialogs/minutes_entry.h"
#include "platform/platform.h"
#include "timer/options.h"

OtherPageTexts OtherPage::opening(const Options& options) {
    OtherPageTexts texts;
    texts.awayChecked = options.awayIsRest != 0;
    texts.awayMinutes = std::to_string(options.awayMinutes);
    return texts;
}

void OtherPage::apply(Master& master, bool awayChecked, const char* awayMinutesText) {
    Options& options = *master.options;
    options.awayIsRest = awayChecked ? 1 : 0;
    const int32_t minutes = parseMinutes(awayMinutesText);
    if (minutes >= AwayMinutesLowest && minutes <= AwayMinutesHighest) {
        options.awayMinutes = minutes;
    } else {
        options.awayMinutes = AwayMinutesDefault;
        platform::messageBox(master.mainWindow, "離席とみなす時間は1以上、60以下です", "エラー", 0);
    }
    saveOptions(options);
}
