#include "shell/frm_speed.h"

#include <algorithm>
#include <array>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "records/dialog_look.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/form_scaling.h"

namespace grisk {

namespace {
constexpr std::array<const char*, kSpeedSteps> kSpeedNames{"coma", "turtle", "human", "rabbit", "blink", "light"};
constexpr std::array<double, kSpeedSteps> kSpeedDelays{0.7, 0.5, 0.3, 0.2, 0.05, 0.02};
constexpr std::array<int, kAnimPositions> kAnimSpeeds{2, 10, 20, 45, 70, 95, 120, 150, 180, 220, 250};
}  // namespace

QString SpeedName(int speedOption) {
    return speedOption >= 0 && speedOption < kSpeedSteps ? QString::fromLatin1(kSpeedNames[speedOption]) : QString();
}

double SpeedWindowDelay(int speedOption) {
    return kSpeedDelays[static_cast<std::size_t>(std::clamp(speedOption, 0, kSpeedSteps - 1))];
}

int AnimSpeedAt(int position) {
    return kAnimSpeeds[static_cast<std::size_t>(std::clamp(position, 0, kAnimPositions - 1))];
}

int AnimPositionOf(int animSpeed) {
    for (int i = 0; i < kAnimPositions; ++i)
        if (kAnimSpeeds[static_cast<std::size_t>(i)] == animSpeed) return i;
    return -1;
}

FrmSpeed::FrmSpeed()
    : vb::Form(QStringLiteral("frmSpeed")),
      Frame1(addControl(vb::Kind::Frame, "Frame1")),
      HScroll1(addControl(vb::Kind::HScrollBar, "HScroll1")),
      Label1(addControl(vb::Kind::Label, "Label1")),
      Frame2(addControl(vb::Kind::Frame, "Frame2")),
      VScroll1(addControl(vb::Kind::VScrollBar, "VScroll1")),
      Label4(addControl(vb::Kind::Label, "Label4")),
      Label5(addControl(vb::Kind::Label, "Label5")),
      lblAni(addControl(vb::Kind::Label, "lblAni")),
      Command1(addControl(vb::Kind::CommandButton, "Command1")) {
    setCaption(QStringLiteral("Speed Settings"));
    setBackColor(kDialogBackColor);
    DialogControl(Frame1, QStringLiteral("Grisk's Speed"), 120, 120, 4440, 1140);
    DialogControl(HScroll1, QString(), 300, 450, 4080, 255, &Frame1);
    HScroll1.setMin(0);
    HScroll1.setMax(kSpeedSteps - 1);
    DialogControl(Label1, QString(), 300, 810, 4080, 300, &Frame1);
    Label1.setAlignment(2);
    Label1.setFontBold(true);
    DialogControl(Frame2, QStringLiteral("Card Animation Speed"), 120, 1380, 2760, 2160);
    DialogControl(VScroll1, QString(), 360, 1680, 255, 1680, &Frame2);
    VScroll1.setMin(0);
    VScroll1.setMax(kAnimPositions - 1);
    VScroll1.setLargeChange(2);
    DialogControl(Label4, QStringLiteral("Faster"), 720, 1700, 1200, 255, &Frame2);
    DialogControl(Label5, QStringLiteral("Slower"), 720, 3100, 1200, 255, &Frame2);
    DialogControl(lblAni, QString(), 720, 2380, 1200, 300, &Frame2);
    lblAni.setFontBold(true);
    DialogControl(Command1, QStringLiteral("&Done"), 3120, 3120, 1440, 420);
    Command1.setDefault(true);
    setWidth(4800 + vb::FrameWidthTw());
    setHeight(3720 + vb::FrameHeightTw());
}

void FrmSpeed::Form_Load() {
    PlaceDialogOverTable(*this);
    // The bars are set by the program here: their change events do not run.
    HScroll1.setValue(std::clamp(recs.SpeedOption, 0, kSpeedSteps - 1));
    Label1.setCaption(SpeedName(HScroll1.Value()));
    if (recs.AnimSpeed == 0) recs.AnimSpeed = kDefaultAnimSpeed;
    const int position = AnimPositionOf(recs.AnimSpeed);
    if (position >= 0) VScroll1.setValue(position);
    lblAni.setCaption(QString::number(VScroll1.Value()));
}

void FrmSpeed::Change(vb::Control& c) {
    if (&c == &HScroll1) {
        recs.SpeedOption = HScroll1.Value();
        eng.CompDelay = SpeedWindowDelay(recs.SpeedOption);
        Label1.setCaption(SpeedName(recs.SpeedOption));
    } else if (&c == &VScroll1) {
        recs.AnimSpeed = AnimSpeedAt(VScroll1.Value());
        lblAni.setCaption(QString::number(VScroll1.Value()));
    }
}

void FrmSpeed::Click(vb::Control& c) {
    if (&c == &Command1) Unload();
}

FrmSpeed& frmSpeed() { return vb::DefaultInstance<FrmSpeed>::get(); }
bool FrmSpeedExists() { return vb::DefaultInstance<FrmSpeed>::exists(); }
void ReleaseFrmSpeed() { vb::DefaultInstance<FrmSpeed>::release(); }

void ShowSpeedWindow() { ShowDialogAsDesigned(frmSpeed()); }

}  // namespace grisk
