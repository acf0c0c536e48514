// The turn of a player at another machine of an Internet game, replayed on
// this one from that player's move lines.
#pragma once

#include <QString>
#include <optional>

namespace grisk {

// Plays out the whole turn of the remote seat Pturn (2..4), whose record the
// turn cycle has loaded: the hand refilled (or counted after a deal), then
// each "PC" of the mover taken, checked, relayed by a host of three or four,
// answered and replayed with the engine's own pile procedures, and each
// "WT" awaited and answered; a drop ends the turn through Move_End_Turn, the
// last pay-off card through Game_End. Returns at once, with what was
// replayed left on the table, when a peer is lost, the game is ended or
// restarted, new seats come, a saved game replaces the table, no peers are
// left, a stalemate gave the game
// up, or the turn became the human's. A move that does not fit the table
// ends the connection it came on and changes nothing.
void Opponent();

// What is wrong with the move from slot `from` to target `to` of the loaded
// seat on the table as it stands; nothing for a move it may make.
std::optional<QString> RemoteMoveFault(int from, int to);

// One line of the mover, taken: a host of three or four sends relayLine to
// every other remote player and waits for all their answers; then the mover
// (connection OppLevel) gets the bare code of the line. False when the
// Internet game was lost, ended or restarted meanwhile.
bool RelayAndAnswerMove(const QString& relayLine);

// True when the remote turn under way is to be left: the Internet game was
// lost, ended or restarted, new seats came, or a saved game was sent or
// received since the turn began (its table is no longer the turn's).
bool RemoteTurnLeft();

}  // namespace grisk
