#include "table/control_art.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace grisk::control_art {

namespace {

constexpr double kPi = std::numbers::pi;

QImage blank(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// A fixed little generator: the grain of wood and metal is the same on every run.
class Grain {
public:
    explicit Grain(uint32_t seed) : s_(seed) {}
    double unit() {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return (s_ >> 8) / 16777216.0;
    }

private:
    uint32_t s_;
};

// The grain of wood running across the rectangle, one horizontal line at a
// time: line(x1, x2, y, colour) from (x1, y) to (x2, y), over a ground of
// kWood.
const QColor kWood(150, 98, 52);
template <class Line>
void woodGrain(const QRect& r, uint32_t seed, Line line) {
    Grain g(seed);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const double wave = 0.5 + 0.5 * std::sin(y * 0.35 + 3 * std::sin(y * 0.05));
        const int shade = static_cast<int>(wave * 34 + g.unit() * 10);
        line(r.left(), r.right(), y, QColor(118 + shade, 74 + shade * 2 / 3, 38 + shade / 3));
    }
    for (int i = 0; i < r.height() / 6; ++i) {
        const int y = r.top() + static_cast<int>(g.unit() * r.height());
        const int x = r.left() + static_cast<int>(g.unit() * r.width());
        line(x, x + 20 + static_cast<int>(g.unit() * 80), y, QColor(96, 58, 28, 90));
    }
}

// Wood with its grain running across, over the rectangle.
void paintWood(QPainter& p, const QRect& r, uint32_t seed) {
    p.fillRect(r, kWood);
    woodGrain(r, seed, [&](int x1, int x2, int y, const QColor& colour) {
        p.setPen(colour);
        p.drawLine(x1, y, x2, y);
    });
}

// The light of brushed metal down the rectangle, and its brush marks, one
// horizontal line at a time as woodGrain gives them.
QLinearGradient metalLight(const QRect& r) {
    QLinearGradient light(r.topLeft(), r.bottomLeft());
    light.setColorAt(0, QColor(236, 238, 242));
    light.setColorAt(0.5, QColor(196, 200, 208));
    light.setColorAt(1, QColor(160, 164, 172));
    return light;
}

template <class Line>
void metalMarks(const QRect& r, uint32_t seed, Line line) {
    Grain g(seed);
    for (int i = 0; i < r.height() * 3; ++i) {
        const int y = r.top() + static_cast<int>(g.unit() * r.height());
        const int x = r.left() + static_cast<int>(g.unit() * r.width());
        const QColor colour(255, 255, 255, 40 + static_cast<int>(g.unit() * 50));
        line(x, x + 30 + static_cast<int>(g.unit() * 120), y, colour);
    }
}

// x * a / 255 on each of the four channels of a premultiplied pixel,
// rounded as the painter rounds.
uint32_t byteMul(uint32_t x, uint32_t a) {
    uint32_t t = (x & 0xff00ffu) * a;
    t = ((t + ((t >> 8) & 0xff00ffu) + 0x800080u) >> 8) & 0xff00ffu;
    x = ((x >> 8) & 0xff00ffu) * a;
    x = (x + ((x >> 8) & 0xff00ffu) + 0x800080u) & 0xff00ff00u;
    return x | t;
}

constexpr int kTitlePixels = 17;    // the titles' text
constexpr int kLeastTitlePixels = 9;
constexpr double kTitlePadding = 8;  // between a title's text and its tab's ends

}  // namespace

void BlendLine(QImage& img, int x1, int x2, int y, const QColor& colour) {
    const uint32_t c = qPremultiply(colour.rgba());
    // Of the row above, a little less than half; of its own row, half.
    const struct {
        int row;
        uint32_t middle, end;
    } rows[] = {{y - 1, 127, 63}, {y, 128, 64}};
    for (const auto& r : rows) {
        if (r.row < 0 || r.row >= img.height()) continue;
        auto* line = reinterpret_cast<uint32_t*>(img.scanLine(r.row));
        const uint32_t middle = byteMul(c, r.middle), end = byteMul(c, r.end);
        const auto blend = [&](int x, uint32_t s) { line[x] = s + byteMul(line[x], 255 - qAlpha(s)); };
        if (x1 - 1 >= 0 && x1 - 1 < img.width()) blend(x1 - 1, end);
        for (int x = std::max(x1, 0); x < std::min(x2, img.width()); ++x) blend(x, middle);
        if (x2 >= 0 && x2 < img.width()) blend(x2, end);
    }
}

QImage MenuStrip(int style, double titleScale) {
    QImage img(kStripW, kStripH, QImage::Format_ARGB32_Premultiplied);
    const bool wood = style != 0;
    const QRect all(0, 0, kStripW, kStripH);
    {
        QPainter ground(&img);
        ground.setRenderHint(QPainter::Antialiasing);
        ground.fillRect(all, wood ? QBrush(kWood) : QBrush(metalLight(all)));
    }
    // The grain and a bevel round the whole strip: many lines, each blended
    // as the antialiasing painter would draw it.
    const auto line = [&](int x1, int x2, int y, const QColor& colour) { BlendLine(img, x1, x2, y, colour); };
    if (wood)
        woodGrain(all, 0x51A9u, line);
    else
        metalMarks(all, 0x3E7Au, line);
    line(0, kStripW - 1, 0, QColor(255, 255, 255, 150));
    line(0, kStripW - 1, kStripH - 1, QColor(0, 0, 0, 120));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    for (const StripTitle& t : kStripTitles) {
        const QRectF tab(t.left * titleScale + 2, 23, (t.right - t.left) * titleScale - 4, 36);
        const QString text = QString::fromLatin1(t.text);
        int pixels = kTitlePixels;
        font.setPixelSize(pixels);
        while (pixels > kLeastTitlePixels &&
               QFontMetricsF(font).horizontalAdvance(text) + 2 * kTitlePadding > tab.width())
            font.setPixelSize(--pixels);
        p.setFont(font);
        QLinearGradient face(tab.topLeft(), tab.bottomLeft());
        if (wood) {
            face.setColorAt(0, QColor(226, 186, 128));
            face.setColorAt(1, QColor(170, 118, 64));
        } else {
            face.setColorAt(0, QColor(250, 250, 252));
            face.setColorAt(1, QColor(176, 184, 198));
        }
        p.setPen(QPen(wood ? QColor(88, 50, 20) : QColor(88, 96, 112), 1.5));
        p.setBrush(face);
        p.drawRoundedRect(tab, 9, 9);
        p.setPen(wood ? QColor(255, 238, 200, 160) : QColor(255, 255, 255, 200));
        p.drawText(tab.translated(1, 1), Qt::AlignCenter, text);
        p.setPen(wood ? QColor(60, 30, 8) : QColor(24, 40, 80));
        p.drawText(tab, Qt::AlignCenter, text);
    }
    // A small caption over the titles.
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(11);
    small.setItalic(true);
    p.setFont(small);
    p.setPen(wood ? QColor(255, 232, 190) : QColor(40, 48, 64));
    p.drawText(QRect(31, 3, 400, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Grisk and Varnok - press a title"));
    return img;
}

QImage MenuTab() {
    QImage img = blank(48, 16);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(210, 214, 222));
    QPainterPath tab;
    tab.moveTo(0.5, 0);
    tab.lineTo(47.5, 0);
    tab.lineTo(47.5, 9);
    tab.quadTo(47.5, 15.5, 41, 15.5);
    tab.lineTo(7, 15.5);
    tab.quadTo(0.5, 15.5, 0.5, 9);
    tab.closeSubpath();
    p.drawPath(tab);
    p.setBrush(QColor(40, 48, 64));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) p.drawRect(QRectF(17, 3.5 + i * 3.5, 14, 1.6));
    return img;
}

namespace {
QImage drawSlapBurst() {
    QImage img = blank(40, 40);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath star;
    const int points = 12;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = kPi * i / points - kPi / 2;
        const double radius = i % 2 == 0 ? 19.5 : 11.5;
        const QPointF pt(20 + radius * std::cos(a), 20 + radius * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    QRadialGradient fire(QPointF(20, 20), 20);
    fire.setColorAt(0, QColor(255, 250, 160));
    fire.setColorAt(0.6, QColor(255, 190, 40));
    fire.setColorAt(1, QColor(230, 60, 20));
    p.setBrush(fire);
    p.setPen(QPen(QColor(150, 20, 10), 1));
    p.drawPath(star);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(140, 0, 0));
    p.drawText(QRect(0, 0, 40, 40), Qt::AlignCenter, QStringLiteral("SLAP!"));
    return img;
}
}  // namespace

const QImage& SlapBurst() {
    static const QImage burst = drawSlapBurst();
    return burst;
}

QImage HandPointer(int which) {
    QImage img = blank(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 40, 20), 1.3));
    p.setBrush(QColor(250, 214, 170));
    if (which == 0) {
        // An open hand, fingers up.
        p.drawRoundedRect(QRectF(8, 14, 16, 14), 5, 5);
        for (int f = 0; f < 4; ++f) p.drawRoundedRect(QRectF(8.5 + f * 4, 4 + (f == 0 || f == 3 ? 3 : 0), 3.5, 13), 1.7, 1.7);
        p.drawRoundedRect(QRectF(2, 15, 9, 4), 2, 2);
    } else {
        // A hand drawn back, turned to slap, with speed lines.
        p.save();
        p.translate(18, 17);
        p.rotate(-30);
        p.drawRoundedRect(QRectF(-8, -5, 16, 14), 5, 5);
        for (int f = 0; f < 4; ++f) p.drawRoundedRect(QRectF(-7.5 + f * 4, -15, 3.5, 12), 1.7, 1.7);
        p.restore();
        p.setPen(QPen(QColor(200, 30, 30), 1.5));
        for (int i = 0; i < 3; ++i) p.drawLine(QPointF(1, 10 + i * 6), QPointF(7, 9 + i * 6));
    }
    return img;
}

QImage UndoIcon() {
    QImage img = blank(16, 16);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 70, 160), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(4, 6);
    arc.cubicTo(9, 2, 15, 5, 13, 10);
    arc.cubicTo(12, 13, 8, 14, 6, 13);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 70, 160));
    QPolygonF head;
    head << QPointF(1, 6) << QPointF(7, 2) << QPointF(7, 10);
    p.drawPolygon(head);
    return img;
}

QImage Skin(int which) {
    QImage img(256, 192, QImage::Format_RGB32);
    QPainter p(&img);
    if (which == 0) {
        paintWood(p, img.rect(), 0x7713u);
    } else {
        img.fill(QColor(192, 192, 192));
        p.setPen(QColor(200, 200, 200));
        for (int y = 0; y < 192; y += 2) p.drawLine(0, y, 255, y);
    }
    return img;
}

std::vector<Background> ExtraBackgrounds() {
    std::vector<Background> out;
    {
        // Blue baize with a faint diamond weave.
        QImage img(240, 240, QImage::Format_RGB32);
        img.fill(QColor(24, 52, 104));
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(36, 70, 130), 1));
        for (int k = -240; k <= 480; k += 24) {
            p.drawLine(k, 0, k + 240, 240);
            p.drawLine(k, 240, k + 240, 0);
        }
        out.push_back({QStringLiteral("BlueBaize.gif"), img});
    }
    {
        // Oak planks; each plank wraps onto the next tile.
        QImage img(256, 256, QImage::Format_RGB32);
        QPainter p(&img);
        for (int plank = 0; plank < 4; ++plank) {
            const QRect r(0, plank * 64, 256, 64);
            paintWood(p, r, 0x1000u + static_cast<uint32_t>(plank) * 977u);
            p.setPen(QColor(70, 40, 16));
            p.drawLine(0, r.top(), 255, r.top());
        }
        out.push_back({QStringLiteral("OakPlanks.gif"), img});
    }
    return out;
}

}  // namespace grisk::control_art
