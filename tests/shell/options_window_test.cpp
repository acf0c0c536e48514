// The preferences window, reached with End: each page applies only itself,
// the card pages' previews and their plain-back colours, the faces put
// back whichever way the window closes, the label font and the sounds.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QWidget>
#include <functional>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "net/state.h"
#include "platform/common_dialog.h"
#include "platform/controls.h"
#include "platform/formwindow.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "records/state.h"
#include "shell/frm_options.h"
#include "shell/keyboard.h"
#include "shell/state.h"
#include "table/card_art.h"
#include "table/frm_pic.h"
#include "table/frm_std_sm.h"
#include "table/state.h"
#include "table_fixture.h"

using namespace grisk;

namespace {

class OptionsWindowTest : public grisk_test::HumanToMoveTest {
protected:
    void TearDown() override {
        inet.NetPeers = 0;
        if (FrmOptionsExists() && frmOptions().isLoaded()) frmOptions().Unload();
        ReleaseFrmOptions();
        HumanToMoveTest::TearDown();
    }
    // End pressed on the table; the player does what acts does to the
    // window. False when the window did not open.
    static bool pressEnd(const std::function<void(FrmOptions&)>& acts) {
        vb::forms::queueModalAction("frmOptions", [acts](vb::Form& f) { acts(static_cast<FrmOptions&>(f)); });
        int key = vb::vbKeyEnd;
        HandleKeyDown(key, 0);
        const bool opened = vb::forms::pendingModalActions() == 0;
        vb::forms::clearModalActions();
        return opened;
    }
    // The player clicks a tab.
    static void tab(FrmOptions& w, int index) { vb::UserPicksTab(w.tbsOptions, index - 1); }

    static QImage sheet() { return frmStdSm().imgALL.Picture(); }
};

// Changes on one page are lost when another page is applied: OK applies
// the page on show only.
TEST_F(OptionsWindowTest, EachPageAppliesOnlyItself) {
    const double font = frmGrisk().Label9(2).FontSize();
    recs.SoundLevel = 0;
    ASSERT_TRUE(pressEnd([](FrmOptions& w) {
        EXPECT_EQ(w.SelectedTab(), kPickACard);
        tab(w, kFontAndBackground);
        vb::UserClicks(w.CmdSz(0));
        EXPECT_TRUE(w.CmdApply.Enabled());
        tab(w, kSoundsAndStyle);
        EXPECT_FALSE(w.CmdApply.Enabled()) << "a page switch disables Apply";
        vb::UserClicks(w.OptSound(2));
        vb::UserClicks(w.cmdOK);
        EXPECT_FALSE(w.isLoaded());
    }));
    EXPECT_EQ(recs.SoundLevel, 2);
    EXPECT_EQ(frmGrisk().Label9(2).FontSize(), font) << "the font change on the page left was lost";
}

// The label font, its colour, the mat and the font backdrop go to the
// table's labels with Apply.
TEST_F(OptionsWindowTest, TheFontPageAppliesToTheTablesLabels) {
    recs.OpaqueLabels = false;
    const double font = frmGrisk().Label9(2).FontSize();
    vb::dialog_script::pushColor(0x00FFFF);  // the font
    vb::dialog_script::pushCancel();         // the mat: cancelled
    vb::dialog_script::pushColor(0x404000);  // the mat
    ASSERT_TRUE(pressEnd([&](FrmOptions& w) {
        tab(w, kFontAndBackground);
        vb::UserClicks(w.CmdSz(0));
        vb::UserClicks(w.CmdSz(0));
        vb::UserClicks(w.CmdSz(1));
        EXPECT_EQ(w.LblFont(0).FontSize(), font + 1);
        EXPECT_EQ(w.LblFont(1).FontSize(), font + 1);
        vb::UserClicks(w.Command2(2));
        vb::UserClicks(w.Command2(3));
        EXPECT_EQ(w.Frame3.BackColor(), recs.TableColor) << "a cancelled colour changes nothing";
        vb::UserClicks(w.Command2(3));
        vb::UserClicks(w.CKFnt);
        EXPECT_EQ(w.LblFont(1).BackStyle(), 1);
        EXPECT_EQ(w.LblFont(1).BackColor(), 0x404000);
        vb::UserClicks(w.CmdApply);
        vb::UserClicks(w.CmdCancel);
    }));
    FrmGrisk& f = frmGrisk();
    EXPECT_EQ(f.Label9(2).FontSize(), font + 1);
    EXPECT_EQ(recs.NameFontSize, static_cast<int>(font + 1)) << "the table's font size goes to the profile";
    EXPECT_EQ(recs.NameColor, 0x00FFFF);
    for (int i = 1; i <= eng.NumPlayers + 2; ++i) EXPECT_EQ(f.Label9(i).ForeColor(), 0x00FFFF) << i;
    EXPECT_EQ(recs.TableColor, 0x404000);
    EXPECT_TRUE(recs.OpaqueLabels);
    EXPECT_EQ(f.Label9(2).BackStyle(), 1);
    EXPECT_EQ(f.Label9(2).BackColor(), 0x404000);
    EXPECT_EQ(f.LblWild(1).FontSize(), font + 1);
}

// "+size" and "-size" step one point and stay within a readable range;
// "Default" is 12 points, 10 on a large-font screen.
TEST_F(OptionsWindowTest, TheLabelFontStepsAndItsDefault) {
    const struct {
        bool largeFonts;
        int clicks;  // + for "+size", - for "-size"
        double size;
    } cases[] = {{false, 0, 12}, {true, 0, 10}, {false, 40, kLargestLabelFont}, {false, -40, kSmallestLabelFont},
                 {true, 3, 13}};
    for (const auto& c : cases) {
        eng.LargeFonts = c.largeFonts;
        ASSERT_TRUE(pressEnd([&](FrmOptions& w) {
            tab(w, kFontAndBackground);
            vb::UserClicks(w.CmdRestore);
            EXPECT_EQ(w.Frame3.BackColor(), 0x8000);
            EXPECT_EQ(w.LblFont(0).ForeColor(), 0xFFFFFF);
            for (int i = 0; i < std::abs(c.clicks); ++i) vb::UserClicks(w.CmdSz(c.clicks > 0 ? 0 : 1));
            EXPECT_EQ(w.LblFont(0).FontSize(), c.size) << c.clicks;
            EXPECT_EQ(w.LblFont(1).FontSize(), c.size) << c.clicks;
            vb::UserClicks(w.CmdCancel);
        }));
    }
    eng.LargeFonts = false;
}

// The card sounds: "No game sounds" turns them off; Wood or Metallic
// afterwards choose the set but do not turn them on again.
TEST_F(OptionsWindowTest, TheCardSoundsPage) {
    const struct {
        int level, set, pick, levelAfter, setAfter;
    } cases[] = {{0, 0, 2, 2, 0}, {2, 0, 1, 2, 1}, {0, 0, 1, 0, 1}, {1, 1, 0, 1, 0}};
    for (const auto& c : cases) {
        recs.SoundLevel = c.level;
        recs.SoundSet = c.set;
        ASSERT_TRUE(pressEnd([&](FrmOptions& w) {
            tab(w, kSoundsAndStyle);
            EXPECT_EQ(w.OptSound(c.level == 2 ? 2 : c.set).Value(), 1);
            vb::UserClicks(w.OptSound(c.pick));
            vb::UserClicks(w.cmdOK);
        }));
        EXPECT_EQ(recs.SoundLevel, c.levelAfter) << c.level << c.set << c.pick;
        EXPECT_EQ(recs.SoundSet, c.setAfter) << c.level << c.set << c.pick;
    }
}

// The menu style, the placeholders (a click on a sample picks its style)
// and the intro music.
TEST_F(OptionsWindowTest, TheStylePage) {
    recs.MenuStyle = 0;
    recs.SkinOn = false;
    recs.IntroMusic = false;
    ASSERT_TRUE(pressEnd([](FrmOptions& w) {
        tab(w, kSoundsAndStyle);
        EXPECT_EQ(w.optPlaceHolder(1).Value(), 1);
        vb::UserClicks(w.OptMenu(1));
        vb::UserClicks(w.FilePic(5));
        EXPECT_EQ(w.optPlaceHolder(0).Value(), 1);
        vb::UserClicks(w.ckIntro);
        vb::UserClicks(w.CmdApply);
        vb::UserClicks(w.CmdCancel);
    }));
    EXPECT_EQ(recs.MenuStyle, 1);
    EXPECT_TRUE(recs.SkinOn);
    EXPECT_TRUE(recs.IntroMusic);
    EXPECT_EQ(tbl.EmptyPilePicture, frmPic().ImgEmpty3.Picture()) << "the empty piles are wooden";
}

// However the window closes after another full deck was previewed, the face
// sheet holds the faces of the deck in force.
TEST_F(OptionsWindowTest, LeavingPutsTheFacesInForceBack) {
    const QImage standard = card_art::FaceSheet(0);
    const struct {
        const char* how;
        int previewed;
        std::function<void(FrmOptions&)> leave;
    } cases[] = {
        {"Cancel", 7, [](FrmOptions& w) { vb::UserClicks(w.CmdCancel); }},
        {"the close box", 8, [](FrmOptions& w) { w.Unload(vb::vbFormControlMenu); }},
        {"OK from another page", 9,
         [](FrmOptions& w) {
             tab(w, kDeckStyles);
             vb::UserClicks(w.cmdOK);
         }},
        {"a numbers-only deck picked last", 7, [](FrmOptions& w) {
             vb::UserClicks(w.OptCard(2));
             vb::UserClicks(w.CmdCancel);
         }},
    };
    recs.DeckStyle = 6;
    for (const auto& c : cases) {
        ASSERT_TRUE(pressEnd([&](FrmOptions& w) {
            vb::UserClicks(w.OptCardSuit(c.previewed));
            EXPECT_EQ(sheet(), card_art::FaceSheet(c.previewed - 6)) << c.how;
            EXPECT_TRUE(w.CmdApply.Enabled());
            c.leave(w);
        }));
        EXPECT_EQ(recs.DeckStyle, 6) << c.how;
        EXPECT_EQ(sheet(), standard) << c.how;
    }
}

// With a numbers-only deck in force the sheet is let go on closing.
TEST_F(OptionsWindowTest, ANumbersOnlyDeckLetsTheSheetGo) {
    recs.DeckStyle = 3;
    ASSERT_TRUE(pressEnd([](FrmOptions& w) {
        EXPECT_EQ(w.OptCard(3).Value(), 1);
        vb::UserClicks(w.OptCardSuit(8));
        vb::UserClicks(w.CmdCancel);
    }));
    for (const vb::Form* loaded : vb::forms::loaded()) EXPECT_NE(loaded->Name(), "frmStdSm");
    EXPECT_EQ(recs.DeckStyle, 3);
}

// A new deck style goes on the table, pay-off piles included, even when a
// click on a sample has disabled Apply before OK.
TEST_F(OptionsWindowTest, ANewDeckIsDrawnOnTheTable) {
    recs.DeckStyle = 6;
    ASSERT_TRUE(pressEnd([](FrmOptions& w) {
        vb::UserClicks(w.OptCard(2));
        EXPECT_TRUE(w.CmdApply.Enabled());
        vb::UserClicks(w.FilePic(4));
        EXPECT_FALSE(w.CmdApply.Enabled());
        vb::UserClicks(w.cmdOK);
    }));
    EXPECT_EQ(recs.DeckStyle, 2);
    FrmGrisk& f = frmGrisk();
    EXPECT_TRUE(f.Picture7(1).Visible());
    EXPECT_TRUE(f.Picture1(1).Visible());
    EXPECT_EQ(f.Picture7(2).Picture(), frmPic().Image1(5).Picture()) << "the hand's Five in the Varnok deck";
}

// Picking the deck in force leaves Apply disabled: nothing changes and the
// table is not drawn again.
TEST_F(OptionsWindowTest, PickingTheDeckInForceChangesNothing) {
    recs.DeckStyle = 6;
    frmGrisk().Picture7(2).setDrawn("untouched");
    ASSERT_TRUE(pressEnd([](FrmOptions& w) {
        vb::UserClicks(w.OptCardSuit(7));
        vb::UserClicks(w.OptCardSuit(6));
        EXPECT_FALSE(w.CmdApply.Enabled());
        vb::UserClicks(w.CmdApply);
        vb::UserClicks(w.CmdCancel);
    }));
    EXPECT_EQ(recs.DeckStyle, 6);
    EXPECT_EQ(frmGrisk().Picture7(2).Drawn(), "untouched");
}

// The plain back's colour after Apply on page 1 (a new deck with back
// design 1 takes that deck's colour).
TEST_F(OptionsWindowTest, PlainColourFromTheCardPage) {
    const struct {
        int backStyle, deck;
        int32_t plain;
    } cases[] = {{1, 6, 0xC0E0FF}, {1, 8, 0xC0E0FF}, {1, 9, 0xC0C0C0}, {1, 7, 0x123456}, {0, 9, 0x123456}};
    for (const auto& c : cases) {
        recs.DeckStyle = 1;
        recs.BackStyle = c.backStyle;
        recs.PlainColor = 0x123456;
        ASSERT_TRUE(pressEnd([&](FrmOptions& w) {
            vb::UserClicks(w.OptCardSuit(c.deck));
            vb::UserClicks(w.cmdOK);
        }));
        EXPECT_EQ(recs.DeckStyle, c.deck);
        EXPECT_EQ(recs.PlainColor, c.plain) << c.backStyle << " " << c.deck;
    }
}

// The plain back's colour after Apply on page 2: design 1 with the
// Standard, Bright or Tile deck has the deck's colour; any other design
// its own colour; the plain back the colour chosen for it.
TEST_F(OptionsWindowTest, PlainColourFromTheBackPage) {
    const struct {
        int deck, design;
        int32_t deckColour;  // chosen with "Deck Color"; 0 none
        int32_t plain;
    } cases[] = {{6, 1, 0, 0xC0E0FF},
                 {8, 1, 0, 0xC0E0FF},
                 {7, 1, 0, 0xC0C0C0},
                 {9, 1, 0, card_art::BackDesignColor(0)},
                 {6, 2, 0, card_art::BackDesignColor(1)},
                 {6, 0, 0x00AAAA, 0x00AAAA}};
    for (const auto& c : cases) {
        recs.DeckStyle = c.deck;
        recs.BackStyle = 3;
        recs.PlainColor = 0x123456;
        if (c.deckColour != 0) vb::dialog_script::pushColor(c.deckColour);
        ASSERT_TRUE(pressEnd([&](FrmOptions& w) {
            tab(w, kDeckStyles);
            vb::UserScrolls(w.HScrollBacks, c.design);
            EXPECT_EQ(w.Command2(0).Visible(), c.design == 0);
            if (c.deckColour != 0) vb::UserClicks(w.Command2(0));
            vb::UserClicks(w.cmdOK);
        }));
        EXPECT_EQ(recs.BackStyle, c.design);
        EXPECT_EQ(recs.PlainColor, c.plain) << c.deck << " " << c.design;
    }
}

// The defaults of the back page: design 1 and the green mat.
TEST_F(OptionsWindowTest, TheBackPagesDefaults) {
    recs.BackStyle = 0;
    recs.TableColor = 0x101010;
    ASSERT_TRUE(pressEnd([](FrmOptions& w) {
        tab(w, kDeckStyles);
        EXPECT_EQ(w.Frame1.BackColor(), 0x101010);
        vb::UserClicks(w.FilePic(0));
        EXPECT_EQ(w.HScrollBacks.Value(), 1);
        EXPECT_EQ(w.FilePic(15).Picture(), w.FilePic(0).Picture());
        vb::UserClicks(w.cmdOK);
    }));
    EXPECT_EQ(recs.BackStyle, 1);
    EXPECT_EQ(recs.TableColor, 0x8000);
    EXPECT_EQ(frmPic().FilePic(0).Picture(), card_art::Back(0, false)) << "the table's back is design 1";
}

// Preferences on a remote machine during another player's turn are
// refused; on this machine's turn they open.
TEST_F(OptionsWindowTest, AnInternetGameWaitsForThePlayersTurn) {
    inet.NetPeers = 1;
    eng.Pturn = 2;
    EXPECT_FALSE(pressEnd([](FrmOptions& w) { w.Unload(); }));
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_EQ(vb::msgbox_script::shown()[0].title, "Don't hold up the game!");
    EXPECT_EQ(vb::msgbox_script::shown()[0].prompt, "Please wait until your turn to change game preferences!");
    eng.Pturn = 1;
    EXPECT_TRUE(pressEnd([](FrmOptions& w) { vb::UserClicks(w.CmdCancel); }));
}

// Ctrl+Tab goes from tab to tab, after the last to the first.
TEST_F(OptionsWindowTest, CtrlTabStepsThroughThePages) {
    ASSERT_TRUE(pressEnd([](FrmOptions& w) {
        for (int expected : {2, 3, 4, 1}) {
            int key = vb::vbKeyTab;
            w.Form_KeyDown(key, vb::vbCtrlMask);
            EXPECT_EQ(w.SelectedTab(), expected);
            for (int i = 0; i < kOptionsPages; ++i) EXPECT_EQ(w.FrmOp(i).shown(), i == expected - 1);
            EXPECT_EQ(w.OptCard(1).shown(), expected == kPickACard);
            EXPECT_EQ(w.OptSound(0).shown(), expected == kSoundsAndStyle) << "a frame on a page";
        }
        vb::UserClicks(w.CmdCancel);
    }));
}

// On the screen: Up and Down step the table's background once, whichever
// control has the keys, and the page's preview shows the new one;
// Ctrl+Tab goes to the next page from a control too.
TEST_F(OptionsWindowTest, KeysReachTheWindowFromItsControls) {
    eng.UserFolder = tempFolder() + "/";
    ASSERT_TRUE(QDir().mkpath(tempPath("Backgrounds")));
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(Qt::darkRed);
    for (const char* name : {"a.png", "b.png"}) ASSERT_TRUE(tile.save(tempPath(QString("Backgrounds/") + name), "PNG"));
    recs.NumBackgrounds = 2;
    recs.Backgrounds.redim({{0, 2}});
    recs.Backgrounds(1) = "a.png";
    recs.Backgrounds(2) = "b.png";
    recs.BackgroundIdx = 3;  // the plain colour
    recs.PrevBackground = 3;

    vb::forms::setScreenWindows(true);
    FrmOptions& w = frmOptions();
    w.LoadAsDesigned();
    w.Show();
    vb::UserPicksTab(w.tbsOptions, kFontAndBackground - 1);
    EXPECT_TRUE(w.picBackFnt.Picture().isNull()) << "no picture behind the table yet";
    auto* box = w.window()->findChild<QCheckBox*>();
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(w.CKFnt.shown());
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers mods) {
        QKeyEvent down(QEvent::KeyPress, key, mods);
        QCoreApplication::sendEvent(box, &down);
    };
    press(Qt::Key_Down, Qt::NoModifier);
    EXPECT_EQ(recs.BackgroundIdx, 1) << "one step forward from the plain colour";
    EXPECT_FALSE(w.picBackFnt.Picture().isNull()) << "the preview shows the picture";
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w.SelectedTab(), kSoundsAndStyle);
    w.Unload();
    vb::forms::setScreenWindows(false);
}

}  // namespace
