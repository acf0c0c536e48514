#include "table/card_drawing.h"

#include <QString>

#include "platform/controls.h"

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

}  // namespace grisk

namespace grisk {

void ClearTableImages() {}

}  // namespace grisk
