// The computer opponent's move planner: which cards the loaded seat plays
// onto which centre pile, and in which order. It simulates plays on a plan
// stack per centre pile (PlanSet, PlanMoves) and never touches the real piles;
// it reads the shared game state and reports through the opponent's state
// (PlayFound, TargetCenter, ...). Pure logic: no window, no sound, no waits.
#pragma once

#include "platform/vbarray.h"

namespace grisk {

// --- Look-ahead -----------------------------------------------------------

// The centre pile 1..NumCenters that a card of rank thisSide reaches soonest
// (the lower pile on a tie, pile 1 when none). blnMe with a King: the pile
// where the loaded seat's own wild King is best kept away from the human's
// pile (reads HumanCenter, so Ck_Player must have run for this table).
int CenterBestToPlay(int thisSide, bool blnMe = false);

// How close the human is to playing the pay-off card: sets BlockValue (the
// danger line, widened by the level's margin), HumanCenter, EmptyCenter and,
// at Ruthless, CenterReach.
void Ck_Player();

// --- Hold piles ----------------------------------------------------------

// The run type of a computer seat's hold pile of `count` cards whose ranks
// are hold(1, p, 1..count), bottom first, as the turn keeps it after a
// discard onto the pile or a play from its top: 0 for an empty pile, a
// single card or a top of the bottom card's rank; else 2 for a top one
// under the card below it, 1 for a top that differs from that card; a top
// of the same rank as the card below (but not the bottom's) keeps
// `previous`.
int HoldRunType(const vb::Array<int, 3>& hold, int p, int count, int previous);

// --- The plan stack -------------------------------------------------------

// Pushes the play of slot PlanSource onto pile TargetCenter and sets
// PlayFound when the plan has reached a goal. Called outside a search (a
// forced play of the turn), the pile's plan starts from its real count.
void Move_Plan();

// Pops the last planned play of pile TargetCenter; true when the pile's plan
// is then empty.
bool Move_ReduceSet();

// PlayFound = 1 when a computer seat that moves after the loaded one before
// the human shows a pay-off card of this rank.
void Move_BlockOppsCk(int thisCard);

// --- The search -----------------------------------------------------------

// The search. The caller sets TargetCenter, PlanNextSlot = 2, PlanMode = 0
// and PlanStartCenter = TargetCenter. The first pass plans onto TargetCenter,
// its own Kings extending the plan, and judges that plan as the second pass
// does; when it is not taken the second pass goes over the piles from 1 (or
// once from the wild pay-off's pile), checking each plan against the other
// seats. Afterwards PlayFound = 1 means: play PlanMoves(TargetCenter,
// 1..count) in order (a slot 1 entry is the pay-off card, which the turn
// plays itself); otherwise TargetCenter is NumCenters. PlanBoundHit tells a
// search cut off at PlanStepBound, which only a defect can cause.
void Move_Comp();

// Whether the hold play offered in PlanSource (pile 1..4) should come from
// another pile with the same top. MoveSlot < 5: decided (PlanHoldPick = the
// pile to play when one is to be played instead); MoveSlot 5: no decision.
void Move_Comp_Hold();

// --- Blocking and waiting -------------------------------------------------

// Shortens or accepts the plan of TargetCenter against the human and the
// computer seats that follow.
void Move_WaitOpps();
// Judges the plan against one seat's slots (pay-off rank in slot 1, hold
// tops in slots 7..10).
void Move_Wait(const vb::Array<int, 2>& thisopp);
// Cuts the plan back when it would leave a pile a few values under this
// pay-off rank.
void CheckOppsSide(int thisSide);

}  // namespace grisk
