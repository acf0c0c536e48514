// Changing the display size: the window kept on the screen, the dialogs that
// keep the window in place, the half spacing and the centre piles shown,
// and each command of the display-size menu leaving the table whole.
#include <gtest/gtest.h>

#include "layout_fixture.h"
#include "records/state.h"
#include "table/display_size.h"
#include "platform/formwindow.h"
#include "shell/menu_commands.h"
#include "table/table_geometry.h"

#include <ostream>
#include <vector>

using namespace grisk;

namespace {

class DisplaySizeTest : public grisk_test::LayoutTest {};

// At start-up (the vertical layout, which puts the window in the corner, is
// left for later) the stored place is kept unless the window would reach past
// the screen's right edge.
TEST_F(DisplaySizeTest, AWindowReachingPastTheScreensRightEdgeGoesBackToIt) {
    buildTable(2, 3, 0, 15360);
    cmd.FormLoading = true;
    eng.MainFormWidth = 12000;
    const struct {
        double left;
        double after;
    } cases[] = {{3000, 3000}, {3360, 3360}, {3361, 0}, {5000, 0}, {0, 0}};
    for (const auto& c : cases) {
        f().setLeft(c.left);
        ChangeDisplayMode(0);  // the rows move, the size stays
        EXPECT_DOUBLE_EQ(f().Left(), c.after) << "left " << c.left;
    }
}

TEST_F(DisplaySizeTest, MakingTheTableLargeAgainPutsTheWindowInTheCorner) {
    buildTable(2, 3, 2, 15360);
    f().setScaleMode(vb::ScaleMode::Twips);
    f().Move(900, 600, f().Width(), f().Height());
    ChangeDisplayMode(1);
    EXPECT_EQ(tbl.DisplayMode, 0);
    EXPECT_DOUBLE_EQ(f().Left(), 0);
    EXPECT_DOUBLE_EQ(f().Top(), 0);
    EXPECT_EQ(tbl.CardSpacing, 102);
    EXPECT_EQ(tbl.CardHalfSpacing, 51);
}

TEST_F(DisplaySizeTest, ASizeChangeSetsTheRemarkFontAndOnANarrowScreenTheRules) {
    for (double width : {12000.0, 15360.0}) {
        SCOPED_TRACE(width);
        buildTable(2, 3, 0, width);
        recs.NameFontSize = 13;
        f().lblRules.setCaption(QStringLiteral("old"));
        ChangeDisplayMode(1);
        EXPECT_EQ(f().Label9(2).FontSize(), 13);
        EXPECT_EQ(f().lblRules.Caption().startsWith("Rules:"), width < 12001) << f().lblRules.Caption().toStdString();
        ChangeDisplayMode(1);
    }
}

// Whatever size the window takes (two players in small cards shrink it),
// the status bar lies along the bottom of its inner area, across its width.
TEST_F(DisplaySizeTest, TheStatusBarKeepsToTheWindowsBottomEdge) {
    for (int players : {2, 3}) {
        for (double width : {12000.0, 15360.0, 19200.0}) {
            buildTable(players, 3, 0, width);
            for (int step = 0; step < 4; ++step) {
                SCOPED_TRACE(testing::Message() << players << " players, " << width << " twips, mode "
                                                << tbl.DisplayMode);
                const vb::Control& bar = f().StatusBar1;
                EXPECT_DOUBLE_EQ(bar.leftTw(), 0);
                EXPECT_DOUBLE_EQ(bar.topTw() + bar.heightTw(), f().Height() - f().frameHeightTw());
                EXPECT_DOUBLE_EQ(bar.widthTw(), f().Width() - f().frameWidthTw());
                ChangeDisplayMode(1);
            }
        }
    }
}

TEST_F(DisplaySizeTest, ThreeCentrePilesLeaveTheFourthAsItWas) {
    buildTable(2, 4, 0, 15360);
    eng.NumCenters = 3;
    for (int c = 1; c <= 4; ++c) f().PicCenter(c).setVisible(false);
    f().PicCenter(4).setVisible(true);
    ShowCentrePiles();
    for (int c = 1; c <= 3; ++c) EXPECT_TRUE(f().PicCenter(c).Visible()) << c;
    f().PicCenter(4).setVisible(false);
    ShowCentrePiles();
    EXPECT_FALSE(f().PicCenter(4).Visible()) << "never shown, never hidden";
}

}  // namespace

namespace {

struct SizeCase {
    int players, centres, widthTw;
};

std::ostream& operator<<(std::ostream& os, const SizeCase& c) {
    return os << c.players << " players, " << c.centres << " centres, " << c.widthTw << " twips";
}

class DisplayCommandTest : public grisk_test::LayoutTest, public ::testing::WithParamInterface<SizeCase> {
protected:
    // After a command the table shows whole: every pile, button and label
    // inside the window, the window inside the screen, the Deal button
    // clear of every pile, frame and the board, the hold-row frames apart
    // with their captions readable above their piles, no back on a pay-off
    // pile without cards, and the menu strip whole.
    void expectWhole(const std::string& after) {
        SCOPED_TRACE(after);
        const QRectF inner = grisk::TableInnerRect();
        for (const grisk::PlacedControl& c : grisk::VisibleTableControls())
            if (!c.rect.isEmpty())
                EXPECT_TRUE(inner.contains(c.rect)) << c.name.toStdString() << "(" << c.index << ") outside";
        EXPECT_LE(f().Height(), eng.ScreenHeightTw);
        const QRectF deal = grisk_test::pixelRect(f().cmdDeal);
        std::vector<QRectF> solid{grisk_test::pixelRect(f().imgCenter)};
        for (int seat = 1; seat <= eng.NumPlayers; ++seat) {
            for (int i = 1; i <= 10; ++i) solid.push_back(grisk_test::pixelRect(f().seatPictures(seat)(i)));
            solid.push_back(grisk_test::pixelRect(f().Label3(seat - 1)));
            solid.push_back(grisk_test::pixelRect(f().Stack(grisk::StackFirst(seat))));
        }
        for (const QRectF& r : solid) EXPECT_FALSE(deal.intersects(r)) << "the Deal button is covered";
        for (int a = 0; a < eng.NumPlayers; ++a)
            for (int b = a + 1; b < eng.NumPlayers; ++b)
                EXPECT_FALSE(grisk_test::pixelRect(f().Label3(a)).intersects(grisk_test::pixelRect(f().Label3(b))))
                    << "frames " << a << " and " << b;
        for (int seat = 1; seat <= eng.NumPlayers; ++seat) {
            const vb::Control& frame = f().Label3(seat - 1);
            if (frame.Caption().isEmpty()) continue;
            const QRectF caption = vb::CaptionRectPx(frame);
            EXPECT_GE(caption.height(), 9) << "seat " << seat << "'s caption";
            for (int i = 7; i <= 10; ++i)
                EXPECT_FALSE(caption.intersects(grisk_test::pixelRect(f().seatPictures(seat)(i))))
                    << "seat " << seat << "'s caption meets slot " << i;
        }
        EXPECT_FALSE(f().Picture7(1).Visible()) << "no back on the empty pay-off pile";
        expectMenuStripWhole();
        // Each name whole, clear of every pile and stack; the message and
        // remark lines' texts clear of them too, and of the names (on a
        // table of three or four players that fits a 640 by 480 screen the
        // remark, and at four players the message, have no such place).
        const bool crowded = eng.ScreenWidthTw < 10000 && eng.NumPlayers > 2;
        std::vector<Text> texts = messageAndRemarkTexts(!crowded || eng.NumPlayers == 3, !crowded);
        const std::size_t lines = texts.size();
        for (const Text& name : nameTexts()) texts.push_back(name);
        for (std::size_t t = 0; t < texts.size(); ++t) {
            const auto& [what, text] = texts[t];
            for (int other = 1; other <= eng.NumPlayers; ++other) {
                for (int i = 1; i <= 10; ++i)
                    EXPECT_FALSE(text.intersects(grisk_test::pixelRect(f().seatPictures(other)(i))))
                        << what << " meets seat " << other << "'s slot " << i;
                for (int i = grisk::StackFirst(other); i <= grisk::StackLast(other); ++i)
                    EXPECT_FALSE(text.intersects(grisk_test::pixelRect(f().Stack(i))))
                        << what << " meets seat " << other << "'s stack";
            }
            if (t < lines)
                for (std::size_t n = lines; n < texts.size(); ++n)
                    EXPECT_FALSE(text.intersects(texts[n].second)) << what << " meets " << texts[n].first;
        }
    }
};

// The commands of the display-size sub-menu as the Options menu runs them,
// one after the other, from the table start-up lays out before a deal:
// the rows up and down again, smaller, larger, and the window's default
// size again (which also puts the window back in the corner).
TEST_P(DisplayCommandTest, EachDisplaySizeCommandLeavesTheTableWhole) {
    const SizeCase& c = GetParam();
    buildTable(c.players, c.centres, 0, c.widthTw);
    f().cmdDeal.setVisible(true);
    expectWhole("start-up");
    const struct {
        int item;
        const char* what;
    } commands[] = {{0, "Move Cards Up"}, {0, "Move Cards Down"}, {1, "Make Display Smaller"},
                    {1, "Make Display Larger"}, {0, "Move Cards Up"}, {2, "Reset Default Window Size"}};
    for (const auto& command : commands) {
        if (!tbl.DisplayMenuEnabled[static_cast<std::size_t>(command.item)]) continue;
        f().setScaleMode(vb::ScaleMode::Twips);
        f().Move(600, 450, f().Width(), f().Height());
        MenuPreferencesCommand(13, command.item);
        f().setScaleMode(vb::ScaleMode::Pixels);
        expectWhole(command.what);
        if (command.item == 2) {
            EXPECT_DOUBLE_EQ(f().Left(), 0) << "back in the corner";
            EXPECT_DOUBLE_EQ(f().Top(), 0);
        }
    }
}

std::vector<SizeCase> sizeCases() {
    std::vector<SizeCase> out;
    for (int players : {2, 3, 4})
        for (int centres : {3, 4})
            for (int width : {9600, 12000, 15360, 19200}) out.push_back({players, centres, width});
    return out;
}

INSTANTIATE_TEST_SUITE_P(Tables, DisplayCommandTest, ::testing::ValuesIn(sizeCases()),
                         [](const ::testing::TestParamInfo<SizeCase>& info) {
                             return "p" + std::to_string(info.param.players) + "c" +
                                    std::to_string(info.param.centres) + "w" + std::to_string(info.param.widthTw);
                         });

}  // namespace
