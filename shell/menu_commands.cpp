#include "shell/menu_commands.h"

#include "engine/deal.h"
#include "engine/state.h"
#include "net/state.h"
#include "shell/state.h"

namespace grisk {

void MenuGameCommand(int item) {
    if (cmd.RestartRequested) return;
    switch (item) {
    case 0:  // New Game
        if (eng.Pturn > 1 && inet.NetPeers == 0) {
            cmd.RestartRequested = true;
            return;
        }
        Game_New();
        break;
    default: break;
    }
}

}  // namespace grisk
