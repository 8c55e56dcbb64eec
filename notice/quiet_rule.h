// Whether a notice would disturb: the person is in a presentation, a full-screen game or
// another full-screen program.
#pragma once

#include "platform/platform.h"

// `notificationState` is what the shell answers (QUNS_*; 0 when it could not be asked).
// Where it says nothing useful (Wine always answers "accepts notifications"), a foreground
// window other than the desktop or the taskbar whose client area covers its whole monitor
// counts: a game, a slide show, a video, a browser in full-screen view. A maximized window
// with a caption does not, even where no taskbar takes a part of its monitor.
bool personIsBusy(int notificationState, const platform::ForegroundWindow& foreground);
