// A form's picture is laid out as the window paints: stretched over an area
// or tiled at its natural size. What shows must be what a copy of the
// window's size, made once, would show, for any part that is repainted.
#include <gtest/gtest.h>

#include <QPainter>

#include "platform/controls.h"

namespace {

// A picture whose every pixel differs from its neighbours'.
QImage pattern(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb((x * 7) % 256, (y * 11) % 256, (x + y) % 256));
    return img;
}

// What the form paints within the rectangle, over a black ground.
QImage painted(const vb::Form& form, QSize window, QRect within) {
    QImage out(window, QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    p.setClipRect(within);
    form.paintPicture(p, within);
    return out;
}

TEST(FormPicture, StretchedShowsTheScaledPictureInEveryRepaintedPart) {
    const QImage board = pattern(40, 30);
    const QSize window(130, 70);
    vb::Form form("frmTable");
    form.setPicture(board, vb::PictureLayout::Stretched, QSize(111, 59));

    QImage once(window, QImage::Format_RGB32);
    once.fill(Qt::black);
    QPainter p(&once);
    p.drawImage(QRect(0, 0, 111, 59), board);
    p.end();
    EXPECT_EQ(painted(form, window, QRect(QPoint(0, 0), window)), once);

    // A part exposed again shows the same pixels as the whole did.
    const QRect part(37, 11, 50, 41);
    const QImage again = painted(form, window, part);
    for (int y = 0; y < window.height(); ++y)
        for (int x = 0; x < window.width(); ++x)
            ASSERT_EQ(again.pixel(x, y), part.contains(x, y) ? once.pixel(x, y) : qRgb(0, 0, 0)) << x << "," << y;
}

TEST(FormPicture, TiledRepeatsThePictureOverItsAreaAndClipsTheLastTiles) {
    // A picture 100 by 100 over an area of 250 by 120: tiles at x 0, 100
    // and 200 in two rows; the ones at x 200 and y 100 are clipped.
    const QImage tile = pattern(100, 100);
    const QSize window(300, 150);
    vb::Form form("frmSplash");
    form.setPicture(tile, vb::PictureLayout::Tiled, QSize(250, 120));
    for (const QRect& within : {QRect(0, 0, 300, 150), QRect(90, 95, 130, 20)}) {
        SCOPED_TRACE(within.x());
        const QImage out = painted(form, window, within);
        for (int y = 0; y < window.height(); ++y)
            for (int x = 0; x < window.width(); ++x) {
                const bool shown = within.contains(x, y) && x < 250 && y < 120;
                ASSERT_EQ(out.pixel(x, y), shown ? tile.pixel(x % 100, y % 100) : qRgb(0, 0, 0)) << x << "," << y;
            }
    }
}

TEST(FormPicture, TiledWithoutAnAreaCoversWhatIsRepainted) {
    const QImage tile = pattern(30, 20);
    vb::Form form("frmSplash");
    form.setPicture(tile, vb::PictureLayout::Tiled);
    const QImage out = painted(form, QSize(95, 45), QRect(0, 0, 95, 45));
    EXPECT_EQ(out.pixel(94, 44), tile.pixel(94 % 30, 44 % 20));
    EXPECT_EQ(out.pixel(61, 3), tile.pixel(1, 3));
}

TEST(FormPicture, TheLayoutComesBackWithTheDesign) {
    vb::Form form("frmSplash");
    form.setPicture(pattern(10, 10), vb::PictureLayout::Tiled, QSize(50, 40));
    form.LoadAsDesigned();
    form.setPicture(QImage());
    form.Unload();
    form.LoadAsDesigned();
    EXPECT_EQ(form.pictureLayout(), vb::PictureLayout::Tiled);
    EXPECT_EQ(form.pictureArea(), QSize(50, 40));
    EXPECT_EQ(form.Picture().size(), QSize(10, 10));
}

}  // namespace
