// The cumulative evaluation report, a dialog that only draws: it paints a display list at
// every WM_PAINT and ends only on OK or close. (作業状況 has its own procedure, in
// work_status_win32.cpp.)
#include <windows.h>

#include "app/master.h"
#include "dialogs/canvas_win32.h"
#include "dialogs/dialogs_win32.h"
#include "dialogs/evaluation_painter.h"
#include "dialogs/report_layout.h"
#include "platform/monitors_win32.h"
#include "platform/texts.h"
#include "platform/wide_text_win32.h"
#include "records/log.h"

namespace {

using Painter = draw::DisplayList (*)(const Master& master);

// The statistics the main window compiled just before it opened the dialog.
draw::DisplayList paintEvaluation(const Master& master) { return report::paint(*master.log->compiled); }

struct PaintedDialog {
    Painter painter;
    layout::Frame frame;  // the client area the painting needs at 96 DPI
};

const PaintedDialog evaluationDialog = {paintEvaluation, layout::TusanFrame};

INT_PTR CALLBACK paintedDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        fitFrameToDpi(dialog, reinterpret_cast<const PaintedDialog*>(lParam)->frame);
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(dialog, &ps);
        // The painter arrives inside a record passed by address: a data pointer, so no
        // cast between function and data pointers is needed.
        const auto* painted = reinterpret_cast<const PaintedDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
        // The painters work at 96 DPI; the list is scaled to the dialog's own DPI.
        if (painted && theMaster && theMaster->log)
            canvas::drawList(dc, painted->painter(*theMaster), platform::windowDpi(dialog));
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

void fitFrameToDpi(HWND dialog, const layout::Frame& frame) {
    const int dpi = platform::windowDpi(dialog);
    if (dpi == platform::DesignDpi) return;
    RECT client = {0, 0, 0, 0};
    GetClientRect(dialog, &client);
    const int dx = platform::scaleToDpi(frame.clientWidth, dpi) - client.right;
    const int dy = platform::scaleToDpi(frame.clientHeight, dpi) - client.bottom;
    if (dx <= 0 && dy <= 0) return;
    const int growX = dx > 0 ? dx : 0, growY = dy > 0 ? dy : 0;
    RECT outer;
    GetWindowRect(dialog, &outer);
    SetWindowPos(dialog, nullptr, outer.left - growX / 2, outer.top - growY / 2, outer.right - outer.left + growX,
                 outer.bottom - outer.top + growY, SWP_NOZORDER | SWP_NOACTIVATE);
    // The controls under the painting (OK, and the row of buttons beside it) stay in the
    // middle and keep their distance from the bottom edge.
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        if (!GetWindowRect(child, &r)) continue;
        POINT p = {r.left, r.top};
        ScreenToClient(dialog, &p);
        SetWindowPos(child, nullptr, p.x + growX / 2, p.y + growY, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void followDpiChange(HWND dialog, LPARAM suggested) {
    const RECT* r = reinterpret_cast<const RECT*>(suggested);
    SetWindowPos(dialog, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(dialog, nullptr, TRUE);
}

HRSRC faceResource(HMODULE module, const wchar_t* type, const wchar_t* name) {
    const WORD japanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
    const WORD wanted = texts::english() ? MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US) : japanese;
    HRSRC found = FindResourceExW(module, type, name, wanted);
    return found ? found : FindResourceExW(module, type, name, japanese);
}

const DLGTEMPLATE* dialogTemplate(HINSTANCE instance, const wchar_t* name) {
    HRSRC found = faceResource(instance, MAKEINTRESOURCEW(5) /* RT_DIALOG */, name);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    return loaded ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
}

void runModalDialog(HWND owner, const char* templateName, DLGPROC procedure, LPARAM parameter) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
    const DLGTEMPLATE* found = dialogTemplate(instance, widetext::Wide(templateName));
    // A Unicode dialog: the texts its procedure hands on reach Windows as UTF-16.
    if (found) DialogBoxIndirectParamW(instance, found, owner, procedure, parameter);
}

void openEvaluationDialog(HWND owner) {
    runModalDialog(owner, "DLG_TUSAN", paintedDialogProc, reinterpret_cast<LPARAM>(&evaluationDialog));
}
