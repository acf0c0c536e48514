// The plan stack of a centre pile: pushing a play and deciding whether the
// plan has reached its goal, popping it, and the block of the next seats.
#include "engine/state.h"
#include "opponent/planner.h"
#include "opponent/planner_internal.h"
#include "opponent/state.h"

namespace grisk {

namespace plan {

int plannedRank(int c, int k) {
    const int slot = opp.PlanMoves(c, k);
    if (slot >= 1 && slot <= 6) return eng.OppSlots(1, slot);
    if (slot < 7 || slot > 10) return 0;
    int depth = eng.OppHoldTable(slot - 6, 1);
    for (int j = 1; j < k; ++j)
        if (opp.PlanMoves(c, j) == slot) --depth;
    return depth >= 1 && depth <= 30 ? eng.OppHold(1, slot - 6, depth) : 0;
}

bool pushPlay(int c, int slot, bool advance) {
    if (opp.PlanSet(c, 1) >= kMaxPlays) return false;
    opp.PlanSet(c, 1) += 1;
    opp.PlanMoves(c, opp.PlanSet(c, 1)) = slot;
    if (advance) opp.PlanSet(c, 0) = nextValue(opp.PlanSet(c, 0));
    return true;
}

bool otherPileShows(int value, int except) {
    for (int i = 1; i <= eng.NumCenters; ++i)
        if (i != except && eng.CenterCount(i) == value) return true;
    return false;
}

}  // namespace plan

using namespace plan;

namespace {

// The goal of a plan that has taken the human's spot: the pile shows the
// human's pay-off rank, or was completed under the human's Queen.
bool blocksHuman(int c) {
    const int v = planValue(c);
    return v == humanPayoff() || (v == 0 && humanPayoff() == 12);
}

// A goal reached during a borrowed play: the plan to play is the one of the
// pile it was borrowed for.
void goalReached() {
    if (borrowing()) eng.TargetCenter = opp.PlanSavedCenter;
    opp.PlayFound = 1;
}

// A wild pay-off King takes the place of the card just planned.
void payoffTakesThePlace(int c) {
    opp.PlanSource = 1;
    opp.PlanMoves(c, planCount(c)) = 1;
    opp.PlayFound = 1;
}

}  // namespace

void Move_Plan() {
    const int c = eng.TargetCenter;
    if (!opp.PlanSearching) {
        // A forced play of the turn: the pile's plan from the search before
        // may be stale; this play starts from what the pile shows.
        opp.PlanSet(c, 1) = 0;
        opp.PlanSet(c, 0) = eng.CenterCount(c);
        opp.PlanHandLeft = eng.HandCount;
    }
    if (opp.PayoffIsWild && eng.NoWildAce && opp.PlanSource == 1 && planValue(c) + 1 == 1) return;
    if (!pushPlay(c, opp.PlanSource, true)) {
        // A full stack counts as a goal: the turn plays it and plans again.
        goalReached();
        return;
    }
    const int rank = plannedRank(c, planCount(c));

    if (opp.PayoffIsWild) {
        if (rank == 13 && opp.PlanSource != 1 && c == opp.HumanCenter) {
            opp.WildPayoffCenter = c;
            payoffTakesThePlace(c);
            return;
        }
        if (rank == 12 && eng.NoWildAce) {
            bool anotherStarted = false;
            for (int i = 1; i <= eng.NumCenters; ++i)
                if (i != c && eng.CenterCount(i) != 0) anotherStarted = true;
            if (!anotherStarted) {
                // After the Queen every pile would be empty and the wild
                // pay-off could not be played at all.
                payoffTakesThePlace(c);
                return;
            }
        }
    } else if (planValue(c) + 1 == ownPayoff()) {
        goalReached();
        return;
    }

    if (opp.PlanHandLeft == 0) goalReached();  // the plan is played as far as it goes

    if (opp.WildPayoffCenter != 0 && blocksHuman(c)) {
        opp.PlayFound = 1;
        opp.WildPayoffCenter = 0;
        opp.WildPayoffShift = 0;
        return;
    }
    if (opp.PayoffIsWild && blocksHuman(c)) {
        opp.PlayFound = 1;
        if (opp.PlanSource == 1 && opp.PlanNextSlot - 1 != 1) opp.WildPayoffCenter = c;
        return;
    }
    if (opp.ForcedPlay == 12 && c == opp.HumanCenter && blocksHuman(c)) {
        opp.PlayFound = 1;
        return;
    }
    const bool seatFollows = (eng.NumPlayers == 3 && eng.Pturn != 3) ||
                             (eng.NumPlayers == 4 && eng.Pturn != 4);
    if (seatFollows && rank != 13) Move_BlockOppsCk(rank);
}

bool Move_ReduceSet() {
    const int c = eng.TargetCenter;
    const int count = planCount(c);
    if (count < 1) {
        opp.PlayFound = 0;
        return true;
    }
    if (opp.PlanMark == count) opp.PlanMark = 0;
    // The card goes back where it came from, so a search that goes on sees it.
    const int slot = opp.PlanMoves(c, count);
    if (slot >= 7 && slot <= 10 && eng.OppHoldTable(slot - 6, 0) < eng.OppHoldTable(slot - 6, 1))
        eng.OppHoldTable(slot - 6, 0) += 1;
    if (slot >= 2 && slot <= 6) opp.PlanHandLeft += 1;
    opp.PlanSet(c, 1) = count - 1;
    if (opp.PlanSet(c, 0) == 0) opp.PlanSet(c, 0) = 12;
    opp.PlanSet(c, 0) -= 1;
    if (count - 1 == 0) {
        opp.PlayFound = 0;
        return true;
    }
    return false;
}

void Move_BlockOppsCk(int thisCard) {
    const bool blocks =
        (eng.Pturn == 2 && eng.NumPlayers >= 3 && thisCard == eng.Player3.Slots(1, 1)) ||
        (eng.Pturn == 2 && eng.NumPlayers == 4 && thisCard == eng.Player4.Slots(1, 1)) ||
        (eng.Pturn == 3 && eng.NumPlayers == 4 && thisCard == eng.Player4.Slots(1, 1));
    if (blocks) opp.PlayFound = 1;
}

}  // namespace grisk
