// Whether a saved-game record holds a game that can be put on the table:
// every count and card number it will be read by lies within the table it
// describes. Nothing of a record is taken before it has passed.
#include "records/saved_game_record.h"
#include "records/saved_games.h"

namespace grisk {

namespace {

constexpr int kSidePlaces = 26;
constexpr int kHoldDepth = 30;
constexpr int kCentreDepth = 12;
constexpr int kHandPlaces = 5;
constexpr int kKingRank = 13;

bool within(int v, int low, int high) { return v >= low && v <= high; }

// A card pair: a card number of the table's decks (0 none) and a rank.
bool cardFits(int number, int rank, int total) { return within(number, 0, total) && within(rank, 0, kKingRank); }

// The piles of one seat (1 the human): pay-off pile, slots, hold piles,
// and the counts that say how far they are read.
bool seatFits(const SavedGameRecord& r, int seat, int total) {
    for (int i = 1; i <= kSidePlaces; ++i)
        if (!cardFits(r.Side(0, i, seat), r.Side(1, i, seat), total)) return false;
    for (int s = 1; s <= 10; ++s)
        if (!cardFits(r.Slots(0, s, seat), r.Slots(1, s, seat), total)) return false;
    const int j = seat - 2;
    for (int p = 1; p <= 4; ++p) {
        const int count = seat == 1 ? r.PlayerHoldCount(p) : r.SeatHoldCount(j, p);
        if (!within(count, 0, kHoldDepth)) return false;
        for (int d = 1; d <= kHoldDepth; ++d) {
            const bool fits = seat == 1 ? cardFits(r.PlayerHold(0, p, d), r.PlayerHold(1, p, d), total)
                                        : cardFits(r.SeatHold(j, p, d), r.SeatHold(j + 3, p, d), total);
            if (!fits) return false;
        }
    }
    return seat == 1 || within(r.SeatSideCount(seat), 0, kSidePlaces);
}

}  // namespace

bool HoldsGame(const SavedGameRecord& r) { return r.Pturn != 0; }

bool PlayableSavedGame(const SavedGameRecord& r) {
    if (!within(r.NumPlayers, 2, 4) || !within(r.NumCenters, 3, 4) || !within(r.Pturn, 1, r.NumPlayers))
        return false;
    const int total = 52 * r.NumPlayers;
    const int counts[][3] = {{r.StockCount, 0, total},       {r.UsedCount, 0, total},
                             {r.SideCount, 0, kSidePlaces},  {r.OppSideCount, 0, kSidePlaces},
                             {r.HandCount, 0, kHandPlaces},  {r.SideOption, 0, kSidePlaces - 1},
                             {r.ForcedCards, 0, 7}};
    for (const auto& c : counts)
        if (!within(c[0], c[1], c[2])) return false;
    for (int i = 1; i <= total; ++i)
        if (!cardFits(r.Deck(0, i), r.Deck(1, i), total) || !cardFits(r.Used(0, i), r.Used(1, i), total))
            return false;
    for (int c = 1; c <= r.NumCenters; ++c) {
        if (!within(r.CenterCount(c), 0, kCentreDepth)) return false;
        for (int k = 1; k <= kCentreDepth; ++k)
            if (!cardFits(r.CenterPile(0, c, k), r.CenterPile(1, c, k), total)) return false;
    }
    for (int seat = 1; seat <= r.NumPlayers; ++seat)
        if (!seatFits(r, seat, total)) return false;
    return true;
}

}  // namespace grisk
