// The boards that lie behind the centre piles: a felt inlay in a rim of
// wood (worn with the skin) or of brushed metal, wide for three piles in a
// row and tall for four in a block.
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "table/card_art.h"
#include "table/card_art_paint.h"
#include "table/card_art_paths.h"

namespace grisk::card_art {

namespace {

// Three large cards 80 pixels apart, or two by two, with a margin of 15 to
// the left and 16 above (the board's place is the first pile's less that).
constexpr int kWideW = 262;
constexpr int kWideH = 128;
constexpr int kTallW = 182;
constexpr int kTallH = 230;
constexpr double kRim = 7.0;
constexpr double kCorner = 11.0;

QColor rimColour(bool wood, int x, int y, int w, int h) {
    if (wood) {
        // Grain running round the rim: along the long sides horizontally,
        // along the short ones vertically.
        const bool side = x < kRim || x >= w - kRim;
        const int along = side ? y : x;
        const int across = side ? x : y;
        const double band = std::sin((across * 1.7 + 2.5 * std::sin(along * 0.07 + across)) * 0.8);
        const double t = 0.5 + 0.25 * band + 0.12 * (Noise(along / 4, across, 11) - 0.5);
        return Mix(QColor(170, 112, 60), QColor(104, 62, 28), t);
    }
    const double t = 0.25 + 0.5 * (double(x) / w + double(y) / h) / 2 + 0.1 * (Noise(x / 11, y, 5) - 0.5);
    return Mix(QColor(232, 235, 240), QColor(128, 134, 144), t);
}

QImage paintBoard(bool wood, bool tall) {
    const int w = tall ? kTallW : kWideW;
    const int h = tall ? kTallH : kWideH;
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainterPath outer;
    outer.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), kCorner, kCorner);
    QImage rim(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) rim.setPixelColor(x, y, rimColour(wood, x, y, w, h));

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setClipPath(outer);
    p.drawImage(0, 0, rim);
    p.setClipping(false);
    const QColor edge = wood ? QColor(58, 34, 14) : QColor(70, 76, 86);
    const QColor light = wood ? QColor(214, 168, 116) : QColor(250, 251, 253);
    const QColor dark = wood ? QColor(80, 46, 18) : QColor(104, 110, 120);
    p.setPen(QPen(edge, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outer);

    // The felt, sunk into the rim: lit from the top left.
    const QRectF inlay(kRim, kRim, w - 2 * kRim, h - 2 * kRim);
    QPainterPath felt;
    felt.addRoundedRect(inlay, kCorner - kRim + 2, kCorner - kRim + 2);
    QRadialGradient glow(inlay.center(), std::max(inlay.width(), inlay.height()) * 0.7);
    glow.setColorAt(0, wood ? QColor(22, 118, 52) : QColor(18, 108, 64));
    glow.setColorAt(1, wood ? QColor(8, 72, 30) : QColor(6, 64, 40));
    p.fillPath(felt, glow);
    p.setPen(QPen(dark, 1.2));
    p.drawPath(felt);
    p.setPen(QPen(light, 1.0));
    p.drawLine(QPointF(inlay.left() + kCorner, inlay.bottom() + 0.8),
               QPointF(inlay.right() - kCorner, inlay.bottom() + 0.8));
    p.drawLine(QPointF(inlay.right() + 0.8, inlay.top() + kCorner),
               QPointF(inlay.right() + 0.8, inlay.bottom() - kCorner));

    // A fine stitch round the felt.
    QPen stitch(wood ? QColor(196, 170, 96, 150) : QColor(200, 206, 214, 140), 1.0, Qt::DashLine);
    stitch.setDashPattern({3, 3});
    p.setPen(stitch);
    QPainterPath seam;
    seam.addRoundedRect(inlay.adjusted(4, 4, -4, -4), 5, 5);
    p.drawPath(seam);

    // Corner pieces: pegs in the wood, rivets in the metal.
    const double c = kRim / 2 + 0.5;
    for (const QPointF& at : {QPointF(c + 3, c + 3), QPointF(w - c - 3, c + 3), QPointF(c + 3, h - c - 3),
                              QPointF(w - c - 3, h - c - 3)}) {
        QRadialGradient head(at - QPointF(0.8, 0.8), 3.2);
        head.setColorAt(0, light);
        head.setColorAt(1, dark);
        p.setPen(QPen(edge, 0.6));
        p.setBrush(head);
        p.drawEllipse(at, 2.4, 2.4);
    }
    return img;
}

}  // namespace

QImage paint::CentreBoard(bool wood, bool tall) { return paintBoard(wood, tall); }

}  // namespace grisk::card_art
