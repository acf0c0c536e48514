#include "table/layout_pictures.h"

#include "platform/controls.h"
#include "table/card_store.h"
#include "table/frm_pic.h"
#include "table/skin_empty_piles.h"
#include "table/state.h"

namespace grisk {

namespace {
constexpr double kLargeCardHeightTw = 1440;
}  // namespace

QImage CardBackPicture(bool large) { return frmPic().FilePic(large ? 0 : 5).Picture(); }

QImage EmptyPilePicture(bool large) {
    EnsureEmptyPileImages();
    return large ? tbl.EmptyPilePicture : tbl.EmptyPilePictureSmall;
}

QImage EmptyPilePictureFor(const vb::Control& pile) {
    return EmptyPilePicture(pile.heightTw() >= kLargeCardHeightTw);
}

void ShowEmptyPile(vb::Control& pile) {
    const bool large = pile.heightTw() >= kLargeCardHeightTw;
    pile.setPicture(EmptyPilePicture(large));
    pile.setDrawn(large ? QStringLiteral("empty large") : QStringLiteral("empty small"));
}

}  // namespace grisk
