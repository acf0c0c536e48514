#include "shell/tutorial.h"

#include <memory>

#include "platform/vb.h"
#include "shell/state.h"

namespace grisk {

FrmTutorial::FrmTutorial()
    : vb::Form(QStringLiteral("frmTutorial")),
      lblTipText(addControl(vb::Kind::Label, "lblTipText")) {
    setCaption(QStringLiteral("Tutorial"));
    setBackColor(vb::RGB(255, 255, 224));
    Move(8000, 600, 3800, 3000);
    lblTipText.setGeometryTw(200, 200, 3200, 2200);
    lblTipText.setForeColor(0);
}

void FrmTutorial::Form_Load() {
    cmd.TutorialOn = true;
    lblTipText.setCaption(QStringLiteral("Welcome! Deal a game and follow the notes here."));
}

void FrmTutorial::Form_Unload(int&) { cmd.TutorialOn = false; }

FrmTutorial& frmTutorial() {
    return vb::DefaultInstance<FrmTutorial>::get();
}

}  // namespace grisk
