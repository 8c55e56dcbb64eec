// The Win32 side of the seam's questions about the desktop: whether the person is busy in
// a full-screen program, and the shortcut that starts the program at logon.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>


#include "platform/platform.h"
#include "platform/system_library_win32.h"
#include "platform/texts.h"
#include "platform/wide_path_win32.h"

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
    bool newLink(IShellLinkW** link, IPersistFile** file) {
        *link = nullptr;
        *file = nullptr;
        if (!initialised) return false;
        if (FAILED(create(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, reinterpret_cast<void**>(link))))
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

// Full path of "RestWarden.lnk" in the Startup folder. Wide throughout, like the program's
// and the data folder's paths, whose names may be in any script.
bool shortcutPath(WCHAR (&path)[MAX_PATH]) {
    auto folderPath = systemlib::function<decltype(&SHGetFolderPathW)>("shell32.dll", "SHGetFolderPathW");
    if (!folderPath || FAILED(folderPath(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, path))) return false;
    static const WCHAR name[] = L"\\RestWarden.lnk";
    if (lstrlenW(path) + sizeof name / sizeof name[0] > MAX_PATH) return false;
    lstrcatW(path, name);
    return true;
}

bool thisProgram(WCHAR (&path)[MAX_PATH]) {
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return n > 0 && n < MAX_PATH;
}

}  // namespace

int userNotificationState() {
    QUERY_USER_NOTIFICATION_STATE state;
    static const auto query =
        systemlib::function<decltype(&SHQueryUserNotificationState)>("shell32.dll", "SHQueryUserNotificationState");
    return query && SUCCEEDED(query(&state)) ? static_cast<int>(state) : 0;
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
    WCHAR path[MAX_PATH], program[MAX_PATH], target[MAX_PATH] = {};
    if (!shortcutPath(path) || !thisProgram(program)) return false;
    if (GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES) return false;
    Com com;
    IShellLinkW* link;
    IPersistFile* file;
    if (!com.newLink(&link, &file)) return false;
    bool ours = SUCCEEDED(file->Load(path, STGM_READ)) &&
                SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) && lstrcmpiW(target, program) == 0;
    file->Release();
    link->Release();
    return ours;
}

bool setStartupShortcut(bool present, const std::string& workingFolder) {
    WCHAR path[MAX_PATH], program[MAX_PATH], description[32] = {};
    if (!shortcutPath(path) || !thisProgram(program)) return false;
    if (!present) return DeleteFileW(path) || GetLastError() == ERROR_FILE_NOT_FOUND;
    Com com;
    IShellLinkW* link;
    IPersistFile* file;
    if (!com.newLink(&link, &file)) return false;
    // The program's texts are code page 932 whatever the system's code page is.
    MultiByteToWideChar(932, 0, texts::get(texts::AppTitle), -1, description, 32);
    bool ok = SUCCEEDED(link->SetPath(program)) &&
              SUCCEEDED(link->SetWorkingDirectory(utf8ToWide(workingFolder).c_str())) &&
              SUCCEEDED(link->SetDescription(description)) && SUCCEEDED(file->Save(path, TRUE));
    file->Release();
    link->Release();
    return ok;
}

}  // namespace platform
