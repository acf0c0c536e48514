// The card-image library: its counts, the face sheets it puts into the
// sheet window, the backs it puts into the table's store and the previews of
// the preferences window.
#include <gtest/gtest.h>

#include <set>

#include "engine/state.h"
#include "records/state.h"
#include "table/card_art.h"
#include "table/card_drawing.h"
#include "table/card_test_support.h"
#include "table/cls_dll.h"
#include "table/frm_pic.h"
#include "table/frm_std_sm.h"

using namespace grisk;
using grisk_test::CardTest;

namespace {

TEST_F(CardTest, TheLibraryCountsItsDecksAndBacks) {
    clsDLL lib;
    EXPECT_EQ(lib.GetDecksQuantity(), 2);
    EXPECT_EQ(lib.GetBacksQuantity(), 8);
    EXPECT_EQ(lib.GetDecksQuantity(), card_art::FaceDeckCount() - 1);
    EXPECT_EQ(lib.GetBacksQuantity(), card_art::BackDesignCount());
}

TEST_F(CardTest, FaceSheetsFollowTheDeckStyle) {
    clsDLL lib;
    EXPECT_EQ(frmStdSm().imgALL.Picture(), card_art::FaceSheet(0)) << "the built-in sheet at first";
    lib.GetCardFaces(7);
    EXPECT_EQ(frmStdSm().imgALL.Picture(), card_art::FaceSheet(1));
    EXPECT_NE(card_art::FaceSheet(1), card_art::FaceSheet(0));
    lib.GetCardFaces(8);
    EXPECT_EQ(frmStdSm().imgALL.Picture(), card_art::FaceSheet(2));
    lib.GetCardFaces(6);
    EXPECT_EQ(frmStdSm().imgALL.Picture(), card_art::FaceSheet(0));
    // An unloaded sheet window comes back with the built-in sheet.
    lib.GetCardFaces(7);
    frmStdSm().Unload();
    EXPECT_EQ(frmStdSm().imgALL.Picture(), card_art::FaceSheet(0));
    // A style the library does not have falls back to the built-in deck.
    for (int style : {9, 40, 0, -3}) {
        lib.GetCardFaces(8);
        lib.GetCardFaces(style);
        EXPECT_EQ(frmStdSm().imgALL.Picture(), card_art::FaceSheet(0)) << style;
    }

    // The table then draws the library's faces, large and small.
    recs.DeckStyle = 8;
    lib.GetCardFaces(recs.DeckStyle);
    MakeSmallCardFiles();
    eng.NumPlayers = 3;
    DrawCard(table().Picture7, 2, 25, 0);
    DrawCard(table().Picture2, 2, 25, 0);
    EXPECT_EQ(table().Picture7(2).Picture(), card_art::Face(2, 25));
    EXPECT_EQ(table().Picture2(2).Picture(), ScaleToSmallCard(card_art::Face(2, 25)));
}

TEST_F(CardTest, BacksGoIntoTheTablesStoreInBothSizes) {
    clsDLL lib;
    for (int which = 1; which <= lib.GetBacksQuantity(); ++which) {
        lib.GetCardBacks(which, frmPic(), 0, false);
        EXPECT_EQ(frmPic().FilePic(0).Picture(), card_art::Back(which - 1, false)) << which;
        EXPECT_EQ(frmPic().FilePic(5).Picture(), card_art::Back(which - 1, true)) << which;
        EXPECT_EQ(frmPic().FilePic(0).Picture().size(), QSize(71, 96));
        EXPECT_EQ(frmPic().FilePic(5).Picture().size(), QSize(59, 80));
    }
    lib.GetCardBacks(0, frmPic(), 0, false);
    EXPECT_EQ(frmPic().FilePic(0).Picture(), frmPic().FilePic(2).Picture());
    EXPECT_EQ(frmPic().FilePic(5).Picture(), card_art::PlainBack());
    // A stored back the library does not have gives its first back.
    for (int which : {9, 120, -1}) {
        lib.GetCardBacks(0, frmPic(), 0, false);
        lib.GetCardBacks(which, frmPic(), 0, false);
        EXPECT_EQ(frmPic().FilePic(0).Picture(), card_art::Back(0, false)) << which;
        EXPECT_EQ(frmPic().FilePic(5).Picture(), card_art::Back(0, true)) << which;
    }
}

TEST_F(CardTest, PreviewsOfThePreferencesWindow) {
    clsDLL lib;
    grisk_test::OptionsStandIn options;
    lib.GetCardBacks(2, frmPic(), 0, false);
    const QImage tableBack = frmPic().FilePic(0).Picture();

    lib.GetCardBacks(3, options, 4, true);
    EXPECT_EQ(options.FilePic(4).Picture(), card_art::Back(2, true));
    lib.GetCardBacks(6, options, 0, false);
    EXPECT_EQ(options.FilePic(0).Picture(), card_art::Back(5, false));
    lib.GetCardBacks(7, options, 99, false);
    EXPECT_EQ(options.picCardBack(0).Picture(), card_art::Back(6, false));
    EXPECT_EQ(options.picCardBack(0).BackColor(), card_art::BackDesignColor(6));
    EXPECT_TRUE(options.FilePic(15).Picture().isNull()) << "preview 99 is picCardBack(0)";
    EXPECT_EQ(frmPic().FilePic(0).Picture(), tableBack) << "previews leave the table alone";

    // The library fails on a back it does not have and the window on a
    // preview it lacks.
    EXPECT_EQ(grisk_test::errorOf([&] { lib.GetCardBacks(0, options, 99, false); }), vb::ErrInvalidCall);
    EXPECT_EQ(grisk_test::errorOf([&] { lib.GetCardBacks(9, options, 3, false); }), vb::ErrInvalidCall);
    EXPECT_EQ(grisk_test::errorOf([&] { lib.GetCardBacks(1, options, 20, false); }),
              vb::ErrControlArrayElement);
}

TEST_F(CardTest, EveryBackHasItsOwnPictureAndColour) {
    CardImageLibrary library;
    std::set<int32_t> colours;
    for (int b = 0; b < library.BackCount(); ++b) {
        colours.insert(library.BackColor(b));
        for (int b2 = 0; b2 < b; ++b2) EXPECT_NE(library.BackPicture(b, false), library.BackPicture(b2, false));
    }
    EXPECT_EQ(colours.size(), static_cast<std::size_t>(library.BackCount()));
    EXPECT_EQ(grisk_test::errorOf([&] { (void)library.FaceSheet(library.DeckCount()); }), vb::ErrInvalidCall);
    EXPECT_EQ(grisk_test::errorOf([&] { (void)library.BackColor(-1); }), vb::ErrInvalidCall);
}

}  // namespace
