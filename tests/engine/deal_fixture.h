// A table laid out as start-up lays it out, ready for a deal, and what a
// test reads back from a dealt game.
#pragma once

#include <map>
#include <vector>

#include "engine/deal.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "platform/msgbox.h"
#include "records/state.h"
#include "table/layout_fixture.h"

namespace grisk_test {

class DealTableTest : public LayoutTest {
protected:
    void SetUp() override {
        LayoutTest::SetUp();
        grisk::eng.DataFolder = tempFolder() + "/";
        grisk::eng.PlayerName = QStringLiteral("Ottilie");
        grisk::eng.Player2.Name = QStringLiteral("Grisk");
        grisk::eng.Player3.Name = QStringLiteral("Varnok");
        grisk::eng.Player4.Name = QStringLiteral("Mirabel");
        grisk::recs.OppName = QStringLiteral("Grisk");
    }
    void table(int players, int sideOption = 19) {
        buildTable(players, players == 2 ? 3 : 4);
        grisk::eng.SideOption = sideOption;
    }

    // The pay-off pile of a seat, bottom first (card numbers).
    static std::vector<int> payOff(int seat) {
        std::vector<int> out;
        if (seat == 1) {
            for (int i = 1; i <= grisk::eng.SideCount; ++i) out.push_back(grisk::eng.PlayerSide(0, i));
        } else {
            const grisk::PlayerRecord& r = grisk::SeatRecord(seat);
            for (int i = 1; i <= r.RecSideCount; ++i) out.push_back(r.Side(0, i));
        }
        return out;
    }
    // A seat's slots 1..6 (card numbers).
    static std::vector<int> seatSlots(int seat) {
        std::vector<int> out;
        for (int s = 1; s <= 6; ++s)
            out.push_back(seat == 1 ? grisk::eng.PlayerSlots(0, s) : grisk::SeatRecord(seat).Slots(0, s));
        return out;
    }
    // The cards a seat holds besides its pay-off pile: its hand and, for a
    // seat that has had its turn, its hold piles (card numbers).
    static std::vector<int> cardsHeld(int seat) {
        std::vector<int> out;
        const std::vector<int> s = seatSlots(seat);
        for (std::size_t k = 1; k < s.size(); ++k)
            if (s[k] != 0) out.push_back(s[k]);
        if (seat >= 2) {
            const grisk::PlayerRecord& r = grisk::SeatRecord(seat);
            for (int p = 1; p <= 4; ++p)
                for (int d = 1; d <= r.HoldTable(p, 1); ++d) out.push_back(r.Hold(0, p, d));
        }
        return out;
    }
    // The cards the seats have played to the centre piles and the used pile.
    static std::vector<int> cardsPlayed() {
        std::vector<int> out;
        for (int c = 1; c <= grisk::eng.NumCenters; ++c)
            for (int k = 1; k <= grisk::eng.CenterCount(c); ++k) out.push_back(grisk::eng.CenterPile(0, c, k));
        for (int i = 1; i <= grisk::eng.UsedCount; ++i) out.push_back(grisk::eng.Used(0, i));
        return out;
    }
    // How often each card number lies in the stock, a pay-off pile, a hand,
    // a hold pile, a centre pile or the used pile.
    static std::map<int, int> cardsInPlay() {
        std::map<int, int> seen;
        for (int n : cardsPlayed()) seen[n] += 1;
        for (int i = 1; i <= grisk::eng.StockCount; ++i) seen[grisk::eng.Deck(0, i)] += 1;
        for (int seat = 1; seat <= grisk::eng.NumPlayers; ++seat) {
            for (int n : payOff(seat)) seen[n] += 1;
            for (int n : cardsHeld(seat)) seen[n] += 1;
        }
        return seen;
    }
};

}  // namespace grisk_test
