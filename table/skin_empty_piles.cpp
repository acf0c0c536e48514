#include "table/skin_empty_piles.h"

#include "records/state.h"
#include "table/card_store.h"
#include "table/frm_pic.h"

namespace grisk {

void SelectEmptyPileImages() {
    FrmPic& pic = frmPic();
    if (recs.SkinOn) {
        cardpics.EmptyPilePicture = pic.ImgEmpty3.Picture();
        cardpics.EmptyPilePictureSmall = pic.ImgEmptySm3.Picture();
    } else {
        cardpics.EmptyPilePicture = pic.ImgEmpty2.Picture();
        cardpics.EmptyPilePictureSmall = pic.ImgEmptySm2.Picture();
    }
    cardpics.EmptyPilesChosen = true;
}

void EnsureEmptyPileImages() {
    if (!cardpics.EmptyPilesChosen) SelectEmptyPileImages();
}

}  // namespace grisk
