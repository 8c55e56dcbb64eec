// The ALPHA notice window: a flat colour, and a hole around the pointer while a run lasts.
//
// The window belongs to the UI thread; the worker moves and fades it from outside, and the
// size and paint messages that result arrive here. The shape itself is worked out by
// notice/notice_window.cpp; this file only turns it into regions.
#include "notice/notice_window_win32.h"

#include "app/master.h"
#include "notice/notice_series.h"
#include "notice/notice_window.h"
#include "timer/property.h"

namespace {

// Touched only on the UI thread.
int clientWidth = 0;
int clientHeight = 0;

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

void cutHoleAroundPointer(HWND window) {
    POINT p = {0, 0};
    GetCursorPos(&p);
    ScreenToClient(window, &p);
    applyShape(window, shapeAroundPointer(clientWidth, clientHeight, platform::Point{p.x, p.y}));
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
    Rectangle(dc, 0, 0, clientWidth + 1, clientHeight + 1);
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
    case WM_CREATE: {
        if (theMaster) theMaster->noticeWindow = window;
        RECT client = {0, 0, 0, 0};
        GetClientRect(window, &client);
        clientWidth = client.right;
        clientHeight = client.bottom;
        openNoticeWorkers();
        return 0;
    }
    case WM_SIZE:
        clientWidth = LOWORD(lParam);
        clientHeight = HIWORD(lParam);
        applyShape(window, fullShape(clientWidth, clientHeight));
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_TIMER:
        // The hole follows the pointer only while a run lasts; a tick that comes after
        // the run ended (before its stop request arrived) stops the timer instead.
        if (runInProgress()) cutHoleAroundPointer(window);
        else KillTimer(window, wParam);
        return 0;
    case platform::WindowTimerRequestMessage:
        // A timer asked for by the worker: timers belong to the window's own thread. A
        // request that no longer matches the state of the runs is dropped, so that the stop
        // of one run, arriving late, never stops the timer of the next.
        if (lParam != 0) {
            if (runInProgress()) SetTimer(window, wParam, static_cast<UINT>(lParam), nullptr);
        } else if (!runInProgress()) {
            KillTimer(window, wParam);
            applyShape(window, fullShape(clientWidth, clientHeight));
        }
        return 0;
    case WM_DESTROY:
        waitForWorkerToLeave();
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
