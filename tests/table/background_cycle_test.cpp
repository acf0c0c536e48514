// Stepping through the table's backgrounds: the pictures of the user's
// folder and then the plain colour, with files that went missing or cannot
// be read; tiling and stretching; and the keys that do it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/controls.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "records/state.h"
#include "records/user_files.h"
#include "shell/keyboard.h"
#include "shell/state.h"
#include "support/test_support.h"
#include "table/background.h"
#include "table/card_store.h"

using namespace grisk;

namespace {

class BackgroundCycleTest : public grisk_test::GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        eng.UserFolder = tempFolder() + "/";
        eng.AppFolder = QStringLiteral(GRISK_BINARY_DIR);
        QDir().mkpath(tempPath("Backgrounds"));
        recs.TableColor = 0x123456;
        recs.PrevBackground = 1;  // the explaining box has been shown
    }
    void TearDown() override {
        ReleaseFrmGrisk();
        ReleaseCardPictureStores();
    }
    void picture(const QString& name, QColor colour, QSize size = QSize(40, 30)) {
        QImage img(size, QImage::Format_RGB32);
        img.fill(colour);
        ASSERT_TRUE(img.save(tempPath("Backgrounds/" + name), "PNG"));
    }
    void junk(const QString& name) {
        QFile f(tempPath("Backgrounds/" + name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a picture at all");
    }
    // The colour the table shows at its top left corner.
    static QRgb shownColour() {
        const FrmGrisk& f = frmGrisk();
        if (f.Picture().isNull()) return vb::toQColor(f.BackColor()).rgb();
        return f.Picture().pixel(0, 0);
    }
};

TEST_F(BackgroundCycleTest, ThePlainColourFollowsTheLastPictureBothWays) {
    picture("GameBoard.gif", Qt::green);
    picture("b.bmp", Qt::blue);
    picture("c.jpg", Qt::red);
    ListBackgroundFiles();
    ASSERT_EQ(recs.NumBackgrounds, 3);
    recs.BackgroundIdx = 3;
    const struct {
        int key;
        int idx;
        QRgb colour;
    } steps[] = {
        {40, 4, vb::toQColor(0x123456).rgb()}, {32, 1, QColor(Qt::green).rgb()}, {38, 4, vb::toQColor(0x123456).rgb()},
        {37, 3, QColor(Qt::red).rgb()},        {38, 2, QColor(Qt::blue).rgb()},
    };
    for (const auto& s : steps) {
        CycleBackground(s.key);
        EXPECT_EQ(recs.BackgroundIdx, s.idx) << "key " << s.key;
        EXPECT_EQ(recs.PrevBackground, s.idx);
        EXPECT_EQ(shownColour(), s.colour) << "key " << s.key;
    }
    EXPECT_TRUE(vb::msgbox_script::shown().empty());
}

TEST_F(BackgroundCycleTest, TheFirstChangeExplainsTheKeysEvenWithoutTheMessageFile) {
    picture("GameBoard.gif", Qt::green);
    ListBackgroundFiles();
    recs.BackgroundIdx = 1;
    for (const QString& app : {QStringLiteral(GRISK_BINARY_DIR), tempPath("no-program-here")}) {
        SCOPED_TRACE(app.toStdString());
        eng.AppFolder = app;
        vb::msgbox_script::clearShown();
        recs.PrevBackground = 0;
        const int before = recs.BackgroundIdx;
        CycleBackground(40);
        ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
        EXPECT_EQ(vb::msgbox_script::shown()[0].title, "Grisk Backgrounds");
        EXPECT_NE(recs.BackgroundIdx, before) << "the step is taken all the same";
        CycleBackground(40);
        EXPECT_EQ(vb::msgbox_script::shown().size(), 1u) << "once only";
    }
    eng.AppFolder = QStringLiteral(GRISK_BINARY_DIR);
    recs.PrevBackground = 0;
    vb::msgbox_script::clearShown();
    CycleBackground(40);
    EXPECT_FALSE(vb::Trim(vb::msgbox_script::shown()[0].prompt).isEmpty()) << "the texts are read when there";
}

TEST_F(BackgroundCycleTest, AMissingOrUnreadablePictureLeavesTheTableInItsColour) {
    picture("GameBoard.gif", Qt::green);
    junk("broken.gif");
    picture("gone.jpg", Qt::red);
    ListBackgroundFiles();
    ASSERT_EQ(recs.NumBackgrounds, 3);
    frmGrisk().setBackColor(recs.TableColor);

    // The entry for a file removed since the list was made: the list is made
    // again from the folder.
    ASSERT_TRUE(QFile::remove(tempPath("Backgrounds/gone.jpg")));
    recs.BackgroundIdx = 3;
    ASSERT_NO_THROW(LoadTableBackground());
    EXPECT_EQ(recs.NumBackgrounds, 2);
    EXPECT_EQ(recs.BackgroundIdx, 3) << "now the plain colour";
    EXPECT_EQ(shownColour(), vb::toQColor(0x123456).rgb());

    // A picture that cannot be read.
    recs.BackgroundIdx = 2;
    ASSERT_NO_THROW(LoadTableBackground());
    EXPECT_TRUE(frmGrisk().Picture().isNull());

    // An entry outside the list.
    for (int idx : {9, -2}) {
        recs.BackgroundIdx = idx;
        ASSERT_NO_THROW(LoadTableBackground()) << idx;
        EXPECT_GE(recs.BackgroundIdx, 0);
        EXPECT_LE(recs.BackgroundIdx, recs.NumBackgrounds + 1);
    }
    // Cycling steps over the unreadable one without a fault.
    recs.BackgroundIdx = 1;
    ASSERT_NO_THROW(CycleBackground(40));
    EXPECT_EQ(recs.BackgroundIdx, 2);
    ASSERT_NO_THROW(CycleBackground(40));
    EXPECT_EQ(recs.BackgroundIdx, 3);
}

TEST(TilePositionsTest, TilesCoverTheAreaAndTheLastOnesAreClipped) {
    using P = std::vector<QPoint>;
    const struct {
        QSize area, tile;
        P expected;
    } cases[] = {
        {{250, 120}, {100, 100}, P{{0, 0}, {100, 0}, {200, 0}, {0, 100}, {100, 100}, {200, 100}}},
        {{200, 100}, {100, 100}, P{{0, 0}, {100, 0}}},
        {{250, 120}, {400, 300}, P{{0, 0}}},
        {{250, 120}, {0, 100}, P{}},
        {{250, 120}, {100, 0}, P{}},
        {{0, 120}, {10, 10}, P{}},
    };
    for (const auto& c : cases) EXPECT_EQ(vb::TilePositions(c.area, c.tile), c.expected) << c.area.width() << " " << c.tile.width();
}

TEST_F(BackgroundCycleTest, APictureIsTiledOverAPictureBoxAndThenLetGo) {
    QImage tile(10, 10, QImage::Format_RGB32);
    tile.fill(Qt::blue);
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    frmBackground().imgBackground.setPicture(tile);
    vb::Control& box = frmGrisk().Picture7(0);
    box.setGeometryTw(0, 0, 25 * 15, 12 * 15);
    TileBackground(frmGrisk(), &box);
    ASSERT_EQ(box.Picture().size(), QSize(25, 12));
    for (QPoint p : {QPoint(0, 0), QPoint(10, 0), QPoint(20, 10)}) EXPECT_EQ(box.Picture().pixel(p), qRgb(255, 0, 0));
    EXPECT_EQ(box.Picture().pixel(24, 11), QColor(Qt::blue).rgb());
    EXPECT_TRUE(frmBackground().imgBackground.Picture().isNull());
}

TEST_F(BackgroundCycleTest, TheArrowKeysStepAndStretch) {
    picture("GameBoard.gif", Qt::green);
    picture("b.gif", Qt::blue);
    ListBackgroundFiles();
    recs.BackgroundIdx = 1;
    recs.BackgroundStretched = true;
    const struct {
        int key;
        int idx;
        bool stretched;
        vb::PictureLayout layout;
    } keys[] = {
        {40, 2, false, vb::PictureLayout::Tiled},     {39, 2, true, vb::PictureLayout::Stretched},
        {38, 1, false, vb::PictureLayout::Tiled},     {37, 1, true, vb::PictureLayout::Stretched},
        {32, 2, false, vb::PictureLayout::Tiled},
    };
    for (const auto& k : keys) {
        int code = k.key;
        HandleKeyDown(code, 0);
        EXPECT_EQ(recs.BackgroundIdx, k.idx) << k.key;
        EXPECT_EQ(recs.BackgroundStretched, k.stretched) << k.key;
        EXPECT_EQ(frmGrisk().pictureLayout(), k.layout) << k.key;
    }
    // On the plain colour there is nothing to stretch.
    int down = 40;
    HandleKeyDown(down, 0);
    ASSERT_EQ(recs.BackgroundIdx, 3);
    int right = 39;
    HandleKeyDown(right, 0);
    EXPECT_FALSE(recs.BackgroundStretched);
    // While the card flow runs a key only stops it.
    cmd.FlowRunning = true;
    HandleKeyDown(down, 0);
    EXPECT_TRUE(cmd.FlowClicked);
    EXPECT_EQ(recs.BackgroundIdx, 3);
}

}  // namespace
