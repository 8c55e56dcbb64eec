#include "notice/notice_screens.h"

#include <atomic>

namespace {

// The UI thread writes the set, the worker copies it; a spin lock is enough for a copy of
// a few handles, and needs nothing from the thread library.
std::atomic_flag extrasLock = ATOMIC_FLAG_INIT;
std::vector<platform::WindowHandle> extras;

class Guard {
public:
    Guard() {
        while (extrasLock.test_and_set(std::memory_order_acquire)) {
        }
    }
    ~Guard() { extrasLock.clear(std::memory_order_release); }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;
};

}  // namespace

void setExtraNoticeWindows(const std::vector<platform::WindowHandle>& windows) {
    Guard guard;
    extras = windows;
}

std::vector<platform::WindowHandle> extraNoticeWindows() {
    Guard guard;
    return extras;
}

std::vector<NoticeScreen> noticeScreens(platform::WindowHandle primary,
                                        const std::vector<platform::WindowHandle>& extras,
                                        const std::vector<platform::MonitorArea>& monitors, bool allMonitors) {
    std::vector<NoticeScreen> screens;
    if (monitors.empty()) return screens;
    screens.push_back(NoticeScreen{primary, monitors[0]});
    if (!allMonitors) return screens;
    for (size_t i = 1; i < monitors.size() && i - 1 < extras.size(); ++i)
        if (extras[i - 1]) screens.push_back(NoticeScreen{extras[i - 1], monitors[i]});
    return screens;
}
