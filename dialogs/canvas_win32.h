// Draws a display list on a device context with GDI.
#pragma once

#include <windows.h>

#include "dialogs/display_list.h"

namespace canvas {

// Draws every operation in order. Fonts, pens and brushes are created as the list needs
// them and all are released before this returns; the context gets its own objects back.
void drawList(HDC dc, const draw::DisplayList& list);

}  // namespace canvas
