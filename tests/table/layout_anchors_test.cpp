// The layout anchors for two to four players, three or four centre piles,
// both card sizes and the screen widths where the layout changes.
#include <gtest/gtest.h>

#include <ostream>

#include "layout_fixture.h"

namespace {

using grisk::eng;
using grisk::tbl;

constexpr int kUnchanged = -999;  // SeatHoldTop left as it was

struct AnchorCase {
    int players, centres, cardWidth, widthTw;
    int handTop, handLeft, holdTop, holdLeft;
    int seat2SideLeft, seat2SideTop, seat2HandLeft, seatHoldTop;
    int centreTop, centreLeft;
};

std::ostream& operator<<(std::ostream& os, const AnchorCase& c) {
    return os << c.players << " players, " << c.centres << " centres, W " << c.cardWidth << ", "
              << c.widthTw << " twips";
}

class AnchorTest : public grisk_test::LayoutTest, public ::testing::WithParamInterface<AnchorCase> {};

TEST_P(AnchorTest, ComputeTableCoordinatesSetsTheAnchors) {
    const AnchorCase& c = GetParam();
    loadStartControls();
    eng.NumPlayers = c.players;
    eng.NumCenters = c.centres;
    eng.ScreenWidthTw = c.widthTw;
    tbl.CardWidthPx = c.cardWidth;
    tbl.CardHeightPx = c.cardWidth == 71 ? 96 : 80;
    tbl.SeatHoldTop = kUnchanged;
    tbl.Seat2HoldLeft = 777;

    grisk::ComputeTableCoordinates();

    EXPECT_EQ(tbl.HandRowTop, c.handTop);
    EXPECT_EQ(tbl.HandRowLeft, c.handLeft);
    EXPECT_EQ(tbl.HoldRowTop, c.holdTop);
    EXPECT_EQ(tbl.HoldRowLeft, c.holdLeft);
    EXPECT_EQ(tbl.Seat2SideLeft, c.seat2SideLeft);
    EXPECT_EQ(tbl.Seat2SideTop, c.seat2SideTop);
    EXPECT_EQ(tbl.Seat2HandTop, c.seat2SideTop);
    EXPECT_EQ(tbl.Seat2HandLeft, c.seat2HandLeft);
    EXPECT_EQ(tbl.SeatHoldTop, c.seatHoldTop);
    EXPECT_EQ(tbl.CenterAreaTop, c.centreTop);
    EXPECT_EQ(tbl.CenterAreaLeft, c.centreLeft);

    // Seat 2's side pile always follows; its first hand card and hold pile
    // only at two players (the fan of a larger table places them).
    const QRectF side = grisk_test::pixelRect(f().Picture1(1));
    EXPECT_EQ(side.topLeft(), QPointF(c.seat2SideLeft, c.seat2SideTop));
    if (c.players == 2) {
        EXPECT_EQ(grisk_test::pixelRect(f().Picture1(2)).topLeft(), QPointF(c.seat2HandLeft, 6));
        EXPECT_EQ(tbl.Seat2HoldLeft, c.holdLeft);
        EXPECT_DOUBLE_EQ(grisk_test::pixelRect(f().Picture1(7)).left(), c.holdLeft);
    } else {
        EXPECT_EQ(tbl.Seat2HoldLeft, 777) << "kept at a larger table";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, AnchorTest,
    ::testing::Values(
        // Two players: 12288 twips (1024 pixels) is the first wide width.
        AnchorCase{2, 3, 71, 9600, 392, 166, 273, 300, 151, 6, 240, kUnchanged, 202, 33},
        AnchorCase{2, 3, 71, 12000, 392, 166, 273, 300, 151, 6, 240, kUnchanged, 202, 33},
        AnchorCase{2, 4, 71, 12000, 392, 266, 273, 400, 151, 6, 240, kUnchanged, 153, 166},
        AnchorCase{2, 3, 59, 12287, 392, 166, 273, 300, 166, 6, 240, kUnchanged, 214, 33},
        AnchorCase{2, 3, 71, 12288, 400, 400, 279, 480, 231, 6, 320, 102, 218, 152},
        AnchorCase{2, 3, 59, 12288, 400, 400, 279, 480, 246, 6, 320, 86, 230, 194},
        AnchorCase{2, 4, 71, 15360, 400, 400, 279, 480, 231, 6, 320, 102, 153, 225},
        AnchorCase{2, 4, 59, 15360, 400, 400, 279, 480, 246, 6, 320, 86, 153, 225},
        // Three players: seat 2 at 250 whatever the screen; rows lower above
        // 13000 twips. The other seats' hold rows stand at least 104 down,
        // leaving a line for the names under their pay-off piles (5 + 80 +
        // a line of 13 + 1), above their frames (5 higher).
        // (On a screen of 640 pixels seat 3 moves left to lie whole on the
        // window, and seat 2 the least that keeps it clear of seat 3.)
        AnchorCase{3, 3, 71, 9600, 392, 433, 273, 433, 224, 5, 270, 104, 213, 126},
        AnchorCase{3, 4, 71, 13000, 392, 433, 273, 433, 250, 5, 296, 104, 213, 126},
        AnchorCase{3, 4, 71, 15360, 405, 433, 290, 433, 250, 5, 296, 116, 230, 126},
        AnchorCase{3, 3, 59, 13001, 405, 433, 290, 433, 250, 5, 290, 104, 230, 126},
        // Four players: seat 2 at 63 below 12288 twips, else 80, but its
        // pay-off stack (56 pixels) begins right of the menu tab (54 + 2):
        // 112.
        AnchorCase{4, 3, 71, 12000, 392, 433, 273, 433, 112, 5, 158, 104, 213, 126},
        AnchorCase{4, 4, 59, 12001, 392, 433, 273, 433, 112, 5, 152, 104, 213, 126},
        AnchorCase{4, 4, 71, 12288, 392, 433, 273, 433, 112, 5, 158, 104, 213, 126},
        AnchorCase{4, 3, 71, 13001, 405, 433, 290, 433, 112, 5, 158, 116, 230, 126},
        AnchorCase{4, 3, 59, 15360, 405, 433, 290, 433, 112, 5, 152, 104, 230, 126}));

}  // namespace
