#include "shell/frm_about.h"

#include "engine/general.h"
#include "engine/state.h"
#include "platform/sound.h"
#include "platform/vb.h"
#include "shell/splash.h"
#include "table/card_art.h"

namespace grisk {

namespace {
constexpr int32_t kBack = vb::RGB(236, 233, 216);
constexpr double kTextLeftTw = 1500;
constexpr double kTextWidthTw = 4800;

vb::Control& textLabel(vb::Control& l, double top, double height, double points, bool bold = false) {
    l.setForeColor(0);
    l.setFontSize(points);
    l.setFontBold(bold);
    l.setWordWrap(true);
    l.setGeometryTw(kTextLeftTw, top, kTextWidthTw, height);
    return l;
}
}  // namespace

FrmAbout::FrmAbout()
    : vb::Form(QStringLiteral("frmAbout")),
      picIcon(addControl(vb::Kind::PictureBox, "picIcon")),
      lblTitle(addControl(vb::Kind::Label, "lblTitle")),
      lblVersion(addControl(vb::Kind::Label, "lblVersion")),
      lblDescription(addControl(vb::Kind::Label, "lblDescription")),
      lblDisclaimer(addControl(vb::Kind::Label, "lblDisclaimer")),
      credit(addControl(vb::Kind::Label, "credit")),
      cmdOK(addControl(vb::Kind::CommandButton, "cmdOK")) {
    setCaption(QStringLiteral("About Grisk & Varnok"));
    setBackColor(kBack);
    // Above the windows kept on top of the table (the tip of the day, the
    // card counter), which would hide it otherwise.
    setStayOnTop(true);
    Move(3000, 2400, 6700, 4500);

    picIcon.setBorderStyle(0);
    picIcon.setBackColor(kBack);
    picIcon.setGeometryTw(300, 300, card_art::kSmallW * 15, card_art::kSmallH * 15);
    picIcon.setToolTipText(QStringLiteral("Credits"));

    textLabel(lblTitle, 240, 420, 12, true);
    textLabel(lblVersion, 690, 300, 9);
    textLabel(lblDescription, 1080, 700, 9);
    textLabel(lblDisclaimer, 1900, 900, 9);
    lblDisclaimer.setCaption(QStringLiteral(
        "Warning: Highly addictive.\nOne more game is never just one more game. Click the King for the credits."));
    // The credits cover the description while they show.
    textLabel(credit, 1080, 2300, 9);
    credit.setBackStyle(1);
    credit.setBackColor(kBack);
    credit.setVisible(false);

    cmdOK.setCaption(QStringLiteral("OK"));
    cmdOK.setBackColor(vb::RGB(224, 224, 216));
    cmdOK.setGeometryTw(5100, 3450, 1200, 420);
}

void FrmAbout::Form_Load() {
    picIcon.setPicture(card_art::SmallRankCard(1, 13));
    lblTitle.setCaption(QStringLiteral("Quenmoor: Grisk and Varnok"));
    lblVersion.setCaption(ProgramVersionText());
    lblDescription.setCaption(GetMessageText(22, 22));
    credits_ = GetMessageText(23, 28);
}

void FrmAbout::Click(vb::Control& c) {
    if (&c == &cmdOK) {
        Unload();
    } else if (&c == &picIcon) {
        if (credit.Visible()) {
            credit.setVisible(false);
        } else {
            credit.setCaption(credits_);
            credit.setVisible(true);
        }
        sound::PlayAsync(eng.DataFolder + "~119.tmp");
    }
}

FrmAbout& frmAbout() { return vb::DefaultInstance<FrmAbout>::get(); }
bool FrmAboutExists() { return vb::DefaultInstance<FrmAbout>::exists(); }
void ReleaseFrmAbout() { vb::DefaultInstance<FrmAbout>::release(); }

}  // namespace grisk
