// The per-line state machine of an Internet game.
#pragma once

#include <QString>

namespace grisk {

// Acts on one line that arrived on connection slot: sets NetState to its
// kind, drops a repeat of the connection's last kind, counts answers, and
// takes what the deal needs: a new game ("GS") shows the Deal button, the
// host's deck ("DK") is kept in NetPayload for the deal to read, the first
// player ("TR") is set. "GO" (also a lost connection) closes that
// connection; a remote machine that loses the host leaves the Internet game.
void NetProcessMessage(int slot, const QString& line);

}  // namespace grisk
