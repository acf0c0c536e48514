// The Internet game's set-up, as the opponent set-up reaches it: the
// Internet player set-up window, the host's rules window and the new game
// the host starts for everyone. The two windows come with Internet play;
// until then each is left at once, as a player who cancels leaves it.
#pragma once

namespace grisk {

// Shows the Internet player set-up modally; it completes the set-up itself.
void ShowInternetPlayerSetup();

// Shows the host's rules window modally; it hands the counts back through
// NumPlayers, NumCenters and SkipGameSave (True: the game goes on).
void ShowHostRulesWindow();

// The host starts a new game for every machine after a changed set-up.
void NetStartNewGame();

}  // namespace grisk
