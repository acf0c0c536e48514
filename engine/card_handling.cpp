#include "engine/card_handling.h"

#include <QApplication>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/cards.h"
#include "engine/end_turn.h"
#include "engine/frm_grisk.h"
#include "engine/player_record.h"
#include "engine/player_move.h"
#include "engine/program_sound.h"
#include "engine/rules.h"
#include "engine/state.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/eventwait.h"
#include "platform/keys.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "platform/winsock.h"
#include "records/state.h"
#include "shell/state.h"
#include "shell/frm_menu.h"
#include "table/avatar.h"
#include "table/menu_strip.h"
#include "table/status_bar.h"
#include "table/card_drawing.h"
#include "table/pile_info.h"
#include "table/state.h"

namespace grisk {

namespace {
// The card size the drop test assumes, whatever size the cards are drawn.
constexpr double kTestCardW = 71;
constexpr double kTestCardH = 96;
constexpr int kSlideStep = 60;

double leftPx(const vb::Control& c) { return screen::TwipsToPixels(c.leftTw()); }
double topPx(const vb::Control& c) { return screen::TwipsToPixels(c.topTw()); }
int whole(double v) { return static_cast<int>(vb::RoundHalfEven(v)); }

void movePx(vb::Control& c, double left, double top) {
    c.setGeometryTw(screen::PixelsToTwips(left), screen::PixelsToTwips(top), c.widthTw(), c.heightTw());
}

bool isHold(int slot) { return slot >= 7 && slot <= 10; }
bool isHand(int slot) { return slot >= 2 && slot <= 6; }
bool gameDecided() { return eng.OppSideCount == 0 || eng.SideCount == 0; }

// Within a third of a card of a centre or hold pile.
bool nearPile(const vb::Control& d, const vb::Control& p) {
    const double dl = leftPx(d), dt = topPx(d), pl = leftPx(p), pt = topPx(p);
    const auto sum = [](double a, double b) { return static_cast<float>(a + b); };
    return !(sum(dl, kTestCardW / 3) < pl || sum(pl, kTestCardW / 3) < dl || sum(dt, kTestCardH / 3) < pt ||
             sum(pt, kTestCardH / 3) < dt);
}

// Within half a card sideways, half a card above and a whole card below a
// hand place.
bool nearHandPlace(const vb::Control& d, const vb::Control& p) {
    const double dl = leftPx(d), dt = topPx(d), pl = leftPx(p), pt = topPx(p);
    return !(dl + kTestCardW / 2 < pl || pl + kTestCardW / 2 < dl || dt + kTestCardH / 2 < pt || pt + kTestCardH < dt);
}

void slideHome(int index, int fromLeft, int fromTop) {
    vb::Control& card = frmGrisk().Picture7(index);
    const int n = std::max(std::abs(fromLeft - eng.DragLeft), std::abs(fromTop - eng.DragTop));
    for (int i = 0; n > 0 && i <= n; i += kSlideStep) {
        int x = 0, y = 0;
        Interpolate(fromLeft, fromTop, eng.DragLeft, eng.DragTop, static_cast<float>(i) / n, x, y);
        movePx(card, x, y);
    }
    movePx(card, eng.DragLeft, eng.DragTop);
}

// A drag's home and card as the press found them: the flights of a refill
// that is still going on set DragLeft and DragTop for themselves.
struct PressedCard {
    int homeLeft = 0;
    int homeTop = 0;
    int card = 0;
};
PressedCard pressed;

// A drop made while the table was still moving (a play's clear or refill,
// the hand given back after the others' turns): taken once all has landed.
struct PendingDrop {
    bool waiting = false;
    int index = 0;
    int left = 0;
    int top = 0;
    PressedCard from;
};
PendingDrop pendingDrop;

// Cards are still on their way, or another move of the human's is: the
// table has not settled for a new move.
bool tableStillMoving() { return eng.HumanMoveBusy || eng.GameBusy || waits::BusyDepth() > 0; }

void blankMessageLines() {
    FrmGrisk& f = frmGrisk();
    f.Label9(1).setCaption(QStringLiteral(" "));
    if (inet.NetPeers == 0) f.Label9(2).setCaption(QStringLiteral(" "));
}

void closeCommandMenus() {
    frmGrisk().picPanel.setVisible(false);
    CloseCommandList();
    tbl.PanelHover = false;
}

// A right press on one of the human's piles: a hold pile's or (after the
// game, or with Ctrl in the developer mode) the pay-off pile's hidden cards.
void rightPressInfo(int index, int shift) {
    FrmGrisk& f = frmGrisk();
    if (isHold(index)) {
        eng.InfoHold = 0;
        HoldInfo(eng.PlayerHold, eng.PlayerHoldCount, 0, QString());
        frmHold().Show();
    } else if (index == 1) {
        if (eng.SideCount > 0 && eng.OppSideCount > 0 && !(shift == vb::vbCtrlMask && cmd.DeveloperMode)) {
            f.Label9(1).setCaption(eng.PlayerName + " SIDE : " + vb::Str(eng.SideCount));
            return;
        }
        eng.InfoHold = 0;
        HoldInfo(eng.PlayerSide, eng.PlayerSide, eng.SideCount, QString());
        frmHold().Show();
    }
}

// While a hold pile's top is dragged away, the pile shows the card under it
// (5 pixels right and up) or its empty mark.
void showUnderDraggedTop(int index) {
    FrmGrisk& f = frmGrisk();
    const int p = index - 6;
    vb::Control& under = f.Picture1(0);
    if (eng.PlayerHoldCount(p) > 0) {
        movePx(under, eng.DragLeft + 5, eng.DragTop - 5);
        eng.OppSlots(0, 0) = eng.PlayerHold(0, p, eng.PlayerHoldCount(p));
        DrawCard(f.Picture1, 0, eng.OppSlots(0, 0), 0);
        f.Picture7(0).setVisible(true);
    } else {
        movePx(under, eng.DragLeft, eng.DragTop);
        DrawCard(f.Picture1, 0, 0, kEmptyMark);
    }
    under.setVisible(true);
}

// A hand card dropped on another hand place or a hold pile.
void dropOnOwnPile(int index, int r, int releaseLeft, int releaseTop) {
    FrmGrisk& f = frmGrisk();
    if (isHold(r)) {
        HumanDiscard(index, r);
        return;
    }
    eng.DropSlot = r;
    eng.SourceSlot = index;
    eng.OutMoveFrom = index;
    eng.OutMoveTo = eng.DropSlot;
    {
        HumanMoveGuard move;
        if (!inet.OldPeer) {
            Hand_Sort(eng.PlayerSlots, f.Picture7, eng.SourceSlot, eng.DropSlot);
            if (inet.NetPeers != 0) {
                eng.OutMoveTo += 10;
                Move_Transmit();
            }
        }
    }
    EnablePileRange(f.Picture7, true, 1, 10);
    slideHome(index, releaseLeft, releaseTop);
}
}  // namespace

void HumanDiscard(int source, int holdSlot) {
    eng.SourceSlot = source;
    eng.DropSlot = holdSlot;
    eng.OutMoveFrom = source;
    eng.OutMoveTo = holdSlot;
    // The hand and the hold pictures are locked; the pay-off card stays
    // free, so that a press on it during the other seats' turns is
    // answered.
    EnablePileRange(frmGrisk().Picture7, false, 2, 10);
    Player_EndTurn();
}

bool TableSettled() { return !tableStillMoving() && !pendingDrop.waiting; }

void ResetCardHandlingState() {
    pressed = PressedCard{};
    pendingDrop = PendingDrop{};
}

void Interpolate(int x1, int y1, int x2, int y2, float t, int& x, int& y) {
    x = static_cast<int>(std::floor(x1 + (x2 - x1) * t + 0.5));
    y = static_cast<int>(std::floor(y1 + (y2 - y1) * t + 0.5));
}

void DragHumanCard(int source, vb::ControlArray& target, int index) {
    vb::Control& card = frmGrisk().Picture7(source);
    if (!card.Enabled() || !card.Visible()) return;
    // Grabbed a little inside its corner; the pointer then moves by as much
    // as the card has to.
    constexpr double kGrab = 10;
    const double dx = leftPx(target(index)) - leftPx(card);
    const double dy = topPx(target(index)) - topPx(card);
    Picture7_MouseDown(source, 1, 0, kGrab, kGrab);
    Picture7_MouseMove(source, 1, 0, kGrab + dx, kGrab + dy);
    Picture7_MouseUp(source, 1, 0, kGrab + dx, kGrab + dy);
}

bool HumanCenterPlay(int source, int centre, bool dropped) {
    if (tableStillMoving()) return false;
    eng.SourceSlot = source;
    eng.TargetCenter = centre;
    const int before = eng.Pturn;
    if (dropped) eng.Dragging = 1;
    CheckCenterMove();
    if (dropped) eng.Dragging = 0;
    if (eng.Pturn == 99) {
        eng.Pturn = before;
        return false;
    }
    if (eng.Pturn != 1) return false;
    eng.DragMove = dropped;
    Player_Move();
    return true;
}

void Picture7_MouseDown(int index, int button, int shift, double x, double y) {
    // A drop still waits for the table to settle: it is taken first.
    if (pendingDrop.waiting) return;
    FrmGrisk& f = frmGrisk();
    eng.DropSlot = index;
    if (inet.NetPeers == 0) {
        f.Timer1.Enabled = false;
        if (!eng.PlayerAvatar.isEmpty() && eng.NumPlayers > 2 && eng.RestoreOwnAvatar) {
            ShowAvatar(eng.PlayerAvatar);
            eng.RestoreOwnAvatar = false;
        }
    }
    closeCommandMenus();

    if (button == 2) {
        eng.CardRightPress = true;
        if (eng.Flipping) return;
        eng.InfoPile = index;
        // A hand card is dragged with either button.
        if (!isHand(index)) {
            rightPressInfo(index, shift);
            return;
        }
    } else {
        eng.CardRightPress = false;
    }
    if (!f.cmdDeal.Visible() && eng.Pturn > 1) {
        ShowRuleMessage(3);
        return;
    }
    eng.SourceSlot = index;
    if (gameDecided()) return;
    f.Label9(1).setCaption(QString());
    if (isHold(index) && eng.PlayerSlots(0, index) == 0) return;
    // A hold pile shows its next card on the picture that flies the cards.
    if (isHold(index) && tableStillMoving()) return;
    if (eng.Dragging != 0) return;
    eng.Dragging = 1;

    vb::Control& card = f.Picture7(index);
    eng.DragLeft = whole(leftPx(card));
    eng.DragTop = whole(topPx(card));
    pressed = PressedCard{eng.DragLeft, eng.DragTop, eng.PlayerSlots(0, index)};
    movePx(f.Picture7(0), eng.DragLeft, eng.DragTop);
    if (isHold(index)) showUnderDraggedTop(index);
    eng.GrabX = whole(x);
    eng.GrabY = whole(y);
    card.ZOrder(0);
}

namespace {

// Steps 4 to 8 of a release: the card, released at (l, t), on the pile it
// lies on, or home.
void dropAt(int index, int l, int t) {
    FrmGrisk& f = frmGrisk();
    vb::Control& card = f.Picture7(index);
    const int r = FindDropPile(index);
    if (r < 0) {
        slideHome(index, l, t);
        return;
    }
    const vb::Control& target = (*eng.DropTarget)(r);
    movePx(card, leftPx(target), topPx(target));

    if (eng.DropTarget == &f.Picture7) {
        dropOnOwnPile(index, r, l, t);
        return;
    }
    blankMessageLines();
    eng.TargetCenter = r;
    if (gameDecided()) return;
    if (!HumanCenterPlay(index, r, true)) {
        eng.DropTarget = nullptr;
        slideHome(index, l, t);
    }
}

// The drop that waited for the table to settle. A card that is no longer
// where it was pressed (the game ended or was put back meanwhile) goes home.
void takePendingDrop() {
    const PendingDrop d = pendingDrop;
    pendingDrop = PendingDrop{};
    // The program is closing: the card stays as it lies.
    if (!d.waiting || !FrmGriskExists() || eng.Quitting) return;
    eng.DragLeft = d.from.homeLeft;
    eng.DragTop = d.from.homeTop;
    if (eng.Pturn != 1 || eng.PlayerSlots(0, d.index) != d.from.card || tableStillMoving()) {
        slideHome(d.index, d.left, d.top);
        return;
    }
    dropAt(d.index, d.left, d.top);
}

}  // namespace

void Picture7_MouseMove(int index, int, int, double x, double y) {
    FrmGrisk& f = frmGrisk();
    f.lblHighlight.setVisible(false);
    if (eng.Dragging != 1) return;
    vb::Control& card = f.Picture7(index);
    movePx(card, leftPx(card) + whole(x - eng.GrabX), topPx(card) + whole(y - eng.GrabY));
}

void Picture7_MouseUp(int index, int, int, double, double) {
    FrmGrisk& f = frmGrisk();
    const bool moving = tableStillMoving();
    eng.DragMove = false;
    // While cards fly Picture1(0) is the flying card; a hold pile's drag
    // (which shows its under card there) never starts then.
    if (!moving || isHold(index)) {
        f.Picture1(0).setVisible(false);
        f.Picture7(0).setVisible(false);
        eng.OppSlots(0, 0) = 0;
    }
    if (eng.Dragging != 1) return;
    eng.Dragging = 0;
    eng.DragLeft = pressed.homeLeft;
    eng.DragTop = pressed.homeTop;

    vb::Control& card = f.Picture7(index);
    const int l = whole(leftPx(card));
    const int t = whole(topPx(card));
    if (l == eng.DragLeft && t == eng.DragTop) return;

    if (moving) {
        // The card stays where it was dropped until the table has settled.
        pendingDrop = PendingDrop{true, index, l, t, pressed};
        waits::WhenIdle(takePendingDrop);
        return;
    }
    dropAt(index, l, t);
}

int FindDropPile(int index) {
    FrmGrisk& f = frmGrisk();
    const vb::Control& d = f.Picture7(index);
    for (int c = 1; c <= eng.NumCenters; ++c) {
        if (nearPile(d, f.PicCenter(c))) {
            eng.DropTarget = &f.PicCenter;
            return c;
        }
    }
    bool sideToHold = false;
    bool holdToHold = false;
    for (int h = 7; h <= 10; ++h) {
        if (h == index || !nearPile(d, f.Picture7(h))) continue;
        if (isHand(index)) {
            eng.DropTarget = &f.Picture7;
            return h;
        }
        (index == 1 ? sideToHold : holdToHold) = true;
        break;
    }
    if (index <= 6) {
        for (int s = 2; s <= 6; ++s) {
            if (eng.PlayerSlots(0, s) == 0 || s == index) continue;
            const vb::Control& place = f.Picture7(s);
            if (!nearHandPlace(d, place)) continue;
            if (index == 1) {
                sideToHold = true;
                break;
            }
            eng.DropTarget = &f.Picture7;
            return std::min(leftPx(d) >= leftPx(place) + tbl.CardHalfSpacing ? s + 1 : s, 6);
        }
    }
    if (sideToHold)
        ShowRuleMessage(4);
    else if (holdToHold)
        ShowRuleMessage(2);
    return -1;
}

void Picture7_DblClick(int index) {
    FrmGrisk& f = frmGrisk();
    if (eng.Pturn != 1 || eng.CardRightPress || tableStillMoving() || pendingDrop.waiting) return;
    f.Timer1.Enabled = false;
    eng.SourceSlot = index;
    if (index == 1 && gameDecided()) return;
    blankMessageLines();
    const int rank = eng.PlayerSlots(1, index);
    if (rank == kKing) {
        f.Label9(1).setCaption(eng.Comments(34) + "\n" + eng.Comments(35));
        PlayProgramSound(kSoundRefused);
        return;
    }
    int centre = eng.NumCenters;
    for (int c = 1; c <= eng.NumCenters; ++c) {
        if (rank == eng.CenterCount(c) + 1) {
            centre = c;
            break;
        }
    }
    HumanCenterPlay(index, centre, false);
}

void Picture7_KeyDown(int, int& keyCode, int shift) {
    FrmGrisk& f = frmGrisk();
    const int mask = shift & (vb::vbShiftMask | vb::vbCtrlMask | vb::vbAltMask);
    const int all = vb::vbShiftMask | vb::vbCtrlMask | vb::vbAltMask;
    const int ctrlShift = vb::vbShiftMask | vb::vbCtrlMask;
    if (mask == all) {
        if (keyCode == 'A') f.Label9(1).setCaption(Winsock1(inet.NetSockIndex).LocalIP());
        if (keyCode == 'H') f.Label9(1).setCaption(inet.HostAddress);
        if (keyCode == 'V') f.Label9(1).setCaption(inet.PeerVersion);
    } else if (mask == ctrlShift && cmd.DeveloperMode) {
        if (keyCode == 'P') {
            eng.SideCount = 2;
            QApplication::beep();
        } else if (keyCode == 'O') {
            eng.OppSideCount = 2;
            eng.Player2.RecSideCount = 2;
            QApplication::beep();
        }
    }
}

void SeatPile_MouseDown(vb::ControlArray& pile, int index, int button) {
    if (button != 2) {
        pile(index).ZOrder(0);
        return;
    }
    if (eng.Flipping) return;
    eng.InfoPile = index;
    const FrmGrisk& f = frmGrisk();
    const int seat = &pile == &f.Picture1 ? 2 : &pile == &f.Picture2 ? 3 : 4;
    ShowPileInfo(SeatRecord(seat), seat);
}

void PicCenter_DblClick(int index) {
    if (index == 0) frmGrisk().Label9(1).setCaption("STOCK: " + vb::Str(eng.StockCount));
}

void PicCenter_MouseDown(int index, int button, int shift) {
    if (index != 0 || button != 2) return;
    if (shift == vb::vbCtrlMask && cmd.DeveloperMode) {
        eng.InfoPile = 0;
        HoldInfo(eng.Deck, eng.Used, 0, QString());
        frmHold().Show();
        return;
    }
    frmGrisk().Label9(1).setCaption("USED: " + vb::Str(eng.UsedCount));
}

namespace {
bool named(const vb::Control& c, const char* name) { return c.Name() == QLatin1String(name); }
}  // namespace

void FrmGrisk::MouseDown(vb::Control& c, int button, int shift, double x, double y) {
    if (&c == &picPanel)
        picPanel_MouseDown(x, y);
    else if (named(c, "Label9"))
        Form_MouseDown();
    else if (&c == &StatusBar1)
        StatusBar1_PanelClick(
            vb::StatusPanelAt(StatusBar1, scaleMode() == vb::ScaleMode::Pixels ? x : screen::TwipsToPixels(x)));
    else if (named(c, "Picture7"))
        Picture7_MouseDown(c.Index(), button, shift, x, y);
    else if (seatOf(c.Name()) >= 2)
        SeatPile_MouseDown(seatPictures(seatOf(c.Name())), c.Index(), button);
    else if (named(c, "PicCenter"))
        PicCenter_MouseDown(c.Index(), button, shift);
}

void FrmGrisk::MouseMove(vb::Control& c, int button, int shift, double x, double y) {
    if (named(c, "Picture7"))
        Picture7_MouseMove(c.Index(), button, shift, x, y);
    else if (&c == &picPanel)
        picPanel_MouseMove(x, y);
    else if (&c == &imgMenu)
        imgMenu_MouseMove();
    else if (&c == &ImgAvatar)
        ImgAvatar_MouseMove();
    else if (&c == &imgSlap)
        imgSlap_MouseMove(x, y);
}

void FrmGrisk::MouseUp(vb::Control& c, int button, int shift, double x, double y) {
    if (named(c, "Picture7"))
        Picture7_MouseUp(c.Index(), button, shift, x, y);
    else if (&c == &ImgAvatar)
        ImgAvatar_MouseUp(button, shift, x, y);
}

void FrmGrisk::DblClick(vb::Control& c) {
    if (named(c, "Picture7"))
        Picture7_DblClick(c.Index());
    else if (named(c, "PicCenter"))
        PicCenter_DblClick(c.Index());
}

void FrmGrisk::KeyDown(vb::Control& c, int& keyCode, int shift) {
    if (named(c, "Picture7")) Picture7_KeyDown(c.Index(), keyCode, shift);
}

}  // namespace grisk
