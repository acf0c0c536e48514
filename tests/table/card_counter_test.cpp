// The card counter: its grid text from the seen marks of the stock, its
// size for two to four players, and the keys that close it.
#include <gtest/gtest.h>

#include "engine/general.h"
#include "engine/state.h"
#include "layout_fixture.h"
#include "platform/keys.h"
#include "table/card_counter.h"
#include "table/state.h"

namespace {

using grisk::eng;

constexpr int kF8 = vb::vbKeyF1 + 7;

class CardCounterTest : public grisk_test::LayoutTest {
protected:
    void players(int n) {
        eng.NumPlayers = n;
        eng.TotalCards = 52 * n;
        eng.Deck.redim({{0, 2}, {0, eng.TotalCards}});
    }
    static QString grid() { return grisk::frmCounter().LblGrid.Caption(); }
};

TEST_F(CardCounterTest, BeforeTheDealEveryEntryIsOpen) {
    players(2);
    grisk::UpdateCardCounter();
    // Thirteen entries a row, the tenth a blank wider; every row ends with a
    // line break and a blank.
    const QString row = " _  _  _  _  _  _  _  _  _  _   _  _  _ ";
    QString expected = row;
    for (int r = 2; r <= 8; ++r) expected += "\n " + row;
    expected += "\n ";
    EXPECT_EQ(grid(), expected);
    EXPECT_EQ(grisk::frmCounter().Label1.Caption(), "1  2  3  4  5  6  7  8  9 10 J  Q  K");
    EXPECT_TRUE(grisk::IsFormLoaded("frmCounter")) << "referring to the counter loads it";
    EXPECT_FALSE(grisk::frmCounter().Visible()) << "only the command shows it";
}

TEST_F(CardCounterTest, SeenCardsShowTheirMarkInTheirRankColumn) {
    players(2);
    for (int n : {1, 10, 13, 14, 62, 104}) eng.Deck(2, n) = 1;
    grisk::UpdateCardCounter();
    const QStringList rows = grid().split('\n');
    ASSERT_EQ(rows.size(), 9);
    EXPECT_EQ(rows[0], " 1  _  _  _  _  _  _  _  _  1   _  _  1 ");
    EXPECT_EQ(rows[1], "  1  _  _  _  _  _  _  _  _  _   _  _  _ ");
    EXPECT_EQ(rows[4], "  _  _  _  _  _  _  _  _  _  1   _  _  _ ") << "the second deck's tenth";
    EXPECT_EQ(rows[7], "  _  _  _  _  _  _  _  _  _  _   _  _  1 ");
    EXPECT_EQ(rows[8], " ");
}

TEST_F(CardCounterTest, RowsAndHeightFollowThePlayers) {
    players(2);
    grisk::FrmCounter& two = grisk::frmCounter();
    const double designed = two.Height();
    const double labels = two.Image1(0).Height();
    EXPECT_FALSE(two.Image1.exists(1));
    EXPECT_EQ(two.Image1(0).Top(), two.LblGrid.Top()) << "the row labels stand beside the grid";
    EXPECT_TRUE(two.StayOnTop());
    ASSERT_TRUE(two.Unload(1));

    const struct {
        int players;
        int rows;
        double growth;  // in row-label pictures
    } cases[] = {{3, 12, 0.5}, {4, 16, 1.0}, {2, 8, 0.0}};
    for (const auto& c : cases) {
        players(c.players);
        grisk::UpdateCardCounter();
        grisk::FrmCounter& w = grisk::frmCounter();
        EXPECT_EQ(grid().count('\n'), c.rows) << c.players;
        EXPECT_DOUBLE_EQ(w.Height(), designed + c.growth * labels) << c.players;
        EXPECT_EQ(w.Image1.exists(1), c.players >= 3) << c.players;
        if (c.players >= 3) {
            EXPECT_DOUBLE_EQ(w.Image1(1).Top(), w.Image1(0).Top() + labels + 10);
            EXPECT_DOUBLE_EQ(w.Image1(1).Height(), c.players == 3 ? labels / 2 : labels);
            EXPECT_TRUE(w.Image1(1).Visible());
        }
        // The grid has room for all its rows.
        EXPECT_GE(w.LblGrid.Top() + w.LblGrid.Height(), w.Image1(0).Top() + labels * c.rows / 8.0);
        ASSERT_TRUE(w.Unload(1)) << "closed, the next use builds it anew";
    }
}

TEST_F(CardCounterTest, WithLargeFontsItsTextShrinksButNotItsRowLabels) {
    players(2);
    grisk::FrmCounter& normal = grisk::frmCounter();
    const double font = normal.LblGrid.FontSize();
    const double labelWidth = normal.Image1(0).Width();
    const double height = normal.Height();
    grisk::ReleaseFrmCounter();
    eng.LargeFonts = true;
    grisk::tbl.CardSpacing = 82;
    grisk::FrmCounter& large = grisk::frmCounter();
    EXPECT_NEAR(large.LblGrid.FontSize(), font * 0.8, 1e-6);
    EXPECT_NEAR(large.Label1.FontSize(), font * 0.8, 1e-6);
    EXPECT_EQ(large.Image1(0).Width(), labelWidth);
    EXPECT_NEAR(large.Height(), height * 0.8, 0.01);
    EXPECT_EQ(grisk::tbl.CardSpacing, 82);
}

TEST_F(CardCounterTest, EnterAndF8CloseItOtherKeysDoNot) {
    players(2);
    const struct {
        int key;
        bool closes;
    } cases[] = {{vb::vbKeyReturn, true}, {kF8, true}, {vb::vbKeyEscape, false}, {vb::vbKeyF1 + 6, false}};
    for (const auto& c : cases) {
        grisk::UpdateCardCounter();
        grisk::FrmCounter& w = grisk::frmCounter();
        w.Show();
        int key = c.key;
        w.Form_KeyDown(key, 0);
        EXPECT_EQ(w.isLoaded(), !c.closes) << c.key;
        if (!c.closes) EXPECT_TRUE(w.StayOnTop()) << c.key;
        else EXPECT_FALSE(w.StayOnTop()) << "no longer kept on top once closed";
        w.Unload(1);
    }
}

}  // namespace
