// The court cards: a framed, double-ended figure. Each of the twelve has its
// own look (robe and lining colours, hair, headwear and what the figure
// holds), so that no two can be taken for each other at a glance, even at
// the small card size.
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
constexpr double kPi = 3.14159265358979;

const QColor kSkin(247, 214, 178);
const QColor kInk(52, 36, 28);
const QColor kSteel(200, 205, 212);
const QColor kWood(120, 80, 40);
const QColor kLeaf(40, 120, 50);
const QColor kErmine(252, 252, 248);

enum class Hat { PointedCrown, ArchedCrown, Tiara, Veil, Coronet, FeatherCap, Beret, Hood, BrimHat };
enum class Held { Sceptre, Sword, Axe, Orb, Rose, Fan, Tulip, Lily, Halberd, Arrow, Leaf, Horn };

// Indexes into the deck's robe and hair colours (FaceStyle).
enum Robe { Red = 0, Blue = 1, Green = 2, Gold = 3, Dark = 4 };
enum Hair { Fair = 0, Brown = 1, Auburn = 2, White = 3, Black = 4 };

struct CourtLook {
    int robe, lining, hair;
    Hat hat;
    Held held;
};

// [suit 1..4][Jack, Queen, King].
const CourtLook kLooks[4][3] = {
    // Clubs
    {{Red, Blue, Brown, Hat::FeatherCap, Held::Arrow},
     {Green, Red, Fair, Hat::Tiara, Held::Rose},
     {Blue, Gold, Brown, Hat::PointedCrown, Held::Orb}},
    // Diamonds
    {{Green, Gold, Fair, Hat::Beret, Held::Halberd},
     {Red, Blue, Auburn, Hat::Coronet, Held::Fan},
     {Red, Green, White, Hat::ArchedCrown, Held::Axe}},
    // Hearts
    {{Blue, Red, Auburn, Hat::Hood, Held::Leaf},
     {Blue, Gold, Brown, Hat::Veil, Held::Tulip},
     {Gold, Red, White, Hat::PointedCrown, Held::Sword}},
    // Spades
    {{Gold, Dark, Black, Hat::BrimHat, Held::Horn},
     {Dark, Green, Black, Hat::ArchedCrown, Held::Lily},
     {Dark, Gold, Black, Hat::Coronet, Held::Sceptre}},
};

struct Colours {
    QColor robe, lining, trim, hair, suit;
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

void stroke(QPainter& p, QPointF a, QPointF b, const QColor& c, double w) {
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
}

// A staff with an ink outline.
void staff(QPainter& p, QPointF a, QPointF b, const QColor& c, double w = 1.3) {
    stroke(p, a, b, kInk, w + 1.0);
    stroke(p, a, b, c, w);
}

QPainterPath triangle(QPointF a, QPointF b, QPointF c) {
    QPainterPath t;
    t.moveTo(a);
    t.lineTo(b);
    t.lineTo(c);
    t.closeSubpath();
    return t;
}

void head(QPainter& p, double rx, bool smile) {
    QPainterPath h;
    h.addEllipse(QPointF(kCx, kHeadY), rx, 6.0);
    shape(p, h, kSkin);
    dot(p, kCx - 1.9, kHeadY - 0.6, 0.65, kInk);
    dot(p, kCx + 1.9, kHeadY - 0.6, 0.65, kInk);
    if (smile) {
        p.setPen(QPen(QColor(190, 60, 70), 0.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath m;
        m.moveTo(kCx - 1.4, kHeadY + 2.9);
        m.quadTo(kCx, kHeadY + 3.8, kCx + 1.4, kHeadY + 2.9);
        p.drawPath(m);
    }
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

// The robe with its lining showing at the sleeves and a rank's own repeat:
// dots for Kings, tiny diamonds for Queens, stripes for Jacks.
void robe(QPainter& p, int rank, const Colours& c) {
    const QPainterPath r = robePath();
    shape(p, r, c.robe);
    p.save();
    p.setClipPath(r, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    p.setBrush(c.lining);
    p.drawRect(QRectF(22.0, 40.5, 4.2, 9.0));
    p.drawRect(QRectF(44.8, 40.5, 4.2, 9.0));
    const QColor repeat = Mix(c.robe, rank == 12 ? c.trim : QColor(255, 255, 255), rank == 12 ? 0.55 : 0.35);
    p.setBrush(repeat);
    if (rank == 11) {
        p.setPen(QPen(repeat, 1.0));
        for (double x = 28.5; x < 44; x += 3.0) p.drawLine(QPointF(x, 36.5), QPointF(x, kMidY + 1));
    } else {
        for (double y = 36.0; y < kMidY + 1; y += 3.4)
            for (double x = 26.6 + (static_cast<int>((y - 36.0) / 3.4) % 2) * 1.7; x < 44.5; x += 3.4) {
                if (rank == 12) {
                    QPolygonF d;
                    d << QPointF(x, y - 0.9) << QPointF(x + 0.7, y) << QPointF(x, y + 0.9) << QPointF(x - 0.7, y);
                    p.drawPolygon(d);
                } else {
                    p.drawEllipse(QPointF(x, y), 0.45, 0.45);
                }
            }
    }
    p.restore();
    p.setPen(inkPen(0.5));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(26.2, 40.5), QPointF(26.2, kMidY + 1));
    p.drawLine(QPointF(44.8, 40.5), QPointF(44.8, kMidY + 1));
}

// The gold band down the robe; the suit is put on it afterwards.
void centreBand(QPainter& p, const Colours& c) {
    QPainterPath band;
    band.addRect(QRectF(kCx - 2.3, 36.5, 4.6, kMidY - 36.0));
    shape(p, band, c.trim, 0.5);
}

void collar(QPainter& p, int rank, const Colours& c) {
    if (rank == 13) {
        QPainterPath e;
        e.moveTo(25.5, 37.4);
        e.quadTo(kCx, 33.2, 45.5, 37.4);
        e.quadTo(kCx, 40.4, 25.5, 37.4);
        shape(p, e, kErmine, 0.5);
        for (double x : {29.0, kCx, 42.0}) dot(p, x, 37.2, 0.55, kInk);
    } else if (rank == 12) {
        QPainterPath neck;
        neck.moveTo(31.0, 34.2);
        neck.quadTo(kCx, 40.8, 40.0, 34.2);
        neck.closeSubpath();
        shape(p, neck, kSkin, 0.5);
        for (int i = 0; i < 5; ++i)
            dot(p, 32.0 + i * 1.75, 35.9 + (i == 2 ? 1.3 : i % 2 ? 0.9 : 0.0), 0.55, c.trim);
    } else {
        QPainterPath v;
        v.moveTo(30.0, 34.4);
        v.lineTo(kCx, 38.8);
        v.lineTo(41.0, 34.4);
        v.closeSubpath();
        shape(p, v, kErmine, 0.5);
    }
}

// Hair behind the head: long for Queens, a cap of hair for the men.
void hairBehind(QPainter& p, int rank, Hat hat, const QColor& hair) {
    QPainterPath h;
    if (rank == 12) {
        h.moveTo(27.2, 39.0);
        h.cubicTo(26.0, 30.0, 27.0, 17.2, kCx, 17.2);
        h.cubicTo(44.0, 17.2, 45.0, 30.0, 43.8, 39.0);
        h.closeSubpath();
    } else if (hat == Hat::Hood) {
        return;
    } else {
        h.addEllipse(QPointF(kCx, kHeadY + (rank == 13 ? -0.5 : 0.6)), 6.4, 6.2);
    }
    shape(p, h, hair);
}

void beard(QPainter& p, bool full, const QColor& hair) {
    QPainterPath b;
    if (full) {
        b.moveTo(30.5, kHeadY + 0.8);
        b.quadTo(31.0, kHeadY + 9.0, kCx, kHeadY + 10.6);
        b.quadTo(40.0, kHeadY + 9.0, 40.5, kHeadY + 0.8);
        b.quadTo(kCx, kHeadY + 5.4, 30.5, kHeadY + 0.8);
    } else {
        // A trimmed, forked beard.
        b.moveTo(32.2, kHeadY + 3.2);
        b.lineTo(33.6, kHeadY + 8.6);
        b.lineTo(kCx, kHeadY + 6.6);
        b.lineTo(37.4, kHeadY + 8.6);
        b.lineTo(38.8, kHeadY + 3.2);
        b.quadTo(kCx, kHeadY + 5.0, 32.2, kHeadY + 3.2);
    }
    shape(p, b, hair, 0.5);
    stroke(p, QPointF(32.6, kHeadY + 2.5), QPointF(38.4, kHeadY + 2.5), hair.darker(140), 0.8);
}

// Cloth round the face from the top of the head down to the shoulders: a
// veil (rounded top) or a hood (pointed top, when shoulder > top).
QPainterPath drape(double top, double shoulder) {
    QPainterPath d;
    d.moveTo(27.2, 37.5);
    d.cubicTo(25.5, 27.5, 27.1, shoulder, kCx, top);
    d.cubicTo(43.9, shoulder, 45.5, 27.5, 43.8, 37.5);
    d.lineTo(40.9, 35.5);
    d.cubicTo(41.9, 27.5, 40.5, 20.7, kCx, 20.7);
    d.cubicTo(30.5, 20.7, 29.1, 27.5, 30.1, 35.5);
    d.closeSubpath();
    return d;
}

void hat(QPainter& p, Hat kind, const Colours& c) {
    const QColor jewel(200, 30, 40), sapphire(40, 90, 190);
    switch (kind) {
    case Hat::PointedCrown: {
        const double y = kHeadY - 9.7;
        QPainterPath k;
        k.moveTo(29.8, y + 2.8);
        k.lineTo(29.4, y - 5.0);
        k.lineTo(32.6, y - 1.8);
        k.lineTo(kCx, y - 6.4);
        k.lineTo(38.4, y - 1.8);
        k.lineTo(41.6, y - 5.0);
        k.lineTo(41.2, y + 2.8);
        k.closeSubpath();
        shape(p, k, c.trim, 0.55);
        for (double x : {29.4, kCx, 41.6}) dot(p, x, x == kCx ? y - 6.4 : y - 5.0, 0.9, c.trim.darker(115));
        dot(p, kCx, y - 1.4, 1.1, jewel);
        dot(p, 32.2, y + 1.2, 0.6, sapphire);
        dot(p, 38.8, y + 1.2, 0.6, sapphire);
        break;
    }
    case Hat::ArchedCrown: {
        // A cap of the lining's colour under gold arches, a cross on top.
        const double y = kHeadY - 7.2;
        QPainterPath cap;
        cap.moveTo(29.6, y);
        cap.cubicTo(29.6, y - 8.0, 41.4, y - 8.0, 41.4, y);
        cap.closeSubpath();
        shape(p, cap, c.lining, 0.55);
        p.setPen(QPen(c.trim, 1.0));
        p.setBrush(Qt::NoBrush);
        QPainterPath arch;
        arch.moveTo(kCx, y - 6.0);
        arch.lineTo(kCx, y);
        p.drawPath(arch);
        QPainterPath band;
        band.addRect(QRectF(29.2, y - 0.6, 12.6, 2.6));
        shape(p, band, c.trim, 0.5);
        stroke(p, QPointF(kCx, y - 6.2), QPointF(kCx, y - 9.6), c.trim.darker(120), 1.0);
        stroke(p, QPointF(kCx - 1.5, y - 8.2), QPointF(kCx + 1.5, y - 8.2), c.trim.darker(120), 1.0);
        dot(p, kCx, y + 0.7, 0.9, jewel);
        break;
    }
    case Hat::Coronet: {
        const double y = kHeadY - 6.8;
        QPainterPath k;
        k.moveTo(30.2, y + 1.6);
        for (int i = 0; i <= 4; ++i) {
            const double x = 30.2 + i * 2.65;
            k.lineTo(x, y - 2.6);
            if (i < 4) k.lineTo(x + 1.32, y - 0.6);
        }
        k.lineTo(40.8, y + 1.6);
        k.closeSubpath();
        shape(p, k, c.trim, 0.5);
        for (int i = 0; i <= 4; ++i) dot(p, 30.2 + i * 2.65, y - 3.0, 0.6, c.trim.lighter(115));
        dot(p, kCx, y + 0.2, 0.75, sapphire);
        break;
    }
    case Hat::Tiara: {
        const double y = kHeadY - 7.4;
        QPainterPath band;
        band.addRoundedRect(QRectF(31.3, y - 1.0, 8.4, 2.1), 1, 1);
        shape(p, band, c.trim, 0.5);
        for (double dx : {-3.2, 0.0, 3.2}) {
            QPainterPath pearl;
            pearl.addEllipse(QPointF(kCx + dx, y - (dx == 0 ? 2.9 : 2.1)), 1.15, 1.15);
            shape(p, pearl, c.trim, 0.45);
        }
        dot(p, kCx, y - 2.9, 0.6, jewel);
        break;
    }
    case Hat::Veil: {
        // A light veil over the hair, held by a thin circlet.
        shape(p, drape(16.0, 16.0), QColor(236, 240, 250), 0.5);
        stroke(p, QPointF(30.2, kHeadY - 6.0), QPointF(40.8, kHeadY - 6.0), c.trim, 1.2);
        dot(p, kCx, kHeadY - 6.0, 0.9, jewel);
        break;
    }
    case Hat::FeatherCap: {
        QPainterPath feather;
        feather.moveTo(39.0, kHeadY - 6.6);
        feather.cubicTo(42.0, kHeadY - 13.5, 46.0, kHeadY - 15.0, 48.6, kHeadY - 15.6);
        feather.cubicTo(46.5, kHeadY - 12.0, 44.0, kHeadY - 8.0, 40.6, kHeadY - 5.6);
        feather.closeSubpath();
        shape(p, feather, c.trim.lighter(120), 0.5);
        QPainterPath cap;
        cap.addEllipse(QPointF(kCx, kHeadY - 6.0), 7.8, 2.9);
        shape(p, cap, c.lining);
        stroke(p, QPointF(29.8, kHeadY - 4.6), QPointF(41.2, kHeadY - 4.6), c.trim, 0.9);
        break;
    }
    case Hat::Beret: {
        // A soft cap worn to one side, with a knob on top.
        QPainterPath b;
        b.moveTo(28.2, kHeadY - 4.2);
        b.cubicTo(27.0, kHeadY - 11.5, 41.0, kHeadY - 13.5, 45.0, kHeadY - 7.0);
        b.cubicTo(44.0, kHeadY - 4.4, 36.0, kHeadY - 3.6, 28.2, kHeadY - 4.2);
        shape(p, b, c.lining);
        stroke(p, QPointF(28.6, kHeadY - 4.4), QPointF(43.6, kHeadY - 5.6), c.trim, 1.0);
        dot(p, 37.0, kHeadY - 11.4, 1.2, c.trim);
        break;
    }
    case Hat::Hood: {
        shape(p, drape(14.6, 19.0), c.lining);
        // A scalloped edge round the face.
        for (int i = 0; i < 7; ++i) {
            const double a = (-150.0 + i * 20.0) * kPi / 180.0;
            dot(p, kCx + 6.4 * std::cos(a), kHeadY + 0.5 + 7.0 * std::sin(a), 0.7, c.trim);
        }
        break;
    }
    case Hat::BrimHat: {
        QPainterPath crown;
        crown.moveTo(30.4, kHeadY - 6.0);
        crown.cubicTo(30.4, kHeadY - 12.6, 40.6, kHeadY - 12.6, 40.6, kHeadY - 6.0);
        crown.closeSubpath();
        shape(p, crown, c.lining);
        QPainterPath brim;
        brim.addEllipse(QPointF(kCx, kHeadY - 5.8), 9.6, 1.8);
        shape(p, brim, c.lining.lighter(125), 0.5);
        stroke(p, QPointF(30.8, kHeadY - 7.6), QPointF(40.2, kHeadY - 7.6), c.trim, 1.1);
        QPainterPath plume;
        plume.moveTo(39.8, kHeadY - 8.0);
        plume.cubicTo(43.0, kHeadY - 13.0, 46.4, kHeadY - 12.6, 47.6, kHeadY - 10.8);
        plume.cubicTo(45.0, kHeadY - 10.4, 42.6, kHeadY - 9.0, 40.8, kHeadY - 7.0);
        plume.closeSubpath();
        shape(p, plume, QColor(250, 250, 244), 0.45);
        break;
    }
    }
}

// What the figure holds. Long things (sword, axe, sceptres, halberd) stand
// at the side; small ones (orb, flowers, fan, horn) are held at the chest.
void held(QPainter& p, Held what, const Colours& c) {
    switch (what) {
    case Held::Sceptre: {
        staff(p, QPointF(45.2, kMidY), QPointF(45.2, 24.8), c.trim);
        QPainterPath ball;
        ball.addEllipse(QPointF(45.2, 22.8), 1.9, 1.9);
        shape(p, ball, c.trim, 0.5);
        break;
    }
    case Held::Lily: {
        // A slender sceptre ending in a lily.
        staff(p, QPointF(45.6, kMidY), QPointF(45.6, 22.4), c.trim, 0.9);
        QPainterPath lily;
        lily.moveTo(45.6, 17.0);
        lily.quadTo(46.8, 19.6, 45.6, 22.2);
        lily.quadTo(44.4, 19.6, 45.6, 17.0);
        lily.moveTo(42.8, 19.4);
        lily.quadTo(44.2, 22.4, 45.6, 22.4);
        lily.quadTo(44.0, 20.6, 42.8, 19.4);
        lily.moveTo(48.4, 19.4);
        lily.quadTo(47.0, 22.4, 45.6, 22.4);
        lily.quadTo(47.2, 20.6, 48.4, 19.4);
        shape(p, lily, c.trim, 0.45);
        break;
    }
    case Held::Sword: {
        // Held upright at the side, the hilt in the hand.
        staff(p, QPointF(46.0, 36.0), QPointF(46.0, 10.0), kSteel, 1.6);
        shape(p, triangle({45.0, 10.4}, {46.0, 7.6}, {47.0, 10.4}), kSteel, 0.45);
        staff(p, QPointF(43.2, 36.4), QPointF(48.8, 36.4), c.trim.darker(110), 1.4);
        staff(p, QPointF(46.0, 37.4), QPointF(46.0, 42.0), kWood, 1.3);
        dot(p, 46.0, 42.6, 1.0, c.trim);
        break;
    }
    case Held::Axe: {
        staff(p, QPointF(45.4, kMidY), QPointF(45.4, 15.0), kWood);
        QPainterPath blade;
        blade.moveTo(45.4, 16.8);
        blade.lineTo(48.6, 15.2);
        blade.quadTo(51.6, 20.2, 48.6, 25.2);
        blade.lineTo(45.4, 23.6);
        blade.closeSubpath();
        shape(p, blade, kSteel, 0.5);
        break;
    }
    case Held::Orb: {
        QPainterPath orb;
        orb.addEllipse(QPointF(27.0, 39.6), 3.2, 3.2);
        shape(p, orb, c.trim, 0.5);
        stroke(p, QPointF(23.9, 39.6), QPointF(30.1, 39.6), c.trim.darker(135), 0.6);
        stroke(p, QPointF(27.0, 36.4), QPointF(27.0, 33.6), c.trim.darker(120), 0.9);
        stroke(p, QPointF(25.8, 34.6), QPointF(28.2, 34.6), c.trim.darker(120), 0.9);
        dot(p, 27.0, 39.6, 0.7, QColor(200, 30, 40));
        break;
    }
    case Held::Rose:
    case Held::Tulip: {
        stroke(p, QPointF(25.6, 44.0), QPointF(25.0, 31.5), kLeaf, 0.9);
        if (what == Held::Rose) {
            for (int i = 0; i < 5; ++i) {
                const double a = i * 72.0 * kPi / 180.0;
                dot(p, 25.0 + 1.7 * std::sin(a), 30.2 - 1.7 * std::cos(a), 1.25, c.lining.lighter(115));
            }
            dot(p, 25.0, 30.2, 0.9, c.trim);
        } else {
            QPainterPath cup;
            cup.moveTo(22.6, 27.2);
            cup.lineTo(23.8, 29.0);
            cup.lineTo(25.0, 26.6);
            cup.lineTo(26.2, 29.0);
            cup.lineTo(27.4, 27.2);
            cup.quadTo(27.6, 32.4, 25.0, 32.4);
            cup.quadTo(22.4, 32.4, 22.6, 27.2);
            shape(p, cup, QColor(214, 40, 60), 0.5);
        }
        QPainterPath leaf;
        leaf.moveTo(25.4, 40.0);
        leaf.quadTo(22.0, 38.4, 22.4, 35.6);
        leaf.quadTo(25.0, 36.6, 25.4, 40.0);
        shape(p, leaf, kLeaf.lighter(120), 0.4);
        break;
    }
    case Held::Fan: {
        QPainterPath fan;
        fan.moveTo(26.4, 40.6);
        fan.arcTo(QRectF(19.4, 31.6, 14.0, 14.0), 60.0, 80.0);
        fan.closeSubpath();
        shape(p, fan, c.lining.lighter(130), 0.5);
        p.setPen(QPen(c.lining.darker(130), 0.45));
        for (int i = 0; i <= 4; ++i) {
            const double a = (60.0 + i * 20.0) * kPi / 180.0;
            p.drawLine(QPointF(26.4, 40.6), QPointF(26.4 + 7.0 * std::cos(a), 40.6 - 7.0 * std::sin(a)));
        }
        dot(p, 26.4, 40.6, 0.8, c.trim);
        break;
    }
    case Held::Halberd: {
        staff(p, QPointF(25.4, kMidY), QPointF(25.4, 17.5), kWood, 1.2);
        QPainterPath blade;
        blade.moveTo(25.4, 19.0);
        blade.quadTo(21.0, 19.2, 21.4, 22.6);
        blade.quadTo(21.0, 25.8, 25.4, 25.0);
        blade.closeSubpath();
        blade.addPath(triangle({25.4, 13.6}, {26.6, 17.8}, {24.2, 17.8}));
        shape(p, blade, kSteel, 0.5);
        break;
    }
    case Held::Arrow: {
        // Held slanting across the chest, point up.
        staff(p, QPointF(29.0, kMidY), QPointF(45.0, 18.0), kWood, 0.9);
        shape(p, triangle({46.6, 15.0}, {43.6, 17.6}, {46.2, 19.0}), kSteel, 0.45);
        break;
    }
    case Held::Leaf: {
        stroke(p, QPointF(25.4, 44.0), QPointF(25.4, 31.0), kLeaf.darker(120), 0.9);
        QPainterPath leaf;
        leaf.moveTo(25.4, 21.2);
        leaf.quadTo(29.4, 26.0, 25.4, 32.4);
        leaf.quadTo(21.4, 26.0, 25.4, 21.2);
        shape(p, leaf, kLeaf.lighter(125), 0.5);
        stroke(p, QPointF(25.4, 22.6), QPointF(25.4, 31.0), kLeaf.darker(130), 0.45);
        break;
    }
    case Held::Horn: {
        QPainterPath horn;
        horn.moveTo(22.6, 33.6);
        horn.quadTo(24.0, 41.0, 31.6, 42.4);
        horn.lineTo(31.4, 40.6);
        horn.quadTo(26.4, 39.4, 25.6, 33.0);
        horn.closeSubpath();
        shape(p, horn, QColor(238, 222, 176), 0.5);
        stroke(p, QPointF(23.0, 33.4), QPointF(25.8, 32.8), c.trim.darker(115), 1.1);
        break;
    }
    }
}

void figure(QPainter& p, int rank, const CourtLook& look, const Colours& c) {
    hairBehind(p, rank, look.hat, c.hair);
    robe(p, rank, c);
    collar(p, rank, c);
    head(p, rank == 12 ? 4.8 : rank == 13 ? 5.1 : 4.9, rank != 13);
    if (rank == 13) beard(p, look.held != Held::Axe && look.held != Held::Sceptre, c.hair);
    if (rank == 11) stroke(p, QPointF(34.3, kHeadY + 3.0), QPointF(36.7, kHeadY + 3.0), kInk, 0.55);
    hat(p, look.hat, c);
    centreBand(p, c);
    held(p, look.held, c);
}

}  // namespace

void DrawCourt(QPainter& p, int suit, int rank, const FaceStyle& style) {
    const CourtLook& look = kLooks[(suit - 1) & 3][std::clamp(rank, 11, 13) - 11];
    Colours c;
    c.robe = style.robe[look.robe];
    c.lining = style.robe[look.lining];
    c.trim = style.trim;
    c.hair = style.hair[look.hair];
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
        p.setClipRect(QRectF(kFrame.left(), kFrame.top(), kFrame.width(), kMidY - kFrame.top()),
                      Qt::IntersectClip);
        p.save();
        p.translate(kCx, kMidY);
        p.scale(kFigureScale, kFigureScale);
        p.translate(-kCx, -kMidY);
        figure(p, rank, look, c);
        p.restore();
        // The suit of the card in the frame's corner, and on the band.
        FillPath(p, SuitPathIn(suit, QRectF(16.6, 6.6, 7.0, 7.6)), c.suit);
        const double bandY = kMidY - (kMidY - 42.1) * kFigureScale;
        const double bw = 3.8 * kFigureScale, bh = 4.2 * kFigureScale;
        FillPath(p, SuitPathIn(suit, QRectF(kCx - bw / 2, bandY - bh / 2, bw, bh)), c.suit);
        p.restore();
    }
    DrawCourtFrame(p, style.courtFrame);
}

void DrawCourtFrame(QPainter& p, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(colour, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(kFrame.left() - 0.5, kFrame.top() - 0.5, kFrame.width(), kFrame.height()));
    p.drawLine(QPointF(kFrame.left(), kMidY), QPointF(kFrame.right() - 1, kMidY));
    p.restore();
}

void DrawKingBust(QPainter& p, double cx, double top, double scale, const QColor& robeColour,
                  const QColor& trim, const QColor& beardColour) {
    const CourtLook look{0, 0, 0, Hat::PointedCrown, Held::Sceptre};
    Colours c{robeColour, robeColour.darker(130), trim, beardColour, trim.darker(160)};
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(cx, top);
    p.scale(scale, scale);
    p.translate(-kCx, -(kHeadY - 16.6));
    p.setClipRect(QRectF(0, 0, 71, kMidY), Qt::IntersectClip);
    hairBehind(p, 13, look.hat, c.hair);
    robe(p, 13, c);
    collar(p, 13, c);
    head(p, 5.1, false);
    beard(p, true, c.hair);
    hat(p, look.hat, c);
    centreBand(p, c);
    held(p, look.held, c);
    p.restore();
}

}  // namespace grisk::card_art
