#include "shell/tutorial.h"

#include <QFile>
#include <memory>

#include "platform/vb.h"
#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/menu_hint.h"
#include "platform/msgbox.h"
#include "table/layout_reset.h"
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
    cmd.MenuLocked = true;
    cmd.TutorialOn = true;
    if (!LoadTips(eng.AppFolder + QStringLiteral("/tutorial.txt"))) {
        vb::MsgBox(QStringLiteral("Tutorial not found, unable to run the tutorial."), vb::vbOKOnly + vb::vbCritical,
                   QStringLiteral("Tutorial"));
        Unload();
        return;
    }
    lblTipText.setCaption(QStringLiteral("Welcome! Deal a game and follow the notes here."));
}

bool FrmTutorial::LoadTips(const QString& fileName) {
    Tips.clear();
    if (fileName.isEmpty()) return false;
    QFile script(fileName);
    if (!script.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    while (!script.atEnd()) Tips << QString::fromLatin1(script.readLine()).remove(QLatin1Char('\n'));
    return true;
}

void FrmTutorial::Form_Unload(int&) {
    FrmGrisk& f = frmGrisk();
    EnablePlayerCards(true);
    cmd.TutorialWait = true;
    cmd.TutorialOn = false;
    f.imgTip.setVisible(false);
    f.imgTipUp.setVisible(false);
    ResetTableDisplay();
    ShowMenuHint(2);
    cmd.MenuLocked = false;
    // The player deals the next game with the Deal button as well.
    if (inet.NetPeers == 0) f.cmdDeal.setVisible(true);
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
