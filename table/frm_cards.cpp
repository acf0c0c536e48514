#include "table/frm_cards.h"

#include <memory>

#include "table/card_art.h"
#include "table/layout_sizes.h"

namespace grisk {

FrmCards::FrmCards()
    : vb::Form(QStringLiteral("frmCards")), Image1(addArray(vb::Kind::Image, "Image1", 1)) {
    for (int slot = 2; slot <= 15 * card_art::kRankStyles; ++slot) Image1.Load(slot);
    for (int style = 1; style <= card_art::kRankStyles; ++style)
        for (int rank = 1; rank <= 13; ++rank) {
            vb::Control& img = Image1(15 * (style - 1) + rank);
            img.setGeometryTw(0, 0, kCardWidthTw, kCardHeightTw);
            img.setPicture(card_art::RankCard(style, rank));
        }
}

FrmCards& frmCards() {
    // Made on first use; a window that was unloaded comes back as designed.
    return vb::DefaultInstance<FrmCards>::getLoaded();
}

bool FrmCardsExists() { return vb::DefaultInstance<FrmCards>::exists(); }

void ReleaseFrmCards() { vb::DefaultInstance<FrmCards>::release(); }

}  // namespace grisk
