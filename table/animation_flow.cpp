#include "table/animation_flow.h"

#include <QFile>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/state.h"
#include "platform/controls.h"
#include "platform/eventwait.h"
#include "platform/msgbox.h"
#include "platform/twips.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/background.h"
#include "table/frm_pic.h"
#include "table/layout_sizes.h"

namespace grisk {

namespace {

// The flow draws straight onto the table window and into the stock, as a
// window does that keeps no persistent image: the pictures they had before
// come back when the flow ends.
struct FlowScreen {
    QImage tablePicture;
    bool stockTaken = false;
    QImage stockPicture;
    qint64 stockFrame = 0;  // cache key of the last frame put into the stock
};
FlowScreen screenBefore;

long pixels(double twips) { return std::lround(screen::TwipsToPixels(twips)); }

// Large tiles and strips while the table shows large cards for everyone.
bool smallTile() {
    return tbl.DisplayMode > 1 || (eng.NumPlayers >= 3 && eng.ScreenWidthTw < 12001);
}

QString tileFile() { return eng.DataFolder + QStringLiteral("~temp.bmp"); }

QImage sourceCopy(const QImage& from, int w, int h) {
    QImage out(std::max(1, w), std::max(1, h), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, from);
    return out;
}


void paintStock(FrmGrisk& f, const QImage& frame) {
    vb::Control& stock = f.PicCenter(0);
    if (!screenBefore.stockTaken) {
        screenBefore.stockTaken = true;
        screenBefore.stockPicture = stock.Picture();
    }
    stock.setPicture(frame);
    screenBefore.stockFrame = stock.Picture().cacheKey();
}

// The pictures the table window and the stock keep come back.
void restoreScreen(FrmGrisk& f) {
    if (BackgroundPictureChosen())
        LoadTableBackground();
    else
        f.setPicture(screenBefore.tablePicture);
    vb::Control& stock = f.PicCenter(0);
    // A stock redrawn while the flow ran keeps its new picture.
    if (screenBefore.stockTaken && stock.Picture().cacheKey() == screenBefore.stockFrame)
        stock.setPicture(screenBefore.stockPicture);
    screenBefore = FlowScreen{};
}

// The pause after each frame: as the processor's speed asks, but never
// shorter than a frame of the screen (a processor that reports a low speed
// to save power would otherwise make the pattern race).
double framePause() {
    double seconds = 0.01;
    if (eng.CpuSpeed < 1000)
        seconds = 0.001;
    else if (eng.CpuSpeed >= 1800)
        seconds = 0.02;
    return std::max(seconds, waits::FrameMs() / 1000.0);
}

void layTiles(const QImage& tile, int across, int down, int offX, int offY, int displayStyle) {
    QImage& back = tbl.BackBuffer.Bitmap;
    if (tile.isNull() || back.isNull()) return;
    const int w = tile.width();
    const int h = tile.height();
    QPainter p(&back);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int i = 0; i <= down; ++i) {
        if (displayStyle != 0) {
            // A single strip along the top edge.
            p.drawImage((i - 1) * w + offX, 0, tile);
            continue;
        }
        for (int j = 0; j <= across; ++j) p.drawImage((i - 1) * w + offX, (j - 1) * h + offY, tile);
    }
}

// Steps 3.1 to 3.4 of the flow until the stop request; with no tile the
// frames show the back buffer as it stands.
void runFlowLoop(const QImage& tile, FlowTileCount tiles, int displayStyle) {
    const int w = tile.width();
    const int h = tile.height();
    int offX = 0;
    int offY = 0;
    do {
        layTiles(tile, tiles.Across, tiles.Down, offX, offY, displayStyle);
        PaintBuffers(displayStyle);
        offX += 2;
        offY -= 1;
        if (offX > w) offX = 1;
        if (offX < -w) offX = -1;
        if (offY > h) offY = 1;
        if (offY < -h) offY = -1;
        if (cmd.FlowClicked) break;
        waits::DoEvents();
        Pause(framePause());
        // Nobody watches a run without pauses (tests, the simulator): one
        // frame is the whole show.
        if (!(waits::PauseScale() > 0)) cmd.FlowClicked = true;
    } while (!cmd.FlowClicked);
}

}  // namespace

QImage TableSurface(FrmGrisk& f) {
    const int w = static_cast<int>(pixels(f.Width() - vb::FrameWidthTw()));
    const int h = static_cast<int>(pixels(f.Height() - vb::FrameHeightTw()));
    QImage surface(std::max(1, w), std::max(1, h), QImage::Format_RGB32);
    surface.fill(vb::toQColor(f.BackColor()));
    if (!f.Picture().isNull()) {
        // Tiled or stretched as the window paints it.
        QPainter p(&surface);
        f.paintPicture(p, surface.rect());
    }
    return surface;
}

void LoadBitmapBuffer(BitmapBuffer& buffer) {
    if (buffer.FileName.isEmpty() || !QFile::exists(buffer.FileName)) return;
    FreeBitmapBuffer(buffer);
    QImage picture(buffer.FileName);
    if (picture.isNull()) {
        vb::MsgBox(QStringLiteral("Error: Unable to load ") + buffer.FileName + QStringLiteral("!!!"));
        return;
    }
    buffer.Bitmap = picture.convertToFormat(QImage::Format_RGB32);
    buffer.Width = buffer.Bitmap.width();
    buffer.Height = buffer.Bitmap.height();
}

void FreeBitmapBuffer(BitmapBuffer& buffer) {
    buffer.Bitmap = QImage();
    buffer.Width = 0;
    buffer.Height = 0;
}

void FreeAllBuffers() {
    FreeBitmapBuffer(tbl.BackBuffer);
    FreeBitmapBuffer(tbl.FlowTile);
}

void CreateBackBuffer(BitmapBuffer& buffer, long width, long height) {
    FreeBitmapBuffer(buffer);
    if (width < 1 || height < 1) return;
    buffer.Bitmap = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    buffer.Bitmap.fill(Qt::black);
    buffer.Width = static_cast<int>(width);
    buffer.Height = static_cast<int>(height);
}

void PrepareAnimation() {
    FrmGrisk& f = frmGrisk();
    tbl.BackBufferWidth = pixels(f.Width());
    tbl.BackBufferHeight = pixels(f.Height());
    waits::DoEvents();
    CreateBackBuffer(tbl.BackBuffer, pixels(f.Width() - vb::FrameWidthTw()),
                     pixels(f.Height() - vb::FrameHeightTw()));
}

void PaintBuffers(int displayStyle) {
    FrmGrisk& f = frmGrisk();
    const QImage& back = tbl.BackBuffer.Bitmap;
    if (back.isNull()) return;
    const int wide = static_cast<int>(std::min<long>(tbl.BackBufferWidth, back.width()));
    if (displayStyle == 0) {
        const int high = static_cast<int>(std::min<long>(tbl.BackBufferHeight, back.height()));
        f.setPicture(back.copy(0, 0, wide, high));
    } else if (displayStyle == 1) {
        const int rowHeight = smallTile() ? kSmallCardHeightPx : kCardHeightPx;
        const QImage strip = back.copy(0, 0, wide, rowHeight);
        QImage surface = TableSurface(f);
        QPainter p(&surface);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(2, static_cast<int>(pixels(f.Picture1(1).topTw())), strip);
        p.drawImage(2, static_cast<int>(pixels(f.Picture7(1).topTw())), strip);
        p.end();
        f.setPicture(surface);
    } else {
        const bool large = eng.NumPlayers == 2 || eng.ScreenWidthTw > 12000;
        paintStock(f, sourceCopy(back, large ? kCardWidthPx : kSmallCardWidthPx,
                                 large ? kCardHeightPx : kSmallCardHeightPx));
    }
}

FlowTileCount FlowTiles(long backWidth, long backHeight, int tileWidth, int tileHeight,
                        int displayStyle) {
    FlowTileCount n;
    if (tileWidth < 1 || tileHeight < 1) return n;
    n.Across = static_cast<int>(backWidth / tileWidth + 1);
    n.Down = static_cast<int>(backHeight / tileHeight + 1);
    if (n.Across * tileWidth - backWidth < 69) {
        n.Down *= 3;
        n.Across += 1;
    } else if (displayStyle == 1) {
        n.Down += 3;
    } else {
        n.Down += 5;
    }
    return n;
}

void AnimateCardsFlow(int displayStyle) {
    if (cmd.FlowRunning) {
        // Joins the running flow; the call that set it up cleans up.
        runFlowLoop(QImage(), FlowTileCount{}, displayStyle);
        return;
    }
    FrmGrisk& f = frmGrisk();
    {
        // This call owns the flow from here on (a call made while it sets up
        // joins it): whatever happens, it alone frees the buffers and puts
        // the table back, once.
        cmd.FlowRunning = true;
        struct Owner {
            FrmGrisk& f;
            ~Owner() {
                FreeAllBuffers();
                QFile::remove(tileFile());
                try {
                    restoreScreen(f);
                } catch (...) {
                }
                cmd.FlowRunning = false;
            }
        } owner{f};
        screenBefore = FlowScreen{};
        screenBefore.tablePicture = f.Picture();
        frmPic().FilePic(smallTile() ? 5 : 0).Picture().save(tileFile(), "BMP");
        PrepareAnimation();
        f.Timer1.Enabled = false;
        cmd.FlowClicked = false;

        tbl.FlowTile.FileName = tileFile();
        LoadBitmapBuffer(tbl.FlowTile);
        const QImage tile = tbl.FlowTile.Bitmap;
        // Without a tile there is nothing to show: the flow ends at once.
        if (!tile.isNull())
            runFlowLoop(tile,
                        FlowTiles(tbl.BackBufferWidth, tbl.BackBufferHeight, tile.width(),
                                  tile.height(), displayStyle),
                        displayStyle);
    }
    if (cmd.FlowStop) {
        cmd.FlowStop = false;
        // A program that is closing deals no new game.
        if (!eng.Quitting) f.Click(f.cmdDeal);
    }
}

}  // namespace grisk
