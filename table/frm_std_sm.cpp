#include "table/frm_std_sm.h"

#include <memory>

#include "table/card_art.h"
#include "platform/twips.h"

namespace grisk {

FrmStdSm::FrmStdSm()
    : vb::Form(QStringLiteral("frmStdSm")),
      imgALL(addControl(vb::Kind::Image, "imgALL")),
      picBitMap(addControl(vb::Kind::PictureBox, "picBitMap")) {
    imgALL.setGeometryTw(0, 0, screen::PixelsToTwips(card_art::kSheetW), screen::PixelsToTwips(card_art::kSheetH));
    imgALL.setPicture(card_art::FaceSheet(0));
    picBitMap.setGeometryTw(0, 0, screen::PixelsToTwips(75), screen::PixelsToTwips(100));
    picBitMap.setBorderStyle(1);
    picBitMap.setBackColor(0xFFFFFF);
    picBitMap.setVisible(false);
}

FrmStdSm& frmStdSm() {
    // Made on first use; a window that was unloaded comes back as designed.
    return vb::DefaultInstance<FrmStdSm>::getLoaded();
}

bool FrmStdSmExists() { return vb::DefaultInstance<FrmStdSm>::exists(); }

void ReleaseFrmStdSm() { vb::DefaultInstance<FrmStdSm>::release(); }

}  // namespace grisk
