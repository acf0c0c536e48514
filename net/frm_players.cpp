#include "net/frm_players.h"

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/state.h"
#include "net/connection.h"
#include "net/protocol.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "shell/help.h"
#include "table/layout_reset.h"

namespace grisk {

namespace {
constexpr char kPortTip[] = "Leave the PORT# alone, unless you have a problem!";
constexpr char kIpCaption[] = "Click CONNECT to get your IP ADDRESS";

// A port the game may use: a whole number 1..65535.
int portOf(const QString& text) {
    const QString t = vb::Trim(text);
    bool ok = false;
    const int port = t.toInt(&ok);
    return ok && port >= 1 && port <= 65535 ? port : 0;
}

void selectAll(vb::Control& box) {
    box.SetFocus();
    box.setSelStart(0);
    box.setSelLength(static_cast<int>(box.Text().size()));
}
}  // namespace

FrmPlayers::FrmPlayers()
    : vb::Form(QStringLiteral("frmPlayers")),
      Option1(addControl(vb::Kind::OptionButton, "Option1")),
      Option2(addControl(vb::Kind::OptionButton, "Option2")),
      txtPlayerName(addControl(vb::Kind::TextBox, "txtPlayerName")),
      Text2(addControl(vb::Kind::TextBox, "Text2")),
      Text3(addControl(vb::Kind::TextBox, "Text3")),
      Label5(addControl(vb::Kind::Label, "Label5")),
      lblSetup(addControl(vb::Kind::Label, "lblSetup")),
      Label1(addControl(vb::Kind::Label, "Label1")),
      Label3(addControl(vb::Kind::Label, "Label3")),
      cmdConnect(addControl(vb::Kind::CommandButton, "cmdConnect")),
      CmdCancel(addControl(vb::Kind::CommandButton, "CmdCancel")),
      cmdHelp(addControl(vb::Kind::CommandButton, "cmdHelp")) {
    setCaption(QStringLiteral("Quenmoor Internet Connection"));
    setBackColor(0xC0C0C0);
    Move(0, 0, 6600, 4500);
    lblSetup.setGeometryTw(240, 120, 6000, 720);
    lblSetup.setWordWrap(true);
    lblSetup.setBackStyle(0);
    Label1.setCaption(QStringLiteral("Your name:"));
    Label1.setGeometryTw(240, 960, 1500, 300);
    Label1.setBackStyle(0);
    txtPlayerName.setGeometryTw(1800, 900, 2400, 330);
    Option1.setCaption(QStringLiteral("Host"));
    Option1.setGeometryTw(240, 1440, 1500, 300);
    Option1.setBackColor(0xC0C0C0);
    Option2.setCaption(QStringLiteral("Remote"));
    Option2.setGeometryTw(1800, 1440, 1500, 300);
    Option2.setBackColor(0xC0C0C0);
    Label3.setCaption(QStringLiteral("Port:"));
    Label3.setGeometryTw(3600, 1470, 600, 300);
    Label3.setBackStyle(0);
    Text3.setGeometryTw(4200, 1410, 900, 330);
    Text3.setToolTipText(QLatin1String(kPortTip));
    Label5.setGeometryTw(240, 1980, 6000, 300);
    Label5.setBackStyle(0);
    Text2.setGeometryTw(240, 2400, 2400, 330);
    // Dark text on the window's grey.
    for (vb::Control* label : {&lblSetup, &Label1, &Label3, &Label5}) label->setForeColor(0);
    cmdConnect.setGeometryTw(240, 3240, 1800, 450);
    cmdConnect.setDefault(true);
    CmdCancel.setCaption(QStringLiteral("Cancel"));
    CmdCancel.setGeometryTw(2280, 3240, 1800, 450);
    cmdHelp.setCaption(QStringLiteral("Help"));
    cmdHelp.setGeometryTw(4320, 3240, 1800, 450);
}

void FrmPlayers::Form_Load() {
    FrmGrisk& f = frmGrisk();
    if (f.StatusMsg.Visible()) f.StatusMsg.setVisible(false);
    f.Timer1.Enabled = false;
    socketsStarted_ = false;
    Option1.setEnabled(true);
    Option2.setEnabled(true);
    cmdConnect.setEnabled(true);
    txtPlayerName.setText(eng.PlayerName);
    Text3.setText(QString::number(inet.NetPort));
    Label5.setCaption(QLatin1String(kIpCaption));
    lblSetup.setCaption(QStringLiteral("One player must act as Host for an Internet game. All other players, should "
                                       "click the Remote option and then enter in the IP Address that the Host "
                                       "player gives them."));
    vb::SelectOption(Option1);
    Option1_Click();
    Move(f.Left() + (f.Width() - Width()) / 2, f.Top() + (f.Height() - Height()) / 3, Width(), Height());
}

void FrmPlayers::Form_QueryUnload(int&, int unloadMode) {
    if (unloadMode == vb::vbFormControlMenu) {
        inet.NetPeers = 0;
        if (socketsStarted_) SocketsCleanup();
    }
}

void FrmPlayers::Click(vb::Control& c) {
    if (&c == &Option1) Option1_Click();
    if (&c == &Option2) Option2_Click();
    if (&c == &cmdConnect) cmdConnect_Click();
    if (&c == &CmdCancel) CmdCancel_Click();
    if (&c == &cmdHelp) ShowHelpTopic(QStringLiteral("Keyword"), QStringLiteral("Connection Window"));
}

void FrmPlayers::Option1_Click() {
    Label5.setCaption(QLatin1String(kIpCaption));
    Text2.setVisible(false);
    cmdConnect.setCaption(QStringLiteral("Connect"));
}

void FrmPlayers::Option2_Click() {
    Label5.setCaption(QStringLiteral("Enter the Host's IP Address here:"));
    Text2.setVisible(true);
    selectAll(Text2);
    cmdConnect.setCaption(QStringLiteral("Ready to Connect"));
}

void FrmPlayers::cmdConnect_Click() {
    FrmGrisk& f = frmGrisk();
    const QString name = vb::Trim(txtPlayerName.Text());
    // An empty name keeps the name in force.
    if (!name.isEmpty()) {
        if (HasBadFileNameChar(name)) return;
        eng.PlayerName = name;
        f.Label9(3).setCaption(eng.PlayerName);
    }
    const bool host = Option1.Value() != 0;
    if (!host) {
        const QString address = vb::Trim(Text2.Text());
        if (address.isEmpty() || address.size() > 15) {
            vb::MsgBox(QStringLiteral("That's not a valid IP Address.\r\nPlease get your HOST'S IP Address.\r\n"
                                      "You need to enter it for the connection to be made."),
                       vb::vbCritical, QStringLiteral("Quenmoor Internet Game"));
            selectAll(Text2);
            return;
        }
        inet.HostAddress = address;
        int at = 1;  // three dots, each searched behind the one before, from position 2 on
        for (int dot = 0; dot < 3 && at > 0; ++dot) at = static_cast<int>(address.indexOf(QLatin1Char('.'), at)) + 1;
        if (at <= 0) {
            vb::MsgBox(QStringLiteral("Not a valid number. Must be in the format:\r\nxxx.xxx.xxx.xxx"), vb::vbCritical,
                       QStringLiteral("Incorrect IP Address!"));
            selectAll(Text2);
            return;
        }
    }
    const int port = portOf(Text3.Text());
    if (port == 0) {
        vb::MsgBox(QStringLiteral("The port must be a number from 1 to 65535.\r\nLeave it at 1001 unless you have "
                                  "a problem."),
                   vb::vbCritical, QStringLiteral("Quenmoor Internet Game"));
        selectAll(Text3);
        return;
    }
    ResetTableDisplay();
    eng.Pturn = 0;
    Option1.setEnabled(false);
    Option2.setEnabled(false);
    inet.NetState = nsIdle;
    inet.NetPeers = 99;
    inet.NetPort = port;
    if (host) {
        Label5.setCaption(QStringLiteral("WAIT... Your IP Address will appear when ready:"));
        inet.IsHost = 1;
        socketsStarted_ = SocketsInitialize();
        inet.PendingHello = 0;
        inet.HelloBusy = false;
    } else {
        inet.IsHost = 0;
    }
    Unload();
}

void FrmPlayers::CmdCancel_Click() {
    inet.NetPeers = 0;
    Unload();
}

void FrmPlayers::ShowModal() {
    if (eng.Quitting) return;
    LoadAsDesigned();
    Show(true);
}

FrmPlayers& frmPlayers() { return vb::DefaultInstance<FrmPlayers>::get(); }
void ReleaseFrmPlayers() { vb::DefaultInstance<FrmPlayers>::release(); }

}  // namespace grisk
