#include "table/background.h"

#include <QImage>
#include <QPainter>
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

void LoadTableBackground() {
    FrmGrisk& f = frmGrisk();
    if (!BackgroundPictureChosen() || !recs.Backgrounds.inRange({recs.BackgroundIdx})) {
        f.setPicture(QImage());
        return;
    }
    QImage picture;
    picture.load(eng.UserFolder + "Backgrounds/" + recs.Backgrounds(recs.BackgroundIdx));
    frmBackground().imgBackground.setPicture(picture);
    if (picture.isNull()) {
        f.setPicture(QImage());
        return;
    }
    const int w = static_cast<int>(screen::TwipsToPixels(f.Width()));
    const int h = static_cast<int>(screen::TwipsToPixels(f.Height()));
    QImage table(std::max(1, w), std::max(1, h), QImage::Format_RGB32);
    QPainter p(&table);
    if (recs.BackgroundTiled) {
        for (int y = 0; y < h; y += picture.height())
            for (int x = 0; x < w; x += picture.width()) p.drawImage(x, y, picture);
    } else {
        p.drawImage(table.rect(), picture);
    }
    p.end();
    f.setPicture(table);
}

}  // namespace grisk
