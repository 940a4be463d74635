#pragma once

#include <functional>

class QCoreApplication;

namespace orvanta {

// Ends the program at once with the given exit status: 0 after a confirmed exit, 1 after a
// run-time error report. No close or Unload handler of any window runs: the process goes
// without returning to the event loop (QCoreApplication::quit would close the windows and so
// run their handlers). The application object handed to tearDownAtEnd is deleted first.
void End(int exitStatus = 0);

// End deletes this application object before the process goes. Its teardown destroys the
// windows without closing them and lets Qt hand what the program put on the clipboard to a
// clipboard manager (X11 SAVE_TARGETS), so a copied schedule outlives the program.
void tearDownAtEnd(QCoreApplication* application);

// Test seam: when set, End calls this with the exit status instead of ending the process,
// and then returns to its caller. Pass {} to restore the real End.
void setEndHandler(std::function<void(int exitStatus)> handler);

}  // namespace orvanta
