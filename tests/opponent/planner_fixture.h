// Small table positions for the planner's tests, built directly in the
// shared state, and a check that a plan can be played card by card.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/state.h"
#include "opponent/planner.h"
#include "opponent/state.h"
#include "support/test_support.h"

namespace grisk_test {

class PlannerTest : public GriskTest {
protected:
    void SetUp() override;

    // The centre piles and their counts (3 or 4 piles).
    void centres(const std::vector<int>& counts);
    // The loaded seat's pay-off top (a King makes it wild).
    void payoff(int rank);
    // The loaded seat's hand, slots 2.. in order (0 = an empty slot).
    void hand(const std::vector<int>& ranks);
    // A hold pile of the loaded seat, bottom first; the run type is worked
    // out from the top two cards unless given.
    void hold(int pile, const std::vector<int>& ranksBottomFirst, int runType = -1);
    // The human's pay-off rank and hold tops (slots 7..10).
    void human(int payoff, std::array<int, 4> holdTops = {});
    // The cards under the human's hold top of pile p, bottom first.
    void humanUnder(int pile, const std::vector<int>& ranksBottomFirst);

    // The search as the turn starts it, on pile `target`.
    void search(int target);
    // The slots of pile c's plan, in order.
    std::vector<int> plan(int c) const;
    // The value pile c would show after its plan.
    int planValue(int c) const;
};

// Plays pile c's plan on a copy of the loaded seat's cards; "" when every
// play fits its pile, else what went wrong. A hand played empty, or the
// pay-off card, ends what the turn plays of a plan.
std::string illegalPlay(int c);

// The run type the turn keeps for a hold pile of these ranks (the game's own
// rule); previous is the type the pile had before.
int runTypeOf(const std::vector<int>& ranksBottomFirst, int previous = 0);

}  // namespace grisk_test
