// The computer opponent's shared state: the planner's tables, one row per
// centre pile, and the words the planner, the computer's turn and its discard
// choice pass to one another.
#pragma once

#include "platform/vbarray.h"

namespace grisk {

struct OpponentState {
    // The plan stack of each centre pile. PlanSet(c, 0) is the value pile c
    // would show (0 = empty; a pile that reaches 12 is cleared and shows 0);
    // PlanSet(c, 1) the number of planned plays. PlanMoves(c, k) is the slot
    // of the k-th planned play (1 pay-off top, 2..6 hand, 7..10 hold tops);
    // index 0 holds no play and a stack holds at most 15 plays.
    vb::Array<int, 2> PlanMoves{{0, 3}, {0, 15}};
    vb::Array<int, 2> PlanSet{{0, 3}, {0, 1}};

    // The search.
    int PlayFound = 0;        // 1: the plan of pile TargetCenter is to be played
    int PlanSource = 0;       // slot of the card being planned (Move_Plan pushes it)
    int PlanHandLeft = 0;     // hand cards the plan has not used
    int PlanMark = 0;         // step marker: hold pick, 1 after a King, 14 while borrowing
    int PlanSavedCenter = 0;  // the pile to go back to after a borrowed play
    int PlanStartCenter = 0;  // the pile of the first pass
    int PlanMode = 0;         // 0 first pass, 1 second pass, 2 a borrowed play
    int PlanNextSlot = 2;     // first slot looked at for a King of the seat's own
    int PlanHoldPick = 0;     // hold pile taken (1..4), 0 none, 99 no hand card fitted
    int WildPayoffCenter = 0; // pile on which the wild pay-off King was planned, 0 none
    int WildPayoffShift = 0;  // 1: the second pass has once started at that pile
    int ForcedPlay = 0;       // special play of the turn: 1, 2, 12 or 13
    int DropFallback = 0;     // first hand slot without a King
    int MoveSlot = 0;         // the slot or pile a move concerns
    bool PayoffIsWild = false;  // the loaded seat's pay-off top is a King

    // The turn.
    int SidePlay = 0;       // pay-off play of the pass: 0 none, 1 play, 2 wild block found
                            // under the no-wild-Ace rule, 88 start again, 99 aim the King again
    int BlockCenter = 0;    // pile where the human's pay-off card fits, for a wild pay-off
    bool RestartPass = false;  // a hand played empty was refilled: the pass starts again
    int CardsMoved = 0;     // cards the turn has played to the centre piles so far
    int PlayedRank = 0;     // 13 while a King from the hand or a hold pile is played
    vb::Array<int, 1> UncoveredCard{{0, 1}};  // the card a hold play uncovers (number, rank)
    int LastBlockRemark = 0;  // remark line 11..20 of the last block remark
    int LastBlockSound = 0;   // sound 3..6 of the last block sound

    // The discard choice.
    int NoReplan = 0;    // 1: the turn searches no further after the last pass
    int DupSlot = 0;     // hand slot of a duplicate rank
    int LinkPile = 0;    // hold pile linked for the discard
    int LinkSlot = 0;    // hand slot for LinkPile
    int MatchSlot = 0;   // hand slot whose rank equals a hold top

    // The look-ahead on the human.
    int BlockValue = 0;    // the centre value the human's pay-off card needs, with margin
    int HumanCenter = 0;   // the pile the human's pay-off card aims at
    int SideBestCenter = 0;  // the pile best for the loaded seat's pay-off card
    int EmptyCenter = 0;   // the last empty centre pile, 0 none
    vb::Array<int, 1> CenterReach{{0, 4}};  // per centre pile, Ruthless only

    // Guard of the search: the most steps one search may take, and whether
    // the last search was cut off there (a defect, never normal play).
    int PlanStepBound = 1000;
    bool PlanBoundHit = false;
    // True while Move_Comp runs: a push from outside the search starts from
    // the pile's real count.
    bool PlanSearching = false;
};

extern OpponentState opp;
void ResetOpponentState();

}  // namespace grisk
