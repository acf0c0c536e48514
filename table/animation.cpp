#include "table/animation.h"

#include <algorithm>

#include "engine/general.h"
#include "engine/state.h"
#include "platform/controls.h"
#include "records/state.h"

namespace grisk {

void AnimateCardMove(vb::ControlArray& fromCtl, int fromIndex, vb::ControlArray& toCtl,
                     int toIndex) {
    vb::Control& card = fromCtl(fromIndex);
    const vb::Control& target = toCtl(toIndex);
    const double x0 = card.leftTw(), y0 = card.topTw();
    const double dx = target.leftTw() - x0, dy = target.topTw() - y0;
    const int steps = std::max(1, recs.AnimSpeed);
    card.ZOrder(0);
    for (int i = 1; i <= steps && !eng.Quitting; ++i) {
        card.setGeometryTw(x0 + dx * i / steps, y0 + dy * i / steps, card.widthTw(),
                           card.heightTw());
        Pause(0.004);
    }
    card.setGeometryTw(target.leftTw(), target.topTw(), card.widthTw(), card.heightTw());
    card.setVisible(false);
}

}  // namespace grisk
