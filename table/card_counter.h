// The card-counter window.
#pragma once

namespace grisk {

// Fills the card-counter window from the dealt-card markers.
void UpdateCardCounter();

}  // namespace grisk
