// The developer's view of the shuffled stock: 20 overlapping cards a row in
// stock order, each deal's view open until the user closes it; a number
// deck, which has no face sheet, shows blank cells.
#include <gtest/gtest.h>

#include "engine/state.h"
#include "layout_fixture.h"
#include "records/state.h"
#include "table/card_drawing.h"
#include "table/debug_deck.h"

namespace {

using grisk::eng;

class DebugDeckTest : public grisk_test::LayoutTest {
protected:
    void SetUp() override {
        LayoutTest::SetUp();
        buildTable(2, 3);
        for (int i = 1; i <= eng.TotalCards; ++i) eng.Deck(0, i) = (i * 37) % 104 + 1;
    }
    static vb::Form* view() {
        vb::Form* found = nullptr;
        for (vb::Form* form : vb::forms::loaded())
            if (form->Caption() == "The Shuffled Deck") found = form;
        return found;
    }
    // The part of card i (1..) that the next card leaves uncovered.
    static QImage visible(const QImage& canvas, int i) {
        const int row = (i - 1) / 20, col = (i - 1) % 20;
        return canvas.copy(col * 45, row * 75, 45, 75);
    }
};

TEST_F(DebugDeckTest, TheStockIsShownInOrderTwentyCardsARow) {
    grisk::recs.DeckStyle = 6;
    grisk::DebugShowDeck();
    vb::Form* w = view();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->Visible());
    EXPECT_EQ(w->Width(), f().Width());
    EXPECT_EQ(w->Height(), f().Height());
    const QImage canvas = w->Picture();
    ASSERT_EQ(canvas.width(), 19 * 45 + 71);
    ASSERT_EQ(canvas.height(), 5 * 75 + 96) << "104 cards: six rows";
    for (int i : {1, 20, 21, 77, 104}) {
        const QImage face = grisk::SheetFaceImage(eng.Deck(0, i)).convertToFormat(canvas.format());
        EXPECT_EQ(visible(canvas, i), face.copy(0, 0, 45, 75)) << i;
    }

    // A second deal opens a view of its own; the first stays until the user
    // closes it, and a closed one is not opened again.
    const auto views = [] {
        int n = 0;
        for (vb::Form* form : vb::forms::loaded()) n += form->Caption() == "The Shuffled Deck";
        return n;
    };
    grisk::DebugShowDeck();
    EXPECT_EQ(views(), 2);
    EXPECT_TRUE(w->isLoaded() && w->Visible()) << "the first view stays open";
    w->windowClosed();  // the user closes it
    EXPECT_EQ(views(), 1);
    grisk::DebugShowDeck();
    EXPECT_EQ(views(), 2);
}

TEST_F(DebugDeckTest, ANumberDeckOrAMissingCardPaintsBlankCells) {
    const struct {
        int style;
        int emptyPlace;  // a stock place without a card
    } cases[] = {{1, 0}, {5, 0}, {6, 30}};
    for (const auto& c : cases) {
        grisk::recs.DeckStyle = c.style;
        if (c.emptyPlace) eng.Deck(0, c.emptyPlace) = 0;
        grisk::DebugShowDeck();
        ASSERT_NE(view(), nullptr);
        const QImage canvas = view()->Picture();
        const QImage blank = visible(canvas, c.emptyPlace ? c.emptyPlace : 1);
        EXPECT_NE(blank, grisk::SheetFaceImage(eng.Deck(0, 1)).convertToFormat(canvas.format()).copy(0, 0, 45, 75));
        if (c.emptyPlace) continue;
        for (int i = 2; i <= eng.TotalCards; ++i) EXPECT_EQ(visible(canvas, i), blank) << c.style << ": " << i;
    }
}

}  // namespace
