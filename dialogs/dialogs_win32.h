// Each dialog runs modally, owned by the main window, and returns when it is closed.
#pragma once

#include <windows.h>

void openSettingsSheet(HWND owner);
void openWorkStatusDialog(HWND owner);
void openEvaluationDialog(HWND owner);
void openVersionDialog(HWND owner);
void openLongRestDialog(HWND owner);

// DialogBoxParamA with the program's instance, taken from the owner.
void runModalDialog(HWND owner, const char* templateName, DLGPROC procedure, LPARAM parameter = 0);
