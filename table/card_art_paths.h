// Shapes and small helpers shared by the card art: the four suit symbols as
// vector paths, rank and word glyphs fitted into boxes, colours and a
// repeatable noise for textures. Everything here is deterministic: the same
// call gives the same pixels on every run.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace grisk::card_art {

// Suits in card-number order: 1 clubs, 2 diamonds, 3 hearts, 4 spades.
enum Suit : int { Clubs = 1, Diamonds = 2, Hearts = 3, Spades = 4 };

// A suit symbol filling the unit box centred on (0, 0), from -0.5 to 0.5 on
// both axes, point of the heart and diamond at the bottom.
QPainterPath SuitPath(int suit);
// The suit symbol fitted into box (width and height as given).
QPainterPath SuitPathIn(int suit, const QRectF& box);

// The rank's label: "A", "2".."10", "J", "Q", "K".
QString RankLabel(int rank);

// Text as an outline in the bundled sans or serif face, scaled so that its
// ink fills box's height and centred in box; squeezed sideways when it would
// be wider than box. Glyphs drawn as paths look the same at every size.
QPainterPath TextPathIn(const QString& text, const QRectF& box, bool serif = false,
                        bool bold = true);

// Fills path with colour, antialiased, without an outline.
void FillPath(QPainter& p, const QPainterPath& path, const QColor& colour);

// A colour from the run time's &HBBGGRR value.
QColor FromVb(int32_t c);
// a mixed with b: t = 0 gives a, 1 gives b.
QColor Mix(const QColor& a, const QColor& b, double t);

// A repeatable value in 0..1 for the integers x, y and seed.
double Noise(int x, int y, int seed);

}  // namespace grisk::card_art
