#pragma once

namespace orvanta {

// The program's start-up: the entry window is loaded and shown, and the credits window is shown
// modal over it; returns once the credits window is dismissed. From then on the windows' own
// handlers run the program, which ends only through a Yes to the exit question.
void Main();

}  // namespace orvanta
