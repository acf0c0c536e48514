// Drawing the whole table, or one seat's row, from the game state.
#pragma once

#include "platform/vbarray.h"

namespace vb {
class ControlArray;
}

namespace grisk {

// Draws the ten slots of the seat shown by pile (Picture7 the human,
// Picture1..Picture3 seats 2..4) from its slot array: the pay-off card face
// up over a card back, the hand face up for the human (or while peeking)
// and as backs for the others, the hold piles face up with their outlines,
// empty hold piles as the empty mark.
void RedrawPlayerPiles(vb::ControlArray& pile, vb::Array<int, 2>& cardSlots);
// Redraws every seat's row, the centre piles with their wild counters, the
// stock, the pay-off stacks' colour and the hold image.
void RedrawTable();

}  // namespace grisk
