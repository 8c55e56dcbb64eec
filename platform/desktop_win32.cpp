// The Win32 side of the seam's questions about the desktop: whether the person is busy in
// a full-screen program, and the shortcut that starts the program at logon.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstring>

#include "platform/platform.h"
#include "platform/system_library_win32.h"

namespace platform {
namespace {

Rect rectOf(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

// COM is only needed while the settings sheet looks at or changes the shortcut, so ole32
// is loaded then (see system_library_win32.h) rather than at start.
class Com {
public:
    Com() {
        init = systemlib::function<decltype(&CoInitializeEx)>("ole32.dll", "CoInitializeEx");
        create = systemlib::function<decltype(&CoCreateInstance)>("ole32.dll", "CoCreateInstance");
        uninit = systemlib::function<decltype(&CoUninitialize)>("ole32.dll", "CoUninitialize");
        if (init && create && uninit) initialised = SUCCEEDED(init(nullptr, COINIT_APARTMENTTHREADED));
    }
    ~Com() {
        if (initialised) uninit();
    }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;

    // A new shell link object with its file interface, or false.
    bool newLink(IShellLinkA** link, IPersistFile** file) {
        *link = nullptr;
        *file = nullptr;
        if (!initialised) return false;
        if (FAILED(create(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, reinterpret_cast<void**>(link))))
            return false;
        if (SUCCEEDED((*link)->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file)))) return true;
        (*link)->Release();
        *link = nullptr;
        return false;
    }

private:
    decltype(&CoInitializeEx) init = nullptr;
    decltype(&CoCreateInstance) create = nullptr;
    decltype(&CoUninitialize) uninit = nullptr;
    bool initialised = false;
};

// Full path of "RestWarden.lnk" in the Startup folder, as a wide string for IPersistFile.
bool shortcutPath(char (&ansi)[MAX_PATH], WCHAR (&wide)[MAX_PATH]) {
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, folder))) return false;
    size_t n = std::strlen(folder);
    static const char name[] = "\\RestWarden.lnk";
    if (n + sizeof name > MAX_PATH) return false;
    std::memcpy(ansi, folder, n);
    std::memcpy(ansi + n, name, sizeof name);
    return MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide, MAX_PATH) > 0;
}

bool thisProgram(char (&path)[MAX_PATH]) {
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return n > 0 && n < MAX_PATH;
}

}  // namespace

int userNotificationState() {
    QUERY_USER_NOTIFICATION_STATE state;
    return SUCCEEDED(SHQueryUserNotificationState(&state)) ? static_cast<int>(state) : 0;
}

ForegroundWindow foregroundWindow() {
    ForegroundWindow result;
    HWND window = GetForegroundWindow();
    if (!window) return result;
    result.present = true;
    result.isDesktop = window == GetDesktopWindow() || window == GetShellWindow();
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    result.className = name;
    // The client area, not the window rectangle: a maximized window's rectangle reaches past
    // the monitor by its invisible frame, though its caption shows it is no full-screen program.
    RECT r;
    if (GetClientRect(window, &r)) {
        MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
        result.client = rectOf(r);
    }
    MONITORINFO info;
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) result.monitor = rectOf(info.rcMonitor);
    return result;
}

bool startupShortcutExists() {
    char path[MAX_PATH], program[MAX_PATH], target[MAX_PATH] = {};
    WCHAR wide[MAX_PATH];
    if (!shortcutPath(path, wide) || !thisProgram(program)) return false;
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) return false;
    Com com;
    IShellLinkA* link;
    IPersistFile* file;
    if (!com.newLink(&link, &file)) return false;
    bool ours = SUCCEEDED(file->Load(wide, STGM_READ)) &&
                SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) && lstrcmpiA(target, program) == 0;
    file->Release();
    link->Release();
    return ours;
}

bool setStartupShortcut(bool present, const std::string& workingFolder) {
    char path[MAX_PATH], program[MAX_PATH];
    WCHAR wide[MAX_PATH];
    if (!shortcutPath(path, wide) || !thisProgram(program)) return false;
    if (!present) return DeleteFileA(path) || GetLastError() == ERROR_FILE_NOT_FOUND;
    Com com;
    IShellLinkA* link;
    IPersistFile* file;
    if (!com.newLink(&link, &file)) return false;
    bool ok = SUCCEEDED(link->SetPath(program)) && SUCCEEDED(link->SetWorkingDirectory(workingFolder.c_str())) &&
              SUCCEEDED(link->SetDescription("レストワーデン")) && SUCCEEDED(file->Save(wide, TRUE));
    file->Release();
    link->Release();
    return ok;
}

}  // namespace platform
