// The work status dialog: today's record as a strip over 24 hours.
#include <windows.h>

#include "app/master.h"
#include "dialogs/canvas_win32.h"
#include "dialogs/dialogs_win32.h"
#include "dialogs/work_status_painter.h"
#include "records/log.h"

namespace {

// Paints the record as it is now; minutes recorded while the dialog is open show at the
// next repaint (no timer of its own).
INT_PTR CALLBACK workStatusProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(dialog, &ps);
        if (theMaster && theMaster->log) canvas::drawList(dc, workstatus::paint(theMaster->log->record.minutes));
        EndPaint(dialog, &ps);
        return FALSE;
    }
    case WM_COMMAND:
        // Only OK ends the dialog; Escape (IDCANCEL) leaves it open.
        if (LOWORD(wParam) == IDOK) EndDialog(dialog, 0);
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

void openWorkStatusDialog(HWND owner) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
    DialogBoxParamA(instance, "DLG_PROGRESS", owner, workStatusProc, 0);
}
