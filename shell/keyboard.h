// The keyboard of the whole table: every key of the main window comes here.
#pragma once

namespace grisk {

// While the card flow runs a key only stops it; during the tutorial every
// key is answered with the menu refusal; while the menus are locked nothing
// more happens. Escape puts the menu strip and its list away; Up and Down
// (and the space bar, forward) step through the backgrounds, tiled; Left and
// Right stretch the background picture; F1 opens the help; Ctrl+F5 shows
// the splash window or puts it away; Ctrl+F10 reveals the table's labels
// and the emotion icon.
void HandleKeyDown(int& keyCode, int shift);

}  // namespace grisk
