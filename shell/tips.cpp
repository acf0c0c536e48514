#include "shell/tips.h"

#include <QFile>
#include <QTextStream>
#include <memory>

#include "engine/state.h"
#include "platform/settings.h"
#include "platform/vb.h"

namespace grisk {

QString TipText(int tipNumber) {
    QFile f(eng.AppFolder + "/TIPOFDAY.TXT");
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return QString();
    QTextStream in(&f);
    int n = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty()) continue;
        if (n++ == tipNumber) return QString(line).replace('~', '\n');
    }
    return QString();
}

FrmTip::FrmTip()
    : vb::Form(QStringLiteral("frmTip")),
      lblTipText(addControl(vb::Kind::Label, "lblTipText")),
      cmdOK(addControl(vb::Kind::CommandButton, "cmdOK")) {
    setCaption(QStringLiteral("Tip of the Day"));
    setBackColor(vb::RGB(255, 255, 224));
    Move(3500, 3000, 5400, 3000);
    lblTipText.setGeometryTw(240, 240, 4800, 1600);
    lblTipText.setForeColor(0);
    lblTipText.setFontSize(10);
    cmdOK.setCaption(QStringLiteral("OK"));
    cmdOK.setBackColor(vb::RGB(192, 192, 192));
    cmdOK.setGeometryTw(2000, 1950, 1200, 400);
}

void FrmTip::Form_Load() {
    const int number = vb::GetSettingInt("Quenmoor", "Options10", "Tip Number", 0, 0, 32767);
    lblTipText.setCaption(TipText(number));
}

void FrmTip::Click(vb::Control& c) {
    if (&c == &cmdOK) Unload();
}

FrmTip& frmTip() {
    return vb::DefaultInstance<FrmTip>::get();
}

}  // namespace grisk
