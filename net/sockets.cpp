#include "net/sockets.h"

#include <array>
#include <memory>

#include "net/protocol.h"
#include "net/receive.h"
#include "net/state.h"
#include "platform/winsock.h"

namespace grisk {

namespace {
std::array<std::unique_ptr<vb::Winsock>, kMaxSockets + 1>& sockets() {
    static std::array<std::unique_ptr<vb::Winsock>, kMaxSockets + 1> s;
    return s;
}
}  // namespace

vb::Winsock& Winsock1(int index) {
    auto& s = sockets().at(static_cast<std::size_t>(index));
    if (!s) {
        s = vb::NewWinsock();
        s->onDataArrival = [index] { NetDataArrival(index); };
        s->onError = [index] { NetConnectionLost(index); };
    }
    return *s;
}

bool SocketConnected(int index) {
    if (index < 0 || index > kMaxSockets) return false;
    const auto& s = sockets()[static_cast<std::size_t>(index)];
    return s && s->State() == vb::Winsock::sckConnected;
}

void NetSendToSlot(QString& message, int& slot) {
    if (slot < 0) slot = 1;
    if (inet.IsHost != 1) slot = inet.NetSockIndex;
    if (slot > kMaxSockets) return;
    vb::Winsock& s = Winsock1(slot);
    if (s.State() == vb::Winsock::sckClosing || !s.SendData(message + inet.NetTerminator))
        inet.NetState = nsGone;
}

void NetAnswerHost(const QString& code) {
    QString answer = code;
    int slot = 1;
    NetSendToSlot(answer, slot);
}

void NetSendToOthers(QString& message, int& exceptSlot) {
    message += inet.NetTerminator;
    const int last = std::min(inet.NetSlotCount, kMaxSockets);
    for (int i = 1; i <= last; ++i) {
        if (i == exceptSlot) continue;
        if (!SocketConnected(i) || !Winsock1(i).SendData(message)) {
            inet.NetState = nsGone;
            return;
        }
    }
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

void CloseAllSockets() {
    for (auto& s : sockets())
        if (s) s->Close();
}

void CloseMainSocket() {
    if (inet.NetSockIndex >= 0 && inet.NetSockIndex <= kMaxSockets) Winsock1(inet.NetSockIndex).Close();
}

void NetCleanUp() {
    CloseAllSockets();
    inet.NetPeers = 0;
    inet.NetSlotCount = 0;
    inet.IsHost = 0;
    inet.NetState = 0;
    inet.NetSessionGames = 0;
    inet.NetSessionWins = 0;
    inet.NetSessionMargin = 0;
}

}  // namespace grisk
