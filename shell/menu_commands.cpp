#include "shell/menu_commands.h"

#include "engine/deal.h"
#include "engine/frm_grisk.h"
#include "engine/menu_hint.h"
#include "engine/state.h"
#include "net/state.h"
#include "records/frm_custom.h"
#include "records/frm_welcome.h"
#include "records/opponent_setup.h"
#include "records/state.h"
#include "shell/help_commands.h"
#include "shell/saved_game_commands.h"
#include "shell/state.h"
#include "table/background.h"
#include "table/display_size.h"
#include "table/frm_pic.h"
#include "table/layout_centre.h"
#include "table/sound_level.h"

namespace grisk {

namespace {
// Every command first puts the menu strip away.
void hideStrip() { frmGrisk().picPanel.setVisible(false); }
}  // namespace

void MenuPanelClick() {
    switch (cmd.MenuNum) {
    case 1: MenuGameCommand(cmd.MenuItem); break;
    case 2:
        if (cmd.MenuItem == 13) {
            FrmPic& store = frmPic();
            store.DisplayPicked = false;
            MenuPreferencesCommand(13, store.DisplayItem);
        } else if ((cmd.MenuItem == 4 || cmd.MenuItem == 5) && inet.NetPeers != 0) {
            ShowMenuHint(1);
        } else {
            MenuPreferencesCommand(cmd.MenuItem, 0);
        }
        break;
    case 3: MenuInternetCommand(cmd.MenuItem); break;
    case 4: MenuHelpCommand(cmd.MenuItem, cmd.MenuItem == 7 ? frmPic().NetItem : 0); break;
    default: break;
    }
}

void MenuGameCommand(int item) {
    hideStrip();
    if (cmd.RestartRequested) return;
    switch (item) {
    case 0:  // New Game
        if (eng.Pturn > 1 && inet.NetPeers == 0) {
            cmd.RestartRequested = true;
            return;
        }
        Game_New();
        break;
    case 1:  // Change/New Player
        frmWelcome().ShowModal();
        break;
    // The saved games.
    case 3: SaveGameCommand(); break;
    case 4: RestoreGameCommand(); break;
    case 6: PreviousTurnCommand(); break;
    case 7: RestartGameCommand(); break;
    default: break;
    }
}

void MenuPreferencesCommand(int item, int subItem) {
    hideStrip();
    switch (item) {
    case 1: ChangeNoise(); break;
    case 5: SetupOpponents(false); break;     // Opponents Setup
    case 7: ShowCommentEditor(); break;       // Customize Comments
    case 9:
        recs.BackgroundStretched = false;
        CycleBackground(32);
        break;
    case 10:
        recs.BackgroundStretched = true;
        LoadTableBackground();
        break;
    case 13:
        if (subItem == 0 || subItem == 1)
            ChangeDisplayMode(subItem);
        else if (subItem == 2)
            ComputeVerticalLayout();
        break;
    default: break;
    }
}

void MenuInternetCommand(int) { hideStrip(); }


}  // namespace grisk
