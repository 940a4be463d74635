#pragma once

class QWidget;

namespace orvanta {

// Keeps a window out of the desktop's task bar and pager (the X11 window states
// _NET_WM_STATE_SKIP_TASKBAR and _NET_WM_STATE_SKIP_PAGER). Call it before the
// window is first shown; where the platform is not X11, or the build has no X11 code
// (ORVANTA_X11 off), it does nothing.
void keepOutOfTaskBar(QWidget& window);

}  // namespace orvanta
