// The cumulative evaluation report. The statistics were compiled by the main window just
// before it opened the dialog; the dialog only reads and draws them.
#include <windows.h>

#include "app/master.h"
#include "dialogs/canvas_win32.h"
#include "dialogs/dialogs_win32.h"
#include "dialogs/evaluation_painter.h"
#include "records/log.h"

namespace {

INT_PTR CALLBACK evaluationProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(dialog, &ps);
        if (theMaster && theMaster->log && theMaster->log->compiled)
            canvas::drawList(dc, report::paint(*theMaster->log->compiled));
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

void openEvaluationDialog(HWND owner) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
    DialogBoxParamA(instance, "DLG_TUSAN", owner, evaluationProc, 0);
}
