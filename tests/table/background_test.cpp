// The table's background: a picture of the backgrounds folder is decoded
// once while its file stays as it is, and the main window lays it out as it
// paints instead of keeping a copy of its own size.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "engine/frm_grisk.h"
#include "engine/startup_fixture.h"
#include "engine/state.h"
#include "platform/twips.h"
#include "records/state.h"
#include "shell/splash.h"
#include "table/background.h"

using namespace grisk;

namespace {

class BackgroundFileTest : public grisk_test::GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        eng.UserFolder = tempFolder() + "/";
        QDir().mkpath(tempPath("Backgrounds"));
    }
    void write(const QString& name, QSize size, QColor colour) {
        QImage img(size, QImage::Format_RGB32);
        img.fill(colour);
        ASSERT_TRUE(img.save(tempPath("Backgrounds/" + name), "PNG"));
    }
};

TEST_F(BackgroundFileTest, AFileIsDecodedOnceUntilItChanges) {
    write("Felt.png", QSize(40, 30), Qt::darkGreen);
    const QImage first = BackgroundPicture("Felt.png");
    ASSERT_EQ(first.size(), QSize(40, 30));
    EXPECT_EQ(BackgroundPicture("Felt.png").cacheKey(), first.cacheKey()) << "decoded again";

    write("Felt.png", QSize(50, 20), Qt::red);
    const QImage changed = BackgroundPicture("Felt.png");
    EXPECT_EQ(changed.size(), QSize(50, 20));
    EXPECT_EQ(changed.pixel(0, 0), QColor(Qt::red).rgb());

    write("Other.png", QSize(10, 10), Qt::blue);
    EXPECT_EQ(BackgroundPicture("Other.png").size(), QSize(10, 10));
    EXPECT_EQ(BackgroundPicture("Felt.png").size(), QSize(50, 20));

    ASSERT_TRUE(QFile::remove(tempPath("Backgrounds/Felt.png")));
    EXPECT_TRUE(BackgroundPicture("Felt.png").isNull());
    QFile junk(tempPath("Backgrounds/Junk.gif"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    EXPECT_TRUE(BackgroundPicture("Junk.gif").isNull());
}

using BackgroundAtStartTest = grisk_test::StartupTest;

TEST_F(BackgroundAtStartTest, TheSplashAndTheTableShareOneDecodedBoard) {
    start();
    ASSERT_TRUE(frmGrisk().isLoaded());
    const QImage board = frmGrisk().Picture();
    ASSERT_FALSE(board.isNull()) << "the default board is chosen";
    EXPECT_EQ(frmSplash().Picture().cacheKey(), board.cacheKey());
    EXPECT_EQ(frmSplash().pictureLayout(), vb::PictureLayout::Tiled);

    // Tiled at its natural size by default; stretched when chosen. Either
    // way the window holds the board itself, not a copy of the window's size.
    const QSize window(static_cast<int>(screen::TwipsToPixels(frmGrisk().Width())),
                       static_cast<int>(screen::TwipsToPixels(frmGrisk().Height())));
    EXPECT_EQ(frmGrisk().pictureLayout(), vb::PictureLayout::Tiled);
    EXPECT_EQ(frmGrisk().pictureArea(), window);
    recs.BackgroundStretched = true;
    LoadTableBackground();
    EXPECT_EQ(frmGrisk().pictureLayout(), vb::PictureLayout::Stretched);
    EXPECT_EQ(frmGrisk().pictureArea(), window);
    EXPECT_EQ(frmGrisk().Picture().cacheKey(), board.cacheKey());
}

}  // namespace
