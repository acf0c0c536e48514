// Card backs (geometric patterns painted at each card size, never scaled),
// the see-through plain back and the two empty-pile marks.
#include <QLinearGradient>
#include <QPainter>
#include <cmath>

#include "platform/vb.h"
#include "table/card_art.h"
#include "table/card_art_paint.h"
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

// The empty-pile mark: the place where a card goes, pressed into the felt
// and filling the pile's whole picture. A shade darker than the felt,
// shadowed along its top and left and catching the light along its bottom
// and right; its rim takes the tone of the board (wood with the skin, metal
// without) and a faint ring marks the middle. Quiet, so that the cards
// stand out.
QImage paintEmpty(bool wood, bool small) {
    const int W = small ? kSmallW : kLargeW, H = small ? kSmallH : kLargeH;
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(QColor(14, 104, 34));  // only the rounded corners show it
    const QColor recess(22, 86, 42);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double radius = small ? 3.5 : 4.5;
    const QRectF place(0.5, 0.5, W - 1, H - 1);
    QPainterPath hole;
    hole.addRoundedRect(place, radius, radius);
    p.fillPath(hole, recess);
    p.save();
    p.setClipPath(hole);
    // Fine grain, as felt has.
    for (int y = 1; y < H - 1; ++y)
        for (int x = 1; x < W - 1; ++x)
            if (Noise(x, y, 17) > 0.82) {
                p.setPen(QColor(0, 40, 14, 40));
                p.drawPoint(x, y);
            }
    p.setBrush(Qt::NoBrush);
    // The shadow the edge casts into the place, and the light on its far side.
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(0, 34, 12, 90 - 28 * i), 1.0));
        p.drawLine(QPointF(1, 1.5 + i), QPointF(W - 1, 1.5 + i));
        p.drawLine(QPointF(1.5 + i, 1), QPointF(1.5 + i, H - 1));
    }
    p.setPen(QPen(QColor(120, 180, 128, 70), 1.0));
    p.drawLine(QPointF(radius, H - 1.5), QPointF(W - radius, H - 1.5));
    p.drawLine(QPointF(W - 1.5, radius), QPointF(W - 1.5, H - radius));
    p.restore();
    const QColor rim = wood ? QColor(150, 104, 56, 170) : QColor(170, 180, 190, 130);
    p.setPen(QPen(rim, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hole);
    const double ring = W * 0.17;
    p.setPen(QPen(Mix(recess, rim, 0.3), 1.0));
    p.drawEllipse(QPointF(W / 2.0, H / 2.0), ring, ring);
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

QImage paint::Back(int design, bool small) {
    if (design < 0 || design >= kBackCount) return QImage();
    return paintBack(design, small);
}

QImage paint::PlainBack() {
    QImage img(kLargeW, kLargeH, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    // A faint lattice, even all over, so the picture can be cut to either
    // card size.
    p.setPen(QPen(QColor(255, 255, 255, 46), 1.0));
    for (double k = -200; k <= 200; k += 8) {
        p.drawLine(QPointF(k, 0), QPointF(k + 200, 200));
        p.drawLine(QPointF(k, 0), QPointF(k - 200, 200));
    }
    p.end();
    return img;
}

QImage paint::EmptyMark(bool wood, bool small) { return paintEmpty(wood, small); }

}  // namespace grisk::card_art
