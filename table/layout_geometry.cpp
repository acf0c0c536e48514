#include "table/layout_geometry.h"

#include <algorithm>
#include <cmath>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/formwindow.h"
#include "platform/vb.h"
#include "table/display_size.h"
#include "table/layout_centre.h"
#include "table/layout_reset.h"
#include "table/layout_sizes.h"
#include "table/layout_stacks.h"
#include "table/pile_labels.h"
#include "table/state.h"
#include "table/table_fit.h"
#include "table/table_labels.h"

namespace grisk {

namespace {

constexpr int kSeat2HoldTop = 128;  // seat 2's hold row with two players

void unloadIfLoaded(vb::ControlArray& arr, int index) {
    if (arr.exists(index)) arr.Unload(index);
}

void sizeToCard(vb::Control& c) {
    c.setWidth(tbl.CardWidthPx);
    c.setHeight(tbl.CardHeightPx);
}

void twoPlayerAnchors(int w, int h) {
    const bool wide = eng.ScreenWidthTw >= 12288;
    const bool four = eng.NumCenters == 4;
    tbl.HandRowTop = wide ? 400 : 392;
    tbl.HandRowLeft = wide ? 400 : (four ? 266 : 166);
    tbl.HoldRowTop = wide ? 279 : 273;
    tbl.HoldRowLeft = wide ? 480 : (four ? 400 : 300);
    tbl.Seat2SideTop = 6;
    tbl.Seat2HandTop = 6;
    tbl.Seat2HandLeft = wide ? 320 : 240;
    tbl.Seat2SideLeft = vb::CInt(tbl.Seat2HandLeft - 1.25 * w);
    tbl.Seat2HoldLeft = tbl.HoldRowLeft;
    if (wide) tbl.SeatHoldTop = h + 6;
    if (four) {
        tbl.CenterAreaTop = 153;
        tbl.CenterAreaLeft = wide ? 225 : 166;
    } else {
        tbl.CenterAreaTop = wide ? 279 - w + 10 : 273 - w;
        tbl.CenterAreaLeft = wide ? vb::CInt(400 - 3.5 * w) : 33;
    }
}

void largeTableAnchors(int w, int h) {
    const bool above = eng.ScreenWidthTw > 13000;
    tbl.Seat2SideTop = 5;
    tbl.Seat2HandTop = 5;
    tbl.HandRowLeft = 433;
    tbl.HoldRowLeft = 433;
    tbl.HandRowTop = above ? 405 : 392;
    tbl.HoldRowTop = above ? 290 : 273;
    tbl.Seat2SideLeft = OpponentPayOffLeft(2);
    tbl.Seat2HandLeft = vb::CInt(tbl.Seat2SideLeft + w / 2.0 + 10);
    tbl.SeatHoldTop = above ? 5 + h + 15 : 5 + h;
    // Room for the names under the other seats' (small) pay-off piles,
    // above their hold-row frames.
    const int nameRoom = 5 + kSmallCardHeightPx + static_cast<int>(std::ceil(NameLineHeightPx())) + 1 + kSmallFrameRise;
    tbl.SeatHoldTop = std::max(tbl.SeatHoldTop, nameRoom);
    tbl.CenterAreaTop = above ? 230 : 213;
    tbl.CenterAreaLeft = 126;
}

}  // namespace

int FrameCaptionStrip() {
    const double line = vb::TextLinesRectPx(frmGrisk().Label3(0), 1).height();
    return static_cast<int>(std::ceil(line)) + kOutlineRise + 1;
}

void ComputeTableCoordinates() {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    const int w = tbl.CardWidthPx;
    const int h = tbl.CardHeightPx;
    if (eng.NumPlayers <= 2)
        twoPlayerAnchors(w, h);
    else
        largeTableAnchors(w, h);
    if (eng.NumPlayers <= 2) {
        f.Picture1(2).Move(tbl.Seat2HandLeft, tbl.Seat2HandTop);
        f.Picture1(7).setLeft(tbl.Seat2HoldLeft);
    }
    f.Picture1(1).Move(tbl.Seat2SideLeft, tbl.Seat2SideTop);
}

void ArrangeTable() {
    FrmGrisk& f = frmGrisk();
    ComputeTableCoordinates();
    PlaceTableFrames();
    f.setScaleMode(vb::ScaleMode::Pixels);
    const int w = tbl.CardWidthPx;
    const int h = tbl.CardHeightPx;

    // The centre piles in a row, each with its wild counter under it.
    f.PicCenter(1).setLeft(tbl.CenterAreaLeft);
    for (int i = 1; i <= 3; ++i) {
        vb::Control& pile = f.PicCenter(i);
        if (i > 1) pile.setLeft(f.PicCenter(i - 1).Left() + tbl.PileStep);
        pile.setTop(tbl.CenterAreaTop);
        vb::Control& wild = f.LblWild(i);
        wild.setLeft(pile.Left() + w / 2.0 - wild.Width() / 2);
        wild.setTop(tbl.CenterAreaTop + h + 10);
        wild.ZOrder(0);
    }
    if (tbl.Center4Loaded) {
        unloadIfLoaded(f.PicCenter, 4);
        unloadIfLoaded(f.LblWild, 4);
        tbl.Center4Loaded = false;
    }
    f.imgCenter.Move(tbl.CenterAreaLeft - 15, tbl.CenterAreaTop - 16);

    PositionPileLabels();
    ShowCentrePiles();
    SizePlayerCards();

    // Seats 3 and 4 go; their flags are cleared only at the end.
    for (int i = 2; i <= 10; ++i) {
        if (tbl.Seat3Loaded) unloadIfLoaded(f.Picture2, i);
        if (tbl.Seat4Loaded) unloadIfLoaded(f.Picture3, i);
    }
    for (int i = StackFirst(2); i <= StackLast(2); ++i) {
        if (f.Stack.exists(i)) sizeToCard(f.Stack(i));
        if (tbl.Seat3Loaded) unloadIfLoaded(f.Stack, i + 25);
        if (tbl.Seat4Loaded) unloadIfLoaded(f.Stack, i + 50);
    }
    for (int i = 5; i <= 8; ++i)
        if (f.StackHold.exists(i)) sizeToCard(f.StackHold(i));
    if (tbl.Seat3Loaded) {
        unloadIfLoaded(f.Label3, 2);
        unloadIfLoaded(f.Label9, 5);
        for (int i = 9; i <= 12; ++i) unloadIfLoaded(f.StackHold, i);
    }
    if (tbl.Seat4Loaded) {
        unloadIfLoaded(f.Label3, 3);
        unloadIfLoaded(f.Label9, 6);
        for (int i = 13; i <= 16; ++i) unloadIfLoaded(f.StackHold, i);
    }

    PlaceTableLabels();
    ShowOpponentNames();
    f.Picture2(1).setVisible(false);
    tbl.Seat3Loaded = false;
    f.Picture3(1).setVisible(false);
    tbl.Seat4Loaded = false;

    LayoutCenterArea();
    f.setScaleMode(vb::ScaleMode::Pixels);
    StackPayOffShapes(StackLast(1), f.Picture7);
    StackPayOffShapes(StackLast(2), f.Picture1);
    PlaceHoldImage();
}

void PlaceTableFrames() {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    vb::ControlArray& seat2 = f.Picture1;
    for (int i = 3; i <= 10; ++i) {
        vb::Control& pile = seat2(i);
        if (i <= 6) {
            pile.setLeft(seat2(i - 1).Left() + tbl.PileStep);
            pile.setTop(seat2(2).Top());
        } else {
            if (i >= 8) pile.setLeft(seat2(i - 1).Left() + tbl.PileStep);
            pile.setTop(kSeat2HoldTop);
            if (f.StackHold.exists(i - 2)) f.StackHold(i - 2).Move(pile.Left() + 5, pile.Top() - 5);
        }
    }
    for (int c = 1; c <= eng.NumCenters; ++c)
        if (f.PicCenter.exists(c)) sizeToCard(f.PicCenter(c));
    PlacePilePictures();
}

void PlacePilePictures() {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    vb::ControlArray& me = f.Picture7;
    const int w = tbl.CardWidthPx;

    // Every slot takes the anchors' tops, so a re-layout also puts rows
    // that were moved up back in their normal place.
    me(2).setLeft(tbl.HandRowLeft);
    me(7).setLeft(tbl.HoldRowLeft);
    me(1).setTop(tbl.HandRowTop);
    me(1).setLeft(tbl.HandRowLeft - 1.25 * w);
    f.ImgHold.Move(me(1).Left() - 4, tbl.HandRowTop);
    StackPayOffShapes(StackLast(1), me);
    f.ImgHold.ZOrder(0);

    const int handStep = eng.NumPlayers > 2 ? tbl.PileStep - 2 : tbl.PileStep;
    for (int k = 0; k <= 4; ++k) me(2 + k).Move(tbl.HandRowLeft + k * handStep, tbl.HandRowTop);
    for (int k = 0; k <= 3; ++k) {
        vb::Control& pile = me(7 + k);
        pile.Move(tbl.HoldRowLeft + k * tbl.PileStep, tbl.HoldRowTop);
        if (f.StackHold.exists(1 + k)) f.StackHold(1 + k).Move(pile.Left() + 5, pile.Top() - 5);
    }
    KeepHumanRowOnWindow(1, 6);
    KeepHumanRowOnWindow(7, 10);
    KeepHumanHandClearOfCentre();

    PlaceHighlightLabel(vb::CInt(me(7).Top()), vb::CInt(me(7).Left()), 0);
    PlaceHighlightLabel(vb::CInt(f.Picture1(7).Top()), vb::CInt(f.Picture1(7).Left()), 1);
    if (eng.NumPlayers == 2)
        for (int i = 1; i <= 4; ++i)
            if (f.lblHoldCard.exists(i)) f.lblHoldCard(i).setVisible(true);
}

void PlaceHighlightLabel(int y, int x, int index) {
    FrmGrisk& f = frmGrisk();
    if (index == 0) CreatePileHighlightLabels();
    if (!f.Label3.exists(index)) return;
    f.setScaleMode(vb::ScaleMode::Pixels);
    const bool large = index == 0 || (index == 1 && eng.NumPlayers == 2);
    vb::Control& frame = f.Label3(index);
    // The frame reaches as far below the piles as designed; above them it
    // leaves a strip for its caption.
    const int above = large ? 8 : kSmallFrameRise;
    const int strip = large ? FrameCaptionStrip() : above;
    const int height = (large ? 112 : 90) - above + strip;
    int width = large ? kHumanFrameWidth : 268;
    // A fanned seat's frame is as wide as its hold row, so that it stays
    // clear of the next seat's.
    vb::ControlArray& piles = f.seatPictures(index + 1);
    if (!large && piles.exists(10)) {
        const int row = vb::CInt(piles(10).rectPx().right() - x + 10);
        if (row > 0) width = std::min(width, row);
    }
    frame.setWidth(width);
    frame.setHeight(height);
    frame.Move(x - 5, y - strip);
    // Over a fanned seat the strip lies under the hand: no caption there.
    if (index == 1) frame.setCaption(large ? QString::fromLatin1(kSeat2HoldCaption) : QString());
}

void PlaceTableShapes(vb::ControlArray& cardOwner, int stackIndex) {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    // The seat's own cards (always small here) set the fan.
    const int w = vb::CInt(cardOwner(1).rectPx().width());
    const SeatFan fan = OpponentFan(w);
    const int base = vb::CInt(cardOwner(1).Left() + w / 2.0 + 10);
    const int seat = FrmGrisk::seatOf(cardOwner);

    int k = 1;
    for (int i = 2; i <= 10; ++i, ++k) {
        vb::Control& pile = cardOwner(i);
        if (i <= 6) {
            pile.Move(base + k * fan.handStep, cardOwner(i - 1).Top() + 3);
            continue;
        }
        if (i == 7) {
            const double stackLeft = f.Stack.exists(stackIndex) ? f.Stack(stackIndex).Left()
                                                                : cardOwner(1).Left() - 56;
            pile.Move(stackLeft + 8, tbl.SeatHoldTop);
        } else {
            pile.Move(cardOwner(i - 1).Left() + fan.holdStep, tbl.SeatHoldTop);
        }
        const int outline = OutlineIndex(seat, i - 6);
        if (f.StackHold.exists(outline)) f.StackHold(outline).Move(pile.Left() + 4, pile.Top() - 4);
    }
}

}  // namespace grisk
