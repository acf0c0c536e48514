#include "table/skin_empty_piles.h"

#include <algorithm>
#include <iterator>

#include "engine/frm_grisk.h"
#include "platform/twips.h"
#include "records/state.h"
#include "table/control_art.h"
#include "shell/state.h"
#include "table/card_store.h"
#include "table/frm_pic.h"
#include "table/state.h"

namespace grisk {

namespace {

// The rules labels end this many pixels from the strip's right end.
constexpr int kSkinMargin = 8;
constexpr int kPlainMargin = 5;
// Between the last title and the rules labels.
constexpr double kTitlesGap = 4;
// However narrow the window, the titles keep a quarter of their width.
constexpr double kLeastTitleScale = 0.25;

int menuStyle() { return frmPic().imgControl.exists(recs.MenuStyle) ? recs.MenuStyle : 0; }

// The strip shows its style's picture; where its titles must close up to
// clear the rules labels, the same picture drawn with them closer. A hidden
// strip is given its picture only as it comes out (coming out fits it).
void showStripPicture(FrmGrisk& f, bool comingOut) {
    if (!comingOut && !f.picPanel.Visible()) return;
    const int style = menuStyle();
    if (tbl.MenuTitleScale >= 1) {
        f.picPanel.setPicture(frmPic().MenuStrip(style));
        return;
    }
    if (tbl.MenuStripStyle != style || tbl.MenuStripScale != tbl.MenuTitleScale) {
        tbl.MenuStripPicture = control_art::MenuStrip(style, tbl.MenuTitleScale);
        tbl.MenuStripStyle = style;
        tbl.MenuStripScale = tbl.MenuTitleScale;
    }
    f.picPanel.setPicture(tbl.MenuStripPicture);
}

// The strip is as wide as its picture, or as the window where that is
// narrower; the rules labels end at the margin from its right end, and the
// titles end before them.
void placeRulesLabels(FrmGrisk& f, int margin, bool comingOut) {
    f.setScaleMode(vb::ScaleMode::Pixels);
    vb::Control& strip = f.picPanel;
    const double inner = screen::TwipsToPixels(f.Width() - vb::FrameWidthTw());
    strip.setWidth(std::min<double>(control_art::kStripW, std::max(0.0, inner)));
    double labelsLeft = strip.Width();
    for (vb::Control* label : {&f.lblLevel, &f.lblRules}) {
        label->setLeft(strip.Left() + strip.Width() - (margin + label->Width()));
        labelsLeft = std::min(labelsLeft, label->Left() - strip.Left());
    }
    const double titlesRight = std::end(control_art::kStripTitles)[-1].right;
    tbl.MenuTitleScale = std::clamp((labelsLeft - kTitlesGap) / titlesRight, kLeastTitleScale, 1.0);
    showStripPicture(f, comingOut);
}

}  // namespace

void SelectEmptyPileImages() {
    FrmPic& pic = frmPic();
    int margin = kPlainMargin;
    if (recs.SkinOn) {
        tbl.EmptyPilePicture = pic.ImgEmpty3.Picture();
        tbl.EmptyPilePictureSmall = pic.ImgEmptySm3.Picture();
        margin = kSkinMargin;
    } else {
        tbl.EmptyPilePicture = pic.ImgEmpty2.Picture();
        tbl.EmptyPilePictureSmall = pic.ImgEmptySm2.Picture();
    }
    tbl.EmptyPilesChosen = true;

    // The menu strip in the chosen style, the rules labels at its right end.
    FrmGrisk& f = frmGrisk();
    placeRulesLabels(f, margin, false);
    if (cmd.FormLoading) f.setScaleMode(vb::ScaleMode::Twips);
}

void FitMenuStrip() {
    FrmGrisk& f = frmGrisk();
    const vb::ScaleMode mode = f.scaleMode();
    placeRulesLabels(f, recs.SkinOn ? kSkinMargin : kPlainMargin, true);
    f.setScaleMode(mode);
}

void EnsureEmptyPileImages() {
    if (!tbl.EmptyPilesChosen) SelectEmptyPileImages();
}

}  // namespace grisk
