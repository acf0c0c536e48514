// The signals with which the system asks a program to end: SIGTERM (a
// desktop logging out, kill), SIGINT (Ctrl+C in a terminal) and SIGHUP (the
// terminal closed). They are turned into a call from the event loop, so
// the program can close as its close button would.
#pragma once

#include <functional>

namespace termination {

// From now on the first of these signals calls onSignal from the event loop
// (never from inside the signal handler). Any second one ends the program
// at once, as it would without this, so a shut-down that hangs can still be
// stopped.
void CatchSignals(std::function<void()> onSignal);

}  // namespace termination
