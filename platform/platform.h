// The one seam between the program's logic and the operating system.
//
// Everything the logic needs from Windows is a free function here. The Win32 build links
// the *_win32.cpp implementations; the unit tests link tests/support/fake_platform.cpp,
// which records every call and lets a test set the clock, the cursor and the screen.
// Nothing here includes <windows.h>: handles are opaque pointers.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace platform {

using WindowHandle = void*;
using IconHandle = void*;
using MenuHandle = void*;

// ---- Clock ---------------------------------------------------------------------------
// Seconds since 1970-01-01 UTC, as the C runtime's time() gives them.
int64_t currentTime();
// The local wall clock's hour and minute now (GetLocalTime): the system's time zone, not
// the C runtime's TZ, and no end in 2038 for the 32-bit build.
struct ClockTime {
    int hour = 0;
    int minute = 0;
};
ClockTime localClock();

// ---- Files ---------------------------------------------------------------------------
// Paths are UTF-8 whatever the system's code page, so that a folder named in any script
// (表 on an English system, Zürich on a Japanese one) holds the files; the Win32 side hands
// them to the wide file functions.
// The folder the program started in; fixed once at start so that nothing that changes
// the current directory later moves the data files.
std::string currentDirectory();
// fopen of a UTF-8 path. Null when it cannot be opened.
std::FILE* openFile(const std::string& path, const char* mode);
// Pushes what was written to the open file down to the disk (FlushFileBuffers), so that a
// power cut after a later rename never finds the new name over missing data.
bool flushToDisk(std::FILE* file);
// Renames `from` over `to`, replacing `to` if it exists, as one step of the file system.
bool replaceFile(const std::string& from, const std::string& to);
// Cuts a file to `size` bytes (used to drop a torn tail before appending).
bool truncateFile(const std::string& path, uint64_t size);
bool deleteFile(const std::string& path);

// ---- Tray (Shell_NotifyIconW, version 5 record; the texts here in code page 932) --------
enum class TrayOp { Add, Modify, Delete };
struct TrayData {
    WindowHandle window = nullptr;
    IconHandle icon = nullptr;
    char tip[128] = {};
};
// Add, modify or delete the program's one tray icon (uID 0, callback message 0x8064,
// flags NIF_MESSAGE | NIF_ICON | NIF_TIP). Returns the shell's success.
bool notifyIcon(TrayOp op, const TrayData& data);
// The shell's reason for the last failed notifyIcon: true when it timed out.
bool lastTrayFailureWasTimeout();
// A balloon at the tray icon (NIF_INFO, NIIF_INFO, 10 s); title at most 63 bytes, text 255.
bool showBalloon(WindowHandle window, const char* title, const char* text);
IconHandle loadIcon(const char* resourceName);  // at the system's small-icon size (16 px at 96 DPI)

// ---- Menus ---------------------------------------------------------------------------
MenuHandle loadMenu(const char* resourceName);
MenuHandle subMenu(MenuHandle menu, int position);
void destroyMenu(MenuHandle menu);
// State bits of an item found by command id (MFS_GRAYED is 3); -1 when the item is missing.
int32_t menuItemState(MenuHandle menu, unsigned id);
void setMenuItemState(MenuHandle menu, unsigned id, uint32_t state);
// Replaces the text of an item (a submenu too) found by command id.
void setMenuItemText(MenuHandle menu, unsigned id, const char* text);
// TrackPopupMenu with TPM_LEFTALIGN | TPM_BOTTOMALIGN; the choice arrives as WM_COMMAND.
void trackPopupMenu(MenuHandle popup, WindowHandle owner, int x, int y);

// ---- Windows -------------------------------------------------------------------------
void setForegroundWindow(WindowHandle window);
void moveWindow(WindowHandle window, int x, int y, int width, int height, bool repaint);
void setWindowOpacity(WindowHandle window, uint8_t alpha);  // SetLayeredWindowAttributes, LWA_ALPHA
void invalidateWindow(WindowHandle window);                  // whole client area, erase
// A window timer belongs to the thread that owns the window. Called from another thread
// (the notice worker), these post WindowTimerRequestMessage to the window instead (wParam
// the id, lParam the period, 0 to stop), and its procedure makes the call on its thread.
void setWindowTimer(WindowHandle window, unsigned id, unsigned milliseconds);
void killWindowTimer(WindowHandle window, unsigned id);
constexpr unsigned WindowTimerRequestMessage = 0x8065;  // WM_APP + 101
void closeWindow(WindowHandle window);                       // sends WM_CLOSE and waits
void quitMessageLoop();                                      // PostQuitMessage(0)

struct Point {
    int x = 0;
    int y = 0;
};
Point cursorPosition();  // screen coordinates
int screenWidth();       // SM_CXSCREEN
int screenHeight();      // SM_CYSCREEN
bool leftButtonDown();   // GetKeyState(VK_LBUTTON) < 0

// ---- Monitors and DPI ------------------------------------------------------------------
// Sizes at 96 DPI are the program's design units; a monitor or window at another DPI
// scales them by dpi / 96.
constexpr int DesignDpi = 96;
// `value` in design units at `dpi`, rounded half away from zero as MulDiv rounds.
constexpr int scaleToDpi(int value, int dpi) {
    const long long n = static_cast<long long>(value) * dpi;
    const long long q = ((n < 0 ? -n : n) + DesignDpi / 2) / DesignDpi;
    return static_cast<int>(n < 0 ? -q : q);
}
// One monitor's whole rectangle in physical pixels (it may lie left of or above the
// primary, at negative coordinates) and its DPI.
struct MonitorArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int dpi = DesignDpi;
};
// Every monitor, the primary first; never empty (the primary alone when the system
// cannot list them).
std::vector<MonitorArea> monitors();

// Message box; style as MB_* bits (0 = OK button, no icon).
void messageBox(WindowHandle owner, const char* text, const char* caption, unsigned style);

// ---- Sound ---------------------------------------------------------------------------
void messageBeep(uint32_t type);
WindowHandle createMciWindow(WindowHandle parent);  // hidden, no play bar, no menu
// Sends one message and waits for it to be handled (the MCI window's three messages).
intptr_t sendMessage(WindowHandle window, unsigned message, uintptr_t wParam, intptr_t lParam);

// ---- Threads -------------------------------------------------------------------------
// Starts `routine` on a new thread that nobody joins; false when it cannot be created.
bool startThread(void (*routine)(), uint32_t* threadId);
void sleepMilliseconds(unsigned milliseconds);
// Milliseconds from an arbitrary fixed start; steady (never goes back).
uint64_t monotonicMilliseconds();

// ---- The person at the screen --------------------------------------------------------
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
// SHQueryUserNotificationState's answer (a QUNS_* value), 0 when the call failed.
int userNotificationState();
// The window the person works in, and the monitor it is on.
struct ForegroundWindow {
    bool present = false;      // false when no window has the foreground
    bool isDesktop = false;    // the desktop or shell window itself
    std::string className;     // for the taskbar and the desktop's own windows
    Rect client;               // its client area, in screen coordinates
    Rect monitor;              // the whole monitor the window is on
};
ForegroundWindow foregroundWindow();

// ---- Language -----------------------------------------------------------------------
// Whether the user's display language (GetUserDefaultUILanguage) is Japanese.
bool userLanguageIsJapanese();

// ---- Start at logon ------------------------------------------------------------------
// Whether "RestWarden.lnk" stands in the user's Startup folder and points at this program.
bool startupShortcutExists();
// Creates that shortcut (target: this program, working folder: the data folder) or
// deletes it; true when the folder ends up as asked.
bool setStartupShortcut(bool present, const std::string& workingFolder);
// ---- Presence ------------------------------------------------------------------------
// The session's tick count (GetTickCount: milliseconds, running on through sleep and
// wrapping every 49.7 days) and the tick of its last keyboard or mouse input
// (GetLastInputInfo). The input is read first, so it is never later than `now`.
struct InputTicks {
    uint32_t now = 0;
    uint32_t lastInput = 0;
};
InputTicks inputTicks();
// Session lock and unlock reach the window as SessionChangeMessage (WM_WTSSESSION_CHANGE)
// once it is registered (WTSRegisterSessionNotification, this session only).
constexpr unsigned SessionChangeMessage = 0x2B1;
constexpr uintptr_t SessionLock = 7;    // WTS_SESSION_LOCK
constexpr uintptr_t SessionUnlock = 8;  // WTS_SESSION_UNLOCK
void watchSessionChanges(WindowHandle window);
void unwatchSessionChanges(WindowHandle window);

// ---- Dialogs -------------------------------------------------------------------------
enum class Dialog { Settings, WorkStatus, Evaluation, Version, LongRest };
// Runs the dialog modally, owned by `owner`; returns when it is closed.
void runDialog(Dialog which, WindowHandle owner);

}  // namespace platform
