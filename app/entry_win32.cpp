// Program entry and the hidden main window.
#include <windows.h>

#include "platform/data_files.h"
#include "app/icon.h"
#include "app/master.h"
#include "platform/texts.h"
#include "platform/platform.h"
#include "platform/system_library_win32.h"
#include "platform/tray_win32.h"
#include "platform/wide_text_win32.h"
#include "notice/notice_window_win32.h"

namespace {

UINT taskbarCreatedMessage = 0;

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Master* master = theMaster;
    switch (message) {
    case WM_CREATE:
        if (!master->onCreate(window)) PostMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    case WM_CLOSE:
        master->onClose();
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_DESTROY:
        master->onDestroy();
        return 0;
    case WM_TIMER:
        master->tick();
        return 0;
    case WM_COMMAND:
        master->onCommand(LOWORD(wParam));
        return 0;
    case TrayCallbackMessage:
        platform::showPendingTrayTip();
        master->onTrayCallback(static_cast<uintptr_t>(wParam), static_cast<uintptr_t>(lParam));
        return 0;
    case platform::SessionChangeMessage:
        master->onSessionChange(static_cast<uintptr_t>(wParam));
        return 0;
    case WM_QUERYENDSESSION:
        // Windows may end the process after this without running any destructor, so the
        // settings, the options and today's record are saved now, as a normal exit saves them.
        master->saveForShutdown();
        return TRUE;
    case WM_ENDSESSION:
        if (wParam) master->saveForShutdown();
        return 0;
    default:
        if (taskbarCreatedMessage != 0 && message == taskbarCreatedMessage) {
            master->onTaskbarCreated();
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// The windows are Unicode windows, so their titles and every text they hand on reach
// Windows as UTF-16, whatever the system's code page.
bool registerClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
    WNDCLASSW wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, L"IDI_AMAIN");
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(5));
    wc.lpszClassName = name;
    return RegisterClassW(&wc) != 0;
}

int run(HINSTANCE instance) {
    theMaster->icon->loadIcons();
    if (!registerClass(instance, L"MAIN", mainWindowProc)) return -1;
    if (!registerClass(instance, L"ALPHA", noticeWindowProc)) return -1;
    taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");

    const widetext::Wide title(texts::get(texts::AppTitle));
    HWND mainWindow = CreateWindowExW(0, L"MAIN", title, WS_OVERLAPPEDWINDOW, 200, 200, 5, 5, nullptr, nullptr,
                                      instance, nullptr);
    if (!mainWindow) return -1;
    HWND notice = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"ALPHA", title,
                                  WS_POPUP | WS_VISIBLE, 0, 0, 5, 5, mainWindow, nullptr, instance, nullptr);
    if (!notice) return 0;
    SetLayeredWindowAttributes(notice, 0, 0, LWA_ALPHA);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    systemlib::pinToSystemFolder();
    // The single-instance check comes before anything is loaded, so a second start reads
    // and writes no file and leaves the running instance alone.
    HANDLE mutex = CreateMutexA(nullptr, FALSE, "Restwardenmate");
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        if (mutex) CloseHandle(mutex);
        return 0;
    }
    datafiles::setDirectory(platform::currentDirectory());

    int result;
    {
        Master master;
        theMaster = &master;
        result = run(instance);
        if (mutex) {
            ReleaseMutex(mutex);
            CloseHandle(mutex);
        }
        theMaster = nullptr;
        // Master is torn down here: today's record, then param.dat.
    }
    return result;
}
