// Which card size a picture gets: full-deck faces, backs and empty marks each
// have their own rule of display mode, player count, seat on turn, kind of
// picture, screen width and large fonts.
#include <gtest/gtest.h>

#include "engine/state.h"
#include "records/state.h"
#include "table/card_drawing.h"
#include "table/card_test_support.h"
#include "table/state.h"

using namespace grisk;

namespace {

// Picture arrays named as the table, the pile-information window and the
// preferences window name theirs.
class Targets : public vb::Form {
public:
    Targets() : vb::Form(QStringLiteral("frmTargets")) {
        setScaleMode(vb::ScaleMode::Pixels);
        for (const char* name : {"Picture7", "Picture1", "Picture2", "Picture3", "PicCenter",
                                 "Picture8", "FilePic"}) {
            vb::ControlArray& a = addArray(vb::Kind::PictureBox, name, 0);
            for (int i = 1; i <= 10; ++i) a.Load(i);
            arrays.push_back(&a);
        }
    }
    vb::ControlArray& operator[](const QString& name) {
        for (vb::ControlArray* a : arrays)
            if (a->Name() == name) return *a;
        return *arrays.front();
    }
    std::vector<vb::ControlArray*> arrays;
};

enum What { Face, Back, Empty };

struct SizeCase {
    What what;
    int displayMode, players, pturn;
    const char* target;
    int index;
    double screenTw;
    bool largeFonts;
    bool large;
};

QString whatText(What w) { return w == Face ? "face 9" : w == Back ? "back" : "empty"; }

class SizeRuleTest : public grisk_test::CardTest {};

TEST_F(SizeRuleTest, EachKindOfPictureFollowsItsOwnRule) {
    const SizeCase cases[] = {
        // Full-deck faces.
        {Face, 0, 2, 1, "Picture1", 3, 19200, false, true},
        {Face, 1, 2, 2, "Picture3", 3, 19200, false, true},
        {Face, 2, 2, 1, "Picture7", 3, 19200, false, false},
        {Face, 3, 2, 1, "PicCenter", 1, 19200, false, false},
        {Face, 0, 3, 1, "Picture2", 3, 19200, false, false},
        {Face, 0, 3, 2, "Picture7", 3, 19200, false, true},
        {Face, 1, 4, 3, "PicCenter", 2, 19200, false, true},
        {Face, 0, 3, 1, "Picture1", 0, 19200, false, true},   // the card flying for the human
        {Face, 0, 3, 2, "Picture1", 0, 19200, false, false},
        {Face, 0, 4, 1, "Picture1", 1, 19200, false, false},
        {Face, 0, 2, 1, "Picture8", 1, 19200, false, false},  // the pile-information window
        {Face, 3, 4, 2, "FilePic", 1, 19200, false, true},    // previews are always full size
        {Face, 0, 2, 1, "Picture7", 3, 9600, true, false},    // 640 pixels at large fonts
        {Face, 0, 2, 1, "PicCenter", 3, 9600, true, false},
        {Face, 0, 2, 1, "FilePic", 3, 9600, true, true},
        {Face, 0, 2, 1, "Picture7", 3, 9600, false, true},
        {Face, 0, 2, 1, "Picture7", 3, 12000, true, true},
        // Backs.
        {Back, 0, 2, 1, "Picture2", 1, 19200, false, true},
        {Back, 1, 2, 2, "Picture8", 1, 19200, false, true},
        {Back, 0, 3, 1, "Picture2", 1, 19200, false, false},
        {Back, 0, 3, 2, "Picture7", 1, 19200, false, true},
        {Back, 0, 4, 1, "PicCenter", 0, 19200, false, false},
        {Back, 0, 4, 1, "Picture1", 0, 19200, false, false},
        {Back, 2, 2, 1, "Picture7", 1, 19200, false, false},
        {Back, 0, 2, 1, "Picture1", 1, 9600, true, true},    // the large-fonts rule is for faces
    };
    MakeSmallCardFiles();
    Targets form;
    for (const SizeCase& c : cases) {
        tbl.DisplayMode = c.displayMode;
        eng.NumPlayers = c.players;
        eng.Pturn = c.pturn;
        eng.ScreenWidthTw = c.screenTw;
        eng.LargeFonts = c.largeFonts;
        vb::ControlArray& target = form[c.target];
        DrawCard(target, c.index, c.what == Face ? 9 + 52 : 0, c.what == Empty ? kEmptyMark : 0);
        const vb::Control& pic = target(c.index);
        const QString want = whatText(c.what) + (c.large ? " large" : " small");
        EXPECT_EQ(pic.Drawn(), want) << c.target << "(" << c.index << ") mode " << c.displayMode
                                     << ", " << c.players << " players, seat " << c.pturn
                                     << " on turn, screen " << c.screenTw << " twips"
                                     << (c.largeFonts ? ", large fonts" : "");
        EXPECT_EQ(pic.Picture().size(), c.large ? QSize(71, 96) : QSize(59, 80)) << want.toStdString();
        EXPECT_TRUE(pic.Visible());
    }
}

// The empty mark and a rank-only face take the size of the picture they
// go into, whoever is on turn and whatever the window's scale mode: an
// opponent's small pile never shows a cropped large mark while the human
// is on turn, and a large slot shows a large face though its window was
// left in twips.
struct OwnSizeCase {
    What what;
    int displayMode, players, pturn;
    const char* target;
    bool largePicture;
    vb::ScaleMode windowScale;
};

TEST_F(SizeRuleTest, EmptyMarksAndRankFacesFollowThePicturesOwnSize) {
    using S = vb::ScaleMode;
    const OwnSizeCase cases[] = {
        {Empty, 0, 3, 1, "Picture2", false, S::Pixels},  // the human on turn: still small
        {Empty, 1, 4, 1, "Picture3", false, S::Pixels},
        {Empty, 0, 3, 2, "Picture7", true, S::Pixels},
        {Empty, 0, 2, 2, "Picture1", true, S::Twips},
        {Empty, 2, 2, 1, "Picture1", false, S::Pixels},
        {Empty, 2, 4, 4, "PicCenter", false, S::Twips},
        {Empty, 0, 4, 4, "PicCenter", true, S::Pixels},
        {Face, 0, 2, 1, "Picture7", true, S::Twips},  // rank-only deck, window left in twips
        {Face, 0, 2, 1, "Picture7", true, S::Pixels},
        {Face, 2, 3, 2, "Picture2", false, S::Twips},
    };
    LoadRankCardImages();
    Targets form;
    for (const OwnSizeCase& c : cases) {
        recs.DeckStyle = c.what == Face ? 1 : 6;
        if (c.what == Face) LoadRankCardImages();
        tbl.DisplayMode = c.displayMode;
        eng.NumPlayers = c.players;
        eng.Pturn = c.pturn;
        vb::Control& pic = form[c.target](7);
        form.setScaleMode(vb::ScaleMode::Pixels);
        pic.setWidth(c.largePicture ? 71 : 59);
        pic.setHeight(c.largePicture ? 96 : 80);
        form.setScaleMode(c.windowScale);
        DrawCard(form[c.target], 7, c.what == Face ? 9 : 0, c.what == Empty ? kEmptyMark : 0);
        EXPECT_EQ(pic.Drawn(), whatText(c.what) + (c.largePicture ? " large" : " small"))
            << c.target << " mode " << c.displayMode << ", " << c.players << " players, seat " << c.pturn
            << " on turn, window in " << (c.windowScale == S::Twips ? "twips" : "pixels");
        EXPECT_EQ(pic.Picture().size(), c.largePicture ? QSize(71, 96) : QSize(59, 80));
    }
}

}  // namespace
