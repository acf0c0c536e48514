#include "net/frm_scores_net.h"

#include "engine/state.h"

namespace grisk {

FrmScoresNet::FrmScoresNet()
    : vb::Form(QStringLiteral("frmScoresNet")),
      lblPlayer(addControl(vb::Kind::Label, "lblPlayer")),
      Command1(addControl(vb::Kind::CommandButton, "Command1")) {
    setCaption(QStringLiteral("Internet Game Scores"));
    Move(2000, 1500, 6000, 4500);
    lblPlayer.setGeometryTw(240, 240, 5400, 300);
    Command1.setCaption(QStringLiteral("Close"));
    Command1.setGeometryTw(4320, 3480, 1200, 375);
}

void FrmScoresNet::Form_Load() { lblPlayer.setCaption("Quenmoor Player: " + eng.PlayerName); }

void FrmScoresNet::Click(vb::Control& c) {
    if (&c == &Command1) Unload();
}

FrmScoresNet& frmScoresNet() { return vb::DefaultInstance<FrmScoresNet>::get(); }
bool FrmScoresNetExists() { return vb::DefaultInstance<FrmScoresNet>::exists(); }
void ReleaseFrmScoresNet() { vb::DefaultInstance<FrmScoresNet>::release(); }

}  // namespace grisk
