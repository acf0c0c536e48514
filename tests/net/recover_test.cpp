// A whole game sent from the host to the remote players: what each seat
// holds arrives at the right seat of every machine, damaged games are
// refused before the table changes, and the host's lines go out as its
// peers read them.
#include <gtest/gtest.h>

#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

#include "engine/cards.h"
#include "engine/fake_peer.h"
#include "engine/frm_grisk.h"
#include "engine/play_fixture.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "engine/turn_cycle.h"
#include "net/connection.h"
#include "net/internet_setup.h"
#include "net/recover.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "records/state.h"
#include "shell/state.h"

using namespace grisk;

namespace {

// What one seat holds, seen the same way on every machine: the pay-off
// pile bottom first, the hand places, and each hold pile whole, bottom to
// top (card numbers reduced to 1..52).
struct SeatView {
    std::vector<int> side;
    std::vector<int> hand;
    std::vector<std::vector<int>> holds;
    int wildSide = 0;
    int wildHand = 0;
    bool operator==(const SeatView&) const = default;
};

int reduced(int n) {
    CardRank(n);
    return n;
}

SeatView seatView(const EngineState& e, int seat) {
    SeatView v;
    if (seat == 1) {
        for (int i = 1; i <= e.SideCount; ++i) v.side.push_back(reduced(e.PlayerSide(0, i)));
        for (int s = 2; s <= 6; ++s) v.hand.push_back(reduced(e.PlayerSlots(0, s)));
        for (int p = 1; p <= 4; ++p) {
            std::vector<int> pile;
            for (int d = 1; d <= e.PlayerHoldCount(p); ++d) pile.push_back(reduced(e.PlayerHold(0, p, d)));
            if (e.PlayerSlots(0, 6 + p) != 0) pile.push_back(reduced(e.PlayerSlots(0, 6 + p)));
            v.holds.push_back(pile);
        }
        v.wildSide = e.PlayerWildSide;
        v.wildHand = e.PlayerWildHand;
        return v;
    }
    const PlayerRecord& r = seat == 2 ? e.Player2 : seat == 3 ? e.Player3 : e.Player4;
    for (int i = 1; i <= r.RecSideCount; ++i) v.side.push_back(reduced(r.Side(0, i)));
    for (int s = 2; s <= 6; ++s) v.hand.push_back(reduced(r.Slots(0, s)));
    for (int p = 1; p <= 4; ++p) {
        std::vector<int> pile;
        for (int d = 1; d <= r.HoldTable(p, 1); ++d) pile.push_back(reduced(r.Hold(0, p, d)));
        v.holds.push_back(pile);
    }
    v.wildSide = r.WildSide;
    v.wildHand = r.WildHand;
    return v;
}

class RecoverTest : public grisk_test::PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        grisk_test::FailWaitsThatNeverEnd(guard_, "the saved game");
    }
    void TearDown() override {
        CloseAllSockets();
        NetCleanUp();
        PlayTest::TearDown();
    }

    // A game in the middle, every card of the decks in one place: centre
    // pile c holds c cards; each seat a pay-off pile, a full hand and hold
    // piles of different heights (seat 1's hold pile p holds p cards); a
    // few cards used; the rest is the stock. Card numbers run through all
    // decks, so that the later decks' numbers travel too.
    void wholeGame(int players, int centres) {
        table(players, centres);
        auto& e = eng;
        e.TotalCards = 52 * players;
        e.SideOption = 19;
        int next = 0;
        auto take = [&] { return ++next; };
        for (int c = 1; c <= centres; ++c) {
            e.CenterCount(c) = c;
            for (int k = 1; k <= c; ++k) put3(e.CenterPile, c, k, take());
        }
        std::vector<int> side;
        for (int i = 0; i < 3; ++i) side.push_back(take());
        setSideV(side);
        setHand({take(), take(), take(), take(), take()});
        for (int p = 1; p <= 4; ++p) {
            std::vector<int> pile;
            for (int d = 0; d < p; ++d) pile.push_back(take());
            setHold(p, pile);
        }
        e.PlayerWildSide = 1;
        e.PlayerWildHand = 2;
        for (int seat = 2; seat <= players; ++seat) {
            PlayerRecord& r = SeatRecord(seat);
            r.Side.clear();
            r.RecSideCount = 0;
            for (int i = 0; i < 2 + seat; ++i) put(r.Side, ++r.RecSideCount, take());
            for (int f : {0, 1}) r.Slots(f, 1) = r.Side(f, r.RecSideCount);
            for (int s = 2; s <= 6; ++s) put(r.Slots, s, take());
            for (int p = 1; p <= 4; ++p) {
                const int m = (p + seat) % 4;
                r.HoldTable(p, 1) = m;
                for (int d = 1; d <= m; ++d) {
                    const int card = take();
                    r.Hold(0, p, d) = card;
                    r.Hold(1, p, d) = grisk_test::RankOf(card);
                }
                put(r.Slots, 6 + p, m == 0 ? 0 : r.Hold(0, p, m));
            }
            r.WildSide = seat;
            r.WildHand = 10 + seat;
        }
        ExchangePlayerRecord(eng.Player2, false);
        std::vector<int> used;
        for (int i = 0; i < 7; ++i) used.push_back(take());
        setUsed(used);
        std::vector<int> stock;
        while (next < e.TotalCards) stock.push_back(take());
        setStock(stock);
        e.HandCount = 5;
    }
    // This machine hosts a game of three in the middle, its human to move,
    // with the two players on connections 1 and 2.
    void hostOfThree(grisk_test::FakePeer& ann, grisk_test::FakePeer& bob) {
        wholeGame(3, 4);
        eng.Pturn = 1;
        WhosOnFirst();
        inet.NetPeers = 2;
        inet.IsHost = 1;
        inet.NetSlotCount = 2;
        inet.PeerVersion = "96";
        int k = 0;
        for (grisk_test::FakePeer* p : {&ann, &bob}) {
            ++k;
            inet.NetSlots(k) = NetSlot{SeatRecord(k + 1).Name, k, 7, k, {}};
            NetHandshakeDone(k);
            p->connect(k);
        }
    }
    static void put3(vb::Array<int, 3>& pile, int c, int k, int card) {
        pile(0, c, k) = card;
        pile(1, c, k) = grisk_test::RankOf(card);
    }
    void setSideV(const std::vector<int>& cards) {
        auto& e = eng;
        e.PlayerSide.clear();
        e.SideCount = 0;
        for (int c : cards) put(e.PlayerSide, ++e.SideCount, c);
        for (int f : {0, 1}) e.PlayerSlots(f, 1) = e.PlayerSide(f, e.SideCount);
        e.SideShape = 26 - e.SideCount;
    }

    // The host's "RC" payload of the table, with the host's turn first.
    static QString hostPayload(int turn) {
        inet.NetPayload = vb::Str(turn) + "#";
        AppendRecoverGame();
        const QString payload = inet.NetPayload;
        inet.NetPayload.clear();
        return payload;
    }
    // The numbers of a payload, to be damaged one by one.
    static QStringList numbersOf(const QString& payload) {
        QStringList n = payload.split('#');
        n.removeLast();
        return n;
    }
    static QString payloadOf(const QStringList& numbers) { return numbers.join('#') + "#"; }

    QObject guard_;
};

// ---- The seats of every machine -----------------------------------------

struct SeatRow {
    int mySeat;
    int players;
    std::vector<int> blocks;  // the local seat of the host's seats 1..players
};

class SeatBlocksTest : public RecoverTest, public ::testing::WithParamInterface<SeatRow> {};

// Each host seat's cards land at the seat this machine shows it in; the
// host's hold tops go onto their piles, and a record's pile read into this
// machine's human leaves its top in the slot. The turn follows the seat.
TEST_P(SeatBlocksTest, EachHostSeatLandsAtItsLocalSeatWithItsHoldPilesWhole) {
    const SeatRow& row = GetParam();
    wholeGame(row.players, row.players == 2 ? 3 : 4);
    const EngineState host = eng;
    for (int turn = 1; turn <= row.players; ++turn) {
        SCOPED_TRACE("host's turn " + std::to_string(turn));
        EngineState e = eng;
        ASSERT_TRUE(ReadRecoveredGame(hostPayload(turn), "96", row.mySeat, e));
        EXPECT_EQ(e.Pturn, row.blocks[static_cast<std::size_t>(turn - 1)]);
        for (int h = 1; h <= row.players; ++h)
            EXPECT_EQ(seatView(e, row.blocks[static_cast<std::size_t>(h - 1)]), seatView(host, h)) << "host seat " << h;
        EXPECT_EQ(e.StockCount, host.StockCount);
        EXPECT_EQ(e.UsedCount, host.UsedCount);
        for (int c = 1; c <= e.NumCenters; ++c) EXPECT_EQ(e.CenterCount(c), c);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, SeatBlocksTest,
                         ::testing::Values(SeatRow{1, 2, {2, 1}}, SeatRow{1, 3, {3, 1, 2}}, SeatRow{1, 4, {4, 1, 2, 3}},
                                           SeatRow{2, 3, {2, 3, 1}}, SeatRow{2, 4, {3, 4, 1, 2}},
                                           SeatRow{3, 4, {2, 3, 4, 1}}),
                         [](const auto& info) {
                             return "Seat" + std::to_string(info.param.mySeat) + "Of" +
                                    std::to_string(info.param.players);
                         });

// The two-player layout of old peers carries the same game: the receiver's
// human is the sender's other player.
TEST_F(RecoverTest, TheOldLayoutCarriesBothPlayersPiles) {
    wholeGame(2, 3);
    const EngineState host = eng;
    inet.PeerVersion = "74";
    inet.NetPayload = " 2#";
    ASSERT_TRUE(SendRecoverOld());
    const QString payload = inet.NetPayload;
    EngineState e = eng;
    ASSERT_TRUE(ReadRecoveredGame(payload, "74", 1, e));
    EXPECT_EQ(e.Pturn, 2) << "the turn travels as the sender wrote it";
    EXPECT_EQ(seatView(e, 1), seatView(host, 2));
    EXPECT_EQ(seatView(e, 2), seatView(host, 1));
    for (int i = 1; i <= host.StockCount; ++i) EXPECT_EQ(e.Deck(0, i), host.Deck(0, i));
}

// A card of a later deck arrives as its card of the first deck; the
// no-wild-Ace rule reads true for any number but 0.
TEST_F(RecoverTest, CardNumbersArriveReducedAndTheWildAceRuleReadsAsAFlag) {
    wholeGame(2, 3);
    // Card 60 to the stock's top.
    for (int i = 1; i <= eng.StockCount; ++i)
        if (eng.Deck(0, i) == 60) std::swap(eng.Deck(0, i), eng.Deck(0, eng.StockCount));
    for (int i = 1; i <= eng.StockCount; ++i) eng.Deck(1, i) = grisk_test::RankOf(eng.Deck(0, i));
    QStringList n = numbersOf(hostPayload(2));
    for (const char* flag : {"-1", " 0"}) {
        SCOPED_TRACE(flag);
        n[5] = flag;
        EngineState e = eng;
        ASSERT_TRUE(ReadRecoveredGame(payloadOf(n), "96", 1, e));
        EXPECT_EQ(e.Deck(0, e.StockCount), 8);
        EXPECT_EQ(e.Deck(1, e.StockCount), 8);
        EXPECT_EQ(e.NoWildAce, QString(flag) == "-1");
    }
}

// ---- Damaged games --------------------------------------------------------

TEST_F(RecoverTest, ADamagedOrShortGameIsRefused) {
    wholeGame(3, 4);
    const QStringList good = numbersOf(hostPayload(1));
    ASSERT_TRUE([&] {
        EngineState e = eng;
        return ReadRecoveredGame(payloadOf(good), "96", 1, e);
    }());
    // Positions in the list: 0 turn, 1 players, 2 centres, 3 side option,
    // 4 forced bits, 5 wild-Ace flag, 6 stock count, 7 used count, 8.. the
    // stock.
    const int stock = good[6].trimmed().toInt();
    const int firstUsed = 8 + stock;
    const int firstCentre = firstUsed + good[7].trimmed().toInt();
    struct Damage {
        const char* name;
        std::function<void(QStringList&)> apply;
        int mySeat = 1;
    };
    const std::vector<Damage> damages{
        {"the list ends early", [](QStringList& n) { n.removeLast(); }},
        {"a number too many", [](QStringList& n) { n << " 1"; }},
        {"a word for a number", [](QStringList& n) { n[9] = "x"; }},
        {"five players", [](QStringList& n) { n[1] = " 5"; }},
        {"a turn of no seat", [](QStringList& n) { n[0] = " 4"; }},
        {"a pay-off size no rule has", [](QStringList& n) { n[3] = " 20"; }},
        {"a stock larger than the decks", [](QStringList& n) { n[6] = " 157"; }},
        {"a card number beyond the decks", [](QStringList& n) { n[8] = " 157"; }},
        {"no card in a stock place", [](QStringList& n) { n[8] = " 0"; }},
        {"a card twice and another missing", [=](QStringList& n) { n[8] = n[9]; }},
        {"a centre card above the pile's count", [=](QStringList& n) { n[firstCentre + 2] = n[firstCentre + 1]; }},
        {"a seat the player count does not have", {}, 3},
        {"no seat at all", {}, 0},
    };
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.name);
        QStringList n = good;
        if (d.apply) d.apply(n);
        EngineState e = eng;
        EXPECT_FALSE(ReadRecoveredGame(payloadOf(n), "96", d.mySeat, e));
    }
}

// A slot that disagrees with its pile: the pay-off top or a hold top that is
// not the pile's top card.
TEST_F(RecoverTest, ASlotThatDisagreesWithItsPileIsRefused) {
    wholeGame(2, 3);
    struct Case {
        const char* name;
        std::function<void()> damage;
    };
    const std::vector<Case> cases{
        {"a record's pay-off top", [] { std::swap(eng.Player2.Slots(0, 1), eng.Player2.Side(0, 1)); }},
        {"a record's hold top (read into this machine's human)",
         [] {
             PlayerRecord& r = eng.Player2;
             std::swap(r.Slots(0, 7), r.Hold(0, 1, 1));
         }},
        {"cards under an empty hold slot of the host",
         [] {
             eng.StockCount += 1;
             eng.Deck(0, eng.StockCount) = eng.PlayerSlots(0, 10);
             eng.PlayerSlots(0, 10) = 0;
         }},
    };
    const EngineState keep = eng;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        eng = keep;
        c.damage();
        EngineState e = eng;
        EXPECT_FALSE(ReadRecoveredGame(hostPayload(1), "96", 1, e));
    }
}

// ---- Over the connection: this machine as a remote player ------------------

class ReceivedGameTest : public RecoverTest {
protected:
    // The host's game is made here and sent by the test's host; then the
    // table shows another game, the one the saved game replaces.
    QString hostsGame() {
        wholeGame(2, 3);
        host_ = eng;
        const QString payload = hostPayload(2);  // this machine's human to move
        humanToMove();
        stackCentre(1, 5, 4);
        return payload;
    }
    std::vector<int> tableNow() const {
        std::vector<int> v{eng.StockCount, eng.UsedCount, eng.SideCount, eng.Player2.RecSideCount};
        for (int c = 1; c <= eng.NumCenters; ++c) v.push_back(eng.CenterCount(c));
        for (int s = 1; s <= 10; ++s) v.push_back(eng.PlayerSlots(0, s));
        return v;
    }
    EngineState host_;
    grisk_test::FakePeer peer;
};

TEST_F(ReceivedGameTest, AGameFromTheHostWaitsForTheDealButtonAndResumes) {
    const QString payload = hostsGame();
    grisk_test::StartTwoPlayerGame(peer, 0, "96");
    peer.onLine = [&](const QString& line) {
        if (line == "RC") peer.send("RS");
    };
    peer.send("RC " + payload);
    ASSERT_TRUE(grisk_test::RunEventsUntil([] { return inet.NetRestorePending == 1; }));
    EXPECT_EQ(seatView(eng, 1), seatView(host_, 2));
    EXPECT_EQ(seatView(eng, 2), seatView(host_, 1));
    EXPECT_EQ(f().StatusMsg.Caption(), "Click the Deal button to resume this game.");
    ASSERT_TRUE(f().cmdDeal.Visible());
    EXPECT_EQ(eng.HandCount, 5);
    f().Click(f().cmdDeal);
    EXPECT_EQ(peer.codes(1), QStringList{"RC"});
    EXPECT_EQ(inet.NetRestorePending, 0);
    EXPECT_EQ(eng.Pturn, 1);
    EXPECT_EQ(f().Label9(1).Caption(), "\n     It's still your turn.");
}

TEST_F(ReceivedGameTest, ADamagedGameEndsTheConnectionAndLeavesTheTable) {
    QStringList n = numbersOf(hostsGame());
    n[8] = n[9];  // a card twice
    grisk_test::StartTwoPlayerGame(peer, 0, "96");
    const std::vector<int> before = tableNow();
    peer.send("RC " + payloadOf(n));
    EXPECT_TRUE(peer.closedByThem());
    EXPECT_EQ(tableNow(), before);
    EXPECT_EQ(inet.NetRestorePending, 0);
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_EQ(vb::msgbox_script::shown()[0].title, "Dealer Error");
}

// A saved game arriving while the host's own turn is replayed here ends
// that turn at once: its wait line is not answered, the turn does not pass
// and nothing of the turn is written over the saved game.
TEST_F(ReceivedGameTest, AGameArrivingMidTurnEndsTheTurnAndStaysAsSent) {
    const QString payload = hostsGame();
    eng.Pturn = 2;
    eng.TurnIndex = 2;
    eng.RecountHand = 1;
    grisk_test::StartTwoPlayerGame(peer, 0, "96");
    peer.onLine = [&](const QString& line) {
        if (line != "PC") return;
        peer.send("RC " + payload);
        peer.send("WT");
    };
    peer.send("PC  3# 15");  // a reorder of the host's hand
    ComputerTurn();
    grisk_test::RunEventsFor(50);
    EXPECT_EQ(peer.lines, QStringList{"PC"}) << "the wait line of the turn left is not answered";
    EXPECT_EQ(inet.NetRestorePending, 1);
    EXPECT_EQ(seatView(eng, 1), seatView(host_, 2));
    EXPECT_EQ(seatView(eng, 2), seatView(host_, 1));
    EXPECT_EQ(f().StatusMsg.Caption(), "Click the Deal button to resume this game.");
}

// ---- Over the connection: this machine hosting -----------------------------

struct SendCase {
    const char* name;
    const char* version;
    bool restarted;
    bool secure;
    QStringList firstLines;  // the lines before the game itself
    const char* turn;        // the turn the "RC" line begins with
};

class SendRecoverTest : public RecoverTest, public ::testing::WithParamInterface<SendCase> {};

// The notice, the seats (for a peer above "74") and the game; the host
// waits for the remote player's Deal button, then all go on.
TEST_P(SendRecoverTest, TheNoticeSeatsAndGameGoOutAndPlayResumesOnTheAnswer) {
    const SendCase& c = GetParam();
    wholeGame(2, 3);
    eng.Pturn = 1;
    WhosOnFirst();
    cmd.GameRestarted = c.restarted;
    recs.SecureSave = c.secure;
    eng.MsgText = "Tuesday\r\nnight";
    grisk_test::FakePeer peer;
    grisk_test::StartTwoPlayerGame(peer, 1, c.version);
    peer.onLine = [&](const QString& line) {
        if (line.startsWith("LO")) peer.send("LO");
        if (line.startsWith("RC")) peer.send("RC");
    };
    SendRecover();
    peer.codes(static_cast<int>(c.firstLines.size()) + 2);
    ASSERT_EQ(peer.lines.size(), c.firstLines.size() + 2);
    EXPECT_EQ(peer.lines.mid(0, c.firstLines.size()), c.firstLines);
    EXPECT_TRUE(peer.lines[c.firstLines.size()].startsWith(QString("RC ") + c.turn + "#"))
        << peer.lines[c.firstLines.size()].left(20).toStdString();
    EXPECT_EQ(peer.lines.last(), "RS");
    EXPECT_FALSE(cmd.GameRestarted);
    EXPECT_FALSE(recs.SecureSave);
    EXPECT_EQ(inet.NetRestorePending, 0);
    EXPECT_FALSE(f().StatusMsg.Visible());
    EXPECT_TRUE(f().Picture7(2).Enabled()) << "the host's human plays on";
}

INSTANTIATE_TEST_SUITE_P(
    Peers, SendRecoverTest,
    ::testing::Values(SendCase{"Restarted", "96", true, false,
                               {"SY  1#$-GRISK: Host has restarted this game.", "LO  2  1"}, " 1"},
                      SendCase{"SecureWithBrokenTitle", "96", false, true,
                               {"SY  1#$-GRISK: This is a secure saved game, saved as: Tuesday  night", "LO  2  1"},
                               " 1"},
                      SendCase{"OldPeerNotSecure", "74", false, false,
                               {"SY  1#$-GRISK: This is NOT a secure saved game."}, " 2"},
                      SendCase{"OlderPeerWithoutMarker", "62", true, false,
                               {"SY  1#GRISK: Host has restarted this game."}, " 2"}),
    [](const auto& info) { return std::string(info.param.name); });

// A host of three: each remote player gets its seat, then the game; play
// resumes only when both have answered.
TEST_F(RecoverTest, AHostOfThreeSeatsBothPlayersAndWaitsForBothAnswers) {
    grisk_test::FakePeer ann, bob;
    hostOfThree(ann, bob);
    // Ann answers the game at once, Bob only once Ann has.
    ann.onLine = [&](const QString& line) {
        if (line.startsWith("LO")) ann.send("LO");
        if (line.startsWith("RC")) ann.send("RC");
    };
    bob.onLine = [&](const QString& line) {
        if (line.startsWith("LO")) bob.send("LO");
        if (line.startsWith("RC")) {
            grisk_test::RunEventsFor(20);
            EXPECT_FALSE(ann.lines.contains("RS")) << "no resume before every answer";
            bob.send("RC");
        }
    };
    SendRecover();
    for (grisk_test::FakePeer* p : {&ann, &bob}) p->codes(4);
    ASSERT_EQ(ann.lines.size(), 4);
    ASSERT_EQ(bob.lines.size(), 4);
    EXPECT_EQ(ann.lines[1], "LO  3  1|" + eng.Player2.Name + "|" + eng.Player3.Name + "|");
    EXPECT_EQ(bob.lines[1], "LO  3  2|" + eng.Player2.Name + "|" + eng.Player3.Name + "|");
    EXPECT_EQ(ann.lines[2], bob.lines[2]) << "one game for all";
    EXPECT_TRUE(ann.lines[2].startsWith("RC  1# 3# 4#"));
    EXPECT_EQ(ann.lines[3], "RS");
    EXPECT_EQ(bob.lines[3], "RS");
}

// A host of three: when one player leaves during the transfer, before or
// after the other has answered the game, the one left still gets "RS" and
// the host's table stops waiting.
class PlayerLeavesTest : public RecoverTest, public ::testing::WithParamInterface<bool> {};

TEST_P(PlayerLeavesTest, TheOtherPlayerStillGetsTheResume) {
    const bool annFirst = GetParam();
    grisk_test::FakePeer ann, bob;
    hostOfThree(ann, bob);
    vb::msgbox_script::pushAnswer(vb::vbNo);  // "save this game?" when Bob has gone
    // The one who goes second acts once the host has taken the first one's
    // line, checked by a timer (no wait inside a line's handler).
    QTimer later;
    later.setInterval(5);
    std::function<void()> second;
    QObject::connect(&later, &QTimer::timeout, [&] {
        const bool ready = annFirst ? inet.NetAnswers >= 2 : inet.NetSlots(2).Status == 0;
        if (!ready) return;
        later.stop();
        second();
    });
    ann.onLine = [&](const QString& line) {
        if (line.startsWith("LO")) ann.send("LO");
        if (!line.startsWith("RC")) return;
        if (annFirst) {
            ann.send("RC");
        } else {
            second = [&] { ann.send("RC"); };
            later.start();
        }
    };
    bob.onLine = [&](const QString& line) {
        if (line.startsWith("LO")) bob.send("LO");
        if (!line.startsWith("RC")) return;
        if (annFirst) {
            second = [&] { bob.hangUp(); };
            later.start();
        } else {
            bob.hangUp();
        }
    };
    SendRecover();
    EXPECT_TRUE(grisk_test::RunEventsUntil([&] { return ann.lines.contains("RS"); }))
        << ann.codes().join(" ").toStdString();
    EXPECT_EQ(inet.NetRestorePending, 0);
    EXPECT_FALSE(f().StatusMsg.Visible());
    EXPECT_EQ(inet.NetPeers, 1);
}

INSTANTIATE_TEST_SUITE_P(Order, PlayerLeavesTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "AfterTheOtherAnswered" : "BeforeTheOtherAnswered"; });

// A host of three: a player who leaves while the seats go out ends the game
// for all; the one left is told so and gets no game (the host's table was
// cleared: a game built from it would reach that player damaged), and its
// connection stays.
TEST_F(RecoverTest, APlayerLeavingWhileTheSeatsGoOutEndsTheTransfer) {
    grisk_test::FakePeer ann, bob;
    hostOfThree(ann, bob);
    vb::msgbox_script::pushAnswer(vb::vbNo);  // "save this game?" when Bob has gone
    ann.onLine = [&](const QString& line) {
        if (line.startsWith("LO")) ann.send("LO");
        if (line.startsWith("RC")) ann.send("RC");
    };
    bob.onLine = [&](const QString& line) {
        if (line.startsWith("LO")) bob.hangUp();
    };
    SendRecover();
    EXPECT_TRUE(grisk_test::RunEventsUntil([&] { return ann.codes().contains("EG"); }))
        << ann.codes().join(" ").toStdString();
    grisk_test::RunEventsFor(50);
    EXPECT_FALSE(ann.codes().contains("RC")) << ann.codes().join(" ").toStdString();
    EXPECT_FALSE(ann.codes().contains("RS"));
    EXPECT_EQ(inet.NetPeers, 1);
    EXPECT_EQ(inet.NetRestorePending, 0);
    EXPECT_FALSE(f().StatusMsg.Visible());
}

// A peer of "51" plays by the house rules: a game with another pay-off size
// is not sent, and the table is reset for piles of twenty.
TEST_F(RecoverTest, APeerOfTheHouseRulesGetsNoGameWithAnotherPayoffSize) {
    wholeGame(2, 3);
    eng.Pturn = 1;
    eng.SideOption = 14;
    grisk_test::FakePeer peer;
    grisk_test::StartTwoPlayerGame(peer, 1, "51");
    SendRecover();
    peer.codes(2);
    EXPECT_EQ(peer.lines, QStringList{"SY  1#GRISK: This is NOT a secure saved game."});
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_EQ(vb::msgbox_script::shown()[0].title, "Opponent not current!");
    EXPECT_EQ(eng.SideOption, 19);
    EXPECT_TRUE(f().cmdDeal.Visible());
}

}  // namespace
