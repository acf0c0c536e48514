#include "table/display.h"

#include <QImage>
#include <cmath>

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/state.h"
#include "platform/controls.h"
#include "records/state.h"

namespace grisk {

int DrawCard(vb::ControlArray& ctl, int index, int cardNo, int sound) {
    vb::Control& pic = ctl(index);
    if (cardNo < 0 || cardNo > 208 || (cardNo == 0 && sound == kEmptyMark)) {
        pic.setDrawn(QStringLiteral("empty"));
    } else if (cardNo == 0) {
        pic.setDrawn(QStringLiteral("back"));
    } else {
        pic.setDrawn(QStringLiteral("face %1").arg((cardNo - 1) % 52 + 1));
    }
    pic.setVisible(true);
    return 0;
}

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

void ShowAvatar(const QString& fileName) {
    vb::Control& img = frmGrisk().ImgAvatar;
    QImage picture;
    if (!fileName.isEmpty()) picture.load(eng.UserFolder + "Avatars/" + fileName);
    img.setPicture(picture);
    img.setStretch(true);
    img.setTag(fileName);
}

void UpdateCardCounter() {
    // The counter window reads the dealt markers itself when it opens; there
    // is nothing to refresh while it is closed.
}

}  // namespace grisk
