// The splash window's lines, painted once at build time onto a see-through
// picture of the window's size, as its labels would show them.
#include <QFont>
#include <QPainter>

#include "shell/splash_text.h"
#include "table/card_art_paint.h"
#include "table/card_art_paths.h"

namespace grisk::card_art {

QImage paint::SplashText() {
    constexpr double kTwipsPerPixel = 15.0;
    QImage img(static_cast<int>(splash::kWindowWidthTw / kTwipsPerPixel),
               static_cast<int>(splash::kWindowHeightTw / kTwipsPerPixel), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setPen(FromVb(splash::kTextColour));
    for (const splash::Line& line : splash::kLines) {
        QFont font(QString::fromLatin1(splash::kFontName));
        font.setPointSizeF(line.points);
        font.setBold(line.bold);
        p.setFont(font);
        const QRectF box(line.leftTw / kTwipsPerPixel, line.topTw / kTwipsPerPixel, line.widthTw / kTwipsPerPixel,
                         line.heightTw / kTwipsPerPixel);
        p.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, splash::LineText(line));
    }
    p.end();
    return img;
}

}  // namespace grisk::card_art
