#include "shell/menu_commands.h"

#include "engine/deal.h"
#include "engine/frm_grisk.h"
#include "engine/menu_hint.h"
#include "engine/rules.h"
#include "engine/state.h"
#include "net/frm_scores_net.h"
#include "net/internet_setup.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "records/frm_custom.h"
#include "records/frm_score_stat.h"
#include "records/frm_welcome.h"
#include "records/opponent_setup.h"
#include "records/saved_games.h"
#include "records/state.h"
#include "shell/background_commands.h"
#include "shell/frm_options.h"
#include "shell/frm_rules.h"
#include "shell/frm_speed.h"
#include "shell/help_commands.h"
#include "shell/saved_game_commands.h"
#include "shell/state.h"
#include "table/background.h"
#include "table/display_size.h"
#include "table/frm_pic.h"
#include "table/layout_centre.h"
#include "table/layout_reset.h"
#include "table/pile_info.h"
#include "table/sound_level.h"

namespace grisk {

namespace {
// Every command first puts the menu strip away.
void hideStrip() { frmGrisk().picPanel.setVisible(false); }

// Internet row 5: the host picks a saved game (or, after a restart, takes
// the game as dealt) and sends it to the other players.
void sendSavedInternetGame() {
    if (inet.NetPeers == 0 || inet.NetPeers == 99) {
        eng.MsgText = QStringLiteral("You have to connect to another player first!");
        vb::MsgBox(eng.MsgText, vb::vbOKOnly, QStringLiteral("Quenmoor Not Online"));
        return;
    }
    inet.NetRestorePending = 1;
    if (!cmd.GameRestarted)
        MenuGameCommand(4);
    else if (!RestoreSavedGame(4))
        eng.SkipGameSave = true;  // nothing was restored, so nothing goes out
    if (eng.SkipGameSave) {
        eng.SkipGameSave = false;
        return;
    }
    SendRecover();
}
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
    case 9: ShowScoreStat(0); break;  // Scores and Stats
    case 11:  // Exit, unless a turn or a deal is running
        if (!eng.GameBusy) frmGrisk().Unload();
        break;
    default: break;
    }
}

void MenuPreferencesCommand(int item, int subItem) {
    hideStrip();
    switch (item) {
    case 0: ShowSpeedWindow(); break;  // Speed
    case 1: ChangeNoise(); break;
    case 2:  // Preferences: in an Internet game only on this machine's turn
        if (inet.NetPeers != 0 && eng.Pturn >= 2) {
            vb::MsgBox(QStringLiteral("Please wait until your turn to change game preferences!"), vb::vbInformation,
                       QStringLiteral("Don't hold up the game!"));
            break;
        }
        ShowOptionsWindow();
        if (FrmHoldExists() && frmHold().Visible()) RefreshPileInfo(QString());
        recs.NameFontSize = static_cast<int>(frmGrisk().Label9(2).FontSize());
        break;
    case 4:  // Rules: a change of the pile size, shuffle or centre piles empties the table for a new deal
        ShowRulesWindow();
        ShowRulesSummary();
        if (eng.RulesChanged) {
            cmd.GameRestored = false;
            ResetTableDisplay();
            frmGrisk().cmdDeal.setVisible(true);
        }
        eng.RulesChanged = false;
        break;
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
    case 11: AddBackgroundCommand(); break;
    case 13:
        if (subItem == 0 || subItem == 1)
            ChangeDisplayMode(subItem);
        else if (subItem == 2)
            ComputeVerticalLayout();
        break;
    default: break;
    }
}

void MenuInternetCommand(int item) {
    hideStrip();
    switch (item) {
    case 0: SetupInternet(); break;  // Start / END Internet Game
    case 1:                          // Internet Game Scores
        if (recs.ScoreFileCount == 0)
            vb::MsgBox(QStringLiteral("No Quenmoor scores yet to display!"), vb::vbInformation,
                       QStringLiteral("Quenmoor"));
        else
            frmScoresNet().Show();
        break;
    case 3: SetupOpponents(false); break;  // Internet Players Setup
    case 4:  // Save This Game
        if (eng.Pturn != 0 && inet.NetPeers != 0) {
            recs.EndedNetGameSave = true;
            MenuGameCommand(3);
        } else {
            eng.MsgText = QStringLiteral("There's no Internet game to save!");
            vb::MsgBox(eng.MsgText, vb::vbOKOnly, QStringLiteral("Quenmoor Online"));
        }
        break;
    case 5: sendSavedInternetGame(); break;
    case 7: SetupOpponents(true); break;  // Host Setup and Rules
    case 9: MenuGameCommand(7); break;  // Restart Current Game
    case 10: MenuGameCommand(0); break;  // New Game
    default: break;
    }
}


}  // namespace grisk
