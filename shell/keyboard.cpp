#include "shell/keyboard.h"

#include "engine/frm_grisk.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "records/state.h"
#include "shell/frm_menu.h"
#include "shell/help_commands.h"
#include "shell/state.h"
#include "table/avatar.h"
#include "table/background.h"
#include "table/state.h"
#include "table/system_info.h"

namespace grisk {

namespace {
enum KeyCode : int {
    kKeyEscape = 27,
    kKeySpace = 32,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
    kKeyF8 = vb::vbKeyF1 + 7,
    kKeyF10 = vb::vbKeyF1 + 9,
    kKeyF11 = vb::vbKeyF1 + 10,
};
}  // namespace

void HandleKeyDown(int& keyCode, int shift) {
    if (cmd.FlowRunning && !cmd.FlowClicked) {
        cmd.FlowClicked = true;
        return;
    }
    if (cmd.TutorialOn)
        vb::MsgBox(QStringLiteral("Please don't use the Menus during the tutorial."), vb::vbInformation,
                   QStringLiteral("Using Tutorial"));
    if (cmd.MenuLocked) return;

    FrmGrisk& f = frmGrisk();
    if (keyCode == kKeyEscape && f.picPanel.Visible()) {
        f.picPanel.setVisible(false);
        CloseCommandList();
        tbl.PanelHover = false;
    }
    if (shift == 0) {
        switch (keyCode) {
        case kKeyF8: MenuHelpCommand(4, 0); break;  // Card Counter
        case kKeyUp:
        case kKeyDown:
        case kKeySpace:
            recs.BackgroundStretched = false;
            CycleBackground(keyCode);
            break;
        case kKeyLeft:
        case kKeyRight:
            if (recs.BackgroundIdx < recs.NumBackgrounds + 1) {
                recs.BackgroundStretched = true;
                LoadTableBackground();
            }
            break;
        default: break;
        }
    } else if (shift == vb::vbCtrlMask && keyCode == kKeyF10) {
        ResetEmotionIcon();
    } else if (shift == vb::vbCtrlMask && keyCode == kKeyF11) {
        DisplayStats();
    }
}

}  // namespace grisk
