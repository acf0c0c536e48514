// Drawing cards: faces from the sheet, the four decks sharing faces, the
// rank-only decks, backs, empty marks, card numbers that are no card, the
// failure box, the card sounds and the reset of the table's pictures.
#include <gtest/gtest.h>

#include "engine/state.h"
#include "platform/msgbox.h"
#include "platform/sound.h"
#include "platform/vb.h"
#include "records/state.h"
#include "table/card_art.h"
#include "table/card_drawing.h"
#include "table/card_sounds.h"
#include "table/card_store.h"
#include "table/card_test_support.h"
#include "table/cls_dll.h"
#include "table/frm_pic.h"
#include "table/frm_std_sm.h"
#include "table/skin_empty_piles.h"
#include "table/state.h"

using namespace grisk;
using grisk_test::CardTest;

namespace {

TEST_F(CardTest, FacesComeFromTheirSheetCell) {
    const QImage sheet = grisk_test::markedSheet();
    frmStdSm().imgALL.setPicture(sheet);
    for (int n : {1, 2, 12, 13, 14, 26, 27, 39, 40, 51, 52}) {
        DrawCard(table().Picture7, 3, n, 0);
        const QImage drawn = table().Picture7(3).Picture();
        EXPECT_EQ(drawn, grisk_test::cellOf(sheet, n)) << "card " << n;
        EXPECT_EQ(table().Picture7(3).Drawn(), QString("face %1 large").arg(n));
    }
    // Card 13 starts at x = 853 of the first row, card 14 at x = 1 of the second.
    DrawCard(table().Picture7, 3, 13, 0);
    EXPECT_EQ(table().Picture7(3).Picture().pixel(0, 0), sheet.pixel(853, 0));
    DrawCard(table().Picture7, 3, 14, 0);
    EXPECT_EQ(table().Picture7(3).Picture().pixel(0, 0), sheet.pixel(1, 96));
    EXPECT_NE(table().Picture7(3).Picture().pixel(0, 0), qRgb(255, 0, 255)) << "the strip at x = 0";
    EXPECT_TRUE(vb::msgbox_script::shown().empty());
}

TEST_F(CardTest, EveryDeckShowsTheFirstDecksFace) {
    eng.NumPlayers = 3;  // seat 3's pictures take small faces, the human's large ones
    MakeSmallCardFiles();
    for (int n = 1; n <= 52; ++n) {
        DrawCard(table().Picture7, 4, n, 0);
        DrawCard(table().Picture2, 4, n, 0);
        const QImage large = table().Picture7(4).Picture();
        const QImage small = table().Picture2(4).Picture();
        for (int deck = 1; deck <= 3; ++deck) {
            const int card = n + 52 * deck;
            DrawCard(table().Picture7, 5, card, 0);
            DrawCard(table().Picture2, 5, card, 0);
            EXPECT_EQ(table().Picture7(5).Picture(), large) << card;
            EXPECT_EQ(table().Picture2(5).Picture(), small) << card;
            EXPECT_EQ(table().Picture7(5).Drawn(), QString("face %1 large").arg(n));
            EXPECT_EQ(table().Picture2(5).Drawn(), QString("face %1 small").arg(n));
        }
    }
    DrawCard(table().Picture7, 5, 60, 0);
    EXPECT_EQ(table().Picture7(5).Picture(), card_art::Face(0, 8)) << "card 60 is card 8";
}

TEST_F(CardTest, SoundEightyEightOnACardStillPaintsItsFace) {
    QString played = grisk_test::soundOf([&] { DrawCard(table().Picture7, 3, 15, kEmptyMark); });
    EXPECT_EQ(table().Picture7(3).Drawn(), "face 15 large");
    EXPECT_EQ(table().Picture7(3).Picture(), card_art::Face(0, 15));
    EXPECT_EQ(played, "");
}

TEST_F(CardTest, RankOnlyDecksShowTheRankAndTheKingForEveryThirteenth) {
    recs.DeckStyle = 3;
    LoadRankCardImages();
    for (int n : {13, 26, 39, 52, 65, 208}) {
        DrawCard(table().Picture1, 2, n, 0);
        EXPECT_EQ(table().Picture1(2).Picture(), card_art::RankCard(3, 13)) << n;
    }
    DrawCard(table().Picture1, 2, 41, 0);  // rank 2 of the fourth suit
    EXPECT_EQ(table().Picture1(2).Picture(), card_art::RankCard(3, 2));
    EXPECT_EQ(table().Picture1(2).BorderStyle(), 1);
    EXPECT_EQ(table().Picture1(2).Drawn(), "face 41 large");
    EXPECT_EQ(tbl.DrawCardNo, 2);

    // The picture's own height chooses the size, whatever the display mode.
    tbl.DisplayMode = 2;
    eng.NumPlayers = 4;
    DrawCard(table().Picture3, 2, 12, 0);
    EXPECT_EQ(table().Picture3(2).Picture(), frmPic().Image1(12).Picture());
    table().Picture3(2).Move(0, 0, 59, 80);
    tbl.DisplayMode = 0;
    eng.NumPlayers = 2;
    DrawCard(table().Picture3, 2, 12, 0);
    EXPECT_EQ(table().Picture3(2).Picture(), frmPic().ImageSm(12).Picture());
    EXPECT_EQ(table().Picture3(2).Picture().size(), QSize(59, 80));
    EXPECT_EQ(table().Picture3(2).Drawn(), "face 12 small");
}

TEST_F(CardTest, BacksTakeTheChosenDesignAndThePlainBackItsColour) {
    clsDLL lib;
    recs.BackStyle = 4;
    lib.GetCardBacks(recs.BackStyle, frmPic(), 0, false);
    eng.NumPlayers = 3;
    table().Picture2(1).setBorderStyle(0);
    table().Picture2(1).setBackColor(vb::RGB(1, 2, 3));
    DrawCard(table().Picture7, 1, 0, 0);
    DrawCard(table().Picture2, 1, 0, 0);
    EXPECT_EQ(table().Picture7(1).Picture(), card_art::Back(3, false));
    EXPECT_EQ(table().Picture2(1).Picture(), card_art::Back(3, true));
    EXPECT_EQ(table().Picture2(1).Drawn(), "back small");
    EXPECT_EQ(table().Picture2(1).BorderStyle(), 0) << "a patterned back leaves the frame alone";
    EXPECT_EQ(table().Picture2(1).BackColor(), vb::RGB(1, 2, 3));

    recs.BackStyle = 0;
    recs.PlainColor = vb::RGB(200, 180, 120);
    lib.GetCardBacks(0, frmPic(), 0, false);
    DrawCard(table().Picture2, 1, 0, 0);
    EXPECT_EQ(table().Picture2(1).Picture(), card_art::PlainBack());
    EXPECT_EQ(table().Picture2(1).BorderStyle(), 1);
    EXPECT_EQ(table().Picture2(1).BackColor(), recs.PlainColor);
}

TEST_F(CardTest, EmptyMarksFollowTheSkin) {
    DrawCard(table().Picture7, 8, 0, kEmptyMark);
    EXPECT_EQ(table().Picture7(8).Picture(), card_art::EmptyMark(false, false));
    EXPECT_EQ(table().Picture7(8).Drawn(), "empty large");
    recs.SkinOn = true;
    SelectEmptyPileImages();
    // (a small pile picture takes the small mark)
    table().Picture7(8).setRectPx(QRectF(0, 0, 59, 80));
    DrawCard(table().Picture7, 8, 0, kEmptyMark);
    EXPECT_EQ(table().Picture7(8).Picture(), card_art::EmptyMark(true, true));
    EXPECT_EQ(table().Picture7(8).Drawn(), "empty small");
}

// A card number from a damaged saved game or a peer never reaches the
// picture stores: the pile shows the empty mark.
TEST_F(CardTest, NumbersThatAreNoCardDrawTheEmptyMark) {
    for (int style : {6, 2}) {
        recs.DeckStyle = style;
        if (style < 6) LoadRankCardImages();
        for (int n : {-32768, -52, -1, 209, 260, 32767}) {
            DrawCard(table().Picture7, 3, 5, 0);
            DrawCard(table().Picture7, 3, n, 0);
            EXPECT_EQ(table().Picture7(3).Drawn(), "empty large") << n;
            EXPECT_EQ(table().Picture7(3).Picture(), tbl.EmptyPilePicture) << n;
            DrawCard(table().Picture2, 3, n, 3);
            EXPECT_EQ(table().Picture2(3).Drawn(), "empty large") << n;
        }
    }
    EXPECT_TRUE(vb::msgbox_script::shown().empty());
}

TEST_F(CardTest, AFailureEndsInTheProblemBoxAndPlaysNothing) {
    QString played = grisk_test::soundOf([&] { DrawCard(table().Picture7, 11, 60, 3); });
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    const vb::ShownBox& box = vb::msgbox_script::shown().front();
    EXPECT_EQ(box.prompt, QString("Houston, we have a problem:\nError  340\n"
                                  ": Control array element '11' doesn't exist\n"
                                  "Object is: Picture7\n"
                                  "ToPicNum:  11  FromPicNum:  60  adjusted (From):  60"));
    EXPECT_EQ(box.icon(), vb::vbExclamation);
    EXPECT_EQ(box.title, "Grisk and Varnok");
    EXPECT_EQ(played, "");
}

struct SoundCase {
    int cardNo, sound, soundSet, soundLevel;
    const char* file;  // "" none
};

TEST_F(CardTest, CardSoundsFollowTheSetAndStopWhenSoundsAreOff) {
    const SoundCase cases[] = {
        {7, 1, 1, 0, "~113.tmp"}, {7, 2, 1, 0, "~112.tmp"}, {7, 3, 1, 0, "~111.tmp"},
        {7, 4, 1, 0, "~115.tmp"}, {7, 5, 1, 0, "~114.tmp"}, {7, 1, 0, 0, "~118.tmp"},
        {7, 2, 0, 1, "~117.tmp"}, {7, 3, 0, 0, "~116.tmp"}, {0, 4, 2, 0, "~120.tmp"},
        {0, 5, 0, 1, "~119.tmp"}, {7, 0, 1, 0, ""},         {7, 6, 1, 0, ""},
        {0, 88, 1, 0, ""},        {7, 3, 1, 2, ""},         {0, 1, 0, 2, ""},
        {0, 0, 1, 2, ""},
    };
    for (const SoundCase& c : cases) {
        recs.SoundSet = c.soundSet;
        recs.SoundLevel = c.soundLevel;
        const QString played = grisk_test::soundOf([&] { DrawCard(table().Picture7, 2, c.cardNo, c.sound); });
        EXPECT_EQ(played, QString(c.file)) << "sound " << c.sound << " set " << c.soundSet
                                           << " level " << c.soundLevel;
    }
    // The card sound itself leaves the sound level to its callers.
    recs.SoundLevel = 2;
    recs.SoundSet = 1;
    EXPECT_EQ(grisk_test::soundOf([] { PlayCardSound(1); }), "~113.tmp");
    EXPECT_EQ(sound::LastRequested(), eng.DataFolder + "~113.tmp");
    EXPECT_EQ(recs.SoundResult, 0) << "no such file here";
    EXPECT_EQ(grisk_test::soundOf([] { PlayCardSound(9); }), "");
}

TEST_F(CardTest, ClearTableImagesEmptiesTheCentreAndTheFirstTwoSeats) {
    recs.BackStyle = 2;
    recs.PlainColor = vb::RGB(255, 224, 192);
    table().PicCenter(0).setPicture(card_art::Back(0, false));
    table().Picture7(1).setBorderStyle(1);
    ClearTableImages();
    for (int c = 0; c <= 3; ++c) EXPECT_EQ(table().PicCenter(c).BackColor(), recs.PlainColor);
    EXPECT_EQ(table().PicCenter(0).Picture(), card_art::Back(0, false)) << "the stock keeps its picture";
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(table().PicCenter(c).Picture(), tbl.EmptyPilePicture);
    for (vb::ControlArray* seat : {&table().Picture7, &table().Picture1}) {
        EXPECT_EQ((*seat)(1).Drawn(), "back large");
        EXPECT_EQ((*seat)(1).BorderStyle(), 0);
        EXPECT_EQ((*seat)(1).BackColor(), recs.PlainColor);
        for (int i = 7; i <= 10; ++i) EXPECT_EQ((*seat)(i).Drawn(), "empty large");
    }
    EXPECT_TRUE(vb::msgbox_script::shown().empty());
}

}  // namespace
