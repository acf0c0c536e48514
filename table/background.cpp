#include "table/background.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <algorithm>
#include <memory>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/twips.h"
#include "records/state.h"

namespace grisk {

FrmBackground::FrmBackground()
    : vb::Form(QStringLiteral("frmBackground")),
      imgBackground(addControl(vb::Kind::Image, "imgBackground")) {}

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

void LoadTableBackground() {
    FrmGrisk& f = frmGrisk();
    if (!BackgroundPictureChosen() || !recs.Backgrounds.inRange({recs.BackgroundIdx})) {
        f.setPicture(QImage());
        return;
    }
    const QImage picture = BackgroundPicture(recs.Backgrounds(recs.BackgroundIdx));
    frmBackground().imgBackground.setPicture(picture);
    if (picture.isNull()) {
        f.setPicture(QImage());
        return;
    }
    // The window lays the picture out as it paints.
    const QSize area(std::max(1, static_cast<int>(screen::TwipsToPixels(f.Width()))),
                     std::max(1, static_cast<int>(screen::TwipsToPixels(f.Height()))));
    f.setPicture(picture, recs.BackgroundTiled ? vb::PictureLayout::Tiled : vb::PictureLayout::Stretched, area);
}

}  // namespace grisk
