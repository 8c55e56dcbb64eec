// Placeholder until this dialog lands.
#include "dialogs/dialogs_win32.h"

void openVersionDialog(HWND) {}
