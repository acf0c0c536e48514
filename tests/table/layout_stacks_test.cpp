// Pay-off stacks: their fan of 2.25-pixel steps, which shapes show for the
// cards still on each pile, and the hold-pile outlines.
#include <gtest/gtest.h>

#include "layout_fixture.h"

namespace {

using grisk::eng;
using grisk::tbl;
using grisk_test::pixelRect;

class StackTest : public grisk_test::LayoutTest {};

TEST_F(StackTest, StacksFanLeftInStepsOfTwoAndAQuarterPixels) {
    buildTable(2, 3, 0, 15360);
    for (int seat : {1, 2}) {
        vb::ControlArray& pile = f().seatPictures(seat);
        const QRectF card = pixelRect(pile(1));
        const int last = grisk::StackLast(seat);
        EXPECT_DOUBLE_EQ(pixelRect(f().Stack(last)).left(), card.left() - 2) << "seat " << seat;
        EXPECT_DOUBLE_EQ(pixelRect(f().Stack(last - 24)).left(), card.left() - 56) << "seat " << seat;
        for (int i = last - 24; i < last; ++i) {
            EXPECT_DOUBLE_EQ(pixelRect(f().Stack(i + 1)).left() - pixelRect(f().Stack(i)).left(), 2.25);
            EXPECT_DOUBLE_EQ(pixelRect(f().Stack(i)).top(), card.top());
        }
    }
    // The human's side pile keeps its fraction: 400 - 1.25 x 71.
    EXPECT_DOUBLE_EQ(pixelRect(f().Picture7(1)).left(), 311.25);
    EXPECT_DOUBLE_EQ(pixelRect(f().Stack(1)).left(), 255.25);
    // Seat 2's name stands at the left end of its stack.
    EXPECT_DOUBLE_EQ(pixelRect(f().Label9(4)).left(), pixelRect(f().Stack(26)).left());
}

TEST_F(StackTest, SeatsThreeAndFourHaveTheirOwnStacksAndNames) {
    buildTable(4, 4, 0, 15360);
    for (int seat : {3, 4}) {
        vb::ControlArray& pile = f().seatPictures(seat);
        const int last = grisk::StackLast(seat);
        EXPECT_DOUBLE_EQ(pixelRect(f().Stack(last)).left(), pixelRect(pile(1)).left() - 2);
        EXPECT_DOUBLE_EQ(pixelRect(f().Stack(last - 24)).left(), pixelRect(pile(1)).left() - 56);
        EXPECT_DOUBLE_EQ(pixelRect(f().Label9(seat + 2)).left(), pixelRect(f().Stack(last - 24)).left());
    }
}

// Only the shapes above a seat's index, and only inside the seat's own 25.
TEST_F(StackTest, ShowStackShapesStaysInsideEachSeatsRange) {
    buildTable(3, 3, 0, 15360);
    struct Case {
        const char* what;
        int human, seat2, seat3;
        std::vector<int> shown;  // ranges [from, to] flattened
    };
    const std::vector<Case> cases = {
        {"after a deal with 20 cards", 6, 31, 56, {7, 25, 32, 50, 57, 75}},
        {"a seat never dealt", 6, 0, 56, {7, 25, 26, 50, 57, 75}},
        {"a damaged restore: index above the range", 6, 31, 200, {7, 25, 32, 50}},
        {"a damaged restore: index below zero", -7, 31, 56, {1, 25, 32, 50, 57, 75}},
        {"every pay-off card played", 25, 50, 75, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int i = 1; i <= 75; ++i) f().Stack(i).setVisible(false);
        eng.OppSideShape = 0;
        eng.SideShape = c.human;
        eng.Player2.RecSideShape = c.seat2;
        eng.Player3.RecSideShape = c.seat3;
        grisk::ShowStackShapes(true);
        std::vector<bool> expected(76, false);
        for (std::size_t r = 0; r + 1 < c.shown.size(); r += 2)
            for (int i = c.shown[r]; i <= c.shown[r + 1]; ++i) expected[i] = true;
        for (int i = 1; i <= 75; ++i) EXPECT_EQ(f().Stack(i).Visible(), expected[i]) << "shape " << i;
        EXPECT_FALSE(f().Stack(0).Visible()) << "the template is never shown";
    }
}

TEST_F(StackTest, NoStacksWhileTheSeatIsNotSetUp) {
    buildTable(2, 3);
    eng.OppSideShape = 99;
    eng.SideShape = 0;
    grisk::ShowStackShapes(true);
    for (int i = 1; i <= 50; ++i) EXPECT_FALSE(f().Stack(i).Visible()) << "shape " << i;
}

TEST_F(StackTest, OutlinesBelongToTheSeatOfThePilePicture) {
    buildTable(4, 3);
    struct Case {
        vb::ControlArray* pile;
        int holdPile, outline;
    };
    const Case cases[] = {{&f().Picture7, 1, 1}, {&f().Picture1, 2, 6}, {&f().Picture2, 3, 11},
                          {&f().Picture3, 4, 16}};
    for (const Case& c : cases) {
        grisk::ShowPileOutline((*c.pile)(6 + c.holdPile), true, c.holdPile);
        EXPECT_TRUE(f().StackHold(c.outline).Visible()) << c.pile->Name().toStdString();
        grisk::ShowPileOutline((*c.pile)(6 + c.holdPile), false, c.holdPile);
        EXPECT_FALSE(f().StackHold(c.outline).Visible()) << c.pile->Name().toStdString();
    }
    // A hold pile number outside 1..4 reaches no other seat's outline.
    grisk::ShowPileOutline(f().Picture1(7), true, 5);
    EXPECT_FALSE(f().StackHold(9).Visible());
}

}  // namespace
