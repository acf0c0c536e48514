#include "table/wild_counters.h"

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/vb.h"

namespace grisk {

namespace {
QString counts(int side, int hand) { return vb::Str(side) + "/" + vb::Str(hand); }
}  // namespace

void WildUpdate() {
    FrmGrisk& f = frmGrisk();
    QString mine;
    QString theirs;
    if (eng.ScreenWidthTw > 9600) {
        mine = "Wild: " + counts(eng.PlayerWildSide, eng.PlayerWildHand);
        if (eng.NumPlayers == 2) {
            theirs = "Wild: " + counts(eng.OppWildSide, eng.OppWildHand);
        } else {
            const QString shown = f.StatusBar1.Panels(5).Text;
            const PlayerRecord& rec = shown == eng.Player2.Name   ? eng.Player2
                                      : shown == eng.Player3.Name ? eng.Player3
                                                                  : eng.Player4;
            theirs = "Wild: " + counts(rec.WildSide, rec.WildHand);
        }
    } else {
        mine = counts(eng.PlayerWildSide, eng.PlayerWildHand);
        theirs = counts(eng.OppWildSide, eng.OppWildHand);
    }
    f.StatusBar1.Panels(4).Text = mine;
    f.StatusBar1.Panels(8).Text = theirs;
}

}  // namespace grisk
