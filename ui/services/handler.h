#pragma once

#include <functional>

namespace orvanta {

// Runs one of the program's handlers where Qt calls into the program: a signal, an event, a
// timer. A run-time error the handler raises is reported right there and ends the program
// (reportRunTimeError), so no exception ever unwinds through Qt's frames, which are not built to
// carry one. Any other exception is a bug and terminates the program on the spot.
void runHandler(const std::function<void()>& handler) noexcept;

// A slot that runs a window's handler through runHandler:
//   connect(cmdExit, &QPushButton::clicked, this, handlerSlot(this, &frmMain::cmdExit_Click));
template <class W> auto handlerSlot(W* window, void (W::*handler)()) {
    return [window, handler] { runHandler([window, handler] { (window->*handler)(); }); };
}

}  // namespace orvanta
