// The stalemate: the stock and the used pile are both empty and a hand
// cannot be refilled. The game is given up, or every card in play is
// gathered, reshuffled and dealt again.
#pragma once

namespace vb {
class ControlArray;
}

namespace grisk {

struct PlayerRecord;

// Declares the stalemate and lets the player (the host in an Internet game)
// decide between the recovery and giving the game up.
void STALEMATE();

// Gathers the centre piles, every hand and hold pile into the used pile,
// reshuffles it and deals five new cards to every player. The pay-off piles
// are never touched. A recovery that cannot be carried out (too few cards
// to deal, a used pile without room) leaves ScratchIndex at 666.
void Stale_Recover();

// Moves one opponent's hand and hold-pile cards to the used pile; owner is
// that seat's picture array.
void GatherPilesForRecovery(PlayerRecord& rec, vb::ControlArray& owner);

}  // namespace grisk
