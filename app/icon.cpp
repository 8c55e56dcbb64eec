#include "app/icon.h"

#include <cstdio>

#include "app/master.h"
#include "platform/texts.h"
#include "timer/property.h"

namespace {

// Differences of two stored minute counts, formed in 64 bits: lengths read from a damaged
// param.dat can be anywhere in the 32-bit range, and the difference must still print as
// the true number (at most eleven characters, so every tip stays well inside its buffer).
long long minus(int32_t a, int32_t b) { return static_cast<long long>(a) - b; }

}  // namespace

void Icon::loadIcons() {
    grayIcon = platform::loadIcon("IDI_GRAY");
    overIcon = platform::loadIcon("IDI_DRED");
    char name[16];
    for (int n = 1; n <= 12; ++n) {
        std::snprintf(name, sizeof name, "IDI_RED%d", n);
        workIcons[n - 1] = platform::loadIcon(name);
        std::snprintf(name, sizeof name, "IDI_BLUE%d", n);
        restIcons[n - 1] = platform::loadIcon(name);
    }
    step = 0;
}

int32_t Icon::progressStep() const {
    const Property& p = *master->property;
    int64_t total = 0;
    if (p.phase == Working) total = p.workMinutes;
    else if (p.phase == Resting) total = p.currentRestMinutes;
    else return 0;
    // A length of 0 is accepted by the settings (the period then ends at the next tick),
    // and a damaged param.dat can hold a negative one. Either way the period is as good
    // as over, so the last picture of the series is shown; nothing is divided by it.
    if (total <= 0) return 11;
    int64_t s = 12 * static_cast<int64_t>(p.elapsedMinutes) / total;
    if (s >= 12) return 11;
    if (s < 0) return 0;
    return static_cast<int32_t>(s);
}

void Icon::showStopped() {
    platform::TrayData& tray = master->trayData;
    tray.icon = grayIcon;
    if (master->pauseMinutesLeft > 0)
        std::snprintf(tray.tip, sizeof tray.tip, texts::get(texts::TipPaused), static_cast<int>(master->pauseMinutesLeft));
    else
        std::snprintf(tray.tip, sizeof tray.tip, "%s", texts::get(texts::TipStopped));
}

void Icon::showPhase() {
    const Property& p = *master->property;
    platform::TrayData& tray = master->trayData;
    char* tip = tray.tip;
    const size_t size = sizeof tray.tip;
    switch (p.phase) {
    case Stopped:
        showStopped();
        break;
    case Working:
        step = 0;
        tray.icon = workIcons[0];
        std::snprintf(tip, size, texts::get(texts::TipWorkStart), minus(p.workMinutes, p.elapsedMinutes),
                      static_cast<int>(p.workMinutes));
        break;
    case WorkOver:
        tray.icon = overIcon;
        std::snprintf(tip, size, "%s", texts::get(texts::TipWorkOver));
        break;
    case Resting:
        step = 0;
        tray.icon = restIcons[0];
        std::snprintf(tip, size, texts::get(texts::TipRestStart), minus(p.currentRestMinutes, p.elapsedMinutes),
                      static_cast<int>(p.currentRestMinutes));
        break;
    case RestOver:
        tray.icon = grayIcon;
        std::snprintf(tip, size, "%s", texts::get(texts::TipRestOver));
        break;
    default:
        break;
    }
    platform::notifyIcon(platform::TrayOp::Modify, tray);
}

void Icon::showMinute() {
    const Property& p = *master->property;
    platform::TrayData& tray = master->trayData;
    char* tip = tray.tip;
    const size_t size = sizeof tray.tip;
    switch (p.phase) {
    case Stopped:
        showStopped();
        break;
    case Working:
        step = progressStep();
        tray.icon = workIcons[static_cast<size_t>(step)];
        std::snprintf(tip, size, texts::get(texts::TipWorking), minus(p.workMinutes, p.elapsedMinutes),
                      static_cast<int>(p.elapsedMinutes), static_cast<int>(p.workMinutes));
        break;
    case WorkOver:
        tray.icon = overIcon;
        std::snprintf(tip, size, texts::get(texts::TipWorkOverrun), minus(p.elapsedMinutes, p.workMinutes));
        break;
    case Resting:
        step = progressStep();
        tray.icon = restIcons[static_cast<size_t>(step)];
        std::snprintf(tip, size, texts::get(texts::TipResting), minus(p.currentRestMinutes, p.elapsedMinutes),
                      static_cast<int>(p.elapsedMinutes), static_cast<int>(p.currentRestMinutes));
        break;
    case RestOver:
        tray.icon = grayIcon;
        std::snprintf(tip, size, texts::get(texts::TipRestOverrun), minus(p.elapsedMinutes, p.currentRestMinutes));
        break;
    default:
        return;  // an unknown phase changes nothing
    }
    platform::notifyIcon(platform::TrayOp::Modify, tray);
}
