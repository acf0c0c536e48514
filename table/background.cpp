#include "table/background.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <memory>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/twips.h"
#include "engine/general.h"
#include "platform/msgbox.h"
#include "records/state.h"
#include "records/user_files.h"
#include "table/control_art.h"

namespace grisk {

FrmBackground::FrmBackground()
    : vb::Form(QStringLiteral("frmBackground")),
      imgBackground(addControl(vb::Kind::Image, "imgBackground")),
      imgMouse(addArray(vb::Kind::Image, "imgMouse", 0)) {
    imgMouse.Load(1);
    for (int i = 0; i <= 1; ++i) {
        imgMouse(i).setPicture(control_art::HandPointer(i));
        imgMouse(i).setVisible(false);  // only kept for the avatar's pointers
    }
    setCaption(QStringLiteral("Background Picture"));
}

FrmBackground& frmBackground() {
    return vb::DefaultInstance<FrmBackground>::get();
}

bool BackgroundPictureChosen() {
    return recs.BackgroundIdx != 0 && recs.BackgroundIdx != recs.NumBackgrounds + 1;
}

QImage BackgroundPicture(const QString& fileName) {
    struct Decoded {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        QImage picture;
    };
    static Decoded last;
    const QString path = eng.UserFolder + "Backgrounds/" + fileName;
    const QFileInfo file(path);
    if (!file.isFile()) return QImage();
    if (last.path != path || last.size != file.size() || last.modified != file.lastModified()) {
        QImage picture;
        picture.load(path);
        last = {path, file.size(), file.lastModified(), picture};
    }
    return last.picture;
}

namespace {

QSize tableArea(const FrmGrisk& f) {
    return QSize(std::max(1, static_cast<int>(screen::TwipsToPixels(f.Width()))),
                 std::max(1, static_cast<int>(screen::TwipsToPixels(f.Height()))));
}

// The chosen picture, or a null one when the entry is outside the list or
// its file cannot be read.
QImage chosenPicture() {
    if (!recs.Backgrounds.inRange({recs.BackgroundIdx}) || recs.BackgroundIdx < 1 ||
        recs.BackgroundIdx > recs.NumBackgrounds)
        return QImage();
    return BackgroundPicture(recs.Backgrounds(recs.BackgroundIdx));
}

}  // namespace

void ShowBackgroundWindow() {
    FrmBackground& w = frmBackground();
    const QImage picture = chosenPicture();
    w.imgBackground.setPicture(picture);
    if (!picture.isNull()) {
        const double width = screen::PixelsToTwips(picture.width());
        const double height = screen::PixelsToTwips(picture.height());
        w.imgBackground.setGeometryTw(0, 0, width, height);
        w.setWidth(width + w.frameWidthTw());
        w.setHeight(height + w.frameHeightTw());
    }
    w.imgBackground.setVisible(!picture.isNull());
    w.setBackColor(recs.TableColor);
    w.Show();
}

void LoadTableBackground() {
    FrmGrisk& f = frmGrisk();
    const vb::ScaleMode before = f.scaleMode();
    if (recs.BackgroundIdx == recs.NumBackgrounds + 1) {
        // The plain colour.
        f.setPicture(QImage());
        return;
    }
    QImage picture = chosenPicture();
    if (picture.isNull()) {
        // The list no longer matches the folder: it is made again.
        recs.NumBackgrounds = 0;
        ListBackgroundFiles();
        picture = chosenPicture();
    }
    frmBackground().imgBackground.setPicture(picture);
    if (picture.isNull() || !BackgroundPictureChosen()) {
        f.setPicture(QImage());
        f.setScaleMode(before);
        return;
    }
    if (recs.BackgroundStretched) {
        f.setPicture(picture, vb::PictureLayout::Stretched, tableArea(f));
    } else {
        TileBackground(f, nullptr);
    }
    f.setScaleMode(before);
}

void TileBackground(vb::Form& frm, vb::Control* dest) {
    FrmBackground& store = frmBackground();
    const QImage picture = frm.Name() == QLatin1String("frmOptions") && FrmGriskExists()
                               ? frmGrisk().Picture()
                               : store.imgBackground.Picture();
    if (!dest) {
        // A window lays its tiles out as it paints.
        const QSize area(std::max(1, static_cast<int>(screen::TwipsToPixels(frm.Width()))),
                         std::max(1, static_cast<int>(screen::TwipsToPixels(frm.Height()))));
        frm.setPicture(picture, picture.isNull() ? vb::PictureLayout::AsIs : vb::PictureLayout::Tiled, area);
    } else {
        const QSize area(static_cast<int>(screen::TwipsToPixels(dest->widthTw())),
                         static_cast<int>(screen::TwipsToPixels(dest->heightTw())));
        QImage face;
        if (!area.isEmpty() && !picture.isNull()) {
            face = QImage(area, QImage::Format_RGB32);
            face.fill(vb::toQColor(dest->BackColor()));
            QPainter p(&face);
            for (const QPoint& at : vb::TilePositions(area, picture.size())) p.drawImage(at, picture);
        }
        dest->setPicture(face);
    }
    store.imgBackground.setPicture(QImage());
}

void CycleBackground(int keyCode) {
    if (recs.PrevBackground == 0) {
        eng.MsgText = GetMessageText(32, 34);
        vb::MsgBox(eng.MsgText, vb::vbOKOnly, QStringLiteral("Grisk Backgrounds"));
    }
    const int n = recs.NumBackgrounds + 1;
    const bool forward = keyCode == 32 || keyCode == 40;
    recs.BackgroundIdx += forward ? 1 : -1;
    if (recs.BackgroundIdx > n) recs.BackgroundIdx = 1;
    if (recs.BackgroundIdx < 1) recs.BackgroundIdx = n;
    if (recs.BackgroundIdx == n) {
        FrmGrisk& f = frmGrisk();
        f.setBackColor(recs.TableColor);
        f.setPicture(QImage());
    } else {
        LoadTableBackground();
    }
    recs.PrevBackground = recs.BackgroundIdx;
}

}  // namespace grisk
