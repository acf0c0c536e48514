#include "shell/keyboard.h"

#include "engine/card_handling.h"
#include "engine/flash.h"
#include "engine/frm_grisk.h"
#include "engine/restart_turn.h"
#include "engine/state.h"
#include "net/frm_chat.h"
#include "net/state.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "records/frm_score_stat.h"
#include "records/state.h"
#include "records/user_pictures.h"
#include "shell/frm_menu.h"
#include "shell/help_commands.h"
#include "shell/menu_commands.h"
#include "shell/music.h"
#include "shell/saved_game_commands.h"
#include "shell/splash.h"
#include "shell/state.h"
#include "table/animation_flow.h"
#include "table/avatar.h"
#include "table/background.h"
#include "table/emotion_icons.h"
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
    kKeyF2 = vb::vbKeyF1 + 1,
    kKeyF3 = vb::vbKeyF1 + 2,
    kKeyF4 = vb::vbKeyF1 + 3,
    kKeyF5 = vb::vbKeyF1 + 4,
    kKeyF6 = vb::vbKeyF1 + 5,
    kKeyF7 = vb::vbKeyF1 + 6,
    kKeyF8 = vb::vbKeyF1 + 7,
    kKeyF9 = vb::vbKeyF1 + 8,
    kKeyF10 = vb::vbKeyF1 + 9,
    kKeyF11 = vb::vbKeyF1 + 10,
    kKeyF12 = vb::vbKeyF1 + 11,
    kKeyEquals = 187,
};

constexpr int kCtrlShift = vb::vbCtrlMask | vb::vbShiftMask;
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

const QString kWhichPile = QStringLiteral("Move card to which pile?");

int wholePixels(double twips) { return static_cast<int>(vb::RoundHalfEven(screen::TwipsToPixels(twips))); }

// A card moved with the numeric keypad: its slot's key (1 the pay-off pile,
// 2..6 the hand, 7..9 and 0 the hold piles) and Enter pick it; then 1..4
// play it to that centre pile, or, for a hand card, 7..9 and 0 drop it on
// that hold pile and end the turn. The message line shows the step. True
// when the key was taken.
bool keypadMove(FrmGrisk& f, int keyCode) {
    const bool keypad = keyCode >= vb::vbKeyNumpad0 && keyCode <= vb::vbKeyNumpad0 + 9;
    const bool enter = keyCode == vb::vbKeyReturn && !f.cmdDeal.Visible();
    // Only on the human's turn, and never inside a move that is still going.
    if (eng.Pturn != 1 || !(keypad || enter) || !TableSettled()) return false;
    const int n = keyCode - vb::vbKeyNumpad0;
    int& source = cmd.KeySourceSlot;
    vb::Control& prompt = f.Label9(1);

    if (prompt.Caption() != kWhichPile) {
        if (enter) {
            if (source == 0) return false;
            if (eng.PlayerSlots(1, source) != 0) {
                prompt.setCaption(kWhichPile);
            } else {
                prompt.setCaption(QString());
                source = 0;
                f.lblHighlight.setVisible(false);
            }
            return true;
        }
        source = n == 0 ? 10 : n;
        prompt.setCaption(n == 0 ? QStringLiteral("Move card: 10") : "Move card: " + vb::Str(n));
        const vb::Control& card = f.Picture7(source);
        vb::Control& mark = f.lblHighlight;
        mark.setGeometryTw(card.leftTw(), card.topTw(), mark.widthTw(), mark.heightTw());
        mark.setVisible(true);
        return true;
    }

    f.lblHighlight.setVisible(false);
    prompt.setCaption(QString());
    const int from = source;
    source = 0;
    if (keypad && n >= 1 && n <= 4 && from != 0) {
        if (n > eng.NumCenters) return true;
        // The same rule check and play as a drag or a double-click.
        if (HumanCenterPlay(from, n, false) && eng.SideCount > 0) prompt.setCaption(QStringLiteral("Done!"));
        return true;
    }
    if (keypad && (n == 0 || n >= 6) && from >= 2 && from <= 6) {
        const int drop = n == 0 ? 10 : n;
        eng.SourceSlot = from;
        eng.DropSlot = drop;
        if (drop == 6) return false;  // a hand place is no hold pile
        const vb::Control& card = f.Picture7(from);
        eng.DragLeft = wholePixels(card.leftTw());
        eng.DragTop = wholePixels(card.topTw());
        HumanDiscard(from, drop);
        return true;
    }
    return false;
}

// A letter shows its emotion icon from the user's "Icons" folder beside
// the opponent; a letter without one, or an icon that cannot be read,
// puts the icon away.
void showEmotionIcon(FrmGrisk& f, int keyCode) {
    const QString file = EmotionIconFile(keyCode);
    const QImage icon = file.isEmpty() ? QImage() : QImage(eng.UserFolder + "Icons/" + file);
    if (icon.isNull()) {
        f.imgIcon.setVisible(false);
        return;
    }
    f.imgIcon.setPicture(icon);
}

// A digit (or "=") makes the opponent say one of its sounds: 1..9 its
// sounds 3..11, 0 its sound 12, "=" its sound 13.
void playOpponentSound(FrmGrisk& f, int keyCode) {
    const int n = keyCode == kKeyEquals ? 13 : keyCode == vb::vbKey0 ? 12 : keyCode - vb::vbKey0 + 2;
    if (keyCode == vb::vbKey0 + 1)
        f.Label9(2).setCaption(
            QStringLiteral("I feel like a puppet on a string. Are you trying to put words in my mouth?"));
    sound::PlayAsync(eng.SoundFiles(n));
}

// Home with no key held plays the intro; with Ctrl, Ctrl+Shift and
// Ctrl+Shift+Alt the cards flow over the pile rows, the stock or the
// whole table.
void homeKey(int shift) {
    switch (shift) {
    case 0:
        PlayMP3(eng.AppFolder + QStringLiteral("/Data/Intro.mp3"));
        vb::MsgBox(QStringLiteral("There's no place like home."));
        break;
    case vb::vbCtrlMask: AnimateCardsFlow(1); break;
    case kCtrlShift: AnimateCardsFlow(2); break;
    case kCtrlShift | vb::vbAltMask: AnimateCardsFlow(0); break;
    default: break;
    }
}
}  // namespace

void HandleKeyDown(int& keyCode, int shift) {
    FrmGrisk& f = frmGrisk();
    // The waiting opponent's nudges stop until the next turn.
    f.Timer1.Enabled = false;
    if (cmd.FlowRunning && !cmd.FlowClicked) {
        cmd.FlowClicked = true;
        return;
    }
    if (cmd.TutorialOn)
        vb::MsgBox(QStringLiteral("Please don't use the Menus during the tutorial."), vb::vbInformation,
                   QStringLiteral("Using Tutorial"));
    if (cmd.MenuLocked) return;

    if (keypadMove(f, keyCode)) return;
    // Any other key puts a keyboard move back to its start.
    f.lblHighlight.setVisible(false);
    if (cmd.KeySourceSlot != 0) {
        cmd.KeySourceSlot = 0;
        f.Label9(1).setCaption(QString());
    }

    if (keyCode == kKeyEscape && f.picPanel.Visible()) {
        f.picPanel.setVisible(false);
        CloseCommandList();
        tbl.PanelHover = false;
    }
    if (keyCode == vb::vbKeyHome) {
        // While a connection is being made only F11 works.
        if (shift != 0 || inet.NetPeers != 99) homeKey(shift);
        return;
    }
    if (shift == 0) {
        // While a connection is being made only F11 works.
        if (inet.NetPeers == 99 && keyCode != kKeyF11) return;
        switch (keyCode) {
        case vb::vbKeyF1: MenuHelpCommand(0, 0); break;  // the help
        case kKeyF2:  // New Game, but not on a remote player's machine
            if (inet.NetPeers == 0 || inet.IsHost == 1) MenuGameCommand(0);
            break;
        case kKeyF3: MenuGameCommand(9); break;  // Scores and Stats
        case kKeyF4:  // Previous Turn, local games only
            if (inet.NetPeers == 0) MenuGameCommand(6);
            break;
        case kKeyF5: MenuPreferencesCommand(0, 0); break;  // Speed
        case kKeyF6: MenuPreferencesCommand(4, 0); break;  // Rules
        case kKeyF7: MenuHelpCommand(3, 0); break;  // Peek / Stop Peeking
        case kKeyF8: MenuHelpCommand(4, 0); break;  // Card Counter
        case kKeyF10: MenuPreferencesCommand(5, 0); break;  // Opponents Setup
        case kKeyF9: MenuHelpCommand(5, 0); break;  // Show / Hide Status Bar
        case kKeyF11: MenuInternetCommand(0); break;  // Start / END Internet Game
        case kKeyF12: MenuGameCommand(11); break;  // Exit
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
        case vb::vbKeyBack:  // the turn from its start again, in a local game
            if (inet.NetPeers == 0 && eng.Pturn == 1 && TableSettled()) {
                cmd.KeyRestartTurn = true;
                RestartTurn();
            }
            break;
        case vb::vbKeyPageUp:  // the chat window may go behind the table
            if (inet.NetPeers != 0 && FrmChatExists()) frmChat().OnTop(false);
            break;
        case vb::vbKeyEnd: MenuPreferencesCommand(2, 0); break;  // Preferences
        case vb::vbKeyDelete: vb::MsgBox(QStringLiteral("Are you trying to Delete ME?")); break;
        default:
            if (keyCode >= vb::vbKeyA && keyCode <= vb::vbKeyA + 25) {
                f.imgIcon.setVisible(true);
                showEmotionIcon(f, keyCode);
            } else if ((keyCode >= vb::vbKey0 && keyCode <= vb::vbKey0 + 9) || keyCode == kKeyEquals) {
                f.imgIcon.setVisible(true);
                playOpponentSound(f, keyCode);
            }
            break;
        }
    } else if (shift == vb::vbCtrlMask && keyCode == 'S') {  // Save, local games only
        if (inet.NetPeers == 0) MenuGameCommand(3);
    } else if (shift == vb::vbCtrlMask && keyCode == 'R') {  // Restore
        MenuGameCommand(4);
    } else if (shift == vb::vbCtrlMask && keyCode == vb::vbKeyDelete) {
        AskRemoveBackground();
    } else if (shift == vb::vbCtrlMask && keyCode == kKeyF3) {  // a player's statistics
        ShowScoreStat(1);
    } else if (shift == kCtrlShift && keyCode == kKeyF3) {  // the runs
        ShowScoreStat(2);
    } else if (shift == vb::vbCtrlMask && keyCode == kKeyF4) {
        f.ImgAvatar.setVisible(true);
    } else if (shift == vb::vbCtrlMask && keyCode == kKeyF5) {
        // The splash window with the version, shown or put away.
        if (frmSplash().Visible())
            frmSplash().Unload();
        else
            frmSplash().Show();
    } else if (shift == vb::vbCtrlMask && keyCode == kKeyF6) {
        Flash(recs.OppIndex);  // the chosen opponent's end-of-game show
    } else if (shift == vb::vbCtrlMask && keyCode == kKeyF9) {
        ShowBackgroundWindow();
    } else if (shift == vb::vbCtrlMask && keyCode == kKeyF10) {
        ResetEmotionIcon();
    } else if (shift == vb::vbCtrlMask && keyCode == kKeyF11) {
        DisplayStats();
    } else if (shift == kCtrlShift && keyCode == 'S') {  // a prepared position of the tutorial
        TutorialSaveCommand();
    } else if (shift == kCtrlShift && keyCode == 'R') {
        TutorialRestoreCommand();
    } else if (shift == kCtrlShift && keyCode == kKeyF8) {  // the developer mode, for its makers
        if (eng.PlayerName == QLatin1String("Master Daru") || eng.PlayerName == QLatin1String("Daru"))
            cmd.DeveloperMode = !cmd.DeveloperMode;
    }
}

}  // namespace grisk
