#include "table/layout_sizes.h"

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "table/card_drawing.h"
#include "table/layout_centre.h"
#include "table/layout_geometry.h"
#include "table/layout_pictures.h"
#include "table/layout_redraw.h"
#include "table/layout_stacks.h"
#include "table/state.h"
#include "table/table_fit.h"

namespace grisk {

namespace {

void setCardSize(bool small) {
    tbl.CardWidthPx = small ? kSmallCardWidthPx : kCardWidthPx;
    tbl.CardHeightPx = small ? kSmallCardHeightPx : kCardHeightPx;
    tbl.CardWidthTw = small ? kSmallCardWidthTw : kCardWidthTw;
    tbl.CardHeightTw = small ? kSmallCardHeightTw : kCardHeightTw;
}

void sizeTo(vb::Control& c, double w, double h) {
    c.setWidth(w);
    c.setHeight(h);
}

void sizeRange(vb::ControlArray& arr, int first, int last, double w, double h) {
    for (int i = first; i <= last; ++i)
        if (arr.exists(i)) sizeTo(arr(i), w, h);
}

// A frame one pixel round the pile, two above it and one below.
void frameAround(vb::Control& frame, const vb::Control& pile) {
    frame.Move(pile.Left() - 1, pile.Top() - 2, tbl.CardWidthPx + 2, tbl.CardHeightPx + 3);
}

}  // namespace

void SetCardSize() {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    setCardSize(tbl.DisplayMode >= 2);
    if (eng.ScreenWidthTw < 10000) f.Label9(1).setHeight(f.Label3(0).Height() + tbl.CardHeightPx);
}

void ResizeCards(bool small) {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    setCardSize(small);
    const int w = tbl.CardWidthPx;
    const int h = tbl.CardHeightPx;
    vb::ControlArray& me = f.Picture7;
    sizeRange(me, 1, 10, w, h);
    sizeRange(f.StackHold, 1, 4, w, h);
    SizeStackShapes(StackFirst(1), StackLast(1));
    sizeRange(f.PicCenter, 1, eng.NumCenters, w, h);

    if (!small) {
        PlacePilePictures();
        PlaceHighlightLabel(vb::CInt(me(7).Top()), vb::CInt(me(7).Left()), 0);
        PlaceHoldImage();
        SetupCenterPiles();
        return;
    }

    // The compact row: the hand edge to edge beside the raised pay-off pile,
    // the hold piles 8 pixels apart.
    // (From the pay-off pile's place in the large row, before that row was
    // kept on the window.)
    me(1).setLeft(tbl.HandRowLeft - 1.25 * kCardWidthPx);
    me(7).setLeft(tbl.HoldRowLeft);
    if (f.StackHold.exists(1)) f.StackHold(1).setLeft(me(7).Left() + 5);
    f.Label3(0).setLeft(tbl.HoldRowLeft - 5);
    const double base = me(1).Left() + w / 2.0 + 6;
    me(1).setTop(me(1).Top() - h / 3.0);
    me(2).setTop(me(1).Top());
    for (int k = 1; k <= 5; ++k) {
        const int slot = k + 1;
        me(slot).setLeft(base + k * w);
        me(slot).setTop(me(slot - 1).Top());
    }
    for (int slot = 8; slot <= 10; ++slot) {
        me(slot).setLeft(me(slot - 1).Left() + w + 8);
        if (f.StackHold.exists(slot - 6)) f.StackHold(slot - 6).setLeft(me(slot).Left() + 5);
    }
    for (int slot = 2; slot <= 10; ++slot) me(slot).setVisible(true);
    sizeTo(f.Label3(0), kHumanSmallFrameWidth, 93 - 8 + FrameCaptionStrip());
    KeepHumanRowOnWindow(1, 6);
    KeepHumanRowOnWindow(7, 10);

    StackPayOffShapes(StackLast(1), me);
    PlaceHoldImage();
    CreatePileHighlightLabels();
    SetupCenterPiles();
    KeepHumanHandClearOfCentre();
}

void SizePlayerCards() {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    if (eng.NumPlayers > 2) f.Picture1(2).setTop(5);
    sizeRange(f.Picture7, 0, 10, tbl.CardWidthPx, tbl.CardHeightPx);
    sizeRange(f.Picture1, 0, 10, tbl.CardWidthPx, tbl.CardHeightPx);
    DrawCard(f.Picture7, 0, 0, kEmptyMark);
    f.Picture7(0).setVisible(false);
    sizeRange(f.StackHold, 1, 8, tbl.CardWidthPx, tbl.CardHeightPx);
}

void SizeMultiPlayerCards() {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    sizeRange(f.Picture1, 0, 10, kSmallCardWidthPx, kSmallCardHeightPx);
    LayoutCenterArea();
    f.setScaleMode(vb::ScaleMode::Pixels);
    sizeRange(f.Stack, StackFirst(2), StackLast(eng.NumPlayers), kSmallCardWidthPx, kSmallCardHeightPx);
    sizeRange(f.StackHold, 5, 4 * eng.NumPlayers, kSmallCardWidthPx, kSmallCardHeightPx);
    StackPayOffShapes(StackLast(2), f.Picture1);
    PlaceTableShapes(f.Picture1, StackFirst(2));
    for (int i = 1; i <= 4; ++i)
        if (f.lblHoldCard.exists(i)) f.lblHoldCard(i).setVisible(false);
}

void CreatePileHighlightLabels() {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    if (!tbl.HoldLabelsLoaded) {
        // Seat 2's frames (1..4) belong to the two-player table only.
        for (int i = 2; i <= 8; ++i) f.lblHoldCard.ensure(i).setVisible(i > 4 || eng.NumPlayers == 2);
        tbl.HoldLabelsLoaded = true;
    }
    for (int j = 1; j <= 4; ++j) {
        const int slot = j + 6;
        if (f.lblHoldCard.exists(j + 4)) frameAround(f.lblHoldCard(j + 4), f.Picture7(slot));
        if (f.lblHoldCard.exists(j)) frameAround(f.lblHoldCard(j), f.Picture1(slot));
    }
    sizeTo(f.lblHighlight, tbl.CardWidthPx + 10, tbl.CardHeightPx + 10);
    RedrawPlayerPiles(f.Picture7, eng.PlayerSlots);
}

void PlaceHoldImage() {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    const vb::Control& top = f.Stack.exists(StackLast(1)) ? f.Stack(StackLast(1)) : f.Picture7(1);
    f.ImgHold.Move(top.Left(), top.Top(), tbl.CardWidthPx, tbl.CardHeightPx);
    f.ImgHold.ZOrder(0);  // laid over the stack
    SetHoldImagePicture();
}

void SetHoldImagePicture() { frmGrisk().ImgHold.setPicture(CardBackPicture(tbl.DisplayMode < 2)); }

}  // namespace grisk
