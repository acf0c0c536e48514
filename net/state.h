// The Internet play's shared state.
#pragma once

#include <QString>

#include "platform/vbarray.h"

namespace grisk {

// One entry of the connection table: the socket of a peer and its seat.
struct NetSlot {
    int SocketIndex = 0;
    int Seat = 0;
};

struct InternetState {
    int NetPeers = 0;  // 0 a local game, 99 while a connection is being made
    int IsHost = 0;    // 1 = this machine hosts
    int NetState = 0;
    vb::Array<NetSlot, 1> NetSlots{{0, 3}};
    int NetSlotCount = 0;
    int NetSockIndex = 1;  // this machine's own connection on a remote machine
    int ChatCount = 0;
    bool PeerPeeking = false;  // the peer peeked at the hands
    QString HostName;
    QString NetTerminator = QStringLiteral("\n");
};

extern InternetState inet;
void ResetInternetState();

}  // namespace grisk
