#include "tests/support/fake_platform.h"

#include <iconv.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>

namespace {
std::unique_ptr<FakePlatform> instance;
int menuBar, popupMenu, mciWindow;  // distinct handles the product only compares and passes back

std::string str(const char* s) { return s ? s : "(null)"; }

std::string utf8Of(const char16_t* text) {  // through iconv, apart from the product's own conversion
    std::u16string in(text);
    std::string out(in.size() * 4, '\0');
    char *from = reinterpret_cast<char*>(&in[0]), *to = &out[0];
    size_t left = in.size() * 2, room = out.size();
    iconv_t cd = iconv_open("UTF-8", "UTF-16LE");
    iconv(cd, &from, &left, &to, &room);
    iconv_close(cd);
    return out.substr(0, out.size() - room);
}

// The next of the queued results (consumed); true once the queue is empty.
bool next(std::vector<bool>& results) {
    const bool ok = results.empty() || results.front();
    if (!results.empty()) results.erase(results.begin());
    return ok;
}

// Records a call that also goes to the window's own list.
void windowCall(platform::WindowHandle window, const std::string& line) {
    std::lock_guard<std::mutex> guard(fake().record(line).lock);
    fake().windowCalls[window].push_back(line);
}
}  // namespace

FakePlatform& fake() {
    if (!instance) resetFake();
    return *instance;
}
void resetFake() { instance = std::make_unique<FakePlatform>(); }

void FakePlatform::runThreads() {
    for (std::unique_lock<std::mutex> guard(lock); !threads.empty(); guard.lock()) {
        void (*routine)() = threads.front();
        threads.erase(threads.begin());
        guard.unlock();  // the routine records calls of its own
        routine();
    }
}

namespace platform {

int64_t currentTime() { return fake().now; }

ClockTime localClock() {
    if (fake().clock) return *fake().clock;
    const std::time_t now = static_cast<std::time_t>(fake().now);
    std::tm local{};
    localtime_r(&now, &local);
    return ClockTime{local.tm_hour, local.tm_min};
}

std::string currentDirectory() { return std::filesystem::current_path().string(); }
std::FILE* openFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }
bool flushToDisk(std::FILE* file) {
    fake().record("flushToDisk");
    return ::fsync(fileno(file)) == 0;
}
bool replaceFile(const std::string& from, const std::string& to) {
    fake().record("replaceFile " + std::filesystem::path(to).filename().string());
    return std::rename(from.c_str(), to.c_str()) == 0;
}
bool truncateFile(const std::string& path, uint64_t size) { return ::truncate(path.c_str(), size) == 0; }
bool deleteFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

bool notifyIcon(TrayOp op, const TrayData& data) {
    FakePlatform& f = fake();
    const bool add = op == TrayOp::Add, modify = op == TrayOp::Modify;
    f.record(std::string("notifyIcon ") + (add ? "Add " : modify ? "Modify " : "Delete ") + data.tip);
    const bool ok = add ? next(f.trayAddResults) : modify ? next(f.trayModifyResults) : true;
    if (ok) f.tray = data;
    return ok;
}
bool lastTrayFailureWasTimeout() { return fake().trayFailureIsTimeout; }

bool showBalloon(WindowHandle, const char* title, const char* text) {
    FakePlatform& f = fake().record("showBalloon " + str(title) + " / " + str(text));
    f.balloonTitle = str(title);
    f.balloonText = str(text);
    ++f.balloons;
    return f.balloonResult;
}

IconHandle loadIcon(const char* name) {
    static std::map<std::string, std::string> names;  // one distinct handle per picture
    return const_cast<char*>(names.emplace(name, name).first->second.c_str());
}

MenuHandle loadMenu(const char* name) {
    fake().record("loadMenu " + str(name));
    for (unsigned id : {40001u, 40002u, 40003u, 40004u, 40005u, 40006u, 40007u, 40011u, 40012u, 40013u, 40014u, 40021u})
        fake().menuStates[id] = 0;
    return &menuBar;
}
MenuHandle subMenu(MenuHandle, int) { return &popupMenu; }
void destroyMenu(MenuHandle) { fake().record("destroyMenu"); }
int32_t menuItemState(MenuHandle, unsigned id) {
    return fake().menuStates.count(id) ? static_cast<int32_t>(fake().menuStates.at(id)) : -1;
}
void setMenuItemState(MenuHandle, unsigned id, uint32_t state) {
    fake().record("setMenuItemState " + std::to_string(id) + " " + std::to_string(state)).menuStates[id] = state;
}
void setMenuItemText(MenuHandle, unsigned id, const char* text) { fake().menuTexts[id] = text; }
bool userLanguageIsJapanese() { return fake().japaneseUser; }
void trackPopupMenu(MenuHandle, WindowHandle, int x, int y) {
    fake().record("trackPopupMenu " + std::to_string(x) + "," + std::to_string(y));
}

void setForegroundWindow(WindowHandle) { fake().record("setForegroundWindow"); }
void moveWindow(WindowHandle window, int x, int y, int width, int height, bool repaint) {
    windowCall(window, "moveWindow " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(width) + "x" +
                           std::to_string(height) + (repaint ? " repaint" : " norepaint"));
}
void setWindowOpacity(WindowHandle window, uint8_t alpha) { windowCall(window, "opacity " + std::to_string(alpha)); }
void invalidateWindow(WindowHandle) { fake().record("invalidate"); }
void setWindowTimer(WindowHandle, unsigned id, unsigned ms) {
    fake().record("setTimer " + std::to_string(id) + " " + std::to_string(ms));
}
void killWindowTimer(WindowHandle, unsigned id) { fake().record("killTimer " + std::to_string(id)); }
void closeWindow(WindowHandle) { fake().record("closeWindow"); }
void quitMessageLoop() { fake().record("quit"); }

Point cursorPosition() { return fake().cursor; }
int screenWidth() { return fake().screenWidth; }
int screenHeight() { return fake().screenHeight; }
std::vector<MonitorArea> monitors() {
    if (!fake().monitors.empty()) return fake().monitors;
    return {MonitorArea{0, 0, fake().screenWidth, fake().screenHeight, DesignDpi}};
}
bool leftButtonDown() { return fake().leftButton; }
int userNotificationState() { return 5; }  // QUNS_ACCEPTS_NOTIFICATIONS
ForegroundWindow foregroundWindow() { return fake().foreground; }
bool startupShortcutExists() { return fake().startupShortcut; }
bool setStartupShortcut(bool present, const std::string& folder) {
    FakePlatform& f = fake().record("setStartupShortcut " + std::to_string(present) + " " + folder);
    if (!f.startupShortcutFails) f.startupShortcut = present;
    return !f.startupShortcutFails;
}

void messageBox(WindowHandle, const char* text, const char* caption, unsigned style) {
    FakePlatform& f = fake().record("messageBox " + str(caption) + " " + str(text) + " " + std::to_string(style));
    if (f.onMessageBox) f.onMessageBox(str(text));
}
void messageBeep(uint32_t type) { fake().record("messageBeep " + std::to_string(type)).beeps.push_back(type); }
WindowHandle createMciWindow(WindowHandle) {
    fake().record("createMciWindow");
    return &mciWindow;
}
intptr_t sendMessage(WindowHandle, unsigned message, uintptr_t wParam, intptr_t lParam) {
    char head[32];
    std::snprintf(head, sizeof head, "0x%x %lu ", message, static_cast<unsigned long>(wParam));
    // The open messages carry a path (the wide one shown as UTF-8); the others should carry 0,
    // which is shown as is.
    std::string end = message == 0x499 && lParam ? reinterpret_cast<const char*>(lParam) : std::to_string(lParam);
    if (message == 0x4FC && lParam) end = utf8Of(reinterpret_cast<const char16_t*>(lParam));
    const std::string text = head + end;
    fake().record("sendMessage " + text).mciMessages.push_back(text);
    return 0;
}

bool startThread(void (*routine)(), uint32_t* threadId) {
    FakePlatform& f = fake().record("startThread");
    if (f.threadStartFails) return false;
    std::lock_guard<std::mutex> guard(f.lock);
    f.threads.push_back(routine);
    if (threadId) *threadId = static_cast<uint32_t>(f.threads.size());
    return true;
}
void sleepMilliseconds(unsigned ms) { fake().record("sleep " + std::to_string(ms)).monotonic += ms; }
uint64_t monotonicMilliseconds() { return fake().monotonic; }

InputTicks inputTicks() { return fake().input; }
void watchSessionChanges(WindowHandle) { fake().record("watchSessionChanges"); }
void unwatchSessionChanges(WindowHandle) { fake().record("unwatchSessionChanges"); }
void runDialog(Dialog which, WindowHandle) {
    FakePlatform& f = fake().record("runDialog " + std::to_string(static_cast<int>(which)));
    if (f.onDialog) f.onDialog(which);
}

}  // namespace platform
