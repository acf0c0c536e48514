// The pay-off stacks (25 card-sized shapes behind each seat's pay-off card
// that give the pile its thickness) and the outlines behind hold piles.
#pragma once

namespace vb {
class Control;
class ControlArray;
}  // namespace vb

namespace grisk {

// The first and last stack shape of a seat 1..4 (1..25, 26..50, ...).
constexpr int StackFirst(int seat) { return 25 * (seat - 1) + 1; }
constexpr int StackLast(int seat) { return 25 * seat; }
// The outline behind hold pile 1..4 of seat 1..4.
int OutlineIndex(int seat, int holdPile);
// The pixel step between two neighbouring stack shapes.
inline constexpr double kStackStep = 2.25;

// Places shapes last - 24 .. last behind pile(1): the top shape 2 pixels
// left of the card, each lower one 2.25 pixels further left, all on the
// card's top line. For seats 2..4 the seat's name label follows the
// stack's left end. last is 25, 50, 75 or 100.
void StackPayOffShapes(int last, vb::ControlArray& pile);
// Gives Stack(first..last) the current card size.
void SizeStackShapes(int first, int last);
// Shows or hides the outline behind hold pile 1..4 of the seat whose pile
// picture pileCtl is.
void ShowPileOutline(const vb::Control& pileCtl, bool show, int holdPile);
// Shows or hides, for every present seat, the shapes that stand for cards
// still on its pay-off pile (those above the seat's stack index). Nothing
// while OppSideShape is 99.
void ShowStackShapes(bool show);
// Sizes the outline template and creates outlines 1..8 (the human, seat 2).
void CreatePileOutlines();
// Sizes the stack template and creates shapes 50 down to 1; the argument is
// not used.
void CreateStackShapes(int unused = 0);

}  // namespace grisk
