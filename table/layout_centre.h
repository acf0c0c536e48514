// The centre of the table: the stock with its frame and turn arrows, the
// centre piles and their block, the fourth pile made on demand, the control
// sets of seats 3 and 4, and the main window's own size.
#pragma once

namespace grisk {

// Sizes and places the stock, its frame Label1 and the turn arrows.
void LayoutCenterArea();
// Places the avatar and the stock again, except at three or four players
// on a screen of 12000 twips or less.
void RelayoutCenter();
// Sizes the main window (in twips) for the table and places the avatar and
// stock for that width.
void ComputeVerticalLayout();
// Makes the fourth centre pile once, places the centre piles and shows
// NumCenters of them.
void SetupCenterPiles();
// Lays the centre piles out as a block of two columns and two rows from
// (CenterAreaLeft, CenterAreaTop), with the board behind them.
void PositionCenterPiles();
// Makes or removes the control sets of seats 3 and 4 for three or four
// players and lays those seats out.
void SetupOpponentSets(int players);

}  // namespace grisk
