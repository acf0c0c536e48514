// The turn cycle: the turns of every seat other than the human at this
// machine.
#pragma once

#include <functional>

namespace grisk {

// Watches the game from outside (the simulator): before(seat) runs just
// before a computer seat's turn is played, after(seat) just after it
// returns, and moved() after each card movement of the piles (a card dealt,
// played to a centre pile, a pile cleared, the used pile reshuffled, a
// discard). Empty functions watch nothing.
struct TurnWatch {
    std::function<void(int)> before;
    std::function<void(int)> after;
    std::function<void()> moved;
};
void SetTurnWatch(TurnWatch watch);
// Tells the watch that cards have moved.
void NoteCardsMoved();

// Plays the other seats' turns one after the other until the turn is the
// human's again, the game ends or is abandoned, or the program is closing.
void ComputerTurn();

}  // namespace grisk
