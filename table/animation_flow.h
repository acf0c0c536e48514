// The card flow: card backs drifting over the table when the human wins.
#pragma once

namespace grisk {

// The flow in style 0 (the whole window), 1 (the two pile rows) or any
// other (the stock only), until a click or a key stops it.
void AnimateCardsFlow(int displayStyle);

}  // namespace grisk
