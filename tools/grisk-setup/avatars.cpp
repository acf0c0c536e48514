#include "avatars.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace grisk_setup {

namespace {

constexpr double kS = kAvatarSize;

void backdrop(QPainter& p, QColor top, QColor bottom) {
    QLinearGradient g(0, 0, 0, kS);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(QRectF(0, 0, kS, kS), g);
}

// Shoulders in a garment colour, rising to the neck.
void shoulders(QPainter& p, QColor cloth, QColor skin) {
    p.setPen(QPen(cloth.darker(150), 1.5));
    p.setBrush(skin.darker(110));
    p.drawRect(QRectF(56, 86, 18, 16));
    QPainterPath body;
    body.moveTo(8, kS);
    body.cubicTo(10, 100, 40, 94, 65, 94);
    body.cubicTo(90, 94, 120, 100, 122, kS);
    body.closeSubpath();
    p.setBrush(cloth);
    p.drawPath(body);
}

void head(QPainter& p, QColor skin, QRectF r) {
    QRadialGradient g(r.center() - QPointF(8, 10), r.width() * 0.8);
    g.setColorAt(0, skin.lighter(118));
    g.setColorAt(1, skin.darker(115));
    p.setPen(QPen(skin.darker(170), 1.5));
    p.setBrush(g);
    p.drawEllipse(r);
}

void eye(QPainter& p, QPointF c, QColor iris, double r = 5) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r + 1.5, r);
    p.setBrush(iris);
    p.drawEllipse(c + QPointF(0.5, 0.5), r * 0.6, r * 0.6);
    p.setBrush(Qt::black);
    p.drawEllipse(c + QPointF(0.5, 0.5), r * 0.28, r * 0.28);
}

void brow(QPainter& p, QPointF a, QPointF b, QColor c, double width) {
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
}

void star(QPainter& p, QPointF c, double r, QColor colour) {
    QPainterPath s;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double rr = i % 2 ? r * 0.45 : r;
        const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
        i ? s.lineTo(pt) : s.moveTo(pt);
    }
    s.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(s);
}

// Grisk: a swamp goblin with long ears, yellow eyes and a gold tooth.
void grisk(QPainter& p) {
    const QColor skin(110, 160, 80);
    backdrop(p, QColor(70, 90, 50), QColor(30, 45, 25));
    shoulders(p, QColor(150, 50, 35), skin);
    p.setPen(QPen(skin.darker(170), 1.5));
    p.setBrush(skin);
    for (int side : {-1, 1}) {
        QPainterPath ear;
        ear.moveTo(65 + side * 26, 48);
        ear.quadTo(65 + side * 50, 30, 65 + side * 62, 22);
        ear.quadTo(65 + side * 46, 52, 65 + side * 28, 64);
        ear.closeSubpath();
        p.drawPath(ear);
    }
    head(p, skin, QRectF(33, 20, 64, 72));
    for (int side : {-1, 1}) {
        eye(p, QPointF(65 + side * 13, 48), QColor(230, 200, 30), 5.5);
        brow(p, QPointF(65 + side * 6, 40), QPointF(65 + side * 22, 36), skin.darker(220), 3.5);
    }
    p.setPen(QPen(skin.darker(170), 1.5));
    p.setBrush(skin.darker(108));
    p.drawEllipse(QRectF(59, 52, 13, 16));  // a long nose
    QPainterPath grin;
    grin.moveTo(46, 70);
    grin.quadTo(65, 88, 84, 70);
    grin.quadTo(65, 78, 46, 70);
    p.setBrush(QColor(90, 20, 20));
    p.drawPath(grin);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(56, 72, 5, 5));
    p.setBrush(QColor(250, 200, 40));
    p.drawRect(QRectF(63, 73, 6, 6));  // the gold tooth
    p.setPen(QPen(skin.darker(220), 1.2));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(58 + 4 * i, 21), QPointF(54 + 6 * i, 10 + (i % 2) * 3));
}

// Varnok: an old wizard with a starry hat and a long white beard.
void varnok(QPainter& p) {
    const QColor skin(235, 200, 175);
    const QColor robe(40, 60, 150);
    backdrop(p, QColor(70, 40, 110), QColor(25, 15, 50));
    shoulders(p, robe, skin);
    head(p, skin, QRectF(38, 34, 54, 60));
    QPainterPath beard;
    beard.moveTo(40, 68);
    beard.cubicTo(42, 110, 56, 126, 65, 128);
    beard.cubicTo(74, 126, 88, 110, 90, 68);
    beard.quadTo(65, 86, 40, 68);
    p.setPen(QPen(QColor(200, 200, 210), 1));
    p.setBrush(QColor(240, 240, 245));
    p.drawPath(beard);
    p.setBrush(QColor(150, 60, 60));
    p.drawEllipse(QRectF(58, 76, 14, 5));  // the mouth in the beard
    for (int side : {-1, 1}) {
        eye(p, QPointF(65 + side * 11, 58), QColor(60, 110, 200), 4);
        brow(p, QPointF(65 + side * 4, 50), QPointF(65 + side * 21, 52), QColor(245, 245, 245), 4.5);
    }
    p.setPen(QPen(skin.darker(160), 1.2));
    p.setBrush(skin.darker(106));
    p.drawEllipse(QRectF(60, 60, 10, 13));
    QPainterPath hat;
    hat.moveTo(28, 42);
    hat.lineTo(102, 42);
    hat.lineTo(70, -4);
    hat.closeSubpath();
    p.setPen(QPen(robe.darker(160), 1.5));
    p.setBrush(robe);
    p.drawPath(hat);
    p.drawRoundedRect(QRectF(24, 38, 82, 9), 4, 4);
    star(p, QPointF(62, 24), 6, QColor(250, 220, 80));
    star(p, QPointF(76, 34), 3.5, QColor(250, 220, 80));
    star(p, QPointF(52, 36), 3, QColor(250, 220, 80));
}

// Voze: a fortune-teller in a turban, dreaming over a crystal ball.
void voze(QPainter& p) {
    const QColor skin(200, 170, 220);
    backdrop(p, QColor(20, 20, 70), QColor(60, 20, 90));
    for (const QPointF& s : {QPointF(12, 14), QPointF(112, 20), QPointF(20, 60), QPointF(108, 66)})
        star(p, s, 4, QColor(255, 240, 180));
    shoulders(p, QColor(90, 40, 130), skin);
    head(p, skin, QRectF(37, 26, 56, 66));
    p.setPen(QPen(QColor(230, 190, 60), 1.5));
    p.setBrush(Qt::NoBrush);
    for (int side : {-1, 1}) p.drawEllipse(QPointF(65 + side * 29, 70), 4, 6);  // earrings
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        p.drawArc(QRectF(65 + side * 12 - 7, 52, 14, 8), 180 * 16, 180 * 16);  // closed, dreaming
        brow(p, QPointF(65 + side * 5, 46), QPointF(65 + side * 19, 44), skin.darker(200), 2);
    }
    p.setPen(QPen(skin.darker(170), 1.2));
    p.setBrush(skin.darker(106));
    p.drawEllipse(QRectF(61, 57, 8, 11));
    p.setPen(QPen(QColor(140, 40, 90), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(55, 68, 20, 10), 200 * 16, 140 * 16);
    p.setPen(QPen(QColor(120, 30, 120), 1.5));
    p.setBrush(QColor(170, 60, 170));
    p.drawEllipse(QRectF(30, 6, 70, 40));  // the turban
    p.drawChord(QRectF(33, 22, 64, 30), 0, 180 * 16);
    p.setBrush(QColor(80, 220, 200));
    p.drawEllipse(QPointF(65, 34), 6, 7);  // its jewel
    QRadialGradient ball(QPointF(60, 110), 26);
    ball.setColorAt(0, QColor(230, 240, 255, 230));
    ball.setColorAt(1, QColor(120, 150, 230, 200));
    p.setPen(QPen(QColor(200, 220, 255), 1.5));
    p.setBrush(ball);
    p.drawEllipse(QPointF(65, 116), 22, 20);
}

// Zozida: Voze's sister, in a dealer's visor and glasses, one brow raised.
void zozida(QPainter& p) {
    const QColor skin(215, 180, 200);
    backdrop(p, QColor(20, 110, 110), QColor(10, 50, 55));
    shoulders(p, QColor(30, 30, 35), skin);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 20, 30));
    p.drawRoundedRect(QRectF(30, 22, 70, 70), 20, 20);  // the bob
    head(p, skin, QRectF(38, 28, 54, 64));
    p.setBrush(QColor(25, 20, 30));
    p.drawChord(QRectF(36, 22, 58, 36), 0, 180 * 16);  // the fringe
    for (int side : {-1, 1}) {
        eye(p, QPointF(65 + side * 12, 56), QColor(40, 140, 90), 3.5);
        p.setPen(QPen(QColor(30, 30, 30), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(65 + side * 12, 56), 9, 8);  // glasses
    }
    p.drawLine(QPointF(62, 56), QPointF(68, 56));
    brow(p, QPointF(47, 44), QPointF(59, 46), QColor(25, 20, 30), 2.5);
    brow(p, QPointF(71, 43), QPointF(84, 37), QColor(25, 20, 30), 2.5);  // raised
    p.setPen(QPen(skin.darker(160), 1.2));
    p.setBrush(skin.darker(106));
    p.drawEllipse(QRectF(61, 60, 8, 10));
    p.setPen(QPen(QColor(160, 40, 60), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(56, 78), QPointF(68, 78));
    p.drawArc(QRectF(64, 71, 12, 8), 270 * 16, 90 * 16);  // a smirk
    p.setPen(QPen(QColor(20, 90, 40), 1.5));
    p.setBrush(QColor(60, 180, 90, 210));
    p.drawChord(QRectF(28, 6, 74, 30), 180 * 16, 180 * 16);  // the visor
    p.setPen(QPen(QColor(30, 30, 30), 1));
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(100 + i * 6, 112);
        p.rotate(-20 + i * 15);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(-8, -12, 16, 24), 2, 2);
        p.restore();
    }
}

}  // namespace

QImage DrawAvatar(const QString& personality) {
    QImage img(kAvatarSize, kAvatarSize, QImage::Format_RGB32);
    img.fill(QColor(0, 100, 0));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (personality == QLatin1String("Grisk"))
        grisk(p);
    else if (personality == QLatin1String("Varnok"))
        varnok(p);
    else if (personality == QLatin1String("Voze"))
        voze(p);
    else if (personality == QLatin1String("Zozida"))
        zozida(p);
    return img;
}

QByteArray AvatarJpeg(const QString& personality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    DrawAvatar(personality).save(&buffer, "JPG", 92);
    return bytes;
}

}  // namespace grisk_setup
