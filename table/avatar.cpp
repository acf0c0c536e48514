#include "table/avatar.h"

#include <QFile>
#include <QImage>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "records/state.h"
#include "table/background.h"
#include "table/control_art.h"
#include "table/seat_controls.h"
#include "table/table_fit.h"

namespace grisk {

namespace {

// A picture at most this much wider than high is fitted to the box's
// height (and may come out wider than the box).
constexpr float kTallEnough = 0.82f;

constexpr int kSoundSlapped = 118;

// The avatar's box: 130 pixels square at the top, or 110 level with the
// centre board at a four-player table on a narrow screen.
bool smallBox() { return eng.NumPlayers >= 4 && eng.ScreenWidthTw < 12001; }

void placeBox(FrmGrisk& f) {
    f.setScaleMode(vb::ScaleMode::Pixels);
    vb::Control& img = f.ImgAvatar;
    const int side = smallBox() ? 110 : 130;
    img.setWidth(side);
    img.setHeight(side);
    img.setTop(AvatarDesignedTopPx());
    if (!smallBox() && eng.ScreenWidthTw < 12001 && eng.NumPlayers == 3) img.setLeft(25);
}

// The picture of an avatar file. The start shows the same avatar several
// times over: the picture last made is kept with its file's bytes and made
// again only from other bytes.
QImage avatarPicture(const QString& path) {
    struct Kept {
        QByteArray bytes;
        QImage picture;
    };
    static Kept kept;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QImage();
    const QByteArray bytes = file.readAll();
    if (bytes != kept.bytes || kept.picture.isNull()) kept = Kept{bytes, QImage::fromData(bytes)};
    return kept.picture;
}

}  // namespace

double AvatarDesignedTopPx() { return smallBox() ? frmGrisk().imgCenter.rectPx().top() : 0; }

void ShowAvatar(const QString& fileName) {
    FrmGrisk& f = frmGrisk();
    vb::Control& img = f.ImgAvatar;
    placeBox(f);
    const int boxW = vb::CInt(img.widthTw());
    const int boxH = vb::CInt(img.heightTw());

    QImage picture;
    if (!fileName.isEmpty()) picture = avatarPicture(eng.UserFolder + "Avatars/" + fileName);
    if (!picture.isNull() && picture.width() > 0 && picture.height() > 0) {
        const float r1 = static_cast<float>(picture.width()) / static_cast<float>(picture.height());
        const float r2 = static_cast<float>(picture.height()) / static_cast<float>(picture.width());
        int width = boxW;
        int height = boxH;
        if (r2 >= kTallEnough)
            width = vb::CInt(boxW * static_cast<double>(r1));
        else
            height = vb::CInt(boxH * static_cast<double>(r2));
        img.setGeometryTw(img.leftTw(), img.topTw(), width, height);
        img.setPicture(picture);
    }
    img.setStretch(true);
    img.setTag(fileName);

    f.imgSlap.setGeometryTw(f.imgSlap.leftTw(),
                            img.topTw() + img.heightTw() - f.imgSlap.heightTw() - screen::PixelsToTwips(2),
                            f.imgSlap.widthTw(), f.imgSlap.heightTw());
    PlaceTurnImages();
    KeepAvatarClear();
}

void AvatarSlap() {
    vb::Control& slap = frmGrisk().imgSlap;
    if (slap.Picture().isNull()) slap.setPicture(control_art::SlapBurst());
    slap.setVisible(true);
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
    // The slap is answered whatever the sound level, as the slap itself is.
    recs.SoundResult =
        sound::PlayAsync(eng.DataFolder + "~" + QString::number(kSoundSlapped) + ".tmp") ? 1 : 0;
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
