// The search: the hand scan, Kings in the first pass, the hand of the first
// pass to the second, hold piles in place of hand cards, and the levels.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

#include "opponent/planner_fixture.h"

using namespace grisk;
using grisk_test::illegalPlay;
using grisk_test::PlannerTest;

namespace {

bool holdsKingSlot(const std::vector<int>& planned) {
    return std::any_of(planned.begin(), planned.end(), [](int s) { return eng.OppSlots(1, s) == 13; });
}

TEST_F(PlannerTest, KingsExtendTheFirstPassHoldTopsBeforeTheHand) {
    centres({5, 1, 2});
    payoff(9);
    hand({13, 7});
    hold(3, {13});
    search(1);
    ASSERT_EQ(opp.PlayFound, 1);
    EXPECT_EQ(eng.TargetCenter, 1);
    EXPECT_EQ(plan(1), (std::vector<int>{9, 3, 2})) << "hold King, the 7, then the hand's King";
    EXPECT_EQ(illegalPlay(1), "");
}

// The second pass never plans a King of the seat's own: a hand of Kings
// gives no plan on any pile.
TEST_F(PlannerTest, TheHandScanNeverMatchesAKing) {
    centres({3, 4, 5});
    payoff(9);
    hand({13, 13, 13, 13, 13});
    eng.TargetCenter = 1;
    opp.PlanMode = 1;
    Move_Comp();
    EXPECT_EQ(opp.PlayFound, 0);
    for (int c = 1; c <= 3; ++c) EXPECT_TRUE(plan(c).empty()) << "pile " << c;
}

TEST_F(PlannerTest, WithNoWildAceNoKingStartsAnEmptyPile) {
    eng.NoWildAce = true;
    centres({5, 0, 2});
    payoff(9);
    hand({13, 7});
    hold(3, {13});
    search(2);
    EXPECT_EQ(opp.PlayFound, 0);
    EXPECT_EQ(eng.TargetCenter, 3) << "the second pass ran to the last pile";
    for (int c = 1; c <= 3; ++c) EXPECT_FALSE(holdsKingSlot(plan(c))) << "pile " << c;
    EXPECT_TRUE(plan(2).empty());
}

// After a plan that completes the human's pile the wild pay-off King would
// stand for the human's Ace; under the no-wild-Ace rule it may not start the
// emptied pile.
TEST_F(PlannerTest, TheWildPayoffAfterACompletedPileOnlyWhereAKingMayStartIt) {
    for (bool noWildAce : {false, true}) {
        eng.NoWildAce = noWildAce;
        payoff(13);
        human(1);
        centres({10, 4, 6});
        hand({11, 12, 7});
        Ck_Player();
        opp.SideBestCenter = CenterBestToPlay(13, true);
        ASSERT_EQ(opp.HumanCenter, 1);
        search(1);
        const std::vector<int> planned = plan(eng.TargetCenter);
        if (!noWildAce) {
            EXPECT_EQ(opp.PlayFound, 1);
            EXPECT_EQ(plan(1), (std::vector<int>{2, 3, 1}));
        } else {
            EXPECT_TRUE(opp.PlayFound == 0 || std::find(planned.begin(), planned.end(), 1) == planned.end());
        }
        EXPECT_EQ(illegalPlay(eng.TargetCenter), "") << "no wild Ace: " << noWildAce;
    }
}

// A hand card the plan has played is not planned again when the pile comes
// round to its value once more.
TEST_F(PlannerTest, AHandCardIsPlannedOnlyOnce) {
    centres({5, 3, 8});
    payoff(13);
    human(13);
    opp.HumanCenter = 2;
    hand({6, 13});
    hold(1, {5, 4, 3, 2, 1, 12, 11, 10, 9, 8, 7});
    search(1);
    ASSERT_EQ(opp.PlayFound, 1);
    const std::vector<int> played = plan(1);
    EXPECT_EQ(std::count(played.begin(), played.end(), 2), 1);
    EXPECT_EQ(played.back(), 3) << "the hand's King ends it";
    EXPECT_EQ(illegalPlay(1), "");
}

// Two plays from one hold pile: the second is judged by the card under the
// top, the one it really plays.
TEST_F(PlannerTest, ASecondPlayFromAHoldPileIsJudgedByItsOwnRank) {
    centres({4, 8, 9});
    payoff(10);
    human(6);
    hand({12});
    hold(1, {9, 6, 5});
    Ck_Player();
    opp.SideBestCenter = CenterBestToPlay(10, true);
    search(1);
    ASSERT_EQ(opp.PlayFound, 1) << "the Six from under the Five takes the human's spot";
    EXPECT_EQ(plan(1), (std::vector<int>{7, 7}));
    EXPECT_EQ(illegalPlay(1), "");
}

// The first pass's plan, Kings and all, is judged as the second pass judges;
// above Average a King that brings the pile to the human's pay-off value is
// kept there. Average keeps a plan only for a card of the human's rank.
struct LevelCase {
    int level;
    std::vector<int> hand;
    int found;
    std::vector<int> planned;
};

class LevelAcceptTest : public PlannerTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(LevelAcceptTest, HumansValue) {
    const LevelCase& t = GetParam();
    eng.OppLevel = t.level;
    centres({4, 8, 9});
    payoff(10);
    human(6);
    hand(t.hand);
    Ck_Player();
    opp.SideBestCenter = CenterBestToPlay(10, true);
    search(1);
    EXPECT_EQ(opp.PlayFound, t.found);
    if (t.found) {
        EXPECT_EQ(eng.TargetCenter, 1);
        EXPECT_EQ(plan(1), t.planned);
        EXPECT_EQ(illegalPlay(1), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Planner, LevelAcceptTest,
                         ::testing::Values(LevelCase{0, {5, 13, 12}, 0, {}},
                                           LevelCase{1, {5, 13, 12}, 1, {2, 3}},
                                           LevelCase{2, {5, 13, 12}, 1, {2, 3}},
                                           LevelCase{0, {5, 6, 12}, 1, {2, 3}},
                                           LevelCase{1, {5, 6, 12}, 1, {2, 3}}));

// The first pass works on its one pile; without an accepted plan the search
// goes on as the second pass from pile 1, or once from the pile where the
// wild pay-off King was planned.
struct PassCase {
    const char* name;
    int wildCenter;
    int shift;
    int target;
    int found;
    int targetAfter;
    int wildCenterAfter;
    int shiftAfter;
};

void PrintTo(const PassCase& t, std::ostream* os) { *os << t.name; }

class SecondPassTest : public PlannerTest, public ::testing::WithParamInterface<PassCase> {};

TEST_P(SecondPassTest, WhereItStarts) {
    const PassCase& t = GetParam();
    centres({1, 8, 5});
    payoff(10);
    human(9);
    hand({9, 3});
    Ck_Player();
    opp.SideBestCenter = CenterBestToPlay(10, true);
    opp.WildPayoffCenter = t.wildCenter;
    opp.WildPayoffShift = t.shift;
    search(t.target);
    EXPECT_EQ(opp.PlayFound, t.found) << t.name;
    EXPECT_EQ(eng.TargetCenter, t.targetAfter) << t.name;
    EXPECT_EQ(opp.WildPayoffCenter, t.wildCenterAfter) << t.name;
    EXPECT_EQ(opp.WildPayoffShift, t.shiftAfter) << t.name;
    if (t.found) {
        EXPECT_EQ(plan(2), (std::vector<int>{2})) << t.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Planner, SecondPassTest,
    ::testing::Values(
        PassCase{"from pile 1 to the Nine on pile 2", 0, 0, 1, 1, 2, 0, 0},
        PassCase{"from pile 3 back to pile 1", 0, 0, 3, 1, 2, 0, 0},
        PassCase{"once from the wild pay-off's pile", 3, 0, 1, 0, 3, 3, 1},
        PassCase{"ending the first pass on that pile starts afresh", 3, 1, 3, 1, 2, 0, 0},
        PassCase{"after the shift, from pile 1", 3, 1, 1, 1, 2, 3, 1}));

TEST_F(PlannerTest, ASearchThatFindsNothingEndsOnTheLastPile) {
    centres({1, 8, 5, 3});
    payoff(10);
    hand({12, 12});
    Ck_Player();
    search(2);
    EXPECT_EQ(opp.PlayFound, 0);
    EXPECT_EQ(eng.TargetCenter, 4);
}

// A hold pile with the hand card's rank on top may be played instead of it.
struct InPlaceCase {
    const char* name;
    std::vector<int> holdPile;  // bottom first
    std::vector<int> hand;
    int payoff;
    std::vector<int> planned;
};

void PrintTo(const InPlaceCase& t, std::ostream* os) { *os << t.name; }

class HoldInPlaceTest : public PlannerTest, public ::testing::WithParamInterface<InPlaceCase> {};

TEST_P(HoldInPlaceTest, FirstPlay) {
    const InPlaceCase& t = GetParam();
    centres({4, 8, 9});
    opp.SideBestCenter = 2;
    payoff(t.payoff);
    hand(t.hand);
    hold(1, t.holdPile);
    search(1);
    ASSERT_EQ(opp.PlayFound, 1) << t.name;
    EXPECT_EQ(plan(1), t.planned) << t.name;
    EXPECT_EQ(illegalPlay(1), "") << t.name;
}

INSTANTIATE_TEST_SUITE_P(
    Planner, HoldInPlaceTest,
    ::testing::Values(InPlaceCase{"a single card stays", {5}, {5, 1}, 6, {2}},
                      InPlaceCase{"a run under it", {6, 5}, {5, 1}, 6, {7}},
                      InPlaceCase{"a pair under it ends the look", {5, 5}, {5, 1}, 6, {2}},
                      InPlaceCase{"a loose top while hand cards remain", {11, 5}, {5, 1}, 6, {7}},
                      InPlaceCase{"a loose top with the hand used up", {11, 5}, {5}, 6, {2}},
                      // The card under it goes on pile 2 (at 8) and the pay-off follows.
                      InPlaceCase{"it uncovers the way to the pay-off", {9, 5}, {5, 1}, 10, {7}}));

// Move_Comp_Hold: the pile offered (pile 1) against another with the same top.
struct ExchangeCase {
    const char* name;
    int level;
    std::vector<int> offered;
    std::vector<int> other;
    int moveSlot;
    int pick;
};

void PrintTo(const ExchangeCase& t, std::ostream* os) { *os << t.name; }

class HoldExchangeTest : public PlannerTest, public ::testing::WithParamInterface<ExchangeCase> {};

TEST_P(HoldExchangeTest, Choice) {
    const ExchangeCase& t = GetParam();
    eng.OppLevel = t.level;
    hold(1, t.offered);
    hold(2, t.other);
    for (int p = 1; p <= 2; ++p) eng.OppHoldTable(p, 0) = eng.OppHoldTable(p, 1);
    opp.PlanHoldPick = 0;
    opp.PlanSource = 1;
    Move_Comp_Hold();
    EXPECT_EQ(opp.MoveSlot, t.moveSlot) << t.name;
    EXPECT_EQ(opp.PlanHoldPick, t.pick) << t.name;
}

INSTANTIATE_TEST_SUITE_P(
    Planner, HoldExchangeTest,
    ::testing::Values(
        ExchangeCase{"Kings are never exchanged", 1, {13}, {13}, 5, 0},
        ExchangeCase{"Kings are never exchanged, Average", 0, {12, 13}, {12, 13}, 5, 0},
        ExchangeCase{"Clever: single card for a run", 1, {5}, {6, 5}, 2, 2},
        ExchangeCase{"Clever: single card against a single card stays", 1, {5}, {5}, 2, 0},
        ExchangeCase{"Clever: a pair-topped pile for a smaller pile", 1, {5, 9, 5}, {5}, 2, 2},
        ExchangeCase{"Clever: a pair-topped pile against a larger one stays", 1, {5, 9, 5}, {5, 8, 8, 5}, 2, 0},
        ExchangeCase{"Clever: loose top for a run", 1, {9, 5}, {6, 5}, 2, 2},
        ExchangeCase{"Clever: run for a longer run", 2, {6, 5}, {7, 6, 5}, 2, 2},
        ExchangeCase{"Clever: run against a shorter run", 2, {7, 6, 5}, {6, 5}, 5, 0},
        ExchangeCase{"Clever: no run under either is left to the search", 1, {9, 5}, {8, 5}, 5, 0},
        ExchangeCase{"Average: loose top for a run", 0, {9, 5}, {6, 5}, 2, 2},
        ExchangeCase{"Average: run for a longer run", 0, {6, 5}, {7, 6, 5}, 2, 2},
        ExchangeCase{"Average: run against a shorter run", 0, {7, 6, 5}, {6, 5}, 5, 0},
        ExchangeCase{"Average: single card for a loose pile", 0, {5}, {9, 5}, 2, 2},
        ExchangeCase{"Average: loose top against a loose pile", 0, {9, 5}, {8, 5}, 5, 0},
        ExchangeCase{"Average: single cards", 0, {5}, {5}, 5, 0},
        ExchangeCase{"different tops", 1, {5}, {6, 4}, 5, 0}));

// A hand of Kings only: the search pushes the turn's fallback King on the
// pay-off card's pile.
TEST_F(PlannerTest, AHandOfKingsPushesTheFallbackSlotOnThePayoffsPile) {
    centres({3, 4, 5});
    payoff(9);
    hand({13, 13});
    opp.ForcedPlay = 13;
    opp.DropFallback = 2;
    opp.SideBestCenter = 2;
    search(2);
    EXPECT_EQ(opp.PlayFound, 1);
    EXPECT_EQ(eng.TargetCenter, 2);
    EXPECT_EQ(plan(2), (std::vector<int>{2}));
    EXPECT_EQ(planValue(2), 4) << "the value is left as it was";
}

TEST_F(PlannerTest, AForcedAceIsAcceptedAtOnce) {
    centres({0, 6, 8});
    payoff(9);
    hand({1, 11});
    opp.ForcedPlay = 1;
    opp.BlockValue = 9;
    opp.PlanMode = 1;
    eng.TargetCenter = 1;
    Move_Comp();
    EXPECT_EQ(opp.PlayFound, 1);
    EXPECT_EQ(plan(1), (std::vector<int>{2}));
}

// The search has a bound on its steps: a defect that would loop shows as
// a search that stopped there, never as a hang.
TEST_F(PlannerTest, TheSearchStopsAtItsStepBound) {
    centres({5, 1, 2});
    payoff(9);
    hand({13, 7});
    hold(3, {13});
    search(1);
    EXPECT_FALSE(opp.PlanBoundHit);
    ASSERT_EQ(opp.PlayFound, 1);

    opp.PlanStepBound = 3;
    search(1);
    EXPECT_TRUE(opp.PlanBoundHit);
    EXPECT_EQ(opp.PlayFound, 0);
    EXPECT_GE(eng.TargetCenter, 1);
    EXPECT_LE(eng.TargetCenter, eng.NumCenters);
    EXPECT_FALSE(opp.PlanSearching) << "a push after it starts from the pile's real count";
}

}  // namespace
