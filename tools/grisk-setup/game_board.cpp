#include "game_board.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace grisk_setup {

namespace {

// The felt's colours lie on one line in RGB, from dark to light; blending
// two of them stays on it, so every painted pixel maps back to a shade.
constexpr double kDark[3] = {14.0, 70.0, 32.0};
constexpr double kLight[3] = {66.0, 146.0, 84.0};
constexpr double kBase = 0.46;  // the felt's own shade

QRgb shade(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return qRgb(static_cast<int>(std::lround(kDark[0] + t * (kLight[0] - kDark[0]))),
                static_cast<int>(std::lround(kDark[1] + t * (kLight[1] - kDark[1]))),
                static_cast<int>(std::lround(kDark[2] + t * (kLight[2] - kDark[2]))));
}

// The shade (0..1) nearest to a colour.
double shadeOf(QRgb c) {
    double dot = 0;
    double len = 0;
    const double v[3] = {static_cast<double>(qRed(c)), static_cast<double>(qGreen(c)),
                         static_cast<double>(qBlue(c))};
    for (int i = 0; i < 3; ++i) {
        const double d = kLight[i] - kDark[i];
        dot += (v[i] - kDark[i]) * d;
        len += d * d;
    }
    return std::clamp(dot / len, 0.0, 1.0);
}

// A small generator with a fixed start: the board never changes.
class Noise {
public:
    uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    double unit() { return (next() >> 8) / 16777216.0; }  // 0..1
    double signedUnit() { return 2.0 * unit() - 1.0; }

private:
    uint32_t state_ = 0x5EED6A3Bu;
};

// Smooth noise on a lattice that wraps at the picture's edges.
class WrappedLattice {
public:
    WrappedLattice(int cellsX, int cellsY, Noise& noise) : cx_(cellsX), cy_(cellsY), v_(cellsX * cellsY) {
        for (double& v : v_) v = noise.signedUnit();
    }
    double at(double x, double y) const {  // x, y in cells
        const int x0 = static_cast<int>(std::floor(x));
        const int y0 = static_cast<int>(std::floor(y));
        const double fx = smooth(x - x0);
        const double fy = smooth(y - y0);
        const double top = mix(value(x0, y0), value(x0 + 1, y0), fx);
        const double bottom = mix(value(x0, y0 + 1), value(x0 + 1, y0 + 1), fx);
        return mix(top, bottom, fy);
    }

private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    static double mix(double a, double b, double t) { return a + (b - a) * t; }
    double value(int x, int y) const { return v_[((y % cy_ + cy_) % cy_) * cx_ + (x % cx_ + cx_) % cx_]; }
    int cx_, cy_;
    std::vector<double> v_;
};

// Cloudy shading and a fine grain, pixel by pixel.
void paintCloth(QImage& board, Noise& noise) {
    const WrappedLattice broad(8, 6, noise);
    const WrappedLattice fine(32, 24, noise);
    for (int y = 0; y < kBoardHeight; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(board.scanLine(y));
        for (int x = 0; x < kBoardWidth; ++x) {
            const double t = kBase + 0.07 * broad.at(x * 8.0 / kBoardWidth, y * 6.0 / kBoardHeight) +
                             0.035 * fine.at(x * 32.0 / kBoardWidth, y * 24.0 / kBoardHeight) +
                             0.03 * noise.signedUnit();
            row[x] = shade(t);
        }
    }
}

// Short fibres lying every way, each drawn again across the edges it
// crosses so that the tiles meet without a seam.
void paintFibres(QImage& board, Noise& noise) {
    QPainter p(&board);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int i = 0; i < 2600; ++i) {
        const double x = noise.unit() * kBoardWidth;
        const double y = noise.unit() * kBoardHeight;
        const double angle = noise.unit() * 2 * M_PI;
        const double length = 2.5 + noise.unit() * 6.0;
        const bool light = noise.unit() < 0.5;
        QColor c = QColor::fromRgb(shade(light ? kBase + 0.22 : kBase - 0.24));
        c.setAlpha(30 + static_cast<int>(noise.unit() * 40));
        p.setPen(QPen(c, 0.7, Qt::SolidLine, Qt::RoundCap));
        const QPointF a(x, y);
        const QPointF b(x + length * std::cos(angle), y + length * std::sin(angle));
        for (int dx : {-kBoardWidth, 0, kBoardWidth})
            for (int dy : {-kBoardHeight, 0, kBoardHeight}) p.drawLine(a + QPointF(dx, dy), b + QPointF(dx, dy));
    }
}

}  // namespace

QImage DrawGameBoard() {
    Noise noise;
    QImage board(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
    paintCloth(board, noise);
    paintFibres(board, noise);

    QImage indexed(kBoardWidth, kBoardHeight, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int i = 0; i < 256; ++i) colours << shade(i / 255.0);
    indexed.setColorTable(colours);
    for (int y = 0; y < kBoardHeight; ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(board.constScanLine(y));
        uchar* to = indexed.scanLine(y);
        for (int x = 0; x < kBoardWidth; ++x) to[x] = static_cast<uchar>(std::lround(shadeOf(from[x]) * 255));
    }
    return indexed;
}

}  // namespace grisk_setup
