// The mouse and keys on the card table: the human's ten pile pictures
// Picture7(1..10) are pressed, dragged and dropped on a centre pile, a hold
// pile or another hand place, double-clicked and keyed; the other seats'
// pile pictures and the centre pictures answer with counts and the
// pile-information window. Positions are pixels of the main window.
#pragma once

namespace vb {
class ControlArray;
}

namespace grisk {

void Picture7_MouseDown(int index, int button, int shift, double x, double y);
void Picture7_MouseMove(int index, int button, int shift, double x, double y);
void Picture7_MouseUp(int index, int button, int shift, double x, double y);
void Picture7_DblClick(int index);
void Picture7_KeyDown(int index, int& keyCode, int shift);
// A press on a pile picture of seat 2, 3 or 4 (pile is Picture1, Picture2
// or Picture3).
void SeatPile_MouseDown(vb::ControlArray& pile, int index, int button);
void PicCenter_DblClick(int index);
void PicCenter_MouseDown(int index, int button, int shift);

// The pile the dragged picture Picture7(index) lies on: a centre pile
// 1..NumCenters (DropTarget PicCenter), a hold slot 7..10 or a hand place
// 2..6 (DropTarget Picture7), or -1 for none, with rule message 4 for a
// pay-off card or 2 for a hold-pile top dropped where it may not go.
int FindDropPile(int index);

// The human's card picture Picture7(source) dragged with the left button
// onto target(index) as a player's mouse drags it: pressed, moved until it
// lies on the target, released there. A locked (disabled) picture takes no
// press, as on the screen. The simulator's player and the tests end a turn
// this way, so that all that surrounds a drop runs as in the program.
void DragHumanCard(int source, vb::ControlArray& target, int index);

// The human's hand card of slot source (2..6) discarded onto hold slot
// holdSlot (7..10), by a drop or a key: the pictures from the hand on are
// locked and the turn ends there (Player_EndTurn), the other seats playing
// before this returns. DragLeft and DragTop must hold the card's home.
void HumanDiscard(int source, int holdSlot);

// True when a new move of the human may start: no move of the human's, no
// deal and no other seat's turn is running, nothing is waiting for events,
// and no drop waits for the table to settle.
bool TableSettled();

// Forgets a drag's press and a drop waiting for the table to settle (a new
// run, a test).
void ResetCardHandlingState();

// x, y = (x1, y1) + t * ((x2, y2) - (x1, y1)), rounded to whole pixels.
void Interpolate(int x1, int y1, int x2, int y2, float t, int& x, int& y);

// The human's card in slot source onto centre pile centre, by every way
// the human plays one (dropped: a drag released over the pile; else a
// double-click or a key): SourceSlot and TargetCenter are set, the centre
// rule checks the card and, when it allows it, the card is played. A
// refusal puts Pturn back to what it was before the check. False when the
// card was not played (refused, not the human's turn); a move under way
// already refuses at once and changes nothing.
bool HumanCenterPlay(int source, int centre, bool dropped);

}  // namespace grisk
