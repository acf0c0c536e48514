#include "table/card_art_paths.h"

#include <QFont>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cstdint>

namespace grisk::card_art {

namespace {

QPainterPath heart() {
    QPainterPath h;
    h.moveTo(0, 0.5);
    h.cubicTo(-0.1, 0.36, -0.5, 0.1, -0.5, -0.17);
    h.cubicTo(-0.5, -0.4, -0.34, -0.5, -0.24, -0.5);
    h.cubicTo(-0.1, -0.5, -0.02, -0.42, 0, -0.3);
    h.cubicTo(0.02, -0.42, 0.1, -0.5, 0.24, -0.5);
    h.cubicTo(0.34, -0.5, 0.5, -0.4, 0.5, -0.17);
    h.cubicTo(0.5, 0.1, 0.1, 0.36, 0, 0.5);
    h.closeSubpath();
    return h;
}

QPainterPath diamond() {
    QPainterPath d;
    d.moveTo(0, -0.5);
    d.quadTo(0.17, -0.2, 0.4, 0);
    d.quadTo(0.17, 0.2, 0, 0.5);
    d.quadTo(-0.17, 0.2, -0.4, 0);
    d.quadTo(-0.17, -0.2, 0, -0.5);
    d.closeSubpath();
    return d;
}

// The flared foot shared by clubs and spades, from y = top down to 0.5.
void addStem(QPainterPath& path, double top) {
    QPainterPath stem;
    stem.moveTo(-0.035, top);
    stem.lineTo(0.035, top);
    stem.quadTo(0.06, 0.4, 0.19, 0.5);
    stem.lineTo(-0.19, 0.5);
    stem.quadTo(-0.06, 0.4, -0.035, top);
    stem.closeSubpath();
    path.addPath(stem);
}

QPainterPath spade() {
    QPainterPath s;
    s.setFillRule(Qt::WindingFill);
    s.moveTo(0, -0.5);
    s.cubicTo(0.1, -0.34, 0.5, -0.12, 0.5, 0.12);
    s.cubicTo(0.5, 0.3, 0.37, 0.38, 0.25, 0.38);
    s.cubicTo(0.13, 0.38, 0.05, 0.31, 0.0, 0.22);
    s.cubicTo(-0.05, 0.31, -0.13, 0.38, -0.25, 0.38);
    s.cubicTo(-0.37, 0.38, -0.5, 0.3, -0.5, 0.12);
    s.cubicTo(-0.5, -0.12, -0.1, -0.34, 0, -0.5);
    s.closeSubpath();
    addStem(s, 0.15);
    return s;
}

QPainterPath club() {
    QPainterPath c;
    c.setFillRule(Qt::WindingFill);
    const double r = 0.215;
    c.addEllipse(QPointF(0, -0.285), r, r);
    c.addEllipse(QPointF(-0.285, 0.085), r, r);
    c.addEllipse(QPointF(0.285, 0.085), r, r);
    c.addEllipse(QPointF(0, -0.02), 0.13, 0.13);
    addStem(c, 0.0);
    return c.simplified();
}

}  // namespace

QPainterPath SuitPath(int suit) {
    switch (suit) {
    case Clubs: return club();
    case Diamonds: return diamond();
    case Hearts: return heart();
    default: return spade();
    }
}

QPainterPath SuitPathIn(int suit, const QRectF& box) {
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(box.width(), box.height());
    return t.map(SuitPath(suit));
}

QString RankLabel(int rank) {
    switch (rank) {
    case 1: return QStringLiteral("A");
    case 11: return QStringLiteral("J");
    case 12: return QStringLiteral("Q");
    case 13: return QStringLiteral("K");
    default: return QString::number(rank);
    }
}

QPainterPath TextPathIn(const QString& text, const QRectF& box, bool serif, bool bold) {
    QFont font(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(200);
    font.setBold(bold);
    font.setKerning(true);
    font.setStyleStrategy(QFont::PreferOutline);
    QPainterPath raw;
    raw.addText(0, 0, font, text);
    const QRectF ink = raw.boundingRect();
    if (ink.isEmpty()) return raw;
    const double sy = box.height() / ink.height();
    const double sx = std::min(sy, box.width() / ink.width());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(sx, sy);
    t.translate(-ink.center().x(), -ink.center().y());
    return t.map(raw);
}

void FillPath(QPainter& p, const QPainterPath& path, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillPath(path, colour);
    p.restore();
}

QColor FromVb(int32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto m = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()),
                  m(a.alpha(), b.alpha()));
}

double Noise(int x, int y, int seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 static_cast<uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0xFFFFFF);
}

}  // namespace grisk::card_art
