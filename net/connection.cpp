#include "net/connection.h"

#include "engine/cards.h"
#include "engine/deal.h"
#include "engine/player_record.h"
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/menu_hint.h"
#include "engine/rules.h"
#include "engine/state.h"
#include "net/chat_lines.h"
#include "net/dispatcher.h"
#include "net/frm_chat.h"
#include "net/frm_players.h"
#include "net/frm_sounds.h"
#include "net/protocol.h"
#include "net/receive.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "platform/winsock.h"
#include "records/move_log.h"
#include "records/profile.h"
#include "records/state.h"
#include "shell/menu_commands.h"
#include "shell/state.h"
#include "table/layout_reset.h"

namespace grisk {

namespace {

constexpr char kNobodyText[] = "Nobody to connect to!\r\nYou must be on the Internet first.";

QString problemText(int number, const QString& description) {
    return "Here's the problem:\r\nError " + vb::Str(number) + "\r\n" + description;
}

// A box about a refused connection is open: further refusals open none.
bool refusalBoxOpen = false;

// Ends a running Internet game from this side: the others hear the quit
// notice and "GO" while the connection stands.
void endInternetGame() {
    if (vb::MsgBox(QStringLiteral("Do you want to end this Quenmoor Online Game?"), vb::vbYesNo,
                   QStringLiteral("TERMINATE Quenmoor Connection")) != vb::vbYes)
        return;
    bool connected = SocketConnected(inet.NetSockIndex);
    for (int k = 1; k <= kMaxSockets && inet.IsHost == 1; ++k) connected = connected || SocketConnected(k);
    if (connected && inet.NetPeers != 0) {
        NetSendToPeers(BuildChatLine(NextChatNumber(), eng.PlayerName + " Quit!^"));
        NetSendToPeers(QStringLiteral("GO"));
    }
    // Closed at once (what was sent still goes out): the others close their
    // ends too, which is no news here.
    CloseAllSockets();
    Pause(0.5);
    AskSaveEndedNetGame();
    NetCleanUp();
    inet.IsHost = 0;
}

// The connection window said no: the first opponent from the profile.
void connectionCancelled() {
    TakeProfileSeats();
    frmGrisk().Label9(4).setCaption(eng.Player2.Name);
    ShowOpponentNames();
}

void connectionFailed() {
    vb::MsgBox(inet.NetFailText.isEmpty() ? QStringLiteral("Network connection failed.") : inet.NetFailText,
               vb::vbExclamation);
    inet.IsHost = 0;
    CloseSocket(inet.NetSockIndex);
    NetCleanUp();
}

}  // namespace

void SetupInternet() {
    if (inet.NetPeers != 0) {
        endInternetGame();
        return;
    }
    FrmGrisk& f = frmGrisk();
    frmPlayers().ShowModal();
    if (inet.NetPeers == 0) {
        connectionCancelled();
        return;
    }
    inet.SavedMoveDelay = eng.CompDelay;
    eng.CompDelay = 0.01;
    inet.NetSetupDone = 0;
    f.cmdDeal.setVisible(false);
    UnloadFormNamed(QStringLiteral("frmCounter"));
    FrmChat& chat = frmChat();
    // A chat window opened again starts as designed.
    if (!chat.isLoaded()) chat.LoadAsDesigned();
    chat.Show();
    if (inet.IsHost == 1) {
        chat.Text2.SetFocus();
        chat.Text2.setSelStart(static_cast<int>(chat.Text2.Text().size()));
    }
    f.Label9(2).setCaption(QString());
    inet.MyVersion = QStringLiteral(" 9. 6. 0");
    ShowRulesSummary();
    if (inet.IsHost == 1) GetIPAddress();

    if (inet.IsHost == 0) {
        ConnectToHost();
        if (inet.IsHost != 9) NetWaitForOpponent();
    } else {
        inet.NetSlotCount = 0;
        StartHosting();
        if (inet.IsHost == 1) {
            for (int seat = 2; seat <= 4; ++seat) SeatRecord(seat).Name.clear();
            ShowOpponentNames();
            NetWaitForOpponent();
        }
    }
    if (eng.Quitting) return;
    if (inet.IsHost == 9 || (inet.IsHost == 0 && inet.NetPeers == 99) || (inet.NetPeers == 99 && !inet.MoveArrived)) {
        connectionFailed();
        return;
    }
    if (inet.NetPeers == 0) return;
    if (recs.AutoSaveOn) {
        OpenMoveLog(false);
        inet.NetSetUp = true;
    }
    if (PeerVersionAtMost(inet.PeerVersion, "74")) {
        if (!SetUp()) return;
        inet.NetSetupDone = 1;
        if (inet.IsHost == 1) {
            eng.DealAllowed = true;
            cmd.GameRestored = true;
        }
        if (inet.NetPeers != 0) GoDeal();
    } else {
        inet.NetSetupDone = 1;
    }
}

void ConnectToHost() {
    FrmGrisk& f = frmGrisk();
    inet.NetFailText.clear();
    inet.NetSockIndex = 0;
    vb::Winsock& s = Winsock1(0);
    if (s.State() != vb::Winsock::sckClosed) CloseSocket(0);
    NetNewConnection(0);
    s.RemoteHost = inet.HostAddress;
    s.RemotePort = inet.NetPort;
    if (s.LocalIP().isEmpty()) {
        vb::MsgBox(QLatin1String(kNobodyText), vb::vbCritical, QStringLiteral("Quenmoor"));
        inet.IsHost = 9;
        return;
    }
    s.SetLocalPort(0);
    s.Connect();
    NoteConnectStarted();
    f.StatusMsg.setCaption(QStringLiteral("Waiting for Host confirmation...\r\n"));
    f.StatusMsg.setVisible(true);
}

void StartHosting() {
    FrmGrisk& f = frmGrisk();
    inet.NetFailText.clear();
    inet.NetSockIndex = 0;
    CloseSocket(0);
    vb::Winsock& s = Winsock1(0);
    s.SetLocalPort(0);
    s.SetLocalPort(inet.NetPort);
    const int refused = s.Listen();
    if (refused != 0) {
        QString text = problemText(refused, vb::ErrorDescription(refused));
        if (refused == vb::Winsock::sckPermissionDenied)
            text += "\r\n\r\nThis machine does not let the game use port" + vb::Str(inet.NetPort) +
                    ".\r\nChoose a port above 1023 in the connection window.";
        else if (refused == vb::Winsock::sckAddressInUse)
            text += "\r\n\r\nAnother program already uses port" + vb::Str(inet.NetPort) +
                    ".\r\nChoose another port in the connection window.";
        inet.NetFailText = text;
        inet.IsHost = 9;
        return;
    }
    if (s.LocalIP().isEmpty()) {
        vb::MsgBox(QLatin1String(kNobodyText), vb::vbCritical, QStringLiteral("Quenmoor"));
        inet.IsHost = 9;
        return;
    }
    f.Label9(1).setCaption(QString());
    f.Label9(2).setCaption(QString());
    f.StatusMsg.setCaption(QStringLiteral("Give your IP address to the player(s)\r\nwaiting to connect to your game."));
    vb::Beep();
    f.StatusMsg.setVisible(true);
}

void Winsock1_ConnectionRequest(int index, int requestID) {
    if (index != 0 || inet.IsHost != 1 || inet.NetPeers == 0) return;
    inet.HelloVersion.clear();
    int slot = 0;
    if (inet.NetSlotCount <= inet.NetPeers) {
        if (inet.NetSlotCount >= kMaxSockets) {
            for (int k = 1; k <= kMaxSockets && slot == 0; ++k)
                if (inet.NetSlots(k).Status == 0) slot = k;
            if (slot == 0) return;  // no element left: the request is dropped
        } else {
            inet.NetSlotCount += 1;
            slot = inet.NetSlotCount;
        }
    } else {
        for (int k = 1; k <= inet.NetSlotCount && slot == 0; ++k)
            if (inet.NetSlots(k).Status == 0) slot = k;
        if (slot == 0) {
            if (inet.NetSlotCount >= kMaxSockets) return;
            inet.NetSlotCount += 1;
            slot = inet.NetSlotCount;
        }
    }
    vb::Winsock& s = Winsock1(slot);
    s.SetLocalPort(inet.NetPort);
    s.Accept(Winsock1(0), requestID);
    NetNewConnection(slot);
    if (inet.NetSlotCount < 2) {
        NetSlot& first = inet.NetSlots(1);
        first = NetSlot{};
        first.Status = 7;
        first.SocketIndex = 1;
        inet.NetSockIndex = 1;
        NetSendHello(1);
        if (inet.NetSetupDone == 1) NetWaitForOpponent([] { return inet.NetSlots(1).Status == 0; });
        return;
    }
    bool accepted = false;
    if (s.State() == vb::Winsock::sckConnected) {
        NetSlot& rec = inet.NetSlots(slot);
        rec = NetSlot{};
        rec.Status = 7;
        rec.SocketIndex = slot;
        const int peers = inet.NetPeers == 99 ? 0 : inet.NetPeers;
        const bool old = PeerVersionAtMost(inet.PeerVersion, "74");
        accepted = !old && slot != kMaxSockets && peers + 1 < eng.NumPlayers;
        if (!accepted) {
            inet.PendingHello = 0;
            NetRefuseConnection(slot);
            if (old && inet.NetPeers != 99) inet.NetPeers = 1;
            if (!refusalBoxOpen) {
                refusalBoxOpen = true;
                QString text = QStringLiteral("A new opponent tried to join this game.\r\n");
                if (!old)
                    text += "Your game is setup for " + QString::number(eng.NumPlayers) +
                            " players. Change the Player Setup if you want to add a player. Then ask the new "
                            "opponent to connect.";
                else
                    text += QStringLiteral("Your current opponent does not have Quenmoor Multiplayer so new players "
                                           "cannot join this game.");
                vb::MsgBox(text, vb::vbInformation, QStringLiteral("Connection Request Denied"));
                refusalBoxOpen = false;
            }
            inet.NetState = nsIdle;
            return;
        }
        if (!inet.HelloBusy) {
            inet.HelloBusy = true;
            NetSendHello(slot);
        } else if (inet.PendingHello == 0) {
            inet.PendingHello = slot;
        } else {
            NetRefuseConnection(slot);  // one hello waits already
            return;
        }
    }
    // A later player's handshake: it ends with the seat list answered, or
    // with the connection refused or gone.
    if (inet.NetSetupDone == 1) NetWaitForOpponent([slot] { return inet.NetSlots(slot).Status == 0; });
}

void Winsock1_Error(int index, int number, const QString& description) {
    if (inet.NetPeers == 0) return;
    FrmGrisk& f = frmGrisk();
    const QString title = QStringLiteral("Quenmoor");
    const QString problem = problemText(number, description);
    switch (number) {
    case vb::Winsock::sckConnectionRefused:
        vb::MsgBox(inet.IsHost == 1
                       ? QStringLiteral("If you are acting as the HOST, your Firewall may be blocking the game.\r\n"
                                        "Change your Firewall settings to allow Quenmoor to act as a server.\r\n")
                       : QStringLiteral("The HOST is not listening!\r\n"
                                        "HOST must obtain IP ADDRESS first and have started their Connection.\r\n"
                                        "Check that you have the correct IP ADDRESS from the HOST.\r\n"),
                   vb::vbCritical, title);
        vb::MsgBox("Restart Quenmoor to connect correctly.\r\nError " + vb::Str(number) + "\r\n" + description,
                   vb::vbInformation);
        NetCleanUp();
        inet.IsHost = 9;
        break;
    case vb::Winsock::sckAddressInUse:
        vb::MsgBox("Resetting the Local Port!\r\nError " + vb::Str(number) + "\r\n" + description +
                       "\r\n(No problem, just do the Quenmoor connection again.)",
                   vb::vbCritical, title);
        if (index >= 0 && index <= kMaxSockets) Winsock1(index).SetLocalPort(0);
        break;
    case vb::Winsock::sckConnectionReset:
        vb::MsgBox(problem, vb::vbInformation);
        vb::MsgBox(QStringLiteral("That means somebody got bumped off line.\r\n"
                                  "And GRISK had absolutely nothing to do with it!"),
                   vb::vbCritical, title);
        break;
    default: vb::MsgBox(problem, vb::vbInformation); break;
    }
    f.StatusMsg.setVisible(false);
    // A host's connection to one of its players: that player leaves, the
    // others play on.
    if (inet.IsHost == 1 && index >= 1 && inet.NetSlots.inRange({index}) && inet.NetSlots(index).Status != 0) {
        inet.NetState = nsGone;
        NetPeerGone(index);
        return;
    }
    if (eng.Pturn != 0 && inet.NetPeers != 0 &&
        vb::MsgBox(QStringLiteral("Do you want to save this game?"), vb::vbYesNo, QStringLiteral("Save Game")) ==
            vb::vbYes) {
        recs.EndedNetGameSave = true;
        MenuGameCommand(3);
    }
    if (inet.IsHost != 9) NetCleanUp();
    inet.MoveArrived = true;
}

void NetRefuseConnection(int slot) {
    inet.NetOutMsg =
        BuildChatLine(1, QLatin1String(kBusyNotice)) + inet.NetTerminator;
    if (slot >= 1 && slot <= inet.NetSlotCount && slot <= kMaxSockets) {
        vb::Winsock& s = Winsock1(slot);
        s.SendData(inet.NetOutMsg);
        if (s.State() == vb::Winsock::sckConnected) s.SendData(QStringLiteral("GO") + inet.NetTerminator);
        CloseSocket(slot);
        if (slot == inet.NetSlotCount) inet.NetSlotCount -= 1;
        inet.NetSlots(slot) = NetSlot{};
    }
    if (inet.NetPeers == 0) inet.NetState = nsGone;
}

void NetCleanUp() {
    FrmGrisk& f = frmGrisk();
    CloseAllSockets();
    for (int k = inet.NetSlots.lbound(); k <= inet.NetSlots.ubound(); ++k) {
        inet.NetSlots(k) = NetSlot{};
        inet.HelloStage(k) = 0;
        inet.LastKind(k) = 0;
        inet.PartialText(k).clear();
    }
    inet.NetSockIndex = 0;
    inet.NetSlotCount = 0;
    f.StatusMsg.setVisible(false);
    f.imgIcon.setVisible(false);
    if (inet.SavedMoveDelay != 0) eng.CompDelay = inet.SavedMoveDelay;
    inet.SavedMoveDelay = 0;
    const bool wasOn = inet.NetPeers != 0;
    inet.NetPeers = 0;
    inet.IsHost = 0;
    inet.PartialPending = false;
    inet.MoveSender = -1;
    inet.HelloBusy = false;
    inet.PendingHello = 0;
    inet.NetSetupDone = 1;
    inet.MySeat = 0;
    if (FrmChatExists()) frmChat().Unload();
    UnloadFormNamed(QStringLiteral("frmMultiNET"));
    UnloadFormNamed(QStringLiteral("frmHold"));
    inet.NetCommentFile.clear();
    eng.DealAllowed = false;
    if (wasOn) NetCleanUpOpponents();
    inet.NetOutMsg.clear();
    inet.PeerVersion.clear();
    for (int i = 0; i <= 2; ++i) f.Label9(i).setCaption(QString());
    f.LabelPeek.setCaption(QString());
    f.LabelPeek.setVisible(false);
    eng.Peeking = false;
    inet.NetSessionGames = 0;
    inet.NetSessionWins = 0;
    inet.NetSessionMargin = 0;
    inet.ScoreFileReported = false;
    f.cmdDeal.setVisible(true);
    inet.OldPeer = false;
    if (inet.NetSetUp) {
        inet.NetSetUp = false;
        OpenMoveLog(true);
    }
    ShowRulesSummary();
    inet.HostName = QStringLiteral("Grisk");
    eng.Pturn = 0;
    recs.TurnCount = 0;
    EnablePileRange(f.Picture7, true, 1, 10);
    if (wasOn) ShowMenuHint(2);
}

void NetCleanUpOpponents() {
    if (eng.Quitting) return;
    TakeProfileSeats();
    recs.OppName = eng.Player2.Name;
    ShowOpponentNames();
    // The personality sounds picked for the chat go, but for those of the
    // opponents now seated.
    for (int i = 1; i <= 3; ++i) {
        QString& name = inet.ChatSoundSets(i);
        bool seated = false;
        for (int seat = 2; seat <= 4; ++seat)
            seated = seated || SeatRecord(seat).Name.compare(name, Qt::CaseInsensitive) == 0;
        if (!name.isEmpty() && !seated) RemovePersonalitySounds(name);
        name.clear();
    }
}

bool SocketsInitialize() {
    if (vb::HostAddresses().isEmpty() && Winsock1(0).LocalIP().isEmpty()) {
        vb::MsgBox(QStringLiteral("Winsock.dll is not responding."));
        return false;
    }
    return true;
}

void SocketsCleanup() {}

void GetIPAddress() {
    const QStringList addresses = vb::HostAddresses();
    QString text;
    if (addresses.isEmpty()) {
        text = QStringLiteral("Winsock.dll is not responding.");
    } else {
        text = QStringLiteral("You can verify the IP Address by going to the Help Menu, Visit the Internet Site, "
                              "IP Address Check\r\n\r\nHOST IP ADDRESS:");
        for (const QString& a : addresses) text += "\r\n" + a;
    }
    frmChat().Text1.setText(text);
}

}  // namespace grisk
