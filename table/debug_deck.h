// The developer's view of the shuffled stock.
#pragma once

namespace grisk {

// Opens a window "The Shuffled Deck" that shows the whole stock right after
// the shuffle, in stock order, 20 overlapping cards to a row. A window of an
// earlier deal stays open beside it until the user closes it.
void DebugShowDeck();

}  // namespace grisk
