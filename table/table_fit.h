// Keeping the table whole on the window: the window's width as the layout
// sizes it, where the other seats' piles stand at a three- or four-player
// table, and moving a row or the stock the least that keeps it on the
// window and clear of the piles.
#pragma once

#include <QRectF>

namespace vb {
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

// Moves the human's row of slots first..last (and what goes with it: the
// pay-off stack and hold image, or the hold outlines and frame) left by
// as much as its last pile reaches past the window's right edge.
void KeepHumanRowOnWindow(int first, int last);

// Lowers the human's pay-off pile and hand the least that keeps them clear
// of the centre piles (the raised compact row of small cards).
void KeepHumanHandClearOfCentre();

// Moves the message line, then the remark line, each the least that keeps
// its text inside the window and clear of the piles, the hold-row frames
// and the stock; the remark keeps clear of the message line too, for as
// many lines as the longest remark.
void KeepTextLinesClear();

// Moves the stock with its frame and turn arrows the least that keeps
// them inside the window and clear of every pile, hold-row frame and the
// centre board; stays where it is when nothing is in the way.
void KeepStockClear();

}  // namespace grisk
