#include "table/avatar.h"

#include <QImage>

#include "engine/frm_grisk.h"
#include "engine/state.h"

namespace grisk {

void ShowAvatar(const QString& fileName) {
    vb::Control& img = frmGrisk().ImgAvatar;
    QImage picture;
    if (!fileName.isEmpty()) picture.load(eng.UserFolder + "Avatars/" + fileName);
    img.setPicture(picture);
    img.setStretch(true);
    img.setTag(fileName);
}

}  // namespace grisk
