// The balloon notices at the tray icon: work end, overrun and rest end.
#include <cstdio>

#include "app/master.h"
#include "platform/texts.h"
#include "timer/property.h"

namespace {

// "分作業延長中です。。" is twenty bytes in code page 932; with the longest number the
// difference of two 32-bit counts can give (eleven characters, "-4294967295") and the
// terminator the title fills its 32 bytes exactly, so it is never cut inside a character.
// Every language's title fits the same 31 bytes.
constexpr size_t OverrunTitleSize = 32;

}  // namespace

bool Master::showBalloon(const char* title, const char* text) {
    bool shown = platform::showBalloon(mainWindow, title, text);
    // Set even when the shell refused it, so a tray click still moves the timer on.
    balloonPending = 1;
    return shown;
}

void Master::showWorkEndNotice() {
    // The phase changes first, so a click that arrives at once already starts the rest.
    property->phase = WorkOver;
    showBalloon(texts::get(texts::BalloonWorkEnd), texts::get(texts::BalloonClickForRest));
}

void Master::showOverrunNotice() {
    char title[OverrunTitleSize];
    long long overrun = static_cast<long long>(property->elapsedMinutes) - property->workMinutes;
    std::snprintf(title, sizeof title, texts::get(texts::BalloonOverrun), overrun);
    showBalloon(title, texts::get(texts::BalloonClickForRest));
}

void Master::showRestEndNotice() {
    property->phase = RestOver;
    if (!personAway()) {
        restEndWaiting = false;
        showBalloon(texts::get(texts::BalloonRestEnd), texts::get(texts::BalloonClickForWork));
        return;
    }
    // A balloon fades unseen at an empty desk. The rest end is still pending, so a click on
    // the icon moves on as after the balloon; the balloon itself comes when they are back.
    restEndWaiting = true;
    balloonPending = 1;
}

void Master::showWaitingRestEnd() {
    if (!restEndWaiting) return;
    // Work started by a click or a menu command in the meantime: the rest end is answered.
    if (property->phase != RestOver) {
        restEndWaiting = false;
        return;
    }
    if (!personAway()) showRestEndNotice();
}

void Master::showPauseEndNotice() {
    // Work has already started: there is nothing for a click to move on, so no
    // balloonPending.
    platform::showBalloon(mainWindow, texts::get(texts::BalloonPauseEnd), texts::get(texts::BalloonWorkResumed));
}
