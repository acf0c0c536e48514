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

// Answers every box and window shown modally as its close button would
// (each waits for an answer that will not come, since the program is
// ending), now and then again every tenth of a second while the program
// runs, so that a box opened on the way out goes too.
void CloseModalWindowsFromNowOn();
// Ends that (a test's program goes on after its test).
void StopClosingModalWindows();

}  // namespace termination
