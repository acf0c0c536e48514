// The commands of the menus, named by menu and row: the command list, the
// function keys and the game itself call them with the row numbers of the
// lists (separators counted). A row without a command does nothing.
#pragma once

namespace grisk {

// The Game menu. Row 0, New Game: while another seat of a local game is
// playing it only asks for the new game (RestartRequested), which the turn
// cycle starts once that turn is over; else a new game starts. While a new
// game is asked for, every Game command returns at once.
void MenuGameCommand(int item);

}  // namespace grisk
