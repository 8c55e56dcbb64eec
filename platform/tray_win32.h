// The Win32 side of the tray icon beyond the seam.
#pragma once

namespace platform {

// Hands the shell the tray tip that notifyIcon held back (a change that kept the
// picture); the main window calls it for every tray callback, which the shell sends when
// the pointer comes to the icon, before it shows the tip. Does nothing when none waits.
void showPendingTrayTip();

}  // namespace platform
