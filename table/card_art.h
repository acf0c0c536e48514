// Our own card art, painted by the program: full face decks, the five
// rank-only decks, card backs, the plain back and the empty-pile marks.
// Every picture is made on first use and kept; the same call gives the same
// pixels on every run, so nothing needs shipping as image files.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

namespace grisk::card_art {

// Card sizes in pixels.
inline constexpr int kLargeW = 71;
inline constexpr int kLargeH = 96;
inline constexpr int kSmallW = 59;
inline constexpr int kSmallH = 80;
// The face sheet: 13 columns (Ace..King) by 4 rows (suits 1..4) of large
// cells; column c (1..13) starts at x = 71 c - 70, so a one-pixel strip
// stays free at the left.
inline constexpr int kSheetW = 13 * kLargeW + 1;
inline constexpr int kSheetH = 4 * kLargeH;

// Full face decks: 0 is the program's built-in deck, 1 and up the card-image
// library's decks.
int FaceDeckCount();
QString FaceDeckName(int deck);
// The face of card 1..52 (suit (n - 1) \ 13 + 1, rank n - 13 (suit - 1)), 71 x 96.
QImage Face(int deck, int card);
// The same face drawn at the small card size, 59 x 80.
QImage SmallFace(int deck, int card);
// The whole sheet of a deck, laid out as above. An unknown deck gives the
// built-in one.
QImage FaceSheet(int deck);

// A card picture at the small size: when `large` is one of our own large
// faces or rank cards (pixel for pixel, wherever it has been since), the
// same card drawn at 59 x 80; any other picture smoothly scaled down.
QImage SmallCardFor(const QImage& large);

// Rank-only decks 1..5: the rank alone, large, in the style's colours; the
// King (the wild card) shows a crowned figure. 71 x 96.
inline constexpr int kRankStyles = 5;
QString RankStyleName(int style);
QImage RankCard(int style, int rank);
QImage SmallRankCard(int style, int rank);  // 59 x 80

// Patterned backs 0..BackDesignCount() - 1 in either card size, and the
// colour that goes with each (the run time's &HBBGGRR).
int BackDesignCount();
QString BackDesignName(int design);
QImage Back(int design, bool small);
int32_t BackDesignColor(int design);
// The plain back: see-through but for a faint pattern, so that the
// picture's own back colour shows; the same picture serves both sizes.
QImage PlainBack();

// The empty-pile marks: the metallic one and the wooden one (worn with the
// skin), in either size.
QImage EmptyMark(bool wood, bool small);

// The board behind the centre piles: a felt inlay in a wooden rim (worn
// with the skin) or a metal one; wide (262 x 128) for three piles in a row,
// tall (182 x 230) for four in a block.
QImage CentreBoard(bool wood, bool tall);

// The splash window's lines, painted at build time: see-through but for the
// text, the size of the window.
QImage SplashText();

}  // namespace grisk::card_art
