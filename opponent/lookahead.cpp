// Where a pay-off card is headed: the centre pile a rank reaches soonest, and
// how close the human is to playing the pay-off card.
#include "engine/state.h"
#include "opponent/planner.h"
#include "opponent/planner_internal.h"
#include "opponent/state.h"

namespace grisk {

using namespace plan;

int CenterBestToPlay(int thisSide, bool blnMe) {
    const int n = eng.NumCenters;
    if (blnMe && thisSide == 13) {
        const int human = opp.HumanCenter >= 1 && opp.HumanCenter <= n ? opp.HumanCenter : 0;
        int pick = 0;
        if (!eng.NoWildAce) {
            for (int c = 1; c <= n; ++c)
                if (c != human && eng.CenterCount(c) != eng.CenterCount(human)) pick = c;
            return pick != 0 ? pick : 1;
        }
        for (int c = 1; c <= n; ++c)
            if (eng.CenterCount(c) != 0 && c != human) pick = c;
        if (pick != 0) return pick;
        for (int c = 1; c <= n; ++c)
            if (eng.CenterCount(c) != 0) pick = c;
        return pick != 0 ? pick : 1;
    }
    if (thisSide == 13) return 1;
    for (int k = 1; k <= 11; ++k) {
        for (int c = 1; c <= n; ++c) {
            const int reach = eng.CenterCount(c) + k;
            if (reach == thisSide || (reach > 12 && reach - 12 == thisSide)) return c;
        }
    }
    return 1;
}

namespace {

// At Ruthless, every pile that takes a card of the new danger value is
// marked with it.
void markReach() {
    if (level() != Ruthless) return;
    for (int c = 1; c <= eng.NumCenters; ++c)
        if (eng.CenterCount(c) + 1 == opp.BlockValue) opp.CenterReach(c) = opp.BlockValue;
}

// The danger line passes the Ace: with an empty pile the human can start
// one (true: stop looking), else the line goes round to the King.
bool wrapAtAce() {
    if (opp.BlockValue != 1) return false;
    if (opp.EmptyCenter != 0) return true;
    opp.BlockValue = 13;
    return false;
}

enum class Walk { Stop, EndPass, Go };

// Pass A over the human's hold tops: every top one under the danger line
// lowers it; repeated from slot 7 while the last slot looked at matched.
Walk holdTopsPass() {
    for (int round = 0; round < 16; ++round) {
        bool lastMatched = false;
        for (int s = 7; s <= 10; ++s) {
            if (wrapAtAce()) return Walk::Stop;
            const int top = eng.PlayerSlots(1, s);
            lastMatched = top != 0 && top == opp.BlockValue - 1;
            if (!lastMatched) continue;
            opp.BlockValue -= 1;
            if (opp.BlockValue == 1) {
                if (opp.EmptyCenter != 0) return Walk::Stop;
                break;
            }
        }
        if (!lastMatched) break;
    }
    return Walk::Go;
}

// Walks the run under the human's hold top p (the cards under the top live
// in PlayerHold, bottom first): a card one under the danger line lowers it
// by the length of the run down to that card.
Walk walkRun(int p, bool& matched) {
    const int top = eng.PlayerSlots(1, p + 6);
    const int under = eng.PlayerHoldCount(p);
    if (top == 0 || top >= opp.BlockValue || under < 1 || top != eng.PlayerHold(1, p, under) - 1)
        return Walk::Go;
    int step = 2;
    for (int d = under; d >= 1; --d, ++step) {
        if (wrapAtAce()) return Walk::Stop;
        const int rank = eng.PlayerHold(1, p, d);
        if (rank == opp.BlockValue - 1) {
            opp.BlockValue -= step;
            markReach();
            matched = true;
            return Walk::Go;
        }
        if (d == 1 || rank != eng.PlayerHold(1, p, d - 1) - 1) break;
    }
    return Walk::Go;
}

// Pass B over the human's hold piles: tops, then the runs under them; a run
// that matched starts the pass again from pile 1.
Walk holdPilesPass() {
    for (int round = 0; round < 16; ++round) {
        bool runMatched = false;
        for (int p = 1; p <= 4 && !runMatched; ++p) {
            const int top = eng.PlayerSlots(1, p + 6);
            if (top != 0 && top == opp.BlockValue - 1) {
                opp.BlockValue -= 1;
                if (opp.BlockValue == 1) return opp.EmptyCenter != 0 ? Walk::Stop : Walk::EndPass;
                markReach();
            }
            if (walkRun(p, runMatched) == Walk::Stop) return Walk::Stop;
        }
        if (!runMatched) break;
    }
    return Walk::Go;
}

// The caution count K of the loaded seat: the fewer loose hold piles, the
// wider the margin.
int cautionCount() {
    const int lv = level();
    if (lv == Average) return 4;
    int k = lv == Clever ? 1 : 0;
    for (int p = 1; p <= 4; ++p) {
        if (eng.OppSlots(1, p + 6) == 0) {
            if (lv == Ruthless) return 0;
            k = 1;
        }
        if (eng.OppHoldTable(p, 2) == 1) k += 1;
    }
    if (lv == Clever && k >= 3 && eng.UsedCount + eng.StockCount > 12) k -= 1;
    if (lv == Ruthless) k = std::min(k, 2);
    return k;
}

void applyMargin() {
    const int human = humanPayoff();
    const int k = cautionCount();
    int last = 0;
    for (int c = 1; c <= eng.NumCenters; ++c)
        if (eng.CenterCount(c) < human) last = c;
    const bool wrap = opp.EmptyCenter == 0 && last == 0;
    int& bv = opp.BlockValue;
    if (k >= 4) {
        if (bv != 1) bv -= 1;
        else if (wrap) bv = 11;
        return;
    }
    const int d = k == 0 ? 5 : k == 3 ? 2 : level() == Ruthless ? 4 : 3;
    if (bv > d) bv -= d;
    else if (wrap) bv += 12 - d;
    else bv = 1;
}

void clampToHumanPile() {
    const int count = eng.CenterCount(opp.HumanCenter);
    if (opp.BlockValue >= count) return;
    if (count >= humanPayoff()) {
        opp.BlockValue = count;
        return;
    }
    for (int c = 1; c <= eng.NumCenters; ++c)
        if (opp.CenterReach(c) != 0) return;
    opp.BlockValue = count;
}

}  // namespace

void Ck_Player() {
    opp.EmptyCenter = 0;
    opp.BlockValue = humanPayoff();
    for (int c = 1; c <= eng.NumCenters; ++c) {
        if (eng.CenterCount(c) == 0) opp.EmptyCenter = c;
        opp.CenterReach(c) = 0;
    }
    if (opp.BlockValue == 1 && opp.EmptyCenter != 0) return;
    opp.HumanCenter = CenterBestToPlay(humanPayoff(), false);

    if (holdTopsPass() == Walk::Stop) return;
    if (holdPilesPass() == Walk::Stop) return;
    if (opp.BlockValue == 13) opp.BlockValue = 1;
    applyMargin();
    clampToHumanPile();
}

}  // namespace grisk
