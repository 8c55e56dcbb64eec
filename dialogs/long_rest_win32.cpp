// The long-rest dialog "DLG_LONGREST": the rest in progress gets a length of its own.
#include <windows.h>

#include "app/master.h"
#include "dialogs/dialogs_win32.h"
#include "dialogs/long_rest.h"
#include "dialogs/minutes_entry.h"
#include "platform/wide_text_win32.h"

namespace {

constexpr int MinutesEdit = 5;

INT_PTR CALLBACK longRestProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SendDlgItemMessageA(dialog, MinutesEdit, EM_LIMITTEXT, 3, 0);
        widetext::useJapaneseFont(dialog);
        widetext::setItemText(dialog, MinutesEdit, LongRest::InitialText);
        return TRUE;
    case WM_COMMAND:
        switch (LongRest::forCommand(LOWORD(wParam))) {
        case LongRest::Action::Confirm: {
            char text[MinutesTextSize] = {};
            widetext::itemText(dialog, MinutesEdit, text);
            LongRest::confirm(*theMaster, text);
            EndDialog(dialog, 0);
            break;
        }
        case LongRest::Action::Close:
            EndDialog(dialog, 0);
            break;
        case LongRest::Action::Nothing:
            break;  // Escape among them: the dialog stays open
        }
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

void openLongRestDialog(HWND owner) {
    runModalDialog(owner, "DLG_LONGREST", longRestProc);
}
