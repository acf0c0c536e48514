// The table reset before a deal, and rebuilding the table for another
// number of players or centre piles.
#include <gtest/gtest.h>

#include "layout_fixture.h"
#include "opponent/state.h"
#include "records/state.h"

namespace {

using grisk::cmd;
using grisk::eng;
using grisk::opp;
using grisk::recs;
using grisk::tbl;

class ResetTest : public grisk_test::LayoutTest {
protected:
    // Cards everywhere: slots, hold piles with cards under the top, centre
    // piles, stack shapes and best runs.
    void fillTable() {
        for (int s = 1; s <= 10; ++s) {
            eng.PlayerSlots(0, s) = s;
            eng.PlayerSlots(1, s) = s;
            for (grisk::PlayerRecord* rec : {&eng.Player2, &eng.Player3, &eng.Player4}) {
                rec->Slots(0, s) = 20 + s;
                rec->Slots(1, s) = (20 + s - 1) % 13 + 1;
            }
        }
        for (int p = 1; p <= 4; ++p) {
            eng.PlayerHoldCount(p) = 2;
            eng.Player2.HoldTable(p, 1) = 3;
        }
        for (int c = 1; c <= eng.NumCenters; ++c) {
            eng.CenterCount(c) = 1;
            eng.CenterPile(0, c, 1) = 13;
            eng.CenterPile(1, c, 1) = 13;
        }
        for (int r = 0; r <= 5; ++r)
            for (int col = 0; col <= 5; ++col) recs.BestRun(r, col) = 9;
        eng.OppSideShape = 0;
        eng.SideShape = 6;
        eng.Player2.RecSideShape = 31;
        eng.Player3.RecSideShape = 56;
        eng.Player4.RecSideShape = 81;
        grisk::ShowStackShapes(true);
        grisk::RedrawTable();
        f().ImgHold.setVisible(true);
        f().cmdDeal.setVisible(true);
        f().Timer1.Enabled = true;
        for (int s = 1; s <= 10; ++s) f().Picture7(s).setEnabled(true);
    }
};

TEST_F(ResetTest, ResetEmptiesEveryPileAndPicture) {
    buildTable(4, 4);
    fillTable();
    ASSERT_TRUE(f().LblWild(2).Visible());
    eng.SideOption = 19;
    eng.TotalCards = 208;

    grisk::ResetTableDisplay();

    EXPECT_EQ(eng.SideShape, 6);
    EXPECT_EQ(eng.OppSideShape, 31);
    EXPECT_EQ(eng.CenterCount.ubound(), 4);
    EXPECT_EQ(eng.CenterPile.ubound(2), 4);
    EXPECT_EQ(eng.Deck.ubound(2), 208);
    EXPECT_EQ(eng.Used.ubound(2), 208);
    for (int c = 0; c <= 4; ++c) EXPECT_EQ(eng.CenterCount(c), 0);
    for (int s = 0; s <= 10; ++s) {
        EXPECT_EQ(eng.PlayerSlots(0, s), 0);
        EXPECT_EQ(eng.Player2.Slots(0, s), 0);
        EXPECT_EQ(eng.Player4.Slots(0, s), 0);
    }
    for (int p = 1; p <= 4; ++p) EXPECT_EQ(eng.PlayerHoldCount(p), 0);

    for (int seat = 1; seat <= 4; ++seat) {
        vb::ControlArray& pile = f().seatPictures(seat);
        for (int s = 1; s <= 6; ++s) EXPECT_FALSE(pile(s).Visible()) << "seat " << seat << " slot " << s;
        for (int s = 7; s <= 10; ++s) {
            EXPECT_TRUE(pile(s).Visible()) << "seat " << seat << " slot " << s;
            EXPECT_TRUE(pile(s).Drawn().startsWith("empty")) << "seat " << seat << " slot " << s;
        }
    }
    for (int s = 1; s <= 10; ++s) EXPECT_FALSE(f().Picture7(s).Enabled());
    for (int i = 1; i <= 16; ++i) EXPECT_FALSE(f().StackHold(i).Visible()) << "outline " << i;
    for (int i = 1; i <= 100; ++i) EXPECT_FALSE(f().Stack(i).Visible()) << "shape " << i;
    for (int c = 1; c <= 4; ++c) {
        EXPECT_TRUE(f().PicCenter(c).Drawn().startsWith("empty")) << "centre " << c;
        EXPECT_EQ(f().PicCenter(c).Picture(), grisk::EmptyPilePicture(true));
        EXPECT_EQ(f().PicCenter(c).BackColor(), 0x80C0FF);
        EXPECT_FALSE(f().LblWild(c).Visible());
    }
    EXPECT_TRUE(f().PicCenter(0).Visible());
    EXPECT_TRUE(f().Label1.Visible());
    EXPECT_FALSE(f().ImgHold.Visible());
    EXPECT_FALSE(f().cmdDeal.Visible());
    EXPECT_FALSE(f().Timer1.Enabled);
    for (int r = 1; r <= 4; ++r) EXPECT_EQ(recs.BestRun(r, 2), 0) << "row " << r;
    EXPECT_EQ(recs.BestRun(0, 2), 9);
    EXPECT_EQ(recs.BestRun(5, 2), 9);
    EXPECT_EQ(f().StatusBar1.Panels(4).Text, "Wild:  0/ 0");
}

TEST_F(ResetTest, AnUndoKeepsThePicturesAndClearsOnlyTheFirstRunRow) {
    buildTable(2, 3);
    fillTable();
    cmd.UndoRequested = true;
    grisk::ResetTableDisplay();
    EXPECT_TRUE(f().Picture7(2).Visible());
    EXPECT_TRUE(f().Picture7(7).Drawn().startsWith("face"));
    EXPECT_TRUE(f().Picture7(3).Enabled());
    EXPECT_EQ(recs.BestRun(1, 0), 0);
    EXPECT_EQ(recs.BestRun(2, 0), 9);
    EXPECT_EQ(recs.BestRun(3, 0), 9);
    for (int i = 1; i <= 50; ++i) EXPECT_FALSE(f().Stack(i).Visible()) << "shapes go even then";

    cmd.UndoRequested = false;
    cmd.ReplayMode = true;
    fillTable();
    grisk::ResetTableDisplay();
    EXPECT_EQ(recs.BestRun(1, 0), 0);
    EXPECT_EQ(recs.BestRun(2, 0), 9);
    EXPECT_EQ(recs.BestRun(3, 0), 0);
    EXPECT_EQ(recs.BestRun(4, 0), 9);
}

TEST_F(ResetTest, ResetClosesTheCompanionWindows) {
    buildTable(2, 3);
    vb::Form hold("frmHold");
    vb::Form counter("frmCounter");
    hold.Show();
    counter.Show();
    grisk::ResetTableDisplay();
    EXPECT_TRUE(hold.isLoaded());
    EXPECT_FALSE(hold.Visible());
    EXPECT_FALSE(counter.isLoaded());
}

// Three players with three centre piles already have the fourth pile's
// pictures; going to four piles must still make the arrays large enough.
TEST_F(ResetTest, FourthCentrePileAtAThreePlayerTableRedrawsAndShowsEmpty) {
    buildTable(3, 3);
    ASSERT_TRUE(tbl.Center4Loaded);
    ASSERT_EQ(eng.CenterCount.ubound(), 3);

    eng.NumCenters = 4;
    grisk::SetPlayerCount(3, 4);

    EXPECT_EQ(eng.CenterCount.ubound(), 4);
    EXPECT_EQ(eng.CenterPile.ubound(2), 4);
    EXPECT_EQ(opp.PlanMoves.ubound(1), 4);
    EXPECT_EQ(opp.PlanSet.ubound(1), 4);
    EXPECT_EQ(grisk_test::errorOf([] { grisk::RedrawTable(); }), 0);
    for (int c = 1; c <= 4; ++c) {
        EXPECT_TRUE(f().PicCenter(c).Visible()) << "centre " << c;
        EXPECT_TRUE(f().PicCenter(c).Drawn().startsWith("empty")) << "centre " << c;
    }
}

TEST_F(ResetTest, BackToThreeCentrePilesHidesTheFourth) {
    buildTable(3, 4);
    ASSERT_TRUE(f().PicCenter(4).Visible());
    eng.NumCenters = 3;
    grisk::SetPlayerCount(3, 3);
    EXPECT_FALSE(f().PicCenter(4).Visible());
    EXPECT_FALSE(f().LblWild(4).Visible());
    for (int c = 1; c <= 3; ++c) EXPECT_TRUE(f().PicCenter(c).Visible());
}

TEST_F(ResetTest, RedimForFourCentresOnlyWhereThePilesNeedRoom) {
    struct Case {
        const char* what;
        int centres;
        bool pileMade;
        int arraysFor;
        bool redimmed;
    };
    const Case cases[] = {
        {"three centre piles", 3, false, 3, false},
        {"four piles, fourth not made yet", 4, false, 3, true},
        {"four piles, fourth made, arrays for four", 4, true, 4, false},
        {"four piles, fourth made, arrays still for three", 4, true, 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        eng.NumCenters = c.centres;
        tbl.Center4Loaded = c.pileMade;
        eng.CenterCount.redim({{0, c.arraysFor}});
        eng.CenterPile.redim({{0, 1}, {0, c.arraysFor}, {0, 12}});
        opp.PlanMoves.redim({{0, c.arraysFor}, {0, 15}});
        opp.PlanSet.redim({{0, c.arraysFor}, {0, 1}});
        eng.CenterCount(1) = 5;
        grisk::RedimForFourCentres();
        EXPECT_EQ(eng.CenterCount.ubound(), c.redimmed ? 4 : c.arraysFor);
        EXPECT_EQ(opp.PlanSet.ubound(1), c.redimmed ? 4 : c.arraysFor);
        EXPECT_EQ(eng.CenterCount(1), c.redimmed ? 0 : 5) << "a re-dimension empties the piles";
    }
}

TEST_F(ResetTest, FromFourPlayersToThreeRemovesSeatFour) {
    buildTable(4, 3);
    eng.NumPlayers = 3;
    grisk::SetPlayerCount(3, 3);
    EXPECT_EQ(eng.TotalCards, 156);
    EXPECT_EQ(eng.Deck.ubound(2), 156);
    EXPECT_FALSE(tbl.Seat4Loaded);
    EXPECT_TRUE(f().Picture3.exists(1));
    EXPECT_FALSE(f().Picture3(1).Visible());
    for (int i = 2; i <= 10; ++i) EXPECT_FALSE(f().Picture3.exists(i));
    for (int i = 76; i <= 100; ++i) EXPECT_FALSE(f().Stack.exists(i));
    for (int i = 13; i <= 16; ++i) EXPECT_FALSE(f().StackHold.exists(i));
    EXPECT_FALSE(f().Label9.exists(6));
    EXPECT_FALSE(f().Label3.exists(3));
    EXPECT_TRUE(f().Picture2.exists(10));
    EXPECT_DOUBLE_EQ(grisk_test::pixelRect(f().Picture2(1)).left(), 580) << "seat 3 moves to its place at three";
}

TEST_F(ResetTest, BackToTwoPlayersRemovesBothSeatsAndTheFourthPile) {
    buildTable(4, 4);
    eng.NumPlayers = 2;
    eng.TotalCards = 104;
    grisk::SetPlayerCount(2, 3);  // as the rules dialog calls it, keeping four piles
    EXPECT_FALSE(tbl.Seat3Loaded);
    EXPECT_FALSE(tbl.Seat4Loaded);
    EXPECT_TRUE(tbl.Center4Loaded) << "four centre piles are made again after the base layout";
    for (int i = 51; i <= 100; ++i) EXPECT_FALSE(f().Stack.exists(i));
    EXPECT_FALSE(f().Picture2.exists(2));
    EXPECT_FALSE(f().Picture2(1).Visible());
    EXPECT_EQ(eng.CenterCount.ubound(), 4);
}

// The display mode in force survives a change of players: rows moved up
// stay up, small cards stay small.
TEST_F(ResetTest, SetPlayerCountKeepsTheDisplayMode) {
    for (int mode : {1, 2}) {
        SCOPED_TRACE(mode);
        grisk_test::ResetAll();
        buildTable(3, 3, mode, 15360);
        ASSERT_EQ(tbl.DisplayMode, mode);
        eng.NumPlayers = 4;
        grisk::SetPlayerCount(4, 3);
        EXPECT_EQ(tbl.DisplayMode, mode);
        f().setScaleMode(vb::ScaleMode::Pixels);
        if (mode == 1) {
            EXPECT_DOUBLE_EQ(f().Picture7(2).Top(), tbl.HandRowTop - 50);
        }
        if (mode == 2) {
            EXPECT_DOUBLE_EQ(f().Picture7(2).Width(), 59);
        }
    }
}

TEST_F(ResetTest, OpponentNamesGoUnderTheirStacks) {
    buildTable(4, 3);
    eng.Player2.Name = "Grisk";
    eng.Player3.Name = "Varnok";
    eng.Player4.Name = "Mirabel";
    grisk::ShowOpponentNames();
    EXPECT_EQ(f().Label9(4).Caption(), "Grisk");
    EXPECT_EQ(f().Label9(5).Caption(), "Varnok");
    EXPECT_EQ(f().Label9(6).Caption(), "Mirabel");
}

}  // namespace
