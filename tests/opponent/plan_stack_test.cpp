// The plan stack: pushing a play and its goals, popping, the stack's bound,
// a forced play pushed from outside the search, and the next seats' block.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "opponent/planner_fixture.h"

using namespace grisk;
using grisk_test::illegalPlay;
using grisk_test::PlannerTest;

namespace {

TEST_F(PlannerTest, APlanThatCompletesAPileShowsNothingAndPoppingShowsElevenAgain) {
    centres({10, 0, 0});
    payoff(1);
    hand({11, 12, 5});
    search(1);
    ASSERT_EQ(opp.PlayFound, 1) << "the Ace fits once the Queen has cleared the pile";
    EXPECT_EQ(plan(1), (std::vector<int>{2, 3}));
    EXPECT_EQ(planValue(1), 0);

    EXPECT_FALSE(Move_ReduceSet());
    EXPECT_EQ(planValue(1), 11);
    EXPECT_EQ(opp.PlayFound, 1);
    EXPECT_TRUE(Move_ReduceSet());
    EXPECT_EQ(planValue(1), 10);
    EXPECT_EQ(opp.PlayFound, 0);
    EXPECT_TRUE(Move_ReduceSet()) << "popping an empty plan changes nothing";
    EXPECT_EQ(opp.PlanSet(1, 1), 0);
    EXPECT_EQ(planValue(1), 10);
}

// Fifteen plays fill the stack: the sixteenth is not pushed and the full
// plan is played as a goal reached (the turn plans again after it).
class LongPlanTest : public PlannerTest {
protected:
    void SetUp() override {
        PlannerTest::SetUp();
        payoff(13);
        human(13);
        opp.HumanCenter = 2;
        centres({0, 5, 7});
        hand({1, 2, 3, 4, 13});
        hold(1, {12, 11, 10, 9, 8, 7, 6, 5});
        hold(2, {4, 3, 2, 1});
    }
};

TEST_F(LongPlanTest, AFullPlanStackIsAGoal) {
    search(1);
    EXPECT_EQ(opp.PlayFound, 1);
    EXPECT_EQ(eng.TargetCenter, 1);
    EXPECT_EQ(plan(1), (std::vector<int>{8, 8, 8, 5, 7, 7, 7, 7, 7, 7, 7, 7, 2, 3, 4}));
    EXPECT_EQ(illegalPlay(1), "");
    EXPECT_FALSE(opp.PlanBoundHit);
}

// A hold pile picked at the fourteenth play marks the plan at 14, the mark
// a borrowed play also uses: the plan stays on its own pile.
TEST_F(LongPlanTest, AHoldPickAtTheFourteenthPlayIsNoBorrowedPlay) {
    hold(3, {9, 2});
    opp.SideBestCenter = 1;
    search(1);
    EXPECT_EQ(opp.PlayFound, 1);
    EXPECT_EQ(eng.TargetCenter, 1);
    EXPECT_EQ(plan(1), (std::vector<int>{8, 8, 8, 5, 7, 7, 7, 7, 7, 7, 7, 7, 2, 9, 4}));
    EXPECT_EQ(illegalPlay(1), "");
}

// A play the turn forces (an Ace to an empty pile, a Two on an Ace) is
// pushed by itself, whatever the search left in the pile's rows.
TEST_F(PlannerTest, AForcedPushStartsFromThePilesRealCount) {
    centres({0, 4, 0});
    payoff(9);
    hand({1, 7});
    eng.TargetCenter = 1;
    opp.PlanSet(1, 1) = 3;
    opp.PlanSet(1, 0) = 7;
    opp.PlanMoves(1, 1) = 5;
    opp.PlanMoves(1, 2) = 6;
    opp.PlanMoves(1, 3) = 9;
    opp.PlayFound = 1;
    opp.ForcedPlay = 1;
    opp.PlanSource = 2;
    Move_Plan();
    EXPECT_EQ(plan(1), (std::vector<int>{2}));
    EXPECT_EQ(planValue(1), 1);
    EXPECT_EQ(illegalPlay(1), "");
}

struct GoalCase {
    const char* name;
    int payoff;
    int humanPayoff;
    int count;  // pile 1
    int rank;   // the card planned from hand slot 2
    int forced;
    int humanCenter;
    int wildCenter;
    int found;
    std::vector<int> planAfter;
    int wildCenterAfter;
};

void PrintTo(const GoalCase& t, std::ostream* os) { *os << t.name; }

class PlanGoalTest : public PlannerTest, public ::testing::WithParamInterface<GoalCase> {};

TEST_P(PlanGoalTest, Push) {
    const GoalCase& t = GetParam();
    centres({t.count, 3, 5});
    payoff(t.payoff);
    human(t.humanPayoff);
    hand({t.rank, 8, 8});
    opp.ForcedPlay = t.forced;
    opp.HumanCenter = t.humanCenter;
    opp.WildPayoffCenter = t.wildCenter;
    eng.TargetCenter = 1;
    opp.PlanSource = 2;
    Move_Plan();
    EXPECT_EQ(opp.PlayFound, t.found) << t.name;
    EXPECT_EQ(plan(1), t.planAfter) << t.name;
    EXPECT_EQ(opp.WildPayoffCenter, t.wildCenterAfter) << t.name;
}

INSTANTIATE_TEST_SUITE_P(
    Planner, PlanGoalTest,
    ::testing::Values(
        GoalCase{"own pay-off fits next", 6, 9, 4, 5, 0, 2, 0, 1, {2}, 0},
        GoalCase{"own pay-off fits after a completed pile", 1, 9, 11, 12, 0, 2, 0, 1, {2}, 0},
        GoalCase{"nothing reached", 9, 7, 4, 5, 0, 2, 0, 0, {2}, 0},
        GoalCase{"taking the human's spot is no goal by itself", 9, 5, 4, 5, 0, 1, 0, 0, {2}, 0},
        GoalCase{"a block asked for on the human's pile", 9, 5, 4, 5, 12, 1, 0, 1, {2}, 0},
        GoalCase{"a block asked for elsewhere", 9, 5, 4, 5, 12, 2, 0, 0, {2}, 0},
        GoalCase{"with a wild pay-off, the human's spot", 13, 5, 4, 5, 0, 2, 0, 1, {2}, 0},
        GoalCase{"with a wild pay-off, under the human's Queen", 13, 12, 11, 12, 0, 2, 0, 1, {2}, 0},
        GoalCase{"a King on the human's pile gives way to the pay-off", 13, 5, 4, 13, 0, 1, 0, 1, {1}, 1},
        GoalCase{"a King on another pile stays", 13, 7, 4, 13, 0, 2, 0, 0, {2}, 0},
        GoalCase{"the human blocked after the wild pay-off's plan", 9, 5, 4, 5, 0, 2, 3, 1, {2}, 0}));

TEST_F(PlannerTest, WithNoWildAceTheWildPayoffTakesTheQueensPlaceOnTheLastStartedPile) {
    eng.NoWildAce = true;
    payoff(13);
    hand({12});
    eng.TargetCenter = 1;
    opp.PlanSource = 2;

    centres({11, 0, 0});
    Move_Plan();
    EXPECT_EQ(plan(1), (std::vector<int>{1}));
    EXPECT_EQ(opp.PlayFound, 1);

    opp.PlayFound = 0;
    centres({11, 3, 0});
    opp.PlanSource = 2;
    Move_Plan();
    EXPECT_EQ(plan(1), (std::vector<int>{2})) << "another started pile can take the King later";
    EXPECT_EQ(opp.PlayFound, 0);
}

TEST_F(PlannerTest, WithNoWildAceTheWildPayoffIsNeverPushedOnAnEmptyPile) {
    eng.NoWildAce = true;
    payoff(13);
    centres({0, 4, 0});
    eng.TargetCenter = 1;
    opp.PlanSource = 1;
    Move_Plan();
    EXPECT_TRUE(plan(1).empty());
}

struct BlockCase {
    int players;
    int pturn;
    int seat2;
    int seat3;
    int seat4;
    int rank;
    int found;
};

class NextSeatBlockTest : public PlannerTest, public ::testing::WithParamInterface<BlockCase> {};

TEST_P(NextSeatBlockTest, Push) {
    const BlockCase& t = GetParam();
    eng.NumPlayers = t.players;
    eng.Pturn = t.pturn;
    eng.Player2.Slots(1, 1) = t.seat2;
    eng.Player3.Slots(1, 1) = t.seat3;
    eng.Player4.Slots(1, 1) = t.seat4;
    centres({4, 0, 0});
    payoff(9);
    hand({t.rank});
    eng.TargetCenter = 1;
    opp.PlanSource = 2;
    Move_Plan();
    EXPECT_EQ(opp.PlayFound, t.found) << t.players << " players, seat " << t.pturn << " moving";
}

INSTANTIATE_TEST_SUITE_P(Planner, NextSeatBlockTest,
                         ::testing::Values(BlockCase{2, 2, 0, 5, 5, 5, 0},  // the human is next
                                           BlockCase{3, 2, 0, 5, 0, 5, 1},
                                           BlockCase{3, 2, 0, 6, 0, 5, 0},
                                           BlockCase{3, 3, 5, 0, 5, 5, 0},  // seat 3 never blocks
                                           BlockCase{4, 2, 0, 0, 5, 5, 1},
                                           BlockCase{4, 2, 0, 5, 0, 5, 1},
                                           BlockCase{4, 3, 0, 0, 5, 5, 1},
                                           BlockCase{4, 3, 5, 0, 0, 5, 0},
                                           BlockCase{4, 4, 5, 5, 5, 5, 0},  // seat 4 never blocks
                                           BlockCase{3, 2, 0, 13, 0, 13, 0}));  // a King takes no spot

}  // namespace
