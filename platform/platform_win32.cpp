// The Win32 side of the seam declared in platform/platform.h.
#include <windows.h>
#include <shellapi.h>
#include <vfw.h>
#include <wtsapi32.h>

#include <io.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "platform/platform.h"
#include "platform/system_library_win32.h"
#include "platform/tray_win32.h"
#include "platform/wide_path_win32.h"
#include "platform/wide_text_win32.h"

// The shipped program is 32-bit and cannot be run here, so the record layouts it hands
// to the system are checked when it is compiled.
#if defined(_WIN32) && !defined(_WIN64)
static_assert(NOTIFYICONDATAW_V2_SIZE == 936, "shell version 5 tray record");
static_assert(sizeof(MENUITEMINFOA) == 48, "menu item record");
#endif

namespace platform {
namespace {

DWORD lastTrayError = 0;

// shell32 is loaded from the system folder, not imported: its own imports forward to
// shcore, which Wine then looks for beside the program first.
BOOL shellNotify(DWORD message, NOTIFYICONDATAW* data) {
    static const auto notify = systemlib::function<decltype(&Shell_NotifyIconW)>("shell32.dll", "Shell_NotifyIconW");
    return notify ? notify(message, data) : FALSE;
}
// Every call to the shell wakes it and this program for a round of messages (a hundred
// context switches under Wine when a picture goes along, a dozen for a tip alone), and
// the tip changes every minute while nobody looks at it. So a change that keeps the
// picture only records the new tip, and the tip reaches the shell when the pointer
// comes to the icon (the shell reports that with a tray callback before it shows the
// tip) or with the next picture.
bool trayShown = false;
HICON shownTrayIcon = nullptr;  // the picture the shell holds
NOTIFYICONDATAW pendingTip;
bool tipPending = false;

HINSTANCE instance() { return GetModuleHandleA(nullptr); }

void fillTray(NOTIFYICONDATAW& nid, const TrayData& data) {
    std::memset(&nid, 0, sizeof nid);
    nid.cbSize = NOTIFYICONDATAW_V2_SIZE;
    nid.hWnd = static_cast<HWND>(data.window);
    nid.uID = 0;
    nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    nid.uCallbackMessage = 0x8064;
    nid.hIcon = static_cast<HICON>(data.icon);
    // The tip's 128 bytes of code page 932 never hold more than 127 characters.
    char tip[sizeof data.tip + 1] = {};
    std::memcpy(tip, data.tip, sizeof data.tip);
    widetext::copyTo(nid.szTip, ARRAYSIZE(nid.szTip), tip);
}

}  // namespace

// _time64: the 32-bit build's time_t would end in January 2038.
int64_t currentTime() { return static_cast<int64_t>(_time64(nullptr)); }

ClockTime localClock() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    ClockTime at;
    at.hour = now.wHour;
    at.minute = now.wMinute;
    return at;
}

std::string currentDirectory() {
    // Any length and any script: the folder is named by its UTF-16 name, not the ANSI one.
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    if (size == 0) return ".";
    std::vector<wchar_t> buffer(size);
    const DWORD n = GetCurrentDirectoryW(size, buffer.data());
    if (n == 0 || n >= size) return ".";
    return wideToUtf8(buffer.data());
}

std::FILE* openFile(const std::string& path, const char* mode) {
    return _wfopen(utf8ToWide(path).c_str(), utf8ToWide(mode).c_str());
}

bool flushToDisk(std::FILE* file) {
    const intptr_t handle = _get_osfhandle(_fileno(file));
    return handle != -1 && FlushFileBuffers(reinterpret_cast<HANDLE>(handle)) != 0;
}

bool replaceFile(const std::string& from, const std::string& to) {
    return MoveFileExW(utf8ToWide(from).c_str(), utf8ToWide(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool truncateFile(const std::string& path, uint64_t size) {
    HANDLE file = CreateFileW(utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(size);
    bool ok = SetFilePointerEx(file, position, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    // The cut must reach the disk before a record is appended behind it.
    ok = ok && FlushFileBuffers(file);
    CloseHandle(file);
    return ok;
}

bool deleteFile(const std::string& path) { return DeleteFileW(utf8ToWide(path).c_str()) != 0; }

bool notifyIcon(TrayOp op, const TrayData& data) {
    NOTIFYICONDATAW nid;
    fillTray(nid, data);
    if (op == TrayOp::Modify && trayShown && nid.hIcon == shownTrayIcon) {
        pendingTip = nid;
        pendingTip.uFlags = NIF_TIP;
        tipPending = true;
        return true;
    }
    DWORD message = op == TrayOp::Add ? NIM_ADD : op == TrayOp::Modify ? NIM_MODIFY : NIM_DELETE;
    SetLastError(0);
    BOOL ok = shellNotify(message, &nid);
    if (!ok) lastTrayError = GetLastError();
    if (op == TrayOp::Delete) {
        trayShown = false;
    } else if (ok) {
        trayShown = true;
        shownTrayIcon = nid.hIcon;
    }
    if (ok || op == TrayOp::Delete) tipPending = false;  // the tip went along, or has no icon left
    return ok != 0;
}

void showPendingTrayTip() {
    if (!tipPending) return;
    tipPending = false;
    shellNotify(NIM_MODIFY, &pendingTip);
}

bool lastTrayFailureWasTimeout() { return lastTrayError == ERROR_TIMEOUT; }

bool showBalloon(WindowHandle window, const char* title, const char* text) {
    NOTIFYICONDATAW nid;
    std::memset(&nid, 0, sizeof nid);
    nid.cbSize = NOTIFYICONDATAW_V2_SIZE;
    nid.hWnd = static_cast<HWND>(window);
    nid.uID = 0;
    nid.uFlags = NIF_INFO;
    nid.uTimeout = 10000;
    nid.dwInfoFlags = NIIF_INFO;
    widetext::copyTo(nid.szInfoTitle, ARRAYSIZE(nid.szInfoTitle), title);
    widetext::copyTo(nid.szInfo, ARRAYSIZE(nid.szInfo), text);
    return shellNotify(NIM_MODIFY, &nid) != 0;
}

IconHandle loadIcon(const char* name) {
    // The small-icon size the system asks for: 16 px at 96 DPI, 20, 24 or 32 px above it.
    return LoadImageA(instance(), name, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                      LR_DEFAULTCOLOR);
}

MenuHandle loadMenu(const char* name) { return LoadMenuA(instance(), name); }
MenuHandle subMenu(MenuHandle menu, int position) { return GetSubMenu(static_cast<HMENU>(menu), position); }
void destroyMenu(MenuHandle menu) { DestroyMenu(static_cast<HMENU>(menu)); }

int32_t menuItemState(MenuHandle menu, unsigned id) {
    MENUITEMINFOA info;
    std::memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    if (!GetMenuItemInfoA(static_cast<HMENU>(menu), id, FALSE, &info)) return -1;
    return static_cast<int32_t>(info.fState);
}

void setMenuItemState(MenuHandle menu, unsigned id, uint32_t state) {
    MENUITEMINFOA info;
    std::memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    info.fState = state;
    SetMenuItemInfoA(static_cast<HMENU>(menu), id, FALSE, &info);
}

void setMenuItemText(MenuHandle menu, unsigned id, const char* text) {
    const widetext::Wide wide(text);
    MENUITEMINFOW info;
    std::memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<wchar_t*>(wide.get());
    SetMenuItemInfoW(static_cast<HMENU>(menu), id, FALSE, &info);
}

bool userLanguageIsJapanese() { return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE; }

void trackPopupMenu(MenuHandle popup, WindowHandle owner, int x, int y) {
    TrackPopupMenu(static_cast<HMENU>(popup), TPM_LEFTALIGN | TPM_BOTTOMALIGN, x, y, 0, static_cast<HWND>(owner),
                   nullptr);
}

void setForegroundWindow(WindowHandle window) { SetForegroundWindow(static_cast<HWND>(window)); }

void moveWindow(WindowHandle window, int x, int y, int width, int height, bool repaint) {
    MoveWindow(static_cast<HWND>(window), x, y, width, height, repaint ? TRUE : FALSE);
}

void setWindowOpacity(WindowHandle window, uint8_t alpha) {
    SetLayeredWindowAttributes(static_cast<HWND>(window), 0, alpha, LWA_ALPHA);
}

void invalidateWindow(WindowHandle window) { InvalidateRect(static_cast<HWND>(window), nullptr, TRUE); }

namespace {
bool ownedByThisThread(HWND window) { return GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId(); }
}  // namespace

void setWindowTimer(WindowHandle window, unsigned id, unsigned milliseconds) {
    HWND w = static_cast<HWND>(window);
    if (!ownedByThisThread(w)) {
        PostMessageA(w, WindowTimerRequestMessage, id, static_cast<LPARAM>(milliseconds));
        return;
    }
    SetTimer(w, id, milliseconds, nullptr);
}

void killWindowTimer(WindowHandle window, unsigned id) {
    HWND w = static_cast<HWND>(window);
    if (!ownedByThisThread(w)) {
        PostMessageA(w, WindowTimerRequestMessage, id, 0);
        return;
    }
    KillTimer(w, id);
}

void closeWindow(WindowHandle window) { SendMessageA(static_cast<HWND>(window), WM_CLOSE, 0, 0); }

void quitMessageLoop() { PostQuitMessage(0); }

Point cursorPosition() {
    POINT p = {0, 0};
    GetCursorPos(&p);
    return Point{p.x, p.y};
}

int screenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int screenHeight() { return GetSystemMetrics(SM_CYSCREEN); }
bool leftButtonDown() { return GetKeyState(VK_LBUTTON) < 0; }

void messageBox(WindowHandle owner, const char* text, const char* caption, unsigned style) {
    MessageBoxW(static_cast<HWND>(owner), widetext::Wide(text), widetext::Wide(caption), style);
}

void messageBeep(uint32_t type) { MessageBeep(type); }

namespace {
// The MCI window brings msvfw32 with msacm32 and winmm, and it only ever plays a WAV file
// picked during this run. So the sound is handed a hidden stand-in child window of the
// same parent at start; the real MCI window is made, beside it, when the first file is
// opened, and from then on the stand-in passes the MCI messages on to it. Everything is
// on the UI thread: the notice worker's messages are sent, so the stand-in handles them
// there, and a window the worker made would vanish with the worker.
constexpr char MciStandInClass[] = "RestWardenSound";

HWND realMciWindow(HWND standIn) { return reinterpret_cast<HWND>(GetWindowLongPtrA(standIn, GWLP_USERDATA)); }

HWND makeRealMciWindow(HWND standIn) {
    auto create = systemlib::function<decltype(&MCIWndCreateA)>("msvfw32.dll", "MCIWndCreateA");
    if (!create) return nullptr;
    HWND parent = GetParent(standIn);
    HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    HWND mci = create(parent, inst, WS_CHILD | MCIWNDF_NOPLAYBAR | MCIWNDF_NOMENU, nullptr);
    SetWindowLongPtrA(standIn, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(mci));
    return mci;
}

LRESULT CALLBACK mciStandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND mci = realMciWindow(window);
    switch (message) {
    case MCIWNDM_OPENA:
    case MCIWNDM_OPENW:  // a path that the system's code page cannot spell
        if (!mci) mci = makeRealMciWindow(window);
        return mci ? SendMessageA(mci, message, wParam, lParam) : 0;
    case MCI_CLOSE:
    case MCI_PLAY:
        // Before the first file there is nothing to close or play.
        return mci ? SendMessageA(mci, message, wParam, lParam) : 0;
    case WM_CLOSE:
        if (mci) SendMessageA(mci, WM_CLOSE, 0, 0);
        DestroyWindow(window);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
}  // namespace

WindowHandle createMciWindow(WindowHandle parent) {
    HWND owner = static_cast<HWND>(parent);
    HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
    WNDCLASSA wc = {};
    wc.lpfnWndProc = mciStandInProc;
    wc.hInstance = inst;
    wc.lpszClassName = MciStandInClass;
    RegisterClassA(&wc);  // fails harmlessly when the class already stands
    return CreateWindowExA(0, MciStandInClass, "", WS_CHILD, 0, 0, 0, 0, owner, nullptr, inst, nullptr);
}

intptr_t sendMessage(WindowHandle window, unsigned message, uintptr_t wParam, intptr_t lParam) {
    return static_cast<intptr_t>(
        SendMessageA(static_cast<HWND>(window), message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam)));
}

namespace {
// The routine travels to the new thread inside a small record rather than as a function
// pointer squeezed into LPVOID, so no cast can hide a mismatch.
struct ThreadStart {
    void (*routine)();
};

DWORD WINAPI threadTrampoline(LPVOID parameter) {
    ThreadStart* start = static_cast<ThreadStart*>(parameter);
    void (*routine)() = start->routine;
    delete start;
    routine();
    return 0;
}
}  // namespace

bool startThread(void (*routine)(), uint32_t* threadId) {
    DWORD id = 0;
    ThreadStart* start = new ThreadStart{routine};
    HANDLE thread = CreateThread(nullptr, 0, threadTrampoline, start, 0, &id);
    if (!thread) {
        delete start;
        return false;
    }
    CloseHandle(thread);  // nobody waits for it
    if (threadId) *threadId = id;
    return true;
}

void sleepMilliseconds(unsigned milliseconds) { Sleep(milliseconds); }

uint64_t monotonicMilliseconds() { return GetTickCount64(); }

InputTicks inputTicks() {
    LASTINPUTINFO info;
    info.cbSize = sizeof info;
    info.dwTime = 0;
    const BOOL known = GetLastInputInfo(&info);
    InputTicks ticks;
    ticks.now = GetTickCount();
    // Without an answer the input is taken as now: never away rather than away by mistake.
    ticks.lastInput = known ? info.dwTime : ticks.now;
    return ticks;
}

void watchSessionChanges(WindowHandle window) {
    // wtsapi32 is not one of the DLLs Windows always takes from its own folder: imported, it
    // would be looked for beside the program first.
    if (auto watch = systemlib::function<decltype(&WTSRegisterSessionNotification)>("wtsapi32.dll", "WTSRegisterSessionNotification"))
        watch(static_cast<HWND>(window), NOTIFY_FOR_THIS_SESSION);
}

void unwatchSessionChanges(WindowHandle window) {
    if (auto unwatch = systemlib::function<decltype(&WTSUnRegisterSessionNotification)>("wtsapi32.dll", "WTSUnRegisterSessionNotification"))
        unwatch(static_cast<HWND>(window));
}

}  // namespace platform
