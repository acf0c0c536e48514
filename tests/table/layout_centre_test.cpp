// The centre of the table: the stock and its surroundings, the centre-pile
// block, the main window's size, and the base layout that removes seats.
#include <gtest/gtest.h>

#include <ostream>

#include "layout_fixture.h"
#include "table/table_geometry.h"
#include "platform/formwindow.h"

namespace {

using grisk::eng;
using grisk::tbl;
using grisk_test::pixelRect;

class CentreTest : public grisk_test::LayoutTest {};

struct StockCase {
    int players, mode, widthTw;
    bool large;
};

std::ostream& operator<<(std::ostream& os, const StockCase& c) {
    return os << c.players << " players, mode " << c.mode << ", " << c.widthTw << " twips";
}

class StockTest : public grisk_test::LayoutTest, public ::testing::WithParamInterface<StockCase> {};

TEST_P(StockTest, StockSizeAndPlaceWithItsFrameAndArrows) {
    const StockCase& c = GetParam();
    buildTable(c.players, 3, c.mode, c.widthTw);
    grisk::LayoutCenterArea();
    const QRectF stock = pixelRect(f().PicCenter(0));
    const QSizeF size = c.large ? QSizeF(71, 96) : QSizeF(59, 80);
    EXPECT_EQ(stock.size(), size);
    EXPECT_EQ(f().PicCenter(0).Picture().width(), static_cast<int>(size.width()));

    const QRectF frame = pixelRect(f().Label1);
    EXPECT_EQ(frame, stock.adjusted(-5, -5, 5, 5));
    const QRectF above = pixelRect(f().ImgTurn2);
    const QRectF below = pixelRect(f().ImgTurn1);
    if (c.widthTw <= 12000 && c.players > 2) {
        // Left of the centre at a larger table; where the centre has moved
        // left onto that place (to clear the human's hand row), the stock
        // has found the nearest clear place instead, with its arrows above
        // and below it or, where no place has room for that, beside it.
        const QPointF designed(25, pixelRect(f().PicCenter(3)).top() + pixelRect(f().ImgTurn2).height());
        if (stock.topLeft() != designed) {
            const QRectF there = QRectF(designed, size).adjusted(-5, -5 - 31, 5, 5 + 31);
            bool blocked = there.intersects(pixelRect(f().imgCenter));
            for (int p = 1; p <= 3; ++p) blocked = blocked || there.intersects(pixelRect(f().PicCenter(p)));
            EXPECT_TRUE(blocked) << "the stock left a clear place";
            if (above.bottom() != frame.top() - 7) {
                EXPECT_DOUBLE_EQ(above.right(), frame.left() - 7);
                EXPECT_DOUBLE_EQ(below.left(), frame.right() + 7);
                EXPECT_DOUBLE_EQ(above.center().y(), frame.center().y());
                return;
            }
        }
    } else if (c.widthTw <= 12000) {
        const QRectF frame = pixelRect(f().Label3(1));
        EXPECT_DOUBLE_EQ(stock.left(), frame.right() + (c.mode > 1 ? 59 : 10));
        if (c.mode <= 1) {
            EXPECT_DOUBLE_EQ(stock.top(), 192);
        }
    } else {
        // Stock and frame stand centred under the avatar, less the frame's 5.
        const QRectF avatar = pixelRect(f().ImgAvatar);
        EXPECT_DOUBLE_EQ(stock.center().x(), avatar.center().x() - 5);
    }
    EXPECT_DOUBLE_EQ(above.bottom(), frame.top() - 7);
    EXPECT_DOUBLE_EQ(below.top(), frame.bottom() + 7);
    EXPECT_DOUBLE_EQ(above.center().x(), frame.center().x());
    EXPECT_DOUBLE_EQ(below.center().x(), frame.center().x());
}

INSTANTIATE_TEST_SUITE_P(Stocks, StockTest,
                         ::testing::Values(StockCase{2, 0, 12000, false}, StockCase{2, 2, 12000, false},
                                           StockCase{2, 0, 12001, true}, StockCase{2, 1, 15360, true},
                                           StockCase{2, 2, 15360, false}, StockCase{3, 0, 12000, false},
                                           StockCase{4, 0, 9600, false}, StockCase{4, 0, 15360, true}));

TEST_F(CentreTest, StockWiderThanTheAvatarKeepsFourteenPixelsFromTheEdge) {
    buildTable(2, 3, 0, 15360);
    f().ImgAvatar.setWidth(60);
    grisk::LayoutCenterArea();
    EXPECT_DOUBLE_EQ(pixelRect(f().PicCenter(0)).right(), f().ScaleWidth() - 14);
}

TEST_F(CentreTest, CentrePilesStandInABlock) {
    struct Case {
        int players, centres, mode;
        double gapX, gapY, shift;  // gaps between piles, shift of the block's corner
    };
    const Case cases[] = {{3, 3, 0, 10, 6, 0}, {3, 4, 0, 10, 6, 0}, {4, 3, 2, 10, 6, 0},
                          {4, 4, 2, 8, 4, -4}, {2, 4, 0, 10, 6, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.players << " players, " << c.centres << " centres, mode " << c.mode);
        grisk_test::ResetAll();
        buildTable(c.players, c.centres, c.mode, 15360);
        grisk::PositionCenterPiles();
        const double w = tbl.CardWidthPx, h = tbl.CardHeightPx;
        const double l = tbl.CenterAreaLeft + c.shift, t = tbl.CenterAreaTop + c.shift;
        const QPointF expected[] = {{l, t}, {l + w + c.gapX, t}, {l, t + h + c.gapY}, {l + w + c.gapX, t + h + c.gapY}};
        for (int p = 1; p <= c.centres; ++p)
            EXPECT_EQ(pixelRect(f().PicCenter(p)).topLeft(), expected[p - 1]) << "pile " << p;
        EXPECT_EQ(pixelRect(f().imgCenter).topLeft(), QPointF(tbl.CenterAreaLeft - 15, tbl.CenterAreaTop - 16));
    }
}

TEST_F(CentreTest, WindowSizeFollowsTheScreenAndTheRows) {
    struct Case {
        int widthTw, formWidth, extra;
    };
    const Case cases[] = {{12000, 12000, 184}, {12999, 12999, 184}, {13000, 13000, 255},
                          {15360, 15360, 255}, {15361, 16665, 255}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.widthTw);
        grisk_test::ResetAll();
        buildTable(2, 3, 0, c.widthTw);
        grisk::ComputeVerticalLayout();
        EXPECT_EQ(f().scaleMode(), vb::ScaleMode::Pixels);
        EXPECT_EQ(eng.MainFormWidth, c.formWidth);
        EXPECT_DOUBLE_EQ(f().Width(), c.formWidth);
        const double rows = f().StatusBar1.heightTw() + f().Picture7(1).topTw() + f().Picture7(1).heightTw();
        EXPECT_DOUBLE_EQ(eng.MainFormHeight, rows + 900 + c.extra);
        EXPECT_DOUBLE_EQ(f().Height(), eng.MainFormHeight);
        EXPECT_EQ(f().Left(), 0);
    }
}

// Start-up sizes the window for the display size in force: a table stored
// small gets the height of its small rows, not that of the large ones it
// is first laid out in; and on a screen too low for it the window is as
// tall as the screen, the rows gone up to stay above the status bar.
TEST_F(CentreTest, StartUpSizesTheWindowForTheSizeInForceAndTheScreen) {
    for (double width : {15360.0, 19200.0}) {
        for (int players : {2, 3}) {
            SCOPED_TRACE(testing::Message() << width << " twips, " << players << " players");
            grisk_test::ResetAll();
            buildTable(players, 3, 2, width);
            const double rows = f().StatusBar1.heightTw() + f().Picture7(1).topTw() + f().Picture7(1).heightTw();
            EXPECT_NEAR(f().Height(), rows + 900 + 255, 1) << "the small rows' height";
            grisk_test::ResetAll();
            buildTable(players, 3, 0, width);
            EXPECT_LT(rows, f().StatusBar1.heightTw() + f().Picture7(1).topTw() + f().Picture7(1).heightTw());
        }
    }
    // A screen 600 pixels high holds the large two-player table of 800 only
    // with the rows lifted.
    grisk_test::ResetAll();
    eng.ScreenWidthTw = 12000;
    eng.ScreenHeightTw = 8000;
    grisk::LayOutTableAsStartUp(2, 3, 0);
    f().setScaleMode(vb::ScaleMode::Pixels);
    EXPECT_DOUBLE_EQ(f().Height(), 8000);
    const double barTop = grisk::TableInnerRect().bottom() - pixelRect(f().StatusBar1).height();
    EXPECT_LE(pixelRect(f().Picture7(2)).bottom(), barTop);
    EXPECT_LE(vb::TextLinesRectPx(f().Label9(3), 1).bottom(), barTop) << "the human's name above the bar";
    EXPECT_LT(pixelRect(f().Picture7(2)).top(), tbl.HandRowTop) << "the hand row went up";
}

TEST_F(CentreTest, RelayoutCenterLeavesASmallLargerTableAlone) {
    buildTable(3, 3, 0, 12000);
    f().PicCenter(0).Move(1, 2);
    f().ImgAvatar.setLeft(3);
    grisk::RelayoutCenter();
    EXPECT_EQ(pixelRect(f().PicCenter(0)).topLeft(), QPointF(1, 2));

    eng.ScreenWidthTw = 12001;
    grisk::RelayoutCenter();
    EXPECT_NE(pixelRect(f().PicCenter(0)).topLeft(), QPointF(1, 2));
}

TEST_F(CentreTest, ArrangeTableRemovesSeatsAndTheFourthPileAndMayRunTwice) {
    buildTable(4, 4);
    ASSERT_TRUE(tbl.Seat3Loaded && tbl.Seat4Loaded && tbl.Center4Loaded);
    eng.NumPlayers = 2;
    eng.NumCenters = 3;
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        EXPECT_EQ(grisk_test::errorOf([] { grisk::ArrangeTable(); }), 0);
        EXPECT_FALSE(tbl.Seat3Loaded || tbl.Seat4Loaded || tbl.Center4Loaded);
        EXPECT_FALSE(f().PicCenter.exists(4));
        EXPECT_FALSE(f().LblWild.exists(4));
        for (vb::ControlArray* seat : {&f().Picture2, &f().Picture3}) {
            EXPECT_TRUE(seat->exists(1));
            EXPECT_FALSE((*seat)(1).Visible());
            EXPECT_FALSE(seat->exists(2));
        }
        for (int i = 51; i <= 100; ++i) EXPECT_FALSE(f().Stack.exists(i));
        for (int i = 9; i <= 16; ++i) EXPECT_FALSE(f().StackHold.exists(i));
        EXPECT_FALSE(f().Label9.exists(5) || f().Label9.exists(6) || f().Label3.exists(2));
    }
    // The three centre piles in a row, PileStep apart, counters under them.
    for (int p = 1; p <= 3; ++p)
        EXPECT_EQ(pixelRect(f().PicCenter(p)).topLeft(),
                  QPointF(tbl.CenterAreaLeft + (p - 1) * tbl.PileStep, tbl.CenterAreaTop));
}

// A caller that lays the base table out with four centre piles still set
// (the two-player table is then without its fourth pile for a moment) must
// not fail on the missing pile.
TEST_F(CentreTest, AMissingFourthPileIsPassedOver) {
    buildTable(2, 4);
    eng.CenterCount(4) = 2;
    eng.CenterPile(0, 4, 2) = 2;
    eng.CenterPile(1, 4, 2) = 2;
    EXPECT_EQ(grisk_test::errorOf([] { grisk::ArrangeTable(); }), 0);
    ASSERT_FALSE(f().PicCenter.exists(4));
    EXPECT_EQ(grisk_test::errorOf([] { grisk::PositionPileLabels(); }), 0);
    EXPECT_EQ(grisk_test::errorOf([] { grisk::RedrawTable(); }), 0);
    EXPECT_EQ(grisk_test::errorOf([] { grisk::ShowCentrePiles(); }), 0);
    EXPECT_EQ(grisk_test::errorOf([] { grisk::ResetTableDisplay(); }), 0);

    // Four players counted before their seats are set up.
    eng.NumPlayers = 4;
    EXPECT_EQ(grisk_test::errorOf([] { grisk::ShowOpponentNames(); }), 0);
    EXPECT_EQ(grisk_test::errorOf([] { grisk::RedrawTable(); }), 0);
    EXPECT_EQ(grisk_test::errorOf([] { grisk::ResetTableDisplay(); }), 0);
}

TEST_F(CentreTest, HoldRowFramesAndTheFanOfALargerTable) {
    buildTable(3, 3, 0, 15360);
    // Seat 2's frame is small at a larger table and as wide as its hold row
    // (5 pixels round it), without a caption: the fanned hand covers the
    // strip above the piles. The human's is large, with a strip for its
    // caption above the piles and reaching as far below them as designed.
    const QRectF seat2Row = pixelRect(f().Picture1(7)).united(pixelRect(f().Picture1(10)));
    EXPECT_EQ(pixelRect(f().Label3(1)).size(), QSizeF(seat2Row.width() + 10, 90));
    EXPECT_DOUBLE_EQ(pixelRect(f().Label3(1)).top(), pixelRect(f().Picture1(7)).top() - 5);
    EXPECT_TRUE(f().Label3(1).Caption().isEmpty());
    const double holdTop = pixelRect(f().Picture7(7)).top();
    EXPECT_EQ(pixelRect(f().Label3(0)), QRectF(pixelRect(f().Picture7(7)).left() - 5, holdTop - grisk::FrameCaptionStrip(),
                                               324, 112 - 8 + grisk::FrameCaptionStrip()));

    // The fan with small cards: hand 15 apart and 3 lower each, hold piles
    // 53 apart (overlapping by 6), the first 8 right of the stack's end.
    tbl.CardWidthPx = 59;
    tbl.CardHeightPx = 80;
    grisk::PlaceTableShapes(f().Picture2, 51);
    const QRectF side = pixelRect(f().Picture2(1));
    // The fan's base 580 + 29.5 + 10 = 619.5 rounds to 620.
    EXPECT_DOUBLE_EQ(pixelRect(f().Picture2(2)).left(), 620 + 15);
    for (int s = 3; s <= 6; ++s) {
        EXPECT_DOUBLE_EQ(pixelRect(f().Picture2(s)).left() - pixelRect(f().Picture2(s - 1)).left(), 15);
        EXPECT_DOUBLE_EQ(pixelRect(f().Picture2(s)).top() - pixelRect(f().Picture2(s - 1)).top(), 3);
    }
    EXPECT_DOUBLE_EQ(pixelRect(f().Picture2(2)).top(), side.top() + 3);
    EXPECT_DOUBLE_EQ(pixelRect(f().Picture2(7)).left(), pixelRect(f().Stack(51)).left() + 8);
    for (int s = 8; s <= 10; ++s) {
        EXPECT_DOUBLE_EQ(pixelRect(f().Picture2(s)).left() - pixelRect(f().Picture2(s - 1)).left(), 53);
        EXPECT_DOUBLE_EQ(pixelRect(f().Picture2(s)).top(), tbl.SeatHoldTop);
        EXPECT_EQ(pixelRect(f().StackHold(s + 2)).topLeft(), pixelRect(f().Picture2(s)).topLeft() + QPointF(4, -4));
    }
}

// The names of seats 3 and 4 are made italic with their control sets, also
// when seat 4 comes back after a three-player game; seat 2's is upright.
TEST_F(CentreTest, TheNamesOfSeatsThreeAndFourAreItalic) {
    buildTable(4, 3);
    EXPECT_FALSE(f().Label9(4).FontItalic());
    EXPECT_TRUE(f().Label9(5).FontItalic());
    EXPECT_TRUE(f().Label9(6).FontItalic());
    eng.NumPlayers = 3;
    grisk::SetPlayerCount(3, 3);
    ASSERT_FALSE(f().Label9.exists(6));
    eng.NumPlayers = 4;
    grisk::SetPlayerCount(4, 3);
    EXPECT_TRUE(f().Label9(5).FontItalic());
    EXPECT_TRUE(f().Label9(6).FontItalic());
}

TEST_F(CentreTest, LargerTablesKeepTheHumansCardsLargeAndTheOthersSmall) {
    buildTable(4, 4, 0, 15360);
    EXPECT_EQ(pixelRect(f().Picture7(3)).size(), QSizeF(71, 96));
    for (int seat = 2; seat <= 4; ++seat) {
        EXPECT_EQ(pixelRect(f().seatPictures(seat)(3)).size(), QSizeF(59, 80)) << seat;
        EXPECT_EQ(pixelRect(f().Stack(grisk::StackFirst(seat))).size(), QSizeF(59, 80)) << seat;
    }
    // The human's side pile keeps its fraction at 433 - 1.25 x 71.
    EXPECT_DOUBLE_EQ(pixelRect(f().Picture7(1)).left(), 344.25);
    // Four players on a screen 12000 twips wide: seat 4's side pile at 590.
    grisk_test::ResetAll();
    buildTable(4, 3, 0, 12000);
    EXPECT_DOUBLE_EQ(pixelRect(f().Stack(100)).left() + 2, 590);
}

}  // namespace
