#include "shell/tutorial_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace grisk {

QImage TutorialWelcomePicture(QSize size) {
    if (size.isEmpty()) return {};
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(255, 253, 232));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Three cards fanned out in the lower right corner, faint under the text.
    const QSizeF card(38, 52);
    const QPointF pivot(size.width() - 40.0, size.height() - 12.0);
    const QColor suits[] = {QColor(200, 60, 60, 70), QColor(40, 40, 40, 60), QColor(200, 60, 60, 70)};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(pivot);
        p.rotate(-25.0 + 25.0 * i);
        const QRectF r(-card.width() / 2, -card.height(), card.width(), card.height());
        p.setPen(QPen(QColor(120, 110, 80, 90), 1));
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawRoundedRect(r, 4, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(suits[i]);
        p.drawEllipse(r.center(), 7, 7);
        p.restore();
    }
    return img;
}

QImage TutorialPointer(bool up) {
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn pointing right, turned for the upward pointer.
    if (up) {
        p.translate(16, 16);
        p.rotate(-90);
        p.translate(-16, -16);
    }
    QPainterPath arrow;
    arrow.moveTo(3, 11);
    arrow.lineTo(17, 11);
    arrow.lineTo(17, 3);
    arrow.lineTo(30, 16);
    arrow.lineTo(17, 29);
    arrow.lineTo(17, 21);
    arrow.lineTo(3, 21);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(90, 30, 0), 2));
    p.setBrush(QColor(255, 200, 0));
    p.drawPath(arrow);
    return img;
}

}  // namespace grisk
