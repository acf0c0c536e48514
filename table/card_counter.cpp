#include "table/card_counter.h"

#include "engine/player_record.h"
#include "engine/state.h"

namespace grisk {

void UpdateCardCounter() {
    // The counter window reads the dealt markers itself when it opens; there
    // is nothing to refresh while it is closed.
}

void GoUpdateOpponents() {
    if (eng.Pturn >= 2 && eng.Pturn <= 4) ExchangePlayerRecord(SeatRecord(eng.Pturn), true);
}

}  // namespace grisk
