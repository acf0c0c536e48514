// Where every card of the running game lies, read from the shared state: the
// stock, the used pile, the centre piles, the pay-off piles, the hands and
// the hold piles. The seat whose turn is being played is read from the
// loaded-seat variables, every other seat from its record.
#pragma once

#include <QString>
#include <vector>

namespace sim {

// A pile as the trace names it: "stock", "used", "centreC", "sideS", "handS"
// or "holdS.P".
struct Place {
    enum Kind { None, Stock, Used, Centre, Side, Hand, Hold } kind = None;
    int seat = 0;  // 1..4 for side, hand and hold; the pile for a centre pile
    int pile = 0;  // hold pile 1..4
    bool operator==(const Place&) const = default;
    QString name() const;
};

// The place of each card number 1..TotalCards (index 0 unused), and what
// is wrong with the table: a card in two places or none, a card number out
// of range, a hold pile over its limit.
struct Census {
    std::vector<Place> where;
    std::vector<QString> faults;
};

// loadedSeat: the seat whose turn is being played (its piles are in the
// loaded-seat variables), 0 when every seat is in its record.
Census TakeCensus(int loadedSeat);

}  // namespace sim
