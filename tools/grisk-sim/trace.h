// The trace of one game: a header line, then one line for each card that
// moved, "GAME TURN SEAT FROM TO CARD", found by comparing where every card
// lies now with where it lay at the last look. The game tells of every
// movement of its piles (NoteCardsMoved), so each look sees one step: a
// card dealt, played, cleared with its pile, reshuffled or discarded.
#pragma once

#include <cstdio>
#include <vector>

#include "census.h"

namespace sim {

class Tracer {
public:
    Tracer(std::FILE* out, int game) : out_(out), game_(game) {}
    // "GAME g players=P centres=C side=N forced=F nowildace=0|1"; every card
    // starts in the stock.
    void header();
    // The turn and seat the next movements belong to.
    void setTurn(int turn, int seat) {
        turn_ = turn;
        seat_ = seat;
    }
    // Writes the movements since the last look (loadedSeat as for TakeCensus).
    void movedSince(int loadedSeat);

private:
    std::FILE* out_;
    int game_;
    int turn_ = 0;
    int seat_ = 0;
    std::vector<Place> last_;
};

}  // namespace sim
