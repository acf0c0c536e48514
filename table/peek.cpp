#include "table/peek.h"

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/sound.h"
#include "records/state.h"
#include "table/card_counter.h"
#include "table/card_drawing.h"
#include "table/state.h"

namespace grisk {

void Peek() {
    GoUpdateOpponents();
    FrmGrisk& f = frmGrisk();
    struct Seat {
        vb::ControlArray& pictures;
        const PlayerRecord& rec;
        bool onTable;
    };
    const Seat seats[] = {{f.Picture1, eng.Player2, true},
                          {f.Picture2, eng.Player3, tbl.Seat3Loaded},
                          {f.Picture3, eng.Player4, tbl.Seat4Loaded}};
    for (int slot = 2; slot <= 6; ++slot) {
        for (const Seat& seat : seats) {
            if (!seat.onTable || seat.rec.Slots(1, slot) == 0) continue;
            if (eng.Peeking) {
                DrawCard(seat.pictures, slot, seat.rec.Slots(0, slot), 1);
                if (seat.pictures.exists(slot)) seat.pictures(slot).ZOrder(0);
            } else {
                DrawCard(seat.pictures, slot, 0, 1);
            }
        }
    }
    if (recs.SoundLevel != 2)
        recs.SoundResult = sound::PlayAsync(eng.DataFolder + QStringLiteral("~118.tmp")) ? 1 : 0;
}

}  // namespace grisk
