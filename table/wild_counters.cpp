#include "table/wild_counters.h"

#include "engine/frm_grisk.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "platform/vb.h"

namespace grisk {

namespace {

QString counts(int side, int hand) { return vb::Str(side) + "/" + vb::Str(hand); }

// The seat whose name the opponent panel shows ("Varnok", or "Varnok:" as a
// new game leaves it); seat 4 when it names neither seat 2 nor seat 3.
const PlayerRecord& shownOpponent(QString shown) {
    if (shown.endsWith(QLatin1Char(':'))) shown.chop(1);
    if (shown == eng.Player2.Name) return eng.Player2;
    if (shown == eng.Player3.Name) return eng.Player3;
    return eng.Player4;
}


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
            const PlayerRecord& rec = shownOpponent(f.StatusBar1.Panels(5).Text);
            // The seat that is moving keeps its newest counts in the loaded
            // seat's values until its turn ends.
            if (eng.Pturn >= 2 && eng.Pturn <= 4 && &rec == &SeatRecord(eng.Pturn))
                theirs = "Wild: " + counts(eng.OppWildSide, eng.OppWildHand);
            else
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
