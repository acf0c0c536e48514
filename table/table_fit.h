// Keeping the table whole on the window: the window's width as the layout
// sizes it, where the other seats' piles stand at a three- or four-player
// table, and moving a row or the stock the least that keeps it on the
// window and clear of the piles.
#pragma once

#include <QRectF>

namespace vb {
class Control;
class ControlArray;
}

namespace grisk {

// The main window's width in twips as the layout sizes it: the screen's,
// but 16665 on a screen wider than 15360 twips.
int MainWindowWidthTw();
// The right edge of the window's inner area, in pixels.
double TableRightPx();

// How an opponent's piles fan out at a three- or four-player table, for
// cards w pixels wide: the hand steps right by a quarter card and the hold
// piles by a card less 6 pixels. On a window too narrow for every seat
// side by side (640 pixels with four players) both steps shrink just
// enough for the seats to fit.
struct SeatFan {
    int handStep;
    int holdStep;
};
SeatFan OpponentFan(int w);

// The left of seat 2..4's pay-off pile at a three- or four-player table:
// the place the layout gives it, moved left the least that keeps the seat's
// piles inside the window and clear of the next seat's.
int OpponentPayOffLeft(int seat);

// Where a seat's name label goes under its pay-off pile: at the designed
// top, or just below the pile where the designed top would put the name
// under the card.
double NameTopUnder(const vb::Control& payOff, double designedTop);
// The height of a line of the players' names, in pixels.
double NameLineHeightPx();

// Moves the human's row of slots first..last (and what goes with it: the
// pay-off stack and hold image, or the hold outlines and frame) left by
// as much as its last pile reaches past the window's right edge.
void KeepHumanRowOnWindow(int first, int last);

// The tallest the main window may be, in twips: the screen's work area,
// or the screen; 0 when no screen is known (nothing is fitted then).
double WindowHeightLimitTw();

// Lifts the human's rows the least that keeps them (with their frame,
// outlines, pay-off stack and name) above the status bar's place at the
// bottom of the window's inner area, as far as what stands above them
// leaves room: both rows together first, then the hand row alone.
void KeepHumanRowsInHeight();

// Keeps the human's pay-off pile, stack, hand and name clear of the centre
// piles and their board: the centre moves left where its wild counters
// leave room for that, else the hand row goes below the centre where the
// window's height leaves room for it, else the centre moves left as far as
// it can.
void KeepHumanHandClearOfCentre();

// Moves the message line, then the remark line, each the least that keeps
// its text (as many lines as the longest) inside the window and clear of
// the piles, the hold-row frames and the stock; the remark keeps clear of
// the message line and the centre board too. False when a line found no
// such place.
bool KeepTextLinesClear();

// The avatar (the slap picture on its lower edge with it) at its designed
// top where that is clear of every pile, hold-row frame, name and the
// centre, else as little lower, in its column, as leaves it clear; where
// no place in the window does, at its designed top.
void KeepAvatarClear();

// Moves the stock with its frame and turn arrows the least that keeps
// them inside the window and clear of every pile, hold-row frame, the
// centre board and the avatar (of the avatar only where a place is clear
// of both), then the Deal button the same way (clear of the stock too);
// each stays where it is when nothing is in the way. The avatar takes its
// place first.
void KeepStockClear();

}  // namespace grisk
