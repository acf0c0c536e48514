// Where a computer seat's wild pay-off King goes.
#include "engine/state.h"
#include "opponent/computer.h"
#include "opponent/planner.h"
#include "opponent/planner_internal.h"
#include "opponent/state.h"

namespace grisk {

using namespace plan;

namespace {

bool usable(int c) { return !(eng.NoWildAce && eng.CenterCount(c) == 0); }

bool anyEmptyPile() {
    for (int c = 1; c <= eng.NumCenters; ++c)
        if (eng.CenterCount(c) == 0) return true;
    return false;
}

// A Ruthless seat plans plays that use the King. True when the choice is
// made (TargetCenter set, or SidePlay 99).
bool ruthlessPlan() {
    const int human = opp.HumanCenter;
    if (human >= 1 && human <= eng.NumCenters) {
        eng.TargetCenter = human;
        opp.PlanMode = 0;
        opp.PlanNextSlot = 1;
        opp.PlanMoves(human, 0) = 1;
        opp.PlanStartCenter = human;
        Move_Comp();
    } else {
        opp.PlayFound = 0;
    }
    for (int c = 1; c <= eng.NumCenters && opp.PlayFound != 1; ++c) {
        if (c == human) continue;
        eng.TargetCenter = c;
        opp.PlanMode = 0;
        opp.PlanNextSlot = 2;
        opp.PlanStartCenter = c;
        Move_Comp();
    }
    if (opp.PlayFound == 1) {
        Comp_Play();
        opp.PlanNextSlot = 2;
        const int k = opp.PlanSource;
        const int c = eng.TargetCenter;
        if (opp.PlanMoves.inRange({c, k}) && opp.PlanMoves(c, k) == 1) return true;
        opp.SidePlay = 99;
        return true;
    }
    // A low pile, far under the human's pay-off card.
    const int H = humanPayoff();
    int remembered = 0;
    for (int c = 1; c <= eng.NumCenters; ++c) {
        if (!usable(c) || eng.CenterCount(c) >= H - 6) continue;
        if (c != human) {
            eng.TargetCenter = c;
            return true;
        }
        remembered = c;
    }
    if (remembered != 0) {
        eng.TargetCenter = remembered;
        return true;
    }
    return false;
}

// The first pile that keeps the human's pay-off card away, 0 none.
int byDangerLine() {
    const int B = opp.BlockValue;
    const int H = humanPayoff();
    const bool empty = anyEmptyPile();
    for (int c = 1; c <= eng.NumCenters; ++c) {
        if (!usable(c)) continue;
        const int v = eng.CenterCount(c) + 1;
        bool take;
        if (B > H)
            take = H < v && v < B - 1;
        else if (B == 1)
            take = v > H && (empty || v != 12);
        else
            take = v <= B - 1 || v > H;
        if (take) return c;
    }
    return 0;
}

}  // namespace

void Move_Wild() {
    if (level() == Ruthless && ruthlessPlan()) return;
    int chosen = byDangerLine();
    if (opp.BlockCenter != 0) {
        chosen = opp.BlockCenter;
        opp.BlockCenter = 0;
    }
    if (chosen == 0 && eng.NoWildAce) {
        for (int c = 1; c <= eng.NumCenters && chosen == 0; ++c)
            if (eng.CenterCount(c) != 0) chosen = c;
        if (chosen != 0) {
            eng.TargetCenter = chosen;
            return;
        }
    }
    if (chosen == 0 && level() == Ruthless) {
        chosen = eng.CenterCount(1) > eng.CenterCount(2) ? 2 : 1;
        if (eng.NumCenters >= 3 && eng.CenterCount(1) > eng.CenterCount(3)) chosen = 3;
    }
    if (chosen == 0) chosen = 2;
    eng.TargetCenter = chosen;
}

}  // namespace grisk
