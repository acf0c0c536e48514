// The board behind the centre piles with the wild counters round it, and
// the places of the text lines, the Deal button, the notice label and the
// emotion icon for each kind of table.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

#include "layout_fixture.h"
#include "platform/formwindow.h"
#include "table/table_fit.h"
#include "table/table_geometry.h"
#include "records/state.h"
#include "table/frm_pic.h"

using namespace grisk;
using grisk_test::pixelRect;

namespace {

struct BoardCase {
    int players, centres, mode;
    bool skin;
    bool tall;
    bool stretched;
    QSizeF size;
};

std::ostream& operator<<(std::ostream& os, const BoardCase& c) {
    return os << c.players << " players, " << c.centres << " centres, mode " << c.mode
              << (c.skin ? ", skin" : ", no skin");
}

class BoardTest : public grisk_test::LayoutTest, public ::testing::WithParamInterface<BoardCase> {};

TEST_P(BoardTest, TheBoardSuitsThePilesTheSkinAndTheCardSize) {
    const BoardCase& c = GetParam();
    recs.SkinOn = c.skin;
    buildTable(c.players, c.centres, c.mode);
    PositionPileLabels();
    FrmPic& store = frmPic();
    const vb::Control& expected = c.skin ? (c.tall ? store.imgCenterV : store.imgCenterH)
                                         : (c.tall ? store.imgCenterVM : store.imgCenterHM);
    const vb::Control& board = f().imgCenter;
    EXPECT_EQ(board.Picture(), expected.Picture());
    EXPECT_EQ(board.Stretch(), c.stretched);
    EXPECT_NEAR(pixelRect(board).width(), c.size.width(), 1e-4);
    EXPECT_NEAR(pixelRect(board).height(), c.size.height(), 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, BoardTest,
    ::testing::Values(
        // Large cards: the picture's own size, wide for three piles, tall for four.
        BoardCase{2, 3, 0, true, false, false, {262, 128}},
        BoardCase{2, 3, 0, false, false, false, {262, 128}},
        BoardCase{2, 4, 1, true, true, false, {182, 230}},
        BoardCase{3, 4, 0, false, true, false, {182, 230}},
        // Small cards: stretched to 208 x 100, or 145.6 x 181.6 for four
        // piles, but never leaving a pile on the rim or beyond it: the board
        // then reaches as far past its piles on the right and below as on
        // the left and above (the two-player table scaled by 0.8: 12 and
        // 12.8 round three piles 64 apart; four in a tight block: 11 and 12
        // on the left and above, 15 and 16 where the board begins).
        BoardCase{2, 3, 2, false, false, true, {211, 105.6}},
        BoardCase{4, 4, 2, true, true, true, {148, 188}},
        BoardCase{3, 4, 3, false, true, true, {148, 188}}));

TEST(BoardPictures, WideBoardsFitThreePilesInARowAndTallOnesFourInABlock) {
    grisk_test::ResetAll();
    FrmPic& store = frmPic();
    // Large piles from 15 pixels in and 16 down: three 80 apart, or two by
    // two 10 and 6 apart.
    const QSizeF row(15 + 2 * 80 + 71 + 15, 16 + 96 + 16);
    const QSizeF block(15 + 71 + 10 + 71 + 15, 16 + 96 + 6 + 96 + 16);
    for (const vb::Control* wide : {&store.imgCenterH, &store.imgCenterHM})
        EXPECT_EQ(QSizeF(wide->Picture().size()), row + QSizeF(1, 0));
    for (const vb::Control* tall : {&store.imgCenterV, &store.imgCenterVM})
        EXPECT_EQ(QSizeF(tall->Picture().size()), block);
    EXPECT_NE(store.imgCenterH.Picture(), store.imgCenterHM.Picture()) << "the skin's board is its own";
    EXPECT_NE(store.imgCenterV.Picture(), store.imgCenterVM.Picture());
    ReleaseCardPictureStores();
}

class PileLabelTest : public grisk_test::LayoutTest {};

TEST_F(PileLabelTest, SwitchingTheSkinChangesOnlyTheBoardsPicture) {
    buildTable(2, 4);
    PositionPileLabels();
    const QImage before = f().imgCenter.Picture();
    const QRectF board = pixelRect(f().imgCenter);
    std::vector<QRectF> counters;
    for (int i = 1; i <= 4; ++i) counters.push_back(pixelRect(f().LblWild(i)));

    recs.SkinOn = !recs.SkinOn;
    PositionPileLabels();
    EXPECT_NE(f().imgCenter.Picture(), before);
    EXPECT_EQ(pixelRect(f().imgCenter), board);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(pixelRect(f().LblWild(i)), counters[i - 1]) << i;
}

TEST_F(PileLabelTest, WithThreePilesInARowTheCountersStandOverThemAboveTheBoard) {
    buildTable(2, 3);
    PositionPileLabels();
    const QRectF board = pixelRect(f().imgCenter);
    for (int i = 1; i <= 3; ++i) {
        const QRectF counter = pixelRect(f().LblWild(i));
        const QRectF pile = pixelRect(f().PicCenter(i));
        EXPECT_DOUBLE_EQ(counter.center().x(), pile.left() + tbl.CardWidthPx / 2.0) << i;
        EXPECT_DOUBLE_EQ(counter.bottom(), board.top()) << i;
    }
    // In front of the piles and the board, so that no counter is hidden.
    const std::vector<vb::Control*> order = f().paintOrder();
    const auto at = [&](const vb::Control* c) { return std::find(order.begin(), order.end(), c) - order.begin(); };
    for (int i = 1; i <= 3; ++i) EXPECT_GT(at(&f().LblWild(i)), at(&f().imgCenter)) << i;
}

TEST_F(PileLabelTest, ASmallBoardWhileTheWindowLoadsPlacesTheLabelsAtOnce) {
    buildTable(2, 3, 2);
    for (const bool loading : {false, true}) {
        f().Label9(3).Move(500, 500);
        cmd.FormLoading = loading;
        PositionPileLabels();
        const bool underThePayOff = pixelRect(f().Label9(3)).topLeft() ==
                                    QPointF(pixelRect(f().Picture7(1)).left(),
                                            pixelRect(f().Picture7(1)).top() + tbl.CardHeightPx + 6);
        EXPECT_EQ(underThePayOff, loading) << "loading " << loading;
    }
    cmd.FormLoading = false;
}

struct LabelCase {
    int players, centres, mode, widthTw;
    // seat 2's name below the top of its pay-off pile: 96 at two players,
    // else 80 above 13000 twips (with the rows), and 80 at 13000 and below
    // too, where the designed 70 would put the name under the card
    int nameGap;
};

std::ostream& operator<<(std::ostream& os, const LabelCase& c) {
    return os << c.players << " players, " << c.centres << " centres, mode " << c.mode << ", "
              << c.widthTw << " twips";
}

class TableLabelTest : public grisk_test::LayoutTest, public ::testing::WithParamInterface<LabelCase> {};

TEST_P(TableLabelTest, LabelsStandRoundTheCentreAndThePiles) {
    const LabelCase& c = GetParam();
    buildTable(c.players, c.centres, c.mode, c.widthTw);
    PlaceTableLabels();
    const int w = tbl.CardWidthPx;
    const QRectF board = pixelRect(f().imgCenter);
    const QRectF payOff = pixelRect(f().Picture7(1));
    const QRectF banner = pixelRect(f().Label9(0));
    const QRectF message = pixelRect(f().Label9(1));
    // The message and remark lines stand where they are designed to unless
    // a pile, a frame, a name's line or the stock lies there (or, for the
    // remark, the message line); then they have moved clear (the
    // whole-table test).
    auto blockedAt = [&](const QRectF& there, bool byMessage) {
        bool blocked = there.intersects(pixelRect(f().Label1)) || there.intersects(pixelRect(f().ImgTurn1)) ||
                       !grisk::TableInnerRect().contains(there);
        for (int seat = 1; seat <= c.players; ++seat) {
            for (int i = 1; i <= 10; ++i) blocked = blocked || there.intersects(pixelRect(f().seatPictures(seat)(i)));
            blocked = blocked || there.intersects(pixelRect(f().Stack(grisk::StackFirst(seat))));
            blocked = blocked || there.intersects(pixelRect(f().Label3(seat - 1)));
            blocked = blocked || there.intersects(vb::TextLinesRectPx(f().Label9(seat + 2), 1));
        }
        for (int p = 0; p <= c.centres; ++p) blocked = blocked || there.intersects(pixelRect(f().PicCenter(p)));
        return blocked || (byMessage && there.intersects(message));
    };
    auto messageAt = [&](QPointF designed, double width) {
        if (message.topLeft() == designed) {
            EXPECT_DOUBLE_EQ(message.width(), width);
            return;
        }
        EXPECT_TRUE(blockedAt(QRectF(designed, QSizeF(width, message.height())), false))
            << "the message line left a clear place at " << designed.x() << "," << designed.y();
    };
    const QRectF remark = pixelRect(f().Label9(2));
    // The remark is checked where its four lines of text show.
    auto remarkAt = [&](const QRectF& designed, bool withHeight) {
        if (remark.topLeft() == designed.topLeft()) {
            EXPECT_DOUBLE_EQ(remark.width(), designed.width());
            if (withHeight) EXPECT_DOUBLE_EQ(remark.height(), designed.height());
            return;
        }
        const QRectF text(designed.topLeft(),
                          QSizeF(designed.width(), vb::TextLinesRectPx(f().Label9(2), 4).height()));
        EXPECT_TRUE(blockedAt(text, true)) << "the remark line left a clear place at " << designed.x() << ","
                                           << designed.y();
    };
    const QRectF deal = pixelRect(f().cmdDeal);
    const QRectF notice = pixelRect(f().LabelPeek);
    const QRectF icon = pixelRect(f().imgIcon);

    // The names: the human's under the pay-off pile, seat 2's below its own.
    EXPECT_EQ(pixelRect(f().Label9(3)).topLeft(), QPointF(payOff.left(), payOff.top() + tbl.CardHeightPx + 6));
    EXPECT_DOUBLE_EQ(pixelRect(f().Label9(4)).top(), pixelRect(f().Picture1(1)).top() + c.nameGap);
    // The icon beside the menu picture, but at a larger table with four
    // piles beside the remark line.
    if (c.players == 2 || c.centres == 3) EXPECT_DOUBLE_EQ(icon.left(), pixelRect(f().imgMenu).right());

    if (c.centres == 3) {
        EXPECT_EQ(banner.topLeft(), QPointF(pixelRect(f().PicCenter(2)).left(), board.bottom() + banner.height()));
        messageAt(QPointF(6, board.bottom() + 10), board.width());
        const QPointF remarkTop(20, pixelRect(f().Label9(4)).top() + 15);
        remarkAt(QRectF(remarkTop, QSizeF(board.right() - 20, 80)), c.players == 2);
        // The notice right of the last hand card; the Deal button over the
        // third pile's column, twice its height above the hand row.
        EXPECT_EQ(notice.topLeft(), QPointF(pixelRect(f().Picture7(6)).left() + w, tbl.HandRowTop));
        EXPECT_EQ(deal.topLeft(), QPointF(pixelRect(f().PicCenter(3)).left(), tbl.HandRowTop - 2 * deal.height()));
        const bool wide = c.widthTw >= 12288;
        EXPECT_DOUBLE_EQ(icon.top(), wide ? pixelRect(f().PicCenter(1)).top() : remarkTop.y() - icon.height());
    } else if (c.players == 2) {
        EXPECT_EQ(banner.topLeft(), QPointF(pixelRect(f().PicCenter(2)).left(), board.top() - pixelRect(f().LblWild(1)).height()));
        if (c.widthTw >= 12288 && c.mode != 2) {
            messageAt(QPointF(3, payOff.top()), board.width());  // level with the pay-off pile
        } else {
            messageAt(QPointF(3, board.bottom()), board.width() + 20);
        }
        EXPECT_EQ(notice.topLeft(), QPointF(3, pixelRect(f().PicCenter(3)).top() + w / 2.0)) << "half a width, not a height";
        const QRectF designed(6, pixelRect(f().PicCenter(1)).top() - 20, board.left() - 10, board.height());
        remarkAt(designed, true);
        EXPECT_DOUBLE_EQ(deal.left(), board.right() + 6);
        EXPECT_DOUBLE_EQ(deal.center().y(), pixelRect(f().PicCenter(4)).top());
        EXPECT_DOUBLE_EQ(icon.bottom(), designed.top());
    } else {
        EXPECT_EQ(banner.topLeft(), QPointF(tbl.CenterAreaLeft + board.width(), board.top()));
        if (c.widthTw <= 12000) {
            const QRectF stockFrame = pixelRect(f().Label1);
            messageAt(QPointF(pixelRect(f().ImgTurn1).right(), stockFrame.bottom()), 1.4 * board.width());
        } else {
            messageAt(QPointF(3, board.bottom() + 2), 1.75 * board.width());
        }
        const QRectF holdFrame = pixelRect(f().Label3(0));
        // (no wider than the window)
        const double width = std::min(holdFrame.width() + 50, grisk::TableRightPx() - holdFrame.left());
        const QRectF designed(holdFrame.left(), tbl.SeatHoldTop + 86, width, 80);
        remarkAt(designed, true);
        EXPECT_EQ(icon.topRight(), designed.topLeft());
        EXPECT_DOUBLE_EQ(deal.bottom() + 13, pixelRect(f().PicCenter(4)).top());
        EXPECT_EQ(notice.topLeft(), deal.bottomLeft());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, TableLabelTest,
    ::testing::Values(
        LabelCase{2, 3, 0, 15360, 96}, LabelCase{2, 3, 1, 12288, 96}, LabelCase{2, 3, 0, 12000, 96},
        LabelCase{2, 4, 0, 15360, 96}, LabelCase{2, 4, 1, 12288, 96}, LabelCase{2, 4, 0, 12000, 96},
        LabelCase{2, 4, 2, 15360, 80}, LabelCase{3, 3, 0, 15360, 80},
        LabelCase{4, 3, 2, 15360, 80}, LabelCase{3, 4, 0, 15360, 80}, LabelCase{4, 4, 2, 13000, 80}, LabelCase{4, 4, 2, 13001, 80},
        LabelCase{4, 4, 0, 12288, 80}, LabelCase{3, 4, 0, 12000, 80}, LabelCase{4, 4, 2, 12000, 80}));

}  // namespace
