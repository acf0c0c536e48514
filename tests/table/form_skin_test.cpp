// The skins of the companion windows, their bevel lines, and the menu
// strip's picture and rules labels chosen with the empty-pile marks.
#include <gtest/gtest.h>

#include "engine/card_handling.h"
#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/controls.h"
#include "platform/formwindow.h"
#include "platform/keys.h"
#include "platform/twips.h"
#include "records/state.h"
#include "shell/state.h"
#include "support/test_support.h"
#include "table/card_store.h"
#include "table/control_art.h"
#include "table/form_skin.h"
#include "table/frm_pic.h"
#include "table/menu_strip.h"
#include "table/pile_info.h"
#include "table/skin_empty_piles.h"
#include "table/state.h"

using namespace grisk;

namespace {

class FormSkinTest : public grisk_test::GriskTest {
protected:
    void TearDown() override {
        ReleaseFrmHold();
        ReleaseFrmGrisk();
        ReleaseCardPictureStores();
    }
};

// A borderless window with the two designed outer lines of each array.
class FramedForm : public vb::Form {
public:
    FramedForm(const QString& name, double w, double h)
        : vb::Form(name), Line1(addArray(vb::Kind::Line, "Line1", 0)), Line2(addArray(vb::Kind::Line, "Line2", 0)),
          label(addControl(vb::Kind::Label, "lblText")), button(addControl(vb::Kind::CommandButton, "cmdOK")) {
        Move(0, 0, w, h);
        Line1.Load(1);
        Line2.Load(1);
        label.setBackColor(0x123456);
        button.setBackColor(0x123456);
    }
    vb::ControlArray& Line1;
    vb::ControlArray& Line2;
    vb::Control& label;
    vb::Control& button;
};

struct Ends {
    double x1, y1, x2, y2;
    bool operator==(const Ends&) const = default;
};
Ends ends(const vb::Control& l) { return {l.x1Tw(), l.y1Tw(), l.x2Tw(), l.y2Tw()}; }
std::ostream& operator<<(std::ostream& os, const Ends& e) {
    return os << "(" << e.x1 << ", " << e.y1 << ") - (" << e.x2 << ", " << e.y2 << ")";
}

TEST_F(FormSkinTest, TheBevelLinesFollowTheWindowsOuterSizeAndCanBeDrawnTwice) {
    FramedForm frm(QStringLiteral("frmSome"), 4000, 3000);
    frm.setScaleMode(vb::ScaleMode::Pixels);  // the coordinates are twips whatever the mode
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ASSERT_NO_THROW(DrawFormBorderLines(frm));
        EXPECT_EQ(ends(frm.Line1(2)), (Ends{30, 0, 30, 2940}));
        EXPECT_EQ(ends(frm.Line1(3)), (Ends{3970, 15, 3970, 2970}));
        EXPECT_EQ(ends(frm.Line2(2)), (Ends{30, 30, 3940, 30}));
        EXPECT_EQ(ends(frm.Line2(3)), (Ends{20, 2970, 3985, 2970}));
        EXPECT_EQ(ends(frm.Line1(0)).y2, 3000);
        EXPECT_EQ(ends(frm.Line2(0)).x2, 3970);
        EXPECT_EQ(ends(frm.Line2(1)).y1, 2985);
        EXPECT_EQ(ends(frm.Line2(1)).y2, 2985);
        EXPECT_EQ(ends(frm.Line1(1)).x1, 3985);
        EXPECT_EQ(frm.Line1(2).BorderColor(), 0xE0E0E0);
        EXPECT_EQ(frm.Line2(3).BorderColor(), 0xC0C0C0);
        EXPECT_TRUE(frm.Line2(3).Visible());
        EXPECT_EQ(frm.scaleMode(), vb::ScaleMode::Pixels);
    }
    // A window without line arrays is left alone.
    vb::Form plain(QStringLiteral("frmPlain"));
    EXPECT_NO_THROW(DrawFormBorderLines(plain));
}

TEST_F(FormSkinTest, OnlyThePileInformationWindowsControlsTakeTheSkinsColour) {
    const struct {
        bool skin;
        int32_t colour;
    } cases[] = {{true, kSkinControlColor}, {false, kPlainControlColor}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.skin);
        recs.SkinOn = c.skin;
        FramedForm hold(QStringLiteral("frmHold"), 4000, 3000);
        FramedForm other(QStringLiteral("frmCounter"), 4000, 3000);
        ApplyFormSkin(hold);
        ApplyFormSkin(other);
        EXPECT_EQ(hold.label.BackColor(), c.colour);
        EXPECT_EQ(hold.button.BackColor(), c.colour);
        EXPECT_EQ(other.label.BackColor(), 0x123456);
        EXPECT_EQ(other.pictureLayout(), vb::PictureLayout::Stretched);
        EXPECT_FALSE(other.Picture().isNull());
        EXPECT_EQ(tbl.EmptyPilePicture.cacheKey(),
                  (c.skin ? frmPic().ImgEmpty3 : frmPic().ImgEmpty2).Picture().cacheKey());
    }
    // The real pile-information window takes its bevel as it loads, and its
    // skin when it is first shown.
    recs.SkinOn = false;
    FrmHold& hold = frmHold();
    hold.Load();
    EXPECT_TRUE(hold.Line2.exists(3));
    cmd.DeveloperMode = true;
    PicCenter_MouseDown(0, 2, vb::vbCtrlMask);  // the stock's hidden cards
    ASSERT_TRUE(hold.Visible());
    EXPECT_EQ(hold.lblHold.BackColor(), kPlainControlColor);
    hold.Unload(1);
}

// The window loads with the table but is painted with its skin only when a
// right press first shows it: it looks as it did when the skin came with the
// load, and a skin chosen while it is hidden shows the next time.
TEST_F(FormSkinTest, ThePileInformationWindowLooksTheSameWithItsSkinPaintedWhenFirstShown) {
    vb::forms::setScreenWindows(true);
    cmd.DeveloperMode = true;
    const auto showStock = [] {
        PicCenter_MouseDown(0, 2, vb::vbCtrlMask);
        FrmHold& hold = frmHold();
        EXPECT_TRUE(hold.Visible());
        return hold.window() ? hold.window()->grab().toImage() : QImage();
    };
    // The window as it was when the load painted the skin at once.
    const auto paintedAtLoad = [&](bool skin) {
        ReleaseFrmHold();
        recs.SkinOn = skin;
        ApplyFormSkin(frmHold());
        const QImage shot = showStock();
        ReleaseFrmHold();
        return shot;
    };
    for (bool skin : {true, false}) {
        SCOPED_TRACE(skin);
        const QImage expected = paintedAtLoad(skin);
        const QImage otherSkin = paintedAtLoad(!skin);
        ASSERT_FALSE(expected.isNull());
        ASSERT_NE(expected, otherSkin);

        // As the start loads it with the profile's skin.
        recs.SkinOn = skin;
        LoadPileInfoWithSkin();
        ASSERT_FALSE(frmHold().Visible());
        EXPECT_EQ(showStock(), expected);

        // Hidden again, another profile brings the other skin.
        frmHold().Hide();
        recs.SkinOn = !skin;
        LoadPileInfoWithSkin();
        EXPECT_EQ(tbl.EmptyPilePicture.cacheKey(),
                  (!skin ? frmPic().ImgEmpty3 : frmPic().ImgEmpty2).Picture().cacheKey())
            << "the table's marks change at once";
        EXPECT_EQ(showStock(), otherSkin);
        // And while it shows, at once.
        recs.SkinOn = skin;
        LoadPileInfoWithSkin();
        EXPECT_EQ(frmHold().lblHold.BackColor(), skin ? kSkinControlColor : kPlainControlColor);
        ReleaseFrmHold();
    }
    vb::forms::setScreenWindows(false);
}

TEST_F(FormSkinTest, WithLargeFontsThePileInformationWindowOpensAStepSmaller) {
    const double designed = FrmHold().Height();
    eng.LargeFonts = true;
    FrmHold& hold = frmHold();  // loaded on first use
    ASSERT_TRUE(hold.isLoaded());
    EXPECT_NEAR(hold.Height(), designed * 0.8, 0.01);
    hold.Unload(1);
}

TEST_F(FormSkinTest, TheStripShowsTheMenuStyleAndTheRulesLabelsEndAtItsRightMargin) {
    FrmGrisk& f = frmGrisk();
    const struct {
        bool skin;
        int style;
        double margin;
        double widthTw;
    } cases[] = {{false, 0, 5, 16665}, {true, 1, 8, 16665}, {false, 1, 5, 9600}, {true, 0, 8, 9600}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.widthTw);
        f.Move(0, 0, c.widthTw, 9000);
        recs.SkinOn = c.skin;
        recs.MenuStyle = c.style;
        SelectEmptyPileImages();
        // The style's picture as the strip comes out (where the titles close
        // up to fit, drawn again with them closer: left of the first title
        // they are alike), and at once while it is out.
        const QRect edge(0, 0, 20, control_art::kStripH);
        Form_MouseDown();
        imgMenu_MouseMove();
        ASSERT_TRUE(f.picPanel.Visible());
        EXPECT_EQ(f.picPanel.Picture().copy(edge), frmPic().MenuStrip(c.style).copy(edge));
        recs.MenuStyle = 1 - c.style;
        SelectEmptyPileImages();
        EXPECT_EQ(f.picPanel.Picture().copy(edge), frmPic().MenuStrip(1 - c.style).copy(edge));
        recs.MenuStyle = c.style;
        SelectEmptyPileImages();
        const double right = screen::TwipsToPixels(f.picPanel.leftTw() + f.picPanel.widthTw()) - c.margin;
        for (const vb::Control* l : {&f.lblRules, &f.lblLevel})
            EXPECT_NEAR(screen::TwipsToPixels(l->leftTw() + l->widthTw()), right, 1e-9) << l->Name().toStdString();
        EXPECT_EQ(f.lblRules.Container(), &f.picPanel) << "drawn on the strip";
    }
}

}  // namespace
