// Hints that point the player to the right menu.
#pragma once

namespace grisk {

// 1: the box "Please use the Internet Menu during Internet games."; 2: the
// hint to start a new game on the table's remark line.
void ShowMenuHint(int which);

}  // namespace grisk
