// A card picture flying across the table from one pile to another.
#pragma once

#include <QPointF>
#include <vector>

namespace vb {
class ControlArray;
}

namespace grisk {

// Flies fromCtl(fromIndex) towards toCtl(toIndex), one step for every frame
// of the screen, then hides it and puts it back exactly where it started;
// the caller draws the result. On the way the moving-card picture
// Picture1(0) covers the source pile, at its size, with what lies under the
// card; it is hidden when the flight ends. The card flies under the menu
// strip and the status bar. Sets
// DragLeft and DragTop to the start. With the pause scale at 0 the flight
// takes no time and does no waiting; with PaintCards off (the simulator)
// nothing flies at all.
void AnimateCardMove(vb::ControlArray& fromCtl, int fromIndex, vb::ControlArray& toCtl,
                     int toIndex);

// The places, in pixels, that a card starting at start takes on its flight
// to target, step by step (the start itself not included). The step is the
// distance divided by animSpeed, rounded half to even and at least 1; a
// speed outside 1..250 (a damaged profile) flies with the default speed. The
// longer axis leads and stops half a large card short when going left or
// down, half a card beyond when going right, and on the target's row when
// going up; the other axis follows.
std::vector<QPointF> FlightPath(QPointF start, QPointF target, int animSpeed);

// The time one step of a flight stands for, in milliseconds. A flight of
// AnimSpeed steps lasts about AnimSpeed times this (95 steps a good third of
// a second); the card is shown at the place it has reached once a screen
// frame, so the flight looks the same on any machine and any screen.
inline constexpr double kFlightStepMs = 4.0;

}  // namespace grisk
