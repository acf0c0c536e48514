#include "table/layout_centre.h"

#include <algorithm>
#include <cmath>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/vb.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/display_size.h"
#include "table/layout_geometry.h"
#include "table/layout_pictures.h"
#include "table/layout_reset.h"
#include "table/layout_sizes.h"
#include "table/layout_stacks.h"
#include "table/pile_labels.h"
#include "table/seat_controls.h"
#include "table/state.h"
#include "table/table_fit.h"
#include "table/table_labels.h"

namespace grisk {

namespace {

void unloadIfLoaded(vb::ControlArray& arr, int index) {
    if (arr.exists(index)) arr.Unload(index);
}

// Takes seat 4's control set off the table; its side pile stays, hidden.
void removeSeat4() {
    FrmGrisk& f = frmGrisk();
    for (int i = 2; i <= 10; ++i) unloadIfLoaded(f.Picture3, i);
    f.Picture3(1).setVisible(false);
    for (int i = 76; i <= 100; ++i) unloadIfLoaded(f.Stack, i);
    unloadIfLoaded(f.Label3, 3);
    unloadIfLoaded(f.Label9, 6);
    for (int i = 13; i <= 16; ++i) unloadIfLoaded(f.StackHold, i);
}

}  // namespace

void LayoutCenterArea() {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    vb::Control& stock = f.PicCenter(0);
    const bool large = tbl.DisplayMode < 2 && eng.ScreenWidthTw > 12000;
    stock.setWidth(large ? kCardWidthPx : kSmallCardWidthPx);
    stock.setHeight(large ? kCardHeightPx : kSmallCardHeightPx);
    stock.setPicture(CardBackPicture(large));

    if (tbl.DisplayMode >= 2 && eng.ScreenWidthTw <= 12288 && cmd.FormLoading) {
        PlaceTableLabels();
        f.setScaleMode(vb::ScaleMode::Pixels);
    }

    if (eng.ScreenWidthTw <= 12000) {
        if (eng.NumPlayers > 2) {
            stock.Move(25, f.PicCenter(3).Top() + f.ImgTurn2.Height());
        } else {
            const vb::Control& seat2Frame = f.Label3(1);
            stock.setLeft(seat2Frame.Left() + seat2Frame.Width() + (tbl.DisplayMode > 1 ? 59 : 10));
            if (tbl.DisplayMode <= 1) stock.setTop(192);
        }
    } else if (stock.Width() + 10 <= f.ImgAvatar.Width()) {
        stock.setLeft(f.ImgAvatar.Left() + f.ImgAvatar.Width() / 2 - (stock.Width() + 10) / 2);
    } else {
        stock.setLeft(f.ScaleWidth() - stock.Width() - 14);
    }

    vb::Control& frame = f.Label1;
    frame.Move(stock.Left() - 5, stock.Top() - 5, stock.Width() + 10, stock.Height() + 10);
    f.ImgTurn2.setTop(frame.Top() - f.ImgTurn2.Height() - 7);
    f.ImgTurn1.setTop(frame.Top() + frame.Height() + 7);
    for (vb::Control* arrow : {&f.ImgTurn2, &f.ImgTurn1})
        arrow->setLeft(frame.Left() + frame.Width() / 2 - arrow->Width() / 2);
    stock.Move(frame.Left() + 5, frame.Top() + 5);
    KeepStockClear();
    KeepTextLinesClear();
}

void RelayoutCenter() {
    if (eng.NumPlayers > 2 && eng.ScreenWidthTw <= 12000) return;
    PlaceTurnImages();
    LayoutCenterArea();
}

void ComputeVerticalLayout() {
    FrmGrisk& f = frmGrisk();
    if (f.WindowState() != 0) f.setWindowState(0);
    f.setScaleMode(vb::ScaleMode::Twips);
    f.Move(0, 0, f.Width(), f.Height());
    KeepHumanHandClearOfCentre();
    f.setScaleMode(vb::ScaleMode::Twips);
    const vb::Control& payOff = f.Picture7(1);
    double height = f.StatusBar1.Height() + payOff.Top() + payOff.Height() + 900 +
                    (eng.ScreenWidthTw < 13000 ? 184 : 255);
    // Never taller than the screen's work area: the rows go up instead.
    const double limit = WindowHeightLimitTw();
    if (limit > 0) height = std::min(height, std::floor(limit));
    eng.MainFormHeight = vb::CInt(height);
    f.setHeight(eng.MainFormHeight);
    eng.MainFormWidth = MainWindowWidthTw();
    KeepHumanRowsInHeight();
    RelayoutCenter();
    f.setScaleMode(vb::ScaleMode::Twips);
    f.setWidth(eng.MainFormWidth);
    f.setScaleMode(vb::ScaleMode::Pixels);
    KeepStockClear();
    // A window that leaves the message or the remark no place of its own
    // grows for them, as far as the screen lets it.
    if (!KeepTextLinesClear() && limit > 0 && f.Height() < std::floor(limit)) {
        f.setScaleMode(vb::ScaleMode::Twips);
        eng.MainFormHeight = vb::CInt(std::floor(limit));
        f.setHeight(eng.MainFormHeight);
        f.setScaleMode(vb::ScaleMode::Pixels);
        KeepStockClear();
        KeepTextLinesClear();
    }
}

void SetupCenterPiles() {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    ComputeTableCoordinates();
    if (!tbl.Center4Loaded) {
        f.LblWild.ensure(4);
        vb::Control& pile = f.PicCenter.ensure(4);
        pile.setBorderStyle(1);
        pile.setToolTipText(QString());
        pile.setWidth(kCardWidthPx);
        pile.setHeight(kCardHeightPx);
        ShowEmptyPile(pile);
        tbl.Center4Loaded = true;
    }
    PositionCenterPiles();
    if (eng.NumPlayers == 2) {
        PlacePilePictures();
        PlaceTableLabels();
        // Seat 2's rows follow the anchors: placed from the same threshold.
        if (eng.ScreenWidthTw < 12288) {
            PlaceTableFrames();
            StackPayOffShapes(StackLast(2), f.Picture1);
            LayoutCenterArea();
        }
    }
    ShowCentrePiles();
    // The fourth pile exists from here on; with three centre piles it must
    // not stay on show from an earlier game.
    if (eng.NumCenters < 4) {
        f.PicCenter(4).setVisible(false);
        f.LblWild(4).setVisible(false);
    }
}

void PositionCenterPiles() {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    const int l = tbl.CenterAreaLeft;
    const int t = tbl.CenterAreaTop;
    const int w = tbl.CardWidthPx;
    const int h = tbl.CardHeightPx;
    const bool tight = tbl.DisplayMode >= 2 && eng.NumCenters >= 4;
    const double col1 = tight ? l - 4 : l;
    const double col2 = tight ? l + w + 4 : l + w + 10;
    const double row1 = tight ? t - 4 : t;
    const double row2 = tight ? t + h : t + h + 6;
    const double left[] = {0, col1, col2, col1, col2};
    const double top[] = {0, row1, row1, row2, row2};
    for (int c = 1; c <= 4; ++c)
        if (f.PicCenter.exists(c)) f.PicCenter(c).Move(left[c], top[c]);
    f.imgCenter.Move(l - 15, t - 16);
    PositionPileLabels();
}

void SetupOpponentSets(int players) {
    FrmGrisk& f = frmGrisk();
    SetupCenterPiles();
    if (players > 2) {
        LoadPlayerControls(f.Picture2);
        tbl.Seat3Loaded = true;
    }
    if (players == 3 && tbl.Seat4Loaded) {
        removeSeat4();
        tbl.Seat4Loaded = false;
    }
    if (players == 4 && !tbl.Seat4Loaded) {
        LoadPlayerControls(f.Picture3);
        tbl.Seat4Loaded = true;
    }
    ShowOpponentNames();
    SizeMultiPlayerCards();
    PlacePilePictures();
    PlaceTableLabels();
    SetHoldImagePicture();
}

}  // namespace grisk
