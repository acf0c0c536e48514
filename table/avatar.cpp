#include "table/avatar.h"

#include <QImage>
#include <QImageReader>

#include "engine/frm_grisk.h"
#include "engine/program_sound.h"
#include "engine/state.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/vb.h"
#include "records/state.h"
#include "table/background.h"
#include "table/frm_pic.h"
#include "table/seat_controls.h"

namespace grisk {

namespace {

constexpr int kSoundSlapped = 118;

// The avatar's box, in pixels: 130 square at the top, but 110 square beside
// the centre with four players on a narrow screen.
void placeAvatarBox(FrmGrisk& f) {
    f.setScaleMode(vb::ScaleMode::Pixels);
    vb::Control& img = f.ImgAvatar;
    if (eng.NumPlayers < 4 || eng.ScreenWidthTw >= 12001) {
        img.setWidth(130);
        img.setHeight(130);
        img.setTop(0);
        if (eng.ScreenWidthTw < 12001 && eng.NumPlayers == 3) img.setLeft(25);
    } else {
        img.setWidth(110);
        img.setHeight(110);
        img.setTop(f.imgCenter.Top());
    }
}

}  // namespace

void ShowAvatar(const QString& fileName) {
    FrmGrisk& f = frmGrisk();
    f.ImgAvatar.setTag(fileName);
    const QString path = eng.UserFolder + "Avatars/" + fileName;
    QImage picture;
    if (!fileName.isEmpty()) picture.load(path);
    // Nothing to show: the avatar stays as it was.
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) return;

    placeAvatarBox(f);
    f.setScaleMode(vb::ScaleMode::Twips);
    const int boxW = vb::CInt(f.ImgAvatar.Width());
    const int boxH = vb::CInt(f.ImgAvatar.Height());
    FrmPic& store = frmPic();
    store.picAvatar.setPicture(picture);
    const float w = static_cast<float>(picture.width());
    const float h = static_cast<float>(picture.height());
    const float r1 = w / h;
    const float r2 = h / w;
    int width = boxW;
    int height = boxH;
    if (r2 >= 0.82f)
        width = vb::CInt(static_cast<float>(boxW) * r1);
    else
        height = vb::CInt(static_cast<float>(boxH) * r2);
    store.picAvatar.setPicture(QImage());
    f.ImgAvatar.setWidth(width);
    f.ImgAvatar.setHeight(height);
    f.ImgAvatar.setStretch(true);
    f.ImgAvatar.setPicture(picture);

    f.setScaleMode(vb::ScaleMode::Pixels);
    f.imgSlap.setTop(f.ImgAvatar.Top() + f.ImgAvatar.Height() - f.imgSlap.Height() - 2);
    PlaceTurnImages();
}

void AvatarSlap() {
    frmGrisk().imgSlap.setVisible(true);
    recs.SoundResult = sound::PlayAsync(eng.UserFolder + "Sounds/slap.wav") ? 1 : 0;
}

void ImgAvatar_MouseUp(int button, int shift, double x, double y) {
    if (button != 1) return;
    FrmGrisk& f = frmGrisk();
    if (shift == vb::vbCtrlMask) {
        ShowAvatar(recs.OppPicture);
        recs.AvatarFile = recs.OppPicture;
        return;
    }
    if (eng.Flipping) return;
    f.SlapX = vb::CInt(x);
    f.SlapY = vb::CInt(y);
}

void ImgAvatar_MouseMove() {
    if (eng.Flipping) return;
    frmGrisk().ImgAvatar.setMouseIcon(frmBackground().imgMouse(0).Picture());
}

void imgSlap_MouseMove(double x, double y) {
    FrmGrisk& f = frmGrisk();
    f.imgSlap.setMouseIcon(frmBackground().imgMouse(1).Picture());
    if (x < f.SlapX - 100 || x > f.SlapX + 100 || y < f.SlapY - 100 || y > f.SlapY + 100)
        f.imgSlap.setVisible(false);
}

void imgSlap_Click() {
    frmGrisk().imgSlap.setVisible(false);
    PlayProgramSound(kSoundSlapped);
}

void ResetEmotionIcon() {
    FrmGrisk& f = frmGrisk();
    for (vb::Control* c : f.paintOrder()) {
        if (c->kind() != vb::Kind::Label) continue;
        c->setVisible(true);
        // A label outside a control array has no index to show: it stays blank.
        if (c->Caption().isEmpty() && c->Index() >= 0)
            c->setCaption(c->Name() + " " + QString::number(c->Index()));
    }
    const QImage icon(eng.UserFolder + "Icons/Mischievous.gif");
    if (!icon.isNull()) f.imgIcon.setPicture(icon);
    f.imgIcon.setVisible(true);
    f.Label9(1).setBorderStyle(1);
    f.Label9(2).setBorderStyle(1);
}

}  // namespace grisk
