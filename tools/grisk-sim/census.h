// Where every card of the running game lies, read from the shared state: the
// stock, the used pile, the centre piles, the pay-off piles, the hands and
// the hold piles, each card with its place in its pile. A seat whose turn is
// being played keeps its cards in the loaded-seat variables (LiveSeat); every
// other seat's are in its record.
#pragma once

#include <QString>
#include <vector>

namespace sim {

// A pile as the trace names it: "box" (a card not yet shuffled into the
// stock), "stock", "used", "centreC", "sideS", "handS" or "holdS.P".
struct Place {
    enum Kind { None, Stock, Used, Centre, Side, Hand, Hold } kind = None;
    int seat = 0;  // 1..4 for side, hand and hold; the pile for a centre pile
    int pile = 0;  // hold pile 1..4
    bool operator==(const Place&) const = default;
    QString name() const;
};

// A card's place and its position in the pile (1 the bottom card; a hand's
// place number).
struct Spot {
    Place place;
    int pos = 0;
};

// The spot of each card number 1..TotalCards (index 0 unused), and what is
// wrong with the table: a card in two places or none, a card number out of
// range, a hold pile over its limit.
struct Census {
    std::vector<Spot> where;
    std::vector<QString> faults;
};

Census TakeCensus();

}  // namespace sim
