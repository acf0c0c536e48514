#include "table/layout_pictures.h"

#include "platform/controls.h"
#include "platform/twips.h"
#include "table/card_store.h"
#include "table/frm_pic.h"
#include "table/layout_sizes.h"
#include "table/skin_empty_piles.h"
#include "table/state.h"

namespace grisk {

namespace {
constexpr double kLargeCardHeightTw = screen::PixelsToTwips(kCardHeightPx);
}  // namespace

QImage CardBackPicture(bool large) { return frmPic().FilePic(large ? 0 : 5).Picture(); }

QImage EmptyPilePicture(bool large) {
    EnsureEmptyPileImages();
    return large ? tbl.EmptyPilePicture : tbl.EmptyPilePictureSmall;
}

bool IsLargePicture(const vb::Control& pile) { return pile.heightTw() >= kLargeCardHeightTw; }

QImage EmptyPilePictureFor(const vb::Control& pile) { return EmptyPilePicture(IsLargePicture(pile)); }

void ShowEmptyPile(vb::Control& pile) {
    const bool large = IsLargePicture(pile);
    pile.setPicture(EmptyPilePicture(large));
    pile.setDrawn(large ? QStringLiteral("empty large") : QStringLiteral("empty small"));
}

}  // namespace grisk
