#include "table/menu_strip.h"

#include <algorithm>

#include "engine/frm_grisk.h"
#include "engine/menu_hint.h"
#include "engine/program_sound.h"
#include "engine/state.h"
#include "net/state.h"
#include "platform/eventwait.h"
#include "platform/msgbox.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "records/state.h"
#include "shell/frm_menu.h"
#include "shell/menu_commands.h"
#include "shell/state.h"
#include "table/control_art.h"
#include "table/skin_empty_piles.h"
#include "table/state.h"

namespace grisk {

namespace {

constexpr int kSoundHover = 106;
constexpr int kSoundTitle = 107;
constexpr int kSoundTitleMetal = 109;
// The list is not waited for in a busy loop: its unload wakes the wait.
constexpr int kListWaitMs = 1000;

// The band of the titles, in the strip's units.
constexpr double kBandTop = 22;
constexpr double kBandBottom = 60;

void showStrip() {
    FrmGrisk& f = frmGrisk();
    FitMenuStrip();
    f.picPanel.ZOrder(0);
    f.picPanel.setVisible(true);
}

// Where the list of a menu opens at the designed strip, in twips from the
// screen's left; false when the menu is refused or ignored now.
bool designedListLeft(int menu, double& left) {
    FrmGrisk& f = frmGrisk();
    switch (menu) {
    case kMenuGame:
        if (inet.NetPeers != 0) {
            ShowMenuHint(1);
            return false;
        }
        if (eng.Pturn > 1) {
            eng.MsgText = QStringLiteral("Wait!  Let me finish my turn first!");
            vb::MsgBox(eng.MsgText, vb::vbOKOnly, QStringLiteral("Grisk:"));
            f.picPanel.setVisible(false);
            return false;
        }
        left = f.Left() + (recs.MenuStyle > 0 ? 600 : 400);
        return true;
    case kMenuOptions: left = f.Left() + (eng.LargeFonts ? 2200 : 2850); return true;
    case kMenuInternet:
        if (eng.Pturn >= 2 && inet.NetPeers == 0) return false;
        left = f.Left() + (eng.LargeFonts ? 4100 : 5200);
        return true;
    default: left = f.Left() + (eng.LargeFonts ? 6000 : 7550); return true;
    }
}

// Where the list of a menu opens, in twips from the screen's left (under
// its title as the strip shows it); false when the menu is refused or
// ignored now.
bool listLeft(int menu, double& left) {
    const bool open = designedListLeft(menu, left);
    left = frmGrisk().Left() + (left - frmGrisk().Left()) * tbl.MenuTitleScale;
    return open;
}

}  // namespace

int MenuTitleAt(double x, double y) {
    if (!(y > kBandTop && y < kBandBottom)) return kMenuOutsideBand;
    int menu = kMenuGame;
    for (const control_art::StripTitle& t : control_art::kStripTitles) {
        if (x > t.left && x < t.right) return menu;
        ++menu;
    }
    return kMenuBetweenTitles;
}

int StripTitleAt(double x, double y) { return MenuTitleAt(x / tbl.MenuTitleScale, y); }

QRectF StripTitleRectPx(int menu) {
    const control_art::StripTitle& t = control_art::kStripTitles[menu - kMenuGame];
    const double k = tbl.MenuTitleScale;
    return QRectF(QPointF(t.left * k, kBandTop), QPointF(t.right * k, kBandBottom));
}

void imgMenu_MouseMove() {
    if (!cmd.MenuLocked) showStrip();
}

void Form_MouseMove(double, double y) {
    FrmGrisk& f = frmGrisk();
    if (y < 5) {
        if (cmd.TutorialOn)
            vb::MsgBox(QStringLiteral("Please don't use the Menus during the tutorial."), vb::vbInformation,
                       QStringLiteral("Using Tutorial"));
        if (cmd.MenuLocked) return;
        showStrip();
    }
    if (cmd.FlowRunning) {
        if (f.FlowStartY == 0) f.FlowStartY = vb::CInt(y);
        if (y < f.FlowStartY - 10 || y > f.FlowStartY + 10) {
            cmd.FlowClicked = true;
            f.FlowStartY = 0;
        }
    }
}

void Form_MouseDown() {
    FrmGrisk& f = frmGrisk();
    cmd.FlowClicked = true;
    if (!f.picPanel.Visible()) return;
    f.picPanel.setVisible(false);
    CloseCommandList();
    tbl.PanelHover = false;
}

void picPanel_MouseMove(double x, double y) {
    if (!tbl.PanelHover) {
        PlayProgramSound(kSoundHover);
        tbl.PanelHover = true;
    }
    if ((y < 23 || x < 10) && cmd.MenuOpen) CloseCommandList();
}

void picPanel_MouseDown(double x, double y) {
    const int menu = StripTitleAt(x, y);
    if (menu == kMenuOutsideBand) return;
    if (menu == kMenuBetweenTitles) {
        CloseCommandList();
        return;
    }
    PlayProgramSound(recs.SoundSet == 1 ? kSoundTitleMetal : kSoundTitle);
    CloseCommandList();

    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    const double top = (f.picPanel.Height() / 2 + f.CaptionHeight) * screen::kTwipsPerPixel + f.Top() +
                       (eng.LargeFonts ? 250 : 300);
    double left = 0;
    if (!listLeft(menu, left)) return;

    FrmMenu& list = frmMenu();
    list.setLeft(left);
    list.setTop(top);
    list.LoadList(menu);
    // A list that would reach past the screen's right edge opens against it.
    if (eng.ScreenWidthTw > 0 && list.Left() + list.Width() > eng.ScreenWidthTw)
        list.setLeft(std::max(0.0, eng.ScreenWidthTw - list.Width()));
    cmd.MenuPicked = false;
    cmd.MenuOpen = true;
    list.Show();
    while (cmd.MenuOpen && !eng.Quitting && list.isLoaded()) waits::WaitEvents(kListWaitMs);
    if (list.isLoaded()) list.Unload(1);
    cmd.MenuOpen = false;

    if (cmd.MenuPicked && !eng.Quitting) MenuPanelClick();
    cmd.MenuNum = 0;
    cmd.MenuItem = 0;
    if (eng.Quitting) {
        eng.GameBusy = false;
        if (FrmGriskExists()) frmGrisk().Unload(1);
    }
}

void FrmGrisk::FormMouseDown(int, int, double, double) { Form_MouseDown(); }

void FrmGrisk::FormMouseMove(int, int, double x, double y) {
    // The table's handlers work in pixels.
    if (scaleMode() == vb::ScaleMode::Twips) {
        x = screen::TwipsToPixels(x);
        y = screen::TwipsToPixels(y);
    }
    Form_MouseMove(x, y);
}

}  // namespace grisk
