#include "engine/frm_grisk.h"

#include <QApplication>
#include <memory>

#include "engine/state.h"
#include "platform/vb.h"

namespace grisk {

namespace {
std::unique_ptr<FrmGrisk>& instance() {
    static std::unique_ptr<FrmGrisk> f;
    return f;
}

constexpr int32_t kTableGreen = vb::RGB(0, 128, 0);
constexpr int kStatusPanels = 8;
}  // namespace

FrmGrisk::FrmGrisk()
    : vb::Form(QStringLiteral("frmGrisk")),
      Picture7(addArray(vb::Kind::PictureBox, "Picture7", 0)),
      Picture1(addArray(vb::Kind::PictureBox, "Picture1", 0)),
      Picture2(addArray(vb::Kind::PictureBox, "Picture2", 0)),
      Picture3(addArray(vb::Kind::PictureBox, "Picture3", 0)),
      PicCenter(addArray(vb::Kind::PictureBox, "PicCenter", 0)),
      Label9(addArray(vb::Kind::Label, "Label9", 0)),
      LblWild(addArray(vb::Kind::Label, "LblWild", 1)),
      Label3(addArray(vb::Kind::Label, "Label3", 0)),
      StatusBar1(addControl(vb::Kind::StatusBar, "StatusBar1")),
      ImgAvatar(addControl(vb::Kind::Image, "ImgAvatar")),
      ImgTurn1(addControl(vb::Kind::Image, "ImgTurn1")),
      ImgTurn2(addControl(vb::Kind::Image, "ImgTurn2")),
      ImgHold(addControl(vb::Kind::Image, "ImgHold")),
      cmdDeal(addControl(vb::Kind::CommandButton, "cmdDeal")),
      lblRules(addControl(vb::Kind::Label, "lblRules")),
      lblLevel(addControl(vb::Kind::Label, "lblLevel")),
      LabelPeek(addControl(vb::Kind::Label, "LabelPeek")) {
    setCaption(QStringLiteral("Grisk and Varnok"));
    setBackColor(kTableGreen);
    Move(0, 0, 12000, 9000);

    // Design-time templates: hidden, card-sized, the table's colour.
    for (vb::ControlArray* a : {&Picture7, &Picture1, &Picture2, &Picture3}) {
        vb::Control& t = (*a)(0);
        t.setGeometryTw(0, 0, 1065, 1440);
        t.setBackColor(kTableGreen);
        t.setBorderStyle(0);
        t.setVisible(false);
        t.setOwnScaleMode(vb::ScaleMode::Pixels);
    }
    Picture1.Load(1);
    PicCenter(0).setGeometryTw(5400, 3600, 1065, 1440);
    PicCenter(0).setBackColor(kTableGreen);
    PicCenter(0).setBorderStyle(0);
    PicCenter(0).setVisible(false);
    for (int c = 1; c <= 3; ++c) PicCenter.Load(c);
    for (int i = 1; i <= 6; ++i) Label9.Load(i).setVisible(true);
    for (int i = 0; i <= 6; ++i) Label9(i).setGeometryTw(0, 0, 3000, 300);
    LblWild(1).setVisible(false);
    for (int c = 2; c <= 3; ++c) LblWild.Load(c);
    Label3(0).setVisible(false);

    StatusBar1.setPanelCount(kStatusPanels);
    StatusBar1.setGeometryTw(0, 9000 - vb::FrameHeightTw() - 330, 12000 - vb::FrameWidthTw(), 330);
    StatusBar1.setVisible(false);
    cmdDeal.setCaption(QStringLiteral("&Deal"));
    cmdDeal.setBackColor(vb::RGB(192, 192, 192));
    cmdDeal.setGeometryTw(5200, 7000, 1200, 450);
    cmdDeal.setVisible(false);
    ImgTurn1.setVisible(false);
    ImgTurn2.setVisible(false);
    ImgHold.setVisible(false);
    LabelPeek.setVisible(false);
}

vb::ControlArray& FrmGrisk::seatPictures(int seat) {
    switch (seat) {
    case 1: return Picture7;
    case 2: return Picture1;
    case 3: return Picture2;
    case 4: return Picture3;
    default: vb::raise(vb::ErrSubscript);
    }
}

FrmGrisk& frmGrisk() {
    if (!instance()) instance() = std::make_unique<FrmGrisk>();
    return *instance();
}

bool FrmGriskExists() { return instance() != nullptr; }

void ReleaseFrmGrisk() { instance().reset(); }

}  // namespace grisk
