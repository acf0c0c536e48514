#include "table/animation.h"

#include <cmath>

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/state.h"
#include "platform/controls.h"
#include "platform/eventwait.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "records/state.h"
#include "table/card_drawing.h"
#include "table/state.h"

namespace grisk {

namespace {

// Half a large card: the leading axis stops this far from the target.
constexpr double kHalfCardWidth = 35.5;
constexpr double kHalfCardHeight = 48;

int wholePixels(double px) { return static_cast<int>(vb::RoundHalfEven(px)); }

bool isHoldSlot(int slot) { return slot >= 7 && slot <= 10; }

QPointF pixelPlace(const vb::Control& c) {
    return {screen::TwipsToPixels(c.leftTw()), screen::TwipsToPixels(c.topTw())};
}

// Paints on the moving-card picture what lies under the top card of the
// human's hold pile: the card beneath it, or the empty-pile mark.
void coverHumanHold(FrmGrisk& f, int slot) {
    const int pile = slot - 6;
    const int under = eng.PlayerHoldCount(pile);
    if (under > 0 && eng.PlayerHold.inRange({0, pile, under}))
        DrawCard(f.Picture1, 0, eng.PlayerHold(0, pile, under), 0);
    else
        DrawCard(f.Picture1, 0, 0, kEmptyMark);
}

// A flying card passes under the menu strip (and the status bar), never
// over them.
void keepMenuStripInFront(FrmGrisk& f) {
    f.picPanel.ZOrder(0);
    f.StatusBar1.ZOrder(0);
}

}  // namespace

std::vector<QPointF> FlightPath(QPointF start, QPointF target, int animSpeed) {
    const int speed = animSpeed >= 1 && animSpeed <= kMaxAnimSpeed ? animSpeed : kDefaultAnimSpeed;
    const int dragLeft = wholePixels(start.x());
    const int dragTop = wholePixels(start.y());
    const int toLeft = wholePixels(target.x());
    const int toTop = wholePixels(target.y());
    const int dx = dragLeft - toLeft;
    const int dy = dragTop - toTop;
    auto stepOf = [speed](int d) {
        const double step = vb::RoundHalfEven(std::abs(d) / static_cast<double>(speed));
        return step == 0 ? 1.0 : step;
    };
    const double stepX = stepOf(dx);
    const double stepY = stepOf(dy);

    double left = start.x();
    double top = start.y();
    std::vector<QPointF> path;
    if (std::abs(dx) >= std::abs(dy)) {
        const bool leftwards = dragLeft > toLeft;
        const bool downwards = toTop >= dragTop;
        while (leftwards ? left > toLeft + kHalfCardWidth : left < toLeft + kHalfCardWidth) {
            left += leftwards ? -stepX : stepX;
            if (downwards) {
                if (top < toTop) top += stepY;
            } else if (top > toTop) {
                top -= stepY;
            }
            path.emplace_back(left, top);
        }
    } else {
        const bool upwards = toTop <= dragTop;
        while (upwards ? top > toTop : top < toTop - kHalfCardHeight) {
            top += upwards ? -stepY : stepY;
            left += left > toLeft ? -stepX : stepX;
            path.emplace_back(left, top);
        }
    }
    return path;
}

void AnimateCardMove(vb::ControlArray& fromCtl, int fromIndex, vb::ControlArray& toCtl,
                     int toIndex) {
    FrmGrisk& f = frmGrisk();
    vb::Control& card = fromCtl(fromIndex);
    const double startLeftTw = card.leftTw();
    const double startTopTw = card.topTw();
    const QPointF start = pixelPlace(card);
    eng.DragLeft = wholePixels(start.x());
    eng.DragTop = wholePixels(start.y());
    if (!tbl.PaintCards) return;

    const bool human = &fromCtl == &f.Picture7;
    const bool humanHold = human && isHoldSlot(fromIndex);
    vb::Control& cover = f.Picture1(0);
    // The moving-card picture either is the card that flies (a deal) or
    // stands in for the pile the card leaves, at that pile's size.
    const bool coverFlies = &card == &cover;
    if (!coverFlies && (humanHold || !eng.CardMoving))
        cover.setGeometryTw(startLeftTw, startTopTw, card.widthTw(), card.heightTw());
    // No card picture of an earlier flight stays on the table meanwhile.
    if (!coverFlies) cover.setVisible(false);

    // When the flight is over, however it ends, the moving-card picture goes
    // with it, whatever it stood in for; the caller draws the piles as they
    // are now.
    struct HideWhenLanded {
        FrmGrisk& f;
        ~HideWhenLanded() {
            if (f.Picture1.exists(0)) f.Picture1(0).setVisible(false);
        }
    } landed{f};

    const QPointF target = pixelPlace(toCtl(toIndex));
    waits::DoEvents();
    // A handler run just now may have taken the picture off the table.
    if (!fromCtl.exists(fromIndex)) return;
    fromCtl(fromIndex).ZOrder(0);
    keepMenuStripInFront(f);

    if (!human && fromIndex == 1 && eng.OppSideCount != 0)
        cover.setVisible(true);
    else if (humanHold)
        coverHumanHold(f, fromIndex);
    else if (!human && isHoldSlot(fromIndex))
        cover.setVisible(true);

    // Steps run on a clock: while the flight is ahead of it the card is
    // shown for a frame; steps that fall behind are taken without waiting.
    const double startSeconds = waits::SecondsSinceMidnight();
    const auto elapsedMs = [startSeconds] {
        double seconds = waits::SecondsSinceMidnight() - startSeconds;
        if (seconds < 0) seconds += 24 * 3600;  // past midnight
        return seconds * 1000.0;
    };
    const double stepMs = kFlightStepMs * waits::PauseScale();
    int step = 0;
    for (const QPointF& place : FlightPath(start, target, recs.AnimSpeed)) {
        if (!fromCtl.exists(fromIndex)) return;
        vb::Control& flying = fromCtl(fromIndex);
        flying.setGeometryTw(screen::PixelsToTwips(place.x()), screen::PixelsToTwips(place.y()),
                             flying.widthTw(), flying.heightTw());
        ++step;
        if (!eng.Quitting && elapsedMs() < step * stepMs) waits::WaitFrame();
    }

    Pause(0.001);
    if (!fromCtl.exists(fromIndex)) return;
    // Back to the very place it left, whatever a handler did to DragLeft and
    // DragTop meanwhile.
    vb::Control& flying = fromCtl(fromIndex);
    flying.setVisible(false);
    flying.setGeometryTw(startLeftTw, startTopTw, flying.widthTw(), flying.heightTw());
}

}  // namespace grisk
