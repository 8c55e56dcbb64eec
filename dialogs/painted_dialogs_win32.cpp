// The two dialogs that only draw: today's work status strip and the cumulative evaluation
// report. Both paint a display list at every WM_PAINT and end only on OK or close.
#include <windows.h>

#include "app/master.h"
#include "dialogs/canvas_win32.h"
#include "dialogs/dialogs_win32.h"
#include "dialogs/evaluation_painter.h"
#include "dialogs/work_status_painter.h"
#include "platform/monitors_win32.h"
#include "records/log.h"

namespace {

using Painter = draw::DisplayList (*)(const Master& master);

// Today's record as it is now; minutes recorded while the dialog is open show at the next
// repaint (the dialog has no timer of its own).
draw::DisplayList paintWorkStatus(const Master& master) { return workstatus::paint(master.log->record.minutes); }

// The statistics the main window compiled just before it opened the dialog.
draw::DisplayList paintEvaluation(const Master& master) { return report::paint(*master.log->compiled); }

const Painter workStatusPainter = paintWorkStatus;
const Painter evaluationPainter = paintEvaluation;

INT_PTR CALLBACK paintedDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(dialog, &ps);
        // The painter arrives as the address of a Painter variable: a data pointer, so no
        // cast between function and data pointers is needed.
        const Painter* painter = reinterpret_cast<const Painter*>(GetWindowLongPtrA(dialog, DWLP_USER));
        // The painters work at 96 DPI; the list is scaled to the dialog's own DPI, which the
        // template (in dialog units) already follows.
        if (painter && theMaster && theMaster->log)
            canvas::drawList(dc, (*painter)(*theMaster), platform::windowDpi(dialog));
        EndPaint(dialog, &ps);
        return FALSE;
    }
    case WM_DPICHANGED:
        followDpiChange(dialog, lParam);
        return TRUE;
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

void followDpiChange(HWND dialog, LPARAM suggested) {
    const RECT* r = reinterpret_cast<const RECT*>(suggested);
    SetWindowPos(dialog, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(dialog, nullptr, TRUE);
}

void runModalDialog(HWND owner, const char* templateName, DLGPROC procedure, LPARAM parameter) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
    DialogBoxParamA(instance, templateName, owner, procedure, parameter);
}

void openWorkStatusDialog(HWND owner) {
    runModalDialog(owner, "DLG_PROGRESS", paintedDialogProc, reinterpret_cast<LPARAM>(&workStatusPainter));
}

void openEvaluationDialog(HWND owner) {
    runModalDialog(owner, "DLG_TUSAN", paintedDialogProc, reinterpret_cast<LPARAM>(&evaluationPainter));
}
