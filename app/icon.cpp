#include "app/icon.h"

#include <cstdio>

#include "app/master.h"
#include "timer/property.h"

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
    // A zero or negative length (accepted by the settings, or read from a damaged file)
    // never divides and never indexes outside the twelve pictures: it shows the full face.
    if (total <= 0) return 11;
    int64_t s = 12 * static_cast<int64_t>(p.elapsedMinutes) / total;
    if (s >= 12) return 11;
    if (s < 0) return 0;
    return static_cast<int32_t>(s);
}

void Icon::showPhase() {
    const Property& p = *master->property;
    platform::TrayData& tray = master->trayData;
    auto& tip = tray.tip;
    switch (p.phase) {
    case Stopped:
        tray.icon = grayIcon;
        std::snprintf(tip, sizeof tip, "停止中です");
        break;
    case Working:
        step = 0;
        tray.icon = workIcons[0];
        std::snprintf(tip, sizeof tip, "作業中です。あと%d分 [0 / %d分]",
                      static_cast<int>(static_cast<int64_t>(p.workMinutes) - p.elapsedMinutes), p.workMinutes);
        break;
    case WorkOver:
        tray.icon = overIcon;
        std::snprintf(tip, sizeof tip, "作業終了です");
        break;
    case Resting:
        step = 0;
        tray.icon = restIcons[0];
        std::snprintf(tip, sizeof tip, "休憩中。あと%d分 [0 / %d分]",
                      static_cast<int>(static_cast<int64_t>(p.currentRestMinutes) - p.elapsedMinutes),
                      p.currentRestMinutes);
        break;
    case RestOver:
        tray.icon = grayIcon;
        std::snprintf(tip, sizeof tip, "休憩終了です");
        break;
    default:
        break;
    }
    platform::notifyIcon(platform::TrayOp::Modify, tray);
}

void Icon::showMinute() {
    const Property& p = *master->property;
    platform::TrayData& tray = master->trayData;
    auto& tip = tray.tip;
    // Differences are formed in 64 bits so that extreme stored lengths cannot overflow.
    switch (p.phase) {
    case Stopped:
        tray.icon = grayIcon;
        std::snprintf(tip, sizeof tip, "停止中です");
        break;
    case Working:
        step = progressStep();
        tray.icon = workIcons[static_cast<size_t>(step)];
        std::snprintf(tip, sizeof tip, "作業中です。あと%d分 [%d / %d分]",
                      static_cast<int>(static_cast<int64_t>(p.workMinutes) - p.elapsedMinutes), p.elapsedMinutes,
                      p.workMinutes);
        break;
    case WorkOver:
        tray.icon = overIcon;
        std::snprintf(tip, sizeof tip, "作業終了。%d分経過です…",
                      static_cast<int>(static_cast<int64_t>(p.elapsedMinutes) - p.workMinutes));
        break;
    case Resting:
        step = progressStep();
        tray.icon = restIcons[static_cast<size_t>(step)];
        std::snprintf(tip, sizeof tip, "休憩中です。あと%d分 [%d / %d分]",
                      static_cast<int>(static_cast<int64_t>(p.currentRestMinutes) - p.elapsedMinutes),
                      p.elapsedMinutes, p.currentRestMinutes);
        break;
    case RestOver:
        tray.icon = grayIcon;
        std::snprintf(tip, sizeof tip, "休憩終了。%d分経過です…",
                      static_cast<int>(static_cast<int64_t>(p.elapsedMinutes) - p.currentRestMinutes));
        break;
    default:
        return;  // an unknown phase changes nothing
    }
    platform::notifyIcon(platform::TrayOp::Modify, tray);
}
