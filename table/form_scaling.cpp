#include "table/form_scaling.h"

#include "engine/state.h"
#include "platform/controls.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "shell/state.h"
#include "table/state.h"

namespace grisk {

namespace {

// The main window is designed at 12000 by 9000 twips; it never grows
// beyond its size on a screen of 17280 by 12960.
constexpr float kDesignWidthTw = 12000;
constexpr float kDesignHeightTw = 9000;
constexpr double kLargestScreenWidthTw = 17280;
constexpr double kTallScreenHeightTw = 12960;
constexpr int kDesignSpacing = 82;

bool isMainWindow(const vb::Form& frm) { return frm.Name() == QLatin1String("frmGrisk"); }

bool named(const vb::Control& c, const char* name) { return c.Name() == QLatin1String(name); }

bool movableKind(vb::Kind k) {
    return k == vb::Kind::Image || k == vb::Kind::PictureBox || k == vb::Kind::Label ||
           k == vb::Kind::Shape || k == vb::Kind::CommandButton;
}

// On the main window the menu strip, its labels and the emotion icon stay
// put; the avatar and the slap picture too, unless the screen is narrower
// than 12000 twips.
bool movedOnMainWindow(const vb::Control& c) {
    if (!movableKind(c.kind())) return false;
    for (const char* fixed : {"lblRules", "lblLevel", "picPanel", "imgIcon"})
        if (named(c, fixed)) return false;
    if (named(c, "ImgAvatar") || named(c, "imgSlap")) return eng.ScreenWidthTw < 12000;
    return true;
}

bool rulesLabel(const vb::Control& c) { return named(c, "lblRules") || named(c, "lblLevel"); }

void scaleBox(vb::Control& c, double x, double y, bool size) {
    const double w = size ? c.widthTw() * x : c.widthTw();
    const double h = size ? c.heightTw() * y : c.heightTw();
    c.setGeometryTw(c.leftTw() * x, c.topTw() * y, w, h);
}

void scaleMainWindowControls(vb::Form& frm, double x, double y) {
    for (vb::Control* c : std::vector<vb::Control*>(frm.controls())) {
        // The turn arrows are placed beside the stock by the layout.
        if (movedOnMainWindow(*c) && !named(*c, "ImgTurn2") && !named(*c, "ImgTurn1")) scaleBox(*c, x, y, true);
        const bool lettered = (c->kind() == vb::Kind::Label && !rulesLabel(*c)) ||
                              c->kind() == vb::Kind::CommandButton;
        if (lettered) c->setFontSize(c->FontSize() * x);
    }
}

// A shape or a line has no font; an image's is not its own.
bool hasFont(vb::Kind k) { return k != vb::Kind::Image && k != vb::Kind::Shape && k != vb::Kind::Line; }

void scaleOtherWindowControls(vb::Form& frm, double x, double y) {
    const bool counter = frm.Name() == QLatin1String("frmCounter");
    for (vb::Control* c : std::vector<vb::Control*>(frm.controls())) {
        if (counter && c->kind() == vb::Kind::Image) continue;
        if (c->kind() == vb::Kind::Line) continue;
        scaleBox(*c, x, y, true);
        if (hasFont(c->kind())) c->setFontSize(c->FontSize() * x);
    }
}

}  // namespace

ScaleFactors FormScaleFactors(int mode, int step) {
    ScaleFactors f;
    if (mode == kScaleToScreen) {
        if (eng.ScreenWidthTw <= kLargestScreenWidthTw) {
            f.x = static_cast<float>(eng.ScreenWidthTw) / kDesignWidthTw;
            f.y = static_cast<float>(screen::Current().heightTw) / kDesignHeightTw;
        } else if (eng.ScreenHeightTw < kTallScreenHeightTw) {
            f.x = 15360.0f / kDesignWidthTw;
            f.y = 11520.0f / kDesignHeightTw;
        } else {
            f.x = 17280.0f / kDesignWidthTw;
            f.y = 12960.0f / kDesignHeightTw;
        }
    } else if (mode == kScaleByStep && step == kStepLarger) {
        f.x = f.y = 1.25f;
    } else if (mode == kScaleByStep && step == kStepSmaller) {
        f.x = f.y = 0.8f;
    }
    return f;
}

void ScaleFormToScreen(vb::Form& frm, int mode, int step) {
    if (frm.WindowState() != 0) return;
    const ScaleFactors f = FormScaleFactors(mode, step);
    if (mode == kScaleByStep && (step == kStepLarger || step == kStepSmaller))
        tbl.CardSpacing = vb::CInt(kDesignSpacing * static_cast<double>(f.x));
    const double x = f.x;
    const double y = f.y;

    const bool main = isMainWindow(frm);
    if (!(main && cmd.FormLoading)) frm.setHeight(frm.Height() * y);
    if (!main) frm.setWidth(frm.Width() * x);
    if (main) eng.MainFormHeight = vb::CInt(frm.Height());

    if (main) scaleMainWindowControls(frm, x, y);
    frm.setFontSize(frm.FontSize() * x);
    if (!main) scaleOtherWindowControls(frm, x, y);
}

void ScaleCompanionWindow(vb::Form& frm) {
    if (!eng.LargeFonts) return;
    const int spacing = tbl.CardSpacing;
    ScaleFormToScreen(frm, kScaleByStep, kStepSmaller);
    tbl.CardSpacing = spacing;
}

}  // namespace grisk
