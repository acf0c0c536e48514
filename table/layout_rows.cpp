#include "table/layout_rows.h"

#include <algorithm>
#include <cmath>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/vb.h"
#include "table/layout_centre.h"
#include "table/layout_geometry.h"
#include "table/layout_redraw.h"
#include "table/layout_stacks.h"
#include "table/state.h"

namespace grisk {

namespace {

void moveRowsBack() {
    if (eng.NumPlayers == 2) {
        const int centres = eng.NumCenters;
        eng.NumCenters = 3;
        ArrangeTable();
        eng.NumCenters = centres;
        if (eng.NumCenters == 4) SetupCenterPiles();
    } else {
        SetupCenterPiles();
        SetupOpponentSets(eng.NumPlayers);
    }
    RedrawTable();
}

void moveRowsUp() {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    // At two players seat 2's hold row goes up 10 pixels, or less where its
    // caption would meet seat 2's hand; the human's rows go up the designed
    // 20 or 50, or less where its hold-row frame would meet seat 2's.
    int lift = eng.ScreenWidthTw > 13000 ? 50 : 20;
    int seat2Lift = 10;
    if (eng.NumPlayers == 2) {
        const double strip = FrameCaptionStrip();
        const double seat2Room = f.Picture1(7).rectPx().top() - strip - f.Picture1(2).rectPx().bottom();
        seat2Lift = std::clamp(static_cast<int>(std::floor(seat2Room)), 0, seat2Lift);
        const double seat2FrameBottom = f.Label3(1).rectPx().bottom() - seat2Lift;
        const double room = tbl.HoldRowTop - strip - (seat2FrameBottom + kFrameGap);
        lift = std::clamp(static_cast<int>(std::floor(room)), 0, lift);
    }
    const int holdTop = tbl.HoldRowTop - lift;
    const int handTop = tbl.HandRowTop - lift;
    vb::ControlArray& me = f.Picture7;
    for (int slot = 1; slot <= 6; ++slot) me(slot).setTop(handTop);
    for (int slot = 7; slot <= 10; ++slot) {
        me(slot).setTop(holdTop);
        if (f.StackHold.exists(slot - 6)) f.StackHold(slot - 6).setTop(holdTop - 5);
    }
    if (eng.NumPlayers == 2) {
        const double seat2Hold = f.Picture1(7).Top() - seat2Lift;
        for (int slot = 7; slot <= 10; ++slot) {
            f.Picture1(slot).setTop(seat2Hold);
            if (f.StackHold.exists(slot - 2)) f.StackHold(slot - 2).setTop(seat2Hold - 5);
        }
    }
    f.Label3(0).setTop(me(7).Top() - FrameCaptionStrip());
    if (eng.NumPlayers == 2) f.Label3(1).setTop(f.Picture1(7).Top() - FrameCaptionStrip());

    StackPayOffShapes(StackLast(1), me);
    if (f.Stack.exists(StackLast(1)))
        f.ImgHold.Move(f.Stack(StackLast(1)).Left(), f.Stack(StackLast(1)).Top());
    f.ImgHold.ZOrder(0);

    if (eng.NumPlayers > 2) {
        vb::Control& remark = f.Label9(2);
        remark.setLeft(f.imgCenter.Left() + f.imgCenter.Width());
        remark.setWidth(2 * tbl.CardWidthPx);
        // A remark line that starts below the pay-off pile gets no height
        // rather than a negative one.
        remark.setHeight(std::max(0.0, me(1).Top() - remark.Top()));
    }
    if (eng.NumPlayers == 2 && eng.NumCenters == 4) {
        f.Label9(1).setTop(me(1).Top() + 10);
        tbl.CenterAreaTop = vb::CInt(f.Picture1(7).Top() + 10);
        PositionCenterPiles();
    }
}

}  // namespace

void MoveCardRows(bool up) {
    if (up)
        moveRowsUp();
    else
        moveRowsBack();
    frmGrisk().setScaleMode(vb::ScaleMode::Twips);
}

}  // namespace grisk
