#include "shell/keyboard.h"

#include "engine/frm_grisk.h"
#include "net/state.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "records/state.h"
#include "records/user_pictures.h"
#include "shell/frm_menu.h"
#include "shell/help_commands.h"
#include "shell/menu_commands.h"
#include "shell/splash.h"
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
    kKeyF4 = vb::vbKeyF1 + 3,
    kKeyF5 = vb::vbKeyF1 + 4,
    kKeyF8 = vb::vbKeyF1 + 7,
    kKeyF10 = vb::vbKeyF1 + 9,
    kKeyF11 = vb::vbKeyF1 + 10,
};
}  // namespace

namespace {
// Ctrl+Delete: the background picture on show goes, once the player is sure.
void AskRemoveBackground() {
    const QString title = QStringLiteral("Remove Background");
    if (recs.BackgroundIdx < recs.NumBackgrounds + 1) {
        if (vb::MsgBox(QStringLiteral("Are you sure you want to permanently delete this background?"),
                       vb::vbYesNoCancel, title) == vb::vbYes)
            RemoveBackground();
    } else {
        vb::MsgBox(QStringLiteral("There's no background picture to delete.\r\nYou can change the color of this "
                                  "color-only background from the Options Menu, Preferences, Deck Styles"),
                   vb::vbInformation, title);
    }
}
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
        case kKeyF4:  // Previous Turn, local games only
            if (inet.NetPeers == 0) MenuGameCommand(6);
            break;
        case vb::vbKeyF1: MenuHelpCommand(0, 0); break;  // the help
        case kKeyF8: MenuHelpCommand(4, 0); break;  // Card Counter
        case kKeyF10: MenuPreferencesCommand(5, 0); break;  // Opponents Setup
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
    } else if (shift == vb::vbCtrlMask && keyCode == 'S') {  // Save, local games only
        if (inet.NetPeers == 0) MenuGameCommand(3);
    } else if (shift == vb::vbCtrlMask && keyCode == 'R') {  // Restore
        MenuGameCommand(4);
    } else if (shift == vb::vbCtrlMask && keyCode == vb::vbKeyDelete) {
        AskRemoveBackground();
    } else if (shift == vb::vbCtrlMask && keyCode == kKeyF5) {
        // The splash window with the version, shown or put away.
        if (frmSplash().Visible())
            frmSplash().Unload();
        else
            frmSplash().Show();
    } else if (shift == vb::vbCtrlMask && keyCode == kKeyF10) {
        ResetEmotionIcon();
    } else if (shift == vb::vbCtrlMask && keyCode == kKeyF11) {
        DisplayStats();
    }
}

}  // namespace grisk
