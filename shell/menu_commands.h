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
// (shell/saved_game_commands.h). Row 11, Exit: the main window closes (the
// shut-down runs), unless a turn or a deal is running. While a new game is
// asked for, every Game command returns at once.
void MenuGameCommand(int item);
// The Options menu: 0 opens the speed window, 1 puts the sound level chosen
// into force, 2 opens the preferences (in an Internet game only on this
// machine's turn; afterwards the pile-information window is filled again
// and the remark line's font size goes to the profile), 4 the house rules
// (a change that needs a new game empties the table for the deal), 5 runs
// the opponent set-up (a new game follows a changed one), 7 opens the
// comment editor beside the table, 9 steps to the next background (tiled),
// 10 stretches the background, 11 adds a picture to the backgrounds
// (shell/background_commands.h), 13 changes the display size by subItem (0
// rows up or down, 1 smaller or larger, 2 the default vertical layout).
void MenuPreferencesCommand(int item, int subItem);
// The Internet menu. Row 0 starts or ends an Internet game (SetupInternet).
// Row 1 shows the Internet scores window, refused while the player has no
// Internet score file. Row 4 saves the Internet game being played (refused
// without one). Row 5, on the host: a saved game chosen (or, after a
// restart, the game as dealt) is restored and sent to the other players;
// refused while no peer is connected. Row 3 is the opponent set-up (the
// Internet player set-up in an Internet game), row 7 its rules only. Rows 9 and 10 are the Game menu's
// Restart Current Game and New Game.
void MenuInternetCommand(int item);

}  // namespace grisk
