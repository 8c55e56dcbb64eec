// Each dialog runs modally, owned by the main window, and returns when it is closed.
#pragma once

#include <windows.h>

void openSettingsSheet(HWND owner);
void openWorkStatusDialog(HWND owner);
void openEvaluationDialog(HWND owner);
void openVersionDialog(HWND owner);
void openLongRestDialog(HWND owner);
