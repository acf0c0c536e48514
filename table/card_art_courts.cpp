// The court cards: a framed, double-ended figure (King with crown, beard and
// sceptre; Queen with tiara, long hair and a flower; Jack with a feathered
// cap and a halberd), in the deck's robe colours.
#include <QPainter>
#include <cmath>

#include "table/card_art.h"
#include "table/card_art_paths.h"
#include "table/card_art_style.h"

namespace grisk::card_art {

namespace {

// The frame of the picture and the middle line the figure is mirrored on.
const QRectF kFrame(14.5, 4.5, 42, 87);
constexpr double kFigureScale = 1.1;
constexpr double kCx = 35.5;
constexpr double kMidY = 48;
constexpr double kHeadY = 26.5;  // centre of the head

const QColor kSkin(247, 214, 178);
const QColor kInk(52, 36, 28);

struct Colours {
    QColor robe, second, trim, hair, suit;
};

QPen inkPen(double w = 0.6) { return QPen(kInk, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void shape(QPainter& p, const QPainterPath& path, const QColor& fill, double pen = 0.6) {
    p.setPen(inkPen(pen));
    p.setBrush(fill);
    p.drawPath(path);
}

void dot(QPainter& p, double x, double y, double r, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(x, y), r, r);
}

void head(QPainter& p, double rx) {
    QPainterPath h;
    h.addEllipse(QPointF(kCx, kHeadY), rx, 6.0);
    shape(p, h, kSkin);
    dot(p, kCx - 1.9, kHeadY - 0.6, 0.65, kInk);
    dot(p, kCx + 1.9, kHeadY - 0.6, 0.65, kInk);
}

QPainterPath robePath() {
    QPainterPath r;
    r.moveTo(22.0, kMidY + 1);
    r.lineTo(22.0, 42.5);
    r.cubicTo(22.0, 37.5, 25.5, 35.2, 30.5, 34.2);
    r.lineTo(40.5, 34.2);
    r.cubicTo(45.5, 35.2, 49.0, 37.5, 49.0, 42.5);
    r.lineTo(49.0, kMidY + 1);
    r.closeSubpath();
    return r;
}

// The gold band down the robe; the suit is put on it afterwards.
// A small repeat over the robe: dots for the King, tiny diamonds for the
// Queen, in a lighter shade of the robe.
void robePattern(QPainter& p, const QPainterPath& robe, const QColor& colour, bool diamonds) {
    p.save();
    p.setClipPath(robe, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (double y = 36.0; y < kMidY + 1; y += 3.4)
        for (double x = 22.0 + (static_cast<int>((y - 36.0) / 3.4) % 2) * 1.7; x < 49.5; x += 3.4) {
            if (diamonds) {
                QPolygonF d;
                d << QPointF(x, y - 0.9) << QPointF(x + 0.7, y) << QPointF(x, y + 0.9) << QPointF(x - 0.7, y);
                p.drawPolygon(d);
            } else {
                p.drawEllipse(QPointF(x, y), 0.45, 0.45);
            }
        }
    p.restore();
}

void centreBand(QPainter& p, const Colours& c) {
    QPainterPath band;
    band.addRect(QRectF(kCx - 2.3, 36.5, 4.6, kMidY - 36.0));
    shape(p, band, c.trim, 0.5);
}

void crown(QPainter& p, const QColor& trim) {
    const double y = kHeadY - 9.7;  // top of the band
    QPainterPath c;
    c.moveTo(29.8, y + 2.8);
    c.lineTo(29.4, y - 5.0);
    c.lineTo(32.6, y - 1.8);
    c.lineTo(kCx, y - 6.4);
    c.lineTo(38.4, y - 1.8);
    c.lineTo(41.6, y - 5.0);
    c.lineTo(41.2, y + 2.8);
    c.closeSubpath();
    shape(p, c, trim, 0.55);
    dot(p, 29.4, y - 5.0, 0.9, trim.darker(115));
    dot(p, kCx, y - 6.4, 0.9, trim.darker(115));
    dot(p, 41.6, y - 5.0, 0.9, trim.darker(115));
    dot(p, kCx, y - 1.4, 1.1, QColor(200, 30, 40));
    dot(p, 32.2, y + 1.2, 0.6, QColor(40, 90, 190));
    dot(p, 38.8, y + 1.2, 0.6, QColor(40, 90, 190));
}

void king(QPainter& p, const Colours& c) {
    // Hair under the crown, the head, the beard.
    QPainterPath hair;
    hair.addEllipse(QPointF(kCx, kHeadY - 0.5), 6.4, 6.2);
    shape(p, hair, c.hair);
    QPainterPath r = robePath();
    shape(p, r, c.robe);
    robePattern(p, r, c.robe.lighter(140), false);
    head(p, 5.1);
    QPainterPath beard;
    beard.moveTo(30.5, kHeadY + 0.8);
    beard.quadTo(31.0, kHeadY + 9.0, kCx, kHeadY + 10.6);
    beard.quadTo(40.0, kHeadY + 9.0, 40.5, kHeadY + 0.8);
    beard.quadTo(kCx, kHeadY + 5.4, 30.5, kHeadY + 0.8);
    shape(p, beard, c.hair, 0.5);
    p.setPen(QPen(c.hair.darker(140), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(33.4, kHeadY + 2.6), QPointF(37.6, kHeadY + 2.6));
    crown(p, c.trim);
    // Ermine collar and the gold band down the robe.
    QPainterPath collar;
    collar.moveTo(25.5, 37.4);
    collar.quadTo(kCx, 33.2, 45.5, 37.4);
    collar.quadTo(kCx, 40.4, 25.5, 37.4);
    shape(p, collar, QColor(252, 252, 248), 0.5);
    for (double x : {29.0, kCx, 42.0}) dot(p, x, 37.2, 0.55, kInk);
    centreBand(p, c);
    // The sceptre, held in front of the shoulder.
    p.setPen(QPen(kInk, 2.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(45.2, kMidY), QPointF(45.2, 24.8));
    p.setPen(QPen(c.trim, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(45.2, kMidY), QPointF(45.2, 24.8));
    QPainterPath ball;
    ball.addEllipse(QPointF(45.2, 22.8), 1.9, 1.9);
    shape(p, ball, c.trim, 0.5);
}

void queen(QPainter& p, const Colours& c) {
    QPainterPath hair;
    hair.moveTo(27.2, 39.0);
    hair.cubicTo(26.0, 30.0, 27.0, 17.2, kCx, 17.2);
    hair.cubicTo(44.0, 17.2, 45.0, 30.0, 43.8, 39.0);
    hair.closeSubpath();
    shape(p, hair, c.hair);
    QPainterPath r = robePath();
    shape(p, r, c.robe);
    robePattern(p, r, Mix(c.robe, c.trim, 0.55), true);
    // Neckline and necklace.
    QPainterPath neck;
    neck.moveTo(31.0, 34.2);
    neck.quadTo(kCx, 40.8, 40.0, 34.2);
    neck.closeSubpath();
    shape(p, neck, kSkin, 0.5);
    for (int i = 0; i < 5; ++i) dot(p, 32.0 + i * 1.75, 35.9 + (i == 2 ? 1.3 : i % 2 ? 0.9 : 0.0), 0.55, c.trim);
    head(p, 4.8);
    dot(p, kCx, kHeadY + 3.1, 0.85, QColor(200, 40, 60));
    // Tiara.
    const double y = kHeadY - 7.4;
    QPainterPath band;
    band.addRoundedRect(QRectF(31.3, y - 1.0, 8.4, 2.1), 1, 1);
    shape(p, band, c.trim, 0.5);
    for (double dx : {-3.2, 0.0, 3.2}) {
        QPainterPath pearl;
        pearl.addEllipse(QPointF(kCx + dx, y - (dx == 0 ? 2.9 : 2.1)), 1.15, 1.15);
        shape(p, pearl, c.trim, 0.45);
    }
    dot(p, kCx, y - 2.9, 0.6, QColor(200, 30, 40));
    centreBand(p, c);
    // A flower held on the left.
    p.setPen(QPen(QColor(40, 120, 50), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(25.6, 44.0), QPointF(25.0, 31.5));
    for (int i = 0; i < 5; ++i) {
        const double a = i * 72.0 * 3.14159265 / 180.0;
        dot(p, 25.0 + 1.7 * std::sin(a), 30.2 - 1.7 * std::cos(a), 1.25, c.second.lighter(115));
    }
    dot(p, 25.0, 30.2, 0.9, c.trim);
}

void jack(QPainter& p, const Colours& c) {
    // Halberd on the left.
    p.setPen(QPen(QColor(120, 80, 40), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(25.4, kMidY), QPointF(25.4, 17.5));
    QPainterPath blade;
    blade.moveTo(25.4, 19.0);
    blade.quadTo(21.0, 19.2, 21.4, 22.6);
    blade.quadTo(21.0, 25.8, 25.4, 25.0);
    blade.closeSubpath();
    blade.moveTo(25.4, 13.6);
    blade.lineTo(26.6, 17.8);
    blade.lineTo(24.2, 17.8);
    blade.closeSubpath();
    shape(p, blade, QColor(200, 205, 212), 0.5);
    QPainterPath hair;
    hair.addEllipse(QPointF(kCx, kHeadY + 0.6), 6.2, 6.2);
    shape(p, hair, c.hair);
    QPainterPath r = robePath();
    shape(p, r, c.robe);
    // Doublet stripes and a pointed collar.
    p.setPen(QPen(c.second, 1.6));
    p.drawLine(QPointF(29.8, 37.2), QPointF(29.3, kMidY));
    p.drawLine(QPointF(41.2, 37.2), QPointF(41.7, kMidY));
    QPainterPath collar;
    collar.moveTo(30.0, 34.4);
    collar.lineTo(kCx, 38.8);
    collar.lineTo(41.0, 34.4);
    collar.closeSubpath();
    shape(p, collar, QColor(250, 250, 246), 0.5);
    head(p, 4.9);
    p.setPen(QPen(kInk, 0.55, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(34.3, kHeadY + 3.0), QPointF(36.7, kHeadY + 3.0));
    // A flat cap with a feather.
    QPainterPath feather;
    feather.moveTo(39.0, kHeadY - 6.6);
    feather.cubicTo(42.0, kHeadY - 13.5, 46.0, kHeadY - 15.0, 48.6, kHeadY - 15.6);
    feather.cubicTo(46.5, kHeadY - 12.0, 44.0, kHeadY - 8.0, 40.6, kHeadY - 5.6);
    feather.closeSubpath();
    shape(p, feather, c.trim.lighter(120), 0.5);
    QPainterPath cap;
    cap.addEllipse(QPointF(kCx, kHeadY - 6.0), 7.8, 2.9);
    shape(p, cap, c.second);
    p.setPen(QPen(c.trim, 0.9));
    p.drawLine(QPointF(29.8, kHeadY - 4.6), QPointF(41.2, kHeadY - 4.6));
    centreBand(p, c);
}

}  // namespace

void DrawCourt(QPainter& p, int suit, int rank, const FaceStyle& style) {
    Colours c;
    c.robe = style.robe[(suit + rank) % 3];
    c.second = style.robe[(suit + rank + 1) % 3];
    c.trim = style.trim;
    c.hair = rank == 13 ? (suit % 2 ? QColor(214, 214, 210) : style.hair[1])
                        : style.hair[(suit + rank) % 2];
    c.suit = style.suitColour[suit];

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(kFrame.adjusted(0.5, 0.5, 0, 0), style.courtGround);
    p.restore();
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        if (turn == 1) {
            p.translate(kLargeW, kLargeH);
            p.rotate(180);
        }
        p.setClipRect(QRectF(kFrame.left(), kFrame.top(), kFrame.width(), kMidY - kFrame.top()));
        p.save();
        p.translate(kCx, kMidY);
        p.scale(kFigureScale, kFigureScale);
        p.translate(-kCx, -kMidY);
        switch (rank) {
        case 13: king(p, c); break;
        case 12: queen(p, c); break;
        default: jack(p, c); break;
        }
        p.restore();
        p.setClipping(false);
        // The suit of the card in the frame's corner, and on the band.
        FillPath(p, SuitPathIn(suit, QRectF(16.6, 6.6, 7.0, 7.6)), c.suit);
        const double bandY = kMidY - (kMidY - 42.1) * kFigureScale;
        const double bw = 3.8 * kFigureScale, bh = 4.2 * kFigureScale;
        FillPath(p, SuitPathIn(suit, QRectF(kCx - bw / 2, bandY - bh / 2, bw, bh)), c.suit);
        p.restore();
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(style.courtFrame);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(kFrame.left() - 0.5, kFrame.top() - 0.5, kFrame.width(), kFrame.height()));
    p.drawLine(QPointF(kFrame.left(), kMidY), QPointF(kFrame.right() - 1, kMidY));
    p.restore();
}

void DrawKingBust(QPainter& p, double cx, double top, double scale, const QColor& robe,
                  const QColor& trim, const QColor& beard) {
    Colours c{robe, robe.darker(130), trim, beard, trim.darker(160)};
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(cx, top);
    p.scale(scale, scale);
    p.translate(-kCx, -(kHeadY - 16.6));
    p.setClipRect(QRectF(0, 0, 71, kMidY));
    king(p, c);
    p.restore();
}

}  // namespace grisk::card_art
