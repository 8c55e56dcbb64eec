// The ALPHA notice window's procedure.
#pragma once

#include <windows.h>

LRESULT CALLBACK noticeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
