#include "table/animation.h"

#include <algorithm>
#include <cmath>

#include "engine/general.h"
#include "engine/state.h"
#include "platform/controls.h"
#include "platform/twips.h"
#include "records/state.h"

namespace grisk {

void AnimateCardMove(vb::ControlArray& fromCtl, int fromIndex, vb::ControlArray& toCtl,
                     int toIndex) {
    vb::Control& card = fromCtl(fromIndex);
    const vb::Control& target = toCtl(toIndex);
    const double x0 = card.leftTw(), y0 = card.topTw();
    const double dx = target.leftTw() - x0, dy = target.topTw() - y0;
    // AnimSpeed steps, but never more than one a pixel of the way.
    const double distancePx = screen::TwipsToPixels(std::max(std::abs(dx), std::abs(dy)));
    const int speed = std::clamp(recs.AnimSpeed, 1, kMaxAnimSpeed);
    const int steps = std::max(1, std::min(speed, static_cast<int>(distancePx)));
    card.ZOrder(0);
    for (int i = 1; i <= steps && !eng.Quitting; ++i) {
        card.setGeometryTw(x0 + dx * i / steps, y0 + dy * i / steps, card.widthTw(),
                           card.heightTw());
        Pause(0.001);
    }
    // The flying picture goes back where it started; the caller draws the result.
    card.setVisible(false);
    card.setGeometryTw(x0, y0, card.widthTw(), card.heightTw());
}

}  // namespace grisk
