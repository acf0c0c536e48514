// One turn of a computer seat, and the end of a computer's or a remote
// player's turn.
#pragma once

namespace vb {
class ControlArray;
}

namespace grisk {

// Plays the whole turn of the computer seat Pturn (2..4), whose record the
// turn cycle has loaded: the hand refilled (or counted after a deal), a
// remark on a pay-off card the human left unplayed, then one hand card
// discarded onto the emptiest hold pile through Move_End_Turn. It plays
// nothing to the centre piles yet. Returns at once on the human's turn.
void Computer();

// Ends the turn of seat Pturn: the discard (hand slot TargetCenter) goes
// from the hand onto hold pile MoveSlot (1..4; the caller has already put
// it into OppHold and counted it), which MoveSlot then names as slot 7..10;
// in an Internet game the mover's "OK" is awaited, relayed and answered;
// the turn's runs are checked, the seat's record stored back and the turn
// passed to the next seat of SeatOrder. Back at the human: the human's hand
// refilled (unless a deal or restore just filled it), the auto-save and the
// move log's first record, and the human's piles enabled. Without a card in
// TargetCenter or a pile in MoveSlot the turn passes without a discard.
// CardOwner is the seat's pile-picture array.
void Move_End_Turn(vb::ControlArray& CardOwner);

}  // namespace grisk
