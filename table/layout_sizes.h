// The two card sizes of the table and the pictures sized from them: the
// human's and seat 2's pile pictures, the hold-pile frames, the hold image.
#pragma once

#include "platform/twips.h"

namespace grisk {

// Normal and small cards, in pixels and twips: the one set of card sizes.
inline constexpr int kCardWidthPx = 71;
inline constexpr int kCardHeightPx = 96;
inline constexpr int kSmallCardWidthPx = 59;
inline constexpr int kSmallCardHeightPx = 80;
inline constexpr int kCardWidthTw = kCardWidthPx * screen::kTwipsPerPixel;
inline constexpr int kCardHeightTw = kCardHeightPx * screen::kTwipsPerPixel;
inline constexpr int kSmallCardWidthTw = kSmallCardWidthPx * screen::kTwipsPerPixel;
inline constexpr int kSmallCardHeightTw = kSmallCardHeightPx * screen::kTwipsPerPixel;

// The card size from DisplayMode: below 2 normal, else small.
void SetCardSize();
// The card size from the argument, and the human's row laid out again
// (compact, edge to edge, for small cards).
void ResizeCards(bool small);
// Sizes the human's and seat 2's pile pictures and the outlines 1..8 to the
// card size.
void SizePlayerCards();
// Three or four players: seat 2's pictures, stack and outlines become small
// and its piles are fanned.
void SizeMultiPlayerCards();
// Frames the hold piles of the human and seat 2 and redraws the human's row.
void CreatePileHighlightLabels();
// Puts ImgHold over the top shape of the human's pay-off stack.
void PlaceHoldImage();
// ImgHold shows the large back with large cards, else the small one.
void SetHoldImagePicture();

}  // namespace grisk
