// Every machine of an Internet game shows the same table after every move,
// each from its own seat. One turn of a player is played by the real
// program on that player's machine (the human's own moves); the lines it
// sends are then played into the host, which relays them, and into each
// other remote player's machine, one machine at a time. After each move
// every machine's table, read in the host's seat numbering, must match the
// mover's.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "engine/deal.h"
#include "engine/frm_grisk.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "engine/turn_cycle.h"
#include "fake_peer.h"
#include "net/connection.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/eventwait.h"
#include "play_fixture.h"

using namespace grisk;
using grisk_test::Card;

namespace {

// A seat in the host's numbering: its pay-off pile (bottom first), hand and
// hold piles (bottom to top).
struct SeatHolding {
    std::vector<int> side;
    std::vector<int> hand;
    std::array<std::vector<int>, 4> holds;
};

// The table as one machine shows it, in the host's seat numbering: every
// seat's piles, the centre piles, the stock and the used pile.
struct TableView {
    std::vector<std::vector<int>> seats;
    std::vector<int> centres;
    int stock = 0;
    int used = 0;
    bool operator==(const TableView&) const = default;
};

void push(std::vector<int>& v, const vb::Array<int, 2>& a, int from, int to) {
    for (int i = from; i <= to; ++i) v.push_back(a(0, i));
}

// One seat's cards; the seat on turn may still hold them in the loaded-seat
// variables.
std::vector<int> seatCards(int seat) {
    std::vector<int> v;
    const auto& e = eng;
    if (seat == 1) {
        push(v, e.PlayerSide, 1, e.SideCount);
        v.push_back(-1);
        push(v, e.PlayerSlots, 1, 10);
        for (int p = 1; p <= 4; ++p) {
            v.push_back(-1);
            for (int d = 1; d <= e.PlayerHoldCount(p); ++d) v.push_back(e.PlayerHold(0, p, d));
            if (e.PlayerSlots(0, 6 + p) != 0) v.push_back(e.PlayerSlots(0, 6 + p));
        }
        return v;
    }
    const bool live = e.LiveSeat == seat;
    const PlayerRecord& r = SeatRecord(seat);
    push(v, live ? e.OppSide : r.Side, 1, live ? e.OppSideCount : r.RecSideCount);
    v.push_back(-1);
    push(v, live ? e.OppSlots : r.Slots, 1, 10);
    for (int p = 1; p <= 4; ++p) {
        v.push_back(-1);
        const int m = live ? e.OppHoldTable(p, 1) : r.HoldTable(p, 1);
        for (int d = 1; d <= m; ++d) v.push_back(live ? e.OppHold(0, p, d) : r.Hold(0, p, d));
    }
    return v;
}

TableView tableInHostSeats() {
    TableView t;
    for (int h = 1; h <= eng.NumPlayers; ++h) t.seats.push_back(seatCards(LocalSeatOfHostSeat(h)));
    for (int c = 1; c <= eng.NumCenters; ++c) {
        t.centres.push_back(eng.CenterCount(c));
        for (int k = 1; k <= eng.CenterCount(c); ++k) t.centres.push_back(eng.CenterPile(0, c, k));
    }
    t.stock = eng.StockCount;
    t.used = eng.UsedCount;
    return t;
}

class SameTableTest : public grisk_test::PlayTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        grisk_test::FailWaitsThatNeverEnd(guard_, "the game");
    }
    void TearDown() override {
        if (inet.NetPeers != 0) {
            CloseAllSockets();
            NetCleanUp();
        }
        PlayTest::TearDown();
    }

    // The game in the host's numbering: host seat 2 is to move. Centre pile
    // 1 stands at 3; seat 2 holds a 4 and a 5 in its hand, a 6 on its second
    // hold pile and a 7 on its pay-off pile.
    std::vector<SeatHolding> game(int players) const {
        std::vector<SeatHolding> seats(static_cast<std::size_t>(players));
        for (int h = 1; h <= players; ++h) {
            SeatHolding& s = seats[static_cast<std::size_t>(h - 1)];
            const int run = h + 1;
            s.side = {Card(9, run), Card(10, run), Card(11, run)};
            s.hand = {Card(2, run), Card(3, run), Card(8, run), Card(12, run), Card(13, run)};
            s.holds[0] = {Card(1, run)};
        }
        SeatHolding& mover = seats[1];
        mover.side = {Card(9, 3), Card(7, 3)};
        mover.hand = {Card(4, 3), Card(5, 3), Card(8, 3), Card(12, 3), Card(13, 3)};
        mover.holds[1] = {Card(10, 3), Card(6, 3)};
        return seats;
    }
    // The moves of host seat 2 on its own machine: the 4 and the 5 from the
    // hand, the 6 from the hold pile and the 7 from the pay-off pile onto
    // centre pile 1, then the hand's 8 onto hold pile 1.
    void playTheTurn() {
        play(2, 1);
        snap();
        play(3, 1);
        snap();
        play(8, 1);
        snap();
        play(1, 1);
        snap();
        discard(4, 1);
        snap();
    }

    // Lays the game out as this machine shows it.
    void placeGame(int players) {
        table(players, players == 2 ? 3 : 4);
        stackCentre(1, 3, 0);
        const std::vector<SeatHolding> seats = game(players);
        for (int h = 1; h <= players; ++h) {
            const SeatHolding& s = seats[static_cast<std::size_t>(h - 1)];
            const int seat = LocalSeatOfHostSeat(h);
            if (seat == 1) {
                placeHuman(s);
            } else {
                PlayerRecord& r = SeatRecord(seat);
                r.Side.clear();
                r.RecSideCount = 0;
                for (int c : s.side) put(r.Side, ++r.RecSideCount, c);
                for (int f : {0, 1}) r.Slots(f, 1) = r.Side(f, r.RecSideCount);
                for (std::size_t k = 0; k < 5; ++k) put(r.Slots, static_cast<int>(k) + 2, s.hand[k]);
                for (int p = 1; p <= 4; ++p) {
                    const std::vector<int>& pile = s.holds[static_cast<std::size_t>(p - 1)];
                    r.HoldTable(p, 1) = static_cast<int>(pile.size());
                    for (std::size_t d = 0; d < pile.size(); ++d) {
                        r.Hold(0, p, static_cast<int>(d) + 1) = pile[d];
                        r.Hold(1, p, static_cast<int>(d) + 1) = grisk_test::RankOf(pile[d]);
                    }
                    put(r.Slots, 6 + p, pile.empty() ? 0 : pile.back());
                }
            }
        }
        std::vector<int> stock;
        for (int i = 1; i <= 12; ++i) stock.push_back(Card(i, 7));
        setStock(stock);
        eng.HandCount = 5;
        eng.RecountHand = 0;
        eng.TurnStart = 0;
        // Host seat 2 is to move; the round runs from the host's seat 1.
        eng.Pturn = LocalSeatOfHostSeat(1);
        WhosOnFirst();
        eng.TurnIndex = 2;
        eng.Pturn = eng.SeatOrder(2);
        ExchangePlayerRecord(eng.Player2, false);
        eng.LiveSeat = 0;
        show();
    }
    void placeHuman(const SeatHolding& s) {
        auto& e = eng;
        e.PlayerSide.clear();
        e.SideCount = 0;
        for (int c : s.side) put(e.PlayerSide, ++e.SideCount, c);
        for (int f : {0, 1}) e.PlayerSlots(f, 1) = e.PlayerSide(f, e.SideCount);
        e.SideShape = 26 - e.SideCount;
        for (std::size_t k = 0; k < 5; ++k) put(e.PlayerSlots, static_cast<int>(k) + 2, s.hand[k]);
        for (int p = 1; p <= 4; ++p) setHold(p, s.holds[static_cast<std::size_t>(p - 1)]);
    }

    // This machine joins as the host's seat mySeat + 1, or hosts.
    void joinAs(int mySeat, grisk_test::FakePeer& host) {
        inet.NetPeers = 1;
        inet.IsHost = 0;
        inet.NetSockIndex = 0;
        inet.MySeat = mySeat;
        inet.PeerVersion = "96";
        NetHandshakeDone(0);
        host.connect(0);
    }
    void hostFor(std::vector<grisk_test::FakePeer*> peers) {
        inet.NetPeers = static_cast<int>(peers.size());
        inet.IsHost = 1;
        inet.NetSlotCount = inet.NetPeers;
        inet.PeerVersion = "96";
        for (int k = 1; k <= inet.NetPeers; ++k) {
            inet.NetSlots(k) = NetSlot{QString("Player %1").arg(k), k, 7, k, {}};
            NetHandshakeDone(k);
            peers[static_cast<std::size_t>(k - 1)]->connect(k);
        }
    }
    void snap() { views_.push_back(tableInHostSeats()); }
    // The next machine starts afresh.
    void leaveGame() {
        CloseAllSockets();
        NetCleanUp();
        grisk_test::ResetAll();
        ReleaseFrmGrisk();
        eng.DataFolder = tempFolder() + "/";
    }

    // Another machine takes the mover's lines: the peer on `from` sends them
    // one by one, each after the answer to the one before; every other peer
    // answers what it is sent. The table is read each time an answer
    // arrives, that is once the line's move is on the table.
    std::vector<TableView> replay(const QStringList& lines, grisk_test::FakePeer& from,
                                  std::vector<grisk_test::FakePeer*> others) {
        std::vector<TableView> seen;
        int next = 0;
        from.onLine = [&](const QString&) {
            seen.push_back(tableInHostSeats());
            if (next < lines.size()) from.send(lines[next++]);
        };
        for (grisk_test::FakePeer* p : others) p->onLine = [p](const QString& line) { p->send(line.left(2)); };
        from.send(lines[next++]);
        RemoteTurnsStop stopAtTheNextSeat(1);
        ComputerTurn();
        from.codes(static_cast<int>(lines.size()));
        from.onLine = {};
        return seen;
    }
    using RemoteTurnsStop = grisk_test::RemoteTurnsStop;

    std::vector<TableView> views_;
    QObject guard_;
};

TEST_P(SameTableTest, EveryMachineShowsTheMoversTableAfterEachMove) {
    const int players = GetParam();
    // The mover's machine: host seat 2, this machine's human.
    QStringList sent;
    {
        grisk_test::FakePeer host;
        joinAs(1, host);
        placeGame(players);
        eng.Pturn = 1;
        eng.TurnIndex = 2;
        host.onLine = [&](const QString& line) {
            sent << line;
            host.send(line.left(2));
        };
        RemoteTurnsStop stop;
        playTheTurn();
        leaveGame();
    }
    ASSERT_EQ(sent, (QStringList{"PC  2# 1", "WT", "PC  3# 1", "WT", "PC  8# 1", "WT", "PC  1# 1", "WT", "PC  4# 7", "OK"}));
    const std::vector<TableView> mover = views_;
    ASSERT_EQ(mover.size(), 5u);
    // What the other machines see after each move: the answers to the "WT"
    // lines and to the "OK".
    auto afterEachMove = [](const std::vector<TableView>& seen) {
        std::vector<TableView> out;
        for (std::size_t k = 1; k < seen.size(); k += 2) out.push_back(seen[k]);
        return out;
    };

    // The host takes the mover's lines and relays them to the others.
    {
        std::vector<std::unique_ptr<grisk_test::FakePeer>> peers;
        std::vector<grisk_test::FakePeer*> raw;
        for (int k = 1; k < players; ++k) {
            peers.push_back(std::make_unique<grisk_test::FakePeer>());
            raw.push_back(peers.back().get());
        }
        hostFor(raw);
        placeGame(players);
        std::vector<grisk_test::FakePeer*> others(raw.begin() + 1, raw.end());
        EXPECT_EQ(afterEachMove(replay(sent, *raw[0], others)), mover) << "the host";
        for (grisk_test::FakePeer* p : others)
            EXPECT_EQ(p->lines, sent) << "the host relays every line as the mover sent it";
        leaveGame();
    }

    // Every other remote player takes the lines the host relays.
    for (int mySeat = 2; mySeat < players; ++mySeat) {
        SCOPED_TRACE("the host's seat " + std::to_string(mySeat + 1));
        grisk_test::FakePeer host;
        joinAs(mySeat, host);
        placeGame(players);
        EXPECT_EQ(afterEachMove(replay(sent, host, {})), mover);
        leaveGame();
    }
}

INSTANTIATE_TEST_SUITE_P(Players, SameTableTest, ::testing::Values(2, 3, 4),
                         [](const auto& info) { return std::to_string(info.param) + "Players"; });

}  // namespace
