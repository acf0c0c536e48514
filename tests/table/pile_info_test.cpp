// The pile-information window: the cards hidden under a pile's top, at most
// ten, the one right under the top first.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>

#include "engine/state.h"
#include "engine/card_handling.h"
#include "engine/play_fixture.h"
#include "layout_fixture.h"
#include "records/state.h"
#include "shell/state.h"
#include "platform/formwindow.h"
#include "platform/twips.h"
#include "table/pile_info.h"

namespace {

using grisk::eng;
using grisk::tbl;

class PileInfoTest : public grisk_test::LayoutTest {
protected:
    void SetUp() override {
        LayoutTest::SetUp();
        buildTable(2, 3);
    }
    void TearDown() override {
        grisk::ReleaseFrmHold();
        LayoutTest::TearDown();
    }
    QString shown(int i) { return grisk::frmHold().Picture8(i).Drawn(); }
    // The human's first hold pile in the window, shown at the place remembered.
    static void openAt(int left, int top) {
        grisk::recs.HoldLeft = left;
        grisk::recs.HoldTop = top;
        eng.InfoPile = 7;
        grisk::HoldInfo(eng.PlayerHold, eng.PlayerHoldCount, 0, QString());
        grisk::frmHold().Show();
    }
    static QString face(int n) { return QString("face %1 small").arg((n - 1) % 52 + 1); }
};

TEST_F(PileInfoTest, AHumansHoldPileShowsTheTenCardsNearestItsTop) {
    for (int d = 1; d <= 14; ++d) {
        eng.PlayerHold(0, 2, d) = d;
        eng.PlayerHold(1, 2, d) = d;
    }
    eng.PlayerHoldCount(2) = 14;
    eng.InfoPile = 8;
    eng.InfoHold = 0;
    grisk::HoldInfo(eng.PlayerHold, eng.PlayerHoldCount, 0, QString());
    EXPECT_EQ(grisk::frmHold().lblHold.Caption(), " Your Hold Cards Hidden: 14 ");
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(shown(i), face(15 - i)) << i;
    EXPECT_EQ(tbl.InfoSel(1), 1);
    EXPECT_EQ(tbl.InfoSel(2), 8);
}

TEST_F(PileInfoTest, AnEmptyPileOrAPileOfOneShowsNothing) {
    eng.InfoPile = 7;
    grisk::HoldInfo(eng.PlayerHold, eng.PlayerHoldCount, 0, QString());
    EXPECT_EQ(grisk::frmHold().lblHold.Caption(), " Your Hold Cards Hidden: 0 ");
    for (int i = 1; i <= 10; ++i) EXPECT_TRUE(shown(i).startsWith("empty")) << i;
}

TEST_F(PileInfoTest, AnotherSeatsHoldPileCountsItsTopAndUsesItsLiveCardsOnItsTurn) {
    eng.Player2.Name = "Grisk";
    for (int d = 1; d <= 3; ++d) {
        eng.Player2.Hold(0, 1, d) = 20 + d;
        eng.OppHold(0, 1, d) = 30 + d;
    }
    eng.Player2.HoldTable(1, 1) = 3;
    eng.OppHoldTable(1, 1) = 3;
    eng.InfoPile = 7;
    eng.Pturn = 1;
    grisk::ShowPileInfo(eng.Player2, 2);
    EXPECT_TRUE(grisk::PileInfoShown());
    EXPECT_EQ(eng.InfoHold, 1);
    EXPECT_EQ(grisk::frmHold().lblHold.Caption(), " Grisk's Hold Cards Hidden: 2 ");
    EXPECT_EQ(shown(1), face(22));
    EXPECT_EQ(shown(2), face(21));
    EXPECT_TRUE(shown(3).startsWith("empty"));
}

// Seat 2's turn, reached by a real discard of the human's: a right press on
// the hold pile the seat has just discarded onto shows the pile as it now
// is, before the seat's record has been brought up to date.
class PileInfoDuringATurnTest : public grisk_test::PlayTest {
protected:
    void TearDown() override {
        grisk::ReleaseFrmHold();
        PlayTest::TearDown();
    }
};

TEST_F(PileInfoDuringATurnTest, TheSeatOnTurnShowsItsLivePiles) {
    table(2, 3);
    humanToMove();
    using grisk_test::Card;
    for (int p = 1; p <= 4; ++p) setSeatHold(2, p, {Card(3, p), Card(5, p), Card(7, p)});
    int pile = 0;
    QString caption;
    const bool ran = duringTurnOf(
        2,
        [&] {
            for (int p = 1; p <= 4; ++p)
                if (eng.OppHoldTable(p, 1) == 4) pile = p;
            grisk::SeatPile_MouseDown(f().Picture1, pile + 6, 2);
            caption = grisk::PileInfoShown() ? grisk::frmHold().lblHold.Caption() : QString();
        },
        [] {
            // The discard has landed; the record still counts three.
            for (int p = 1; p <= 4; ++p)
                if (eng.OppHoldTable(p, 1) == 4 && eng.Player2.HoldTable(p, 1) == 3) return true;
            return false;
        });
    ASSERT_TRUE(ran);
    EXPECT_EQ(caption, " Grisk's Hold Cards Hidden: 3 ");
    EXPECT_EQ(eng.InfoPile, pile + 6);
}

TEST_F(PileInfoTest, AnotherSeatsPayOffPileIsOnlyCountedDuringAGame) {
    eng.Player2.Name = "Grisk";
    eng.Player2.RecSideCount = 7;
    for (int i = 1; i <= 7; ++i) eng.Player2.Side(0, i) = 40 + i;
    eng.SideCount = 5;
    eng.OppSideCount = 7;
    eng.InfoPile = 1;
    eng.Pturn = 1;
    grisk::ShowPileInfo(eng.Player2, 2);
    EXPECT_EQ(f().Label9(1).Caption(), "Grisk SIDE :  7");
    EXPECT_FALSE(grisk::PileInfoShown());

    grisk::cmd.DeveloperMode = true;
    grisk::ShowPileInfo(eng.Player2, 2);
    ASSERT_TRUE(grisk::PileInfoShown());
    EXPECT_EQ(grisk::frmHold().lblHold.Caption(), " Side Cards Hidden: 6 ");
    EXPECT_EQ(shown(1), face(46));
    EXPECT_EQ(tbl.InfoSel(1), 0);
    EXPECT_EQ(tbl.InfoSel(2), 0);
}

TEST_F(PileInfoTest, TheStockIsShownFromItsTop) {
    eng.StockCount = 3;
    for (int i = 1; i <= 3; ++i) eng.Deck(0, i) = 50 + i;
    eng.InfoPile = 0;
    grisk::HoldInfo(eng.Deck, eng.Used, 0, QString());
    EXPECT_EQ(grisk::frmHold().lblHold.Caption(), " Stock Cards Hidden: 3 ");
    EXPECT_EQ(shown(1), face(53));
    EXPECT_EQ(shown(3), face(51));
}

TEST_F(PileInfoTest, TheUsersCloseOnlyHidesTheWindowAtItsRememberedPlace) {
    openAt(1500, 2400);
    grisk::frmHold().windowClosed();
    EXPECT_TRUE(grisk::frmHold().isLoaded());
    EXPECT_FALSE(grisk::frmHold().Visible());
    grisk::frmHold().setLeft(3000);
    grisk::frmHold().Click(grisk::frmHold().lblHold);
    EXPECT_EQ(grisk::recs.HoldLeft, 3000);
    grisk::HoldInfo(eng.PlayerHold, eng.PlayerHoldCount, 0, QString());
    EXPECT_EQ(grisk::frmHold().Left(), 3000);
    EXPECT_EQ(grisk::frmHold().Top(), 2400);
}

struct CountCase {
    const char* pile;
    int infoPile;
    int count;  // PlayerHoldCount, HoldTable(p, 1), the pay-off count or StockCount
    const char* caption;
    int shown;  // pictures that show a face
};

// Fills the pile of the case with cards 101, 102, ... bottom first and asks
// the window for it.
void showPile(const CountCase& c) {
    eng.InfoPile = c.infoPile;
    const QString pile = c.pile;
    if (pile == "your hold") {
        eng.InfoHold = 0;
        for (int d = 1; d <= c.count; ++d) eng.PlayerHold(0, 1, d) = 100 + d;
        eng.PlayerHoldCount(1) = c.count;
        grisk::HoldInfo(eng.PlayerHold, eng.PlayerHoldCount, 0, QString());
    } else if (pile == "seat hold") {
        eng.InfoHold = 1;
        for (int d = 1; d <= c.count; ++d) eng.OppHold(0, 1, d) = 100 + d;
        eng.OppHoldTable(1, 1) = c.count;
        grisk::HoldInfo(eng.OppHold, eng.OppHoldTable, 0, "Varnok");
    } else if (pile == "pay-off") {
        for (int d = 1; d <= c.count; ++d) eng.PlayerSide(0, d) = 100 + d;
        grisk::HoldInfo(eng.PlayerSide, eng.PlayerSide, c.count, QString());
    } else {
        for (int d = 1; d <= c.count; ++d) eng.Deck(0, d) = 100 + d;
        eng.StockCount = c.count;
        grisk::HoldInfo(eng.Deck, eng.Used, 0, QString());
    }
}

TEST_F(PileInfoTest, TheHiddenCardsOfEachKindOfPile) {
    const CountCase cases[] = {
        {"your hold", 7, 0, " Your Hold Cards Hidden: 0 ", 0},
        {"your hold", 7, 1, " Your Hold Cards Hidden: 1 ", 1},   // the human's count is under the top
        {"your hold", 7, 10, " Your Hold Cards Hidden: 10 ", 10},
        {"your hold", 7, 30, " Your Hold Cards Hidden: 30 ", 10},
        {"seat hold", 7, 0, " Varnok's Hold Cards Hidden: 0 ", 0},
        {"seat hold", 7, 1, " Varnok's Hold Cards Hidden: 0 ", 0},  // a seat counts its top
        {"seat hold", 7, 11, " Varnok's Hold Cards Hidden: 10 ", 10},
        {"seat hold", 7, 12, " Varnok's Hold Cards Hidden: 11 ", 10},
        {"pay-off", 1, 0, " Side Cards Hidden: 0 ", 0},
        {"pay-off", 1, 1, " Side Cards Hidden: 0 ", 0},
        {"pay-off", 1, 26, " Side Cards Hidden: 25 ", 10},
        {"stock", 0, 0, " Stock Cards Hidden: 0 ", 0},
        {"stock", 0, 11, " Stock Cards Hidden: 11 ", 10},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE(std::string(c.pile) + " of " + std::to_string(c.count));
        showPile(c);
        EXPECT_EQ(grisk::frmHold().lblHold.Caption(), c.caption);
        // The card right under the top first, the deepest shown at the right.
        const int under = c.pile == std::string("your hold") || c.pile == std::string("stock") ? c.count
                                                                                              : c.count - 1;
        for (int i = 1; i <= 10; ++i) {
            if (i <= c.shown)
                EXPECT_EQ(shown(i), face(100 + under - i + 1)) << i;
            else
                EXPECT_TRUE(shown(i).startsWith("empty")) << i;
        }
    }
}

TEST_F(PileInfoTest, AHandSlotShowsNothing) {
    eng.InfoPile = 3;
    grisk::frmHold().lblHold.setCaption("before");
    grisk::HoldInfo(eng.PlayerHold, eng.PlayerHoldCount, 0, QString());
    EXPECT_EQ(grisk::frmHold().lblHold.Caption(), "before");
    for (int i = 1; i <= 10; ++i) EXPECT_TRUE(shown(i).startsWith("empty")) << i;
}

TEST_F(PileInfoTest, TheWindowFloatsWithoutAFrameAndItsCardsOverlap) {
    grisk::FrmHold& w = grisk::frmHold();
    EXPECT_TRUE(w.StayOnTop());
    EXPECT_TRUE(w.Borderless());
    const double cardW = screen::PixelsToTwips(59);
    for (int i = 1; i <= 10; ++i) {
        ASSERT_TRUE(w.Picture8.exists(i));
        EXPECT_TRUE(w.Picture8(i).Visible());
        EXPECT_EQ(w.Picture8(i).widthTw(), cardW);
        EXPECT_EQ(w.Picture8(i).heightTw(), screen::PixelsToTwips(80));
        if (i > 1) EXPECT_EQ(w.Picture8(i).leftTw(), w.Picture8(i - 1).leftTw() + cardW - 60) << i;
    }
    EXPECT_EQ(w.Width(), w.Picture8(10).leftTw() + cardW + 100);
    EXPECT_EQ(w.cmdExit(0).leftTw() + w.cmdExit(0).widthTw(), w.Width() - 70);
    EXPECT_EQ(w.cmdExit(1).leftTw(), w.cmdExit(0).leftTw() - w.cmdExit(0).widthTw());

    // Unloaded by the table reset, it comes back as designed at its next use.
    ASSERT_TRUE(w.Unload(1));
    EXPECT_FALSE(w.StayOnTop() && w.isLoaded());
    eng.InfoPile = 7;
    grisk::HoldInfo(eng.PlayerHold, eng.PlayerHoldCount, 0, QString());
    EXPECT_TRUE(grisk::frmHold().isLoaded());
    EXPECT_TRUE(grisk::frmHold().StayOnTop());
    EXPECT_EQ(grisk::frmHold().Picture8.Count(), 10);
}

TEST_F(PileInfoTest, WithLargeFontsItsLettersShrinkAndTheTableKeepsItsSpacing) {
    const double normalFont = grisk::frmHold().lblHold.FontSize();
    const double normalWidth = grisk::frmHold().Width();
    grisk::ReleaseFrmHold();
    eng.LargeFonts = true;
    tbl.CardSpacing = 82;
    grisk::FrmHold& w = grisk::frmHold();
    EXPECT_NEAR(w.lblHold.FontSize(), normalFont * 0.8, 1e-6);
    EXPECT_EQ(w.Picture8(1).widthTw(), screen::PixelsToTwips(59)) << "the cards keep their size";
    EXPECT_EQ(w.Width(), w.Picture8(10).leftTw() + screen::PixelsToTwips(59) + 100)
        << "and the window fits them";
    EXPECT_GT(w.Width(), normalWidth * 0.95);
    EXPECT_EQ(tbl.CardSpacing, 82);
}

TEST_F(PileInfoTest, OnlyTheUsersOwnCloseIsTurnedIntoHiding) {
    const struct {
        int mode;
        bool stays;
    } cases[] = {
        {vb::vbFormControlMenu, true},
        {vb::vbFormCode, false},
        {vb::vbAppWindows, false},  // the desktop session ends
        {vb::vbAppTaskManager, false},
    };
    for (const auto& c : cases) {
        grisk::FrmHold& w = grisk::frmHold();
        w.Show();
        const bool unloaded = w.Unload(c.mode);
        EXPECT_EQ(unloaded, !c.stays) << c.mode;
        EXPECT_EQ(w.isLoaded(), c.stays) << c.mode;
        EXPECT_FALSE(grisk::PileInfoShown()) << c.mode;
    }
}

TEST_F(PileInfoTest, ASeatsPileIsFilledAgainOnlyWhenItIsThePileOnShow) {
    eng.Player2.Name = "Grisk";
    eng.Pturn = 2;
    eng.InfoPile = 8;
    for (int d = 1; d <= 3; ++d) eng.OppHold(0, 2, d) = 20 + d;
    eng.OppHoldTable(2, 1) = 3;
    grisk::ShowPileInfo(eng.Player2, 2);
    ASSERT_EQ(grisk::frmHold().lblHold.Caption(), " Grisk's Hold Cards Hidden: 2 ");

    // The seat discards a fourth card onto that pile.
    eng.OppHold(0, 2, 4) = 24;
    eng.OppHoldTable(2, 1) = 4;
    const struct {
        int pturn, infoPile;
        const char* caption;
    } cases[] = {
        {3, 8, " Grisk's Hold Cards Hidden: 2 "},  // another seat moves
        {2, 9, " Grisk's Hold Cards Hidden: 2 "},  // another pile changes
        {2, 8, " Grisk's Hold Cards Hidden: 3 "},
    };
    for (const auto& c : cases) {
        eng.Pturn = c.pturn;
        eng.InfoPile = c.infoPile;
        grisk::RefreshPileInfo("Grisk");
        EXPECT_EQ(grisk::frmHold().lblHold.Caption(), c.caption) << c.pturn << "," << c.infoPile;
        EXPECT_TRUE(grisk::PileInfoShown());
    }
    EXPECT_EQ(shown(1), face(23));
}

// The real window on the (offscreen) screen, moved by its body.
class PileInfoWindowTest : public PileInfoTest {
protected:
    void SetUp() override {
        PileInfoTest::SetUp();
        vb::forms::setScreenWindows(true);
    }
    void TearDown() override {
        grisk::ReleaseFrmHold();
        vb::forms::setScreenWindows(false);
        PileInfoTest::TearDown();
    }
};

TEST_F(PileInfoWindowTest, DraggedByItsBodyItMovesAndRemembersWhereItWasLeft) {
    openAt(1500, 1500);
    QWidget* w = grisk::frmHold().window();
    ASSERT_TRUE(w);
    QCoreApplication::processEvents();
    const QPoint start = w->pos();

    // The right button moves nothing; a left drag on a card picture or on
    // the window's own body moves it with the mouse.
    const QPoint onCard(screen::TwipsToPixels(grisk::frmHold().Picture8(3).leftTw()) + 30, 60);
    grisk_test::DragInWindow(w, onCard, QPoint(40, 30), Qt::RightButton);
    EXPECT_EQ(w->pos(), start);
    grisk_test::DragInWindow(w, onCard, QPoint(40, 30), Qt::LeftButton);
    EXPECT_EQ(w->pos(), start + QPoint(40, 30));
    EXPECT_EQ(grisk::recs.HoldLeft, screen::PixelsToTwips(start.x() + 40));
    EXPECT_EQ(grisk::recs.HoldTop, screen::PixelsToTwips(start.y() + 30));

    const QPoint onBody(3, w->height() - 3);
    grisk_test::DragInWindow(w, onBody, QPoint(-20, 10), Qt::LeftButton);
    EXPECT_EQ(w->pos(), start + QPoint(20, 40));
    EXPECT_EQ(grisk::recs.HoldLeft, screen::PixelsToTwips(start.x() + 20));
}

}  // namespace
