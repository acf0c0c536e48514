// The card procedures every part uses: the rank of a card, the shuffle, the
// deal of one card from the stock, and enabling the human's pile pictures.
#pragma once

#include "platform/vbarray.h"

namespace vb {
class ControlArray;
}

namespace grisk {

inline constexpr int kKing = 13;      // the wild card's rank
inline constexpr int kFullPile = 12;  // cards of a complete centre pile
inline constexpr int kHandSize = 5;   // cards of a full hand

// The rank 1..13 of a card number (13 a King), 0 for 0. The caller's number
// is left reduced to 1..52.
int CardRank(int& cardNo);

// How many of the hand places 2..6 of a slots array hold a card.
int HandCards(const vb::Array<int, 2>& cards);

// Shuffles stock positions from..to in place: ten passes, each swapping
// every position with one drawn from the StockCount positions after offset.
// Field 2 (the dealt markers) does not move.
void ShuffleDeck(int from, int to, int offset = 0);

// Deals the stock's top card into slot index of Slots and shows it in
// ctl(index). Refuses (returns false, nothing changed) when the stock is
// empty (the caller refills it first), when its top is no card of this game
// (1..TotalCards; a damaged saved game) or when there is no such slot.
[[nodiscard]] bool DealCard(vb::ControlArray& ctl, vb::Array<int, 2>& Slots, int index, int sound);

void EnableCardControl(vb::ControlArray& ctl, int index);
// The human's slot pictures 1..10; while the tutorial runs 7..10 stay enabled.
void EnablePlayerCards(bool flag);
// For i = first..last (within 0..10): enabled = flag where the human's slot i
// holds a card, disabled where it is empty.
void EnablePileRange(vb::ControlArray& ctl, bool flag, int first, int last);

}  // namespace grisk
