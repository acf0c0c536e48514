#include "table/skin_empty_piles.h"

#include <algorithm>

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

// The strip is as wide as its picture, or as the window where that is
// narrower; the rules labels end at the margin from its right end.
void placeRulesLabels(FrmGrisk& f, int margin) {
    f.setScaleMode(vb::ScaleMode::Pixels);
    vb::Control& strip = f.picPanel;
    const double inner = screen::TwipsToPixels(f.Width() - vb::FrameWidthTw());
    strip.setWidth(std::min<double>(control_art::kStripW, std::max(0.0, inner)));
    for (vb::Control* label : {&f.lblLevel, &f.lblRules})
        label->setLeft(strip.Left() + strip.Width() - (margin + label->Width()));
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
    const int style = pic.imgControl.exists(recs.MenuStyle) ? recs.MenuStyle : 0;
    f.picPanel.setPicture(pic.imgControl(style).Picture());
    placeRulesLabels(f, margin);
    if (cmd.FormLoading) f.setScaleMode(vb::ScaleMode::Twips);
}

void FitMenuStrip() {
    FrmGrisk& f = frmGrisk();
    const vb::ScaleMode mode = f.scaleMode();
    placeRulesLabels(f, recs.SkinOn ? kSkinMargin : kPlainMargin);
    f.setScaleMode(mode);
}

void EnsureEmptyPileImages() {
    if (!tbl.EmptyPilesChosen) SelectEmptyPileImages();
}

}  // namespace grisk
