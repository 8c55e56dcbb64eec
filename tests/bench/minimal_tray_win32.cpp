// The yardstick of tests/bench/footprint.sh: the least a tray timer can be. One hidden
// window, one tray icon, a 60-second timer, a message loop; built with the static runtime
// like the real program. It ends on WM_CLOSE.
#include <windows.h>
#include <shellapi.h>

namespace {

NOTIFYICONDATAA tray;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        return 0;
    case WM_DESTROY:
        Shell_NotifyIconA(NIM_DELETE, &tray);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.lpszClassName = "MINIMALTRAY";
    if (!RegisterClassA(&wc)) return 1;
    HWND window = CreateWindowExA(0, "MINIMALTRAY", "minimal tray", WS_OVERLAPPEDWINDOW, 0, 0, 5, 5, nullptr,
                                  nullptr, instance, nullptr);
    if (!window) return 1;
    tray.cbSize = sizeof tray;
    tray.hWnd = window;
    tray.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    tray.uCallbackMessage = WM_APP + 100;
    tray.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    lstrcpyA(tray.szTip, "minimal tray");
    Shell_NotifyIconA(NIM_ADD, &tray);
    SetTimer(window, 1, 60000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
