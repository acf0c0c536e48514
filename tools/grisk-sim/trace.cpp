#include "trace.h"

#include "engine/state.h"

using namespace grisk;

namespace sim {

void Tracer::header() {
    if (!out_) return;
    std::fprintf(out_, "GAME %d players=%d centres=%d side=%d forced=%d nowildace=%d\n", game_, eng.NumPlayers,
                 eng.NumCenters, eng.SideOption, eng.ForcedCards, eng.NoWildAce ? 1 : 0);
    last_.assign(static_cast<std::size_t>(eng.TotalCards) + 1, Place{Place::Stock, 0, 0});
    turn_ = seat_ = 0;
}

void Tracer::movedSince(int loadedSeat) {
    if (!out_) return;
    const Census now = TakeCensus(loadedSeat);
    for (std::size_t n = 1; n < now.where.size() && n < last_.size(); ++n) {
        if (now.where[n] == last_[n] || now.where[n].kind == Place::None) continue;
        std::fprintf(out_, "%d %d %d %s %s %zu\n", game_, turn_, seat_, qPrintable(last_[n].name()),
                     qPrintable(now.where[n].name()), n);
        last_[n] = now.where[n];
    }
}

}  // namespace sim
