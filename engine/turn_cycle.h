// The turn cycle: the turns of every seat other than the human at this
// machine.
#pragma once

#include <functional>

namespace grisk {

// Watches the other seats' turns from outside the game (the simulator):
// before(seat) runs just before a computer seat's turn is played, after(seat)
// just after it returns. Empty functions watch nothing.
struct TurnWatch {
    std::function<void(int)> before;
    std::function<void(int)> after;
};
void SetTurnWatch(TurnWatch watch);

// Plays the other seats' turns one after the other until the turn is the
// human's again, the game ends or is abandoned, or the program is closing.
void ComputerTurn();

}  // namespace grisk
