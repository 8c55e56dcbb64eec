#include "notice/quiet_rule.h"

namespace {

constexpr int QunsBusy = 2;
constexpr int QunsRunningD3dFullScreen = 3;
constexpr int QunsPresentationMode = 4;

// The desktop and the taskbar cover the screen (or its width) without anybody being busy.
bool isShellSurface(const platform::ForegroundWindow& w) {
    return w.isDesktop || w.className == "Progman" || w.className == "WorkerW" || w.className == "Shell_TrayWnd" ||
           w.className == "Shell_SecondaryTrayWnd";
}

bool covers(const platform::Rect& outer, const platform::Rect& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

}  // namespace

bool personIsBusy(int notificationState, const platform::ForegroundWindow& foreground) {
    if (notificationState == QunsBusy || notificationState == QunsRunningD3dFullScreen ||
        notificationState == QunsPresentationMode)
        return true;
    const platform::Rect& m = foreground.monitor;
    if (!foreground.present || isShellSurface(foreground) || m.right <= m.left || m.bottom <= m.top) return false;
    return covers(foreground.client, m);
}
