// The commands of the Help menu, by row.
#pragma once

namespace grisk {

// Row 4, Card Counter: fills and shows the card counter; refused in an
// Internet game (unless in the developer mode) and after a restore.
// Rows without a command here do nothing.
void MenuHelpCommand(int item, int subItem);

}  // namespace grisk
