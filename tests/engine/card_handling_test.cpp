// The human's card pictures pressed, dragged, dropped, double-clicked,
// right-clicked and keyed; the drop-target test with its edges.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "engine/card_handling.h"
#include "net/state.h"
#include "platform/eventwait.h"
#include "platform/keys.h"
#include "platform/vb.h"
#include "play_fixture.h"
#include "shell/state.h"
#include "table/pile_info.h"
#include "table/state.h"

namespace {

using grisk::eng;
using grisk::inet;
using grisk::tbl;
using grisk_test::Card;

QString lastSound() { return QFileInfo(sound::LastRequested()).fileName(); }
double leftPx(const vb::Control& c) { return screen::TwipsToPixels(c.leftTw()); }
double topPx(const vb::Control& c) { return screen::TwipsToPixels(c.topTw()); }

class CardHandlingTest : public grisk_test::PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        table();
        eng.PlayerName = "Ann";
        setSide({Card(8, 1), Card(9, 1), Card(1, 1)});
        setHand({Card(5, 2), Card(1, 2), Card(7, 2), Card(9, 2), Card(13, 2)});
        setHold(1, {Card(3, 3), Card(1, 3)});
        setHold(2, {Card(6, 3)});
        setStock({Card(2, 5), Card(3, 5), Card(4, 5), Card(5, 5), Card(6, 5), Card(7, 5)});
        show();
    }
    // Presses slot at a point inside its picture, moves the pointer by
    // (dx, dy) and releases.
    void dragBy(int slot, double dx, double dy, int button = 1) {
        grisk::Picture7_MouseDown(slot, button, 0, 20, 30);
        grisk::Picture7_MouseMove(slot, button, 0, 20 + dx, 30 + dy);
        grisk::Picture7_MouseUp(slot, button, 0, 20 + dx, 30 + dy);
    }
    // Drags slot so that its picture's corner lies (offX, offY) from target's.
    void dropOn(int slot, const vb::Control& target, double offX = 0, double offY = 0) {
        const vb::Control& card = f().Picture7(slot);
        dragBy(slot, leftPx(target) + offX - leftPx(card), topPx(target) + offY - topPx(card));
    }
    // Places slot's picture (offX, offY) from target without playing it.
    void placeAt(int slot, const vb::Control& target, double offX, double offY) {
        vb::Control& card = f().Picture7(slot);
        card.setGeometryTw(screen::PixelsToTwips(leftPx(target) + offX),
                           screen::PixelsToTwips(topPx(target) + offY), card.widthTw(), card.heightTw());
    }
    // A stock for the refills, seat 2 with a hand, and pauses that take a
    // little time, so that a press can come while the cards fly.
    void cardsToComeAndTimeToFly() {
        setStock({Card(2, 5), Card(3, 5), Card(4, 5), Card(5, 5), Card(6, 5), Card(7, 5), Card(8, 5), Card(9, 5),
                  Card(10, 5), Card(11, 5)});
        setSeatHand(2, {Card(2, 4), Card(4, 4), Card(6, 4), Card(11, 4), Card(12, 4)});
        show();
        waits::SetPauseScale(0.001);
        eng.CompDelay = 0.01;
    }
    // Home is the picture's place rounded to whole pixels.
    void expectHome(int slot, double left, double top) {
        EXPECT_DOUBLE_EQ(leftPx(f().Picture7(slot)), vb::RoundHalfEven(left)) << "slot " << slot;
        EXPECT_DOUBLE_EQ(topPx(f().Picture7(slot)), vb::RoundHalfEven(top)) << "slot " << slot;
    }
};

TEST_F(CardHandlingTest, TheDropTestReachesAThirdOfACardRoundAPile) {
    struct Case {
        int slot;
        const char* target;  // "centre" pile 2, "hold" pile 7, "hand" place 4
        double dx, dy;
        int expected;
    };
    const Case cases[] = {
        {3, "centre", 23, 32, 2},  {3, "centre", 24, 0, -1},  {3, "centre", 0, 33, -1},
        {3, "centre", -23, -32, 2}, {3, "hold", 23, -32, 7},   {3, "hold", -24, 0, -1},
        {2, "hand", 0, 90, 4},      {2, "hand", 0, -48, 4},    {2, "hand", 0, -49, -1},
        {2, "hand", 35, 0, 4},      {2, "hand", 36, 0, -1},    {2, "hand", -35, 0, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.target << " " << c.dx << ", " << c.dy);
        const std::string t = c.target;
        const vb::Control& target = t == "centre" ? f().PicCenter(2) : t == "hold" ? f().Picture7(7) : f().Picture7(4);
        placeAt(c.slot, target, c.dx, c.dy);
        eng.DropTarget = nullptr;
        EXPECT_EQ(grisk::FindDropPile(c.slot), c.expected);
        if (c.expected > 0)
            EXPECT_EQ(eng.DropTarget, t == "centre" ? &f().PicCenter : &f().Picture7);
    }
}

TEST_F(CardHandlingTest, TwoMatchingCentrePilesGiveTheLowerOne) {
    // Pile 2 laid over pile 1's place but for a few pixels.
    vb::Control& two = f().PicCenter(2);
    two.setGeometryTw(f().PicCenter(1).leftTw() + 150, f().PicCenter(1).topTw(), two.widthTw(), two.heightTw());
    placeAt(3, f().PicCenter(1), 5, 0);
    EXPECT_EQ(grisk::FindDropPile(3), 1);
}

TEST_F(CardHandlingTest, TheNextHandPlaceAtTheSmallTablesSpacing) {
    tbl.CardHalfSpacing = 33;
    placeAt(2, f().Picture7(3), 34, 0);
    EXPECT_EQ(grisk::FindDropPile(2), 4);
    placeAt(2, f().Picture7(6), 34, 0);
    EXPECT_EQ(grisk::FindDropPile(2), 6) << "past the last place stays on it";
}

TEST_F(CardHandlingTest, CardsThatMayNotGoThereSlideHomeWithTheirMessage) {
    struct Case {
        int slot;
        int target;  // a Picture7 slot
        QString message;
    };
    const Case cases[] = {
        {1, 8, "\nYour Side card can only be played to a Center pile."},
        {1, 4, "\nYour Side card can only be played to a Center pile."},
        {7, 8, "Once a card has been placed on a Hold pile, it can only be played to the Center piles."},
        {7, 4, "untouched"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.slot << " onto " << c.target);
        const double left = leftPx(f().Picture7(c.slot)), top = topPx(f().Picture7(c.slot));
        const auto before = everyCard();
        f().Label9(1).setCaption("untouched");
        dropOn(c.slot, f().Picture7(c.target), 3, 4);
        // The press clears the message line; a drop without a rule leaves it so.
        EXPECT_EQ(f().Label9(1).Caption(), c.message == "untouched" ? "" : c.message);
        expectHome(c.slot, left, top);
        EXPECT_EQ(everyCard(), before);
        EXPECT_EQ(eng.Dragging, 0);
        EXPECT_EQ(eng.Pturn, 1);
    }
}

// A press on a card puts the menu strip away, with either button.
TEST_F(CardHandlingTest, APressOnACardPutsTheMenuStripAway) {
    for (int button : {1, 2}) {
        f().picPanel.setVisible(true);
        grisk::tbl.PanelHover = true;
        dragBy(4, 0, 0, button);
        EXPECT_FALSE(f().picPanel.Visible()) << "button " << button;
        EXPECT_FALSE(grisk::tbl.PanelHover) << "button " << button;
    }
}

TEST_F(CardHandlingTest, AReleaseAtHomeDoesNothingAndOnePixelOffSlidesHome) {
    const double left = leftPx(f().Picture7(4)), top = topPx(f().Picture7(4));
    dragBy(4, 0, 0);
    expectHome(4, left, top);
    EXPECT_EQ(eng.Dragging, 0);
    dragBy(4, 1, 0);
    expectHome(4, left, top);
    EXPECT_EQ(eng.PlayerSlots(0, 4), Card(7, 2));
}

TEST_F(CardHandlingTest, APlayableCardDroppedOnACentrePileIsPlayed) {
    const double left = leftPx(f().Picture7(3)), top = topPx(f().Picture7(3));
    dropOn(3, f().PicCenter(3), 10, -12);
    EXPECT_EQ(eng.CenterCount(3), 1);
    EXPECT_EQ(eng.CenterPile(0, 3, 1), Card(1, 2));
    EXPECT_EQ(eng.PlayerSlots(0, 3), 0);
    expectHome(3, left, top);
    EXPECT_FALSE(f().Picture7(3).Visible());
    EXPECT_EQ(eng.TargetCenter, 3);
}

TEST_F(CardHandlingTest, ARefusedDropChangesNothing) {
    const double left = leftPx(f().Picture7(2)), top = topPx(f().Picture7(2));
    const auto before = everyCard();
    const grisk::EngineState kept = eng;
    dropOn(2, f().PicCenter(1));
    EXPECT_EQ(f().Label9(1).Caption(), "Center piles are built up in sequence (Ace to Queen). That card cannot be "
                                       "played to that Center pile yet.");
    EXPECT_EQ(lastSound(), "~108.tmp");
    expectHome(2, left, top);
    EXPECT_EQ(eng.Pturn, 1);
    EXPECT_EQ(eng.DropTarget, nullptr);
    EXPECT_EQ(everyCard(), before);
    EXPECT_EQ(eng.PlayerSlots, kept.PlayerSlots);
    EXPECT_EQ(eng.CenterCount, kept.CenterCount);
    EXPECT_EQ(eng.CenterPile, kept.CenterPile);
    EXPECT_EQ(eng.HandCount, kept.HandCount);
    for (int s = 1; s <= 10; ++s) EXPECT_EQ(f().Picture7(s).Enabled(), eng.PlayerSlots(0, s) != 0) << s;
}

TEST_F(CardHandlingTest, AHoldTopDraggedAwayShowsTheCardUnderIt) {
    const vb::Control& hold = f().Picture7(7);
    const double left = leftPx(hold), top = topPx(hold);
    grisk::Picture7_MouseDown(7, 1, 0, 20, 30);
    EXPECT_TRUE(f().Picture1(0).Visible());
    EXPECT_DOUBLE_EQ(leftPx(f().Picture1(0)), left + 5);
    EXPECT_DOUBLE_EQ(topPx(f().Picture1(0)), top - 5);
    EXPECT_EQ(f().Picture1(0).Drawn(), QString("face %1 large").arg(Card(3, 3)));
    EXPECT_EQ(eng.OppSlots(0, 0), Card(3, 3));
    EXPECT_TRUE(f().Picture7(0).Visible());
    grisk::Picture7_MouseUp(7, 1, 0, 20, 30);
    EXPECT_FALSE(f().Picture1(0).Visible());
    EXPECT_FALSE(f().Picture7(0).Visible());
    EXPECT_EQ(eng.OppSlots(0, 0), 0);

    // A hold pile of one card shows its empty mark at home.
    grisk::Picture7_MouseDown(8, 1, 0, 20, 30);
    EXPECT_DOUBLE_EQ(leftPx(f().Picture1(0)), leftPx(f().Picture7(8)));
    EXPECT_TRUE(f().Picture1(0).Drawn().startsWith("empty"));
    EXPECT_FALSE(f().Picture7(0).Visible());
    grisk::Picture7_MouseUp(8, 1, 0, 20, 30);
}

// Seat 2's turn, reached by a real discard: the hand is locked, the pay-off
// card and the hold piles are not; a left press on them is answered with
// rule message 3 and starts no drag, a right press on a hold pile opens the
// pile-information window on the human's hold piles.
TEST_F(CardHandlingTest, DuringTheNextSeatsTurnAPressIsAnswered) {
    std::vector<bool> enabled;
    QString payOffLine, holdLine, info;
    int payOffDrag = -1, holdDrag = -1, infoPile = -1, dealDrag = -1;
    const bool ran = duringTurnOf(2, [&] {
        for (int s = 1; s <= 10; ++s) enabled.push_back(f().Picture7(s).Enabled());
        click(1, 1);
        payOffLine = f().Label9(1).Caption();
        payOffDrag = eng.Dragging;
        f().Label9(1).setCaption(QString());
        click(8, 1);
        holdLine = f().Label9(1).Caption();
        holdDrag = eng.Dragging;
        click(8, 2);
        info = grisk::PileInfoShown() ? grisk::frmHold().lblHold.Caption() : QString();
        infoPile = eng.InfoPile;
        // While the Deal button shows the guard stands aside.
        f().cmdDeal.setVisible(true);
        grisk::Picture7_MouseDown(1, 1, 0, 20, 30);
        dealDrag = eng.Dragging;
        grisk::Picture7_MouseUp(1, 1, 0, 20, 30);
        f().cmdDeal.setVisible(false);
    });
    ASSERT_TRUE(ran) << "seat 2 played";
    // Hold piles 3 and 4 are empty, and an empty pile takes no press.
    const std::vector<bool> free{true, false, false, false, false, false, true, true, false, false};
    EXPECT_EQ(enabled, free) << "the pay-off card and the hold piles";
    EXPECT_EQ(payOffLine, "Please stop --\n     It's NOT your turn!");
    EXPECT_EQ(holdLine, "Please stop --\n     It's NOT your turn!");
    EXPECT_EQ(payOffDrag, 0);
    EXPECT_EQ(holdDrag, 0);
    EXPECT_EQ(info, " Your Hold Cards Hidden: 0 ");
    EXPECT_EQ(infoPile, 8);
    EXPECT_EQ(dealDrag, 1);
    EXPECT_EQ(eng.Pturn, 1) << "the turn came back";
    EXPECT_EQ(eng.PlayerSlots(0, 7), Card(5, 2)) << "the discard";
    for (int s = 1; s <= 8; ++s) EXPECT_TRUE(f().Picture7(s).Enabled()) << s;
}

// A drop made while cards are still flying to the human's hand is taken
// once they have landed: here the hand given back after seat 2's turn is
// being refilled, and a card that has landed is dragged onto a hold pile
// while the next one flies.
TEST_F(CardHandlingTest, ADropWhileTheHandIsRefilledIsTakenOnceTheCardsHaveLanded) {
    setHand({Card(5, 2), Card(7, 2), 0, 0, 0});
    cardsToComeAndTimeToFly();
    int dragged = 0;
    bool takenAtOnce = true;
    grisk_test::InsideWait drop(
        [] {
            return eng.Pturn == 1 && eng.GameBusy && eng.PlayerSlots(0, 2) != 0 &&
                   grisk::frmGrisk().Picture7(2).Enabled() && eng.PlayerSlots(0, 6) == 0;
        },
        [&] {
            dragged = eng.PlayerSlots(0, 2);
            grisk::DragHumanCard(2, f().Picture7, 8);
            takenAtOnce = eng.PlayerSlots(0, 8) == dragged;
        });
    discard(2, 3);
    ASSERT_TRUE(drop.ran()) << "a card landed while others still flew";
    EXPECT_FALSE(takenAtOnce) << "nothing was played inside the refill";
    EXPECT_EQ(eng.Pturn, 1);
    ASSERT_TRUE(grisk_test::RunEventsUntil([&] { return eng.PlayerSlots(0, 8) == dragged && eng.Pturn == 1; }))
        << "the drop was taken once the table had settled";
    EXPECT_EQ(eng.PlayerSlots(0, 9), Card(5, 2)) << "the first discard";
    int seatDiscards = 0;
    for (int p = 1; p <= 4; ++p) seatDiscards += eng.Player2.HoldTable(p, 1);
    EXPECT_EQ(seatDiscards, 2) << "seat 2 played a turn after each discard";
    waits::SetPauseScale(0);
}

// The same while the hand the human played empty is refilled: the drop is
// the human's discard once the play is over.
TEST_F(CardHandlingTest, ADropWhileAPlayedHandIsRefilledIsTakenOnceThePlayIsOver) {
    stackCentre(1, 11, 4);
    setHand({Card(12, 2), 0, 0, 0, 0});
    cardsToComeAndTimeToFly();
    int dragged = 0;
    grisk_test::InsideWait drop(
        [] { return eng.HumanMoveBusy && eng.PlayerSlots(0, 2) != 0 && grisk::frmGrisk().Picture7(2).Enabled(); },
        [&] {
            dragged = eng.PlayerSlots(0, 2);
            grisk::DragHumanCard(2, f().Picture7, 8);
        });
    dropOn(2, f().PicCenter(1));  // the Queen completes the pile; the hand is empty
    ASSERT_TRUE(drop.ran());
    EXPECT_EQ(eng.UsedCount, 12);
    ASSERT_TRUE(grisk_test::RunEventsUntil([&] { return eng.PlayerSlots(0, 8) == dragged && eng.Pturn == 1; }));
    int seatDiscards = 0;
    for (int p = 1; p <= 4; ++p) seatDiscards += eng.Player2.HoldTable(p, 1);
    EXPECT_EQ(seatDiscards, 1);
    waits::SetPauseScale(0);
}

TEST_F(CardHandlingTest, NoDragStartsAfterTheGame) {
    eng.OppSideCount = 0;
    f().Label9(1).setCaption("kept");
    grisk::Picture7_MouseDown(3, 1, 0, 20, 30);
    EXPECT_EQ(eng.Dragging, 0);
    EXPECT_EQ(eng.SourceSlot, 3);
    EXPECT_EQ(f().Label9(1).Caption(), "kept");
}

TEST_F(CardHandlingTest, AnOldPeerTakesNoReorder) {
    inet.OldPeer = true;
    const double left = leftPx(f().Picture7(2)), top = topPx(f().Picture7(2));
    dropOn(2, f().Picture7(5));
    EXPECT_EQ(eng.PlayerSlots(0, 2), Card(5, 2));
    EXPECT_EQ(eng.PlayerSlots(0, 5), Card(9, 2));
    expectHome(2, left, top);
}

TEST_F(CardHandlingTest, ARightPressDragsAHandCardAndBlocksTheDoubleClick) {
    grisk::Picture7_MouseDown(3, 2, 0, 20, 30);
    EXPECT_EQ(eng.Dragging, 1);
    EXPECT_TRUE(eng.CardRightPress);
    EXPECT_EQ(eng.InfoPile, 3) << "a right press names its pile";
    grisk::Picture7_MouseUp(3, 2, 0, 20, 30);
    grisk::Picture7_DblClick(3);
    EXPECT_EQ(eng.PlayerSlots(0, 3), Card(1, 2)) << "ignored after a right press";
    grisk::Picture7_MouseDown(3, 1, 0, 20, 30);
    grisk::Picture7_MouseUp(3, 1, 0, 20, 30);
    grisk::Picture7_DblClick(3);
    EXPECT_EQ(eng.CenterPile(0, 1, 1), Card(1, 2));
}

TEST_F(CardHandlingTest, DoubleClicks) {
    eng.Comments(34) = "Kings are wild:";
    eng.Comments(35) = "drag them.";
    grisk::Picture7_DblClick(6);
    EXPECT_EQ(f().Label9(1).Caption(), "Kings are wild:\ndrag them.");
    EXPECT_EQ(lastSound(), "~108.tmp");
    EXPECT_EQ(eng.PlayerSlots(0, 6), Card(13, 2));

    grisk::Picture7_DblClick(4);  // a Seven fits nowhere
    EXPECT_EQ(f().Label9(1).Caption(), "Center piles are built up in sequence (Ace to Queen). That card cannot be "
                                       "played to any Center pile yet.");
    EXPECT_EQ(eng.Pturn, 1);
    EXPECT_EQ(eng.TargetCenter, eng.NumCenters);

    grisk::Picture7_DblClick(1);  // the pay-off Ace: every pile fits, the first is taken
    EXPECT_EQ(eng.CenterPile(0, 1, 1), Card(1, 1));
    grisk::Picture7_DblClick(3);
    EXPECT_EQ(eng.CenterPile(0, 2, 1), Card(1, 2));

    eng.Pturn = 0;
    grisk::Picture7_DblClick(7);
    EXPECT_EQ(eng.CenterCount(3), 0) << "only on the human's turn";
}

TEST_F(CardHandlingTest, RightClicksShowCountsAndHiddenCards) {
    grisk::Picture7_MouseDown(1, 2, 0, 20, 30);
    EXPECT_EQ(f().Label9(1).Caption(), "Ann SIDE :  3");
    EXPECT_FALSE(grisk::PileInfoShown());

    grisk::Picture7_MouseDown(7, 2, 0, 20, 30);
    EXPECT_EQ(eng.InfoPile, 7);
    EXPECT_EQ(eng.InfoHold, 0);
    ASSERT_TRUE(grisk::PileInfoShown());
    EXPECT_EQ(grisk::frmHold().lblHold.Caption(), " Your Hold Cards Hidden: 1 ");
    EXPECT_EQ(grisk::frmHold().Picture8(1).Drawn(), QString("face %1 small").arg(Card(3, 3)));
    EXPECT_TRUE(grisk::frmHold().Picture8(2).Drawn().startsWith("empty"));

    grisk::PicCenter_DblClick(0);
    EXPECT_EQ(f().Label9(1).Caption(), "STOCK:  6");
    grisk::PicCenter_MouseDown(0, 2, 0);
    EXPECT_EQ(f().Label9(1).Caption(), "USED:  0");

    grisk::SeatPile_MouseDown(f().Picture1, 1, 2);
    EXPECT_EQ(f().Label9(1).Caption(), "Grisk SIDE :  3");
    eng.Flipping = true;
    grisk::SeatPile_MouseDown(f().Picture1, 1, 2);
    grisk::Picture7_MouseDown(1, 2, 0, 20, 30);
    EXPECT_EQ(eng.InfoPile, 1) << "nothing while the computer flips cards";
}

TEST_F(CardHandlingTest, CtrlInTheDeveloperModeShowsThePayOffPile) {
    grisk::cmd.DeveloperMode = true;
    grisk::Picture7_MouseDown(1, 2, vb::vbCtrlMask, 20, 30);
    ASSERT_TRUE(grisk::PileInfoShown());
    EXPECT_EQ(grisk::frmHold().lblHold.Caption(), " Side Cards Hidden: 2 ");
    EXPECT_EQ(grisk::frmHold().Picture8(1).Drawn(), QString("face %1 small").arg(Card(9, 1)));
    EXPECT_EQ(grisk::frmHold().Picture8(2).Drawn(), QString("face %1 small").arg(Card(8, 1)));
    EXPECT_EQ(tbl.InfoSel(1), 0);
}

TEST_F(CardHandlingTest, DiagnosticAndDeveloperKeys) {
    inet.PeerVersion = "75";
    inet.HostAddress = "10.0.0.7";
    const int all = vb::vbShiftMask | vb::vbCtrlMask | vb::vbAltMask;
    int key = 'V';
    grisk::Picture7_KeyDown(3, key, all);
    EXPECT_EQ(f().Label9(1).Caption(), "75");
    key = 'H';
    grisk::Picture7_KeyDown(3, key, all | 8);
    EXPECT_EQ(f().Label9(1).Caption(), "10.0.0.7") << "bits above Alt are masked off";

    key = 'P';
    grisk::Picture7_KeyDown(3, key, vb::vbShiftMask | vb::vbCtrlMask);
    EXPECT_EQ(eng.SideCount, 3) << "only in the developer mode";
    grisk::cmd.DeveloperMode = true;
    grisk::Picture7_KeyDown(3, key, vb::vbShiftMask | vb::vbCtrlMask);
    EXPECT_EQ(eng.SideCount, 2);
    key = 'O';
    grisk::Picture7_KeyDown(3, key, vb::vbShiftMask | vb::vbCtrlMask);
    EXPECT_EQ(eng.OppSideCount, 2);
    EXPECT_EQ(eng.Player2.RecSideCount, 2);
}

TEST_F(CardHandlingTest, InterpolateRoundsHalfUp) {
    int x = 0, y = 0;
    grisk::Interpolate(0, 10, 5, 0, 0.5f, x, y);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 5);
    grisk::Interpolate(10, 10, 0, 0, 0.25f, x, y);
    EXPECT_EQ(x, 8);
    EXPECT_EQ(y, 8);
}

}  // namespace
