#include "net/dispatcher.h"

#include <QApplication>

#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "net/deal_lines.h"
#include "net/protocol.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/winsock.h"
#include "table/layout_reset.h"

namespace grisk {

namespace {

// The answers to a move line: on a remote machine or with two players one
// answer is all; a host of three or four counts them.
void countMoveAnswer() {
    if (inet.IsHost != 1 || eng.NumPlayers < 3)
        inet.NetAnswers = eng.NumPlayers;
    else
        inet.NetAnswers += 1;
}

// The name of the player on connection slot at the host.
QString slotPlayerName(int slot) {
    for (int k = inet.NetSlots.lbound(); k <= inet.NetSlots.ubound(); ++k) {
        const NetSlot& s = inet.NetSlots(k);
        if (s.SocketIndex == slot && s.Seat >= 1 && s.Seat <= 3) return SeatRecord(s.Seat + 1).Name;
    }
    return QStringLiteral("Your opponent");
}

// The host lost the connection of a remote player.
void hostLostPeer(int slot) {
    if (slot >= 1 && slot <= kMaxSockets) Winsock1(slot).Close();
    QApplication::beep();
    frmGrisk().Label9(1).setCaption(slotPlayerName(slot) + " quit the game.");
    for (int k = inet.NetSlots.lbound(); k <= inet.NetSlots.ubound(); ++k)
        if (inet.NetSlots(k).SocketIndex == slot) inet.NetSlots(k) = NetSlot{};
    inet.NetAnswers = eng.NumPlayers;
    inet.NetPeers = std::max(0, inet.NetPeers - 1);
    bool anyLeft = false;
    for (int i = 1; i <= std::min(inet.NetSlotCount, kMaxSockets); ++i) anyLeft = anyLeft || SocketConnected(i);
    if (!anyLeft) {
        NetCleanUp();
        inet.MoveArrived = true;
    }
    inet.NetState = inet.NetPeers == 0 ? nsGone : nsEndGame;
}

// A remote machine lost the host: the Internet game is over here.
void remoteLostHost() {
    CloseMainSocket();
    FrmGrisk& f = frmGrisk();
    f.Label9(1).setCaption(QStringLiteral("Dealer has terminated game."));
    NetCleanUp();
    inet.MoveArrived = true;
    inet.NetState = nsIdle;
    f.cmdDeal.setVisible(true);
    vb::MsgBox(QStringLiteral("Dealer has terminated game."), vb::vbCritical, QStringLiteral("Quenmoor"));
}

void hostTakes(int slot, int kind) {
    FrmGrisk& f = frmGrisk();
    switch (kind) {
    case nsGameStart:
        inet.NetAnswers += 1;
        f.Label9(0).setCaption(QString());
        inet.MoveArrived = true;
        break;
    case nsDeck:
    case nsRecover:
        inet.NetAnswers += 1;
        if (kind == nsRecover) inet.MoveArrived = true;
        break;
    case nsTurn:
        inet.NetAnswers += 1;
        f.Label9(0).setCaption(QStringLiteral(" "));
        break;
    case nsGone: hostLostPeer(slot); break;
    default: break;
    }
}

void remoteTakes(const QString& line, int kind) {
    FrmGrisk& f = frmGrisk();
    switch (kind) {
    case nsGameStart:
        ResetTableDisplay();
        EnablePileRange(f.Picture7, false, 1, 10);
        f.Label9(2).setCaption(QStringLiteral("Click the DEAL button to begin:"));
        f.Label9(1).setCaption(QStringLiteral("HOST began a NEW GAME!\n"));
        QApplication::beep();
        f.cmdDeal.setVisible(true);
        f.Label9(0).setCaption(QString());
        break;
    case nsDeck: inet.NetPayload = NetLineText(line); break;
    case nsTurn: {
        // A number outside the table is kept as 0 for the deal to refuse.
        const int n = ParseTurnLine(line).value_or(0);
        inet.MsgNumber = n <= eng.NumPlayers ? n : 0;
        if (inet.MsgNumber != 0) {
            eng.Pturn = inet.MsgNumber;
            // Hosts of the two-player protocol count the seats the other way round.
            if (PeerVersionAtMost(inet.PeerVersion, "74")) eng.Pturn = eng.Pturn == 1 ? 2 : 1;
        }
        f.Label9(0).setCaption(QStringLiteral(" "));
        inet.NetAnswers = eng.NumPlayers;
        break;
    }
    case nsGone: remoteLostHost(); break;
    case nsEndGame:
        ResetTableDisplay();
        f.Label9(1).setCaption(QStringLiteral("Host has ended this game. Wait for the start of a new game."));
        break;
    default: break;
    }
}

}  // namespace

void NetProcessMessage(int slot, const QString& line) {
    const int kind = NetLineKind(line);
    inet.NetState = kind;
    if (kind == nsIdle || !inet.LastKind.inRange({slot})) return;
    // The same kind twice in a row from one connection is a repeat; a seat
    // list never is.
    const bool seatListHere = kind == nsSeatList && inet.IsHost != 1;
    if (slot == inet.LastSlot && kind == inet.LastKind(slot) && !seatListHere && kind != nsGone) return;
    inet.LastSlot = slot;

    if (kind == nsPlayCard || kind == nsWait || kind == nsOkay) {
        countMoveAnswer();
        if (kind == nsPlayCard) inet.MoveArrived = true;
    }
    if (inet.IsHost == 1)
        hostTakes(slot, kind);
    else
        remoteTakes(line, kind);
    if (inet.LastKind.inRange({slot})) inet.LastKind(slot) = inet.NetState;
}

}  // namespace grisk
