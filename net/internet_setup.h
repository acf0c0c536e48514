// The Internet game's entry points: starting and ending it from the
// Internet menu, sending a saved game to the other machines, and its set-up
// as the opponent set-up reaches it (the Internet player set-up window, the
// host's rules window and the new game the host starts for everyone). The
// windows come with Internet play; until then each is left at once, as a
// player who cancels leaves it.
#pragma once

namespace grisk {

// Shows the Internet player set-up modally; it completes the set-up itself.
void ShowInternetPlayerSetup();

// Shows the host's rules window modally; it hands the counts back through
// NumPlayers, NumCenters and SkipGameSave (True: the game goes on).
void ShowHostRulesWindow();

// The left edge (twips) of the host's rules window, beside which the house
// rules dialog of an Internet game opens; the given left while Internet
// play has no such window.
double HostRulesWindowLeft(double fallback);

// The host starts a new game for every machine after a changed set-up.
void NetStartNewGame();
// Start / END Internet Game. During an Internet game (or while one is being
// connected) it asks "Do you want to end this Quenmoor Online Game?"; on Yes
// the other machines hear the quit notice and "GO" while the connection
// stands, and the table becomes a local game again. Without one it would
// open the connection window, which Internet play brings: until then
// nothing happens.
void SetupInternet();

// The host sends the position on its table (a game just restored or
// restarted) to every remote player. Nothing happens without peers; the
// transfer itself comes with Internet play.
void SendRecover();

}  // namespace grisk
