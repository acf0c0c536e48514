// Laying the table out as the program's start-up does, in one place: the
// first lay-out of the profile's counts, the stored display size applied as
// the window loads, and the stock placed once the window shows. Start-up
// calls the steps where they fall among its other work; the snapshot tool
// and the tests call them all at once, so they show what the program shows.
#pragma once

namespace grisk {

// The first lay-out for the profile's player count and centre piles, in
// the large size with the rows in their place (the stored display mode is
// applied afterwards, by ApplyStartDisplayMode).
void LayOutFirstTable();

// The stored display mode applied as the window loads: a screen narrower
// than 10000 twips forces the small size (and the display-size menu cannot
// leave it); then the centre of a two-player table is placed again, the
// window stops loading and the table is drawn.
void ApplyStartDisplayMode();

// Once the window shows: the stock placed for the window's width.
void PlaceStockOnShownTable();

// The whole of it for a table without a profile or a screen window: the
// pile pictures, stack shapes and outlines made, the counts and the stored
// display mode set, the window sized as at the first start, then the three
// steps above. Used by the snapshot tool and the tests.
void LayOutTableAsStartUp(int players, int centres, int storedMode);

}  // namespace grisk
