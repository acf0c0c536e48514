// Changing the display size: the window kept on the screen, the dialogs that
// keep the window in place, the half spacing and the centre piles shown.
#include <gtest/gtest.h>

#include "layout_fixture.h"
#include "records/state.h"
#include "table/display_size.h"

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
