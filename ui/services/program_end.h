#pragma once

#include <functional>

namespace orvanta {

// Ends the program at once with exit status 0: output is flushed and the process
// exits without returning to the event loop, so no close or Unload handler of
// any window runs afterwards. (QCoreApplication::quit would close the windows
// and so run their handlers.)
void End();

// Test seam: when set, End calls this instead of ending the process, and then
// returns to its caller. Pass {} to restore the real End.
void setEndHandler(std::function<void()> handler);

}  // namespace orvanta
