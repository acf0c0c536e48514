#include "shell/tutorial.h"

#include <memory>

#include "platform/vb.h"
#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "net/state.h"
#include "shell/state.h"

namespace grisk {

FrmTutorial::FrmTutorial()
    : vb::Form(QStringLiteral("frmTutorial")),
      lblTipText(addControl(vb::Kind::Label, "lblTipText")),
      cmdNextTip(addControl(vb::Kind::CommandButton, "cmdNextTip")),
      cmdBack(addControl(vb::Kind::CommandButton, "cmdBack")) {
    setCaption(QStringLiteral("Tutorial"));
    setBackColor(vb::RGB(255, 255, 224));
    Move(8000, 600, 3800, 3000);
    lblTipText.setGeometryTw(200, 200, 3200, 1700);
    lblTipText.setForeColor(0);
    lblTipText.setWordWrap(true);
    cmdBack.setCaption(QStringLiteral("Back"));
    cmdBack.setGeometryTw(200, 2000, 1000, 375);
    cmdBack.setEnabled(false);
    cmdNextTip.setCaption(QStringLiteral("Next"));
    cmdNextTip.setGeometryTw(1400, 2000, 1000, 375);
    cmdNextTip.setEnabled(false);
}

void FrmTutorial::Form_Load() {
    cmd.TutorialOn = true;
    lblTipText.setCaption(QStringLiteral("Welcome! Deal a game and follow the notes here."));
}

void FrmTutorial::Form_Unload(int&) {
    // Whatever closes the tutorial, the human's cards come back.
    cmd.TutorialOn = false;
    cmd.TutorialWait = true;
    FrmGrisk& f = frmGrisk();
    if (eng.Pturn == 1) EnablePileRange(f.Picture7, true, 1, 10);
    // Without a game on the table the player deals one.
    if (eng.Pturn == 0 && inet.NetPeers == 0) f.cmdDeal.setVisible(true);
}

void FrmTutorial::Click(vb::Control& c) {
    if (&c == &cmdNextTip) cmdNextTip_Click();
}

void FrmTutorial::cmdNextTip_Click() {
    cmdNextTip.setEnabled(false);
    cmd.TutorialWait = false;
    if (eng.Pturn == 1) EnablePileRange(frmGrisk().Picture7, true, 1, 10);
}

FrmTutorial& frmTutorial() {
    return vb::DefaultInstance<FrmTutorial>::get();
}

}  // namespace grisk
