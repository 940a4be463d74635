#pragma once

namespace orvanta {

// Without a display the program says so in one line, naming each display it tried (Wayland, X11)
// and why it could not open it, and ends with status 1, instead of Qt's abort with its hint to
// reinstall. A display server that goes away while the program runs likewise gets one line and
// status 1. Whichever platform Qt is told to use is left to Qt; only its report of the failure is
// replaced. Call before the application object is created.
void explainMissingDisplay();

}  // namespace orvanta
