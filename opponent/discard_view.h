// What the discard choice reads of the loaded seat's hold piles and hand.
#pragma once

#include "engine/state.h"

namespace grisk::discard {

// Hold pile p (1..4): its card count, run type, and the ranks of its top,
// of the card under the top and of its first card (0 where there is none).
inline int count(int p) { return eng.OppHoldTable(p, 1); }
inline int runType(int p) { return eng.OppHoldTable(p, 2); }
inline int holdRankAt(int p, int d) { return d >= 1 && d <= 30 ? eng.OppHold(1, p, d) : 0; }
inline int top(int p) { return holdRankAt(p, count(p)); }
inline int below(int p) { return holdRankAt(p, count(p) - 1); }
inline int bottom(int p) { return holdRankAt(p, 1); }

// The rank in slot s; the last hand slot (the hand fills 2..HandCount + 1).
inline int rank(int s) { return s >= 1 && s <= 10 ? eng.OppSlots(1, s) : 0; }
inline int handEnd() { return eng.HandCount < 0 ? 1 : (eng.HandCount > 5 ? 6 : eng.HandCount + 1); }

}  // namespace grisk::discard
