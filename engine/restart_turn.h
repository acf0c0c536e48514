// Taking the human's turn back: the whole turn (Backspace) or one move (the
// status bar's undo button).
#pragma once

namespace grisk {

// With KeyRestartTurn the position at the start of the human's turn comes
// back from its auto-save slot and the move log starts again from it; with
// UndoRequested the position before the human's last move comes back from
// the move log (nothing at the turn's start). Refused in an Internet game,
// without the move log, and when no turn has been saved to go back to; a
// refusal also ends the restart or undo that asked for it, so that nothing
// of it is left for the next game.
void RestartTurn();

}  // namespace grisk
