// The commands of the Help menu, by row.
#pragma once

namespace grisk {

// Row 0 opens the help at its contents, row 1 the tutorial (modeless), row
// 2 the tip of the day, row 8 the About window (modal).
// Row 3, Peek / Stop Peeking: turns the opponents' hand cards face up or
// down again, with a remark; nothing while cards fly. In an Internet game
// the player confirms the peek first ("Cheater"), and the other machines
// are told with a system notice and the peek line.
// Row 4, Card Counter: fills and shows the card counter; refused in an
// Internet game (unless in the developer mode) and after a restore. Row 5
// shows or hides the status bar.
// Row 7 opens the project's web site: subItem 1 its home page, 3 the page
// that shows the player's Internet address; any other choice opens nothing.
// Rows without a command here do nothing.
void MenuHelpCommand(int item, int subItem);

}  // namespace grisk
