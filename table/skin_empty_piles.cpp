#include "table/skin_empty_piles.h"

#include "engine/frm_grisk.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/card_store.h"
#include "table/frm_pic.h"
#include "table/state.h"

namespace grisk {

void SelectEmptyPileImages() {
    FrmPic& pic = frmPic();
    int margin = 5;
    if (recs.SkinOn) {
        tbl.EmptyPilePicture = pic.ImgEmpty3.Picture();
        tbl.EmptyPilePictureSmall = pic.ImgEmptySm3.Picture();
        margin = 8;
    } else {
        tbl.EmptyPilePicture = pic.ImgEmpty2.Picture();
        tbl.EmptyPilePictureSmall = pic.ImgEmptySm2.Picture();
    }
    tbl.EmptyPilesChosen = true;

    // The menu strip in the chosen style, the rules labels at its right end.
    FrmGrisk& f = frmGrisk();
    const int style = pic.imgControl.exists(recs.MenuStyle) ? recs.MenuStyle : 0;
    f.picPanel.setPicture(pic.imgControl(style).Picture());
    f.setScaleMode(vb::ScaleMode::Pixels);
    vb::Control& strip = f.picPanel;
    for (vb::Control* label : {&f.lblLevel, &f.lblRules})
        label->setLeft(strip.Left() + strip.Width() - (margin + label->Width()));
    if (cmd.FormLoading) f.setScaleMode(vb::ScaleMode::Twips);
}

void EnsureEmptyPileImages() {
    if (!tbl.EmptyPilesChosen) SelectEmptyPileImages();
}

}  // namespace grisk
