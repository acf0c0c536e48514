// The run type of a computer seat's hold pile, the one rule the discard, a
// play from a hold top and the planner's reading of the piles share.
#include "opponent/planner.h"

namespace grisk {

int HoldRunType(const vb::Array<int, 3>& hold, int p, int count, int previous) {
    if (count < 2) return 0;
    const int top = hold(1, p, count);
    const int below = hold(1, p, count - 1);
    if (top == hold(1, p, 1)) return 0;
    if (top == below - 1) return 2;
    if (top != below) return 1;
    return previous;
}

}  // namespace grisk
