// Emptying the table before a deal, and rebuilding it for another number of
// players or centre piles.
#pragma once

namespace grisk {

// Puts the table and the shared pile state back to empty for a new deal:
// counters, pile arrays (re-dimensioned for NumCenters and TotalCards),
// seat records, stack shapes, slot pictures, centre piles and stock, and
// the companion windows.
void ResetTableDisplay();
// Writes the opponents' names under their stacks; between games also shows
// seat 2's avatar.
void ShowOpponentNames();
// Re-dimensions the shared arrays and rebuilds the seats' control sets for
// a new player or centre-pile count, keeping the display mode in force.
void SetPlayerCount(int players, int centres);
// With four centre piles, makes the centre-pile and planner arrays large
// enough for the fourth pile (re-dimensioning them, which empties them).
void RedimForFourCentres();

}  // namespace grisk
