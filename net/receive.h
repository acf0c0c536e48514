// Receiving lines from the other machines, and waiting for them.
#pragma once

#include <QString>
#include <functional>
#include <initializer_list>

namespace grisk {

// The data-arrival event of element index: takes what arrived; a
// connection the other side has closed is handled as that peer leaving.
void NetDataArrival(int index);
// Text that arrived on connection index: complete lines go to the
// dispatcher in order (an empty line is passed over), the rest waits for its
// line feed. A line longer than any message ends the connection. Chat and
// peek lines ("SY", "PK") go to the chat.
void NetReceiveText(int index, const QString& text);
// Connection index was closed by the other side: a line it left cut off
// ends it as a bad line, else it is handled as the peer leaving ("GO").
void NetConnectionLost(int index);

// Waits, letting events through and sleeping between them, until a line
// arrives, a peer is lost (NetState 6), the game ends (15), no peers are
// left or the program is closing. On a host of three or four whose human is
// to move it waits for every answer instead (NetWaitAllPlayers).
void NetWaitForData(int slot);
// Sleeps until NetAnswers reaches NumPlayers or no peers are left.
void NetWaitAllPlayers();
// The set-up's wait: sleeps until MoveArrived is set (a first answer or
// move line, or the connection ended), or alsoEnd() holds, showing
// "WAITING for Opponent".
void NetWaitForOpponent(const std::function<bool()>& alsoEnd = {});

// The waits of a send-and-wait round: true once done() holds; false when the
// wait ended otherwise: a peer lost, the game ended, no peers left, the
// program closing, or NetState one of alsoLeaveOn.
bool NetWaitUntil(const std::function<bool()>& done, std::initializer_list<int> alsoLeaveOn = {});

}  // namespace grisk
