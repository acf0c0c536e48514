// The look of one full face deck and the painters the face code shares with
// the court figures and the rank-only decks.
#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace grisk::card_art {

struct FaceStyle {
    QColor paper;           // the card's ground
    QColor edge;            // its outline
    QColor suitColour[5];   // by suit 1..4
    double indexHeight;     // height of the corner rank, pixels
    bool serifIndex;        // the corner rank in the serif face
    QColor innerFrame;      // a thin line inside the edge (none when transparent)
    QColor courtFrame;      // frame round the court picture
    QColor courtGround;     // ground inside that frame
    QColor robe[5];         // robe and lining colours of the court figures: red, blue, green, gold, dark
    QColor trim;            // gold of crowns and collars
    QColor hair[5];         // fair, brown, auburn, white, black
};

const FaceStyle& FaceStyleOf(int deck);

// The court figure of rank 11..13 in suit, drawn in the card's middle frame
// (both halves, the lower one turned round), in the large card's units.
void DrawCourt(QPainter& p, int suit, int rank, const FaceStyle& style);
// The frame round the court picture, one device pixel wide at any scale.
void DrawCourtFrame(QPainter& p, const QColor& colour);

// A crowned head and shoulders centred on (cx, top) at the given scale (1 =
// the size on a court card); robe and trim colours as given. Used by the
// King of the rank-only decks.
void DrawKingBust(QPainter& p, double cx, double top, double scale, const QColor& robe,
                  const QColor& trim, const QColor& beard);

// A card-sized ground with a one-pixel outline.
void DrawCardGround(QPainter& p, const QRectF& card, const QColor& paper, const QColor& edge);

}  // namespace grisk::card_art
