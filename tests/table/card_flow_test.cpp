// The card flow: how many tiles it lays, where its frames appear, what the
// table shows again when it ends, a flow started inside a running one, and
// the off-screen buffers it draws with.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTimer>
#include <functional>
#include <ostream>

#include "layout_fixture.h"
#include "platform/eventwait.h"
#include "platform/msgbox.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/animation_flow.h"

using namespace grisk;

namespace {

struct TileCase {
    long width;
    long height;
    int tileWidth;
    int tileHeight;
    int style;
    int across;
    int down;
};

std::ostream& operator<<(std::ostream& os, const TileCase& c) {
    return os << c.width << " x " << c.height << ", tile " << c.tileWidth << " x " << c.tileHeight
              << ", style " << c.style;
}

class FlowTilesTest : public ::testing::TestWithParam<TileCase> {};

TEST_P(FlowTilesTest, CountsFollowTheWindowAndTheTile) {
    const TileCase& c = GetParam();
    const FlowTileCount n = FlowTiles(c.width, c.height, c.tileWidth, c.tileHeight, c.style);
    EXPECT_EQ(n.Across, c.across);
    EXPECT_EQ(n.Down, c.down);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FlowTilesTest,
    ::testing::Values(
        // 800 wide with large tiles: 12 columns overhang by 52, so 13 columns
        // and three times 600 \ 96 + 1 rows.
        TileCase{800, 600, 71, 96, 0, 13, 21},
        TileCase{792, 569, 59, 80, 2, 15, 24},
        // 710 wide: 11 columns overhang by 71, no tripling.
        TileCase{710, 600, 71, 96, 1, 11, 10}, TileCase{710, 600, 71, 96, 0, 11, 12},
        TileCase{710, 600, 71, 96, 2, 11, 12},
        // A tile without size lays nothing (and divides by nothing).
        TileCase{800, 600, 0, 96, 0, 0, 0}, TileCase{800, 600, 71, 0, 1, 0, 0}));

class CardFlowTest : public grisk_test::LayoutTest {
protected:
    void SetUp() override {
        LayoutTest::SetUp();
        eng.DataFolder = tempFolder() + "/";
        buildTable(2, 3);
    }
    QString tileFile() const { return eng.DataFolder + "~temp.bmp"; }
    static int px(double tw) { return static_cast<int>(screen::TwipsToPixels(tw)); }

    // Runs fn from the flow's loop: events also run while the flow sets up,
    // before its tile is loaded; fn waits for the first frame.
    static void whenFlowing(std::function<void()> fn) {
        QTimer::singleShot(0, [fn] {
            if (tbl.FlowTile.Bitmap.isNull())
                whenFlowing(fn);
            else
                fn();
        });
    }

    // What the first frame of the flow showed, taken from inside the flow.
    struct Frame {
        QImage table;
        QImage stock;
        QImage tile;
        bool running = false;
        bool tileFileThere = false;
    };
    Frame runAndCatchFrame(int style) {
        Frame seen;
        whenFlowing([&] {
            seen.table = f().Picture();
            seen.stock = f().PicCenter(0).Picture();
            seen.tile = tbl.FlowTile.Bitmap;
            seen.running = cmd.FlowRunning;
            seen.tileFileThere = QFile::exists(tileFile());
        });
        AnimateCardsFlow(style);
        return seen;
    }
    void expectCleanedUp() {
        EXPECT_FALSE(cmd.FlowRunning);
        EXPECT_TRUE(tbl.BackBuffer.Bitmap.isNull());
        EXPECT_TRUE(tbl.FlowTile.Bitmap.isNull());
        EXPECT_FALSE(QFile::exists(tileFile()));
    }
};

TEST_F(CardFlowTest, StyleZeroTilesTheWholeWindowThenTheTableComesBack) {
    f().Timer1.Enabled = true;
    const Frame seen = runAndCatchFrame(0);
    ASSERT_TRUE(seen.running);
    EXPECT_TRUE(seen.tileFileThere);
    ASSERT_EQ(seen.tile.size(), QSize(71, 96)) << "the large back while everyone's cards are large";
    const QSize inner(px(f().Width() - vb::FrameWidthTw()), px(f().Height() - vb::FrameHeightTw()));
    ASSERT_EQ(seen.table.size(), inner);
    // The first frame lays tile (1, 1) at the window's corner.
    for (const QPoint& at : {QPoint(10, 10), QPoint(71 + 10, 10), QPoint(10, 96 + 10), QPoint(3 * 71 + 30, 2 * 96 + 50)})
        EXPECT_EQ(seen.table.pixel(at), seen.tile.pixel(at.x() % 71, at.y() % 96)) << at.x() << "," << at.y();

    expectCleanedUp();
    EXPECT_TRUE(f().Picture().isNull()) << "the plain table shows again";
    EXPECT_FALSE(f().Timer1.Enabled) << "the idle timer stays off";
    EXPECT_TRUE(cmd.FlowClicked) << "a run without pauses is its own stop request";
}

TEST_F(CardFlowTest, StyleOneRunsAsStripsOverTheTwoPileRows) {
    const Frame seen = runAndCatchFrame(1);
    const int seat2Top = px(f().Picture1(1).topTw());
    const int humanTop = px(f().Picture7(1).topTw());
    ASSERT_GT(humanTop - seat2Top, 96 + 20);
    for (int top : {seat2Top, humanTop})
        EXPECT_EQ(seen.table.pixel(2 + 20, top + 30), seen.tile.pixel(20, 30)) << top;
    const QColor table = vb::toQColor(f().BackColor());
    EXPECT_EQ(QColor(seen.table.pixel(200, seat2Top + 96 + 10)), table) << "between the strips the table shows";
    EXPECT_EQ(QColor(seen.table.pixel(0, humanTop + 10)), table) << "the strip starts 2 pixels in";
    expectCleanedUp();
}

TEST_F(CardFlowTest, OtherStylesFlowInTheStockAlone) {
    const QImage stockBefore = f().PicCenter(0).Picture();
    const Frame seen = runAndCatchFrame(2);
    EXPECT_TRUE(seen.table.isNull()) << "the table window is left alone";
    ASSERT_EQ(seen.stock.size(), QSize(71, 96));
    EXPECT_EQ(seen.stock.pixel(30, 40), seen.tile.pixel(30, 40));
    EXPECT_EQ(f().PicCenter(0).Picture(), stockBefore) << "the stock shows its back again";
    expectCleanedUp();
}

TEST_F(CardFlowTest, AStockRedrawnWhileTheFlowRanKeepsItsNewPicture) {
    QImage redrawn(59, 80, QImage::Format_RGB32);
    redrawn.fill(Qt::red);
    QTimer::singleShot(0, [&] { f().PicCenter(0).setPicture(redrawn); });
    AnimateCardsFlow(2);
    EXPECT_EQ(f().PicCenter(0).Picture(), redrawn);
}

TEST_F(CardFlowTest, SmallCardsGetTheSmallTile) {
    tbl.DisplayMode = 2;
    EXPECT_EQ(runAndCatchFrame(0).tile.size(), QSize(59, 80));
    tbl.DisplayMode = 0;
    eng.NumPlayers = 3;
    eng.ScreenWidthTw = 12000;
    EXPECT_EQ(runAndCatchFrame(0).tile.size(), QSize(59, 80));
    eng.ScreenWidthTw = 12001;
    EXPECT_EQ(runAndCatchFrame(0).tile.size(), QSize(71, 96));
}

// A flow asked for while one runs joins it; the one that set up the flow
// still has its buffers when the joining call returns, and cleans up alone.
TEST_F(CardFlowTest, AFlowStartedInsideARunningOneLeavesItsBuffersToIt) {
    waits::SetPauseScale(0.001);  // frames of a millisecond, events running
    const QImage stockBefore = f().PicCenter(0).Picture();
    struct AfterJoin {
        bool ran = false;
        bool backBuffer = false;
        bool tile = false;
        bool running = false;
        bool tileFile = false;
        QSize stock;
    } after;
    whenFlowing([&] {
        QTimer::singleShot(5, [] { cmd.FlowClicked = true; });
        AnimateCardsFlow(2);
        after.ran = true;
        after.backBuffer = !tbl.BackBuffer.Bitmap.isNull();
        after.tile = !tbl.FlowTile.Bitmap.isNull();
        after.running = cmd.FlowRunning;
        after.tileFile = QFile::exists(tileFile());
        after.stock = f().PicCenter(0).Picture().size();
    });
    QTimer::singleShot(2000, [] { cmd.FlowClicked = true; });  // a safety stop
    AnimateCardsFlow(0);

    ASSERT_TRUE(after.ran);
    EXPECT_TRUE(after.backBuffer);
    EXPECT_TRUE(after.tile);
    EXPECT_TRUE(after.running);
    EXPECT_TRUE(after.tileFile);
    EXPECT_EQ(after.stock, QSize(71, 96)) << "the joining call flowed in the stock";
    expectCleanedUp();
    EXPECT_EQ(f().PicCenter(0).Picture(), stockBefore);
    EXPECT_TRUE(f().Picture().isNull());
}

TEST_F(CardFlowTest, AFlowAskedForWhileTheFirstSetsUpJoinsIt) {
    waits::SetPauseScale(0.001);
    int joined = 0;
    QTimer::singleShot(0, [&] {
        // The first flow is letting events through before its first frame.
        ASSERT_TRUE(tbl.FlowTile.Bitmap.isNull());
        cmd.FlowClicked = true;  // what a click meanwhile would do
        AnimateCardsFlow(1);
        ++joined;
    });
    bool stillFlowing = false;
    whenFlowing([&] {
        stillFlowing = cmd.FlowRunning && !tbl.BackBuffer.Bitmap.isNull();
        cmd.FlowClicked = true;
    });
    AnimateCardsFlow(0);
    EXPECT_EQ(joined, 1);
    EXPECT_TRUE(stillFlowing) << "the first flow set up and ran after the second returned";
    expectCleanedUp();
}

TEST_F(CardFlowTest, TheDealButtonStopsTheFlowThenDeals) {
    f().cmdDeal.setVisible(true);
    bool stillFlowing = false;
    whenFlowing([&] {
        f().Click(f().cmdDeal);
        stillFlowing = cmd.FlowRunning;
    });
    AnimateCardsFlow(0);
    EXPECT_TRUE(stillFlowing) << "the button only stops the flow";
    EXPECT_FALSE(cmd.FlowStop);
    EXPECT_FALSE(cmd.FlowRunning);
    EXPECT_EQ(eng.StockCount, eng.TotalCards - 2 * (eng.SideOption + 1) - 2 * 5) << "then a game was dealt";
}

TEST_F(CardFlowTest, AProgramClosingDuringTheFlowDealsNoGame) {
    f().cmdDeal.setVisible(true);
    whenFlowing([&] {
        eng.Quitting = true;
        cmd.FlowClicked = true;  // as the shut-down stops the flow
        cmd.FlowStop = true;
    });
    AnimateCardsFlow(0);
    EXPECT_FALSE(cmd.FlowStop);
    EXPECT_EQ(eng.StockCount, 0);
    EXPECT_TRUE(f().cmdDeal.Visible());
}

TEST_F(CardFlowTest, ResizingTheWindowStopsTheFlowWithoutADeal) {
    waits::SetPauseScale(0.001);
    int frames = 0;
    bool dealAsked = false;
    whenFlowing([&] {
        ++frames;
        f().Form_Resize();
        dealAsked = cmd.FlowStop;
    });
    QTimer::singleShot(2000, [] { cmd.FlowClicked = true; });  // a safety stop
    AnimateCardsFlow(0);
    EXPECT_EQ(frames, 1);
    EXPECT_FALSE(dealAsked) << "no deal waits for the flow's end";
    expectCleanedUp();
}

TEST_F(CardFlowTest, WithoutATileTheFlowEndsAtOnce) {
    eng.DataFolder = tempFolder() + "/no such folder/";
    AnimateCardsFlow(0);
    expectCleanedUp();
    EXPECT_TRUE(vb::msgbox_script::shown().empty()) << "a tile that was never written is no error";
}

TEST_F(CardFlowTest, ABufferLoadsItsFileOrSaysItCannot) {
    BitmapBuffer buffer;
    buffer.FileName = tempPath("missing.bmp");
    buffer.Bitmap = QImage(3, 4, QImage::Format_RGB32);
    buffer.Width = 3;
    buffer.Height = 4;
    LoadBitmapBuffer(buffer);
    EXPECT_EQ(buffer.Width, 3) << "a missing file leaves the buffer as it was";

    QImage good(20, 30, QImage::Format_RGB32);
    good.fill(Qt::blue);
    buffer.FileName = tempPath("good.bmp");
    ASSERT_TRUE(good.save(buffer.FileName, "BMP"));
    LoadBitmapBuffer(buffer);
    EXPECT_EQ(buffer.Width, 20);
    EXPECT_EQ(buffer.Height, 30);
    EXPECT_EQ(QColor(buffer.Bitmap.pixel(5, 5)), QColor(Qt::blue));

    buffer.FileName = tempPath("broken.bmp");
    QFile broken(buffer.FileName);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    LoadBitmapBuffer(buffer);
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_EQ(vb::msgbox_script::shown()[0].prompt, "Error: Unable to load " + buffer.FileName + "!!!");
    EXPECT_TRUE(buffer.Bitmap.isNull());
    EXPECT_EQ(buffer.Width, 0);

    FreeBitmapBuffer(buffer);
    FreeBitmapBuffer(buffer);
    EXPECT_TRUE(buffer.Bitmap.isNull()) << "a free buffer stays free";
}

TEST_F(CardFlowTest, TheBackBufferIsTheWindowsInnerAreaAndItsSizeTheOuter) {
    PrepareAnimation();
    EXPECT_EQ(tbl.BackBufferWidth, std::lround(screen::TwipsToPixels(f().Width())));
    EXPECT_EQ(tbl.BackBufferHeight, std::lround(screen::TwipsToPixels(f().Height())));
    EXPECT_EQ(tbl.BackBuffer.Width, px(f().Width() - vb::FrameWidthTw()));
    EXPECT_EQ(tbl.BackBuffer.Height, px(f().Height() - vb::FrameHeightTw()));
    EXPECT_EQ(QColor(tbl.BackBuffer.Bitmap.pixel(0, 0)), QColor(Qt::black));
    FreeAllBuffers();
    EXPECT_TRUE(tbl.BackBuffer.Bitmap.isNull());
    PaintBuffers(0);
    EXPECT_TRUE(f().Picture().isNull()) << "no buffer, nothing painted";
}

}  // namespace
