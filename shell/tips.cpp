#include "shell/tips.h"

#include <QFile>
#include <QTextStream>

#include "engine/class1.h"
#include "engine/state.h"
#include "platform/settings.h"
#include "platform/vb.h"
#include "shell/help.h"

namespace grisk {

namespace {
constexpr char kApp[] = "Quenmoor";
constexpr char kSection[] = "Options10";
constexpr char kShowTipsKey[] = "Show Tips at Startup";
constexpr char kTipNumberKey[] = "Tip Number";

// The frame and the text as designed (twips); both grow with the window.
constexpr double kFrameHeightTw = 2280;
constexpr double kTextHeightTw = 2040;
constexpr double kButtonLeftTw = 5280;

void styleButton(vb::Control& b, const char* caption, double top) {
    b.setCaption(QString::fromLatin1(caption));
    b.setBackColor(vb::RGB(224, 224, 216));
    b.setGeometryTw(kButtonLeftTw, top, 1380, 420);
}
}  // namespace

FrmTip::FrmTip()
    : vb::Form(QStringLiteral("frmTip")),
      Label1(addControl(vb::Kind::Label, "Label1")),
      Picture1(addControl(vb::Kind::PictureBox, "Picture1")),
      lblTipText(addControl(vb::Kind::Label, "lblTipText")),
      cmdNextTip(addArray(vb::Kind::CommandButton, "cmdNextTip")),
      chkLoadTipsAtStartup(addControl(vb::Kind::CheckBox, "chkLoadTipsAtStartup")),
      cmdHelp(addControl(vb::Kind::CommandButton, "cmdHelp")),
      cmdOK(addControl(vb::Kind::CommandButton, "cmdOK")) {
    setCaption(QStringLiteral("Quenmoor Tip of the Day"));
    setBackColor(vb::RGB(236, 233, 216));
    Move(3000, 2600, 6900, 3900);

    Label1.setCaption(QStringLiteral("Advice from Grisk..."));
    Label1.setForeColor(vb::RGB(40, 70, 40));
    Label1.setFontSize(12);
    Label1.setFontBold(true);
    Label1.setGeometryTw(240, 150, 4800, 360);

    Picture1.setBackColor(vb::RGB(255, 255, 240));
    Picture1.setGeometryTw(240, 600, 4860, kFrameHeightTw);
    lblTipText.setContainer(&Picture1);
    lblTipText.setForeColor(0);
    lblTipText.setFontSize(10);
    lblTipText.setWordWrap(true);
    lblTipText.setGeometryTw(360, 720, 4620, kTextHeightTw);

    styleButton(cmdOK, "OK", 600);
    styleButton(cmdNextTip(0), "&Next Tip", 1140);
    styleButton(cmdNextTip.Load(1), "&Previous Tip", 1680);
    cmdNextTip(1).setVisible(true);
    styleButton(cmdHelp, "&User's Manual", 2220);

    chkLoadTipsAtStartup.setCaption(QStringLiteral("&Show Tips at Startup"));
    chkLoadTipsAtStartup.setForeColor(0);
    chkLoadTipsAtStartup.setGeometryTw(240, 3000, 3600, 330);
}

FrmTip::~FrmTip() = default;

bool FrmTip::LoadTips(const QString& fileName) {
    if (fileName.isEmpty()) return false;
    QFile f(fileName);
    if (!f.exists() || !f.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (!line.trimmed().isEmpty()) tips_.append(line);
    }
    f.close();
    StepTip(0);
    return true;
}

void FrmTip::StepTip(int direction) {
    if (direction == 0) {
        ++CurrentTip;
        if (CurrentTip > TipCount()) CurrentTip = 1;
    } else {
        --CurrentTip;
        if (CurrentTip < 1) CurrentTip = TipCount();
    }
    DisplayCurrentTip();
}

void FrmTip::DisplayCurrentTip() {
    if (tips_.isEmpty() || CurrentTip < 1 || CurrentTip > TipCount()) return;
    lblTipText.setCaption(tips_.at(CurrentTip - 1).split('~').join(QStringLiteral("\n\n")));
}

void FrmTip::Form_Load() {
    tips_.clear();
    CurrentTip = vb::GetSettingInt(kApp, kSection, kTipNumberKey, 0, 0, 32767);
    loadHeight_ = Height();
    // The box shows the choice stored now, which the box itself may have
    // changed since the program started.
    chkLoadTipsAtStartup.setValue(vb::GetSettingInt(kApp, kSection, kShowTipsKey, 1, -32768, 32767) == 1 ? 1 : 0);
    if (!LoadTips(eng.AppFolder + "/" + kTipsFileName)) {
        const QString name = QString::fromLatin1(kTipsFileName);
        lblTipText.setCaption("That the " + name + " file was not found? \n\nCreate a text file named " + name +
                              " using NotePad with 1 tip per line. Then place it in the same directory as the "
                              "application. ");
    }
    onTop_ = std::make_unique<Class1>();
    onTop_->setOnTop(true);
    onTop_->setTopForm(*this);
}

void FrmTip::Form_Unload(int&) {
    vb::SaveSetting(kApp, kSection, kTipNumberKey, QString::number(CurrentTip));
    if (onTop_) {
        onTop_->setOnTop(false);
        onTop_->setTopForm(*this);
    }
    onTop_.reset();
}

void FrmTip::Form_Resize() {
    const double grown = Height() - loadHeight_;
    if (loadHeight_ <= 0 || grown < 0) return;
    Picture1.setHeight(kFrameHeightTw + grown);
    lblTipText.setHeight(kTextHeightTw + grown);
}

void FrmTip::Click(vb::Control& c) {
    if (&c == &cmdOK) {
        Unload();
    } else if (cmdNextTip.exists(0) && &c == &cmdNextTip(0)) {
        StepTip(0);
    } else if (cmdNextTip.exists(1) && &c == &cmdNextTip(1)) {
        StepTip(1);
    } else if (&c == &chkLoadTipsAtStartup) {
        vb::SaveSetting(kApp, kSection, kShowTipsKey, QString::number(chkLoadTipsAtStartup.Value()));
    } else if (&c == &cmdHelp) {
        ShowHelpTopic(QStringLiteral("Contents"), QStringLiteral("Contents"));
    }
}

FrmTip& frmTip() { return vb::DefaultInstance<FrmTip>::get(); }
bool FrmTipExists() { return vb::DefaultInstance<FrmTip>::exists(); }
void ReleaseFrmTip() { vb::DefaultInstance<FrmTip>::release(); }

}  // namespace grisk
