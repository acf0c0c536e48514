#include "shell/help_commands.h"

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/state.h"
#include "net/chat_lines.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/sound.h"
#include "shell/frm_about.h"
#include "shell/help.h"
#include "shell/state.h"
#include "shell/tips.h"
#include "shell/tutorial.h"
#include "table/card_counter.h"
#include "table/peek.h"

namespace grisk {

namespace {

// The project's own pages: its home and the page that shows the caller's
// Internet address.
constexpr char kHomePage[] = "https://quenmoor.example/grisk-and-varnok/";
constexpr char kAddressCheckPage[] = "https://quenmoor.example/grisk-and-varnok/your-address";

void showCardCounter() {
    if (cmd.CounterUsed) {
        vb::MsgBox(QStringLiteral("Sorry, I lost count when you restored the game!"), vb::vbExclamation,
                   QStringLiteral("Memory Failure"));
        return;
    }
    if (inet.NetPeers != 0 && !cmd.DeveloperMode) {
        vb::MsgBox(QStringLiteral("Count your own cards during a Net game!"), vb::vbExclamation,
                   QStringLiteral("Count by yourself"));
        return;
    }
    UpdateCardCounter();
    frmCounter().Show();
}

// Tells the other machines about the peek: a system notice, then the peek
// line.
void tellThePeers(const QString& notice) {
    SendSystemNotice(notice);
    Pause(0.2);
    SendPeekState(eng.Peeking);
}

// Peek / Stop Peeking: the opponents' hand cards face up or down. In an
// Internet game the player is asked first and the others are told.
void togglePeek() {
    if (eng.CardMoving) return;
    FrmGrisk& f = frmGrisk();
    const bool internet = inet.NetPeers != 0;
    if (internet && !eng.Peeking &&
        vb::MsgBox(QStringLiteral("Are you sure you want to peek at your opponent's cards? They will be notified!"),
                   vb::vbYesNo, QStringLiteral("Cheater")) == vb::vbNo)
        return;
    eng.Peeking = !eng.Peeking;
    if (eng.Peeking && !internet) {
        f.Label9(2).setCaption(QStringLiteral("Some people like to watch...\n\nCHEATER"));
    } else if (eng.Peeking) {
        f.LabelPeek.setCaption(QStringLiteral("\nYou're PEEKING!"));
        f.LabelPeek.setVisible(true);
        tellThePeers(QStringLiteral("GRISK: You're being watched."));
        f.Label9(0).setCaption(QStringLiteral("Opponent\nALERTED"));
        f.Label9(0).setVisible(true);
    } else if (!internet) {
        f.Label9(2).setCaption(
            QStringLiteral("Going Blind?\nWhy should I bother to keep score if you're going to cheat?"));
    } else {
        tellThePeers(QStringLiteral("GRISK: Nobody's looking now."));
        f.Label9(0).setCaption(QStringLiteral("Opponent has\nbeen informed."));
        f.Label9(0).setVisible(true);
        if (inet.PeerPeeking) {
            f.LabelPeek.setCaption(QStringLiteral("\nOpponent is PEEKING!"));
            f.LabelPeek.setVisible(true);
        } else {
            f.LabelPeek.setCaption(QStringLiteral("\n"));
            f.LabelPeek.setVisible(false);
        }
    }
    // The peers' notice waited a little: the window may have closed since.
    if (!FrmGriskExists()) return;
    Peek();
    if (!internet && FrmCounterExists() && frmCounter().Visible()) UpdateCardCounter();
    if (internet && eng.Peeking) sound::PlayAsync(eng.DataFolder + QStringLiteral("~105.tmp"));
}

}  // namespace

void MenuHelpCommand(int item, int subItem) {
    // Every command first puts the menu strip away.
    frmGrisk().picPanel.setVisible(false);
    switch (item) {
    case 0: ShowHelpTopic(QStringLiteral("Contents"), QStringLiteral("Contents")); break;  // Help - User's Manual
    case 1: StartTutorial(); break;  // Tutorial, modeless
    case 2: frmTip().Show(); break;       // Daily Tips
    case 3: togglePeek(); break;
    case 8: frmAbout().Show(true); break;  // About
    case 4: showCardCounter(); break;
    case 5: {  // Show / Hide Status Bar
        vb::Control& bar = frmGrisk().StatusBar1;
        bar.setVisible(!bar.Visible());
        break;
    }
    case 7:  // Visit the Quenmoor Website: the page chosen in its sub-menu
        if (subItem == 1 || subItem == 3) OpenWebPage(QString::fromLatin1(subItem == 1 ? kHomePage : kAddressCheckPage));
        break;
    default: break;
    }
}

}  // namespace grisk
