// The end of the human's turn: a hand card dropped on a hold pile, and the
// human's moves sent to the other machines of an Internet game.
#pragma once

namespace grisk {

// Discards the card of hand slot SourceSlot onto hold slot DropSlot and
// passes the turn. For now the drop is refused: the card goes back to its
// home (DragLeft, DragTop) and the human's piles are unlocked.
void Player_EndTurn();

// Sends the human's move (OutMoveFrom, OutMoveTo) inside the turn to the
// other machines and waits for them; nothing is sent yet.
void Move_Transmit();
// Sends the move that ends the turn or empties the pay-off pile; nothing is
// sent yet.
void Move_Transmit_Done();

}  // namespace grisk
