#include "table/system_info.h"

#include <cmath>

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/state.h"
#include "platform/msgbox.h"
#include "platform/twips.h"
#include "platform/vb.h"

namespace grisk {

namespace {
int pixels(double twips) { return static_cast<int>(std::lround(screen::TwipsToPixels(twips))); }

// A twip size as a bare whole number, without Str's leading blank.
QString bare(double twips) { return QString::number(std::llround(twips)); }

QString depthName(int bits) {
    switch (bits) {
    case 4: return QStringLiteral("(16 Color)");
    case 8: return QStringLiteral("(256 Color)");
    case 16: return QStringLiteral("(High Color)");
    case 24:
    case 32: return QStringLiteral("(True Color)");
    default: return QString();
    }
}
}  // namespace

void DisplayStats() {
    const FrmGrisk& f = frmGrisk();
    const QStringList lines = {
        QStringLiteral("Resolution: "),
        vb::Str(pixels(eng.ScreenWidthTw)) + " X " + vb::Str(pixels(eng.ScreenHeightTw)) + " pixels",
        vb::Str(eng.ColorDepth) + " bits per pixel  " + depthName(eng.ColorDepth),
        QString(),
        bare(eng.ScreenWidthTw) + " X " + bare(eng.ScreenHeightTw),
        IsNormalDpi() ? QStringLiteral("Normal (small fonts)") : QStringLiteral("Large Fonts"),
        QString(),
        QStringLiteral("This window:"),
        vb::Str(pixels(f.Width())) + " x " + vb::Str(pixels(f.Height())),
        "Titlebar height: " + vb::Str(screen::Current().captionHeightPx),
        "CPU Speed: " + QString::number(eng.CpuSpeed) + " MHz",
    };
    eng.MsgText = lines.join(QLatin1Char('\n'));
    eng.MsgAnswer = vb::MsgBox(eng.MsgText, vb::vbInformation);
}

}  // namespace grisk
