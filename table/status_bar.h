// The table's status bar: the human's and one opponent's last hand, best run
// and wild-card counters, and the undo button.
#pragma once

namespace grisk {

// The panels, from 1; panel 5 (key "OppName") names the opponent shown and
// panel 9 (key "Undo") is the undo button.
inline constexpr int kPanelOppName = 5;
inline constexpr int kPanelUndo = 9;

// Resets the status bar for a new game: panels 2..8 emptied, the human's
// name in panel 1 and the first opponent's in panel 5 (each followed by
// ":"), and the tool tips of the two wild-card panels.
void StatusBar_Clear();

// The human's name in panel 1 and in the tool tip of their wild-card panel
// (a new game, and another player signing in).
void ShowHumanNameOnStatusBar();

// A click on a panel. The opponent's name steps through the opponents of a
// table of three or four; Undo takes the human's last move of the turn back
// (only on the human's turn after a move); the others do nothing.
void StatusBar1_PanelClick(int panel);

}  // namespace grisk
