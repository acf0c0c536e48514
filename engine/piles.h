// The table piles in play: a card onto a centre pile, a completed centre
// pile onto the used pile, a hand refilled from the stock, and the used pile
// reshuffled into a new stock. Every player's moves go through them, so
// every machine of an Internet game changes its piles alike.
#pragma once

#include "platform/vbarray.h"

namespace vb {
class ControlArray;
}

namespace grisk {

// Puts MoveCard on centre pile TargetCenter; a King shows the value it
// stands for on the pile's wild label.
void Add_Center();

// Moves the completed centre pile TargetCenter (12 cards, Ace first) to the
// used pile and shows the pile empty.
void Add_Used();

// Fills the empty hand places 2..6 of the slots array cards from the stock,
// shown on the picture array owner; reshuffles an empty stock and declares
// the stalemate when no card is left to deal.
void Deal_Players(vb::ControlArray& owner, vb::Array<int, 2>& cards);

// Makes a new shuffled stock of the used pile (in an Internet game the host
// shuffles and sends it, the others take it from the host's "DK").
void RESHUFFLE();

// The "Dealer Error" box of a deal or a reshuffle that cannot be made
// ("... Please start a new game.").
void ShowDealerError();

}  // namespace grisk
