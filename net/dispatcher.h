// The per-line state machine of an Internet game, and the handshake.
#pragma once

#include <QString>

namespace grisk {

// Acts on one line that arrived on connection slot: reads it (GetNetCode),
// drops a repeat of the connection's last kind, counts answers, and acts as
// the host or as a client: the handshake (IP, NM, LO), a new game (GS), the
// deal (DK, TR), a saved game (RC), the end of a game (EG) and a player
// leaving (GO). A line no peer of ours sends, or a handshake line out of
// its order, ends that connection (NetDropPeer).
void NetProcessMessage(int slot, const QString& line);

// A new connection on slot: its handshake starts afresh.
void NetNewConnection(int slot);

// Connection slot has exchanged its hello and names.
void NetHandshakeDone(int slot);

// This machine's human ends the turn with "OK": on a host the next player's
// answer lets its move come before the turn has passed here.
void NetTurnEnding();

// A host's round of answers begins: no connection has answered yet.
void NetBeginAnswerRound();
// On a host: every connected player has answered in the running round.
bool NetEveryPeerAnswered();

// Connection slot has gone (its "GO", or found closed): on the host that
// player leaves the game (the others play on, or the host returns to a
// local game when none is left); on a client the Internet game ends.
void NetPeerGone(int slot);
// Ends connection slot for what it sent: a box names the peer and what was
// wrong, and the connection is handled as that peer leaving. Other
// connections, the table, the profile and the files are kept.
void NetDropPeer(int slot, const QString& what);
// Ends connection slot whose program has owed an answer for too long.
void NetDropSilentPeer(int slot);
// The same with the box's own text and title (the dealer's cards that
// cannot be played).
void NetEndConnection(int slot, const QString& text, const QString& title);

// The host seats its peers without gaps and names the opponents' records.
void LoadOpponentAvatars();
// The host's notice of the player and centre counts and of its rules.
void ShowHostRules();
// While a game is under way, offers to save it; then empties the table.
void AskSaveEndedNetGame();

// The chat and peek lines ("SY", "PK"); the chat window takes them.
void NetProcessChat(int slot, const QString& line);

}  // namespace grisk
