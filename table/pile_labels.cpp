#include "table/pile_labels.h"

#include <QRectF>
#include <algorithm>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/frm_pic.h"
#include "table/state.h"
#include "table/table_fit.h"
#include "table/table_labels.h"

namespace grisk {

namespace {

// The board for three piles in a row or four in a block, as the skin in
// force wears it: wooden with the skin, metal without.
QImage board(bool fourPiles) {
    FrmPic& store = frmPic();
    if (recs.SkinOn) return (fourPiles ? store.imgCenterV : store.imgCenterH).Picture();
    return (fourPiles ? store.imgCenterVM : store.imgCenterHM).Picture();
}

// The centre piles stand in a row (three piles of a two-player table) or
// in a block of two columns; the board follows their shape.
bool pilesInRow(FrmGrisk& f) {
    for (int c = 1; c <= 3; ++c)
        if (!f.PicCenter.exists(c)) return eng.NumCenters == 3;
    return eng.NumCenters == 3 && f.PicCenter(3).topTw() == f.PicCenter(1).topTw();
}

// The stretched board grows where its designed size would leave a pile on
// its rim or beyond it: it reaches as far past its piles on the right and
// below as it does on the left and above.
void holdPilesInside(FrmGrisk& f, vb::Control& board) {
    const QRectF b = board.rectPx();
    QRectF piles;
    for (int c = 1; c <= eng.NumCenters; ++c)
        if (f.PicCenter.exists(c)) piles = piles.united(f.PicCenter(c).rectPx());
    if (piles.isEmpty()) return;
    const double width = piles.right() + (piles.left() - b.left()) - b.left();
    const double height = piles.bottom() + (piles.top() - b.top()) - b.top();
    board.setWidth(std::max(b.width(), width));
    board.setHeight(std::max(b.height(), height));
}

void centreOver(vb::Control& label, const vb::Control& pile) {
    label.setLeft(pile.Left() + tbl.CardWidthPx / 2.0 - label.Width() / 2);
}

}  // namespace

void PositionPileLabels() {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    vb::Control& img = f.imgCenter;
    const bool four = !pilesInRow(f);
    img.setPicture(board(four));
    if (!tbl.SmallDisplay) {
        img.setStretch(false);
        img.setWidth(board(four).width());
        img.setHeight(board(four).height());
    } else {
        img.setStretch(true);
        img.setWidth(four ? 145.6 : 208);
        img.setHeight(four ? 181.6 : 100);
        holdPilesInside(f, img);
        if (cmd.FormLoading) PlaceTableLabels();
        f.setScaleMode(vb::ScaleMode::Pixels);
    }

    vb::ControlArray& wild = f.LblWild;
    vb::ControlArray& piles = f.PicCenter;
    auto both = [&](int i) { return wild.exists(i) && piles.exists(i); };
    if (!four) {
        for (int i = 1; i <= 3; ++i)
            if (both(i)) centreOver(wild(i), piles(i));
        const double top = img.Top() - wild(1).Height();
        for (int i = 1; i <= 3; ++i)
            if (wild.exists(i)) wild(i).setTop(top);
    } else {
        if (eng.NumPlayers == 2) {
            centreOver(wild(1), piles(1));
            wild(1).setTop(img.Top() - wild(1).Height());
            if (wild.exists(3)) wild(3).Move(wild(1).Left(), img.Top() + img.Height());
        } else {
            wild(1).Move(img.Left() - wild(1).Width(), tbl.CenterAreaTop);
            if (both(3)) wild(3).Move(wild(1).Left(), piles(3).Top());
            f.Label9(1).setTop(img.Top() + img.Height());
        }
        if (wild.exists(2)) wild(2).Move(img.Left() + img.Width(), tbl.CenterAreaTop);
        if (both(4)) wild(4).Move(wild(2).Left(), piles(4).Top());
    }
    for (int i = 1; i <= eng.NumCenters; ++i)
        if (wild.exists(i)) wild(i).ZOrder(0);
    KeepTextLinesClear();
}

}  // namespace grisk
