#include "table/emotion_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <functional>
#include <map>

namespace grisk {

namespace {

const QColor kInk(40, 24, 0);

QImage blankIcon() {
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QPen inkPen(double width = 1.6) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// A round face, yellow or in the colours given.
void face(QPainter& p, QColor light = QColor(255, 246, 150), QColor dark = QColor(236, 176, 20)) {
    QRadialGradient g(QPointF(13, 11), 18);
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    p.setBrush(g);
    p.setPen(QPen(dark.darker(200), 1.2));
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
}

// Two eyeballs with their pupils.
void eyeballs(QPainter& p, QRectF left, QRectF right, QRectF leftPupil, QRectF rightPupil) {
    p.setPen(inkPen(1));
    p.setBrush(Qt::white);
    p.drawEllipse(left);
    p.drawEllipse(right);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(leftPupil);
    p.drawEllipse(rightPupil);
}

void dotEyes(QPainter& p, double y = 11, double h = 5) {
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QRectF(9, y, 4, h));
    p.drawEllipse(QRectF(19, y, 4, h));
}

// A mouth from (x1, y) to (x2, y) bending down by bend (up when negative).
void mouth(QPainter& p, double x1, double x2, double y, double bend) {
    QPainterPath m;
    m.moveTo(x1, y);
    m.quadTo((x1 + x2) / 2, y + 2 * bend, x2, y);
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawPath(m);
}

void line(QPainter& p, double x1, double y1, double x2, double y2, double width = 1.6) {
    p.setPen(inkPen(width));
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void tear(QPainter& p, double x, double y) {
    QPainterPath t;
    t.moveTo(x, y);
    t.quadTo(x + 3, y + 5, x, y + 6);
    t.quadTo(x - 3, y + 5, x, y);
    p.setPen(QPen(QColor(20, 80, 200), 0.8));
    p.setBrush(QColor(110, 180, 255));
    p.drawPath(t);
}

void angry(QPainter& p) {
    face(p, QColor(255, 170, 140), QColor(210, 40, 20));
    dotEyes(p, 13, 4);
    line(p, 7, 9, 14, 12, 2);
    line(p, 25, 9, 18, 12, 2);
    mouth(p, 10, 22, 24, -3);
}

void begging(QPainter& p) {
    face(p);
    eyeballs(p, QRectF(7, 9, 8, 9), QRectF(17, 9, 8, 9), QRectF(9, 11, 5, 6), QRectF(19, 11, 5, 6));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(10, 12, 2, 2));
    p.drawEllipse(QRectF(20, 12, 2, 2));
    line(p, 8, 7, 13, 5);
    line(p, 24, 7, 19, 5);
    p.setPen(inkPen(1.2));
    p.setBrush(QColor(150, 40, 30));
    p.drawEllipse(QRectF(14, 21, 4, 4));
}

void crying(QPainter& p) {
    face(p, QColor(230, 240, 255), QColor(150, 170, 210));
    line(p, 8, 13, 13, 12);
    line(p, 19, 12, 24, 13);
    mouth(p, 10, 22, 24, -3);
    tear(p, 10, 15);
    tear(p, 23, 15);
}

void dumbMove(QPainter& p) {
    face(p);
    // Eyes that look two ways and a crooked mouth, under a dunce's cap.
    eyeballs(p, QRectF(7, 11, 7, 7), QRectF(18, 11, 7, 7), QRectF(11, 13, 3, 3), QRectF(18, 15, 3, 3));
    QPainterPath m;
    m.moveTo(10, 24);
    m.cubicTo(13, 21, 17, 27, 22, 23);
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawPath(m);
    QPolygonF cap;
    cap << QPointF(9, 7) << QPointF(23, 7) << QPointF(16, -1);
    p.setPen(QPen(QColor(60, 60, 120), 1));
    p.setBrush(QColor(120, 120, 230));
    p.drawPolygon(cap);
}

void embarrassed(QPainter& p) {
    face(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 110, 130, 170));
    p.drawEllipse(QRectF(5, 16, 7, 5));
    p.drawEllipse(QRectF(20, 16, 7, 5));
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, 11, 6, 5), 0, 180 * 16);
    p.drawArc(QRectF(18, 11, 6, 5), 0, 180 * 16);
    QPainterPath m;
    m.moveTo(12, 23);
    m.cubicTo(14, 21, 15, 25, 17, 23);
    m.cubicTo(18, 22, 19, 24, 20, 23);
    p.drawPath(m);
}

void hotflash(QPainter& p) {
    face(p, QColor(255, 150, 110), QColor(230, 60, 30));
    dotEyes(p, 12, 4);
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(13, 21, 6, 5));
    // Drops of sweat and heat rising off the head.
    tear(p, 5, 8);
    tear(p, 27, 10);
    p.setPen(QPen(QColor(255, 80, 0), 1.2));
    for (double x : {10.0, 16.0, 22.0}) {
        QPainterPath w;
        w.moveTo(x, 4);
        w.cubicTo(x - 2, 2.5, x + 2, 1.5, x, 0);
        p.drawPath(w);
    }
}

void grinning(QPainter& p) {
    face(p);
    dotEyes(p);
    QPainterPath m;
    m.moveTo(7, 18);
    m.quadTo(16, 31, 25, 18);
    m.closeSubpath();
    p.setPen(inkPen(1.2));
    p.setBrush(Qt::white);
    p.drawPath(m);
    p.setPen(QPen(QColor(150, 150, 150), 0.8));
    for (double x : {11.0, 16.0, 21.0}) p.drawLine(QPointF(x, 18), QPointF(x, 23.5));
}

void mischievous(QPainter& p) {
    face(p);
    // One eye narrowed, a brow raised, a lopsided grin.
    p.setBrush(kInk);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(9, 11, 4, 5));
    p.drawRect(QRectF(18, 13, 6, 2));
    line(p, 8, 8, 13, 6);
    line(p, 18, 10, 24, 10.5);
    QPainterPath grin;
    grin.moveTo(9, 20);
    grin.quadTo(17, 25, 25, 17);
    p.setBrush(Qt::NoBrush);
    p.drawPath(grin);
}

void noose(QPainter& p) {
    // A rope from the top edge, its knot and its loop.
    const QPen rope(QColor(150, 110, 50), 2.6, Qt::SolidLine, Qt::RoundCap);
    p.setPen(rope);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(16, 0), QPointF(16, 10));
    p.drawEllipse(QRectF(9, 17, 14, 13));
    p.setPen(QPen(QColor(110, 75, 30), 1));
    p.setBrush(QColor(170, 125, 60));
    p.drawRoundedRect(QRectF(12.5, 9, 7, 9), 2, 2);
    for (double y : {11.0, 13.5, 16.0}) p.drawLine(QPointF(12.5, y), QPointF(19.5, y));
}

void sad(QPainter& p) {
    face(p, QColor(240, 240, 200), QColor(190, 170, 90));
    dotEyes(p, 12, 4);
    line(p, 8, 10, 13, 9);
    line(p, 19, 9, 24, 10);
    mouth(p, 10, 22, 24, -2.5);
}

void skull(QPainter& p) {
    p.setPen(QPen(QColor(90, 90, 80), 1.2));
    p.setBrush(QColor(240, 236, 220));
    QPainterPath head;
    head.addEllipse(QRectF(4, 2, 24, 21));
    head.addRoundedRect(QRectF(10, 18, 12, 11), 3, 3);
    p.drawPath(head.simplified());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QRectF(8, 10, 7, 7));
    p.drawEllipse(QRectF(17, 10, 7, 7));
    QPolygonF nose;
    nose << QPointF(16, 17) << QPointF(14, 21) << QPointF(18, 21);
    p.drawPolygon(nose);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    for (double x : {13.0, 16.0, 19.0}) p.drawLine(QPointF(x, 24), QPointF(x, 29));
}

void wink(QPainter& p) {
    face(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QRectF(9, 11, 4, 5));
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(18, 11, 7, 5), 200 * 16, 140 * 16);
    mouth(p, 9, 23, 20, 3);
}

void shoot(QPainter& p) {
    // A toy pistol, its flag "BANG" flying out of the barrel.
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(90, 90, 100));
    p.drawRect(QRectF(12, 16, 18, 6));
    QPolygonF grip;
    grip << QPointF(24, 21) << QPointF(30, 21) << QPointF(31, 31) << QPointF(25, 31);
    p.drawPolygon(grip);
    p.drawLine(QPointF(22, 22), QPointF(21, 26));
    p.setPen(QPen(QColor(200, 30, 20), 1));
    p.setBrush(QColor(255, 230, 60));
    QPolygonF burst;
    const QPointF c(7, 12);
    for (int i = 0; i < 16; ++i) {
        const double r = i % 2 == 0 ? 7 : 3.5;
        const double a = i * 3.14159265358979 / 8;
        burst << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    p.drawPolygon(burst);
}

void smiling(QPainter& p) {
    face(p);
    dotEyes(p);
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(9, 14, 14, 10), 200 * 16, 140 * 16);
}

}  // namespace

const std::vector<EmotionIconKey>& EmotionIconKeys() {
    static const std::vector<EmotionIconKey> keys = {
        {'A', "Angry.gif"},       {'B', "Begging.gif"},  {'C', "Crying.gif"}, {'D', "Dumb_Move.gif"},
        {'E', "Embarrassed.gif"}, {'F', "Hotflash.gif"}, {'G', "Grinning.gif"}, {'K', "Skull.gif"},
        {'M', "Mischievous.gif"}, {'N', "Noose.gif"},    {'S', "Sad.gif"},    {'W', "Wink.gif"},
        {'X', "Shoot.gif"}};
    return keys;
}

QString EmotionIconFile(int keyCode) {
    for (const EmotionIconKey& k : EmotionIconKeys())
        if (k.letter == keyCode) return QString::fromLatin1(k.file);
    return QString();
}

QImage EmotionIcon(const QString& fileName) {
    static const std::map<QString, std::function<void(QPainter&)>> drawings = {
        {"Angry.gif", angry},       {"Begging.gif", begging},   {"Crying.gif", crying},
        {"Dumb_Move.gif", dumbMove}, {"Embarrassed.gif", embarrassed}, {"Hotflash.gif", hotflash},
        {"Grinning.gif", grinning}, {"Skull.gif", skull},       {"Mischievous.gif", mischievous},
        {"Noose.gif", noose},       {"Sad.gif", sad},           {"Wink.gif", wink},
        {"Shoot.gif", shoot}};
    QImage img = blankIcon();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const auto it = drawings.find(fileName);
    (it == drawings.end() ? smiling : it->second)(p);
    return img;
}

}  // namespace grisk
