// Whole tables for every player count, number of centre piles, display mode
// and the screen widths where the layout changes: no seat's piles overlap
// another's or the centre's, and the card sizes are the ones each seat uses.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "layout_fixture.h"

namespace {

using grisk::eng;
using grisk::tbl;
using grisk_test::pixelRect;

struct TableCase {
    int players, centres, mode, widthTw;
};

std::ostream& operator<<(std::ostream& os, const TableCase& c) {
    return os << c.players << " players, " << c.centres << " centres, mode " << c.mode << ", "
              << c.widthTw << " twips";
}

struct Group {
    std::string name;
    std::vector<QRectF> rects;
};

class WholeTableTest : public grisk_test::LayoutTest, public ::testing::WithParamInterface<TableCase> {
protected:
    // Each seat's ten piles are one group (a seat's own fanned hand and
    // hold piles may overlap); every centre pile and the stock are groups
    // of their own.
    std::vector<Group> groups() {
        std::vector<Group> out;
        for (int seat = 1; seat <= eng.NumPlayers; ++seat) {
            Group g{"seat " + std::to_string(seat), {}};
            for (int i = 1; i <= 10; ++i) g.rects.push_back(pixelRect(f().seatPictures(seat)(i)));
            out.push_back(g);
        }
        for (int c = 1; c <= eng.NumCenters; ++c)
            out.push_back({"centre pile " + std::to_string(c), {pixelRect(f().PicCenter(c))}});
        out.push_back({"stock", {pixelRect(f().PicCenter(0))}});
        return out;
    }
};

class CardSizeTest : public WholeTableTest {};

TEST_P(WholeTableTest, PilesOfDifferentSeatsAndTheCentreNeverOverlap) {
    const TableCase& c = GetParam();
    buildTable(c.players, c.centres, c.mode, c.widthTw);
    const std::vector<Group> all = groups();
    for (std::size_t a = 0; a < all.size(); ++a)
        for (std::size_t b = a + 1; b < all.size(); ++b)
            for (const QRectF& ra : all[a].rects)
                for (const QRectF& rb : all[b].rects)
                    EXPECT_FALSE(ra.intersects(rb))
                        << all[a].name << " " << ra.x() << "," << ra.y() << " meets " << all[b].name << " "
                        << rb.x() << "," << rb.y();
}

TEST_P(CardSizeTest, EachSeatShowsItsCardSize) {
    const TableCase& c = GetParam();
    buildTable(c.players, c.centres, c.mode, c.widthTw);
    const QSizeF large(71, 96), small(59, 80);
    const QSizeF mine = c.mode >= 2 ? small : large;
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(pixelRect(f().Picture7(i)).size(), mine) << "human slot " << i;
        for (int seat = 2; seat <= c.players; ++seat) {
            const QSizeF theirs = c.players == 2 ? mine : small;
            EXPECT_EQ(pixelRect(f().seatPictures(seat)(i)).size(), theirs) << "seat " << seat << " slot " << i;
        }
    }
    // (A two-player table goes small by scaling the whole window.)
    if (c.players > 2 || c.mode < 2) {
        for (int p = 1; p <= c.centres; ++p) EXPECT_EQ(pixelRect(f().PicCenter(p)).size(), mine) << "centre " << p;
    }
    EXPECT_TRUE(f().PicCenter.exists(4) == (c.centres == 4 || c.players > 2));
    if (c.centres == 3 && f().PicCenter.exists(4)) {
        EXPECT_FALSE(f().PicCenter(4).Visible());
    }
    EXPECT_EQ(tbl.Seat3Loaded, c.players >= 3);
    EXPECT_EQ(tbl.Seat4Loaded, c.players == 4);
}

std::vector<TableCase> tables(std::initializer_list<int> widths) {
    std::vector<TableCase> out;
    for (int players : {2, 3, 4})
        for (int centres : {3, 4})
            for (int mode : {0, 1, 2})
                for (int width : widths) out.push_back({players, centres, mode, width});
    return out;
}

// The screens of 640, 800, 1024 and 1280 pixels. Between 12001 and 12999
// twips the screen already counts as wide (the stock goes under the avatar)
// while the window is still too narrow for it: there the stock meets a hold
// row, as the anchors place them.
INSTANTIATE_TEST_SUITE_P(Tables, WholeTableTest,
                         ::testing::ValuesIn(tables({9600, 12000, 15360, 19200})));


INSTANTIATE_TEST_SUITE_P(Tables, CardSizeTest,
                         ::testing::ValuesIn(tables({9600, 12000, 12001, 12288, 13000, 13001, 15360})));

}  // namespace
