// The Internet game's entry points as the menus and the opponent set-up
// reach them: starting and ending it (net/connection.h), its set-up (the
// Internet player set-up window, the host's rules window and the new game
// the host starts for everyone) and the saved game the host sends. The
// Internet player set-up, the host's rules window, the saved-game transfer,
// the chat and the avatar assignments come with Internet play's later
// parts: until then each window is left at once, as a player who cancels
// leaves it, and the transfers do nothing.
#pragma once

#include "net/connection.h"

namespace grisk {

struct PlayerRecord;

// Shows the Internet player set-up modally; it completes the set-up itself.
void ShowInternetPlayerSetup();

// Shows the host's rules window modally; it hands the counts back through
// NumPlayers, NumCenters and SkipGameSave (True: the game goes on).
void ShowHostRulesWindow();

// The left edge (twips) of the host's rules window, beside which the house
// rules dialog of an Internet game opens; the given left while Internet
// play has no such window.
double HostRulesWindowLeft(double fallback);

// The host starts a new game for every machine after a changed set-up:
// with a game under way the others hear "EG" first; then the seats go out
// again and the host waits for every answer to its seat list.
void NetStartNewGame();

// The host sends the position on its table (a game just restored or
// restarted) to every remote player: the notice in the chat, the seats
// (above "74"), the "RC" line, every answer awaited, then "RS" and play
// resumes (net/recover.cpp).
void SendRecover();
// A client reads the game of a received "RC" from NetPayload whole into a
// scratch position and checks it before the table is touched; a damaged
// game is refused like a damaged deal (the connection to the host ends)
// and the table stays as it was. The game then waits for the Deal button.
void GetRecover();
// The avatar a record shows for a human opponent, from the avatar
// assignment file.
void AvatarFileLookup(PlayerRecord& rec);

}  // namespace grisk
