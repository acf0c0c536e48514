// The files the card pictures pass through: the 52 small-card files cut from
// the face sheet, the small faces drawn from them, and the rank-only deck's
// conversion into large and small pictures.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "engine/state.h"
#include "platform/msgbox.h"
#include "records/state.h"
#include "table/card_art.h"
#include "table/card_drawing.h"
#include "table/card_store.h"
#include "table/card_test_support.h"
#include "table/frm_cards.h"
#include "table/frm_pic.h"
#include "table/frm_std_sm.h"
#include "table/state.h"

using namespace grisk;
using grisk_test::CardTest;

namespace {

QImage solid(int w, int h, QRgb colour) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

// Each small-card file holds one whole 71 x 96 cell of the sheet as a
// bitmap; the small size is made when the file is loaded.
TEST_F(CardTest, MakeSmallCardFilesWritesEachCellAsABitmap) {
    const QImage sheet = grisk_test::markedSheet();
    frmStdSm().imgALL.setPicture(sheet);
    ASSERT_TRUE(solid(10, 10, qRgb(1, 2, 3)).save(tempPath("5.tmp"), "BMP"));
    MakeSmallCardFiles();
    for (int n = 1; n <= 52; ++n) {
        QFile f(tempPath(QString::number(n) + ".tmp"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << n;
        EXPECT_EQ(f.read(2), QByteArray("BM")) << n;
        f.close();
        QImage img;
        ASSERT_TRUE(img.load(f.fileName(), "BMP"));
        EXPECT_EQ(img.size(), QSize(71, 96));
        EXPECT_EQ(img.convertToFormat(QImage::Format_RGB32), grisk_test::cellOf(sheet, n)) << n;
    }
    const QStringList files = QDir(tempFolder()).entryList(QDir::Files);
    EXPECT_EQ(files.size(), 52);
    EXPECT_FALSE(files.contains("0.tmp"));
    EXPECT_FALSE(files.contains("53.tmp"));
}

TEST_F(CardTest, SmallFacesAreLoadedFromTheirFileScaledDown) {
    eng.NumPlayers = 4;
    ASSERT_TRUE(solid(71, 96, qRgb(10, 200, 30)).save(tempPath("5.tmp"), "BMP"));
    for (int card : {5, 57, 161}) {
        DrawCard(table().Picture3, 2, card, 0);
        EXPECT_EQ(table().Picture3(2).Picture(), solid(59, 80, qRgb(10, 200, 30))) << card;
        EXPECT_EQ(table().Picture3(2).Drawn(), "face 5 small");
    }
    EXPECT_TRUE(QFile::exists(tempPath("5.tmp"))) << "the small-card files stay";

    // Drawn straight from the file of DrawCardNo.
    tbl.DrawCardNo = 5;
    table().Picture3(3).setPicture(QImage());
    DrawSmallCardFromFile(table().Picture3, 3);
    EXPECT_EQ(table().Picture3(3).Picture(), solid(59, 80, qRgb(10, 200, 30)));
}

// Without its file a small face is cut from the sheet: the pile never keeps
// the picture of the card that lay there before.
TEST_F(CardTest, ASmallFaceWithoutItsFileIsCutFromTheSheet) {
    eng.NumPlayers = 3;
    const QImage sheet = grisk_test::markedSheet();
    frmStdSm().imgALL.setPicture(sheet);
    table().Picture2(4).setPicture(card_art::Face(0, 1));
    DrawCard(table().Picture2, 4, 30, 0);
    EXPECT_EQ(table().Picture2(4).Picture(), ScaleToSmallCard(grisk_test::cellOf(sheet, 30)));
    EXPECT_EQ(table().Picture2(4).Drawn(), "face 30 small");
}

TEST_F(CardTest, RankDeckConversionFillsBothSizesAndCleansUp) {
    recs.DeckStyle = 4;
    LoadRankCardImages();
    for (int k = 1; k <= 13; ++k) {
        EXPECT_EQ(frmPic().Image1(k).Picture(), card_art::RankCard(4, k)) << k;
        const QImage small = frmPic().ImageSm(k).Picture();
        EXPECT_EQ(small.size(), QSize(59, 80)) << k;
        EXPECT_EQ(small, ScaleToSmallCard(card_art::RankCard(4, k))) << k;
    }
    EXPECT_TRUE(QDir(tempFolder()).entryList(QDir::Files).isEmpty()) << "the 1no.tmp..13no.tmp files are gone";
    EXPECT_FALSE(FrmCardsExists()) << "the deck store is released";
    EXPECT_TRUE(frmPic().tempSmPic.Picture().isNull());

    // Another style replaces every rank.
    recs.DeckStyle = 1;
    LoadRankCardImages();
    EXPECT_EQ(frmPic().Image1(13).Picture(), card_art::RankCard(1, 13));
}

// A stored style that is no deck at all copies nothing and draws the
// built-in faces.
TEST_F(CardTest, AStyleBelowOneIsNoRankDeck) {
    for (int style : {0, -4}) {
        recs.DeckStyle = style;
        EXPECT_EQ(grisk_test::errorOf([] { LoadRankCardImages(); }), 0) << style;
        EXPECT_FALSE(FrmCardsExists());
        DrawCard(table().Picture7, 2, 40, 0);
        EXPECT_EQ(table().Picture7(2).Picture(), card_art::Face(0, 40)) << style;
    }
    EXPECT_TRUE(vb::msgbox_script::shown().empty());
}

TEST_F(CardTest, RankDeckConversionWorksWithoutAWritableDataFolder) {
    eng.DataFolder = tempFolder() + "/missing/";
    recs.DeckStyle = 2;
    LoadRankCardImages();
    EXPECT_EQ(frmPic().ImageSm(7).Picture(), ScaleToSmallCard(card_art::RankCard(2, 7)));
}

TEST_F(CardTest, LoadSmallCardPictureScalesAndDeletesTheFile) {
    ASSERT_TRUE(solid(71, 96, qRgb(200, 10, 10)).save(tempPath("3no.tmp"), "BMP"));
    LoadSmallCardPicture(tempPath("3no.tmp"), 3);
    EXPECT_EQ(frmPic().ImageSm(3).Picture(), solid(59, 80, qRgb(200, 10, 10)));
    EXPECT_FALSE(QFile::exists(tempPath("3no.tmp")));

    LoadSmallCardPicture(tempPath("4no.tmp"), 4);
    EXPECT_TRUE(frmPic().ImageSm(4).Picture().isNull()) << "a missing file leaves an empty picture";
}

}  // namespace
