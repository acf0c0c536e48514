// The connections of an Internet game and sending lines on them.
#pragma once

#include <QString>

namespace vb {
class Winsock;
}

namespace grisk {

inline constexpr int kMaxSockets = 4;

// The socket array: element 0 is the host's listener or a client's one
// connection; 1..4 the host's connections to its peers. Its events go to
// the connection handlers (net/connection.h) and the receive path.
vb::Winsock& Winsock1(int index);
// True when element index is connected.
bool SocketConnected(int index);

// Sends message and the terminator on the element of slot (a slot below 0
// becomes 1; a client always sends on its one connection, and slot is set
// to it). A connection found closing is handled as that peer leaving.
void NetSendToSlot(QString& message, int& slot);
// A remote machine's bare answer (code alone) to the host.
void NetAnswerHost(const QString& code);
// Appends the terminator to message and sends it on every live connection
// 1..NetSlotCount but exceptSlot (0: to all). A connection that cannot be
// written is handled as that peer leaving, and the sending stops.
void NetSendToOthers(QString& message, int& exceptSlot);
// Sends line and the terminator the way this machine's own lines go: the
// host to every remote player, a remote player to the host. The line is
// kept in NetOutMsg.
void NetSendToPeers(const QString& line);
// Sends message and the terminator on every connection that is still open,
// passing over lost ones (the good-bye at shut-down).
void NetSendToAllOpen(const QString& message);

// The host's hello to the peer on slot.
void NetSendHello(int slot);
// The host's seat list to every seated peer; NetAnswers starts at 1.
void NetSendSeatList();

// A line sent that the other program answers by itself (a hello, the
// host's name, a deck, a first player, a seat list, a move) is owed an
// answer: a connection that gives none for two minutes is ended. Any line
// from the connection settles it.
void NoteReplySettled(int index);
// Ends the connections that owe an answer for too long, and a connection
// attempt that is not done in 30 seconds (error 10060). Run by the waits.
void CheckNetDeadlines();
// The connection attempt of element 0 began now.
void NoteConnectStarted();

// The host closes its listener and every connection; a client closes its
// connection to the host.
void CloseAllSockets();
void CloseMainSocket();
// Closes element index; its events raised no more.
void CloseSocket(int index);

}  // namespace grisk
