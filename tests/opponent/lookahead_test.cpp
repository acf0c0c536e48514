// Where a pay-off card is headed and how close the human is to playing it.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <vector>

#include "opponent/planner_fixture.h"

using namespace grisk;
using grisk_test::PlannerTest;

namespace {

struct BestCase {
    const char* name;
    std::vector<int> counts;
    int rank;
    bool mine;
    int humanCenter;
    bool noWildAce;
    int expected;
};

void PrintTo(const BestCase& t, std::ostream* os) { *os << t.name; }

class CenterBestTest : public PlannerTest, public ::testing::WithParamInterface<BestCase> {};

TEST_P(CenterBestTest, Pile) {
    const BestCase& t = GetParam();
    eng.NumCenters = static_cast<int>(t.counts.size());
    if (t.counts.size() == 4) centres({0, 0, 0, 0});
    for (int c = 1; c <= eng.NumCenters; ++c) eng.CenterCount(c) = t.counts[c - 1];
    opp.HumanCenter = t.humanCenter;
    eng.NoWildAce = t.noWildAce;
    EXPECT_EQ(CenterBestToPlay(t.rank, t.mine), t.expected) << t.name;
}

INSTANTIATE_TEST_SUITE_P(
    Planner, CenterBestTest,
    ::testing::Values(
        BestCase{"fits now", {3, 4, 0}, 5, false, 0, false, 2},
        BestCase{"nearer through the clearing loses", {11, 1, 0}, 5, false, 0, false, 2},
        BestCase{"through the clearing when nearest", {11, 5, 8}, 2, false, 0, false, 1},
        BestCase{"a tie goes to the lower pile", {4, 4, 0}, 5, false, 0, false, 1},
        BestCase{"another seat's King", {5, 6, 7}, 13, false, 0, false, 1},
        BestCase{"a Queen over empty piles is not reached", {0, 0, 0}, 12, false, 0, false, 1},
        BestCase{"a pile already at the rank is not reached", {5, 5, 5}, 5, false, 0, false, 1},
        BestCase{"own King: last pile unlike the human's", {3, 3, 7}, 13, true, 2, false, 3},
        BestCase{"own King: never the human's pile", {7, 3, 3}, 13, true, 2, false, 1},
        BestCase{"own King: four piles", {1, 5, 2, 5}, 13, true, 4, false, 3},
        BestCase{"own King: all alike", {3, 3, 3}, 13, true, 2, false, 1},
        BestCase{"own King, no wild Ace: last started pile", {4, 0, 6}, 13, true, 2, true, 3},
        BestCase{"own King, no wild Ace: only the human's is started", {0, 5, 0}, 13, true, 2, true, 2},
        BestCase{"own King, no wild Ace: none started", {0, 0, 0}, 13, true, 2, true, 1}));

// Ck_Player: the human's hold tops and runs, the level's margin and the
// clamp to the human's pile.
struct DangerCase {
    const char* name;
    int level;
    int humanPayoff;
    std::array<int, 4> humanTops;
    std::vector<int> runUnderPile1;  // the cards under the human's first hold top
    std::vector<int> counts;
    int expected;
};

void PrintTo(const DangerCase& t, std::ostream* os) { *os << t.name; }

class DangerTest : public PlannerTest, public ::testing::WithParamInterface<DangerCase> {
protected:
    void SetUp() override {
        PlannerTest::SetUp();
        // The computer's hold piles all hold one card (run type 0).
        for (int p = 1; p <= 4; ++p) hold(p, {10});
    }
};

TEST_P(DangerTest, BlockValue) {
    const DangerCase& t = GetParam();
    eng.OppLevel = t.level;
    human(t.humanPayoff, t.humanTops);
    eng.PlayerHoldCount(1) = 0;
    for (std::size_t d = 0; d < t.runUnderPile1.size(); ++d)
        eng.PlayerHold(1, 1, static_cast<int>(d) + 1) = t.runUnderPile1[d];
    eng.PlayerHoldCount(1) = static_cast<int>(t.runUnderPile1.size());
    eng.NumCenters = static_cast<int>(t.counts.size());
    for (int c = 1; c <= eng.NumCenters; ++c) eng.CenterCount(c) = t.counts[c - 1];
    Ck_Player();
    EXPECT_EQ(opp.BlockValue, t.expected) << t.name;
}

INSTANTIATE_TEST_SUITE_P(
    Planner, DangerTest,
    ::testing::Values(
        // Average takes one off what the human's cards leave.
        DangerCase{"no help from the hold", 0, 9, {}, {}, {1, 1, 1}, 8},
        DangerCase{"tops in order lower it in one pass", 0, 7, {6, 5, 4, 0}, {}, {1, 1, 1}, 3},
        DangerCase{"tops in reverse: pass A ends on a miss", 0, 7, {4, 5, 6, 0}, {}, {1, 1, 1}, 4},
        DangerCase{"a run down to one under the pay-off", 0, 9, {5, 0, 0, 0}, {8, 7, 6}, {1, 1, 1}, 4},
        DangerCase{"a broken run", 0, 9, {5, 0, 0, 0}, {8, 2, 6}, {1, 1, 1}, 8},
        DangerCase{"a run that does not start at the top", 0, 9, {5, 0, 0, 0}, {8, 7, 3}, {1, 1, 1}, 8},
        // The empty hold slots that follow are no cards one under the Ace.
        DangerCase{"run to an Ace, no empty pile: round to the Jack", 0, 4, {1, 0, 0, 0}, {3, 2},
                   {5, 6, 7}, 11},
        DangerCase{"below the human's pile, which is past the pay-off", 0, 5, {}, {}, {8, 9, 10}, 10},
        // Margins by level (computer's hold piles single cards, run type 0).
        DangerCase{"Clever", 1, 9, {}, {}, {1, 1, 1}, 6},
        DangerCase{"Ruthless", 2, 9, {}, {}, {1, 1, 1}, 4},
        DangerCase{"Ruthless wraps past the Ace", 2, 3, {}, {}, {5, 6, 7}, 10},
        DangerCase{"Ruthless cannot wrap with an empty pile", 2, 3, {}, {}, {5, 6, 0}, 1}));

TEST_F(PlannerTest, AnAceWithAnEmptyPileStopsAtOnce) {
    human(1, {12, 11, 0, 0});
    centres({4, 0, 7});
    opp.HumanCenter = 3;
    Ck_Player();
    EXPECT_EQ(opp.BlockValue, 1);
    EXPECT_EQ(opp.EmptyCenter, 2);
    EXPECT_EQ(opp.HumanCenter, 3) << "it stops before looking for the human's pile";
}

struct CautionCase {
    const char* name;
    int level;
    int runOnePiles;    // computer hold piles of run type 1
    bool emptyHoldPile;  // the fourth hold pile is empty
    int stockAndUsed;
    int expected;
};

void PrintTo(const CautionCase& t, std::ostream* os) { *os << t.name; }

class CautionTest : public PlannerTest, public ::testing::WithParamInterface<CautionCase> {};

TEST_P(CautionTest, MarginUnderTheHumansPayoff) {
    const CautionCase& t = GetParam();
    eng.OppLevel = t.level;
    for (int p = 1; p <= 4; ++p) hold(p, {10, p <= t.runOnePiles ? 7 : 10});
    if (t.emptyHoldPile) hold(4, {});
    eng.StockCount = t.stockAndUsed;
    eng.UsedCount = 0;
    human(9);
    centres({1, 1, 1});
    Ck_Player();
    EXPECT_EQ(opp.BlockValue, t.expected) << t.name;
}

INSTANTIATE_TEST_SUITE_P(
    Planner, CautionTest,
    ::testing::Values(CautionCase{"Average whatever its piles", 0, 3, false, 40, 8},
                      CautionCase{"Clever, no runs", 1, 0, false, 40, 6},
                      CautionCase{"Clever, two loose piles", 1, 2, false, 5, 7},
                      CautionCase{"Clever, two loose piles, cards to come", 1, 2, false, 40, 6},
                      CautionCase{"Clever, three loose piles", 1, 3, false, 5, 8},
                      CautionCase{"Clever, three loose piles, cards to come", 1, 3, false, 40, 7},
                      CautionCase{"Clever with an empty pile starts again at one", 1, 2, true, 5, 6},
                      CautionCase{"Ruthless, no runs", 2, 0, false, 40, 4},
                      CautionCase{"Ruthless, one loose pile", 2, 1, false, 40, 5},
                      CautionCase{"Ruthless caps the count", 2, 3, false, 40, 5},
                      CautionCase{"Ruthless with an empty pile", 2, 3, true, 40, 4}));

// The Ruthless mark of the piles that meet the danger line: a hold top that
// lowers it marks the piles that take that value, as a run does, and the
// mark keeps the line from being clamped up to the human's pile.
TEST_F(PlannerTest, RuthlessMarksThePilesAHoldTopMeets) {
    eng.OppLevel = 2;
    for (int p = 1; p <= 4; ++p) hold(p, {10});
    human(9, {7, 8, 0, 0});
    centres({6, 3, 0});
    Ck_Player();
    EXPECT_EQ(opp.CenterReach(1), 7);
    EXPECT_EQ(opp.CenterReach(2), 0);
    EXPECT_EQ(opp.HumanCenter, 1);
    EXPECT_EQ(opp.BlockValue, 2) << "7 less the Ruthless margin of 5, not clamped to pile 1's 6";
}

TEST_F(PlannerTest, RuthlessMarksThePilesARunMeets) {
    eng.OppLevel = 2;
    for (int p = 1; p <= 4; ++p) hold(p, {10});
    human(9, {5, 0, 0, 0});
    humanUnder(1, {8, 7, 6});
    centres({4, 2, 1});
    Ck_Player();
    EXPECT_EQ(opp.CenterReach(1), 5);
    EXPECT_EQ(opp.CenterReach(2), 0);
    EXPECT_EQ(opp.CenterReach(3), 0);
}

TEST_F(PlannerTest, OnlyRuthlessMarksPiles) {
    eng.OppLevel = 1;
    human(9, {7, 8, 0, 0});
    centres({6, 3, 0});
    Ck_Player();
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(opp.CenterReach(c), 0);
}

}  // namespace
