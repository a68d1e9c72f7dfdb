// Whether a press is left alone because a full-screen program (a game, a video) is in front.
#pragma once

#include "platform/desktop.h"

namespace flickmark {

// True when the foreground window covers at least its whole monitor without being maximized. The desktop
// shell ("explorer.exe", in any letter case) is never full-screen; a window whose rectangle cannot be read,
// or that lies on no monitor, counts as full-screen; an unreadable placement counts as maximized.
bool foregroundIsFullScreen(Desktop& desktop);

} // namespace flickmark
