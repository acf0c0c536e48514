// The connections of an Internet game and sending lines on them.
#pragma once

#include <QString>

namespace vb {
class Winsock;
}

namespace grisk {

inline constexpr int kMaxSockets = 4;

// The socket array: element 0 listens at the host; 1..4 are connections.
vb::Winsock& Winsock1(int index);
// True when connection index (1..NetSlotCount) is connected.
bool SocketConnected(int index);

// Sends message and the terminator on the connection of slot.
void NetSendToSlot(QString& message, int& slot);
// A remote machine's bare answer (code alone) to the host.
void NetAnswerHost(const QString& code);
// Sends message and the terminator on every open connection but exceptSlot
// (0: to all). A lost connection sets NetState 6 and stops the sending.
void NetSendToOthers(QString& message, int& exceptSlot);
// Sends line and the terminator the way this machine's own lines go: the
// host to every remote player, a remote player to the host. The line is
// kept in NetOutMsg.
void NetSendToPeers(const QString& line);
// Sends message and the terminator on every connection that is still open,
// passing over lost ones (the good-bye at shut-down).
void NetSendToAllOpen(const QString& message);

void CloseAllSockets();
void CloseMainSocket();
// Ends an Internet session: connections, counters, the session's totals
// and the game kind.
void NetCleanUp();

}  // namespace grisk
