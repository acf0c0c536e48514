// The card-counter window.
#pragma once

namespace grisk {

// Fills the card-counter window from the dealt-card markers.
void UpdateCardCounter();

// Stores the loaded seat's piles and counters back into the record of the
// seat to move (Pturn 2..4); nothing on the human's turn or between games.
void GoUpdateOpponents();

}  // namespace grisk
