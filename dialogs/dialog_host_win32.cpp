// Opens the program's dialogs for the main window.
#include <windows.h>

#include "platform/platform.h"
#include "dialogs/dialogs_win32.h"

namespace platform {

void runDialog(Dialog which, WindowHandle owner) {
    HWND window = static_cast<HWND>(owner);
    switch (which) {
    case Dialog::Settings: openSettingsSheet(window); break;
    case Dialog::WorkStatus: openWorkStatusDialog(window); break;
    case Dialog::Evaluation: openEvaluationDialog(window); break;
    case Dialog::Version: openVersionDialog(window); break;
    case Dialog::LongRest: openLongRestDialog(window); break;
    }
}

}  // namespace platform
