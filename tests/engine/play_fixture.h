// A table in the middle of a game, built directly in the shared state: the
// human's pay-off pile, hand and hold piles, the other seats' piles, the
// centre piles, the stock and the used pile, then drawn as the table draws
// them. Card numbers carry their rank: Card(rank, n) is the rank's card in
// the n-th run of 13 numbers (runs 0..7 at two players).
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <vector>

#include "engine/card_handling.h"
#include "engine/cards.h"
#include "engine/deal.h"
#include "engine/frm_grisk.h"
#include "engine/player_move.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "platform/eventwait.h"
#include "platform/msgbox.h"
#include "platform/sound.h"
#include "records/state.h"
#include "table/layout.h"
#include "support/test_support.h"
#include "table/layout_fixture.h"

namespace grisk_test {

constexpr int Card(int rank, int run = 0) { return 13 * run + rank; }
constexpr int RankOf(int card) { return (card - 1) % 13 + 1; }

// Positions put on the table directly in the shared state, for any fixture
// with a laid-out table.
class PlayPosition {
public:
    // The opponents' pay-off piles of three cards each, so that a game is
    // running; the human on turn. Pay-off piles of run 0: seat 2 ends in a
    // Jack, seat 3 in an Eight, seat 4 in a Five.
    void gameRunning(int players) {
        grisk::eng.Pturn = 1;
        grisk::eng.TurnName = "Grisk";
        const char* names[] = {"Grisk", "Varnok", "Zozida"};
        for (int seat = 2; seat <= players; ++seat) {
            grisk::SeatRecord(seat).Name = names[seat - 2];
            const int top = 11 - 3 * (seat - 2);
            setSeatSide(seat, {Card(top - 2), Card(top - 1), Card(top)});
        }
        grisk::eng.HandCount = 5;
        grisk::eng.NumPlayers = players;
        grisk::WhosOnFirst();  // the round runs from the human
    }
    void setSide(std::initializer_list<int> bottomToTop) {
        auto& e = grisk::eng;
        e.PlayerSide.clear();
        e.SideCount = 0;
        for (int c : bottomToTop) put(e.PlayerSide, ++e.SideCount, c);
        e.PlayerSlots(0, 1) = e.PlayerSide(0, e.SideCount);
        e.PlayerSlots(1, 1) = e.PlayerSide(1, e.SideCount);
        e.SideShape = 25 - e.SideCount + 1;
    }
    // Hand places 2.. in order; 0 leaves a place empty.
    void setHand(std::initializer_list<int> cards) {
        int s = 2;
        grisk::eng.HandCount = 0;
        for (int c : cards) {
            put(grisk::eng.PlayerSlots, s++, c);
            if (c != 0) ++grisk::eng.HandCount;
        }
        while (s <= 6) put(grisk::eng.PlayerSlots, s++, 0);
    }
    void setHold(int p, const std::vector<int>& cards) {
        auto& e = grisk::eng;
        e.PlayerHoldCount(p) = cards.empty() ? 0 : static_cast<int>(cards.size()) - 1;
        for (int d = 1; d <= e.PlayerHoldCount(p); ++d) {
            e.PlayerHold(0, p, d) = cards[d - 1];
            e.PlayerHold(1, p, d) = RankOf(cards[d - 1]);
        }
        put(e.PlayerSlots, p + 6, cards.empty() ? 0 : cards.back());
    }
    // The cards of a centre pile from its first; a King counts as the
    // place it takes.
    void setCentre(int c, std::initializer_list<int> cards) {
        auto& e = grisk::eng;
        int k = 0;
        for (int n : cards) {
            ++k;
            e.CenterPile(0, c, k) = n;
            e.CenterPile(1, c, k) = RankOf(n);
        }
        e.CenterCount(c) = k;
    }
    // Centre pile c standing at n: Ace up to rank n of one run.
    void stackCentre(int c, int n, int run) {
        auto& e = grisk::eng;
        for (int k = 1; k <= n; ++k) {
            e.CenterPile(0, c, k) = Card(k, run);
            e.CenterPile(1, c, k) = k;
        }
        e.CenterCount(c) = n;
    }
    void setStock(const std::vector<int>& bottomToTop) {
        auto& e = grisk::eng;
        for (int i = 1; i <= e.TotalCards; ++i) e.Deck(0, i) = e.Deck(1, i) = 0;
        e.StockCount = 0;
        for (int c : bottomToTop) {
            ++e.StockCount;
            e.Deck(0, e.StockCount) = c;
            e.Deck(1, e.StockCount) = RankOf(c);
        }
    }
    void setUsed(const std::vector<int>& firstToLast) {
        auto& e = grisk::eng;
        e.Used.clear();
        e.UsedCount = 0;
        for (int c : firstToLast) put(e.Used, ++e.UsedCount, c);
    }
    void setSeatSide(int seat, std::initializer_list<int> bottomToTop) {
        grisk::PlayerRecord& r = grisk::SeatRecord(seat);
        r.Side.clear();
        r.RecSideCount = 0;
        for (int c : bottomToTop) put(r.Side, ++r.RecSideCount, c);
        r.Slots(0, 1) = r.Side(0, r.RecSideCount);
        r.Slots(1, 1) = r.Side(1, r.RecSideCount);
        if (seat == 2) {  // seat 2 is the loaded seat during the human's turn
            grisk::eng.OppSide = r.Side;
            grisk::eng.OppSideCount = r.RecSideCount;
        }
    }
    void setSeatHand(int seat, std::initializer_list<int> cards) {
        int s = 2;
        for (int c : cards) put(grisk::SeatRecord(seat).Slots, s++, c);
    }
    void setSeatHold(int seat, int p, std::initializer_list<int> bottomToTop) {
        grisk::PlayerRecord& r = grisk::SeatRecord(seat);
        int d = 0;
        for (int c : bottomToTop) {
            ++d;
            r.Hold(0, p, d) = c;
            r.Hold(1, p, d) = RankOf(c);
        }
        r.HoldTable(p, 1) = d;
        put(r.Slots, p + 6, d == 0 ? 0 : r.Hold(0, p, d));
    }

    // The human to move in the middle of a round: a pay-off Nine over a
    // Three, the hand 5 6 7 8 10 (slots 2..6), empty hold piles, the seat
    // order running from the human. Drawn.
    void humanToMove() {
        setSide({Card(3), Card(9)});
        setHand({Card(5), Card(6), Card(7), Card(8), Card(10)});
        for (int p = 1; p <= 4; ++p) setHold(p, {});
        grisk::eng.Pturn = 1;
        grisk::WhosOnFirst();
        grisk::eng.TurnStart = 0;
        grisk::eng.RecountHand = 0;
        show();
    }

    // The human's card of slot played onto centre pile centre, as a
    // double-click or a key plays it (the centre rule has allowed it).
    void play(int slot, int centre) {
        grisk::eng.SourceSlot = slot;
        grisk::eng.TargetCenter = centre;
        grisk::eng.DragMove = false;
        grisk::Player_Move();
    }

    // The human ends the turn as a player ends it: the hand card of slot
    // dragged onto hold pile p. The other seats' turns run inside.
    void discard(int slot, int p) { grisk::DragHumanCard(slot, grisk::frmGrisk().Picture7, p + 6); }

    // Runs probe from inside the turn of `seat`, reached as a player reaches
    // it: the human drags a hand card onto hold pile 1 and the other seats
    // play, their pauses taking a little time so that a press or a command
    // can come in meanwhile (at the first moment of that turn when `when`
    // holds). Seats without a hand get one and a short stock is filled up
    // first. True when the probe ran.
    bool duringTurnOf(int seat, const std::function<void()>& probe,
                      const std::function<bool()>& when = [] { return true; }) {
        auto& e = grisk::eng;
        for (int s = 2; s <= e.NumPlayers; ++s)
            if (grisk::HandCards(grisk::SeatRecord(s).Slots) == 0)
                setSeatHand(s, {Card(2, s), Card(4, s), Card(6, s), Card(11, s), Card(12, s)});
        if (e.StockCount < 5 * e.NumPlayers) {
            std::vector<int> stock;
            for (int i = 0; i < 5 * e.NumPlayers; ++i) stock.push_back(Card(i % 12 + 1, 1));
            setStock(stock);
        }
        int source = 2;
        while (source <= 6 && e.PlayerSlots(0, source) == 0) ++source;
        const double scale = waits::PauseScale();
        waits::SetPauseScale(0.001);
        grisk_test::InsideWait inside([seat, &when] { return grisk::eng.Pturn == seat && when(); }, probe);
        discard(source, 1);
        waits::SetPauseScale(scale);
        return inside.ran();
    }

    // A click on the human's picture index (1 left, 2 right button) as the
    // screen delivers it: a locked picture takes none.
    static void click(int index, int button) {
        grisk::FrmGrisk& f = grisk::frmGrisk();
        vb::Control& pic = f.Picture7(index);
        if (!pic.Enabled()) return;
        f.MouseDown(pic, button, 0, 10, 10);
        f.MouseUp(pic, button, 0, 10, 10);
    }

    // Draws the position and lets the human play.
    void show() {
        grisk::RedrawTable();
        grisk::EnablePileRange(grisk::frmGrisk().Picture7, true, 1, 10);
    }

    // How often every card number lies on the table, in any pile.
    std::map<int, int> everyCard() const {
        const auto& e = grisk::eng;
        std::map<int, int> n;
        auto add = [&](int c) {
            if (c != 0) ++n[c];
        };
        for (int i = 1; i <= e.StockCount; ++i) add(e.Deck(0, i));
        for (int i = 1; i <= e.UsedCount; ++i) add(e.Used(0, i));
        for (int c = 1; c <= e.NumCenters; ++c)
            for (int k = 1; k <= e.CenterCount(c); ++k) add(e.CenterPile(0, c, k));
        for (int i = 1; i <= e.SideCount; ++i) add(e.PlayerSide(0, i));
        for (int s = 2; s <= 10; ++s) add(e.PlayerSlots(0, s));
        for (int p = 1; p <= 4; ++p)
            for (int d = 1; d <= e.PlayerHoldCount(p); ++d) add(e.PlayerHold(0, p, d));
        for (int seat = 2; seat <= e.NumPlayers; ++seat) {
            const grisk::PlayerRecord& r = grisk::SeatRecord(seat);
            for (int i = 1; i <= r.RecSideCount; ++i) add(r.Side(0, i));
            for (int s = 2; s <= 6; ++s) add(r.Slots(0, s));
            for (int p = 1; p <= 4; ++p)
                for (int d = 1; d <= r.HoldTable(p, 1); ++d) add(r.Hold(0, p, d));
        }
        return n;
    }

    static void put(vb::Array<int, 2>& pile, int i, int card) {
        pile(0, i) = card;
        pile(1, i) = card == 0 ? 0 : RankOf(card);
    }
};

class PlayTest : public LayoutTest, public PlayPosition {
protected:
    void SetUp() override {
        LayoutTest::SetUp();
        grisk::eng.DataFolder = tempFolder() + "/";
        vb::msgbox_script::clearShown();
    }
    // A table of players and centres with a game running.
    void table(int players = 2, int centres = 3) {
        buildTable(players, centres);
        gameRunning(players);
    }
};

}  // namespace grisk_test
