// Opening and closing the connections of an Internet game: the set-up from
// the connection window, the client's connect, the host's listen, the
// socket events, the refusal of a peer and the clean-up that returns the
// table to a local game.
#pragma once

#include <QString>

namespace grisk {

// Start / END Internet Game. Without an Internet game it opens the
// connection window and, unless cancelled, connects or hosts and waits
// (letting events run) for the handshake; with one it asks "Do you want to
// end this Quenmoor Online Game?" and on Yes tells the other machines and
// returns to a local game.
void SetupInternet();

// A client connects element 0 to HostAddress on NetPort; IsHost 9 when the
// machine has no address.
void ConnectToHost();
// The host listens on NetPort; IsHost 9 without an address, 0 when the
// port was refused (a box says why).
void StartHosting();

// The socket events.
void Winsock1_ConnectionRequest(int index, int requestID);
void Winsock1_Error(int index, int number, const QString& description);

// Refuses connection slot: a busy notice and "GO", then it is closed and
// its slot freed.
void NetRefuseConnection(int slot);
// Ends an Internet game and its connections: the table becomes a local
// game with the profile's opponents, this machine's speed and move log.
void NetCleanUp();
// The profile's opponents back in seats 2..4.
void NetCleanUpOpponents();

// The machine's sockets and its addresses: false, after a box, when the
// socket module cannot be loaded.
bool SocketsInitialize();
void SocketsCleanup();
// Shows this machine's addresses in the chat window's history box.
void GetIPAddress();

}  // namespace grisk
