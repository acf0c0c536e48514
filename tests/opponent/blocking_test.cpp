// Blocking and waiting: a plan cut back under the seat's own pay-off card and
// under the next seats' pay-off cards, or accepted because it blocks.
#include <gtest/gtest.h>

#include <vector>

#include "opponent/planner_fixture.h"

using namespace grisk;
using grisk_test::PlannerTest;

namespace {

class WaitTest : public PlannerTest {
protected:
    // Pile 1 at `count` with the plan of hand slots 2.. already made.
    void planned(int count, const std::vector<int>& ranks) {
        centres({count, 1, 2});
        hand(ranks);
        eng.TargetCenter = 1;
        opp.PlanSet(1, 1) = 0;
        opp.PlanSet(1, 0) = count;
        for (std::size_t k = 0; k < ranks.size(); ++k) {
            opp.PlanSet(1, 1) += 1;
            opp.PlanMoves(1, opp.PlanSet(1, 1)) = static_cast<int>(k) + 2;
            opp.PlanSet(1, 0) = opp.PlanSet(1, 0) + 1 == 12 ? 0 : opp.PlanSet(1, 0) + 1;
        }
    }
};

// The seat holds back the cards just under its own pay-off card: 2 values
// at Average; at Clever 2, or 3 while more than 12 cards are still to come;
// one more at Ruthless.
struct MarginCase {
    int level;
    int stockAndUsed;
    std::vector<int> left;
};

class WaitMarginTest : public WaitTest, public ::testing::WithParamInterface<MarginCase> {};

TEST_P(WaitMarginTest, Cut) {
    const MarginCase& t = GetParam();
    eng.OppLevel = t.level;
    eng.StockCount = t.stockAndUsed - 2;
    eng.UsedCount = 2;
    payoff(9);
    human(12);
    planned(4, {5, 6, 7});
    opp.SideBestCenter = 3;
    eng.CenterCount(3) = 10;  // the pay-off's pile is past it: no Ruthless block there
    Move_Wait(eng.PlayerSlots);
    EXPECT_EQ(plan(1), t.left) << "level " << t.level << ", " << t.stockAndUsed << " cards to come";
    EXPECT_EQ(opp.PlayFound, 0);
}

INSTANTIATE_TEST_SUITE_P(Planner, WaitMarginTest,
                         ::testing::Values(MarginCase{0, 12, {2, 3}}, MarginCase{0, 40, {2, 3}},
                                           MarginCase{1, 12, {2, 3}}, MarginCase{1, 13, {2}},
                                           MarginCase{2, 12, {2}}, MarginCase{2, 13, {}}));

TEST_F(WaitTest, APlanEndingInAKingIsNotJudged) {
    eng.OppLevel = 2;
    payoff(9);
    planned(5, {6, 13});
    Move_Wait(eng.PlayerSlots);
    EXPECT_EQ(plan(1), (std::vector<int>{2, 3}));
    EXPECT_EQ(opp.PlayFound, 0);
}

// A single play onto the value of another seat's hold top blocks that card:
// Average and Clever take it, Ruthless only when it is the human's pay-off
// rank as well.
struct HoldTopCase {
    int level;
    int humanPayoff;
    int found;
};

class WaitHoldTopTest : public WaitTest, public ::testing::WithParamInterface<HoldTopCase> {};

TEST_P(WaitHoldTopTest, Accept) {
    eng.OppLevel = GetParam().level;
    payoff(3);
    human(GetParam().humanPayoff, {0, 0, 6, 0});
    planned(5, {6});
    Move_Wait(eng.PlayerSlots);
    EXPECT_EQ(opp.PlayFound, GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(Planner, WaitHoldTopTest,
                         ::testing::Values(HoldTopCase{0, 9, 1}, HoldTopCase{1, 9, 1}, HoldTopCase{2, 9, 0},
                                           HoldTopCase{2, 6, 1}));

TEST_F(WaitTest, AValueAnotherPileShowsIsTakenAtOnce) {
    payoff(9);
    human(12);
    planned(4, {5, 6, 7});
    eng.CenterCount(3) = 7;
    Move_Wait(eng.PlayerSlots);
    EXPECT_EQ(opp.PlayFound, 1);
    EXPECT_EQ(plan(1), (std::vector<int>{2, 3, 4}));
}

// CheckOppsSide looks OppLevel + 2 values under another seat's pay-off card
// and cuts the plan back once for each value left.
struct SideCase {
    int level;
    std::vector<int> left;
};

class CheckSideTest : public WaitTest, public ::testing::WithParamInterface<SideCase> {};

TEST_P(CheckSideTest, Cut) {
    eng.OppLevel = GetParam().level;
    planned(4, {5, 6, 7});
    CheckOppsSide(9);
    EXPECT_EQ(plan(1), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(Planner, CheckSideTest,
                         ::testing::Values(SideCase{0, {2, 3}}, SideCase{1, {2}}, SideCase{2, {}}));

TEST_F(WaitTest, CheckOppsSideLeavesAValueAnotherPileShows) {
    eng.OppLevel = 2;
    planned(4, {5, 6, 7});
    eng.CenterCount(3) = 7;
    CheckOppsSide(9);
    EXPECT_EQ(plan(1), (std::vector<int>{2, 3, 4}));
}

TEST_F(WaitTest, CheckOppsSideLeavesAPlanOneAboveALowerPile) {
    eng.OppLevel = 2;
    planned(4, {5, 6, 7});
    eng.CenterCount(2) = 6;
    eng.CenterCount(3) = 8;  // the Nine's pile
    CheckOppsSide(9);
    EXPECT_EQ(plan(1), (std::vector<int>{2, 3, 4}));
}

// Which seats the waiting looks at: the human always, then the computer
// seats that move before the human again.
struct SeatCase {
    int players;
    int pturn;
    int nineAt;  // the seat whose pay-off card is a Nine
    bool cut;
};

class WaitSeatsTest : public WaitTest, public ::testing::WithParamInterface<SeatCase> {};

TEST_P(WaitSeatsTest, Seats) {
    const SeatCase& t = GetParam();
    eng.NumPlayers = t.players;
    eng.Pturn = t.pturn;
    for (PlayerRecord* seat : {&eng.Player2, &eng.Player3, &eng.Player4}) seat->Slots(1, 1) = 12;
    PlayerRecord* nine[] = {nullptr, nullptr, &eng.Player2, &eng.Player3, &eng.Player4};
    nine[t.nineAt]->Slots(1, 1) = 9;
    payoff(3);  // the seat's own waiting never cuts this plan
    human(12);
    planned(4, {5, 6, 7});
    Move_WaitOpps();
    EXPECT_EQ(plan(1).size(), t.cut ? 2u : 3u)
        << t.players << " players, seat " << t.pturn << " moving, a Nine on seat " << t.nineAt;
}

INSTANTIATE_TEST_SUITE_P(Planner, WaitSeatsTest,
                         ::testing::Values(SeatCase{2, 2, 3, false}, SeatCase{3, 2, 3, true},
                                           SeatCase{3, 3, 2, true}, SeatCase{3, 3, 4, false},
                                           SeatCase{4, 2, 3, true}, SeatCase{4, 2, 4, true},
                                           SeatCase{4, 3, 4, true}, SeatCase{4, 3, 2, false},
                                           SeatCase{4, 4, 2, true}, SeatCase{4, 4, 3, false}));

}  // namespace
