#include "shell/splash.h"

#include <memory>

#include "platform/vb.h"
#include "shell/splash_text.h"
#include "table/card_art.h"
#include "table/background.h"

namespace grisk {

QString ProgramVersionText() { return splash::VersionText(); }

// The lines are the labels' captions; the window shows them from the picture
// the build painted of them (card_art::SplashText), so that showing the
// splash needs no font, and keeps the labels hidden.
FrmSplash::FrmSplash()
    : vb::Form(QStringLiteral("frmSplash")),
      lblTitle(addControl(vb::Kind::Label, "lblTitle")),
      lblVersion(addControl(vb::Kind::Label, "lblVersion")),
      lblLegal(addControl(vb::Kind::Label, "lblLegal")),
      lblWarning(addControl(vb::Kind::Label, "lblWarning")),
      imgText(addControl(vb::Kind::Image, "imgText")) {
    setCaption(QStringLiteral("Grisk and Varnok"));
    Move(3000, 2500, splash::kWindowWidthTw, splash::kWindowHeightTw);
    vb::Control* labels[] = {&lblTitle, &lblVersion, &lblLegal, &lblWarning};
    for (int i = 0; i < 4; ++i) {
        const splash::Line& line = splash::kLines[i];
        vb::Control& l = *labels[i];
        l.setAlignment(2);
        l.setForeColor(splash::kTextColour);
        l.setGeometryTw(line.leftTw, line.topTw, line.widthTw, line.heightTw);
        l.setFontName(QString::fromLatin1(splash::kFontName));
        l.setFontSize(line.points);
        l.setFontBold(line.bold);
        l.setVisible(false);
    }
    lblTitle.setCaption(splash::LineText(splash::kLines[0]));
    lblWarning.setCaption(splash::LineText(splash::kLines[3]));
    imgText.setGeometryTw(0, 0, splash::kWindowWidthTw, splash::kWindowHeightTw);
}

void FrmSplash::Form_Load() {
    // The board repeated over the whole window; without it the window's
    // own green shows.
    setPicture(BackgroundPicture(QStringLiteral("GameBoard.gif")), vb::PictureLayout::Tiled, QSize(400, 240));
    lblVersion.setCaption(ProgramVersionText());
    lblLegal.setCaption(splash::LineText(splash::kLines[2]));
    imgText.setPicture(card_art::SplashText());
}

void FrmSplash::Form_KeyDown(int&, int) { Unload(); }
void FrmSplash::Click(vb::Control&) { Unload(); }
void FrmSplash::FormMouseDown(int, int, double, double) { Unload(); }

FrmSplash& frmSplash() {
    return vb::DefaultInstance<FrmSplash>::get();
}

void ReleaseFrmSplash() { vb::DefaultInstance<FrmSplash>::release(); }

}  // namespace grisk
