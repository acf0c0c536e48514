#include "trace.h"

#include <algorithm>

#include "engine/state.h"

using namespace grisk;

namespace sim {

void Tracer::header(const std::vector<int>& levels) {
    if (!out_) return;
    std::fprintf(out_, "GAME %d players=%d centres=%d side=%d forced=%d nowildace=%d levels=", game_, eng.NumPlayers,
                 eng.NumCenters, eng.SideOption, eng.ForcedCards, eng.NoWildAce ? 1 : 0);
    for (std::size_t i = 0; i < levels.size(); ++i) std::fprintf(out_, "%s%d", i ? "," : "", levels[i]);
    std::fputc('\n', out_);
    last_.assign(static_cast<std::size_t>(eng.TotalCards) + 1, Spot{});
    turn_ = 0;
    seat_ = 0;
}

void Tracer::look() {
    if (!out_) return;
    const int seat = eng.Pturn >= 1 && eng.Pturn <= 4 ? eng.Pturn : 0;
    const Census now = TakeCensus();
    struct Move {
        int card;
        Spot from, to;
    };
    std::vector<Move> moves;
    for (std::size_t n = 1; n < now.where.size() && n < last_.size(); ++n) {
        const Spot& to = now.where[n];
        if (to.place.kind == Place::None) continue;  // not counted this time (a play half done)
        if (!(to.place == last_[n].place)) moves.push_back({static_cast<int>(n), last_[n], to});
        last_[n] = to;
    }
    // The order the cards arrived in: the lower place in its pile first.
    std::stable_sort(moves.begin(), moves.end(), [](const Move& a, const Move& b) { return a.to.pos < b.to.pos; });
    if (!moves.empty() && seat != seat_) {
        seat_ = seat;
        ++turn_;
    }
    for (const Move& m : moves)
        std::fprintf(out_, "%d %d %d %s %s %d\n", game_, turn_, seat_, qPrintable(m.from.place.name()),
                     qPrintable(m.to.place.name()), m.card);
}

}  // namespace sim
