// The places of the table's text lines, the Deal button, the notice label
// and the emotion icon round the centre block and the piles.
#pragma once

namespace grisk {

// Places Label9(0..4), LabelPeek, cmdDeal and imgIcon for the table's
// layout in force; runs after the piles and the board are placed.
void PlaceTableLabels();

}  // namespace grisk
