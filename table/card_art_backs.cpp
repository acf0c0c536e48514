// Card backs (geometric patterns painted at each card size, never scaled),
// the see-through plain back and the two empty-pile marks.
#include <QLinearGradient>
#include <QPainter>
#include <cmath>
#include <map>
#include <tuple>

#include "platform/vb.h"
#include "table/card_art.h"
#include "table/card_art_paths.h"
#include "table/card_art_style.h"

namespace grisk::card_art {

namespace {

struct BackDesign {
    const char* name;
    QColor base, line;
    int32_t colour;  // the colour that goes with the back
};

const BackDesign kBacks[] = {
    {"Blue lattice", QColor(30, 60, 124), QColor(112, 148, 212), vb::RGB(196, 214, 244)},
    {"Red lattice", QColor(142, 24, 36), QColor(224, 112, 112), vb::RGB(244, 206, 206)},
    {"Green chevrons", QColor(26, 92, 56), QColor(92, 172, 116), vb::RGB(200, 232, 208)},
    {"Navy rosette", QColor(22, 36, 78), QColor(206, 170, 78), vb::RGB(208, 214, 236)},
    {"Burgundy harlequin", QColor(104, 22, 48), QColor(150, 40, 70), vb::RGB(236, 206, 216)},
    {"Teal waves", QColor(12, 104, 112), QColor(110, 204, 198), vb::RGB(192, 232, 228)},
    {"Purple honeycomb", QColor(72, 40, 116), QColor(152, 116, 204), vb::RGB(222, 210, 242)},
    {"Gold sunburst", QColor(26, 26, 30), QColor(214, 176, 80), vb::RGB(238, 226, 190)},
};
constexpr int kBackCount = sizeof(kBacks) / sizeof(kBacks[0]);

const QColor kEdge(60, 60, 68);

void lattice(QPainter& p, const QRectF& r, const BackDesign& d, double step) {
    const QPointF c = r.center();
    p.setPen(QPen(d.line, 1.0));
    const double span = r.width() + r.height();
    for (double k = -span; k <= span; k += step) {
        p.drawLine(QPointF(c.x() + k - span, c.y() - span), QPointF(c.x() + k + span, c.y() + span));
        p.drawLine(QPointF(c.x() + k + span, c.y() - span), QPointF(c.x() + k - span, c.y() + span));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(d.line.lighter(150));
    for (double y = -span; y <= span; y += step)
        for (double x = -span; x <= span; x += step)
            if (std::fmod(std::fabs(x / step + y / step), 2.0) < 0.5)
                p.drawEllipse(QPointF(c.x() + x, c.y() + y), 0.8, 0.8);
}

void chevrons(QPainter& p, const QRectF& r, const BackDesign& d) {
    const QPointF c = r.center();
    p.setPen(QPen(d.line, 1.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    for (double y = -r.height(); y <= r.height(); y += 6) {
        QPainterPath z;
        bool up = true;
        z.moveTo(c.x() - r.width(), c.y() + y);
        for (double x = -r.width() + 4; x <= r.width(); x += 4, up = !up)
            z.lineTo(c.x() + x, c.y() + y + (up ? -2.5 : 0));
        p.drawPath(z);
    }
}

void rosette(QPainter& p, const QRectF& r, const BackDesign& d) {
    const QPointF c = r.center();
    const double big = std::max(r.width(), r.height());
    p.setBrush(Qt::NoBrush);
    for (double rad = 3; rad < big; rad += 3.5) {
        p.setPen(QPen(Mix(d.base, d.line, rad < 16 ? 0.9 : 0.45), 0.8));
        p.drawEllipse(c, rad, rad);
    }
    p.setPen(QPen(d.line, 0.8));
    p.setBrush(Mix(d.base, d.line, 0.35));
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 30);
        p.drawEllipse(QPointF(0, -r.width() * 0.2), r.width() * 0.055, r.width() * 0.17);
        p.restore();
    }
    p.setBrush(d.line);
    p.drawEllipse(c, r.width() * 0.07, r.width() * 0.07);
    for (int sx : {-1, 1})
        for (int sy : {-1, 1}) {
            const QPointF corner(c.x() + sx * (r.width() / 2 - 5), c.y() + sy * (r.height() / 2 - 5));
            p.drawPath(SuitPathIn(Diamonds, QRectF(corner.x() - 2.5, corner.y() - 3.2, 5, 6.4)));
        }
}

// Harlequin diamonds in two tones, with a gold dot where four meet.
void checks(QPainter& p, const QRectF& r, const BackDesign& d) {
    const QPointF c = r.center();
    const double w = 8, h = 10;
    p.setPen(Qt::NoPen);
    for (int j = -8; j <= 8; ++j)
        for (int i = -6; i <= 6; ++i) {
            const QPointF m(c.x() + i * w + (j % 2 ? w / 2 : 0), c.y() + j * h / 2);
            QPolygonF dia;
            dia << QPointF(m.x(), m.y() - h / 2) << QPointF(m.x() + w / 2, m.y())
                << QPointF(m.x(), m.y() + h / 2) << QPointF(m.x() - w / 2, m.y());
            p.setBrush((i + j) % 2 ? d.line : d.base.lighter(125));
            p.drawPolygon(dia);
        }
    p.setPen(QPen(QColor(60, 10, 26), 0.6));
    p.setBrush(Qt::NoBrush);
    for (int k = -20; k <= 20; ++k) {
        p.drawLine(QPointF(c.x() + k * w / 2 - 100 * w / h, c.y() - 100), QPointF(c.x() + k * w / 2 + 100 * w / h, c.y() + 100));
        p.drawLine(QPointF(c.x() + k * w / 2 + 100 * w / h, c.y() - 100), QPointF(c.x() + k * w / 2 - 100 * w / h, c.y() + 100));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 188, 98));
    for (int j = -8; j <= 8; ++j)
        for (int i = -6; i <= 6; ++i)
            p.drawEllipse(QPointF(c.x() + i * w + (j % 2 ? 0 : w / 2), c.y() + j * h / 2), 0.8, 0.8);
}

void waves(QPainter& p, const QRectF& r, const BackDesign& d) {
    const QPointF c = r.center();
    p.setPen(QPen(d.line, 1.1));
    p.setBrush(Qt::NoBrush);
    for (double y = -r.height(); y <= r.height(); y += 5) {
        QPainterPath w;
        w.moveTo(r.left() - 2, c.y() + y + 1.8 * std::sin((r.left() - 2 - c.x()) * 0.63));
        for (double x = r.left() - 2; x <= r.right() + 2; x += 0.5)
            w.lineTo(x, c.y() + y + 1.8 * std::sin((x - c.x()) * 0.63));
        p.drawPath(w);
    }
}

void honeycomb(QPainter& p, const QRectF& r, const BackDesign& d) {
    const QPointF c = r.center();
    const double a = 4.2;  // hexagon radius
    const double w = a * std::sqrt(3.0);
    p.setPen(QPen(d.line, 0.9));
    p.setBrush(Qt::NoBrush);
    for (int row = -12; row <= 12; ++row)
        for (int col = -8; col <= 8; ++col) {
            const QPointF h(c.x() + col * w + (row % 2 ? w / 2 : 0), c.y() + row * a * 1.5);
            QPolygonF hex;
            for (int k = 0; k < 6; ++k) {
                const double ang = (60.0 * k + 30.0) * 3.14159265358979 / 180.0;
                hex << QPointF(h.x() + a * std::cos(ang), h.y() + a * std::sin(ang));
            }
            p.drawPolygon(hex);
        }
}

void sunburst(QPainter& p, const QRectF& r, const BackDesign& d) {
    const QPointF c = r.center();
    const double big = r.width() + r.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(48, 46, 52));
    for (int i = 0; i < 32; i += 2) {
        QPainterPath ray;
        ray.moveTo(c);
        ray.arcTo(QRectF(c.x() - big, c.y() - big, 2 * big, 2 * big), i * 11.25, 11.25);
        ray.closeSubpath();
        p.drawPath(ray);
    }
    p.setPen(QPen(d.line, 1.0));
    p.setBrush(d.base);
    p.drawEllipse(c, r.width() * 0.22, r.width() * 0.22);
    p.setPen(Qt::NoPen);
    p.setBrush(d.line);
    const double s = r.width() * 0.2;
    p.drawPath(SuitPathIn(Diamonds, QRectF(c.x() - s * 0.6, c.y() - s * 0.75, s * 1.2, s * 1.5)));
    p.setPen(QPen(d.line, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(2.5, 2.5, -2.5, -2.5));
}

QImage paintBack(int design, bool small) {
    const BackDesign& d = kBacks[design];
    const int W = small ? kSmallW : kLargeW, H = small ? kSmallH : kLargeH;
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    DrawCardGround(p, QRectF(0, 0, W, H), QColor(255, 255, 255), kEdge);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double m = small ? 3 : 4;
    const QRectF panel(m, m, W - 2 * m, H - 2 * m);
    QPainterPath clip;
    clip.addRoundedRect(panel, 2, 2);
    p.setClipPath(clip);
    p.fillRect(panel, d.base);
    switch (design) {
    case 0:
    case 1: lattice(p, panel, d, 6); break;
    case 2: chevrons(p, panel, d); break;
    case 3: rosette(p, panel, d); break;
    case 4: checks(p, panel, d); break;
    case 5: waves(p, panel, d); break;
    case 6: honeycomb(p, panel, d); break;
    default: sunburst(p, panel, d); break;
    }
    p.setClipping(false);
    p.setPen(QPen(d.base.darker(140), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(panel.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    p.end();
    return img;
}

// Draws path sunk into the surface: a dark line with a light one beside it.
void engrave(QPainter& p, const QPainterPath& path, const QColor& dark, const QColor& light) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(light, 1.0));
    p.drawPath(path.translated(0.8, 0.8));
    p.setPen(QPen(dark, 1.0));
    p.drawPath(path);
}

QImage paintEmpty(bool wood, bool small) {
    const int W = small ? kSmallW : kLargeW, H = small ? kSmallH : kLargeH;
    QImage img(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            QColor c;
            if (wood) {
                // Vertical grain: bands that wander a little, with fine noise.
                const double band = std::sin((x + 2.2 * std::sin(y * 0.11 + x * 0.05)) * 0.9);
                const double t = 0.5 + 0.22 * band + 0.1 * (Noise(x, y / 3, 7) - 0.5);
                c = Mix(QColor(172, 120, 70), QColor(122, 78, 40), t + y * 0.0015);
            } else {
                // Brushed metal: a soft gradient with faint horizontal streaks.
                const double t = double(y) / H * 0.75 + 0.08 * (Noise(x / 9, y, 3) - 0.5);
                c = Mix(QColor(226, 229, 234), QColor(156, 162, 171), t);
            }
            img.setPixelColor(x, y, c);
        }
    QPainter p(&img);
    const QColor edge = wood ? QColor(64, 40, 20) : QColor(84, 90, 100);
    const QColor dark = wood ? QColor(84, 50, 22) : QColor(112, 118, 128);
    const QColor light = wood ? QColor(206, 160, 108) : QColor(246, 248, 250);
    p.setPen(edge);
    p.drawRect(0, 0, W - 1, H - 1);
    // A raised rim: light on the top and left, dark on the bottom and right.
    p.setPen(light);
    p.drawLine(1, 1, W - 2, 1);
    p.drawLine(1, 1, 1, H - 2);
    p.setPen(dark);
    p.drawLine(2, H - 2, W - 2, H - 2);
    p.drawLine(W - 2, 2, W - 2, H - 2);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double m = small ? 6.5 : 7.5;
    QPainterPath frame;
    frame.addRoundedRect(QRectF(m, m, W - 2 * m - 1, H - 2 * m - 1), 4, 4);
    engrave(p, frame, dark, light);
    const QPointF c(W / 2.0 - 0.5, H / 2.0 - 0.5);
    const double r = W * 0.2;
    QPainterPath ring;
    ring.addEllipse(c, r, r);
    engrave(p, ring, dark, light);
    // Four small suit marks round the ring: the pile waits for any card.
    for (int s = 1; s <= 4; ++s) {
        const double a = (s - 1) * 90.0 * 3.14159265358979 / 180.0;
        const QPointF at(c.x() + r * 1.45 * std::sin(a), c.y() - r * 1.95 * std::cos(a));
        const double w = small ? 6 : 7;
        QPainterPath pip = SuitPathIn(s, QRectF(at.x() - w / 2, at.y() - w / 2, w, w * 1.08));
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawPath(pip.translated(0.7, 0.7));
        p.setBrush(dark);
        p.drawPath(pip);
    }
    QPainterPath star;
    const double k = r * 0.62;
    star.moveTo(c.x(), c.y() - k);
    star.quadTo(c.x() + k * 0.18, c.y() - k * 0.18, c.x() + k, c.y());
    star.quadTo(c.x() + k * 0.18, c.y() + k * 0.18, c.x(), c.y() + k);
    star.quadTo(c.x() - k * 0.18, c.y() + k * 0.18, c.x() - k, c.y());
    star.quadTo(c.x() - k * 0.18, c.y() - k * 0.18, c.x(), c.y() - k);
    engrave(p, star, dark, light);
    p.end();
    return img;
}

}  // namespace

int BackDesignCount() { return kBackCount; }

QString BackDesignName(int design) {
    if (design < 0 || design >= kBackCount) return QString();
    return QString::fromLatin1(kBacks[design].name);
}

int32_t BackDesignColor(int design) {
    return design >= 0 && design < kBackCount ? kBacks[design].colour : vb::RGB(192, 224, 255);
}

QImage Back(int design, bool small) {
    if (design < 0 || design >= kBackCount) return QImage();
    static std::map<std::pair<int, bool>, QImage> cache;
    auto it = cache.find({design, small});
    if (it == cache.end())
        it = cache.emplace(std::make_pair(design, small), paintBack(design, small)).first;
    return it->second;
}

QImage PlainBack() {
    static const QImage plain = [] {
        QImage img(kLargeW, kLargeH, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, true);
        // A faint lattice, even all over, so the picture can be cut to
        // either card size.
        p.setPen(QPen(QColor(255, 255, 255, 46), 1.0));
        for (double k = -200; k <= 200; k += 8) {
            p.drawLine(QPointF(k, 0), QPointF(k + 200, 200));
            p.drawLine(QPointF(k, 0), QPointF(k - 200, 200));
        }
        p.end();
        return img;
    }();
    return plain;
}

QImage EmptyMark(bool wood, bool small) {
    static std::map<std::pair<bool, bool>, QImage> cache;
    auto it = cache.find({wood, small});
    if (it == cache.end()) it = cache.emplace(std::make_pair(wood, small), paintEmpty(wood, small)).first;
    return it->second;
}

}  // namespace grisk::card_art
