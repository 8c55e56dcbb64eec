// The notice window: parked until the notice animation lands.
#include "notice/notice_window_win32.h"

#include "app/master.h"

LRESULT CALLBACK noticeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        theMaster->noticeWindow = window;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
