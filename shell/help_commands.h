// The commands of the Help menu, by row.
#pragma once

namespace grisk {

// Row 0 opens the help at its contents, row 2 the tip of the day, row 8
// the About window (modal).
// Row 4, Card Counter: fills and shows the card counter; refused in an
// Internet game (unless in the developer mode) and after a restore. Row 5
// shows or hides the status bar.
// Rows without a command here do nothing.
void MenuHelpCommand(int item, int subItem);

}  // namespace grisk
