// The program's waits. Every wait that lets events through sleeps between
// them (a waiting game uses no CPU) and counts a busy depth, so that a close
// request arriving inside a wait can be put off until the outermost handler
// has unwound.
#pragma once

#include <functional>

namespace waits {

// How many waits (and modal boxes) are running, one inside the other.
int BusyDepth();

// Counts one level of busy depth for its lifetime.
class BusyScope {
public:
    BusyScope();
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
};

// Sleeps up to ms milliseconds, running events as they arrive. Returns early
// when WakeAll is called.
void WaitEvents(int ms);
// Runs the events that are pending now and returns (the run time's
// DoEvents), counting one level of busy depth meanwhile.
void DoEvents();
// Sleeps up to ms milliseconds without running any event.
void SleepNoEvents(int ms);
// Ends the sleep of every running WaitEvents.
void WakeAll();

// Runs action from the main event loop once no wait is running any more
// (at once, when none runs now). Pending actions run in the order asked;
// CancelWhenIdle drops them all.
void WhenIdle(std::function<void()> action);
void CancelWhenIdle();

// One factor for every pause of the program: tests and the simulator set 0.
double PauseScale();
void SetPauseScale(double factor);

// The clock the pauses read: seconds since midnight. Tests may replace it.
double SecondsSinceMidnight();
void SetClockForTests(std::function<double()> clock);

// One frame of the screen in milliseconds (its refresh interval; 1000 / 60
// when the screen does not tell).
double FrameMs();
// Waits one frame, scaled by the pause scale, running events meanwhile, so
// that an animation steps once for every picture the screen shows. With the
// pause scale at 0 it returns at once and runs nothing.
void WaitFrame();
// How many frames WaitFrame has waited since the program started.
long FramesWaited();

}  // namespace waits
