#include "shell/splash.h"

#include <memory>

#include "platform/vb.h"
#include "table/background.h"

namespace grisk {

namespace {
constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 0;
constexpr int kVersionRevision = 0;
}  // namespace

QString ProgramVersionText() {
    return QStringLiteral("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

FrmSplash::FrmSplash()
    : vb::Form(QStringLiteral("frmSplash")),
      lblTitle(addControl(vb::Kind::Label, "lblTitle")),
      lblVersion(addControl(vb::Kind::Label, "lblVersion")),
      lblLegal(addControl(vb::Kind::Label, "lblLegal")),
      lblWarning(addControl(vb::Kind::Label, "lblWarning")) {
    setCaption(QStringLiteral("Grisk and Varnok"));
    Move(3000, 2500, 6000, 3600);
    for (vb::Control* l : {&lblTitle, &lblVersion, &lblLegal, &lblWarning}) {
        l->setAlignment(2);
        l->setForeColor(vb::RGB(255, 255, 224));
    }
    lblTitle.setGeometryTw(200, 400, 5400, 700);
    lblTitle.setFontSize(20);
    lblTitle.setFontBold(true);
    lblTitle.setCaption(QStringLiteral("Grisk and Varnok"));
    lblVersion.setGeometryTw(200, 1300, 5400, 350);
    lblVersion.setFontSize(10);
    lblLegal.setGeometryTw(200, 1800, 5400, 350);
    lblWarning.setGeometryTw(200, 2400, 5400, 400);
    lblWarning.setFontSize(10);
    lblWarning.setFontBold(true);
    lblWarning.setCaption(QStringLiteral(" Warning: Highly addictive"));
}

void FrmSplash::Form_Load() {
    // The board repeated over the whole window; without it the window's
    // own green shows.
    setPicture(BackgroundPicture(QStringLiteral("GameBoard.gif")), vb::PictureLayout::Tiled, QSize(400, 240));
    lblVersion.setCaption(ProgramVersionText());
    lblLegal.setCaption(QStringLiteral("A Quenmoor card game. Made with care; shared freely."));
}

void FrmSplash::Form_KeyDown(int&, int) { Unload(); }
void FrmSplash::Click(vb::Control&) { Unload(); }
void FrmSplash::FormMouseDown(int, int, double, double) { Unload(); }

FrmSplash& frmSplash() {
    return vb::DefaultInstance<FrmSplash>::get();
}

void ReleaseFrmSplash() { vb::DefaultInstance<FrmSplash>::release(); }

}  // namespace grisk
