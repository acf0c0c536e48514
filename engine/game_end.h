// The end of a game.
#pragma once

namespace grisk {

// Ends the game when a pay-off pile is empty: no one is on turn any more,
// the human's hand is locked and the Deal button offers the next game.
void Game_End();

}  // namespace grisk
