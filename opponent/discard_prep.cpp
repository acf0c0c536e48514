// Before the discard: the hand sorted, the last play prepared, duplicate
// ranks found and hold piles with the same top linked.
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/state.h"
#include "opponent/computer.h"
#include "opponent/discard_view.h"
#include "opponent/planner.h"
#include "opponent/planner_internal.h"
#include "opponent/state.h"
#include "table/card_drawing.h"

namespace grisk {

using namespace plan;
using namespace discard;

namespace {

void swapSlots(int a, int b) {
    for (int f : {0, 1}) std::swap(eng.OppSlots(f, a), eng.OppSlots(f, b));
}

int emptyCentrePiles() {
    int n = 0;
    for (int c = 1; c <= eng.NumCenters; ++c)
        if (eng.CenterCount(c) == 0) ++n;
    return n;
}

// A Ruthless seat with a King in hand tries to block the human. True when a
// search towards the human's pile is prepared.
bool prepareBlock() {
    const int own = eng.OppSideCount;
    const int human = eng.SideCount;
    const bool close = (human <= 4 && own <= 4 && own >= human) || (human < 3 && own > 4);
    if (own <= human + 5 && !close && !(eng.NoWildAce && opp.PlanNextSlot >= 2)) return false;
    const int hc = opp.HumanCenter;
    if (hc < 1 || hc > eng.NumCenters) return false;
    const int H = humanPayoff();
    if (eng.CenterCount(hc) + 1 != H) {
        if (own < human || otherPileShows(eng.CenterCount(hc), hc)) return false;
        opp.ForcedPlay = 12;
    } else {
        if (H == 1 && (eng.NoWildAce || emptyCentrePiles() >= 2)) return false;
        opp.WildPayoffCenter = hc;
    }
    opp.NoReplan = 0;
    eng.TargetCenter = hc;
    opp.PlanMode = 0;
    opp.PlanNextSlot = 2;
    return true;
}

// The first card of this rank among the given slots, 0 none.
int findRank(int rank, int first, int last) {
    for (int s = first; s <= last; ++s)
        if (eng.OppSlots(1, s) == rank) return s;
    return 0;
}

// A forced Ace or Two in the hand (only when every hand card is tested) or
// on a hold top goes on pile c.
bool forcedCard(int rank, int c, int play) {
    if (c == 0) return false;
    int s = eng.ForcedCards < 4 ? findRank(rank, 2, handEnd()) : 0;
    if (s == 0) s = findRank(rank, 7, 10);
    if (s == 0) return false;
    opp.PlanSource = s;
    opp.PlayFound = 1;
    opp.ForcedPlay = play;
    eng.TargetCenter = c;
    return true;
}

int firstPileWithCount(int count) {
    for (int c = 1; c <= eng.NumCenters; ++c)
        if (eng.CenterCount(c) == count) return c;
    return 0;
}

}  // namespace

void Comp_Reseq(vb::ControlArray& CardOwner) {
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int s = 2; s <= 5; ++s) {
            if (eng.OppSlots(1, s) < eng.OppSlots(1, s + 1)) {
                swapSlots(s, s + 1);
                swapped = true;
            }
        }
    }
    for (int s = eng.HandCount + 2; s <= 6; ++s) {
        if (s < 2) continue;
        CardOwner(s).setVisible(false);
        CardOwner(s).setPicture(QImage());
    }
    Pause(0.1);
    opp.PlanNextSlot = 0;
    for (int s = 2; s <= handEnd(); ++s) {
        DrawCard(CardOwner, s, eng.Peeking ? eng.OppSlots(0, s) : 0, 0);
        CardOwner(s).ZOrder(0);
        if (eng.OppSlots(1, s) == 13) opp.PlanNextSlot = s;
    }
    eng.TargetCenter = 2;
}

void Comp_BeforeDrop() {
    opp.NoReplan = 1;
    Comp_Reseq(frmGrisk().seatPictures(eng.Pturn));
    eng.TargetCenter = opp.PlanStartCenter;
    opp.DropFallback = 2;
    for (int s = 2; s <= handEnd(); ++s) {
        if (eng.OppSlots(1, s) != 13) {
            opp.DropFallback = s;
            break;
        }
    }
    if (level() == Ruthless && opp.PlanNextSlot != 0 && ownPayoff() != humanPayoff() && prepareBlock()) return;

    if (opp.WildPayoffCenter >= 1 && opp.WildPayoffCenter <= eng.NumCenters) {
        opp.SideBestCenter = eng.TargetCenter = opp.WildPayoffCenter;
        opp.PlanMode = 0;
        opp.PlanNextSlot = 2;
        opp.PlanStartCenter = eng.TargetCenter;
        Move_Comp();
        if (opp.PlayFound == 1) Comp_Play();
        opp.WildPayoffCenter = 0;
        opp.WildPayoffShift = 0;
    }
    if (opp.PlayFound == 1) return;
    if (eng.OppSlots(1, opp.DropFallback) == 13 && !eng.NoWildAce) {
        opp.ForcedPlay = 13;
        opp.PlayFound = 1;
        opp.NoReplan = 0;
    }
    const int forced = eng.ForcedCards;
    if (forced == 0) return;
    if ((forced & 1) != 0 && forcedCard(1, firstPileWithCount(0), 1)) return;
    if ((forced & 2) != 0) forcedCard(2, firstPileWithCount(1), 2);
}

void Comp_Dups() {
    opp.DupSlot = 0;
    const int P = ownPayoff();
    for (int s = handEnd(); s >= 3; --s) {
        eng.TargetCenter = s;
        const int r = eng.OppSlots(1, s);
        if (r == 13 || r == 0 || r != eng.OppSlots(1, s - 1)) continue;
        opp.DupSlot = s;
        if (r == P) return;
        if (s - 2 >= 2 && s - 2 >= opp.DropFallback && eng.OppSlots(1, s - 2) == r) return;
    }
    if (level() == Ruthless && (eng.ForcedCards == 1 || eng.ForcedCards == 5) && opp.DupSlot != 0 &&
        eng.OppSlots(1, opp.DupSlot) == 1)
        opp.DupSlot = 0;
    if (opp.DupSlot != 0) eng.TargetCenter = opp.DupSlot;
}

namespace {

// The pile of p and q (both with the same top) that a type-1 pile p links to.
int linkRunOfOne(int p, int q) {
    int link = 0;
    const int tq = runType(q);
    if (tq == 2) return p;
    if (tq == 0) return q;
    if (below(q) >= below(p)) {
        link = top(p) == below(p) ? p : q;
        if (below(q) == below(p)) link = count(q) < count(p) ? q : p;
    } else {
        link = top(q) == below(q) ? q : p;
    }
    return link;
}

bool unbroken(int p) { return count(p) - 1 + top(p) == bottom(p); }
int smallerByCount(int p, int q) { return count(q) < count(p) ? q : p; }

int linkRunDown(int p, int q) {
    if (runType(q) != 2) return q;
    if (unbroken(p)) return unbroken(q) ? smallerByCount(p, q) : q;
    return smallerByCount(p, q);
}

}  // namespace

void Comp_Analyze() {
    opp.LinkPile = 0;
    opp.LinkSlot = 0;
    for (int p = 1; p <= 4; ++p) eng.OppHoldTable(p, 3) = 0;
    for (int p = 1; p <= 4; ++p) {
        if (count(p) == 0) continue;
        for (int q = 1; q <= 4; ++q) {
            if (q == p || count(q) == 0 || top(q) != top(p)) continue;
            switch (runType(p)) {
            case 1: eng.OppHoldTable(p, 3) = linkRunOfOne(p, q); break;
            case 2: eng.OppHoldTable(p, 3) = linkRunDown(p, q); break;
            default: eng.OppHoldTable(p, 3) = p; break;
            }
        }
    }
    auto link = [](int q) { return eng.OppHoldTable(q, 3); };
    if (opp.MatchSlot >= 2 && opp.MatchSlot <= 6) {
        const int r = eng.OppSlots(1, opp.MatchSlot);
        for (int s = opp.DropFallback; s <= handEnd(); ++s) {
            if (eng.OppSlots(1, s) != r) continue;
            for (int q = 1; q <= 4; ++q) {
                if (count(q) == 0 || top(q) != r || link(q) == 0) continue;
                opp.LinkPile = link(q);
                opp.LinkSlot = s;
                if (s == opp.DupSlot) return;
            }
        }
    }
    if (opp.LinkPile != 0) return;
    for (int q = 1; q <= 4; ++q) {
        if (link(q) == 0) continue;
        opp.LinkPile = link(q);
        if (opp.DupSlot != 0) {
            opp.LinkSlot = opp.DupSlot;
            return;
        }
        opp.LinkSlot = opp.DropFallback;
    }
}

}  // namespace grisk
