// The search: which plays the loaded seat plans onto which centre pile. The
// first pass works on one pile and lets the seat's own Kings extend the plan;
// the second pass works on the piles in order and checks each plan against
// the other seats before it accepts one.
#include <algorithm>

#include "engine/state.h"
#include "opponent/planner.h"
#include "opponent/planner_internal.h"
#include "opponent/state.h"

namespace grisk {

using namespace plan;

namespace {

// The rank at depth d of the loaded seat's hold pile p, 0 outside the pile.
int holdRank(int p, int d) { return d >= 1 && d <= 30 ? eng.OppHold(1, p, d) : 0; }
// The card the plan would play next from hold pile p.
int workingTop(int p) { return holdRank(p, eng.OppHoldTable(p, 0)); }
bool isPile(int c) { return c >= 1 && c <= eng.NumCenters; }

// Whether hand or pay-off slot s is already one of pile c's planned plays.
bool alreadyPlanned(int c, int s) {
    for (int k = 1; k <= planCount(c); ++k)
        if (opp.PlanMoves(c, k) == s) return true;
    return false;
}

enum class Step { StartPile, HandScan, HoldInPlace, HoldFits, WildLast, Pick, Fallback, Kings, Judge, NextPile, End };

// The search's own working values.
struct Search {
    int candidate = 0;       // hold pile that fits the pile when no hand card did
    bool firstPile = false;  // the pile in hand is the first pass's
};

Step startPile(int c) {
    opp.PlanSet(c, 1) = 0;
    opp.PlanSet(c, 0) = eng.CenterCount(c);
    opp.PlayFound = 0;
    opp.PlanHandLeft = eng.HandCount;
    opp.PlanMark = 0;
    opp.PlanSavedCenter = 0;
    for (int p = 1; p <= 4; ++p) eng.OppHoldTable(p, 0) = eng.OppHoldTable(p, 1);
    return Step::HandScan;
}

// The first hand card that fits the plan (never a King) is planned.
Step handScan(int c) {
    for (int s = 2; s <= 6; ++s) {
        const int rank = eng.OppSlots(1, s);
        if (rank == 0 || rank == 13 || rank != planValue(c) + 1 || alreadyPlanned(c, s)) continue;
        const int before = planCount(c);
        opp.PlanHandLeft -= 1;
        opp.PlanSource = s;
        Move_Plan();
        opp.PlanHoldPick = 0;
        return planCount(c) > before ? Step::HoldInPlace : Step::End;
    }
    opp.PlanHoldPick = 99;
    return Step::HoldFits;
}

// A hold pile with the same top as the hand card just planned may be played
// instead, so that the seat digs into its hold piles and keeps the hand card.
Step holdInPlace(int c) {
    const int count = planCount(c);
    const int rank = plannedRank(c, count);
    const int payoff = ownPayoff();
    const int sideBest = pileCount(opp.SideBestCenter);
    for (int p = 1; p <= 4 && rank != 13; ++p) {
        const int wc = eng.OppHoldTable(p, 0);
        if (wc < 1 || holdRank(p, wc) != rank) continue;
        opp.PlanSource = p;
        Move_Comp_Hold();
        if (opp.MoveSlot < 5) break;
        if (wc == 1) continue;
        const int under = holdRank(p, wc - 1);
        if (under == rank + 1) {
            opp.PlanHoldPick = p;
            break;
        }
        if (under == rank) break;
        if (c != opp.SideBestCenter && sideBest < under && under < payoff) {
            if (sideBest + 1 == under && under + 1 == payoff) {
                // The card under it goes on the pay-off card's pile and the
                // pay-off card follows: this plan ends here.
                opp.PlanMoves(c, count) = p + 6;
                opp.PlayFound = 1;
                return Step::End;
            }
            opp.PlanHoldPick = p;
            break;
        }
        if (opp.PlanHandLeft != 0) {
            opp.PlanHoldPick = p;
            opp.PlanMark = count;
        }
    }
    const int pick = opp.PlanHoldPick;
    if (pick >= 1 && pick <= 4) {
        opp.PlanMoves(c, count) = pick + 6;
        eng.OppHoldTable(pick, 0) -= 1;
        opp.PlanHandLeft += 1;
        const int start = opp.PlanStartCenter;
        if (opp.PlanMode == 1 && isPile(start) && workingTop(pick) != 0 &&
            workingTop(pick) == planValue(start) + 1) {
            // The card it uncovers is the one the first pass's pile needs
            // next: borrow that pile for a play, then come back.
            opp.PlanSavedCenter = c;
            eng.TargetCenter = start;
            opp.PlanMark = kBorrowedMark;
            opp.PlanMode = 2;
            opp.PlanHoldPick = 99;
            opp.PlayFound = 0;
        }
    }
    if (opp.PlayFound == 1) return Step::End;
    return opp.PlanHoldPick != 99 ? Step::HandScan : Step::HoldFits;
}

// No hand card fitted: a hold pile whose top fits becomes the candidate.
Step holdFits(int c, Search& search) {
    search.candidate = 0;
    if (borrowing()) return Step::WildLast;
    const int sideBest = pileCount(opp.SideBestCenter);
    for (int p = 1; p <= 4; ++p) {
        const int wc = eng.OppHoldTable(p, 0);
        const int top = holdRank(p, wc);
        if (wc < 1 || top != planValue(c) + 1) continue;
        opp.PlanSource = p;
        Move_Comp_Hold();
        if (opp.MoveSlot < 5) break;
        search.candidate = p;
        if (eng.OppHoldTable(p, 2) != 0 && wc >= 2) {
            const int under = holdRank(p, wc - 1);
            if (under == top + 1 || (sideBest < under && under < ownPayoff())) break;
        }
        opp.PlanMark = planCount(c) + 1;
    }
    if (opp.MoveSlot != 0 && opp.MoveSlot == opp.PlanHoldPick) opp.PlanMark = planCount(c) + 1;
    return Step::WildLast;
}

int pickedPile() { return opp.PlanHoldPick >= 1 && opp.PlanHoldPick <= 4 ? opp.PlanHoldPick : 0; }

// The wild pay-off King as the last play on the human's pile, after a plan
// that completes it: the King then stands for an Ace. Under the no-wild-Ace
// rule it may not start the emptied pile.
Step wildLast(int c, const Search& search) {
    const int count = planCount(c);
    if (!opp.PayoffIsWild || c != opp.HumanCenter || pickedPile() != 0 || search.candidate != 0 ||
        count < 1 || opp.PlanMoves(c, count) < 2 || planValue(c) != 0 || eng.NoWildAce)
        return Step::Pick;
    if (!pushPlay(c, 1, true) || planValue(c) == humanPayoff()) {
        opp.PlayFound = 1;
        return Step::End;
    }
    return Step::Fallback;
}

Step pick(const Search& search) {
    const int pile = pickedPile() != 0 ? pickedPile() : search.candidate;
    if (pile == 0) return Step::Fallback;
    eng.OppHoldTable(pile, 0) -= 1;
    opp.PlanSource = pile + 6;
    Move_Plan();
    return opp.PlayFound == 1 ? Step::End : Step::HandScan;
}

// A hand of Kings only: the turn plays one on the pay-off card's pile.
Step fallback(int c) {
    if (opp.ForcedPlay != 13 || c != opp.SideBestCenter) return Step::Kings;
    if (opp.DropFallback >= 1 && opp.DropFallback <= 10) pushPlay(c, opp.DropFallback, false);
    opp.PlayFound = 1;
    return Step::End;
}

// After the first pass's pile the second pass starts at pile 1, or once at
// the pile where the wild pay-off King was planned.
Step beginSecondPass(int c) {
    int start = 1;
    const int wild = opp.WildPayoffCenter;
    if (isPile(wild) && wild != c && opp.WildPayoffShift == 0) {
        start = wild;
        opp.WildPayoffShift = 1;
    } else if (wild != 0 && wild == c && opp.WildPayoffShift != 0) {
        opp.WildPayoffCenter = 0;
        opp.WildPayoffShift = 0;
    }
    eng.TargetCenter = start;
    return Step::StartPile;
}

Step planKing(int slot) {
    opp.PlanSource = slot;
    Move_Plan();
    opp.PlanMark = 1;
    return opp.PlayFound == 1 ? Step::End : Step::HandScan;
}

// First pass: the seat's own Kings extend the plan, hold tops first. With
// no King left (or none allowed on an empty pile) the plan is judged as the
// second pass judges, which then goes on over the piles.
Step kings(int c) {
    if (opp.PlanMode != 0) return Step::Judge;
    if (planValue(c) != 0 || !eng.NoWildAce) {
        for (int p = 1; p <= 4; ++p) {
            if (eng.OppHoldTable(p, 0) < 1 || workingTop(p) != 13) continue;
            eng.OppHoldTable(p, 0) -= 1;
            return planKing(p + 6);
        }
        for (int s = std::max(opp.PlanNextSlot, 1); s <= 6; ++s) {
            if (eng.OppSlots(1, s) != 13 || alreadyPlanned(c, s)) continue;
            opp.PlanNextSlot = s + 1;
            if (s >= 2) opp.PlanHandLeft -= 1;
            return planKing(s);
        }
    }
    opp.PlanMode = 1;
    return Step::Judge;
}

enum class Verdict { Accept, Reject, Emptied };

// The second pass's test of the plan of pile c as it stands.
Verdict judge(int c) {
    const int human = humanPayoff();
    int rank = topRank(c);
    int value = planValue(c);
    if ((rank == 1 && opp.ForcedPlay == 1) || (rank == 2 && opp.ForcedPlay == 2)) return Verdict::Accept;
    if (rank == human) return Verdict::Accept;
    if (level() > Average && value == human) return Verdict::Accept;
    if (otherPileShows(value, c)) return Verdict::Accept;
    Move_WaitOpps();
    if (planCount(c) == 0) return Verdict::Emptied;
    if (opp.PlayFound == 1) return Verdict::Accept;
    rank = topRank(c);
    value = planValue(c);
    const int bv = opp.BlockValue;
    if (bv < human && value < bv - 1) return Verdict::Accept;
    for (int i = 1; i <= eng.NumCenters; ++i) {
        if (i == c) continue;
        const int count = eng.CenterCount(i);
        if (value <= count && count < human && opp.CenterReach(c) == 0) return Verdict::Accept;
        if (bv > human && count < eng.CenterCount(c) && count < human) return Verdict::Accept;
    }
    if (bv > human) {
        if (rank <= bv - 1 && rank > human) return Verdict::Accept;
    } else if (bv == 1) {
        if (rank > human && (opp.EmptyCenter != 0 || rank != 12)) return Verdict::Accept;
    }
    if (planCount(c) == 1)
        for (int s = 7; s <= 10; ++s)
            if (rank == eng.PlayerSlots(1, s)) return Verdict::Accept;
    return Verdict::Reject;
}

// Second pass: the plan is cut back until it is accepted or empty. A
// borrowed play goes back to the pile it was borrowed for.
Step judgePlan(int c) {
    if (opp.PlanMode == 2) {
        if (isPile(opp.PlanSavedCenter)) eng.TargetCenter = opp.PlanSavedCenter;
        opp.PlanMode = 1;
        opp.PlanMark = 1;
        return Step::HandScan;
    }
    for (int guard = 0; guard <= kMaxPlays && planCount(c) > 0; ++guard) {
        const Verdict verdict = judge(c);
        if (verdict == Verdict::Emptied) break;
        if (verdict == Verdict::Accept) {
            opp.PlayFound = 1;
            eng.TargetCenter = c;
            return Step::End;
        }
        if (Move_ReduceSet()) break;
    }
    return Step::NextPile;
}

Step nextPile(Search& search) {
    if (opp.PlanMark != 0) return Step::HandScan;
    if (search.firstPile) {
        search.firstPile = false;
        return beginSecondPass(eng.TargetCenter);
    }
    if (eng.TargetCenter >= eng.NumCenters) {
        eng.TargetCenter = eng.NumCenters;
        return Step::End;
    }
    eng.TargetCenter += 1;
    return Step::StartPile;
}

// Marks the search as running for its whole length, whatever way it ends.
class SearchScope {
public:
    SearchScope() : was_(opp.PlanSearching) { opp.PlanSearching = true; }
    ~SearchScope() { opp.PlanSearching = was_; }
    SearchScope(const SearchScope&) = delete;
    SearchScope& operator=(const SearchScope&) = delete;

private:
    bool was_;
};

}  // namespace

void Move_Comp() {
    SearchScope scope;
    opp.PlanBoundHit = false;
    eng.TargetCenter = std::clamp(eng.TargetCenter, 1, std::max(eng.NumCenters, 1));
    Search search;
    search.firstPile = opp.PlanMode == 0;
    Step step = Step::StartPile;
    for (int steps = 0; step != Step::End; ++steps) {
        if (steps >= opp.PlanStepBound) {
            opp.PlanBoundHit = true;
            opp.PlayFound = 0;
            return;
        }
        const int c = eng.TargetCenter;
        switch (step) {
        case Step::StartPile: step = startPile(c); break;
        case Step::HandScan: step = handScan(c); break;
        case Step::HoldInPlace: step = holdInPlace(c); break;
        case Step::HoldFits: step = holdFits(c, search); break;
        case Step::WildLast: step = wildLast(c, search); break;
        case Step::Pick: step = pick(search); break;
        case Step::Fallback: step = fallback(c); break;
        case Step::Kings: step = kings(c); break;
        case Step::Judge: step = judgePlan(c); break;
        case Step::NextPile: step = nextPile(search); break;
        case Step::End: break;
        }
    }
}

void Move_Comp_Hold() {
    const int p = opp.PlanSource;
    opp.MoveSlot = 5;
    if (p < 1 || p > 4) return;
    const int wcP = eng.OppHoldTable(p, 0);
    const int topP = holdRank(p, wcP);
    const int belowP = holdRank(p, wcP - 1);
    const bool runP = belowP == topP + 1;
    for (int q = 1; q <= 4; ++q) {
        const int wcQ = eng.OppHoldTable(q, 0);
        const int topQ = holdRank(q, wcQ);
        if (q == p || topQ != topP || topP == 13 || topP == 0) continue;
        const bool runQ = holdRank(q, wcQ - 1) == topQ + 1;
        const int typeP = eng.OppHoldTable(p, 2);
        const int typeQ = eng.OppHoldTable(q, 2);
        opp.MoveSlot = q;
        if (level() != Average) {
            if (typeP == 0) {
                // The closing judgement, against this pile q.
                if (typeQ != 0 || (wcP != 1 && wcQ <= wcP)) opp.PlanHoldPick = q;
                return;
            }
            if ((!runP && runQ) || (runP && runQ && eng.OppHoldTable(q, 1) > eng.OppHoldTable(p, 1))) {
                opp.PlanHoldPick = q;
                return;
            }
        } else {
            if (typeQ == 2 && (typeP != 2 || eng.OppHoldTable(q, 1) > eng.OppHoldTable(p, 1))) {
                opp.PlanHoldPick = q;
                return;
            }
            if (wcP == 1 && typeQ == 1 && wcQ > wcP) {
                opp.PlanHoldPick = q;
                return;
            }
        }
        opp.MoveSlot = 5;
    }
}

}  // namespace grisk
