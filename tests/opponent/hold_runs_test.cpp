// The run type of a computer seat's hold pile: the one rule that the
// discard, a play from a hold top and the planner's fixture all use.
#include <gtest/gtest.h>

#include "opponent/planner_fixture.h"

namespace {

using grisk_test::runTypeOf;

TEST(HoldRunTypeTest, TheTopAgainstTheBottomAndTheCardBelow) {
    const struct {
        std::vector<int> ranks;  // bottom first
        int previous;
        int type;
    } cases[] = {
        {{}, 2, 0},               // empty
        {{7}, 1, 0},              // one card
        {{5, 7, 5}, 1, 0},        // the bottom's rank comes first, though it differs from the card below
        {{5, 6, 5}, 2, 0},        // and though it is one under the card below
        {{9, 8}, 0, 2},           // one under the card below
        {{9, 4, 3}, 1, 2},
        {{9, 4}, 0, 1},           // another rank
        {{9, 4, 6}, 2, 1},        // one above is no run
        {{9, 13, 12}, 0, 2},      // a Queen under a King
        {{9, 4, 4}, 2, 2},        // the card below's rank: the type stays
        {{9, 4, 4}, 1, 1},
        {{4, 4}, 2, 0},           // which is also the bottom's
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.ranks) + " previous " + std::to_string(c.previous));
        EXPECT_EQ(runTypeOf(c.ranks, c.previous), c.type);
    }
}

}  // namespace
