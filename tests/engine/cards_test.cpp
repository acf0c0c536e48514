// The card procedures: rank, shuffle, the deal of one card, enabling piles.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/random.h"
#include "shell/state.h"
#include "support/test_support.h"

using namespace grisk;

namespace {

struct RankCase {
    int card;
    int rank;
    int reduced;  // what the argument holds afterwards
};

class CardRankTest : public ::testing::TestWithParam<RankCase> {};

TEST_P(CardRankTest, RankAndReducedArgument) {
    int n = GetParam().card;
    EXPECT_EQ(CardRank(n), GetParam().rank);
    EXPECT_EQ(n, GetParam().reduced);
}

INSTANTIATE_TEST_SUITE_P(Cards, CardRankTest,
                         ::testing::Values(RankCase{0, 0, 0}, RankCase{1, 1, 1}, RankCase{12, 12, 12},
                                           RankCase{13, 13, 13}, RankCase{26, 13, 26},
                                           RankCase{39, 13, 39}, RankCase{52, 13, 52},
                                           RankCase{53, 1, 1}, RankCase{65, 13, 13},
                                           RankCase{105, 1, 1}, RankCase{208, 13, 52}));

// A stock built as a new game builds it: card i at position i with its rank.
class DeckFixture : public grisk_test::GriskTest {
protected:
    void buildStock(int players) {
        eng.NumPlayers = players;
        eng.TotalCards = 52 * players;
        eng.Deck.redim({{0, 2}, {0, eng.TotalCards}});
        for (int i = 1; i <= eng.TotalCards; ++i) {
            eng.Deck(0, i) = i;
            eng.Deck(1, i) = (i - 1) % 13 + 1;
        }
        eng.StockCount = eng.TotalCards;
    }
    std::vector<int> cardsAt(int from, int to) const {
        std::vector<int> out;
        for (int i = from; i <= to; ++i) out.push_back(eng.Deck(0, i));
        return out;
    }
};

TEST_F(DeckFixture, ShuffleTogetherIsAPermutationKeepingRanksWithTheirCards) {
    buildStock(4);
    eng.Deck(2, 7) = 1;
    eng.Deck(2, 150) = 1;
    ShuffleDeck(1, eng.TotalCards);

    std::vector<int> cards = cardsAt(1, 208);
    std::vector<int> sorted = cards;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 1; i <= 208; ++i) EXPECT_EQ(sorted[i - 1], i);
    int moved = 0;
    bool crossedDecks = false;
    for (int i = 1; i <= 208; ++i) {
        const int c = eng.Deck(0, i);
        EXPECT_EQ(eng.Deck(1, i), (c - 1) % 13 + 1) << "rank travels with its card at " << i;
        if (c != i) ++moved;
        if ((c - 1) / 52 != (i - 1) / 52) crossedDecks = true;
    }
    EXPECT_GT(moved, 150);
    EXPECT_TRUE(crossedDecks);
    // The dealt markers are indexed by card number and never move.
    for (int n = 1; n <= 208; ++n) EXPECT_EQ(eng.Deck(2, n), (n == 7 || n == 150) ? 1 : 0);
}

TEST_F(DeckFixture, ShuffleSeparateKeepsEveryDeckInItsOwnPositions) {
    buildStock(3);
    eng.StockCount = 52;
    for (int d = 1; d <= 3; ++d) ShuffleDeck(52 * (d - 1) + 1, 52 * d, 52 * (d - 1));
    eng.StockCount = eng.TotalCards;
    for (int d = 1; d <= 3; ++d) {
        std::vector<int> cards = cardsAt(52 * (d - 1) + 1, 52 * d);
        std::sort(cards.begin(), cards.end());
        for (int k = 0; k < 52; ++k) EXPECT_EQ(cards[k], 52 * (d - 1) + 1 + k) << "deck " << d;
    }
}

TEST_F(DeckFixture, ShuffleIsRepeatableFromTheSameSeed) {
    buildStock(2);
    vb::Randomize(7);
    ShuffleDeck(1, 104);
    const std::vector<int> first = cardsAt(1, 104);
    buildStock(2);
    vb::Randomize(7);
    ShuffleDeck(1, 104);
    EXPECT_EQ(cardsAt(1, 104), first);
}

class DealFixture : public DeckFixture {
protected:
    void SetUp() override {
        DeckFixture::SetUp();
        buildStock(2);
        FrmGrisk& f = frmGrisk();
        for (int i = 1; i <= 10; ++i) f.Picture7.ensure(i);
        for (int i = 2; i <= 10; ++i) f.Picture1.ensure(i);
    }
};

TEST_F(DealFixture, DealTakesTheTopCardAndMarksItDealt) {
    FrmGrisk& f = frmGrisk();
    const int top = eng.Deck(0, 104);
    ASSERT_TRUE(DealCard(f.Picture7, eng.PlayerSlots, 3, 5));
    EXPECT_EQ(eng.StockCount, 103);
    EXPECT_EQ(eng.PlayerSlots(0, 3), top);
    EXPECT_EQ(eng.PlayerSlots(1, 3), (top - 1) % 13 + 1);
    EXPECT_EQ(eng.Deck(0, 104), 0);
    EXPECT_EQ(eng.Deck(1, 104), 0);
    EXPECT_EQ(eng.Deck(2, top), 1);
    EXPECT_FALSE(eng.CardMoving);
    EXPECT_TRUE(f.Picture7(3).Visible());
    EXPECT_EQ(f.Picture7(3).Drawn(), QString("face %1 large").arg((top - 1) % 52 + 1));
}

TEST_F(DealFixture, OpponentCardsAreFaceDownUnlessPeeking) {
    FrmGrisk& f = frmGrisk();
    ASSERT_TRUE(DealCard(f.Picture1, eng.Player2.Slots, 2, 3));
    EXPECT_EQ(f.Picture1(2).Drawn(), "back large");
    EXPECT_NE(eng.Deck(2, eng.Player2.Slots(0, 2)), 0) << "dealt face down is still dealt";
    eng.Peeking = true;
    ASSERT_TRUE(DealCard(f.Picture1, eng.Player2.Slots, 3, 3));
    EXPECT_EQ(f.Picture1(3).Drawn(), QString("face %1 large").arg((eng.Player2.Slots(0, 3) - 1) % 52 + 1));
}

TEST_F(DealFixture, TheLastCardEmptiesTheStockAndAnEmptyStockIsRefused) {
    FrmGrisk& f = frmGrisk();
    eng.StockCount = 1;
    const int last = eng.Deck(0, 1);
    ASSERT_TRUE(DealCard(f.Picture7, eng.PlayerSlots, 2, 5));
    EXPECT_EQ(eng.StockCount, 0);
    EXPECT_EQ(eng.Deck(0, 1), 0);
    EXPECT_EQ(eng.Deck(1, 1), 0);
    EXPECT_EQ(eng.PlayerSlots(0, 2), last);

    eng.PlayerSlots(0, 4) = 77;
    EXPECT_FALSE(DealCard(f.Picture7, eng.PlayerSlots, 4, 5));
    EXPECT_EQ(eng.StockCount, 0);
    EXPECT_EQ(eng.PlayerSlots(0, 4), 77) << "a refused deal changes nothing";
    EXPECT_FALSE(eng.CardMoving);
}

TEST_F(DealFixture, ADamagedTopCardOrAMissingSlotIsRefusedBeforeAnythingChanges) {
    FrmGrisk& f = frmGrisk();
    struct Case {
        int topCard;
        int slot;
    };
    // Two players: the cards of this game are 1..104.
    for (Case c : {Case{0, 3}, Case{-3, 3}, Case{105, 3}, Case{209, 3}, Case{30000, 3}, Case{17, 11},
                   Case{17, 0}}) {
        eng.Deck(0, 104) = c.topCard;
        const vb::Array<int, 2> deck = eng.Deck;
        const vb::Array<int, 2> hand = eng.PlayerSlots;
        EXPECT_FALSE(DealCard(f.Picture7, eng.PlayerSlots, c.slot, 5)) << "card " << c.topCard << " slot " << c.slot;
        EXPECT_EQ(eng.StockCount, 104);
        EXPECT_TRUE(eng.Deck == deck) << "card " << c.topCard;
        EXPECT_TRUE(eng.PlayerSlots == hand);
        EXPECT_FALSE(eng.CardMoving);
    }
    eng.Deck(0, 104) = 104;
    EXPECT_TRUE(DealCard(f.Picture7, eng.PlayerSlots, 3, 5)) << "the last card of the second deck is a card";
}

TEST_F(DealFixture, EnablePileRangeDisablesEmptySlots) {
    FrmGrisk& f = frmGrisk();
    for (int i = 1; i <= 10; ++i) f.Picture7(i).setEnabled(false);
    eng.PlayerSlots(0, 1) = 5;
    eng.PlayerSlots(0, 4) = 9;
    eng.PlayerSlots(0, 8) = 13;
    EnablePileRange(f.Picture7, true, 1, 10);
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(f.Picture7(i).Enabled(), i == 1 || i == 4 || i == 8) << "slot " << i;
    EnablePileRange(f.Picture7, false, 7, 10);
    EXPECT_FALSE(f.Picture7(8).Enabled());
    EXPECT_TRUE(f.Picture7(4).Enabled()) << "outside the range nothing changes";
}

TEST_F(DealFixture, EnablePlayerCardsKeepsHoldPilesOpenDuringTheTutorial) {
    FrmGrisk& f = frmGrisk();
    cmd.TutorialOn = true;
    EnablePlayerCards(false);
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(f.Picture7(i).Enabled(), i >= 7) << "slot " << i;
    cmd.TutorialOn = false;
    EnablePlayerCards(false);
    for (int i = 1; i <= 10; ++i) EXPECT_FALSE(f.Picture7(i).Enabled());
}

}  // namespace
