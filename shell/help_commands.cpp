#include "shell/help_commands.h"

#include "net/state.h"
#include "platform/msgbox.h"
#include "shell/state.h"
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
    switch (item) {
    case 4: showCardCounter(); break;
    default: break;
    }
}

}  // namespace grisk
