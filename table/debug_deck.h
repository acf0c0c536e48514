// The developer's view of the shuffled stock.
#pragma once

namespace grisk {

// Opens a window "The Shuffled Deck" that shows the whole stock right after
// the shuffle, in stock order, 20 overlapping cards to a row. The window of
// the previous deal, if still open, is replaced.
void DebugShowDeck();

}  // namespace grisk
