// Whole computer turns on small tables: pay-off chains, the last pay-off
// card, a pile completed in the middle of a plan, the forced Aces and Twos
// at each level, full hold piles, a stalemate inside the turn, the remarks
// that respect "No Comments", and the end of the turn.
#include <gtest/gtest.h>

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/play_fixture.h"
#include "engine/player_record.h"
#include "opponent/computer.h"
#include "opponent/state.h"
#include "platform/eventwait.h"
#include "platform/keys.h"
#include "table/card_counter.h"

using namespace grisk;
using grisk_test::Card;

namespace {

class ComputerTurnTest : public grisk_test::PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        recs.SoundLevel = 2;
        recs.SkipLoseShow = true;
    }

    // A table of players whose seat 2 is to move after the human: centre
    // piles at the counts, the human's pay-off card, a stock of Twos and
    // Threes that fit nothing here.
    void position(int players, std::vector<int> counts, int humanPayoff) {
        table(players, static_cast<int>(counts.size()));
        for (int c = 1; c <= static_cast<int>(counts.size()); ++c) stackCentre(c, counts[c - 1], 4);
        setSide({Card(humanPayoff, 6)});
        setHand({Card(8, 6), Card(8, 6), Card(8, 6), Card(8, 6), Card(8, 6)});
        std::vector<int> stock;
        for (int i = 0; i < 30; ++i) stock.push_back(Card(13, 5));
        setStock(stock);
        for (int seat = 2; seat <= players; ++seat)
            for (int p = 1; p <= 4; ++p) setSeatHold(seat, p, {});
    }

    // Seat `seat` loaded and on turn, as the turn cycle loads it.
    void seatMoves(int seat) {
        eng.Pturn = 1;
        WhosOnFirst();
        eng.TurnIndex = seat;
        eng.Pturn = seat;
        eng.TurnStart = 1;  // no opening remark
        eng.RecountHand = 0;
        eng.StalemateState = 0;
        ExchangePlayerRecord(SeatRecord(seat), false);
    }

    static int holdCards(int seat) {
        int n = 0;
        for (int p = 1; p <= 4; ++p) n += SeatRecord(seat).HoldTable(p, 1);
        return n;
    }
};

// Several pay-off cards go in one turn, each in the pass after the one before.
TEST_F(ComputerTurnTest, APayoffChainIsPlayedInOneTurn) {
    position(2, {2, 9, 10}, 12);
    setSeatSide(2, {Card(9), Card(5), Card(4), Card(3)});
    setSeatHand(2, {Card(12, 1), Card(12, 2), Card(12, 3), Card(7, 1), Card(7, 2)});
    seatMoves(2);
    Computer();
    EXPECT_EQ(eng.CenterCount(1), 5) << "the Three, Four and Five";
    EXPECT_EQ(eng.Player2.RecSideCount, 1);
    EXPECT_EQ(eng.Player2.Slots(1, 1), 9);
    EXPECT_EQ(holdCards(2), 1) << "then one discard";
    EXPECT_EQ(eng.Pturn, 1);
}

// The last pay-off card ends the game: the seat wins and makes no discard.
TEST_F(ComputerTurnTest, TheLastPayoffCardEndsTheGame) {
    position(2, {2, 9, 10}, 12);
    setSeatSide(2, {Card(3)});
    setSeatHand(2, {Card(12, 1), Card(12, 2), Card(12, 3), Card(7, 1), Card(7, 2)});
    seatMoves(2);
    Computer();
    EXPECT_EQ(eng.Pturn, 0);
    EXPECT_EQ(eng.Player2.RecSideCount, 0);
    EXPECT_TRUE(eng.EndText.startsWith("That was the last card, Grisk WON")) << eng.EndText.toStdString();
    EXPECT_EQ(holdCards(2), 0);
}

// A twelfth card completes a pile in the middle of a plan: it is cleared
// before the next planned card, which starts the pile again.
TEST_F(ComputerTurnTest, TheTwelfthCardClearsThePileMidPlan) {
    position(2, {10, 5, 6}, 1);  // the Ace ends on the human's spot: a block
    setSeatSide(2, {Card(9), Card(9)});
    setSeatHand(2, {Card(11, 1), Card(12, 1), Card(1, 1), Card(9, 3), Card(9, 2)});
    seatMoves(2);
    const std::map<int, int> before = everyCard();
    Computer();
    EXPECT_EQ(eng.UsedCount, 12);
    EXPECT_EQ(eng.Used(1, 11), 11);
    EXPECT_EQ(eng.Used(1, 12), 12);
    EXPECT_GE(eng.CenterCount(1), 1) << "the Ace started the cleared pile again";
    EXPECT_EQ(eng.CenterPile(1, 1, 1), 1);
    EXPECT_EQ(everyCard(), before) << "no card lost or doubled";
}

// With the card counter open, the hand cards the seat plays count as seen,
// and the counter shows them.
TEST_F(ComputerTurnTest, PlayedHandCardsCountOnAnOpenCardCounter) {
    position(2, {10, 5, 6}, 1);
    setSeatSide(2, {Card(9), Card(9)});
    setSeatHand(2, {Card(11, 1), Card(12, 1), Card(1, 1), Card(9, 3), Card(9, 2)});
    seatMoves(2);
    int f8 = vb::vbKeyF1 + 7;  // F8
    frmGrisk().Form_KeyDown(f8, 0);
    ASSERT_TRUE(IsFormLoaded(QStringLiteral("frmCounter")));
    Computer();
    for (int card : {Card(11, 1), Card(12, 1), Card(1, 1)}) EXPECT_EQ(eng.Deck(2, card), 1) << card;
    EXPECT_EQ(eng.Deck(2, Card(9, 3)), 0) << "a card still in the hand";
    frmCounter().Unload();
}

// Under forced Aces (only the discard tested) an Average or Clever seat
// that would discard an Ace plays it on an empty pile; a Ruthless one
// discards another card. The same for a Two under forced Twos.
TEST_F(ComputerTurnTest, ForcedAcesAndTwosPerLevel) {
    struct Case {
        int level, forced;
        std::vector<int> counts;
        int rank;            // of the duplicated low card
        int pile;            // the pile it would be forced onto
        bool playedThere;
    };
    const Case cases[] = {
        {0, 5, {0, 8, 10}, 1, 1, true},  {1, 5, {0, 8, 10}, 1, 1, true},
        {2, 5, {0, 8, 10}, 1, 1, false}, {0, 6, {1, 8, 10}, 2, 1, true},
        {1, 6, {1, 8, 10}, 2, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << " forced " << c.forced);
        position(2, c.counts, c.rank + 1);  // the low card would let the human play
        eng.ForcedCards = c.forced;
        setSeatSide(2, {Card(11), Card(11)});
        SeatRecord(2).Level = c.level;
        setSeatHand(2, {Card(9, 1), Card(c.rank, 1), Card(c.rank, 2), Card(c.rank, 3), Card(c.rank, 5)});
        seatMoves(2);
        const int start = eng.CenterCount(c.pile);
        Computer();
        EXPECT_EQ(eng.CenterCount(c.pile) > start, c.playedThere);
        EXPECT_EQ(holdCards(2), 1) << "the turn still ends with a discard";
    }
}

// No hold pile of a computer seat takes a 31st card: a full pile passes the
// discard on; with all four full the seat keeps its card.
TEST_F(ComputerTurnTest, FullHoldPilesNeverTakeAThirtyFirstCard) {
    struct Case {
        std::array<int, 4> counts;
        int expectedCards;  // in the hold piles afterwards
        int grown;          // the pile that took the discard, 0 none
    };
    const Case cases[] = {{{30, 30, 29, 30}, 120, 3}, {{30, 30, 30, 30}, 120, 0}, {{30, 28, 30, 30}, 119, 2}};
    for (const Case& c : cases) {
        position(2, {5, 5, 5}, 12);
        setSeatSide(2, {Card(10), Card(10)});
        setSeatHand(2, {Card(2, 1), Card(2, 2), Card(2, 3), Card(3, 1), Card(3, 2)});
        for (int p = 1; p <= 4; ++p) {
            PlayerRecord& r = SeatRecord(2);
            for (int d = 1; d <= c.counts[static_cast<std::size_t>(p - 1)]; ++d) {
                r.Hold(0, p, d) = Card(2, 7);
                r.Hold(1, p, d) = 2;
            }
            r.HoldTable(p, 1) = c.counts[static_cast<std::size_t>(p - 1)];
            r.Slots(0, p + 6) = Card(2, 7);
            r.Slots(1, p + 6) = 2;
        }
        seatMoves(2);
        Computer();
        EXPECT_EQ(holdCards(2), c.expectedCards);
        for (int p = 1; p <= 4; ++p) EXPECT_LE(eng.Player2.HoldTable(p, 1), 30) << "pile " << p;
        if (c.grown != 0) EXPECT_EQ(eng.Player2.HoldTable(c.grown, 1), c.counts[static_cast<std::size_t>(c.grown - 1)] + 1);
        int hand = 0;
        for (int s = 2; s <= 6; ++s) hand += eng.Player2.Slots(1, s) != 0 ? 1 : 0;
        EXPECT_EQ(hand, c.grown != 0 ? 4 : 5) << "the card stays in hand when no pile has room";
        EXPECT_EQ(eng.Pturn, 1) << "the turn passes all the same";
    }
}

// The stock runs out while the seat's hand is refilled (at the start of the
// turn, or after it played its hand empty) and the stalemate is given up:
// the turn ends there, with no discard and no further play, and the seat's
// record keeps every card it was dealt.
TEST_F(ComputerTurnTest, AStalemateInsideTheTurnEndsIt) {
    struct Case {
        const char* name;
        std::vector<int> stock;
        std::vector<int> hand;  // 0 an empty place
    };
    const std::vector<Case> cases = {
        {"refill at the start", {Card(12, 6)}, {Card(11, 1), Card(11, 2), Card(11, 3), 0, 0}},
        {"hand played empty", {}, {Card(3, 1), Card(4, 1), Card(5, 1), Card(6, 1), Card(7, 1)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        position(2, {2, 9, 10}, 12);
        setStock(c.stock);
        setUsed({});
        setSeatSide(2, {Card(9), Card(9)});
        for (int s = 2; s <= 6; ++s) put(SeatRecord(2).Slots, s, c.hand[static_cast<std::size_t>(s - 2)]);
        seatMoves(2);
        const std::map<int, int> before = everyCard();
        vb::msgbox_script::pushAnswer(vb::vbNo);
        Computer();
        EXPECT_EQ(eng.StalemateState, 1);
        EXPECT_EQ(eng.Pturn, 0) << "the given-up game stays over";
        EXPECT_EQ(holdCards(2), 0) << "no discard";
        EXPECT_EQ(eng.TurnIndex, 2) << "the turn was not passed on";
        EXPECT_EQ(everyCard(), before) << "no card lost from the seat's record";
    }
}

// A seat plays its hand empty with no card left to refill it, and the
// stalemate is answered Yes: the recovery deals every seat a new hand, the
// seat counts its new hand and goes on with it (plays, sorts and shows it)
// and ends its turn with a discard.
TEST_F(ComputerTurnTest, AStalemateRecoveredInsideTheTurnGoesOnWithTheNewHand) {
    position(2, {2, 9, 10}, 12);
    setStock({});
    setUsed({});
    setSeatSide(2, {Card(9), Card(9)});
    setSeatHand(2, {Card(3, 1), Card(4, 1), Card(5, 1), Card(6, 1), Card(7, 1)});
    seatMoves(2);
    const std::map<int, int> before = everyCard();
    vb::msgbox_script::pushAnswer(vb::vbYes);
    // At every pause of the turn the seat counts at least the cards its
    // hand holds (one more while a played card is on its way).
    int uncounted = 0;
    eng.CompDelay = 0.5;
    waits::SetPauseScale(1e-6);
    double now = 0;
    waits::SetClockForTests([&] {
        if (eng.Pturn == 2) uncounted = std::max(uncounted, HandCards(eng.OppSlots) - eng.HandCount);
        return now += 1;
    });
    Computer();
    waits::SetClockForTests(nullptr);
    waits::SetPauseScale(0);
    EXPECT_EQ(uncounted, 0) << "the new hand is counted";
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_EQ(vb::msgbox_script::shown()[0].title, "Stalemate");
    EXPECT_EQ(eng.StalemateState, 0);
    EXPECT_EQ(eng.Pturn, 1) << "the turn passed";
    EXPECT_EQ(holdCards(2), 1) << "one discard";
    EXPECT_EQ(everyCard(), before) << "no card lost or doubled";
    int hand = 0;
    for (int s = 2; s <= 6; ++s) {
        if (SeatRecord(2).Slots(1, s) == 0) continue;
        ++hand;
        EXPECT_TRUE(f().Picture1(s).Visible()) << "hand place " << s << " shows its card";
    }
    EXPECT_GE(hand, 1);
    EXPECT_EQ(hand, HandCards(SeatRecord(2).Slots));
}

// Remarks 23 (a wild pay-off King that failed to block) and 27 (a King
// took the human's value) show only with comments on.
TEST_F(ComputerTurnTest, KingRemarksRespectNoComments) {
    for (bool noComments : {false, true}) {
        SCOPED_TRACE(noComments);
        position(2, {4, 7, 9}, 6);
        setSeatSide(2, {Card(9), Card(13)});
        setSeatHand(2, {Card(13, 1), Card(11, 1), Card(11, 2), Card(12, 1), Card(12, 2)});
        SeatRecord(2).RecComments(23) = "wild missed";
        SeatRecord(2).RecComments(27) = "king took it";
        SeatRecord(2).Level = 1;
        SeatRecord(2).CommentFile = noComments ? "No Comments" : "Default Personality";
        f().Label9(2).setCaption(QString());
        seatMoves(2);
        grisk_test::LineWatch remarks(2);
        Computer();
        const int shown = remarks.seen(QStringLiteral("wild missed")) + remarks.seen(QStringLiteral("king took it"));
        if (noComments)
            EXPECT_EQ(shown, 0);
        else
            EXPECT_GT(shown, 0);
    }
}

// A King from the hand that takes the value of the human's pay-off card:
// the remark shows only with comments on, but the pause that follows it is
// the same either way.
TEST_F(ComputerTurnTest, TheKingTookYourValuePauseDoesNotDependOnComments) {
    std::map<bool, int> paused;  // clock looks while the King lies there, by "No Comments"
    for (bool noComments : {false, true}) {
        SCOPED_TRACE(noComments);
        position(2, {4, 7, 10}, 8);
        setSeatSide(2, {Card(11), Card(9)});
        setSeatHand(2, {Card(13, 1), Card(11, 1), Card(11, 2), Card(12, 1), Card(12, 2)});
        SeatRecord(2).RecComments(27) = "king took it";
        SeatRecord(2).CommentFile = noComments ? "No Comments" : "Default Personality";
        seatMoves(2);
        // Each pause lasts a few looks at a clock that moves a little at each.
        eng.CompDelay = 1;
        waits::SetPauseScale(1e-4);
        double now = 0;
        bool said = false;
        waits::SetClockForTests([&] {
            const bool kingThere = eng.CenterCount(2) == 8 && eng.CenterPile(0, 2, 8) == Card(13, 1);
            if (kingThere && eng.HandCount == 5) ++paused[noComments];
            said = said || f().Label9(2).Caption() == "king took it";
            return now += 2e-5;
        });
        Computer();
        waits::SetClockForTests(nullptr);
        waits::SetPauseScale(0);
        ASSERT_EQ(eng.CenterPile(0, 2, 8), Card(13, 1)) << "the King took the human's Eight";
        EXPECT_EQ(said, !noComments);
    }
    EXPECT_GT(paused[false], 0);
    EXPECT_EQ(paused[true], paused[false]);
}

// Seats 3 and 4 draw the pay-off card's back on their own moving picture.
TEST_F(ComputerTurnTest, SeatThreeMovesItsOwnPicture) {
    position(3, {2, 9, 10, 11}, 12);
    setSeatSide(2, {Card(9), Card(9)});
    setSeatSide(3, {Card(9), Card(3)});
    setSeatHand(3, {Card(12, 1), Card(12, 2), Card(12, 3), Card(7, 1), Card(7, 2)});
    setSeatHand(2, {Card(12, 1), Card(12, 2), Card(12, 3), Card(7, 1), Card(7, 2)});
    const QString seatTwoBefore = f().Picture1(0).Drawn();
    seatMoves(3);
    Computer();
    EXPECT_EQ(eng.CenterCount(1), 3);
    EXPECT_TRUE(f().Picture2(0).Drawn().startsWith("back")) << f().Picture2(0).Drawn().toStdString();
}

// The end of the turn: the caption, and the discard from its hand place
// onto the hold pile the caller chose, stored back in the seat's record.
TEST_F(ComputerTurnTest, TheEndOfTheTurnShowsItsCaptionAndLandsTheDiscard) {
    struct Case {
        int players;
        const char* caption;
    };
    const Case cases[] = {{2, "I'll drop a card now...\n     My Turn is over."},
                          {3, "Grisk will drop\n a card now...\nGrisk's turn is over."}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.players);
        position(c.players, c.players == 2 ? std::vector<int>{5, 5, 5} : std::vector<int>{5, 5, 5, 5}, 12);
        setSeatSide(2, {Card(10), Card(10)});
        setSeatHand(2, {Card(2, 1), Card(4, 1), Card(6, 1), Card(8, 1), Card(9, 1)});
        setSeatHold(2, 2, {Card(11, 3)});
        seatMoves(2);
        // The caller has put the discard (hand place 4, the Six) on pile 2.
        eng.TargetCenter = 4;
        opp.MoveSlot = 2;
        eng.OppHoldTable(2, 1) = 2;
        eng.OppHold(0, 2, 2) = Card(6, 1);
        eng.OppHold(1, 2, 2) = 6;
        grisk_test::LineWatch captions(1);
        Move_End_Turn(f().Picture1);
        EXPECT_GE(captions.seen(QString::fromLatin1(c.caption)), 1);
        EXPECT_EQ(opp.MoveSlot, 8) << "the hold slot of pile 2";
        EXPECT_EQ(eng.Player2.Slots(0, 8), Card(6, 1));
        EXPECT_EQ(eng.Player2.Slots(0, 4), 0);
        EXPECT_EQ(eng.Player2.HoldTable(2, 1), 2);
        EXPECT_TRUE(f().StackHold(2 + 4).Visible()) << "a pile of two shows its outline";
        EXPECT_EQ(eng.Pturn, c.players == 2 ? 1 : 3);
    }
}

}  // namespace
