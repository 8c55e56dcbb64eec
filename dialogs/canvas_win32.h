// Draws a display list on a device context with GDI.
#pragma once

#include <windows.h>

#include "dialogs/display_list.h"

namespace canvas {

// Draws every operation in order, the list's 96-DPI units scaled to `dpi` (positions,
// font heights and pen widths alike). Fonts, pens and brushes are created as the list
// needs them and all are released before this returns; the context gets its own objects
// back.
void drawList(HDC dc, const draw::DisplayList& list, int dpi);

}  // namespace canvas
