// Receiving lines from the other machines, and waiting for them.
#pragma once

#include <QString>
#include <functional>
#include <initializer_list>

namespace grisk {

// The data-arrival event of connection index: takes what arrived.
void NetDataArrival(int index);
// Text that arrived on connection index: complete lines go to the
// dispatcher in order, the rest waits for its line feed. A line longer than
// any message drops the connection. Chat and peek lines ("SY", "PK") are
// passed over until the chat window takes them.
void NetReceiveText(int index, const QString& text);
// Connection index was closed by the other side or failed.
void NetConnectionLost(int index);

// Waits, letting events through and sleeping between them, until a line
// arrives, a peer is lost (NetState 6), the game ends (15), no peers are
// left or the program is closing.
void NetWaitForData(int slot);

// The waits of a send-and-wait round: true once done() holds; false when the
// wait ended otherwise: a peer lost, the game ended, no peers left, the
// program closing, or NetState one of alsoLeaveOn.
bool NetWaitUntil(const std::function<bool()>& done, std::initializer_list<int> alsoLeaveOn = {});

}  // namespace grisk
