// The human's play of a card onto a centre pile, and the reorder of a hand.
#pragma once

#include "platform/vbarray.h"

namespace vb {
class ControlArray;
}

namespace grisk {

// Marks a move of the human as under way for its lifetime: the game counts
// as busy (a close request waits for the move to finish), the human's pile
// pictures firstLocked..10 are locked and no second move may start inside
// it. A discard locks from the hand on (2): the pay-off card stays
// pressable, so that a press on it during the other seats' turns is
// answered.
class HumanMoveGuard {
public:
    explicit HumanMoveGuard(int firstLocked = 1);
    ~HumanMoveGuard();
    HumanMoveGuard(const HumanMoveGuard&) = delete;
    HumanMoveGuard& operator=(const HumanMoveGuard&) = delete;

private:
    bool wasBusy_;
};

// Plays the human's card in slot SourceSlot onto centre pile TargetCenter,
// which the centre rule has allowed: the pile, the pictures, the counters,
// the next pay-off card, the opponent's remarks, a completed pile cleared,
// an empty hand refilled, the move log, and the game ended when the pay-off
// pile is empty. DragMove: the card's picture already lies on the pile.
// Nothing happens when it is not the human's turn or another move is under
// way.
void Player_Move();

// Moves the card of hand place fromPos to place toPos of the slots array cards,
// shifting the places between; owner shows that seat's hand. On return
// fromPos holds the lower and toPos the higher of the two places.
void Hand_Sort(vb::Array<int, 2>& cards, vb::ControlArray& owner, int& fromPos, int& toPos);

// A number first..first + range - 1 drawn again until it differs from last
// (a remark or sound that never comes twice in a row).
int DrawOtherThan(int last, int range, int first);

}  // namespace grisk
