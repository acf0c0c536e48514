// One simulated game: dealt by the game's own deal, seat 1 played by a
// greedy player through the human's own procedures (its turn ends with a
// drag onto a hold pile), seats 2..4 by the computer, the table checked
// after every turn.
#pragma once

#include <QString>
#include <array>
#include <cstdio>

namespace sim {

struct Rules {
    int players = 2;
    std::array<int, 3> levels{0, 0, 0};  // seats 2, 3, 4: 0 Average, 1 Clever, 2 Ruthless
    int centres = 0;    // 0: 3 with two players, else 4
    int side = 19;      // SideOption: the pay-off pile size minus one
    int forced = 0;     // ForcedCards bits
    bool noWildAce = false;
    bool decksSeparate = false;
    bool recover = false;  // a stalemate is answered Yes: the cards in play are reshuffled
};

struct Outcome {
    bool finished = false;   // a pay-off pile was emptied
    bool stalemate = false;  // given up in a stalemate
    bool hung = false;       // ran past the turn limit
    int winner = 0;          // the seat that emptied its pay-off pile, 0 none
    int recoveries = 0;      // stalemates recovered by a reshuffle
    int turns = 0;           // turns of every seat
    int violations = 0;      // checks that failed
    double compTurnUsTotal = 0;
    double compTurnUsMax = 0;
    int compTurns = 0;
};

// Lays the table out for the rules (once per table size).
void PrepareTable(const Rules& rules);

// Plays game number game to its end. trace: where the card movements go,
// nullptr for none. Faults are printed to stderr with the seed.
Outcome PlayGame(const Rules& rules, int game, quint64 seed, std::FILE* trace);

}  // namespace sim
