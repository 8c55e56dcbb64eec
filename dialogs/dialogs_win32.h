// Each dialog runs modally, owned by the main window, and returns when it is closed.
#pragma once

#include <windows.h>

void openSettingsSheet(HWND owner);
void openWorkStatusDialog(HWND owner);
void openEvaluationDialog(HWND owner);
void openVersionDialog(HWND owner);
void openLongRestDialog(HWND owner);

// A resource in the language of the program's face (the Japanese one when there is none in
// it). Asked for by name alone, Windows would pick by the thread's language instead.
HRSRC faceResource(HMODULE module, const wchar_t* type, const wchar_t* name);
const DLGTEMPLATE* dialogTemplate(HINSTANCE instance, const wchar_t* name);

// DialogBoxIndirectParamW of the face's template, with the program's instance, taken from
// the owner.
void runModalDialog(HWND owner, const char* templateName, DLGPROC procedure, LPARAM parameter = 0);

namespace layout {
struct Frame;
}
// Above 96 DPI the template's dialog units do not grow quite by the DPI's factor (the font's
// average width is rounded), so a dialog that paints itself grows its client area, if it
// must, to hold the painting scaled from `frame`, and moves OK along to keep its place.
void fitFrameToDpi(HWND dialog, const layout::Frame& frame);

// WM_DPICHANGED for a dialog that paints itself: moves and resizes it to the rectangle
// Windows suggests (lParam) and repaints it at the new DPI.
void followDpiChange(HWND dialog, LPARAM suggested);
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
