// The table's display sizes: large or small cards, the human's rows in
// their normal place or moved up.
#pragma once

namespace grisk {

// which 0 moves the human's rows up or back (display mode 0 <-> 1); which 1
// switches between large and small cards (ending in mode 0 or 2). The table
// is laid out again and redrawn; an error ends the change with a message.
void ChangeDisplayMode(int which);
// Brings the table to small cards (small) or large ones: when it shows the
// other size and the display-size menu lets the size change, the size is
// changed as ChangeDisplayMode(1) changes it. SmallDisplay then tells the
// size shown.
void ShowDisplaySize(bool small);
// Shows centre piles 1..NumCenters; never hides one.
void ShowCentrePiles();
// A screen too small for large cards: the first two items of the display
// sub-menu are disabled, so the table stays small.
void DisableDisplayMenuForSmallScreen();

}  // namespace grisk
