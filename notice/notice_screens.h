// Which windows a notice run moves, and over which monitor each.
//
// Master's notice window always covers the primary monitor. For every further monitor the
// UI thread keeps one more notice window (created parked, like the first); it changes that
// set only between runs, and the worker takes a copy at the start of each run.
#pragma once

#include <vector>

#include "platform/platform.h"

struct NoticeScreen {
    platform::WindowHandle window = nullptr;
    platform::MonitorArea area;
};

// The further windows, in the order of the monitors after the primary.
void setExtraNoticeWindows(const std::vector<platform::WindowHandle>& windows);
std::vector<platform::WindowHandle> extraNoticeWindows();

// The screens of one run: the primary window over the first monitor and, with
// `allMonitors`, each further window over its monitor, as far as both exist.
std::vector<NoticeScreen> noticeScreens(platform::WindowHandle primary,
                                        const std::vector<platform::WindowHandle>& extras,
                                        const std::vector<platform::MonitorArea>& monitors, bool allMonitors);
