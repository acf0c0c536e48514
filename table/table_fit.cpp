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
#include "table/avatar.h"
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
constexpr int kTextLines = 4;            // the longest message or remark
constexpr double kArrowGap = 7;          // between the stock's frame and a turn arrow
constexpr double kNameGap = 0;           // between a pay-off pile and the name under it

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

// The other seats' piles begin right of the menu tab at the top edge.
double seatsLeftBound() { return frmGrisk().imgMenu.rectPx().right() + kSeatGap; }

QRectF payOffWithStack(FrmGrisk& f, int seat) {
    vb::ControlArray& piles = f.seatPictures(seat);
    QRectF r = piles(1).rectPx();
    if (f.Stack.exists(StackFirst(seat))) r = r.united(f.Stack(StackFirst(seat)).rectPx());
    return r;
}

// The piles (with the pay-off stacks) and hold-row frames of the seats
// from firstSeat on, their names where asked, the centre piles and, where
// asked, their board.
std::vector<QRectF> tableRects(FrmGrisk& f, int firstSeat, bool board, bool names) {
    std::vector<QRectF> out;
    for (int seat = firstSeat; seat <= eng.NumPlayers; ++seat) {
        vb::ControlArray& piles = f.seatPictures(seat);
        for (int i = 1; i <= 10; ++i)
            if (piles.exists(i)) out.push_back(piles(i).rectPx());
        if (piles.exists(1)) out.push_back(payOffWithStack(f, seat));
        if (f.Label3.exists(seat - 1) && f.Label3(seat - 1).Visible()) out.push_back(f.Label3(seat - 1).rectPx());
        if (names && f.Label9.exists(seat + 2)) out.push_back(vb::TextLinesRectPx(f.Label9(seat + 2), 1));
    }
    for (int c = 1; c <= eng.NumCenters; ++c)
        if (f.PicCenter.exists(c)) out.push_back(f.PicCenter(c).rectPx());
    if (board) out.push_back(f.imgCenter.rectPx());
    return out;
}

// Everything the stock must stay clear of; the message line may lie over
// the edge of the board.
std::vector<QRectF> stockObstacles(FrmGrisk& f, bool board = true) {
    return tableRects(f, 1, board, false);
}

// A rectangle by its edges, however its width and height are signed: an
// empty one meets nothing and holds nothing (as QRectF has it).
struct Edges {
    double left, right, top, bottom;
    bool empty;
    explicit Edges(const QRectF& r)
        : left(std::min(r.left(), r.left() + r.width())), right(std::max(r.left(), r.left() + r.width())),
          top(std::min(r.top(), r.top() + r.height())), bottom(std::max(r.top(), r.top() + r.height())),
          empty(left == right || top == bottom) {}
    bool meets(const Edges& o) const {
        return !empty && !o.empty && left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    bool holds(const Edges& o) const {
        return !empty && !o.empty && left <= o.left && o.right <= right && top <= o.top && o.bottom <= bottom;
    }
};

// Whether a place lies inside the window and clear of the obstacles. Places
// tried one after another are mostly blocked by the same obstacle: the one
// that blocked the last place is asked first.
class ClearOf {
public:
    ClearOf(const std::vector<QRectF>& obstacles, const QRectF& window) : window_(window) {
        obstacles_.reserve(obstacles.size());
        for (const QRectF& o : obstacles) obstacles_.emplace_back(o);
    }
    bool operator()(const QRectF& place) {
        const Edges r(place);
        if (!window_.holds(r)) return false;
        if (blocker_ < obstacles_.size() && obstacles_[blocker_].meets(r)) return false;
        for (std::size_t k = 0; k < obstacles_.size(); ++k)
            if (obstacles_[k].meets(r)) {
                blocker_ = k;
                return false;
            }
        return true;
    }

private:
    std::vector<Edges> obstacles_;
    Edges window_;
    std::size_t blocker_ = 0;
};

bool clear(const QRectF& r, const std::vector<QRectF>& obstacles, const QRectF& window) {
    return ClearOf(obstacles, window)(r);
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
    const double room = (TableRightPx() - seatsLeftBound() + kSeatGap) / seats - kSeatGap;
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
    // From the right edge leftwards: each seat at its place or as far left
    // as the seat right of it needs.
    std::vector<int> left(static_cast<std::size_t>(eng.NumPlayers) + 1, 0);
    double limit = TableRightPx();
    for (int s = eng.NumPlayers; s >= 2; --s) {
        left[static_cast<std::size_t>(s)] = std::min(designedPayOffLeft(s), static_cast<int>(std::floor(limit - reach)));
        limit = left[static_cast<std::size_t>(s)] - kStackReach - kSeatGap;
    }
    // Then from the menu tab rightwards: no seat's stack reaches under the
    // tab or the seat on its left.
    double least = seatsLeftBound() + kStackReach;
    for (int s = 2; s <= eng.NumPlayers; ++s) {
        int& l = left[static_cast<std::size_t>(s)];
        l = std::max(l, static_cast<int>(std::ceil(least)));
        least = l + reach + kSeatGap + kStackReach;
    }
    return left[static_cast<std::size_t>(seat)];
}

double NameTopUnder(const vb::Control& payOff, double designedTop) {
    return std::max(designedTop, payOff.rectPx().bottom() + kNameGap);
}

double NameLineHeightPx() { return vb::TextLinesRectPx(frmGrisk().Label9(4), 1).height(); }

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

double WindowHeightLimitTw() {
    if (noScreen()) return 0;
    return tbl.WorkAreaHeightTw > 0 ? tbl.WorkAreaHeightTw : std::max(0.0, eng.ScreenHeightTw);
}

namespace {

// The controls that move with the human's hold row and with its hand row.
std::vector<vb::Control*> humanHoldGroup(FrmGrisk& f) {
    std::vector<vb::Control*> out;
    for (int i = 7; i <= 10; ++i) out.push_back(&f.Picture7(i));
    for (int p = 1; p <= 4; ++p)
        if (f.StackHold.exists(OutlineIndex(1, p))) out.push_back(&f.StackHold(OutlineIndex(1, p)));
    for (int i = 5; i <= 8; ++i)
        if (f.lblHoldCard.exists(i)) out.push_back(&f.lblHoldCard(i));
    out.push_back(&f.Label3(0));
    return out;
}

std::vector<vb::Control*> humanHandGroup(FrmGrisk& f) {
    std::vector<vb::Control*> out;
    for (int i = 1; i <= 6; ++i) out.push_back(&f.Picture7(i));
    for (int i = StackFirst(1); i <= StackLast(1); ++i)
        if (f.Stack.exists(i)) out.push_back(&f.Stack(i));
    out.push_back(&f.ImgHold);
    out.push_back(&f.Label9(3));
    return out;
}

// Where a member of a moving group shows: a name label as tall as a line.
QRectF footprintOf(FrmGrisk& f, const vb::Control* c) {
    if (c == &f.Label9(3)) return vb::TextLinesRectPx(*c, 1);
    return c->rectPx();
}

// What stands still above the human's rows: the other seats' piles,
// stacks, frames and names, the centre piles and their board.
std::vector<QRectF> fixedAbove(FrmGrisk& f) { return tableRects(f, 2, true, true); }

// How far the group can go up before one of its members meets something
// above it (a member that already meets something is not held by it).
double roomAbove(FrmGrisk& f, const std::vector<vb::Control*>& group, const std::vector<QRectF>& others) {
    double room = std::numeric_limits<double>::max();
    for (const vb::Control* c : group) {
        const QRectF m = footprintOf(f, c);
        if (m.isEmpty()) continue;
        for (const QRectF& o : others) {
            const bool across = o.left() < m.right() && m.left() < o.right();
            if (!across || o.bottom() > m.top()) continue;
            room = std::min(room, m.top() - o.bottom() - kSeatGap);
        }
        room = std::min(room, m.top());
    }
    return std::max(0.0, room);
}

double bottomOf(FrmGrisk& f, const std::vector<vb::Control*>& group) {
    double bottom = 0;
    for (const vb::Control* c : group) bottom = std::max(bottom, footprintOf(f, c).bottom());
    return bottom;
}

void lift(const std::vector<vb::Control*>& group, double by) {
    for (vb::Control* c : group) shift(*c, 0, -by);
}

}  // namespace

void KeepHumanRowsInHeight() {
    if (noScreen()) return;
    FrmGrisk& f = frmGrisk();
    const double limit = screen::TwipsToPixels(f.Height() - vb::FrameHeightTw() - f.StatusBar1.heightTw()) - kSeatGap;
    std::vector<vb::Control*> hold = humanHoldGroup(f);
    std::vector<vb::Control*> hand = humanHandGroup(f);
    double over = std::ceil(std::max(bottomOf(f, hold), bottomOf(f, hand)) - limit);
    if (over <= 0) return;

    std::vector<vb::Control*> both = hold;
    both.insert(both.end(), hand.begin(), hand.end());
    const std::vector<QRectF> above = fixedAbove(f);
    const double together = std::min(over, std::floor(roomAbove(f, both, above)));
    lift(both, together);
    over -= together;
    if (over <= 0) return;

    std::vector<QRectF> aboveHand = above;
    for (const vb::Control* c : hold) aboveHand.push_back(footprintOf(f, c));
    lift(hand, std::min(over, std::floor(roomAbove(f, hand, aboveHand))));
}

void KeepHumanHandClearOfCentre() {
    FrmGrisk& f = frmGrisk();
    const std::vector<vb::Control*> hand = humanHandGroup(f);
    // The centre: its piles and, on a window, the board they lie on.
    std::vector<QRectF> centre;
    for (int c = 1; c <= eng.NumCenters; ++c)
        if (f.PicCenter.exists(c)) centre.push_back(f.PicCenter(c).rectPx());
    if (!noScreen()) centre.push_back(f.imgCenter.rectPx());
    double drop = 0;
    double over = 0;  // how far the board reaches right into the hand row
    for (const vb::Control* c : hand) {
        // The piles and the stack (the name goes with them).
        if (c == &f.Label9(3)) continue;
        const QRectF m = footprintOf(f, c);
        for (const QRectF& o : centre)
            if (o.intersects(m)) {
                drop = std::max(drop, std::ceil(o.bottom() - m.top()) + kSeatGap);
                over = std::max(over, std::ceil(o.right() - m.left()) + kSeatGap);
            }
    }
    if (drop <= 0) return;
    // The centre moves left, as far as the wild counters on its left leave
    // room (the stock then finds a place of its own), where that clears it;
    std::vector<vb::Control*> block{&f.imgCenter, &f.Label9(0)};
    for (int c = 1; c <= 4; ++c) {
        if (f.PicCenter.exists(c)) block.push_back(&f.PicCenter(c));
        if (f.LblWild.exists(c)) block.push_back(&f.LblWild(c));
    }
    const double room = noScreen() ? 0
                                   : std::floor(f.imgCenter.rectPx().left() -
                                                (f.LblWild.exists(1) ? f.LblWild(1).rectPx().width() : 0) - kSeatGap);
    if (over <= room) {
        for (vb::Control* c : block) shift(*c, -over, 0);
        return;
    }
    // else the hand goes below the centre, where the window's height leaves
    // room for it;
    const double limitTw = WindowHeightLimitTw();
    const double bottom =
        limitTw > 0 ? screen::TwipsToPixels(limitTw - vb::FrameHeightTw() - f.StatusBar1.heightTw()) - kSeatGap
                    : std::numeric_limits<double>::max();
    if (bottomOf(f, hand) + drop <= bottom) {
        for (vb::Control* c : hand) shift(*c, 0, drop);
        return;
    }
    // else the centre moves left as far as it can.
    if (room > 0)
        for (vb::Control* c : block) shift(*c, -room, 0);
}

namespace {

QRectF stockFootprint(FrmGrisk& f) {
    return f.Label1.rectPx().united(f.ImgTurn2.rectPx()).united(f.ImgTurn1.rectPx());
}

// The table's part of the window: its inner area above the status bar's
// place (whether the bar shows or not).
QRectF windowRect(FrmGrisk& f) {
    return QRectF(0, 0, TableRightPx(),
                  screen::TwipsToPixels(f.Height() - vb::FrameHeightTw() - f.StatusBar1.heightTw()));
}

// The places tried along one axis: 0, step, 2 step, ... while the length
// still fits within the limit.
int placesAlong(double length, double limit) {
    if (length > limit) return 0;
    int n = static_cast<int>((limit - length) / kSearchStep) + 1;
    while (n > 0 && (n - 1) * kSearchStep + length > limit) --n;
    while (n * kSearchStep + length <= limit) ++n;
    return n;
}

// The nearest place for the footprint's top left that puts it inside the
// window and clear of the obstacles: its own when it is clear already;
// none when no place is. The places tried lie on a grid of kSearchStep
// pixels from the window's corner; of two equally near, the higher (then
// the one further left) wins. The grid is searched in rings around the
// place nearest the footprint, and the search stops at the first ring that
// cannot hold a nearer place.
std::optional<QPointF> nearestClearPlace(const QRectF& footprint, const std::vector<QRectF>& obstacles,
                                         const QRectF& window) {
    if (clear(footprint, obstacles, window)) return footprint.topLeft();
    const int columns = placesAlong(footprint.width(), window.width());
    const int rows = placesAlong(footprint.height(), window.height());
    if (columns == 0 || rows == 0) return std::nullopt;
    const auto nearestIndex = [](double at, int count) {
        return std::clamp(static_cast<int>(std::lround(at / kSearchStep)), 0, count - 1);
    };
    const int ci = nearestIndex(footprint.x(), columns);
    const int cj = nearestIndex(footprint.y(), rows);
    double best = std::numeric_limits<double>::max();
    std::optional<QPointF> bestAt;
    ClearOf clearHere(obstacles, window);
    const auto tryPlace = [&](int i, int j) {
        if (i < 0 || i >= columns || j < 0 || j >= rows) return;
        const double x = i * kSearchStep, y = j * kSearchStep;
        const double d = std::hypot(x - footprint.x(), y - footprint.y());
        const bool nearer = d < best || (d == best && bestAt && std::pair(y, x) < std::pair(bestAt->y(), bestAt->x()));
        if (!nearer || !clearHere(QRectF(QPointF(x, y), footprint.size()))) return;
        best = d;
        bestAt = QPointF(x, y);
    };
    const int rings = std::max({ci, columns - 1 - ci, cj, rows - 1 - cj});
    for (int k = 0; k <= rings; ++k) {
        // Every place of ring k lies at least (k - 1/2) steps away.
        if (bestAt && (k - 0.5) * kSearchStep > best) break;
        for (int i = ci - k; i <= ci + k; ++i) {
            tryPlace(i, cj - k);
            if (k > 0) tryPlace(i, cj + k);
        }
        for (int j = cj - k + 1; j <= cj + k - 1; ++j) {
            tryPlace(ci - k, j);
            tryPlace(ci + k, j);
        }
    }
    return bestAt;
}

// Moves the controls together the least that puts their footprint inside
// the window and clear of the obstacles; leaves them where they are when
// they are clear already or no such place exists.
bool moveClear(const std::vector<vb::Control*>& group, const QRectF& footprint,
               const std::vector<QRectF>& obstacles, const QRectF& window) {
    if (noScreen()) return true;
    const std::optional<QPointF> at = nearestClearPlace(footprint, obstacles, window);
    if (!at) return false;
    for (vb::Control* c : group) shift(*c, at->x() - footprint.x(), at->y() - footprint.y());
    return true;
}

// The turn arrows beside the stock's frame, left and right of it at its
// middle, instead of above and below it.
void arrowsBesideStock(FrmGrisk& f) {
    const QRectF frame = f.Label1.rectPx();
    const auto besides = [&](vb::Control& arrow, double left) {
        const QRectF r = arrow.rectPx();
        arrow.setRectPx(QRectF(QPointF(left, frame.center().y() - r.height() / 2), r.size()));
    };
    besides(f.ImgTurn2, frame.left() - kArrowGap - f.ImgTurn2.rectPx().width());
    besides(f.ImgTurn1, frame.right() + kArrowGap);
}

// What the avatar keeps clear of: the piles, frames, names and centre,
// and the message and remark lines where their texts show.
std::vector<QRectF> avatarObstacles(FrmGrisk& f) {
    std::vector<QRectF> out = tableRects(f, 1, true, true);
    for (int line = 1; line <= 2; ++line)
        if (f.Label9.exists(line)) out.push_back(vb::TextLinesRectPx(f.Label9(line), kTextLines));
    return out;
}

// The avatar's box at its designed top.
QRectF designedAvatar(FrmGrisk& f) {
    const QRectF r = f.ImgAvatar.rectPx();
    return QRectF(QPointF(r.left(), AvatarDesignedTopPx()), r.size());
}

// The tops down the avatar's column, from its designed top, where it is
// clear of the obstacles.
std::vector<double> clearAvatarTops(FrmGrisk& f, const std::vector<QRectF>& obstacles) {
    const QRectF designed = designedAvatar(f);
    const QRectF window = windowRect(f);
    ClearOf clearThere(obstacles, window);
    std::vector<double> tops;
    for (double y = designed.top(); y + designed.height() <= window.bottom(); y += kSearchStep)
        if (clearThere(designed.translated(0, y - designed.top()))) tops.push_back(y);
    return tops;
}

void putAvatar(FrmGrisk& f, double top) {
    const double dy = top - f.ImgAvatar.rectPx().top();
    shift(f.ImgAvatar, 0, dy);
    shift(f.imgSlap, 0, dy);
}

// The avatar has a place of its own: clear of everything it keeps clear
// of and of the stock.
bool avatarHasItsPlace(FrmGrisk& f) {
    std::vector<QRectF> obstacles = avatarObstacles(f);
    obstacles.push_back(stockFootprint(f));
    return clear(f.ImgAvatar.rectPx(), obstacles, windowRect(f));
}

// Everything a line of text must stay clear of: the piles, the hold-row
// frames, the names and the stock (not the board's edge).
std::vector<QRectF> textObstacles(FrmGrisk& f) {
    std::vector<QRectF> obstacles = tableRects(f, 1, false, true);
    for (const vb::Control* c : {&f.Label1, &f.ImgTurn2, &f.ImgTurn1}) obstacles.push_back(c->rectPx());
    if (avatarHasItsPlace(f)) obstacles.push_back(f.ImgAvatar.rectPx());
    return obstacles;
}

// Moves a line of text the least that keeps the part of its box where its
// text shows (the footprint, from its top) inside the window and clear of
// the obstacles; with no room for the whole width, the line narrows to the
// width its texts need. A line that moves keeps only its footprint.
bool keepLineClear(vb::Control& line, const QRectF& footprint, const std::vector<QRectF>& obstacles,
                   const QRectF& window) {
    if (noScreen()) return true;
    const bool wasClear = clear(footprint, obstacles, window);
    if (!wasClear) {
        // Narrower and narrower (its texts wrap into the lines it keeps).
        for (double width : {footprint.width(), kNarrowTextLine, kNarrowTextLine * 0.75}) {
            QRectF wanted = footprint;
            wanted.setWidth(std::min(footprint.width(), width));
            if (const std::optional<QPointF> at = nearestClearPlace(wanted, obstacles, window)) {
                line.setRectPx(QRectF(*at, wanted.size()));
                return true;
            }
        }
    }
    // Its box ends at the table's edges.
    const QRectF box = line.rectPx();
    if (!window.contains(box) && window.intersects(box)) line.setRectPx(box.intersected(window));
    return wasClear;
}

}  // namespace

void KeepAvatarClear() {
    if (noScreen()) return;
    FrmGrisk& f = frmGrisk();
    std::vector<QRectF> obstacles = avatarObstacles(f);
    obstacles.push_back(stockFootprint(f));
    const std::vector<double> tops = clearAvatarTops(f, obstacles);
    putAvatar(f, tops.empty() ? AvatarDesignedTopPx() : tops.front());
}

void KeepStockClear() {
    FrmGrisk& f = frmGrisk();
    std::vector<QRectF> obstacles = stockObstacles(f);
    std::vector<QRectF> withAvatar = obstacles;
    bool roomForBoth = noScreen();
    if (!noScreen()) {
        KeepAvatarClear();
        // Where the stock leaves the avatar no place, the avatar goes as low
        // in its column as the piles and the text lines leave it, when the
        // stock then finds a place above or beside it.
        if (!avatarHasItsPlace(f)) {
            const std::vector<double> tops = clearAvatarTops(f, avatarObstacles(f));
            if (!tops.empty()) putAvatar(f, tops.back());
        }
        withAvatar.push_back(f.ImgAvatar.rectPx());
        roomForBoth = !clearAvatarTops(f, avatarObstacles(f)).empty() &&
                      clear(f.ImgAvatar.rectPx(), avatarObstacles(f), windowRect(f)) &&
                      nearestClearPlace(stockFootprint(f), withAvatar, windowRect(f));
        if (!roomForBoth) putAvatar(f, AvatarDesignedTopPx());
    }
    const std::vector<vb::Control*> stock{&f.Label1, &f.ImgTurn2, &f.ImgTurn1, &f.PicCenter(0)};
    // Where no place has room for the arrows above and below the stock,
    // they go beside it.
    const std::vector<QRectF>& stockClearOf = roomForBoth ? withAvatar : obstacles;
    if (!moveClear(stock, stockFootprint(f), stockClearOf, windowRect(f))) {
        arrowsBesideStock(f);
        moveClear(stock, stockFootprint(f), stockClearOf, windowRect(f));
    }
    // The Deal button the same way, clear of the stock, the names and the
    // avatar too.
    obstacles = tableRects(f, 1, true, true);
    obstacles.push_back(stockFootprint(f));
    withAvatar = obstacles;
    withAvatar.push_back(f.ImgAvatar.rectPx());
    if (!moveClear({&f.cmdDeal}, f.cmdDeal.rectPx(), withAvatar, windowRect(f)))
        moveClear({&f.cmdDeal}, f.cmdDeal.rectPx(), obstacles, windowRect(f));
}

bool KeepTextLinesClear() {
    FrmGrisk& f = frmGrisk();
    if (!f.Label9.exists(2)) return true;
    std::vector<QRectF> obstacles = textObstacles(f);
    // Each line is kept clear where its text shows: as many lines as its
    // longest text, from the top of its box.
    vb::Control& message = f.Label9(1);
    const bool messageClear = keepLineClear(message, vb::TextLinesRectPx(message, kTextLines), obstacles, windowRect(f));
    // The remark shows beside the message: it keeps clear of it too, and
    // off the centre board, which only the message line may cross.
    obstacles.push_back(vb::TextLinesRectPx(message, kTextLines));
    obstacles.push_back(f.imgCenter.rectPx());
    vb::Control& remark = f.Label9(2);
    const bool remarkClear = keepLineClear(remark, vb::TextLinesRectPx(remark, kTextLines), obstacles, windowRect(f));
    return messageClear && remarkClear;
}

}  // namespace grisk
