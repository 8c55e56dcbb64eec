// The ALPHA notice window: a flat colour, and a hole around the pointer while a run lasts.
//
// The windows belong to the UI thread; the worker moves and fades them from outside, and the
// size and paint messages that result arrive here. The shape itself is worked out by
// notice/notice_window.cpp; this file only turns it into regions.
//
// Master's window covers the primary monitor. With several monitors this file keeps one
// more window of the same class for each further monitor, owned like the first by the main
// window; the first window's hole timer cuts the pointer hole in all of them, and the set
// follows the monitors (WM_DISPLAYCHANGE) only between runs.
#include "notice/notice_window_win32.h"

#include <vector>

#include "app/master.h"
#include "platform/texts.h"
#include "notice/notice_screens.h"
#include "notice/notice_series.h"
#include "notice/notice_window.h"
#include "platform/monitors_win32.h"
#include "platform/wide_text_win32.h"
#include "timer/property.h"

namespace {

// Posted by the first window to itself once it exists: the further windows are made then.
constexpr UINT SyncWindowsMessage = WM_APP + 102;
// Marks a further window in CreateWindowEx's parameter.
char extraWindowMark;

// Touched only on the UI thread.
std::vector<HWND> extraWindows;
bool monitorsChanged = false;  // the set waits for the run in progress to end

SIZE clientSize(HWND window) {
    RECT client = {0, 0, 0, 0};
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

// Hands the shape to the window, which owns the region from then on.
void applyShape(HWND window, const NoticeShape& shape) {
    HRGN region = CreateRectRgn(shape.rect.left, shape.rect.top, shape.rect.right, shape.rect.bottom);
    if (!region) return;
    if (shape.holed) {
        HRGN hole = CreateEllipticRgn(shape.hole.left, shape.hole.top, shape.hole.right, shape.hole.bottom);
        if (hole) {
            CombineRgn(region, region, hole, RGN_DIFF);
            DeleteObject(hole);
        }
    }
    if (!SetWindowRgn(window, region, FALSE)) DeleteObject(region);
}

bool runInProgress() { return theMaster && theMaster->animating.load() != 0; }

void restoreFullShape(HWND window) {
    SIZE size = clientSize(window);
    applyShape(window, fullShape(size.cx, size.cy));
}

// The hole keeps its size on the screen: 30 px at 96 DPI, more at a higher DPI.
void cutHoleAroundPointer(HWND window) {
    POINT p = {0, 0};
    GetCursorPos(&p);
    ScreenToClient(window, &p);
    SIZE size = clientSize(window);
    const int radius = platform::scaleToDpi(PointerHoleRadius, platform::windowDpi(window));
    applyShape(window, shapeAroundPointer(size.cx, size.cy, platform::Point{p.x, p.y}, radius));
}

HWND createExtraWindow(HWND first) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(first, GWLP_HINSTANCE));
    const widetext::Wide title(texts::get(texts::AppTitle));
    HWND window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"ALPHA", title,
                                  WS_POPUP | WS_VISIBLE, 0, 0, ParkedSize, ParkedSize, GetWindow(first, GW_OWNER),
                                  nullptr, instance, &extraWindowMark);
    if (window) SetLayeredWindowAttributes(window, 0, 0, LWA_ALPHA);
    return window;
}

// One further window per further monitor. Only between runs: a run in progress keeps the
// windows it started with, and the change waits for its end.
void syncExtraWindows(HWND first) {
    if (runInProgress()) {
        monitorsChanged = true;
        return;
    }
    monitorsChanged = false;
    const size_t wanted = platform::monitors().size() - 1;
    while (extraWindows.size() > wanted) {
        DestroyWindow(extraWindows.back());
        extraWindows.pop_back();
    }
    while (extraWindows.size() < wanted) {
        HWND window = createExtraWindow(first);
        if (!window) break;
        extraWindows.push_back(window);
    }
    setExtraNoticeWindows(std::vector<platform::WindowHandle>(extraWindows.begin(), extraWindows.end()));
}

void destroyExtraWindows() {
    setExtraNoticeWindows({});
    for (HWND window : extraWindows) DestroyWindow(window);
    extraWindows.clear();
}

bool isExtra(HWND window) {
    for (HWND w : extraWindows)
        if (w == window) return true;
    return false;
}

void paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    // Colour read at every paint, so a change on the MOVE page shows at the next repaint.
    COLORREF colour = theMaster ? static_cast<COLORREF>(theMaster->property->noticeColor) : 0;
    HBRUSH brush = CreateSolidBrush(colour);
    SelectObject(dc, GetStockObject(NULL_PEN));
    SelectObject(dc, brush);
    // With the null pen Rectangle leaves out the right and bottom edge: +1 fills the client.
    SIZE size = clientSize(window);
    Rectangle(dc, 0, 0, size.cx + 1, size.cy + 1);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
    EndPaint(window, &ps);
}

// At exit a worker may be in its end-of-run step, which plays the alert through the MCI
// window of this thread; pending sent messages are handled while it is waited for.
void waitForWorkerToLeave() {
    closeNoticeWorkers();
    ULONGLONG until = GetTickCount64() + 2000;
    while (noticeWorkerInMaster() && GetTickCount64() < until) {
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
        Sleep(1);
    }
}

}  // namespace

LRESULT CALLBACK noticeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        // A further window only paints and takes its shape; the first one is Master's.
        if (reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams == &extraWindowMark) return 0;
        if (theMaster) theMaster->noticeWindow = window;
        openNoticeWorkers();
        PostMessageA(window, SyncWindowsMessage, 0, 0);
        return 0;
    case WM_SIZE:
        applyShape(window, fullShape(LOWORD(lParam), HIWORD(lParam)));
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_TIMER:
        // The hole follows the pointer only while a run lasts; a tick that comes after
        // the run ended (before its stop request arrived) stops the timer instead.
        if (runInProgress()) {
            cutHoleAroundPointer(window);
            for (HWND extra : extraWindows) cutHoleAroundPointer(extra);
        } else {
            KillTimer(window, wParam);
        }
        return 0;
    case platform::WindowTimerRequestMessage:
        // A timer asked for by the worker: timers belong to the window's own thread. A
        // request that no longer matches the state of the runs is dropped, so that the stop
        // of one run, arriving late, never stops the timer of the next.
        if (lParam != 0) {
            if (runInProgress()) SetTimer(window, wParam, static_cast<UINT>(lParam), nullptr);
        } else if (!runInProgress()) {
            KillTimer(window, wParam);
            restoreFullShape(window);
            for (HWND extra : extraWindows) restoreFullShape(extra);
            if (monitorsChanged) syncExtraWindows(window);
        }
        return 0;
    case SyncWindowsMessage:
    case WM_DISPLAYCHANGE:
        // Every top-level window hears of a change of the monitors; the first one acts.
        if (theMaster && window == theMaster->noticeWindow) syncExtraWindows(window);
        return message == WM_DISPLAYCHANGE ? DefWindowProcW(window, message, wParam, lParam) : 0;
    case WM_DESTROY:
        if (isExtra(window)) return 0;
        waitForWorkerToLeave();
        destroyExtraWindows();
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}
