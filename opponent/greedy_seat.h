// A simple player for the human's seat, for the simulator and for tests of
// whole games: it plays every card that fits and discards, always through
// the human's own procedures (the centre rule, the play, the end of the
// turn), so that it can never make a move a person could not.
#pragma once

#include <functional>

namespace grisk {

// The first centre pile a card of this rank fits (a King any pile that is
// not full, and not an empty one under the no-wild-Ace rule); 0 none.
int GreedyFits(int rank);

// Seat 1 plays one card that fits, the pay-off card first, then the hand,
// then the hold tops. beforeMove runs before each attempt. False when no
// card was played.
bool GreedyPlayOne(const std::function<void()>& beforeMove = {});

// Seat 1 drags each hand card in turn onto the hold pile with the fewest
// cards until the rules take one (the other seats then play their turns).
// beforeMove runs before each attempt. False when the rules took none.
bool GreedyDiscard(const std::function<void()>& beforeMove = {});

}  // namespace grisk
