#include "opponent/greedy_seat.h"

#include "engine/card_handling.h"
#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/state.h"

namespace grisk {

int GreedyFits(int rank) {
    for (int c = 1; c <= eng.NumCenters; ++c) {
        const int n = eng.CenterCount(c);
        if (rank == kKing ? n < kFullPile && (n > 0 || !eng.NoWildAce) : rank == n + 1) return c;
    }
    return 0;
}

bool GreedyPlayOne(const std::function<void()>& beforeMove) {
    for (int s = 1; s <= 10; ++s) {
        const int rank = eng.PlayerSlots(1, s);
        const int c = rank == 0 ? 0 : GreedyFits(rank);
        if (c == 0) continue;
        if (beforeMove) beforeMove();
        if (HumanCenterPlay(s, c, false)) return true;
    }
    return false;
}

bool GreedyDiscard(const std::function<void()>& beforeMove) {
    for (int source = 2; source <= 6; ++source) {
        if (eng.PlayerSlots(1, source) == 0) continue;
        int pile = 1;
        for (int p = 2; p <= 4; ++p)
            if (eng.PlayerHoldCount(p) < eng.PlayerHoldCount(pile)) pile = p;
        const int card = eng.PlayerSlots(0, source);
        const int holdTop = eng.PlayerSlots(0, pile + 6);
        const int under = eng.PlayerHoldCount(pile);
        if (beforeMove) beforeMove();
        DragHumanCard(source, frmGrisk().Picture7, pile + 6);
        // Taken: the turn moved on, or the card left its place for the pile.
        if (eng.Pturn != 1 || eng.PlayerHoldCount(pile) != under || eng.PlayerSlots(0, pile + 6) != holdTop ||
            eng.PlayerSlots(0, source) != card)
            return true;
    }
    return false;
}

}  // namespace grisk
