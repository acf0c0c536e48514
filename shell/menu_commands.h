// The commands of the menus, named by menu and row: the command list, the
// function keys and the game itself call them with the row numbers of the
// lists (separators counted). A row without a command does nothing.
#pragma once

namespace grisk {

// Runs the command of row MenuItem of menu MenuNum, picked in the command
// list; the sub-menus' choices are read from the picture store.
void MenuPanelClick();

// The Game menu. Row 0, New Game: while another seat of a local game is
// playing it only asks for the new game (RestartRequested), which the turn
// cycle starts once that turn is over; else a new game starts. Row 1,
// Change/New Player: the sign-in window, modally. Rows 3 Save, 4 Restore,
// 6 Previous Turn and 7 Restart Current Game: the saved games
// (shell/saved_game_commands.h). While a new game is asked for, every Game
// command returns at once.
void MenuGameCommand(int item);
// The Options menu: 1 puts the sound level chosen into force, 5 runs the
// opponent set-up (a new game follows a changed one), 7 opens the comment
// editor beside the table, 9 steps to the
// next background (tiled), 10 stretches the background, 13 changes the
// display size by subItem (0 rows up or down, 1 smaller or larger, 2 the
// default vertical layout).
void MenuPreferencesCommand(int item, int subItem);
// The Internet menu; its commands come with Internet play.
void MenuInternetCommand(int item);

}  // namespace grisk
