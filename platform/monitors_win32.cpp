#include "platform/monitors_win32.h"

#include "platform/platform.h"
#include "platform/system_library_win32.h"

namespace platform {
namespace {

using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

BOOL CALLBACK collect(HMONITOR monitor, HDC, LPRECT, LPARAM parameter) {
    auto* list = reinterpret_cast<std::vector<MonitorArea>*>(parameter);
    MONITORINFO info;
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) return TRUE;
    const RECT& r = info.rcMonitor;
    MonitorArea area{r.left, r.top, r.right - r.left, r.bottom - r.top, monitorDpi(monitor)};
    if (info.dwFlags & MONITORINFOF_PRIMARY) list->insert(list->begin(), area);
    else list->push_back(area);
    return TRUE;
}

}  // namespace

int systemDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : DesignDpi;
}

int monitorDpi(HMONITOR monitor) {
    static const auto getDpiForMonitor = systemlib::function<GetDpiForMonitorFn>("shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    // 0 is MDT_EFFECTIVE_DPI, the scale the user chose for that monitor.
    if (getDpiForMonitor && monitor && SUCCEEDED(getDpiForMonitor(monitor, 0, &x, &y)) && y > 0)
        return static_cast<int>(y);
    return systemDpi();
}

int windowDpi(HWND window) {
    static const auto getDpiForWindow = systemlib::function<GetDpiForWindowFn>("user32.dll", "GetDpiForWindow");
    if (getDpiForWindow && window) {
        UINT dpi = getDpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return monitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY));
}

std::vector<MonitorArea> monitors() {
    std::vector<MonitorArea> list;
    EnumDisplayMonitors(nullptr, nullptr, collect, reinterpret_cast<LPARAM>(&list));
    if (list.empty() || list[0].left != 0 || list[0].top != 0) {
        // No list, or no primary in it: the primary screen as the metrics give it.
        MonitorArea primary{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), systemDpi()};
        list.insert(list.begin(), primary);
    }
    return list;
}

}  // namespace platform
