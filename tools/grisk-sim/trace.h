// The trace of one game: a header line, then one line for each card as it
// moves, "GAME TURN SEAT FROM TO CARD", in the order of the game: the
// shuffled stock (every card from "box" to "stock", bottom first), the
// pay-off piles card by card in dealing order, the hands, then every play,
// refill card, discard, the twelve cards of a cleared centre pile (Ace
// first), every reshuffle (the new stock bottom first) and recovery. The
// game tells of every movement (NoteCardsMoved); the cards that moved since
// the last look are written in the order they lie in their new piles. SEAT
// is the seat on turn when the card moved (0 while none is); TURN counts
// the changes of the seat on turn.
#pragma once

#include <cstdio>
#include <vector>

#include "census.h"

namespace sim {

class Tracer {
public:
    Tracer(std::FILE* out, int game) : out_(out), game_(game) {}
    // "GAME g players=P centres=C side=N forced=F nowildace=0|1 levels=L2,L3,L4";
    // every card starts in the box.
    void header(const std::vector<int>& levels);
    // Writes the cards that moved since the last look.
    void look();

private:
    std::FILE* out_;
    int game_;
    int turn_ = 0;
    int seat_ = 0;
    std::vector<Spot> last_;
};

}  // namespace sim
