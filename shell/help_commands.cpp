#include "shell/help_commands.h"

#include "engine/frm_grisk.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "shell/frm_about.h"
#include "shell/help.h"
#include "shell/state.h"
#include "shell/tips.h"
#include "table/card_counter.h"

namespace grisk {

namespace {
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
}  // namespace

void MenuHelpCommand(int item, int) {
    // Every command first puts the menu strip away.
    frmGrisk().picPanel.setVisible(false);
    switch (item) {
    case 0: ShowHelpTopic(QStringLiteral("Contents"), QStringLiteral("Contents")); break;  // Help - User's Manual
    case 2: frmTip().Show(); break;       // Daily Tips
    case 8: frmAbout().Show(true); break;  // About
    case 4: showCardCounter(); break;
    case 5: {  // Show / Hide Status Bar
        vb::Control& bar = frmGrisk().StatusBar1;
        bar.setVisible(!bar.Visible());
        break;
    }
    default: break;
    }
}

}  // namespace grisk
