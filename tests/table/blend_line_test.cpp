// The menu strip's grain and bevel lines are blended pixel by pixel: each
// comes out as the antialiasing painter draws the same line, over any
// ground, at the picture's edges and past them.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include "table/control_art.h"

namespace {

QImage ground(int kind) {
    QImage img(40, 9, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    switch (kind) {
    case 0: {
        QLinearGradient light(0, 0, 0, 9);
        light.setColorAt(0, QColor(236, 238, 242));
        light.setColorAt(1, QColor(160, 164, 172));
        p.fillRect(img.rect(), light);
        break;
    }
    case 1:
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) img.setPixelColor(x, y, QColor((x * 37) % 256, (y * 53) % 256, (x * y * 11) % 256));
        break;
    case 2: p.fillRect(QRect(0, 0, 20, 9), QColor(40, 90, 200, 120)); break;  // part see-through, part clear
    default: break;
    }
    return img;
}

TEST(BlendLineTest, ALineComesOutAsThePainterDrawsIt) {
    const struct {
        int x1, x2, y;
    } lines[] = {{3, 12, 4}, {0, 39, 0}, {0, 39, 8}, {-5, 3, 5}, {30, 60, 2}, {10, 11, 6}, {-3, 45, 9}};
    const QColor colours[] = {QColor(255, 255, 255, 40), QColor(255, 255, 255, 89), QColor(0, 0, 0, 120),
                              QColor(96, 58, 28, 90), QColor(150, 110, 60), QColor(255, 255, 255, 150)};
    for (int kind = 0; kind <= 3; ++kind)
        for (const auto& l : lines)
            for (const QColor& c : colours) {
                SCOPED_TRACE(::testing::Message() << "ground " << kind << ", line " << l.x1 << ".." << l.x2 << " at "
                                                  << l.y << ", colour " << c.name(QColor::HexArgb).toStdString());
                QImage painted = ground(kind);
                {
                    QPainter p(&painted);
                    p.setRenderHint(QPainter::Antialiasing);
                    p.setPen(c);
                    p.drawLine(l.x1, l.y, l.x2, l.y);
                }
                QImage blended = ground(kind);
                grisk::control_art::BlendLine(blended, l.x1, l.x2, l.y, c);
                EXPECT_EQ(blended, painted);
            }
}

// Lines drawn one over another keep the painter's order and rounding.
TEST(BlendLineTest, LinesOverLinesComeOutAsThePainterDrawsThem) {
    QImage painted = ground(0);
    QImage blended = ground(0);
    QPainter p(&painted);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 60; ++i) {
        const int y = (i * 7) % 10, x = (i * 13) % 40, x2 = x + 3 + (i * 5) % 30;
        const QColor c(255, 255 - i, 255, 40 + i % 50);
        p.setPen(c);
        p.drawLine(x, y, x2, y);
        grisk::control_art::BlendLine(blended, x, x2, y, c);
    }
    p.end();
    EXPECT_EQ(blended, painted);
}

}  // namespace
