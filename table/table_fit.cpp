#include "table/table_fit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/controls.h"
#include "platform/formwindow.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "table/layout_geometry.h"
#include "table/layout_sizes.h"
#include "table/layout_stacks.h"
#include "table/state.h"

namespace grisk {

namespace {

constexpr int kWideWindowTw = 16665;    // the window on a screen wider than 15360 twips
constexpr int kSeatGap = 2;             // between two seats' piles
constexpr int kStackReach = 56;         // a pay-off stack reaches this far left of its card
constexpr int kHoldBehindStack = 48;    // the first hold pile stands this far left of the card
constexpr int kSearchStep = 2;          // pixels between the places tried for the stock
constexpr int kFrameMargin = 5;         // a hold-row frame reaches past its last pile
constexpr double kScaledDown = 0.8;     // the small two-player table
constexpr double kNarrowTextLine = 190;  // wide enough for every message text
constexpr int kRemarkLines = 4;          // the longest remark

// The other seats' places as the layout gives them (pixels).
int designedPayOffLeft(int seat) {
    const bool narrow = eng.ScreenWidthTw < 12288;
    switch (seat) {
    case 2: return eng.NumPlayers == 3 ? 250 : (narrow ? 63 : 80);
    case 3: return eng.NumPlayers == 4 ? (narrow ? 326 : 375) : 580;
    default: return narrow ? 590 : 664;
    }
}

// How far right of its pay-off card a seat's piles reach.
int seatReach(int w, const SeatFan& fan) {
    const int hand = vb::CInt(w / 2.0 + 10) + 5 * fan.handStep + w;
    const int hold = -kHoldBehindStack + 3 * fan.holdStep + w + kFrameMargin;
    return std::max(hand, hold);
}

// Without a screen (a table laid out for a simulation) nothing is fitted.
bool noScreen() { return eng.ScreenWidthTw <= 0; }

QRectF payOffWithStack(FrmGrisk& f, int seat) {
    vb::ControlArray& piles = f.seatPictures(seat);
    QRectF r = piles(1).rectPx();
    if (f.Stack.exists(StackFirst(seat))) r = r.united(f.Stack(StackFirst(seat)).rectPx());
    return r;
}

// Everything the stock must stay clear of; the message line may lie over
// the edge of the board.
std::vector<QRectF> stockObstacles(FrmGrisk& f, bool board = true) {
    std::vector<QRectF> out;
    for (int seat = 1; seat <= eng.NumPlayers; ++seat) {
        vb::ControlArray& piles = f.seatPictures(seat);
        for (int i = 1; i <= 10; ++i)
            if (piles.exists(i)) out.push_back(piles(i).rectPx());
        if (piles.exists(1)) out.push_back(payOffWithStack(f, seat));
        if (f.Label3.exists(seat - 1) && f.Label3(seat - 1).Visible()) out.push_back(f.Label3(seat - 1).rectPx());
    }
    for (int c = 1; c <= eng.NumCenters; ++c)
        if (f.PicCenter.exists(c)) out.push_back(f.PicCenter(c).rectPx());
    if (board) out.push_back(f.imgCenter.rectPx());
    return out;
}

bool clear(const QRectF& r, const std::vector<QRectF>& obstacles, const QRectF& window) {
    if (!window.contains(r)) return false;
    return std::none_of(obstacles.begin(), obstacles.end(), [&](const QRectF& o) { return o.intersects(r); });
}

void shift(vb::Control& c, double dx, double dy) {
    const QRectF r = c.rectPx();
    c.setRectPx(r.translated(dx, dy));
}

}  // namespace

int MainWindowWidthTw() {
    return eng.ScreenWidthTw <= 15360 ? static_cast<int>(eng.ScreenWidthTw) : kWideWindowTw;
}

double TableRightPx() { return screen::TwipsToPixels(MainWindowWidthTw() - vb::FrameWidthTw()); }

SeatFan OpponentFan(int w) {
    SeatFan fan{vb::CInt(w / 4.0), w - 6};
    const int seats = eng.NumPlayers - 1;
    if (seats < 2 || noScreen()) return fan;
    const double room = (TableRightPx() + kSeatGap) / seats - kSeatGap;
    const int reach = static_cast<int>(std::floor(room)) - kStackReach;
    if (seatReach(w, fan) <= reach) return fan;
    fan.handStep = std::min(fan.handStep, (reach - vb::CInt(w / 2.0 + 10) - w) / 5);
    fan.holdStep = std::min(fan.holdStep, (reach + kHoldBehindStack - w - kFrameMargin) / 3);
    return fan;
}

int OpponentPayOffLeft(int seat) {
    if (noScreen()) return designedPayOffLeft(seat);
    const int w = kSmallCardWidthPx;
    const int reach = seatReach(w, OpponentFan(w));
    double limit = TableRightPx();
    int left = 0;
    for (int s = eng.NumPlayers; s >= seat; --s) {
        left = std::min(designedPayOffLeft(s), static_cast<int>(std::floor(limit - reach)));
        limit = left - kStackReach - kSeatGap;
    }
    return left;
}

void KeepHumanRowOnWindow(int first, int last) {
    if (noScreen()) return;
    FrmGrisk& f = frmGrisk();
    vb::ControlArray& me = f.Picture7;
    double right = 0;
    for (int i = first; i <= last; ++i) right = std::max(right, me(i).rectPx().right());
    // The hold row's frame and the highlights round its piles come along.
    if (first == 7) {
        const int frame = tbl.CardWidthPx >= kCardWidthPx ? kHumanFrameWidth : kHumanSmallFrameWidth;
        right = std::max(right + 1, me(7).rectPx().left() - 5 + frame);
    }
    // A two-player table in the large size on a screen too small for it is
    // shown scaled down: it must fit once scaled.
    const bool scaledLater = eng.NumPlayers == 2 && tbl.DisplayMode < 2 && eng.ScreenWidthTw < 10000;
    const double over = std::ceil(right - TableRightPx() / (scaledLater ? kScaledDown : 1.0));
    if (over <= 0) return;
    for (int i = first; i <= last; ++i) shift(me(i), -over, 0);
    if (first == 1) {
        for (int i = StackFirst(1); i <= StackLast(1); ++i)
            if (f.Stack.exists(i)) shift(f.Stack(i), -over, 0);
        shift(f.ImgHold, -over, 0);
    } else {
        for (int p = 1; p <= 4; ++p)
            if (f.StackHold.exists(OutlineIndex(1, p))) shift(f.StackHold(OutlineIndex(1, p)), -over, 0);
        shift(f.Label3(0), -over, 0);
    }
}

void KeepHumanHandClearOfCentre() {
    FrmGrisk& f = frmGrisk();
    vb::ControlArray& me = f.Picture7;
    double drop = 0;
    for (int i = 1; i <= 6; ++i)
        for (int c = 1; c <= eng.NumCenters; ++c) {
            if (!f.PicCenter.exists(c)) continue;
            const QRectF pile = f.PicCenter(c).rectPx();
            if (pile.intersects(me(i).rectPx())) drop = std::max(drop, std::ceil(pile.bottom() - me(i).rectPx().top()) + 2);
        }
    if (drop <= 0) return;
    for (int i = 1; i <= 6; ++i) shift(me(i), 0, drop);
    for (int i = StackFirst(1); i <= StackLast(1); ++i)
        if (f.Stack.exists(i)) shift(f.Stack(i), 0, drop);
    shift(f.ImgHold, 0, drop);
}

namespace {

QRectF stockFootprint(FrmGrisk& f) {
    return f.Label1.rectPx().united(f.ImgTurn2.rectPx()).united(f.ImgTurn1.rectPx());
}

QRectF windowRect(FrmGrisk& f) {
    return QRectF(0, 0, TableRightPx(), screen::TwipsToPixels(f.Height() - vb::FrameHeightTw()));
}

// The nearest place for the footprint's top left that puts it inside the
// window and clear of the obstacles: its own when it is clear already;
// none when no place is.
std::optional<QPointF> nearestClearPlace(const QRectF& footprint, const std::vector<QRectF>& obstacles,
                                         const QRectF& window) {
    if (clear(footprint, obstacles, window)) return footprint.topLeft();
    double best = std::numeric_limits<double>::max();
    std::optional<QPointF> bestAt;
    for (double y = 0; y + footprint.height() <= window.height(); y += kSearchStep)
        for (double x = 0; x + footprint.width() <= window.width(); x += kSearchStep) {
            const double d = std::hypot(x - footprint.x(), y - footprint.y());
            if (d >= best || !clear(QRectF(QPointF(x, y), footprint.size()), obstacles, window)) continue;
            best = d;
            bestAt = QPointF(x, y);
        }
    return bestAt;
}

// Moves the controls together the least that puts their footprint inside
// the window and clear of the obstacles; leaves them where they are when
// they are clear already or no such place exists.
void moveClear(const std::vector<vb::Control*>& group, const QRectF& footprint,
               const std::vector<QRectF>& obstacles, const QRectF& window) {
    if (noScreen()) return;
    const std::optional<QPointF> at = nearestClearPlace(footprint, obstacles, window);
    if (!at) return;
    for (vb::Control* c : group) shift(*c, at->x() - footprint.x(), at->y() - footprint.y());
}

// Everything a line of text must stay clear of: the piles, the hold-row
// frames and the stock (not the board's edge).
std::vector<QRectF> textObstacles(FrmGrisk& f) {
    std::vector<QRectF> obstacles = stockObstacles(f, false);
    for (const vb::Control* c : {&f.Label1, &f.ImgTurn2, &f.ImgTurn1}) obstacles.push_back(c->rectPx());
    return obstacles;
}

// Moves a line of text the least that keeps the part of its box where its
// text shows (the footprint, from its top) inside the window and clear of
// the obstacles; with no room for the whole width, the line narrows to the
// width its texts need. A line that moves keeps only its footprint.
void keepLineClear(vb::Control& line, const QRectF& footprint, const std::vector<QRectF>& obstacles,
                   const QRectF& window) {
    if (noScreen() || clear(footprint, obstacles, window)) return;
    QRectF narrow = footprint;
    narrow.setWidth(std::min(narrow.width(), kNarrowTextLine));
    for (const QRectF& wanted : {footprint, narrow})
        if (const std::optional<QPointF> at = nearestClearPlace(wanted, obstacles, window)) {
            line.setRectPx(QRectF(*at, wanted.size()));
            return;
        }
}

}  // namespace

void KeepStockClear() {
    FrmGrisk& f = frmGrisk();
    moveClear({&f.Label1, &f.ImgTurn2, &f.ImgTurn1, &f.PicCenter(0)}, stockFootprint(f), stockObstacles(f),
              windowRect(f));
}

void KeepTextLinesClear() {
    FrmGrisk& f = frmGrisk();
    if (!f.Label9.exists(2)) return;
    std::vector<QRectF> obstacles = textObstacles(f);
    vb::Control& message = f.Label9(1);
    keepLineClear(message, message.rectPx(), obstacles, windowRect(f));
    // The remark shows beside the message: it keeps clear of it too.
    obstacles.push_back(message.rectPx());
    vb::Control& remark = f.Label9(2);
    keepLineClear(remark, vb::TextLinesRectPx(remark, kRemarkLines), obstacles, windowRect(f));
}

}  // namespace grisk
