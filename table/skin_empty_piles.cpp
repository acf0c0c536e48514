#include "table/skin_empty_piles.h"

#include "records/state.h"
#include "table/card_store.h"
#include "table/frm_pic.h"
#include "table/state.h"

namespace grisk {

void SelectEmptyPileImages() {
    FrmPic& pic = frmPic();
    if (recs.SkinOn) {
        tbl.EmptyPilePicture = pic.ImgEmpty3.Picture();
        tbl.EmptyPilePictureSmall = pic.ImgEmptySm3.Picture();
    } else {
        tbl.EmptyPilePicture = pic.ImgEmpty2.Picture();
        tbl.EmptyPilePictureSmall = pic.ImgEmptySm2.Picture();
    }
    tbl.EmptyPilesChosen = true;
}

void EnsureEmptyPileImages() {
    if (!tbl.EmptyPilesChosen) SelectEmptyPileImages();
}

}  // namespace grisk
