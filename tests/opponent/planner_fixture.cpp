#include "opponent/planner_fixture.h"

#include <sstream>

#include "table/layout_reset.h"

using namespace grisk;

namespace grisk_test {

void PlannerTest::SetUp() {
    GriskTest::SetUp();
    eng.NumPlayers = 2;
    eng.Pturn = 2;
    eng.StockCount = 40;
    centres({0, 0, 0});
    human(9);
}

void PlannerTest::centres(const std::vector<int>& counts) {
    eng.NumCenters = static_cast<int>(counts.size());
    if (eng.NumCenters == 4) RedimForFourCentres();
    int c = 1;
    for (int count : counts) {
        eng.CenterCount(c) = count;
        for (int k = 1; k <= 12; ++k) {
            eng.CenterPile(0, c, k) = k <= count ? k : 0;
            eng.CenterPile(1, c, k) = k <= count ? k : 0;
        }
        ++c;
    }
}

void PlannerTest::payoff(int rank) {
    eng.OppSlots(0, 1) = rank;
    eng.OppSlots(1, 1) = rank;
    opp.PayoffIsWild = rank == 13;
}

void PlannerTest::hand(const std::vector<int>& ranks) {
    int s = 2;
    eng.HandCount = 0;
    for (int r : ranks) {
        eng.OppSlots(0, s) = r;
        eng.OppSlots(1, s) = r;
        if (r != 0) ++eng.HandCount;
        ++s;
    }
    for (; s <= 6; ++s) eng.OppSlots(0, s) = eng.OppSlots(1, s) = 0;
}

int runTypeOf(const std::vector<int>& r, int previous) {
    vb::Array<int, 3> pile{{0, 1}, {0, 1}, {0, static_cast<int>(r.size())}};
    for (std::size_t d = 0; d < r.size(); ++d) pile(1, 1, d + 1) = r[d];
    return HoldRunType(pile, 1, static_cast<int>(r.size()), previous);
}

void PlannerTest::hold(int pile, const std::vector<int>& ranks, int runType) {
    for (int d = 1; d <= 30; ++d) {
        const int r = d <= static_cast<int>(ranks.size()) ? ranks[d - 1] : 0;
        eng.OppHold(0, pile, d) = r;
        eng.OppHold(1, pile, d) = r;
    }
    const int n = static_cast<int>(ranks.size());
    eng.OppHoldTable(pile, 1) = n;
    eng.OppHoldTable(pile, 2) = runType >= 0 ? runType : runTypeOf(ranks);
    eng.OppSlots(0, pile + 6) = eng.OppSlots(1, pile + 6) = n > 0 ? ranks.back() : 0;
}

void PlannerTest::human(int payoff, std::array<int, 4> holdTops) {
    eng.PlayerSlots(0, 1) = eng.PlayerSlots(1, 1) = payoff;
    for (int p = 1; p <= 4; ++p) {
        eng.PlayerSlots(0, p + 6) = eng.PlayerSlots(1, p + 6) = holdTops[p - 1];
        eng.PlayerHoldCount(p) = 0;
    }
}

void PlannerTest::humanUnder(int pile, const std::vector<int>& ranksBottomFirst) {
    int d = 0;
    for (int r : ranksBottomFirst) {
        ++d;
        eng.PlayerHold(0, pile, d) = eng.PlayerHold(1, pile, d) = r;
    }
    eng.PlayerHoldCount(pile) = d;
}

void PlannerTest::search(int target) {
    eng.TargetCenter = target;
    opp.PlanNextSlot = 2;
    opp.PlanMode = 0;
    opp.PlanStartCenter = target;
    Move_Comp();
}

std::vector<int> PlannerTest::plan(int c) const {
    std::vector<int> out;
    for (int k = 1; k <= opp.PlanSet(c, 1); ++k) out.push_back(opp.PlanMoves(c, k));
    return out;
}

int PlannerTest::planValue(int c) const { return opp.PlanSet(c, 0); }

std::string illegalPlay(int c) {
    std::array<int, 11> cards{};
    for (int s = 1; s <= 10; ++s) cards[s] = eng.OppSlots(1, s);
    std::array<int, 5> depth{};
    for (int p = 1; p <= 4; ++p) depth[p] = eng.OppHoldTable(p, 1);
    int count = eng.CenterCount(c);
    int handLeft = 0;
    for (int s = 2; s <= 6; ++s) handLeft += cards[s] != 0 ? 1 : 0;

    for (int k = 1; k <= opp.PlanSet(c, 1); ++k) {
        const int s = opp.PlanMoves(c, k);
        std::ostringstream what;
        what << "play " << k << " from slot " << s << " onto pile " << c << " at " << count;
        int rank = 0;
        if (s == 1) {
            rank = cards[1];
        } else if (s >= 2 && s <= 6) {
            rank = cards[s];
            cards[s] = 0;
            --handLeft;
        } else if (s >= 7 && s <= 10) {
            const int p = s - 6;
            if (depth[p] < 1) return what.str() + ": the hold pile is empty";
            rank = eng.OppHold(1, p, depth[p]--);
        } else {
            return what.str() + ": no such slot";
        }
        if (rank == 0) return what.str() + ": the slot is empty";
        const bool fits = rank == 13 ? (count != 0 || !eng.NoWildAce) : rank == count + 1;
        if (!fits) return what.str() + ": rank " + std::to_string(rank) + " does not fit";
        count = count + 1 == 12 ? 0 : count + 1;
        if (s == 1 || handLeft == 0) break;
    }
    return {};
}

}  // namespace grisk_test
