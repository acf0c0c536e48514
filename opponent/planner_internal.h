// Small helpers the planner's files share.
#pragma once

#include <algorithm>

#include "engine/state.h"
#include "opponent/state.h"

namespace grisk::plan {

constexpr int kMaxPlays = 15;     // plays a plan stack holds
constexpr int kBorrowedMark = 14; // PlanMark while a borrowed play is planned

enum Level { Average = 0, Clever = 1, Ruthless = 2 };

// The loaded seat's level; a value outside 0..2 counts as the nearest level.
inline int level() { return std::clamp(eng.OppLevel, 0, 2); }

inline int humanPayoff() { return eng.PlayerSlots(1, 1); }
inline int ownPayoff() { return eng.OppSlots(1, 1); }
inline int planCount(int c) { return opp.PlanSet(c, 1); }
inline int planValue(int c) { return opp.PlanSet(c, 0); }

// The value a pile shows after one more card (a completed pile is cleared).
inline int nextValue(int value) { return value + 1 == 12 ? 0 : value + 1; }

// The rank of the card of the k-th planned play on pile c: a hold slot gives
// the card as deep in its pile as the plays before it have dug.
int plannedRank(int c, int k);
// The rank of the card on top of pile c's plan, 0 for an empty plan.
inline int topRank(int c) { return planCount(c) > 0 ? plannedRank(c, planCount(c)) : 0; }

// Puts slot on top of pile c's plan; advance raises the value by one. False
// (nothing changed) when the stack already holds its 15 plays.
bool pushPlay(int c, int slot, bool advance);

// True while a borrowed play onto another pile is being planned.
inline bool borrowing() { return opp.PlanMark == kBorrowedMark && opp.PlanMode == 2; }

// The count of centre pile c; 0 for a pile number the table does not have
// (a pile word left from a table with more piles).
inline int pileCount(int c) { return c >= 1 && c <= eng.NumCenters ? eng.CenterCount(c) : 0; }

// Whether another pile than `except` has this count (0 = empty).
bool otherPileShows(int value, int except);

}  // namespace grisk::plan
