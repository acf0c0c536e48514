// Redrawing the table from the game state: centre piles with their wild
// counters, each seat's row, and which card back a pay-off pile lies on.
#include <gtest/gtest.h>

#include "layout_fixture.h"
#include "records/state.h"

namespace {

using grisk::eng;
using grisk::recs;
using grisk::tbl;

class RedrawTest : public grisk_test::LayoutTest {};

TEST_F(RedrawTest, CentrePilesShowTheirTopWithTheValueOfAKing) {
    buildTable(2, 4);
    // Pile 1: Ace, Two, King (standing for a Three); pile 2: Ace, Two;
    // pile 3 empty; pile 4: a King played as the seventh card.
    const int ranks1[] = {1, 2, 13};
    for (int k = 1; k <= 3; ++k) {
        eng.CenterPile(0, 1, k) = ranks1[k - 1];
        eng.CenterPile(1, 1, k) = ranks1[k - 1];
    }
    eng.CenterCount(1) = 3;
    eng.CenterPile(0, 2, 1) = 1;
    eng.CenterPile(1, 2, 1) = 1;
    eng.CenterPile(0, 2, 2) = 54;  // the Two of the second deck
    eng.CenterPile(1, 2, 2) = 2;
    eng.CenterCount(2) = 2;
    for (int k = 1; k <= 7; ++k) {
        eng.CenterPile(0, 4, k) = k == 7 ? 26 : k;
        eng.CenterPile(1, 4, k) = k == 7 ? 13 : k;
    }
    eng.CenterCount(4) = 7;
    f().LblWild(2).setVisible(true);
    f().PicCenter(2).setToolTipText("stale");

    grisk::RedrawTable();

    EXPECT_TRUE(f().PicCenter(1).Drawn().startsWith("face 13"));
    EXPECT_TRUE(f().LblWild(1).Visible());
    EXPECT_EQ(f().LblWild(1).Caption(), "3");
    EXPECT_EQ(f().PicCenter(1).ToolTipText(), " 3");
    EXPECT_TRUE(f().PicCenter(2).Drawn().startsWith("face 2"));
    EXPECT_FALSE(f().LblWild(2).Visible());
    EXPECT_EQ(f().PicCenter(2).ToolTipText(), "");
    EXPECT_TRUE(f().PicCenter(3).Drawn().startsWith("empty"));
    EXPECT_FALSE(f().LblWild(3).Visible());
    EXPECT_EQ(f().LblWild(4).Caption(), "7");
    EXPECT_TRUE(f().LblWild(4).Visible());
}

TEST_F(RedrawTest, OpponentsHandsAreBacksUnlessPeeking) {
    buildTable(3, 3);
    for (int s = 2; s <= 6; ++s) {
        eng.PlayerSlots(0, s) = s;
        eng.Player2.Slots(0, s) = 10 + s;
    }
    eng.Player3.Slots(0, 2) = 30;  // seat 3 holds one card
    grisk::RedrawTable();
    for (int s = 2; s <= 6; ++s) {
        EXPECT_TRUE(f().Picture7(s).Drawn().startsWith("face")) << s;
        EXPECT_TRUE(f().Picture1(s).Drawn().startsWith("back")) << s;
    }
    EXPECT_TRUE(f().Picture2(2).Visible());
    EXPECT_FALSE(f().Picture2(3).Visible()) << "an empty hand slot is hidden";

    eng.Peeking = true;
    grisk::RedrawTable();
    EXPECT_EQ(f().Picture1(4).Drawn().section(' ', 0, 1), "face 14");
    EXPECT_EQ(f().Picture2(2).Drawn().section(' ', 0, 1), "face 30");
}

TEST_F(RedrawTest, HoldOutlinesShowForCardsUnderTheTop) {
    buildTable(2, 3);
    for (int s = 7; s <= 10; ++s) {
        eng.PlayerSlots(0, s) = s;
        eng.Player2.Slots(0, s) = s;
    }
    // Human: the count is of cards under the top; seat 2: the whole pile.
    const int humanUnder[] = {0, 1, 0, 5};
    const int seat2Pile[] = {1, 2, 1, 3};
    for (int p = 1; p <= 4; ++p) {
        eng.PlayerHoldCount(p) = humanUnder[p - 1];
        eng.Player2.HoldTable(p, 1) = seat2Pile[p - 1];
    }
    grisk::RedrawTable();
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(f().StackHold(p).Visible(), humanUnder[p - 1] >= 1) << "human pile " << p;
        EXPECT_EQ(f().StackHold(p + 4).Visible(), seat2Pile[p - 1] >= 2) << "seat 2 pile " << p;
    }
    eng.PlayerSlots(0, 8) = 0;
    grisk::RedrawTable();
    EXPECT_TRUE(f().Picture7(8).Drawn().startsWith("empty"));
    EXPECT_TRUE(f().StackHold(2).Visible()) << "an emptied pile leaves its outline to the caller";
}

struct BackCase {
    int players, mode, widthTw, seat;
    bool large;
};

class PayOffBackTest : public grisk_test::LayoutTest, public ::testing::WithParamInterface<BackCase> {};

// A screen exactly 12000 twips wide gives the large back in a large-card
// mode, though it counts as narrow everywhere else.
TEST_P(PayOffBackTest, PayOffPileLiesOnTheBackOfItsSize) {
    const BackCase& c = GetParam();
    buildTable(c.players, 3, c.mode, c.widthTw);
    grisk::RedrawTable();
    const QImage back = f().seatPictures(c.seat)(1).Picture();
    EXPECT_EQ(back.width(), c.large ? 71 : 59);
    EXPECT_EQ(f().seatPictures(c.seat)(1).BackColor(), recs.PlainColor);
}

INSTANTIATE_TEST_SUITE_P(
    Backs, PayOffBackTest,
    ::testing::Values(BackCase{2, 0, 15360, 1, true}, BackCase{2, 0, 12001, 2, true},
                      BackCase{2, 0, 12000, 1, true}, BackCase{2, 1, 12000, 2, true},
                      BackCase{2, 0, 11999, 1, false}, BackCase{2, 0, 9600, 1, false},
                      BackCase{2, 2, 15360, 1, false}, BackCase{3, 0, 15360, 1, true},
                      BackCase{3, 0, 15360, 2, false}, BackCase{4, 0, 12000, 4, false},
                      BackCase{4, 0, 12000, 1, true}));

TEST_F(RedrawTest, TheStockAndThePlainTableColour) {
    buildTable(2, 3, 0, 15360);
    recs.NumBackgrounds = 2;
    recs.BackgroundIdx = 3;
    recs.TableColor = 0x204060;
    grisk::RedrawTable();
    EXPECT_EQ(f().PicCenter(0).Picture().width(), 71);
    EXPECT_EQ(f().BackColor(), 0x204060);

    grisk_test::ResetAll();
    buildTable(2, 3, 0, 12000);
    grisk::RedrawTable();
    EXPECT_EQ(f().PicCenter(0).Picture().width(), 59) << "small stock up to 12000 twips";
}

// An empty centre pile shows the mark of its own size, never a cut-off one.
TEST_F(RedrawTest, EmptyCentrePilesShowTheMarkOfTheirSize) {
    for (int mode : {0, 2}) {
        SCOPED_TRACE(mode);
        grisk_test::ResetAll();
        buildTable(3, 4, mode, 15360);
        grisk::RedrawTable();
        for (int c = 1; c <= 4; ++c)
            EXPECT_EQ(f().PicCenter(c).Picture(), grisk::EmptyPilePicture(mode < 2)) << "centre " << c;
    }
}

}  // namespace

namespace {

// A stock that ran out for good (a stalemated game, given up) shows the
// empty-pile mark in its size, not a back and not a black box; any other
// time it shows the back of its size.
TEST_F(RedrawTest, TheStockOfAStalematedGameShowsTheEmptyMark) {
    for (int mode : {0, 2}) {
        SCOPED_TRACE(mode);
        grisk_test::ResetAll();
        buildTable(2, 3, mode, 15360);
        vb::Control& stock = f().PicCenter(0);
        eng.StalemateState = 1;
        grisk::RedrawTable();
        EXPECT_EQ(stock.Picture(), grisk::EmptyPilePictureFor(stock));
        EXPECT_TRUE(stock.Drawn().startsWith("empty"));
        eng.StalemateState = 2;
        grisk::RedrawTable();
        EXPECT_EQ(stock.Picture(), grisk::CardBackPicture(mode < 2));
    }
}

}  // namespace
