#include "dialogs/other_page.h"

#include "app/master.h"
#include "dialogs/minutes_entry.h"
#include "platform/data_files.h"
#include "platform/platform.h"
#include "platform/texts.h"
#include "timer/options.h"

OtherPageTexts OtherPage::opening(const Options& options) {
    OtherPageTexts texts;
    texts.awayChecked = options.awayIsRest != 0;
    texts.awayMinutes = std::to_string(options.awayMinutes);
    texts.quietChecked = options.quietFullscreen != 0;
    texts.logonChecked = platform::startupShortcutExists();
    texts.allMonitorsChecked = options.allMonitors != 0;
    texts.language = options.language;
    return texts;
}

bool OtherPage::apply(Master& master, const OtherPageTexts& chosen) {
    Options& options = *master.options;
    options.awayIsRest = chosen.awayChecked ? 1 : 0;
    options.quietFullscreen = chosen.quietChecked ? 1 : 0;
    options.allMonitors = chosen.allMonitorsChecked ? 1 : 0;
    const bool languageChanged = chosen.language >= texts::ChoiceAuto && chosen.language <= texts::ChoiceEnglish &&
                                 chosen.language != options.language;
    if (languageChanged) options.language = static_cast<uint8_t>(chosen.language);
    const int32_t minutes = parseMinutes(chosen.awayMinutes.c_str());
    if (minutes >= AwayMinutesLowest && minutes <= AwayMinutesHighest) {
        options.awayMinutes = minutes;
    } else {
        options.awayMinutes = AwayMinutesDefault;
        platform::messageBox(master.mainWindow, texts::get(texts::AwayOutOfRange), texts::get(texts::ErrorCaption), 0);
    }
    saveOptions(options);
    if (languageChanged) master.applyLanguage();
    // The working folder is the data folder, so a program started at logon finds its files.
    // A shortcut of another copy of the program is left alone when the box is cleared.
    bool done = true;
    if (chosen.logonChecked) done = platform::setStartupShortcut(true, datafiles::directory());
    else if (platform::startupShortcutExists()) done = platform::setStartupShortcut(false, datafiles::directory());
    // A box left checked over a shortcut that was never made would promise a start that
    // never comes: say so, and let the page show what is really there.
    if (!done) platform::messageBox(master.mainWindow, texts::get(texts::LogonFailed), texts::get(texts::ErrorCaption), 0);
    return platform::startupShortcutExists();
}
