#include "census.h"

#include "engine/player_record.h"
#include "engine/state.h"

using namespace grisk;

namespace sim {

namespace {

constexpr int kSeatHoldMost = 30;   // a computer seat's hold pile
constexpr int kHumanUnderTop = 30;  // the human's hold pile under its top card

class Counter {
public:
    Counter() : census_{} {
        census_.where.assign(static_cast<std::size_t>(eng.TotalCards) + 1, Spot{});
        seen_.assign(census_.where.size(), 0);
    }
    void add(int card, Place at, int pos) {
        if (card == 0) return;
        if (card < 1 || card > eng.TotalCards) {
            census_.faults.push_back(QStringLiteral("card number %1 in %2").arg(card).arg(at.name()));
            return;
        }
        // A card seen twice (a play caught half way) stays at the first place
        // counted: the table piles before the seats.
        if (seen_[card]++ > 0) {
            census_.faults.push_back(QStringLiteral("card %1 in %2 and in %3")
                                         .arg(card)
                                         .arg(census_.where[card].place.name(), at.name()));
            return;
        }
        census_.where[card] = Spot{at, pos};
    }
    void fault(const QString& text) { census_.faults.push_back(text); }
    Census finish() {
        for (int n = 1; n <= eng.TotalCards; ++n)
            if (seen_[n] == 0) census_.faults.push_back(QStringLiteral("card %1 is missing").arg(n));
        // Each card of the 52 once in every deck.
        std::vector<int> byDeckCard(53, 0);
        for (int n = 1; n <= eng.TotalCards; ++n)
            if (seen_[n] > 0) byDeckCard[(n - 1) % 52 + 1] += 1;
        for (int d = 1; d <= 52; ++d)
            if (byDeckCard[d] != eng.NumPlayers)
                census_.faults.push_back(QStringLiteral("deck card %1 is there %2 times").arg(d).arg(byDeckCard[d]));
        return std::move(census_);
    }

private:
    Census census_;
    std::vector<int> seen_;
};

void countSeat(Counter& n, int seat) {
    using K = Place::Kind;
    if (seat == 1) {
        for (int i = 1; i <= eng.SideCount; ++i) n.add(eng.PlayerSide(0, i), {K::Side, 1, 0}, i);
        for (int s = 2; s <= 6; ++s) n.add(eng.PlayerSlots(0, s), {K::Hand, 1, 0}, s);
        for (int p = 1; p <= 4; ++p) {
            const int under = eng.PlayerHoldCount(p);
            if (under > kHumanUnderTop)
                n.fault(QStringLiteral("seat 1 hold pile %1 holds %2 cards under its top").arg(p).arg(under));
            for (int d = 1; d <= std::min(under, 30); ++d) n.add(eng.PlayerHold(0, p, d), {K::Hold, 1, p}, d);
            n.add(eng.PlayerSlots(0, p + 6), {K::Hold, 1, p}, under + 1);
        }
        return;
    }
    const bool loaded = seat == eng.LiveSeat;
    const PlayerRecord& r = SeatRecord(seat);
    const int side = loaded ? eng.OppSideCount : r.RecSideCount;
    for (int i = 1; i <= side; ++i) n.add(loaded ? eng.OppSide(0, i) : r.Side(0, i), {K::Side, seat, 0}, i);
    for (int s = 2; s <= 6; ++s) n.add(loaded ? eng.OppSlots(0, s) : r.Slots(0, s), {K::Hand, seat, 0}, s);
    for (int p = 1; p <= 4; ++p) {
        const int count = loaded ? eng.OppHoldTable(p, 1) : r.HoldTable(p, 1);
        if (count > kSeatHoldMost)
            n.fault(QStringLiteral("seat %1 hold pile %2 holds %3 cards").arg(seat).arg(p).arg(count));
        for (int d = 1; d <= std::min(count, 30); ++d)
            n.add(loaded ? eng.OppHold(0, p, d) : r.Hold(0, p, d), {K::Hold, seat, p}, d);
    }
}

}  // namespace

QString Place::name() const {
    switch (kind) {
    case Stock: return QStringLiteral("stock");
    case Used: return QStringLiteral("used");
    case Centre: return QStringLiteral("centre%1").arg(seat);
    case Side: return QStringLiteral("side%1").arg(seat);
    case Hand: return QStringLiteral("hand%1").arg(seat);
    case Hold: return QStringLiteral("hold%1.%2").arg(seat).arg(pile);
    case None: break;
    }
    return QStringLiteral("box");
}

Census TakeCensus() {
    using K = Place::Kind;
    Counter n;
    for (int i = 1; i <= eng.StockCount; ++i) n.add(eng.Deck(0, i), {K::Stock, 0, 0}, i);
    for (int i = 1; i <= eng.UsedCount; ++i) n.add(eng.Used(0, i), {K::Used, 0, 0}, i);
    for (int c = 1; c <= eng.NumCenters; ++c)
        for (int k = 1; k <= eng.CenterCount(c); ++k) n.add(eng.CenterPile(0, c, k), {K::Centre, c, 0}, k);
    for (int seat = 1; seat <= eng.NumPlayers; ++seat) countSeat(n, seat);
    return n.finish();
}

}  // namespace sim
