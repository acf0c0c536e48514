// One turn of a computer seat: its centre plays, its wild pay-off Kings, its
// discard, and the end of a computer's or a remote player's turn.
#pragma once

namespace vb {
class ControlArray;
}

namespace grisk {

// --- The turn -------------------------------------------------------------

// Plays the whole turn of the computer seat Pturn (2..4), whose record the
// turn cycle has loaded: the hand refilled (or counted after a deal), the
// opening remark, passes that play the pay-off card whenever it fits and
// otherwise the planner's plays, the discard (mended by the forced-card
// rules at level), the discard put on a hold pile that has room, and
// Move_End_Turn. Returns at once on the human's turn, when a stalemate
// ended the game during a refill, and after the last pay-off card (the game
// is over). A pass that moves no card ends the passes; when all four hold
// piles hold 30 cards the turn ends without a discard.
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

// --- Centre plays ---------------------------------------------------------

// Plays the plan of pile TargetCenter (PlanMoves(TargetCenter, 1..n)) card
// by card until a card no longer fits, the pay-off card is next (the turn
// plays it), or a hand played empty was refilled (RestartPass, SidePlay 88).
// A pile that reaches twelve cards is cleared before the next play.
// PlayFound is left as it was.
void Comp_Play();

// Moves MoveCard from slot flipFrom (1 pay-off, 2..6 hand, 7..10 hold; a
// hold card's successor already in UncoveredCard) onto centre pile FlipTo
// (= TargetCenter): the pictures, the pile, the wild counters, the remarks.
void Comp_Flip(int flipFrom, int FlipTo, vb::ControlArray& CardOwner);

// The loaded seat's hold pile p gives up its top card: the card it uncovers
// into UncoveredCard (0 and 0 for an empty pile), its count and run type.
void UncoverHoldPile(int p);
// The loaded seat's pay-off pile gives up its top card: the count, the
// drawn stack and the new top in slot 1 (0 for an empty pile).
void TakePayoffTop();

// Shows the King of MoveCard going from slot MoveSlot to pile TargetCenter.
void WildShow(vb::ControlArray& CardOwner);

// The remark after a play from slot flipFrom onto TargetCenter that blocked
// (or failed to block) another player's pay-off card.
void Comp_SideCompare(int flipFrom);

// True when a centre pile other than TargetCenter still takes the human's
// pay-off card. The argument is not used.
bool Comp_PayoffOpenCk(int Value = 0);

// --- Wild Kings of the pay-off pile ---------------------------------------

// Where the loaded seat's wild pay-off King goes: TargetCenter, or SidePlay
// 99 when planned plays were made first and the King is to be aimed again.
void Move_Wild();

// --- The discard ----------------------------------------------------------

// Sorts the hand slots 2..6 highest rank first (Kings first, empty places
// last), redraws the hand; PlanNextSlot = the slot of the last King (0 none)
// and TargetCenter = 2.
void Comp_Reseq(vb::ControlArray& CardOwner);
// The last look before the discard: the hand sorted, DropFallback set, and
// maybe one more play prepared (a Ruthless block, a hand of Kings, the
// forced Aces and Twos).
void Comp_BeforeDrop();
// A duplicate rank in the hand: DupSlot (and TargetCenter).
void Comp_Dups();
// Hold piles that show the same top are linked: LinkPile and LinkSlot.
void Comp_Analyze();
// The discard: TargetCenter = the hand slot, MoveSlot = the hold pile.
void Comp_Drop();

}  // namespace grisk
