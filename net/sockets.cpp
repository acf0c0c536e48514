#include "net/sockets.h"

#include <array>
#include <cmath>
#include <memory>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "net/connection.h"
#include "net/dispatcher.h"
#include "net/protocol.h"
#include "net/receive.h"
#include "net/state.h"
#include "platform/eventwait.h"
#include "platform/winsock.h"

namespace grisk {

namespace {
// What a peer's program owes within these limits (seconds).
constexpr double kReplyLimit = 120;
constexpr double kConnectLimit = 30;

std::array<std::unique_ptr<vb::Winsock>, kMaxSockets + 1>& sockets() {
    static std::array<std::unique_ptr<vb::Winsock>, kMaxSockets + 1> s;
    return s;
}

// Per element, since when an answer is owed (-1: none); and since when
// element 0 is connecting.
std::array<double, kMaxSockets + 1> owedSince{-1, -1, -1, -1, -1};
double connectSince = -1;

double secondsSince(double start) {
    return std::fmod(waits::SecondsSinceMidnight() - start + 86400.0, 86400.0);
}

// The lines the other program answers by itself.
bool owesAnswer(const QString& message) {
    const int kind = NetLineKind(message);
    if (IsBareNetLine(message)) return false;
    return kind == nsHello || kind == nsDeck || kind == nsTurn || kind == nsSeatList || kind == nsPlayCard ||
           (kind == nsName && inet.IsHost == 1);
}

void noteSent(int index, const QString& message) {
    if (owesAnswer(message) && owedSince[static_cast<std::size_t>(index)] < 0)
        owedSince[static_cast<std::size_t>(index)] = waits::SecondsSinceMidnight();
}

bool validIndex(int index) { return index >= 0 && index <= kMaxSockets; }
}  // namespace

vb::Winsock& Winsock1(int index) {
    auto& s = sockets().at(static_cast<std::size_t>(index));
    if (!s) {
        s = vb::NewWinsock();
        s->onDataArrival = [index](int) { NetDataArrival(index); };
        s->onConnectionRequest = [index](int requestID) { Winsock1_ConnectionRequest(index, requestID); };
        s->onError = [index](int number, const QString& description) { Winsock1_Error(index, number, description); };
    }
    return *s;
}

bool SocketConnected(int index) {
    if (!validIndex(index)) return false;
    const auto& s = sockets()[static_cast<std::size_t>(index)];
    return s && s->State() == vb::Winsock::sckConnected;
}

void NetSendToSlot(QString& message, int& slot) {
    if (slot < 0) slot = 1;
    if (inet.IsHost != 1) slot = inet.NetSockIndex;
    if (!validIndex(slot)) return;
    vb::Winsock& s = Winsock1(slot);
    if (s.State() == vb::Winsock::sckClosing) {
        inet.NetState = nsGone;
        if (!eng.Quitting) NetPeerGone(slot);
        frmGrisk().Label9(0).setCaption(QString());
    } else if (s.State() > 0) {
        if (s.SendData(message + inet.NetTerminator)) noteSent(slot, message);
    }
}

void NetAnswerHost(const QString& code) {
    QString answer = code;
    int slot = 1;
    NetSendToSlot(answer, slot);
}

void NetSendToOthers(QString& message, int& exceptSlot) {
    message += inet.NetTerminator;
    const int last = std::min(inet.NetSlotCount, kMaxSockets);
    bool anyLive = false;
    for (int k = 1; k <= last; ++k) {
        if (k == exceptSlot || inet.NetSlots(k).Status != 7) continue;
        anyLive = true;
        vb::Winsock& s = Winsock1(k);
        if (s.State() > 0 && s.State() != vb::Winsock::sckClosing && s.SendData(message)) {
            noteSent(k, message);
            continue;
        }
        if (inet.NetState != nsGone) {
            inet.NetState = nsGone;
            NetPeerGone(k);
        }
        return;
    }
    // A host with no player left to tell has lost them all.
    if (!anyLive && exceptSlot == 0 && inet.NetPeers != 0 && inet.NetPeers != 99) inet.NetState = nsGone;
}

void NetSendToPeers(const QString& line) {
    inet.NetOutMsg = line;
    if (inet.IsHost == 1) {
        int all = 0;
        NetSendToOthers(inet.NetOutMsg, all);
    } else {
        int host = 1;
        NetSendToSlot(inet.NetOutMsg, host);
    }
}

void NetSendToAllOpen(const QString& message) {
    for (int i = 1; i <= kMaxSockets; ++i)
        if (SocketConnected(i)) Winsock1(i).SendData(message + inet.NetTerminator);
}

void NetSendHello(int slot) {
    inet.NetOutMsg = BuildHostHello(slot);
    NetSendToSlot(inet.NetOutMsg, slot);
}

void NetSendSeatList() {
    inet.NetAnswers = 1;
    const int count = eng.NumPlayers == 2 && eng.NumCenters == 4 ? 5 : eng.NumPlayers;
    QStringList names;
    if (eng.NumPlayers > 2) names << eng.Player2.Name << eng.Player3.Name;
    if (eng.NumPlayers == 4) names << eng.Player4.Name;
    for (int k = 1; k <= std::min(inet.NetSlotCount, kMaxSockets); ++k) {
        if (inet.NetSlots(k).Status == 0) continue;
        QString line = BuildSeatList(count, inet.NetSlots(k).Seat, names);
        int socket = inet.NetSlots(k).SocketIndex;
        NetSendToSlot(line, socket);
        if (inet.NetPeers == 0) return;
    }
}

void NoteReplySettled(int index) {
    if (validIndex(index)) owedSince[static_cast<std::size_t>(index)] = -1;
}

void NoteConnectStarted() { connectSince = waits::SecondsSinceMidnight(); }

void CheckNetDeadlines() {
    if (connectSince >= 0 && inet.IsHost == 0 && sockets()[0] &&
        sockets()[0]->State() == vb::Winsock::sckConnecting && secondsSince(connectSince) >= kConnectLimit) {
        connectSince = -1;
        CloseSocket(0);
        Winsock1_Error(0, vb::Winsock::sckTimedOut, vb::ErrorDescription(vb::Winsock::sckTimedOut));
        return;
    }
    for (int i = 0; i <= kMaxSockets; ++i) {
        const double since = owedSince[static_cast<std::size_t>(i)];
        if (since < 0 || secondsSince(since) < kReplyLimit) continue;
        owedSince[static_cast<std::size_t>(i)] = -1;
        if (SocketConnected(i)) {
            NetDropSilentPeer(i);
            return;  // the waits look again
        }
    }
}

void CloseSocket(int index) {
    if (!validIndex(index)) return;
    owedSince[static_cast<std::size_t>(index)] = -1;
    if (index == 0) connectSince = -1;
    if (sockets()[static_cast<std::size_t>(index)]) sockets()[static_cast<std::size_t>(index)]->Close();
}

void CloseAllSockets() {
    for (int i = 0; i <= kMaxSockets; ++i) CloseSocket(i);
}

void CloseMainSocket() { CloseSocket(inet.NetSockIndex); }

}  // namespace grisk
