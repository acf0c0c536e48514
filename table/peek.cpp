#include "table/peek.h"

#include "engine/frm_grisk.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "table/card_counter.h"
#include "table/card_drawing.h"

namespace grisk {

void Peek() {
    GoUpdateOpponents();
    FrmGrisk& f = frmGrisk();
    for (int seat = 2; seat <= eng.NumPlayers; ++seat) {
        const PlayerRecord& rec = SeatRecord(seat);
        vb::ControlArray& pile = f.seatPictures(seat);
        for (int s = 2; s <= 6; ++s)
            if (rec.Slots(1, s) != 0 && pile.exists(s)) DrawCard(pile, s, eng.Peeking ? rec.Slots(0, s) : 0, 0);
    }
}

}  // namespace grisk
