// The DPI of windows and monitors, for the Win32 layer.
//
// The per-monitor functions are looked up at run time: they exist from Windows 8.1 and
// 10 on, and the program still starts on older systems, where the one system DPI holds.
#pragma once

#include <windows.h>

#include "platform/platform.h"

namespace platform {

int systemDpi();                  // LOGPIXELSY of the screen
int monitorDpi(HMONITOR monitor);  // the monitor's own DPI, else the system's
int windowDpi(HWND window);        // the DPI the window is drawn at

}  // namespace platform
