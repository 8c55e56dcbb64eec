// The balloon notices at the tray icon: work end, overrun and rest end.
#include <cstdio>

#include "app/master.h"
#include "timer/property.h"

namespace {
constexpr const char* ClickForRest = "休憩に入るには、ここをクリックしてください。";
}

bool Master::showBalloon(const char* title, const char* text) {
    bool shown = platform::showBalloon(mainWindow, title, text);
    // Set even when the shell refused it, so a tray click still moves the timer on.
    balloonPending = 1;
    return shown;
}

void Master::showWorkEndNotice() {
    property->phase = WorkOver;
    showBalloon("作業終了時間になりました", ClickForRest);
}

void Master::showOverrunNotice() {
    char title[32];
    std::snprintf(title, sizeof title, "%d分作業延長中です。。",
                  static_cast<int>(static_cast<int64_t>(property->elapsedMinutes) - property->workMinutes));
    showBalloon(title, ClickForRest);
}

void Master::showRestEndNotice() {
    property->phase = RestOver;
    showBalloon("休憩終了です", "今から作業再開なら、ここをクリックしてください。");
}
