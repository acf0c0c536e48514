#include "net/internet_setup.h"

#include "engine/deal.h"
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/state.h"
#include "net/dispatcher.h"
#include "net/protocol.h"
#include "net/receive.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/eventwait.h"
#include "table/layout_reset.h"

namespace grisk {

void NetStartNewGame() {
    if (PeerVersionAtMost(inet.PeerVersion, "74")) {
        Game_New();
        return;
    }
    FrmGrisk& f = frmGrisk();
    if (eng.SideCount != 0 || eng.OppSideCount != 0) {
        ResetTableDisplay();
        QString end = QStringLiteral("EG");
        int all = 0;
        NetSendToOthers(end, all);
        Pause(0.01);
    }
    LoadOpponentAvatars();
    NetSendSeatList();
    ShowOpponentNames();
    ShowHostRules();
    for (int c = 1; c <= eng.NumCenters; ++c) f.PicCenter(c).setVisible(true);
    NetWaitUntil([] { return inet.NetState == nsSeatList && inet.NetAnswers >= eng.NumPlayers; });
}

}  // namespace grisk
