// The Internet game's entry points as the menus and the opponent set-up
// reach them: starting and ending it (net/connection.h), its set-up (the
// Internet player set-up window, the host's rules window and the new game
// the host starts for everyone) and the saved game the host sends. The
// saved-game transfer and the chat come with Internet play's later parts:
// until then the transfers do nothing.
#pragma once

#include "net/connection.h"

namespace grisk {

struct PlayerRecord;

// Shows the host's rules window modally; it hands the counts back through
// NumPlayers, NumCenters and SkipGameSave (True: the game goes on).
void ShowHostRulesWindow();

// The left edge (twips) of the host's rules window, beside which the house
// rules dialog of an Internet game opens (the window is loaded for it).
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
// The avatar assignment file of the signed-in player ("<player>.avt" in
// UserFolder): one seat entry per remote player a picture was chosen for,
// keyed by the player's name (its 20 characters as stored, blanks and
// letter case aside). Reading gives rec the picture assigned to its name
// when that picture is still in "Avatars/"; saving puts rec's picture
// into its entry, or appends one. False when a save could not be written
// (reading never fails: a file that cannot be read changes nothing).
bool AvatarFileLookup(PlayerRecord& rec, bool Save = false);

// Shows the Internet player set-up modally: the player's name, avatar,
// comment file and score file, and a picture and a name of the player's
// own choosing for each remote player.
void ShowInternetPlayerSetup();

}  // namespace grisk
