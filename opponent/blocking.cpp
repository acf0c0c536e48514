// Blocking and waiting: before the second pass accepts a plan it is cut back
// so as not to open the way for the other players, or played at once because
// it blocks one of them.
#include "engine/state.h"
#include "opponent/planner.h"
#include "opponent/planner_internal.h"
#include "opponent/state.h"

namespace grisk {

using namespace plan;

namespace {

bool planLeft() { return planCount(eng.TargetCenter) > 0; }

// The waiting margin under the seat's own pay-off rank: 2 at Average; at
// Clever 2, or 3 while more than 12 cards wait in the stock and used pile;
// one more at Ruthless.
int waitMargin() {
    if (level() == Average) return 2;
    const int clever = eng.UsedCount + eng.StockCount > 12 ? 3 : 2;
    return level() == Ruthless ? clever + 1 : clever;
}

// Waiting against the computer seat `seat` (its record holds its slots).
void waitFor(const PlayerRecord& seat) {
    Move_Wait(seat.Slots);
    if (planLeft()) CheckOppsSide(seat.Slots(1, 1));
}

}  // namespace

void Move_WaitOpps() {
    Move_Wait(eng.PlayerSlots);
    if (!planLeft() || eng.NumPlayers <= 2) return;
    switch (eng.Pturn) {
    case 2:
        waitFor(eng.Player3);
        if (eng.NumPlayers == 4 && planLeft()) waitFor(eng.Player4);
        break;
    case 3:
        if (eng.NumPlayers == 3) CheckOppsSide(eng.Player2.Slots(1, 1));
        else waitFor(eng.Player4);
        break;
    case 4:
        CheckOppsSide(eng.Player2.Slots(1, 1));
        break;
    default:
        break;
    }
}

void Move_Wait(const vb::Array<int, 2>& thisopp) {
    const int c = eng.TargetCenter;
    if (planCount(c) < 1 || topRank(c) == 13) return;
    const int margin = waitMargin();
    const int own = ownPayoff();
    const int human = humanPayoff();
    const int sideBest = pileCount(opp.SideBestCenter);
    // Every round either ends the wait or takes a play back.
    for (int round = 0; round <= kMaxPlays; ++round) {
        int rank = topRank(c);
        int value = planValue(c);
        if (planCount(c) == 1) {
            for (int s = 7; s <= 10; ++s) {
                if (rank != thisopp(1, s)) continue;
                if (rank == human || level() != Ruthless) {
                    opp.PlayFound = 1;
                    return;
                }
            }
        }
        if (value != 0 && otherPileShows(value, c)) {
            opp.PlayFound = 1;
            return;
        }
        if (own == 13 && c == opp.SideBestCenter) {
            opp.PlayFound = 1;
            return;
        }
        if (own > 4) {
            if (rank < own - margin || rank >= own) return;
            if (level() == Ruthless && rank <= sideBest && sideBest < own && value < opp.BlockValue) {
                opp.PlayFound = 1;
                return;
            }
            if (Move_ReduceSet()) return;
        } else {
            if (rank >= own) {
                if (rank != 12 || level() != Ruthless || c != opp.SideBestCenter) return;
            } else if (rank == 1 && margin == 2) {
                return;
            }
            if (Move_ReduceSet()) return;
        }
        rank = topRank(c);
        value = planValue(c);
        if (rank == thisopp(1, 1) || value == thisopp(1, 1)) {
            opp.PlayFound = 1;
            return;
        }
        if (rank > own || rank < own - margin || own < 5) return;
    }
}

void CheckOppsSide(int thisSide) {
    const int c = eng.TargetCenter;
    const int aim = CenterBestToPlay(thisSide, false);
    const int aimCount = eng.CenterCount(aim);
    const int value = planValue(c);
    for (int i = 1; i <= eng.NumCenters; ++i) {
        if (i == aim || value != eng.CenterCount(i) + 1) continue;
        const int count = eng.CenterCount(i);
        if (count < aimCount || (aimCount < count && aimCount < thisSide)) return;
    }
    for (int k = 1; k <= level() + 2; ++k) {
        const int v = planValue(c);
        if (v + k != thisSide) continue;
        for (int i = 1; i <= eng.NumCenters; ++i)
            if (eng.CenterCount(i) == v) return;
        if (Move_ReduceSet()) return;
    }
}

}  // namespace grisk
