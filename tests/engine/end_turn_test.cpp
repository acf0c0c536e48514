// The end of the human's turn: the forced-card rules, the full hold pile,
// the discard itself, the pass to the next seat, the missed pay-off card, and
// calls that are no end of a turn.
#include <gtest/gtest.h>

#include <optional>

#include "engine/deal.h"
#include "engine/end_turn.h"
#include "engine/frm_grisk.h"
#include "engine/player_move.h"
#include "engine/state.h"
#include "platform/msgbox.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "play_fixture.h"

using namespace grisk;
using grisk_test::Card;

namespace {

class EndTurnTest : public grisk_test::PlayTest {
protected:
    // Two players, three centre piles; the human's pay-off top a Nine, the
    // hand 5 6 7 8 10 (slots 2..6), the hold piles empty; the hand card of
    // slot 2 is about to go onto hold pile 1 (slot 7).
    void SetUp() override {
        PlayTest::SetUp();
        table(2, 3);
        for (int c = 1; c <= 3; ++c) stackCentre(c, 3, 1);
        setStock({Card(4, 2), Card(4, 3), Card(4, 4), Card(4, 5), Card(4, 6)});
        humanToMove();
        dropOn(2, 7);
    }

    // The caller's part: which card goes where, and where its picture lives.
    void dropOn(int source, int hold) {
        eng.SourceSlot = source;
        eng.DropSlot = hold;
        const vb::Control& home = f().Picture7(source);
        eng.DragLeft = static_cast<int>(screen::TwipsToPixels(home.leftTw()));
        eng.DragTop = static_cast<int>(screen::TwipsToPixels(home.topTw()));
        // The card's picture lies where it was dropped.
        f().Picture7(source).setGeometryTw(home.leftTw() + 600, home.topTw() - 900, home.widthTw(),
                                           home.heightTw());
    }

    // The program closing stops the other seats' turns before they begin, so
    // that the pass itself can be seen.
    void endTurnUntilThePass() {
        eng.Quitting = true;
        Player_EndTurn();
        eng.Quitting = false;
    }

    bool pictureAtHome(int slot) const {
        const vb::Control& c = grisk::frmGrisk().Picture7(slot);
        return screen::TwipsToPixels(c.leftTw()) == eng.DragLeft && screen::TwipsToPixels(c.topTw()) == eng.DragTop;
    }
};

// ------------------------------------------------------------ forced cards

struct ForcedCase {
    const char* name;
    int forced;                    // ForcedCards
    std::array<int, 3> centres;    // CenterCount of piles 1..3
    int payOff, otherHand, discard, holdTop;  // ranks at those places (0 = as set up)
    const char* refusedFor;        // "" when the discard goes through
};

class ForcedCardTest : public EndTurnTest, public ::testing::WithParamInterface<ForcedCase> {};

TEST_P(ForcedCardTest, ADiscardIsRefusedWhileAForcedCardWaits) {
    const ForcedCase& c = GetParam();
    eng.ForcedCards = c.forced;
    for (int k = 1; k <= 3; ++k) stackCentre(k, c.centres[static_cast<std::size_t>(k - 1)], 1);
    if (c.payOff) setSide({Card(3), Card(c.payOff, 2)});
    if (c.otherHand) put(eng.PlayerSlots, 4, Card(c.otherHand, 2));
    if (c.discard) put(eng.PlayerSlots, 2, Card(c.discard, 2));
    if (c.holdTop) setHold(2, {Card(c.holdTop, 3)});
    const auto before = eng.PlayerSlots;
    vb::msgbox_script::clearShown();

    endTurnUntilThePass();

    const auto& boxes = vb::msgbox_script::shown();
    if (*c.refusedFor) {
        const QString rule = QString::fromLatin1(c.refusedFor);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].prompt, "Forced " + rule + " rule is in effect. You must play your " + rule);
        EXPECT_EQ(boxes[0].title, "Rule Enforced");
        EXPECT_EQ(boxes[0].icon(), vb::vbInformation);
        EXPECT_EQ(eng.PlayerSlots, before) << "no card moves";
        EXPECT_EQ(eng.Pturn, 1) << "the turn goes on";
        EXPECT_TRUE(pictureAtHome(2));
        EXPECT_TRUE(f().Picture7(3).Enabled()) << "the human's piles are enabled again";
    } else {
        EXPECT_TRUE(boxes.empty());
        EXPECT_EQ(eng.Pturn, 2) << "the discard went through";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ForcedCardTest,
    ::testing::Values(
        ForcedCase{"NoRuleNoRefusal", 0, {0, 0, 0}, 1, 1, 1, 1, ""},
        ForcedCase{"AceOnThePayOff", 1, {0, 3, 3}, 1, 0, 0, 0, "Ace"},
        ForcedCase{"AceInTheHand", 1, {0, 3, 3}, 0, 1, 0, 0, "Ace"},
        ForcedCase{"AceOnAHoldTop", 1, {0, 3, 3}, 0, 0, 0, 1, "Ace"},
        ForcedCase{"AceWithNoEmptyCentre", 1, {1, 3, 3}, 1, 1, 0, 1, ""},
        ForcedCase{"DiscardOnlyKeptAceInHand", 5, {0, 3, 3}, 0, 1, 0, 0, ""},
        ForcedCase{"DiscardOnlyTheAceItself", 5, {0, 3, 3}, 0, 0, 1, 0, "Ace"},
        ForcedCase{"DiscardOnlyPayOffAce", 5, {0, 3, 3}, 1, 0, 0, 0, "Ace"},
        ForcedCase{"DiscardOnlyHoldTopAce", 5, {0, 3, 3}, 0, 0, 0, 1, "Ace"},
        ForcedCase{"TwoOnALoneAce", 2, {1, 3, 3}, 0, 2, 0, 0, "Two"},
        ForcedCase{"TwoWithAllCentresEmpty", 2, {0, 0, 0}, 0, 2, 0, 0, ""},
        ForcedCase{"TwoWithLongerCentres", 2, {2, 3, 3}, 0, 2, 0, 0, ""},
        ForcedCase{"BothRulesAceFirst", 3, {0, 1, 3}, 0, 2, 0, 1, "Ace"},
        ForcedCase{"BothRulesOnlyATwo", 3, {0, 1, 3}, 0, 2, 0, 0, "Two"},
        ForcedCase{"AKingIsNeverForced", 3, {0, 1, 3}, 13, 13, 13, 13, ""},
        ForcedCase{"BitFourAloneEnforcesNothing", 4, {0, 1, 3}, 1, 1, 1, 1, ""},
        ForcedCase{"DiscardOnlyKeptTwo", 6, {1, 3, 3}, 0, 2, 0, 0, ""},
        ForcedCase{"DiscardOnlyTheTwoItself", 6, {1, 3, 3}, 0, 0, 2, 0, "Two"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------- the hold pile

TEST_F(EndTurnTest, AHoldPileWithThirtyCardsUnderItsTopIsRefused) {
    std::vector<int> full;
    for (int d = 1; d <= 31; ++d) full.push_back(Card((d - 1) % 12 + 1, d / 12));
    setHold(1, full);
    show();
    recs.SoundLevel = 0;
    const auto kept = eng.PlayerSlots;
    const auto under = eng.PlayerHold;

    endTurnUntilThePass();

    EXPECT_EQ(f().Label9(1).Caption(), "That HOLD pile is too full. PICK ANOTHER PILE!");
    EXPECT_TRUE(sound::LastRequested().endsWith("~108.tmp"));
    EXPECT_TRUE(vb::msgbox_script::shown().empty());
    EXPECT_EQ(eng.PlayerSlots, kept);
    EXPECT_EQ(eng.PlayerHold, under);
    EXPECT_EQ(eng.PlayerHoldCount(1), 30);
    EXPECT_EQ(eng.Pturn, 1);
    EXPECT_TRUE(pictureAtHome(2));
    EXPECT_TRUE(f().Picture7(2).Enabled());
}

TEST_F(EndTurnTest, AHoldPileWithTwentyNineUnderItsTopTakesTheCardOnTop) {
    std::vector<int> cards;
    for (int d = 1; d <= 30; ++d) cards.push_back(Card((d - 1) % 12 + 1, d / 12));
    setHold(1, cards);
    show();

    endTurnUntilThePass();

    EXPECT_EQ(eng.PlayerHoldCount(1), 30);
    EXPECT_EQ(eng.PlayerHold(0, 1, 30), cards.back()) << "the old top goes under";
    EXPECT_EQ(eng.PlayerSlots(0, 7), Card(5)) << "the discard is the new top";
    EXPECT_EQ(eng.PlayerSlots(0, 2), 0);
    EXPECT_EQ(eng.PlayerSlots(1, 2), 0);
    EXPECT_EQ(eng.Pturn, 2);
}

// The discard onto an empty pile: no outline, nothing under it; the card's
// picture leaves the hand and is back home, hidden, for the next card.
TEST_F(EndTurnTest, TheDiscardLandsOnTheHoldPileAndLeavesTheHand) {
    endTurnUntilThePass();
    EXPECT_EQ(eng.PlayerSlots(0, 7), Card(5));
    EXPECT_EQ(eng.PlayerSlots(1, 7), 5);
    EXPECT_EQ(eng.PlayerHoldCount(1), 0);
    EXPECT_EQ(f().Picture7(7).Drawn(), "face 5 large");
    EXPECT_FALSE(f().Picture7(2).Visible());
    EXPECT_TRUE(f().Picture7(2).Picture().isNull());
    EXPECT_TRUE(pictureAtHome(2));
    EXPECT_FALSE(f().StackHold(1).Visible()) << "a single card needs no outline";
    // A second discard stacks the pile and shows its outline.
    eng.Pturn = 1;
    dropOn(3, 7);
    endTurnUntilThePass();
    EXPECT_EQ(eng.PlayerHoldCount(1), 1);
    EXPECT_EQ(eng.PlayerHold(0, 1, 1), Card(5));
    EXPECT_EQ(eng.PlayerSlots(0, 7), Card(6));
    EXPECT_TRUE(f().StackHold(1).Visible());
}

// ------------------------------------------------------------- the pass

// The seat order is the round of the table from the deal's first player, so
// the turn goes from the human to seat 2 whoever began.
TEST_F(EndTurnTest, TheTurnPassesToSeatTwoWhoeverBegan) {
    for (int first : {1, 2, 3, 4}) {
        SCOPED_TRACE(first);
        buildTable(4, 4);
        table(4, 4);
        setHand({Card(5), Card(6), Card(7), Card(8), Card(10)});
        for (int p = 1; p <= 4; ++p) setHold(p, {});
        eng.Pturn = first;
        WhosOnFirst();
        while (eng.SeatOrder(eng.TurnIndex) != 1) ++eng.TurnIndex;
        eng.Pturn = 1;
        eng.MoveLogPos = 3;
        eng.TurnStart = 1;
        eng.HandCount = 4;
        show();
        dropOn(2, 8);

        endTurnUntilThePass();

        EXPECT_EQ(eng.Pturn, 2);
        EXPECT_EQ(eng.SeatOrder(eng.TurnIndex), 2);
        EXPECT_EQ(eng.MoveLogPos, 0);
        EXPECT_EQ(eng.TurnStart, 0);
        EXPECT_EQ(eng.HandCount, 5);
        EXPECT_TRUE(f().ImgTurn2.Visible());
        EXPECT_FALSE(f().ImgTurn1.Visible());
        EXPECT_TRUE(f().Picture7(8).Enabled()) << "hold piles stay clickable for their hidden cards";
        EXPECT_FALSE(eng.GameBusy);
    }
}

TEST_F(EndTurnTest, APayOffCardLeftUnplayedIsNoted) {
    stackCentre(2, 8, 1);  // the pay-off Nine fits
    endTurnUntilThePass();
    EXPECT_TRUE(eng.HumanMissedMove);
}

// A missed pay-off card: its rank is one above a centre pile's count; an
// empty pile takes an Ace; a King never counts.
TEST_F(EndTurnTest, AMissedMoveIsAPayOffCardThatFitsACentrePile) {
    struct Case {
        int top;
        std::array<int, 4> centres;
        int numCenters;
        bool missed;
    };
    for (const Case& c : {Case{5, {3, 4, 7, 0}, 3, true}, Case{5, {3, 5, 7, 0}, 3, false},
                          Case{1, {0, 5, 7, 0}, 3, true}, Case{1, {2, 5, 7, 0}, 3, false},
                          Case{13, {0, 5, 12, 0}, 3, false}, Case{9, {3, 4, 7, 8}, 4, true},
                          Case{9, {3, 4, 7, 8}, 3, false}}) {
        buildTable(2, c.numCenters);
        for (int k = 1; k <= c.numCenters; ++k) eng.CenterCount(k) = c.centres[static_cast<std::size_t>(k - 1)];
        eng.PlayerSlots(1, 1) = c.top;
        EXPECT_EQ(PlayerMissedMove(), c.missed) << "top " << c.top << " with " << c.numCenters << " piles";
    }
}

// ------------------------------------------------- calls that end no turn

// Only a hand card of the human's, dropped on a hold pile on the human's
// turn while no other move of the human runs, is a discard: any other call
// leaves the cards as they are (no empty card ever lands on a hold pile),
// and the dropped card goes home with the piles free again, so that the
// table is never left locked with a card lying on a hold pile.
TEST_F(EndTurnTest, NothingHappensUnlessAHandCardGoesOntoAHoldPileOnTheHumansTurn) {
    struct Case {
        const char* name;
        int pturn, source, drop;
        bool emptySource, moveUnderWay;
    };
    for (const Case& c : {Case{"another seat's turn", 2, 2, 7, false, false},
                          Case{"between games", 0, 2, 7, false, false},
                          Case{"the pay-off card", 1, 1, 7, false, false}, Case{"a hold top", 1, 8, 7, false, false},
                          Case{"no slot", 1, 0, 7, false, false}, Case{"onto a hand place", 1, 2, 4, false, false},
                          Case{"onto the pay-off pile", 1, 2, 1, false, false},
                          Case{"past the hold piles", 1, 2, 11, false, false},
                          Case{"an empty hand place", 1, 3, 7, true, false},
                          Case{"inside another move", 1, 2, 7, false, true}}) {
        SCOPED_TRACE(c.name);
        if (c.emptySource) put(eng.PlayerSlots, 3, 0);
        eng.Pturn = 1;
        if (c.source >= 2 && c.source <= 6) dropOn(c.source, c.drop);
        eng.Pturn = c.pturn;
        eng.SourceSlot = c.source;
        eng.DropSlot = c.drop;
        EnablePileRange(f().Picture7, false, 2, 10);  // as the drop locks them
        f().Label9(1).setCaption("untouched");
        const auto kept = eng.PlayerSlots;
        const auto counts = eng.PlayerHoldCount;
        {
            std::optional<HumanMoveGuard> other;
            if (c.moveUnderWay) other.emplace();
            Player_EndTurn();
            if (c.moveUnderWay)
                for (int s = 1; s <= 10; ++s) EXPECT_FALSE(f().Picture7(s).Enabled()) << "the move keeps them, " << s;
        }
        EXPECT_EQ(eng.PlayerSlots, kept);
        EXPECT_EQ(eng.PlayerHoldCount, counts);
        EXPECT_EQ(eng.Pturn, c.pturn);
        EXPECT_EQ(f().Label9(1).Caption(), "untouched");
        EXPECT_TRUE(vb::msgbox_script::shown().empty());
        if (c.source >= 2 && c.source <= 6) EXPECT_TRUE(pictureAtHome(c.source));
        if (!c.moveUnderWay)
            for (int s = 1; s <= 10; ++s)
                EXPECT_EQ(f().Picture7(s).Enabled(), eng.PlayerSlots(0, s) != 0) << "slot " << s;
    }
}

}  // namespace
