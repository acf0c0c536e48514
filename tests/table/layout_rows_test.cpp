// Moving the human's card rows up and back.
#include <gtest/gtest.h>

#include "layout_fixture.h"

namespace {

using grisk::eng;
using grisk::tbl;
using grisk_test::pixelRect;

class RowsTest : public grisk_test::LayoutTest {
protected:
    void expectRowsAt(double handTop, double holdTop) {
        for (int s = 1; s <= 6; ++s) EXPECT_DOUBLE_EQ(pixelRect(f().Picture7(s)).top(), handTop) << "slot " << s;
        for (int s = 7; s <= 10; ++s) {
            EXPECT_DOUBLE_EQ(pixelRect(f().Picture7(s)).top(), holdTop) << "slot " << s;
            EXPECT_DOUBLE_EQ(pixelRect(f().StackHold(s - 6)).top(), holdTop - 5) << "outline " << s - 6;
        }
        EXPECT_DOUBLE_EQ(pixelRect(f().Stack(25)).top(), handTop);
        EXPECT_DOUBLE_EQ(pixelRect(f().ImgHold).top(), handTop);
    }
};

// The rows go up 20 pixels, or 50 above 13000 twips; at two players seat
// 2's hold row goes up 10, but only as far as leaves the strip for its
// caption under its hand (8 here), and the human's only as far as keeps
// its hold-row frame below seat 2's (35 on a wide screen).
TEST_F(RowsTest, RowsGoUpAndComeBackAtEveryTable) {
    struct Case {
        int players, centres, widthTw, lift, seat2Lift;
    };
    const Case cases[] = {{2, 3, 12000, 20, 8}, {2, 3, 13001, 35, 8}, {2, 4, 15360, 35, 8},
                          {3, 3, 13000, 20, 0}, {4, 4, 15360, 50, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.players << " players, " << c.centres << " centres, "
                                        << c.widthTw << " twips");
        grisk_test::ResetAll();
        buildTable(c.players, c.centres, 0, c.widthTw);
        const int hand = tbl.HandRowTop;
        const int hold = tbl.HoldRowTop;
        const double seat2Hold = pixelRect(f().Picture1(7)).top();

        grisk::MoveCardRows(true);
        EXPECT_EQ(f().scaleMode(), vb::ScaleMode::Twips);
        expectRowsAt(hand - c.lift, hold - c.lift);
        EXPECT_EQ(tbl.HandRowTop, hand) << "the anchors stay";
        // The frames keep the strip for their captions above the piles.
        EXPECT_DOUBLE_EQ(pixelRect(f().Label3(0)).top(), hold - c.lift - grisk::FrameCaptionStrip());
        if (c.players == 2) {
            for (int s = 7; s <= 10; ++s) EXPECT_DOUBLE_EQ(pixelRect(f().Picture1(s)).top(), seat2Hold - c.seat2Lift);
            EXPECT_DOUBLE_EQ(pixelRect(f().StackHold(5)).top(), seat2Hold - c.seat2Lift - 5);
            EXPECT_DOUBLE_EQ(pixelRect(f().Label3(1)).top(), seat2Hold - c.seat2Lift - grisk::FrameCaptionStrip());
            EXPECT_GE(pixelRect(f().Label3(0)).top(), pixelRect(f().Label3(1)).bottom()) << "the frames stand apart";
        }
        if (c.players == 2 && c.centres == 4) {
            EXPECT_EQ(tbl.CenterAreaTop, 128 - c.seat2Lift + 10);
            EXPECT_DOUBLE_EQ(pixelRect(f().PicCenter(1)).top(), 128 - c.seat2Lift + 10);
        }

        grisk::MoveCardRows(false);
        EXPECT_EQ(f().scaleMode(), vb::ScaleMode::Twips);
        expectRowsAt(hand, hold);
        EXPECT_DOUBLE_EQ(pixelRect(f().Picture1(7)).top(), seat2Hold);
    }
}

TEST_F(RowsTest, ChangeDisplayModeTogglesTheRowsAndItsMenuCaption) {
    buildTable(2, 3, 0, 15360);
    grisk::ChangeDisplayMode(0);
    EXPECT_EQ(tbl.DisplayMode, 1);
    EXPECT_EQ(tbl.DisplayMenuCaption[0], "Move Cards Down");
    EXPECT_DOUBLE_EQ(pixelRect(f().Picture7(2)).top(), 365) << "35 up: the frames stand apart";
    grisk::ChangeDisplayMode(0);
    EXPECT_EQ(tbl.DisplayMode, 0);
    EXPECT_EQ(tbl.DisplayMenuCaption[0], "Move Cards Up");
    EXPECT_DOUBLE_EQ(pixelRect(f().Picture7(2)).top(), 400);

    // From the raised rows, a size change first brings them back.
    grisk::ChangeDisplayMode(0);
    grisk::ChangeDisplayMode(1);
    EXPECT_EQ(tbl.DisplayMode, 2);
    EXPECT_FALSE(tbl.DisplayMenuEnabled[0]);
    EXPECT_EQ(tbl.DisplayMenuCaption[0], "Move Cards Up");
    EXPECT_EQ(tbl.DisplayMenuCaption[1], "Make Display Larger");
    grisk::ChangeDisplayMode(1);
    EXPECT_EQ(tbl.DisplayMode, 0);
    EXPECT_TRUE(tbl.DisplayMenuEnabled[0]);
}

// Three or four players: small cards only change the cards and the human's
// compact row, edge to edge beside the raised pay-off pile.
TEST_F(RowsTest, SmallCardsAtALargerTableMakeACompactRow) {
    buildTable(3, 3, 0, 15360);
    grisk::ChangeDisplayMode(1);
    ASSERT_EQ(tbl.DisplayMode, 2);
    const QRectF payOff = pixelRect(f().Picture7(1));
    EXPECT_EQ(payOff.size(), QSizeF(59, 80));
    EXPECT_NEAR(payOff.top(), 405 - 80 / 3.0, 1e-9);
    const double base = payOff.left() + 59 / 2.0 + 6;
    for (int k = 1; k <= 5; ++k) {
        const QRectF card = pixelRect(f().Picture7(k + 1));
        EXPECT_DOUBLE_EQ(card.left(), base + k * 59) << "hand slot " << k + 1;
        EXPECT_DOUBLE_EQ(card.top(), payOff.top());
    }
    for (int s = 8; s <= 10; ++s)
        EXPECT_DOUBLE_EQ(pixelRect(f().Picture7(s)).left() - pixelRect(f().Picture7(s - 1)).left(), 59 + 8);
    EXPECT_EQ(pixelRect(f().Label3(0)).size(), QSizeF(274, 93 - 8 + grisk::FrameCaptionStrip()));
}

}  // namespace
