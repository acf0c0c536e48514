// The turn cycle: the turns of every seat other than the human at this
// machine.
#pragma once

namespace grisk {

// Plays the other seats' turns one after the other until the turn is the
// human's again, the game ends or is abandoned, or the program is closing.
void ComputerTurn();

}  // namespace grisk
