// The board behind the centre piles and the wild-King counters round it.
#pragma once

namespace grisk {

// Sizes the board imgCenter and gives it the picture for three or four
// centre piles, then places the wild counters LblWild(1..NumCenters) round
// the board and brings them to the front.
void PositionPileLabels();

}  // namespace grisk
