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

    // The exchange of a deal and the lines it waits for.
    int NetAnswers = 0;         // answers counted in the current send-and-wait round
    QString NetOutMsg;          // scratch for an outgoing line
    QString NetPayload;         // the "#"-separated numbers of the last "DK"
    int MsgNumber = 0;          // the number of the last "TR" (0 when it carried none)
    QString PeerVersion;        // two-digit version code of the other side, compared as text
    int MySeat = 0;             // a remote machine's host seat minus 1
    int NetRestorePending = 0;  // 1 = a received saved game waits for the Deal button
    bool MoveArrived = false;
    vb::Array<int, 1> LastKind{{0, 4}};  // per connection, the kind of its last line
    int LastSlot = 0;                    // the connection of the line before
    double SavedMoveDelay = 0;  // the local CompDelay kept aside during an Internet game
    bool OldPeer = false;       // the peer is of the oldest version
    vb::Array<QString, 1> PartialText{{0, 4}};  // per connection, text not yet ended by a line feed

    // The running Internet session's totals, shown at each game's end.
    int NetSessionGames = 0;
    int NetSessionWins = 0;
    int NetSessionMargin = 0;

    // The human's moves and the diagnostic keys.
    QString HostAddress;  // the host's address as this machine reached it

    // The Internet player set-up.
    bool NetSetupCancelled = false;  // the player left the Internet player set-up
    QString NetCommentFile;          // the personality whose remarks the chat offers; "" none chosen
};

extern InternetState inet;
void ResetInternetState();

}  // namespace grisk
