// The computer opponent's shared state: the planner's tables, one row per
// centre pile.
#pragma once

#include "platform/vbarray.h"

namespace grisk {

struct OpponentState {
    // Moves the planner has found for each centre pile, (pile, step).
    vb::Array<int, 2> PlanMoves{{0, 3}, {0, 15}};
    // The planner's choice for each centre pile, (pile, field).
    vb::Array<int, 2> PlanSet{{0, 3}, {0, 1}};
};

extern OpponentState opp;
void ResetOpponentState();

}  // namespace grisk
