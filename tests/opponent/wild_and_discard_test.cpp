// Where a wild pay-off King goes, and which hand card the discard cascade
// puts on which hold pile: tables of small positions.
#include <gtest/gtest.h>

#include "opponent/computer.h"
#include "planner_fixture.h"

using namespace grisk;

namespace {

using grisk_test::PlannerTest;

struct WildCase {
    const char* name;
    int level;
    std::vector<int> centres;
    int human;        // H, the human's pay-off rank
    int blockValue;   // B
    int blockCenter;  // set by the turn when the human's card fits a pile
    bool noWildAce;
    int humanCenter;
    int expected;
};

class MoveWildTest : public PlannerTest, public ::testing::WithParamInterface<WildCase> {};

TEST_P(MoveWildTest, ChoosesThePileForTheKing) {
    const WildCase& c = GetParam();
    centres(c.centres);
    hand({});
    payoff(13);
    human(c.human);
    eng.OppLevel = c.level;
    eng.NoWildAce = c.noWildAce;
    opp.BlockValue = c.blockValue;
    opp.BlockCenter = c.blockCenter;
    opp.HumanCenter = c.humanCenter;
    opp.SidePlay = 1;
    Move_Wild();
    EXPECT_EQ(eng.TargetCenter, c.expected);
    EXPECT_EQ(opp.BlockCenter, 0) << "a block pile is used once";
    EXPECT_EQ(opp.SidePlay, 1) << "no plays were made first";
}

INSTANTIATE_TEST_SUITE_P(
    Piles, MoveWildTest,
    ::testing::Values(
        // The human's danger line: the first pile that meets the rule.
        WildCase{"BAboveH", 0, {2, 5, 7}, 5, 9, 0, false, 1, 2},
        WildCase{"BIsOneWithAnEmptyPile", 0, {11, 7, 0}, 5, 1, 0, false, 1, 1},
        WildCase{"BIsOneWithoutAnEmptyPileNeverCompletesAPile", 0, {11, 7, 3}, 5, 1, 0, false, 1, 2},
        WildCase{"BUpToH", 1, {5, 2, 9}, 6, 4, 0, false, 1, 2},
        // Blocking the human's pay-off card comes first.
        WildCase{"BlockCenterFirst", 0, {2, 5, 7}, 5, 9, 3, false, 1, 3},
        WildCase{"BlockCenterFirstAtClever", 1, {2, 5, 7}, 5, 9, 1, false, 1, 1},
        // Under the no-wild-Ace rule an empty pile is never chosen.
        WildCase{"DangerLineSkipsEmptyPilesWithoutWildAces", 0, {0, 5, 9}, 6, 4, 0, true, 2, 3},
        WildCase{"NothingFitsWithoutWildAcesTakesTheFirstStartedPile", 1, {0, 4, 0}, 9, 12, 0, true, 2, 2},
        // No rule picks a pile. (A Ruthless seat with no pile for the human's
        // card and no hand plans nothing first.)
        WildCase{"NothingFitsAverageTakesPileTwo", 0, {4, 2, 6}, 9, 12, 0, false, 1, 2},
        WildCase{"NothingFitsRuthlessPileTwoUnderPileOne", 2, {6, 4, 8}, 5, 7, 0, false, 0, 2},
        WildCase{"NothingFitsRuthlessPileThreeUnderPileOne", 2, {6, 7, 3}, 5, 7, 0, false, 0, 3},
        WildCase{"NothingFitsRuthlessPileOneLowest", 2, {3, 7, 8}, 5, 7, 0, false, 0, 1},
        // A Ruthless seat with no plan takes a pile far under the human's card.
        WildCase{"RuthlessLowPile", 2, {8, 2, 9}, 12, 12, 0, false, 0, 2}),
    [](const auto& info) { return std::string(info.param.name); });

// ------------------------------------------------------------- discard

struct DropCase {
    const char* name;
    int level;
    std::vector<int> hand;  // sorted, highest first
    std::vector<std::vector<int>> holds;
    int payoff;
    int slot;  // expected hand slot
    int pile;  // expected hold pile
};

class DropTest : public PlannerTest, public ::testing::WithParamInterface<DropCase> {};

TEST_P(DropTest, ChoosesTheDiscard) {
    const DropCase& c = GetParam();
    centres({0, 0, 0});
    eng.OppLevel = c.level;
    hand(c.hand);
    for (int p = 1; p <= 4; ++p) hold(p, c.holds[static_cast<std::size_t>(p - 1)]);
    payoff(c.payoff);
    opp.DropFallback = 2;
    opp.SideBestCenter = 1;
    Comp_Drop();
    EXPECT_EQ(eng.TargetCenter, c.slot);
    EXPECT_EQ(opp.MoveSlot, c.pile);
}

INSTANTIATE_TEST_SUITE_P(
    Cascade, DropTest,
    ::testing::Values(
        // A hand card of the top of a pile of run type 0 goes there first,
        // before the duplicate is looked at.
        DropCase{"SameTopOfRunTypeZeroFirst", 0, {9, 7, 7, 4, 2}, {{7}, {}, {}, {}}, 11, 3, 1},
        // An empty hold pile takes a duplicate.
        DropCase{"DuplicateOnAnEmptyPile", 0, {9, 7, 7, 4, 2}, {{10, 8}, {}, {}, {}}, 11, 4, 2},
        DropCase{"DuplicateAceOnAnEmptyPile", 0, {9, 6, 4, 1, 1}, {{10, 8}, {}, {}, {}}, 11, 6, 2},
        // A Ruthless seat keeps a duplicate Ace (slot 4 or later) out of it.
        DropCase{"RuthlessKeepsADuplicateAceBack", 2, {9, 6, 4, 1, 1}, {{10, 8}, {}, {}, {}}, 11, 2, 2},
        // No duplicate: the first card the pay-off card does not need next.
        DropCase{"EmptyPileTakesACardThePayoffDoesNotNeed", 0, {10, 8, 6, 4, 2}, {{12, 11}, {}, {}, {}}, 11, 3, 2},
        // No hold top above a hand card: onto the pile that shows the pay-off rank.
        DropCase{"NothingAboveGoesOnThePayoffPile", 0, {9, 8, 7, 6, 5}, {{3}, {2}, {4}, {11, 5}}, 4, 2, 3},
        // One under a single card.
        DropCase{"OneUnderASingleCard", 0, {9, 6, 5, 3, 2}, {{10}, {12, 11}, {8, 12}, {7, 7}}, 12, 2, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// A duplicate that is the pay-off rank, or three of a kind, is the one kept
// as DupSlot; a Ruthless seat under forced Aces drops a duplicate Ace.
TEST_F(PlannerTest, DuplicatesInTheHand) {
    struct Case {
        std::vector<int> hand;
        int payoff, level, forced, dup;
    };
    const Case cases[] = {
        {{9, 7, 7, 4, 4}, 11, 0, 0, 4},  // the pair in the lowest slots wins
        {{9, 7, 7, 4, 4}, 7, 0, 0, 4},   // the pay-off rank's pair ends the look at once
        {{9, 4, 4, 4, 2}, 11, 0, 0, 5},  // three of a kind ends the look at once
        {{9, 6, 3, 1, 1}, 11, 2, 5, 0},  // Ruthless, forced Aces: no duplicate Ace
        {{9, 6, 3, 1, 1}, 11, 1, 5, 6},
        {{13, 13, 8, 6, 2}, 11, 0, 0, 0},  // Kings are never duplicates
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "payoff " << c.payoff << " level " << c.level);
        hand(c.hand);
        payoff(c.payoff);
        eng.OppLevel = c.level;
        eng.ForcedCards = c.forced;
        opp.DropFallback = 2;
        Comp_Dups();
        EXPECT_EQ(opp.DupSlot, c.dup);
    }
}

}  // namespace
