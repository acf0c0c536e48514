// The pile-information window: the cards hidden under a pile's top, at most
// ten, the one right under the top first.
#include <gtest/gtest.h>

#include "engine/state.h"
#include "layout_fixture.h"
#include "records/state.h"
#include "shell/state.h"
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

    eng.Pturn = 2;
    grisk::ShowPileInfo(eng.Player2, 2);
    EXPECT_EQ(shown(1), face(32)) << "the seat on turn shows its live piles";
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
    grisk::recs.HoldLeft = 1500;
    grisk::recs.HoldTop = 2400;
    eng.InfoPile = 7;
    grisk::HoldInfo(eng.PlayerHold, eng.PlayerHoldCount, 0, QString());
    grisk::frmHold().Show();
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

}  // namespace
