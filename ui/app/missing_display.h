#pragma once

namespace orvanta {

// Without a display the program says so in one line, naming the display it could not open, and
// ends with status 1, instead of Qt's abort with its hint to reinstall. Whichever platform Qt is
// told to use is left to Qt; only its report of the failure is replaced. Call before the
// application object is created.
void explainMissingDisplay();

}  // namespace orvanta
