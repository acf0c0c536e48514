#include "table/table_labels.h"

#include <algorithm>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "table/state.h"
#include "table/table_fit.h"

namespace grisk {

namespace {

void threeCentres(FrmGrisk& f, bool wide) {
    const vb::Control& board = f.imgCenter;
    vb::Control& banner = f.Label9(0);
    banner.Move(f.PicCenter(2).Left(), board.Top() + board.Height() + banner.Height());
    vb::Control& message = f.Label9(1);
    message.Move(6, board.Top() + board.Height() + 10);
    message.setWidth(board.Width());
    vb::Control& remark = f.Label9(2);
    remark.Move(20, f.Label9(4).Top() + 15);
    remark.setWidth(board.Left() + board.Width() - 20);
    f.LabelPeek.Move(f.Picture7(6).Left() + tbl.CardWidthPx, tbl.HandRowTop);
    f.cmdDeal.Move(f.PicCenter(3).Left(), tbl.HandRowTop - 2 * f.cmdDeal.Height());
    f.imgIcon.setTop(wide ? f.PicCenter(1).Top() : remark.Top() - f.imgIcon.Height());
}

void fourCentresTwoPlayers(FrmGrisk& f, bool wide) {
    const vb::Control& board = f.imgCenter;
    f.Label9(0).Move(f.PicCenter(2).Left(), board.Top() - f.LblWild(1).Height());
    vb::Control& message = f.Label9(1);
    if (wide && tbl.DisplayMode != 2) {
        message.setTop(f.Picture7(1).Top());
        message.setWidth(board.Width());
    } else {
        message.setTop(board.Top() + board.Height());
        message.setWidth(board.Width() + 20);
    }
    message.setLeft(3);
    f.LabelPeek.Move(3, f.PicCenter(3).Top() + tbl.CardWidthPx / 2.0);
    vb::Control& remark = f.Label9(2);
    remark.Move(6, f.PicCenter(1).Top() - 20);
    remark.setWidth(std::max(0.0, board.Left() - 10));
    if (f.PicCenter.exists(4))
        f.cmdDeal.Move(board.Left() + board.Width() + 6, f.PicCenter(4).Top() - f.cmdDeal.Height() / 2);
    f.imgIcon.setTop(remark.Top() - f.imgIcon.Height());
}

void fourCentresLargeTable(FrmGrisk& f) {
    const vb::Control& board = f.imgCenter;
    f.Label9(0).Move(tbl.CenterAreaLeft + board.Width(), board.Top());
    vb::Control& message = f.Label9(1);
    if (eng.ScreenWidthTw <= 12000) {
        message.Move(f.ImgTurn1.Left() + f.ImgTurn1.Width(), f.Label1.Top() + f.Label1.Height());
        message.setWidth(1.4 * board.Width());
    } else {
        message.Move(3, board.Top() + board.Height() + 2);
        message.setWidth(1.75 * board.Width());
    }
    vb::Control& remark = f.Label9(2);
    // (no wider than the window)
    const double left = f.Label3(0).Left();
    double width = f.Label3(0).Width() + 50;
    if (TableRightPx() > left) width = std::min(width, TableRightPx() - left);
    remark.Move(left, tbl.SeatHoldTop + 86, width, 80);
    f.imgIcon.Move(remark.Left() - f.imgIcon.Width(), remark.Top());
    if (f.PicCenter.exists(4))
        f.cmdDeal.Move(board.Left() + board.Width() + 6, f.PicCenter(4).Top() - f.cmdDeal.Height() - 13);
    f.LabelPeek.Move(f.cmdDeal.Left(), f.cmdDeal.Top() + f.cmdDeal.Height());
}

}  // namespace

void PlaceTableLabels() {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    const bool wide = eng.ScreenWidthTw >= 12288;
    const int h = tbl.CardHeightPx;

    f.Label9(3).Move(f.Picture7(1).Left(), f.Picture7(1).Top() + h + 6);
    const double seat2Top = f.Picture1(1).Top();
    const double nameTop = eng.NumPlayers == 2 && tbl.DisplayMode != 2
                               ? seat2Top + 96
                               : seat2Top + (eng.ScreenWidthTw > 13000 ? 80 : 70);
    // (The name goes under the pay-off pile, never under the card.)
    f.Label9(4).setTop(NameTopUnder(f.Picture1(1), nameTop));

    vb::Control& remark = f.Label9(2);
    remark.setWidth(f.imgCenter.Width());
    if (eng.NumPlayers == 2) remark.setHeight(eng.NumCenters == 3 ? 80 : f.imgCenter.Height());
    f.imgIcon.setLeft(f.imgMenu.Left() + f.imgMenu.Width());

    if (eng.NumCenters != 4) {
        threeCentres(f, wide);
        KeepTextLinesClear();
        return;
    }
    f.LabelPeek.setTop(446);
    if (eng.NumPlayers == 2)
        fourCentresTwoPlayers(f, wide);
    else
        fourCentresLargeTable(f);
    KeepTextLinesClear();
}

}  // namespace grisk
