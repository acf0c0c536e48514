// The discard: which hand card goes onto which hold pile, by an ordered
// cascade of rules; the first rule that fires makes the choice.
#include <algorithm>

#include "engine/state.h"
#include "opponent/computer.h"
#include "opponent/discard_view.h"
#include "opponent/planner_internal.h"
#include "opponent/state.h"
#include "platform/random.h"

namespace grisk {

using namespace plan;
using namespace discard;

namespace {

constexpr int kWidestGap = 10;

// What the cascade knows once the hold piles are looked over.
struct Look {
    int P = 0;          // the seat's own pay-off rank
    int SB = 0;         // count of the pile the pay-off card aims at
    int payPile = 0;    // hold pile whose top is the pay-off rank
    int sameTop1 = 0;   // pile of run type 1 with the top of MatchSlot
    int sameTop2 = 0;   // pile of run type 2 with the top of MatchSlot
    int noted = 0;      // pile noted for MatchSlot in the last stage
    int scanEnd = 0;    // last hand slot the gap stages look at
};

bool drop(int s, int p) {
    eng.TargetCenter = s;
    opp.MoveSlot = p;
    return true;
}

int fallback() { return opp.DropFallback; }
bool hasCards(int p) { return count(p) > 0; }
bool linkShowsTop(int t) { return opp.LinkPile != 0 && top(opp.LinkPile) == t; }

// DropFallback onto the pay-off pile, or onto LinkPile when that shows the
// same top.
bool fallbackOnPayPile(const Look& k) {
    return drop(fallback(), linkShowsTop(top(k.payPile)) ? opp.LinkPile : k.payPile);
}

// Step 1: a hand card of a hold pile's top; a pile of run type 0 takes it.
bool sameTops(Look& k) {
    for (int p = 1; p <= 4; ++p) {
        if (!hasCards(p)) continue;
        for (int s = 2; s <= 6; ++s) {
            if (top(p) != rank(s)) continue;
            if (runType(p) == 0) return drop(s, p);
            opp.MatchSlot = s;
            (runType(p) == 1 ? k.sameTop1 : k.sameTop2) = p;
        }
        if (top(p) == k.P) k.payPile = p;
    }
    return false;
}

// Step 3: an empty hold pile takes a duplicate, or a card the pay-off card
// does not need next.
bool emptyPile(const Look& k) {
    int p = 0;
    for (int q = 1; q <= 4 && p == 0; ++q)
        if (!hasCards(q)) p = q;
    if (p == 0) return false;
    const int dup = opp.DupSlot;
    if (dup != 0 && !(level() == Ruthless && rank(dup) == 1 && dup >= 4)) return drop(dup, p);
    for (int s = fallback(); s <= handEnd(); ++s)
        if (rank(s) != k.P - 1) return drop(s, p);
    return drop(opp.MatchSlot != 0 ? opp.MatchSlot : fallback(), p);
}

bool someTopAboveHand() {
    for (int s = fallback(); s <= handEnd(); ++s)
        for (int p = 1; p <= 4; ++p)
            if (hasCards(p) && top(p) > rank(s)) return true;
    return false;
}

// Step 5: no hold top is above a hand card.
bool nothingAbove(const Look& k) {
    if (k.payPile != 0) return drop(fallback(), k.payPile);
    for (int p = 1; p <= 4; ++p)
        if (top(p) == k.SB) return drop(fallback(), p);
    if (opp.LinkPile != 0) return drop(fallback(), opp.LinkPile);
    bool high = false;
    for (int p = 1; p <= 4; ++p)
        if (top(p) >= k.P && (k.SB < k.P || top(p) <= k.SB)) high = true;
    if (!high && opp.MatchSlot != 0) {
        if (k.sameTop1 != 0) return drop(opp.MatchSlot, k.sameTop1);
        if (k.sameTop2 != 0) return drop(opp.MatchSlot, k.sameTop2);
    }
    for (int p = 1; p <= 4; ++p)
        if (top(p) != 1 && top(p) >= k.P) return drop(fallback(), p);
    return drop(fallback(), 4);
}

// Step 6: a hand card one under a hold top.
bool oneBelow(const Look& k) {
    for (int s = fallback(); s <= handEnd(); ++s) {
        for (int p = 1; p <= 4; ++p) {
            if (!hasCards(p) || rank(s) != top(p) - 1) continue;
            if (s == opp.DupSlot && opp.LinkSlot != 0 && opp.LinkPile != 0) return drop(s, opp.LinkPile);
            if (top(p) == k.P) return drop(s, p);
            if ((count(p) == 1 || runType(p) == 2) && rank(s) != k.SB) return drop(s, p);
        }
    }
    return false;
}

// Calls take(s, p) for every hand slot s from DropFallback to last and pile
// p with rank(s) = top(p) - d, d = 1..10 in order, until it returns true.
template <class F>
bool gapScan(int last, F take) {
    for (int d = 1; d <= kWidestGap; ++d)
        for (int s = fallback(); s <= last; ++s)
            for (int p = 1; p <= 4; ++p)
                if (hasCards(p) && rank(s) != 0 && rank(s) == top(p) - d && take(s, p, d)) return true;
    return false;
}

bool linkSlotOnLinkPile() { return drop(opp.LinkSlot != 0 ? opp.LinkSlot : fallback(), opp.LinkPile); }

// Stage 1, when the pay-off card aims at a pile at or above it.
bool gapsUnderAim(const Look& k) {
    if (k.SB < k.P) return false;
    if (gapScan(handEnd(), [&](int s, int p, int d) {
            if (top(p) > k.SB) return false;
            if (d < 4) return drop(s, p);
            if (k.payPile != 0) return fallbackOnPayPile(k);
            return opp.LinkPile == 0 ? drop(s, p) : drop(fallback(), opp.LinkPile);
        }))
        return true;
    if (k.payPile != 0) return fallbackOnPayPile(k);
    if (opp.LinkPile != 0) return linkSlotOnLinkPile();
    for (int p = 1; p <= 4; ++p)
        if (hasCards(p) && (top(p) > k.SB || top(p) < k.P)) return drop(fallback(), p);
    return false;
}

// Stage 2: hand cards at or above the pay-off rank.
bool gapsHighCards(const Look& k) {
    bool any = false;
    for (int s = fallback(); s <= k.scanEnd; ++s)
        if (rank(s) >= k.P) any = true;
    if (!any) return false;
    bool stageOver = false;
    const bool found = gapScan(k.scanEnd, [&](int s, int p, int) {
        if (stageOver || rank(s) < k.P || rank(s) < k.SB || top(p) < k.SB) return false;
        for (int q = 1; q <= 4; ++q) {
            if (q != p && hasCards(q) && top(q) == rank(s) + 1) {
                stageOver = true;
                return false;
            }
        }
        const bool linked = level() == Ruthless ? linkShowsTop(rank(s)) : linkShowsTop(top(p));
        return drop(s, linked ? opp.LinkPile : p);
    });
    return found;
}

// Stage 3: hand cards at or under the aim.
bool gapsLowCards(const Look& k) {
    if (gapScan(k.scanEnd, [&](int s, int p, int) {
            if (rank(s) > k.SB || top(p) > k.SB) return false;
            return drop(s, linkShowsTop(top(p)) ? opp.LinkPile : p);
        }))
        return true;
    if (k.payPile != 0) return fallbackOnPayPile(k);
    if (opp.LinkPile != 0) return linkSlotOnLinkPile();
    return false;
}

// Stage 4: any hand card under any pile.
bool gapsAnyCard(const Look& k) {
    if (gapScan(k.scanEnd, [&](int s, int p, int) {
            if (k.SB >= k.P) return drop(s, p);
            if (rank(s) >= k.P || top(p) >= k.P || (top(p) <= k.P && rank(s) > k.SB)) return drop(s, p);
            return false;
        }))
        return true;
    for (int p = 1; p <= 4; ++p) {
        if (!hasCards(p) || runType(p) == 2) continue;
        for (int s = fallback(); s <= handEnd(); ++s)
            if (rank(s) == top(p)) return drop(fallback(), p);
    }
    for (int p = 1; p <= 4; ++p)
        if (hasCards(p) && top(p) <= k.SB && top(p) <= k.P) return drop(fallback(), p);
    for (int p = 1; p <= 4; ++p)
        if (hasCards(p) && top(p) <= k.SB) return drop(fallback(), p);
    return false;
}

// Stage 5: hand cards under the pay-off rank.
bool gapsUnderPayoff(Look& k) {
    if (gapScan(handEnd(), [&](int s, int p, int) {
            if (rank(s) >= k.P) return false;
            if (!(top(p) <= k.SB || top(p) >= k.P || rank(s) > k.SB)) return false;
            if (s == opp.MatchSlot) {
                k.noted = p;
                return false;
            }
            return drop(s, p);
        }))
        return true;
    const int match = opp.MatchSlot;
    if (k.payPile != 0) {
        for (int s = fallback(); s <= handEnd(); ++s)
            if (match == 0 || rank(s) != rank(match)) return drop(s, k.payPile);
        if (k.payPile == k.sameTop1 && match != 0) return drop(match, k.payPile);
    }
    if (k.noted != 0 && match != 0) return drop(match, k.noted);
    if (match != 0) {
        for (int p = 1; p <= 4; ++p)
            if (hasCards(p) && below(p) != top(p) + 1) return drop(match, p);
        if (k.sameTop1 != 0) return drop(match, k.sameTop1);
    }
    return false;
}

// Step 8: the last rules before chance.
bool lastRules(const Look& k) {
    const int lo = std::min(k.P, k.SB);
    const int hi = std::max(k.P, k.SB);
    for (int p = 1; p <= 4; ++p)
        if (hasCards(p) && top(p) >= lo && top(p) <= hi) return drop(fallback(), p);
    for (int c = 1; c <= eng.NumCenters; ++c)
        for (int p = 1; p <= 4; ++p)
            if (hasCards(p) && (top(p) > k.P || top(p) <= eng.CenterCount(c))) return drop(fallback(), p);
    return false;
}

// The last hand slot the gap stages look at: at Ruthless under forced Aces
// the Aces at the end of the sorted hand are kept out.
int gapScanEnd() {
    int last = handEnd();
    if (level() == Ruthless && (eng.ForcedCards == 5 || eng.ForcedCards == 7))
        while (last > fallback() && rank(last) == 1) --last;
    return last;
}

}  // namespace

void Comp_Drop() {
    opp.MatchSlot = 0;
    opp.DupSlot = 0;
    opp.LinkPile = 0;
    opp.LinkSlot = 0;
    Look k;
    k.P = ownPayoff();
    const int sb = opp.SideBestCenter;
    k.SB = sb >= 1 && sb <= eng.NumCenters ? eng.CenterCount(sb) : 0;

    if (sameTops(k)) return;
    if (eng.HandCount > 1) Comp_Dups();
    if (emptyPile(k)) return;
    Comp_Analyze();
    if (!someTopAboveHand()) {
        nothingAbove(k);
        return;
    }
    if (oneBelow(k)) return;
    k.scanEnd = gapScanEnd();
    if (gapsUnderAim(k) || gapsHighCards(k) || gapsLowCards(k) || gapsAnyCard(k) || gapsUnderPayoff(k)) return;
    if (lastRules(k)) return;
    drop(fallback(), static_cast<int>(vb::Rnd() * 4) + 1);
}

}  // namespace grisk
