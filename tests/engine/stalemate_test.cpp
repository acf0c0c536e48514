// The refill of a hand, the reshuffle of the used pile and the stalemate:
// given up, recovered with every card kept exactly once, or failed.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <functional>

#include "engine/piles.h"
#include "engine/player_move.h"
#include "engine/stalemate.h"
#include "play_fixture.h"
#include "table/frm_pic.h"

namespace {

using grisk::eng;
using grisk_test::Card;
using grisk_test::RankOf;

const QString kOutOfCards = "UNBELIEVABLY ROZORERI!\nWe're out of cards.\nI can't deal anymore.";
const QString kDealerError =
    "Oops! Sorry, I dropped the cards and can't redeal. Let's give up on this stalemate and start a new game.";

class StalemateTest : public grisk_test::PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        table();
        setSide({Card(8, 1), Card(9, 1), Card(10, 1)});
        setStock({});
        setUsed({});
    }
    // Cards in play for the recovery: centre piles, both hands and holds.
    void cardsInPlay() {
        setCentre(1, {Card(1, 6), Card(2, 6), Card(3, 6)});
        setCentre(3, {Card(1, 7), Card(13, 7)});
        setHand({Card(5, 2), 0, Card(7, 2), 0, 0});
        setHold(1, {Card(3, 3), Card(4, 3), Card(6, 3)});
        setHold(3, {Card(9, 3)});
        setSeatHand(2, {Card(2, 4), Card(3, 4), Card(4, 4), Card(5, 4), Card(6, 4)});
        setSeatHold(2, 2, {Card(7, 4), Card(8, 4)});
    }
    static int handCards(const vb::Array<int, 2>& cards) { return grisk::HandCards(cards); }
};

TEST_F(StalemateTest, ARefillFillsOnlyTheEmptyPlacesFromTheTop) {
    setStock({Card(2, 5), Card(3, 5), Card(4, 5)});
    setHand({Card(5, 2), 0, Card(7, 2), 0, Card(9, 2)});
    f().Label9(1).setCaption("kept");
    grisk::Deal_Players(f().Picture7, eng.PlayerSlots);
    EXPECT_EQ(eng.PlayerSlots(0, 3), Card(4, 5));
    EXPECT_EQ(eng.PlayerSlots(0, 5), Card(3, 5));
    EXPECT_EQ(eng.PlayerSlots(0, 2), Card(5, 2));
    EXPECT_EQ(eng.StockCount, 1);
    EXPECT_EQ(eng.HandCount, 5);
    EXPECT_EQ(f().Label9(1).Caption(), "kept") << "a top-up of a hand not played empty";
    EXPECT_EQ(eng.Deck(2, Card(4, 5)), 1);
}

TEST_F(StalemateTest, AnOpponentsHandPickedUpIsAnnounced) {
    setStock({Card(2, 5), Card(3, 5), Card(4, 5), Card(5, 5), Card(6, 5)});
    eng.Pturn = 2;
    eng.HandCount = 0;
    grisk::Deal_Players(f().Picture1, eng.OppSlots);
    EXPECT_EQ(f().Label9(1).Caption(), "Grisk Picked Up");
    EXPECT_EQ(handCards(eng.OppSlots), 5);
    EXPECT_EQ(f().Picture1(2).Drawn(), "back large") << "another seat's cards come face down";
}

TEST_F(StalemateTest, StockAndUsedPileEmptyDeclareTheStalemateAtTheFirstEmptyPlace) {
    setHand({Card(5, 2), Card(6, 2), 0, Card(7, 2), 0});
    vb::msgbox_script::pushAnswer(vb::vbNo);
    grisk::Deal_Players(f().Picture7, eng.PlayerSlots);
    EXPECT_EQ(eng.PlayerSlots(0, 2), Card(5, 2)) << "the places before it stay";
    EXPECT_EQ(eng.PlayerSlots(0, 4), 0);
    EXPECT_EQ(f().Label9(1).Caption(), kOutOfCards);
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    const vb::ShownBox& box = vb::msgbox_script::shown()[0];
    EXPECT_EQ(box.prompt, "Reshuffle cards and continue with this game?");
    EXPECT_EQ(box.title, "Stalemate");
    EXPECT_EQ(box.buttons(), vb::vbYesNo);
    // Given up.
    EXPECT_EQ(eng.StalemateState, 1);
    EXPECT_EQ(eng.Pturn, 0);
    EXPECT_EQ(f().Label9(2).Caption(),
              "You tossed the Stalemated game. Press F2 to start a new game or select New Game from the menu.");
    for (int s = 1; s <= 10; ++s) EXPECT_FALSE(f().Picture7(s).Enabled()) << s;
    for (int i = 1; i <= 8; ++i) EXPECT_FALSE(f().StackHold(i).Visible()) << i;
    EXPECT_FALSE(f().Timer1.Enabled);
}

// Under the no-wild-Ace rule only an Ace starts a pile: with every Ace
// buried in the pay-off piles a recovery would deal the same dead table
// again, so none is offered and the game is given up. An Ace anywhere a
// recovery reaches, or Kings that may start a pile, offer it.
TEST_F(StalemateTest, UnderNoWildAceATableWithoutAnAceInReachIsGivenUp) {
    struct Case {
        const char* name;
        bool noWildAce;
        std::function<void(grisk_test::PlayPosition&)> ace;  // where an Ace lies
        bool offered;
    };
    const Case cases[] = {
        {"every Ace buried", true, [](grisk_test::PlayPosition&) {}, false},
        {"wild Aces allowed", false, [](grisk_test::PlayPosition&) {}, true},
        {"on a centre pile", true, [](grisk_test::PlayPosition& t) { t.setCentre(2, {Card(1, 6)}); }, true},
        {"in the seat's hand", true,
         [](grisk_test::PlayPosition& t) { t.setSeatHand(2, {Card(2, 4), Card(1, 4)}); }, true},
        {"under a hold top", true, [](grisk_test::PlayPosition& t) { t.setHold(2, {Card(1, 3), Card(4, 3)}); }, true},
        {"on a pay-off top", true,
         [](grisk_test::PlayPosition& t) { t.setSeatSide(2, {Card(9, 4), Card(1, 4)}); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        eng.NoWildAce = c.noWildAce;
        setSide({Card(1, 1), Card(1, 2), Card(10, 1)});
        setHand({Card(5, 2), 0, Card(7, 2), 0, 0});
        setHold(1, {Card(3, 3), Card(13, 3)});
        setSeatHand(2, {Card(2, 4), Card(3, 4), Card(4, 4), Card(5, 4), Card(6, 4)});
        c.ace(*this);
        show();
        if (c.offered) vb::msgbox_script::pushAnswer(vb::vbNo);
        grisk::Deal_Players(f().Picture7, eng.PlayerSlots);
        EXPECT_EQ(vb::msgbox_script::shown().size(), c.offered ? 1u : 0u);
        EXPECT_EQ(eng.StalemateState, 1);
        EXPECT_EQ(eng.Pturn, 0);
        EXPECT_EQ(f().Label9(2).Caption(),
                  "You tossed the Stalemated game. Press F2 to start a new game or select New Game from the menu.");
        for (int s = 1; s <= 10; ++s) EXPECT_FALSE(f().Picture7(s).Enabled()) << s;
    }
}

TEST_F(StalemateTest, TheRecoveryGathersRedealsAndKeepsEveryCardOnce) {
    cardsInPlay();
    show();
    const auto before = everyCard();
    const auto side = eng.PlayerSide;
    const auto seatSide = eng.Player2.Side;
    vb::msgbox_script::pushAnswer(vb::vbYes);
    eng.HandCount = 0;
    grisk::Deal_Players(f().Picture7, eng.PlayerSlots);

    EXPECT_EQ(eng.StalemateState, 2);
    EXPECT_EQ(everyCard(), before);
    for (const auto& [card, n] : everyCard()) EXPECT_EQ(n, 1) << card;
    EXPECT_EQ(eng.PlayerSide, side) << "the pay-off piles are never touched";
    EXPECT_EQ(eng.Player2.Side, seatSide);
    EXPECT_EQ(handCards(eng.PlayerSlots), 5);
    EXPECT_EQ(handCards(eng.Player2.Slots), 5);
    EXPECT_EQ(eng.HandCount, 5) << "the human's new hand is counted, so that playing it empty refills it";
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(eng.PlayerHoldCount(p), 0);
        EXPECT_EQ(eng.PlayerSlots(0, p + 6), 0);
        EXPECT_EQ(eng.Player2.HoldTable(p, 1), 0);
        EXPECT_TRUE(f().Picture7(p + 6).Drawn().startsWith("empty"));
    }
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(eng.CenterCount(c), 0);
    // 3 + 2 centre cards, 2 + 4 of the human, 5 + 2 of seat 2: 18 gathered, 10 dealt.
    EXPECT_EQ(eng.StockCount, 8);
    EXPECT_EQ(eng.UsedCount, 0);
    EXPECT_FALSE(f().LblWild(3).Visible());
    EXPECT_EQ(f().Label9(1).Caption(), "");
    EXPECT_EQ(eng.RecountHand, 1);
    // Only the cards dealt and the pay-off tops count as seen.
    int seen = 0;
    for (int n = 1; n <= eng.TotalCards; ++n) seen += eng.Deck(2, n);
    EXPECT_EQ(seen, 12);
    EXPECT_EQ(eng.Deck(2, Card(10, 1)), 1);
}

TEST_F(StalemateTest, ARecoveryDuringAPlayLetsThePlayGoOn) {
    cardsInPlay();
    setHand({Card(1, 2)});
    eng.HandCount = 1;
    eng.CenterCount(2) = 0;
    show();
    const auto before = everyCard();
    vb::msgbox_script::pushAnswer(vb::vbYes);
    eng.SourceSlot = 2;
    eng.TargetCenter = 2;
    grisk::Player_Move();
    EXPECT_EQ(eng.StalemateState, 0) << "set back once the play goes on";
    EXPECT_EQ(everyCard(), before);
    EXPECT_EQ(handCards(eng.PlayerSlots), 5);
    for (int s = 2; s <= 6; ++s) EXPECT_TRUE(f().Picture7(s).Enabled()) << s;
}

TEST_F(StalemateTest, TooFewCardsToRedealGiveUpWithoutLosingOne) {
    // Four cards in play; two hands need ten.
    setCentre(1, {Card(1, 6), Card(2, 6)});
    setHand({Card(5, 2), 0, 0, 0, 0});
    setSeatHand(2, {Card(2, 4), 0, 0, 0, 0});
    show();
    const auto before = everyCard();
    vb::msgbox_script::pushAnswer(vb::vbYes);
    grisk::Deal_Players(f().Picture7, eng.PlayerSlots);
    const auto& shown = vb::msgbox_script::shown();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown.back().prompt, kDealerError);
    EXPECT_EQ(shown.back().title, "Dealer Error");
    EXPECT_EQ(shown.back().icon(), vb::vbExclamation);
    EXPECT_EQ(eng.Pturn, 0);
    EXPECT_EQ(eng.StalemateState, 1);
    EXPECT_EQ(eng.ScratchIndex, 0);
    for (int s = 1; s <= 10; ++s) EXPECT_FALSE(f().Picture7(s).Enabled()) << s;
    EXPECT_EQ(everyCard(), before) << "no card lost, none doubled";
    EXPECT_EQ(f().PicCenter(0).Picture(), grisk::frmPic().FilePic(0).Picture());
}

TEST_F(StalemateTest, AReshuffleOfAnEmptyUsedPileChangesNothing) {
    setStock({Card(2, 5)});
    eng.StockCount = 0;
    grisk::RESHUFFLE();
    EXPECT_EQ(eng.StockCount, 0);
    EXPECT_EQ(eng.UsedCount, 0);
}

TEST_F(StalemateTest, AReshuffleTakesTheWholeUsedPileAsOnePack) {
    std::vector<int> used;
    for (int r = 1; r <= 12; ++r) used.push_back(Card(r, 4));
    for (int r = 1; r <= 12; ++r) used.push_back(Card(r, 5));
    setUsed(used);
    eng.DecksSeparate = true;
    grisk::RESHUFFLE();
    EXPECT_EQ(eng.StockCount, 24);
    EXPECT_EQ(eng.UsedCount, 0);
    EXPECT_EQ(eng.Used.ubound(2), eng.TotalCards);
    std::map<int, int> stock;
    bool moved = false;
    for (int i = 1; i <= 24; ++i) {
        ++stock[eng.Deck(0, i)];
        EXPECT_EQ(eng.Deck(1, i), RankOf(eng.Deck(0, i)));
        moved = moved || eng.Deck(0, i) != used[i - 1];
    }
    for (int c : used) EXPECT_EQ(stock[c], 1) << c;
    EXPECT_TRUE(moved) << "shuffled";
    EXPECT_TRUE(f().PicCenter(0).Visible());
    EXPECT_EQ(f().Label9(2).Caption(), " ");
}

}  // namespace
