// Where every seat's piles stand on the main window, for two to four
// players and three or four centre piles. All positions are pixels of the
// main window's inner area.
#pragma once

namespace vb {
class ControlArray;
}

namespace grisk {

// Sets the layout anchors from the player count, the centre piles, the
// screen width and the card size, and places seat 2's side pile (with two
// players also its first hand card and first hold pile).
void ComputeTableCoordinates();
// Brings the table to the two-player base layout with three centre piles
// in a row, removing seats 3 and 4 and the fourth centre pile. Callers set
// NumCenters to 3 while it runs.
void ArrangeTable();
// Places seat 2's hand and hold rows from their first cards (two players),
// sizes the centre piles, then places the human's rows.
void PlaceTableFrames();
// Places the human's ten pile pictures, their outlines, the pay-off stack
// and the hold-row frames of the human and seat 2.
void PlacePilePictures();
// Sizes and places hold-row frame Label3(index) for a row whose first pile
// stands at (x, y).
void PlaceHighlightLabel(int y, int x, int index);
// The human's hold-row frame with large and with small cards.
inline constexpr int kHumanFrameWidth = 324;
inline constexpr int kHumanSmallFrameWidth = 274;
// The strip of a captioned hold-row frame above its piles, where its
// caption shows (a fanned seat's frame has none): a line of the caption's
// text and under it the room that the outline of a deeper pile takes above
// its top card.
int FrameCaptionStrip();
// A fanned seat's (small) hold-row frame reaches this far above its piles.
inline constexpr int kSmallFrameRise = 5;
// The least room between two seats' hold-row frames.
inline constexpr int kFrameGap = 2;
// An outline shows this far above (and right of) the hold pile it lies
// behind: seat 2's of a fanned seat a pixel less.
inline constexpr int kOutlineRise = 5;
// Lays out an opponent's pile pictures at a three- or four-player table:
// the hand fanned from the side pile, the hold row from the pay-off stack
// whose leftmost shape is stackIndex.
void PlaceTableShapes(vb::ControlArray& cardOwner, int stackIndex);

}  // namespace grisk
