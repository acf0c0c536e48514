#include "net/frm_rules_net.h"

#include <algorithm>

#include "engine/frm_grisk.h"
#include "engine/rules.h"
#include "engine/state.h"
#include "net/internet_setup.h"
#include "net/protocol.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "records/dialog_look.h"
#include "records/opponent_setup.h"
#include "shell/frm_rules.h"

namespace grisk {

namespace {

// A peer of the two-player protocol: one opponent and three centre piles.
bool oldPeer() { return PeerVersionAtMost(inet.PeerVersion, "74"); }

}  // namespace

FrmRulesNet::FrmRulesNet()
    : vb::Form(QStringLiteral("frmRulesNET")),
      lblRules(addArray(vb::Kind::Label, "lblRules", 1)),
      cmdRules(addControl(vb::Kind::CommandButton, "cmdRules")),
      Label1(addArray(vb::Kind::Label, "Label1", 0)),
      Option1(addArray(vb::Kind::OptionButton, "Option1", 0)),
      fraCenters(addControl(vb::Kind::Frame, "fraCenters")),
      optCenters(addArray(vb::Kind::OptionButton, "optCenters", 0)),
      cmdDone(addControl(vb::Kind::CommandButton, "cmdDone")),
      CmdCancel(addControl(vb::Kind::CommandButton, "CmdCancel")) {
    setCaption(QStringLiteral("Host Setup and Rules"));
    setBackColor(kDialogBackColor);
    DialogControl(lblRules(1), QStringLiteral("Click here to change the Rules for this Internet game:"), 240, 240,
                  3840, 480);
    lblRules(1).setWordWrap(true);
    DialogControl(cmdRules, QStringLiteral("Change &Rules"), 4320, 240, 1680, 420);
    DialogControl(Label1(0), QStringLiteral("You can change the number of opponents for this Internet game below."),
                  240, 960, 5760, 480);
    Label1(0).setWordWrap(true);
    LoadElements(Option1, 1, 2);
    const char* counts[] = {"1 Opponent", "2 Opponents", "3 Opponents"};
    for (int i = 0; i <= 2; ++i) DialogControl(Option1(i), counts[i], 240 + 1920 * i, 1500, 1800, 300);
    DialogControl(fraCenters, QString(), 240, 1920, 5760, 600);
    fraCenters.setVisible(false);
    LoadElements(optCenters, 1, 1);
    DialogControl(optCenters(0), QStringLiteral("3 Centers"), 480, 2160, 1800, 300, &fraCenters);
    DialogControl(optCenters(1), QStringLiteral("4 Centers"), 2400, 2160, 1800, 300, &fraCenters);
    DialogControl(cmdDone, QStringLiteral("&Done"), 240, 2760, 1680, 420);
    DialogControl(CmdCancel, QStringLiteral("&Cancel"), 2160, 2760, 1680, 420);
    setWidth(6240 + vb::FrameWidthTw());
    setHeight(3420 + vb::FrameHeightTw());
}

void FrmRulesNet::Form_Load() {
    PlaceDialogOverTable(*this);
    const FrmGrisk& main = frmGrisk();
    setLeft(std::max(0.0, main.Left() + main.Width() - Width()));
    PlayersChoice = eng.NumPlayers;
    CentersChoice = 0;
    if (eng.NumPlayers >= 2 && eng.NumPlayers <= 4) vb::SelectOption(Option1(eng.NumPlayers - 2));
    if (eng.NumPlayers == 2) {
        if (oldPeer()) optCenters(1).setEnabled(false);
        fraCenters.setVisible(true);
        selectCenters(eng.NumCenters != 3 ? 1 : 0);
    } else {
        // Three and four players play four piles: the hidden buttons say so,
        // with nothing chosen yet.
        vb::SelectOption(optCenters(1));
    }
    cmdDone.setEnabled(false);
}

void FrmRulesNet::Click(vb::Control& c) {
    if (c.Name() == QLatin1String("Option1")) Option1_Click(c.Index());
    else if (c.Name() == QLatin1String("optCenters")) optCenters_Click(c.Index());
    else if (&c == &cmdRules) cmdRules_Click();
    else if (&c == &cmdDone) cmdDone_Click();
    else if (&c == &CmdCancel) CmdCancel_Click();
}

void FrmRulesNet::selectCenters(int Index) {
    vb::SelectOption(optCenters(Index));
    optCenters_Click(Index);
}

void FrmRulesNet::optCenters_Click(int Index) {
    CentersChoice = Index != 0 ? 4 : 3;
    cmdDone.setEnabled(true);
}

void FrmRulesNet::cmdRules_Click() {
    ShowRulesWindow();
    ShowRulesSummary();
    if (eng.RulesChanged) cmdDone.setEnabled(true);
    // The rules may have changed the centre piles: their button is selected,
    // and only a new selection is a choice for Done.
    const int centres = eng.NumCenters != 3 ? 1 : 0;
    if (optCenters(centres).Value() != 1) selectCenters(centres);
}

void FrmRulesNet::Option1_Click(int Index) {
    // Every choice is checked, the first one too; a refused one leaves the
    // count in force selected and changes nothing.
    const int inForce = std::clamp(eng.NumPlayers - 2, 0, 2);
    if (!inet.PeerVersion.isEmpty() && oldPeer() && Index != 0) {
        vb::MsgBox(QStringLiteral("You cannot have multiple players while playing with this opponent. They are using "
                                  "an old version of the game."),
                   vb::vbCritical, QStringLiteral("STOP!"));
        vb::SelectOption(Option1(0));
        return;
    }
    if (Index + 1 < inet.NetPeers) {
        vb::MsgBox(QStringLiteral("You have too many humans connected. Ask a player to leave if you want to change "
                                  "the layout to use less players."));
        vb::SelectOption(Option1(inForce));
        return;
    }
    cmdDone.setEnabled(true);
    if (Index == 0) {
        PlayersChoice = 2;
        fraCenters.setVisible(true);
        if (eng.NumPlayers != 2 || eng.NumCenters == 3) selectCenters(0);
    } else {
        PlayersChoice = Index == 2 ? 4 : 3;
        selectCenters(1);
        fraCenters.setVisible(false);
    }
}

void FrmRulesNet::cmdDone_Click() {
    ApplyChosenCounts(PlayersChoice, CentersChoice);
    Unload();
}

void FrmRulesNet::CmdCancel_Click() {
    eng.SkipGameSave = true;
    Unload();
}

void FrmRulesNet::Form_QueryUnload(int&, int unloadMode) {
    if (unloadMode == vb::vbFormControlMenu) eng.SkipGameSave = true;
}

FrmRulesNet& frmRulesNet() { return vb::DefaultInstance<FrmRulesNet>::get(); }
bool FrmRulesNetExists() { return vb::DefaultInstance<FrmRulesNet>::exists(); }
void ReleaseFrmRulesNet() { vb::DefaultInstance<FrmRulesNet>::release(); }

void ShowHostRulesWindow() {
    FrmRulesNet& w = frmRulesNet();
    w.Unload();
    ShowDialogAsDesigned(w);
}

double HostRulesWindowLeft(double) {
    FrmRulesNet& w = frmRulesNet();
    if (!w.isLoaded()) w.LoadAsDesigned();
    return w.Left();
}

}  // namespace grisk
