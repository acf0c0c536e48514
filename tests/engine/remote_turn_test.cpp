// The turn of a player at another machine, played by the test over real
// connections: the mover's lines arrive one by one, each is answered (a host
// of three or four first relays it to the others), and the table shows the
// turn as the mover played it. Moves that do not fit the table end the
// connection and change nothing.
#include <gtest/gtest.h>

#include <QTimer>
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
#include "platform/msgbox.h"
#include "play_fixture.h"

using namespace grisk;
using grisk_test::Card;

namespace {

// One player at another machine: it plays its script line by line, each
// line once the answer to the one before has come, and answers every line
// the host relays from the other players with its bare code. It begins its
// script at once, or after it has answered `oksBefore` relayed "OK" lines
// (the turns of the seats before it).
struct RemotePlayer {
    grisk_test::FakePeer peer;
    QStringList script;
    int oksBefore = 0;
    int sent = 0;
    bool answerDue = false;

    void wire() {
        peer.onLine = [this](const QString& line) {
            if (answerDue) {
                answerDue = false;
                sendNext();
                return;
            }
            if (onRelay) onRelay(line);
            peer.send(line.left(2));
            if (line == "OK" && --oksBefore == 0) sendNext();
        };
        if (oksBefore == 0) sendNext();
    }
    void sendNext() {
        if (sent >= script.size()) return;
        peer.send(script[sent++]);
        answerDue = true;
    }
    std::function<void(const QString&)> onRelay;
};

std::vector<int> handOf(int seat) {
    std::vector<int> out;
    for (int s = 2; s <= 6; ++s) out.push_back(SeatRecord(seat).Slots(0, s));
    return out;
}
std::vector<int> holdOf(int seat, int p) {
    std::vector<int> out;
    for (int d = 1; d <= SeatRecord(seat).HoldTable(p, 1); ++d) out.push_back(SeatRecord(seat).Hold(0, p, d));
    return out;
}

class RemoteTurnTest : public grisk_test::PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        grisk_test::FailWaitsThatNeverEnd(guard_, "the remote turn");
    }
    void TearDown() override {
        CloseAllSockets();
        NetCleanUp();
        PlayTest::TearDown();
    }

    // Seat 2 to move in the middle of a game of `players`: centre pile 1
    // stands at 3, pile 2 at 11, the others are empty. Seat 2's pay-off pile
    // ends in a Four, its hand is 5 Q A 9 K, its hold piles hold 7 | 6 8 |
    // 5 A | nothing; the stock holds six cards.
    void seatTwoToMove(int players) {
        table(players, players == 2 ? 3 : 4);
        humanToMove();
        stackCentre(1, 3, 1);
        stackCentre(2, 11, 1);
        setSeatSide(2, {Card(2, 2), Card(4, 2)});
        setSeatHand(2, {Card(5, 2), Card(12, 2), Card(1, 2), Card(9, 2), Card(13, 2)});
        setSeatHold(2, 1, {Card(7, 3)});
        setSeatHold(2, 2, {Card(6, 3), Card(8, 3)});
        setSeatHold(2, 3, {Card(5, 3), Card(1, 3)});
        setSeatHold(2, 4, {});
        for (int seat = 3; seat <= players; ++seat) {
            setSeatHand(seat, {Card(2, seat + 2), Card(3, seat + 2), Card(6, seat + 2), Card(7, seat + 2),
                               Card(10, seat + 2)});
            for (int p = 1; p <= 4; ++p) setSeatHold(seat, p, {});
        }
        setStock({Card(2, 7), Card(3, 7), Card(5, 7), Card(6, 7), Card(7, 7), Card(8, 7)});
        eng.RecountHand = 0;
        eng.TurnIndex = 2;
        eng.Pturn = 2;
        eng.HandCount = 5;
    }

    // This machine hosts the players, one connection each (seat s on
    // connection s - 1), or joins the test's host.
    void hostGame(std::vector<RemotePlayer*> players) {
        inet.NetPeers = static_cast<int>(players.size());
        inet.IsHost = 1;
        inet.NetSlotCount = inet.NetPeers;
        inet.PeerVersion = "96";
        for (int k = 1; k <= inet.NetPeers; ++k) {
            inet.NetSlots(k) = NetSlot{SeatRecord(k + 1).Name, k, 7, k, {}};
            NetHandshakeDone(k);
            players[static_cast<std::size_t>(k - 1)]->peer.connect(k);
        }
    }
    void joinGame(RemotePlayer& host) {
        inet.NetPeers = 1;
        inet.IsHost = 0;
        inet.NetSockIndex = 0;
        inet.MySeat = 1;
        inet.PeerVersion = "96";
        NetHandshakeDone(0);
        host.peer.connect(0);
    }
    // The two-player game, this machine hosting or joining.
    void twoPlayerGame(RemotePlayer& mover, bool host) {
        if (host)
            hostGame({&mover});
        else
            joinGame(mover);
    }

    // The turn cycle reaches the remote seats.
    void playRemoteTurns() {
        ComputerTurn();
    }

    // Everything of the table that a move changes, the loaded seat's piles
    // included.
    static std::vector<int> tableNow() {
        const auto& e = eng;
        std::vector<int> v{e.StockCount, e.UsedCount, e.OppSideCount, e.HandCount, e.OppWildSide, e.OppWildHand};
        for (int c = 1; c <= e.NumCenters; ++c) {
            v.push_back(e.CenterCount(c));
            for (int k = 1; k <= 12; ++k) v.push_back(e.CenterPile(0, c, k));
        }
        for (int s = 1; s <= 10; ++s) v.push_back(e.OppSlots(0, s));
        for (int p = 1; p <= 4; ++p) {
            v.push_back(e.OppHoldTable(p, 1));
            for (int d = 1; d <= 30; ++d) v.push_back(e.OppHold(0, p, d));
        }
        return v;
    }
    QObject guard_;
};

// ---- The turn as the mover plays it ---------------------------------------

struct TurnCase {
    const char* name;
    std::function<void(RemoteTurnTest&)> position;  // changes to the position
    QStringList script;
    QStringList answers;
    std::function<void()> check;
    bool endsGame = false;  // a remote player then waits for the host's next game
};

const std::vector<TurnCase>& turnCases() {
    static const std::vector<TurnCase> cases{
        {"a drop only: no wait line is awaited",
         {},
         {"PC  5# 8", "OK"},
         {"PC", "OK"},
         [] {
             EXPECT_EQ(holdOf(2, 2), (std::vector<int>{Card(6, 3), Card(8, 3), Card(9, 2)}));
             EXPECT_EQ(SeatRecord(2).HoldTable(2, 2), 1) << "a Nine on an Eight breaks the run";
             EXPECT_EQ(SeatRecord(2).Slots(0, 8), Card(9, 2));
             EXPECT_EQ(handOf(2), (std::vector<int>{Card(5, 2), Card(12, 2), Card(1, 2), 0, Card(13, 2)}));
         }},
        {"a drop of a like rank keeps the run",
         [](RemoteTurnTest& t) { t.setSeatHold(2, 4, {Card(5, 4)}); },
         {"PC  2# 10", "OK"},
         {"PC", "OK"},
         [] {
             EXPECT_EQ(holdOf(2, 4), (std::vector<int>{Card(5, 4), Card(5, 2)}));
             EXPECT_EQ(SeatRecord(2).HoldTable(4, 2), 0);
         }},
        {"a reorder moves the card and plays none",
         {},
         {"PC  3# 15", "WT", "PC  2# 10", "OK"},
         {"PC", "WT", "PC", "OK"},
         [] {
             EXPECT_EQ(handOf(2), (std::vector<int>{0, Card(1, 2), Card(9, 2), Card(12, 2), Card(13, 2)}));
             EXPECT_EQ(holdOf(2, 4), (std::vector<int>{Card(5, 2)}));
             EXPECT_EQ(eng.CenterCount(2), 11);
         }},
        {"a pay-off King counts once as a wild pay-off card",
         [](RemoteTurnTest& t) { t.setSeatSide(2, {Card(2, 2), Card(13, 4)}); },
         {"PC  1# 3", "WT", "PC  2# 10", "OK"},
         {"PC", "WT", "PC", "OK"},
         [] {
             EXPECT_EQ(eng.CenterCount(3), 1);
             EXPECT_EQ(eng.CenterPile(0, 3, 1), Card(13, 4));
             EXPECT_EQ(SeatRecord(2).WildSide, 1);
             EXPECT_EQ(SeatRecord(2).WildHand, 0);
             EXPECT_EQ(SeatRecord(2).RecSideCount, 1);
             EXPECT_EQ(SeatRecord(2).Slots(0, 1), Card(2, 2));
         }},
        {"a hand King is counted by the play",
         {},
         {"PC  6# 1", "WT", "PC  2# 10", "OK"},
         {"PC", "WT", "PC", "OK"},
         [] {
             EXPECT_EQ(eng.CenterCount(1), 4);
             EXPECT_EQ(SeatRecord(2).WildHand, 1);
             EXPECT_EQ(SeatRecord(2).WildSide, 0);
         }},
        {"the twelfth card clears its pile",
         {},
         {"PC  3# 2", "WT", "PC  2# 10", "OK"},
         {"PC", "WT", "PC", "OK"},
         [] {
             EXPECT_EQ(eng.CenterCount(2), 0);
             EXPECT_EQ(eng.UsedCount, 12);
             EXPECT_EQ(eng.Used(0, 12), Card(12, 2));
         }},
        {"a hold pile's top uncovers the card below",
         {},
         {"PC  9# 3", "WT", "PC  2# 10", "OK"},
         {"PC", "WT", "PC", "OK"},
         [] {
             EXPECT_EQ(eng.CenterPile(0, 3, 1), Card(1, 3));
             EXPECT_EQ(holdOf(2, 3), (std::vector<int>{Card(5, 3)}));
             EXPECT_EQ(SeatRecord(2).Slots(0, 9), Card(5, 3));
         }},
        {"the pay-off card, then a hand played empty is refilled after its wait line",
         [](RemoteTurnTest&) {
             eng.RecountHand = 1;
             for (int s = 3; s <= 6; ++s) SeatRecord(2).Slots(0, s) = SeatRecord(2).Slots(1, s) = 0;
         },
         {"PC  1# 1", "WT", "PC  2# 1", "WT", "PC  2# 10", "OK"},
         {"PC", "WT", "PC", "WT", "PC", "OK"},
         [] {
             EXPECT_EQ(eng.CenterCount(1), 5);
             EXPECT_EQ(eng.StockCount, 1) << "five cards dealt";
             EXPECT_EQ(holdOf(2, 4), (std::vector<int>{Card(8, 7)})) << "the stock's top went to hand place 2";
             EXPECT_EQ(handOf(2), (std::vector<int>{0, Card(7, 7), Card(6, 7), Card(5, 7), Card(3, 7)}));
         }},
        {"the last pay-off card ends the game after its okay line",
         [](RemoteTurnTest& t) { t.setSeatSide(2, {Card(4, 2)}); },
         {"PC  1# 1", "OK"},
         {"PC", "OK"},
         [] {
             EXPECT_EQ(inet.NetSessionGames, 1) << "the game was counted";
             EXPECT_EQ(eng.Pturn, 0) << "the game is over";
         },
         true},
    };
    return cases;
}

// One case of the table, played with this machine hosting or joining.
class RemoteTurnCaseTest : public RemoteTurnTest,
                           public ::testing::WithParamInterface<std::tuple<std::size_t, bool>> {};

TEST_P(RemoteTurnCaseTest, EachKindOfMoveIsAnsweredAndReplayed) {
    const TurnCase& c = turnCases()[std::get<0>(GetParam())];
    const bool host = std::get<1>(GetParam());
    SCOPED_TRACE(c.name);
    RemotePlayer mover;
    seatTwoToMove(2);
    if (c.position) c.position(*this);
    twoPlayerGame(mover, host);
    mover.script = c.script;
    // The host ends the finished game for its remote players.
    if (c.endsGame && !host) mover.script << "EG";
    mover.wire();
    playRemoteTurns();
    mover.peer.codes(static_cast<int>(c.answers.size()));
    EXPECT_EQ(mover.peer.lines, c.answers);
    if (eng.Pturn != 0) EXPECT_EQ(eng.Pturn, 1) << "the turn passed to the human";
    c.check();
}

INSTANTIATE_TEST_SUITE_P(Moves, RemoteTurnCaseTest,
                         ::testing::Combine(::testing::Range<std::size_t>(0, turnCases().size()), ::testing::Bool()),
                         [](const auto& info) {
                             return "Case" + std::to_string(std::get<0>(info.param)) +
                                    (std::get<1>(info.param) ? "Host" : "RemotePlayer");
                         });

// ---- Leaving the turn -----------------------------------------------------

struct LeaveCase {
    const char* name;
    bool host;
    QString line;
    std::vector<int> boxAnswers;  // "Dealer has terminated game.", "Would you like to save this game?"
};

class LeaveTurnTest : public RemoteTurnTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeaveTurnTest, AGoodbyeOrTheGamesEndMidTurnLeavesWithoutAnAnswer) {
    const LeaveCase& c = GetParam();
    RemotePlayer mover;
    seatTwoToMove(2);
    twoPlayerGame(mover, c.host);
    for (int a : c.boxAnswers) vb::msgbox_script::pushAnswer(a);
    mover.script = {"PC  4# 3", c.line};
    mover.wire();
    playRemoteTurns();
    mover.peer.codes(2);
    EXPECT_EQ(mover.peer.lines, (QStringList{"PC"})) << "no wait line answered";
    EXPECT_NE(eng.Pturn, 1) << "the turn did not pass";
}

INSTANTIATE_TEST_SUITE_P(Lines, LeaveTurnTest,
                         ::testing::Values(LeaveCase{"MoverLeaves", true, "GO", {vb::vbNo}},
                                           LeaveCase{"HostLeaves", false, "GO", {vb::vbOK, vb::vbNo}},
                                           LeaveCase{"HostEndsTheGame", false, "EG", {}}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- The host ends the game -------------------------------------------------

// The host leaves as its program does: its quit notice and "GO" go out
// together, and the connection is closed at once. Here the close arrives
// while the remote player's machine is still taking the quit notice (in its
// short pause before the save is offered), the "GO" behind it not yet
// taken. Wherever the turn stands there, its player is told that the dealer
// has ended the game and is offered the save once.
enum class HostQuitsIn { TheRemotesOwnTurn, TheHostsTurn, TheHostsTurnOver };

class HostQuitsTest : public RemoteTurnTest, public ::testing::WithParamInterface<HostQuitsIn> {
protected:
    void TearDown() override {
        waits::SetClockForTests(nullptr);
        waits::SetPauseScale(0);
        RemoteTurnTest::TearDown();
    }
    static void hostQuits(RemotePlayer& host) {
        host.peer.send("SY  1#Host Quit!^\nGO");
        // The pauses run on the test clock, which closes the connection
        // once the quit notice is being taken, its "GO" still waiting.
        waits::SetPauseScale(1);
        waits::SetClockForTests([&host, now = 0.0, hungUp = false]() mutable {
            if (inet.PartialText(0).startsWith("GO") && !hungUp) {
                hungUp = true;
                host.peer.hangUp();
            }
            return now += 0.0005;
        });
    }
    static int boxesSaying(const QString& prompt) {
        int n = 0;
        for (const vb::ShownBox& b : vb::msgbox_script::shown()) n += b.prompt == prompt ? 1 : 0;
        return n;
    }
};

TEST_P(HostQuitsTest, TheRemotePlayerIsOfferedTheSaveWhereverTheTurnStands) {
    RemotePlayer host;
    seatTwoToMove(2);
    joinGame(host);
    vb::msgbox_script::setAnswerRule(
        [](const vb::ShownBox& b) { return b.title == "Save Game" ? int(vb::vbNo) : 0; });
    switch (GetParam()) {
    case HostQuitsIn::TheRemotesOwnTurn:
        eng.TurnIndex = 1;
        eng.Pturn = 1;
        hostQuits(host);
        break;
    case HostQuitsIn::TheHostsTurn:
        QTimer::singleShot(0, &guard_, [&host] { hostQuits(host); });
        playRemoteTurns();
        break;
    case HostQuitsIn::TheHostsTurnOver:
        // The host's drop is replayed; its "OK" never comes.
        host.peer.onLine = [&host](const QString& line) {
            if (line == "PC") hostQuits(host);
        };
        host.peer.send("PC  2# 10");
        playRemoteTurns();
        break;
    }
    for (int spin = 0; spin < 500 && inet.NetPeers != 0; ++spin) waits::WaitEvents(10);
    EXPECT_EQ(inet.NetPeers, 0) << "the Internet game is over";
    EXPECT_EQ(boxesSaying("This game has ended. Would you like to save this game?"), 1);
    EXPECT_EQ(boxesSaying("Dealer has terminated game."), 1);
    EXPECT_NE(eng.Pturn, 1) << "no turn passed to the player";
}

INSTANTIATE_TEST_SUITE_P(Turns, HostQuitsTest,
                         ::testing::Values(HostQuitsIn::TheRemotesOwnTurn, HostQuitsIn::TheHostsTurn,
                                           HostQuitsIn::TheHostsTurnOver),
                         [](const auto& info) {
                             switch (info.param) {
                             case HostQuitsIn::TheRemotesOwnTurn: return std::string("TheRemotesOwnTurn");
                             case HostQuitsIn::TheHostsTurn: return std::string("TheHostsTurn");
                             default: return std::string("TheHostsTurnOver");
                             }
                         });

// ---- Moves that do not fit the table --------------------------------------

struct BadMove {
    const char* name;
    QString line;
    std::function<void()> position;
};

const std::vector<BadMove>& badMoves() {
    static const std::vector<BadMove> cases{
        {"an Ace onto a Three", "PC  4# 1", {}},
        {"a King starting a pile under the no-wild-Ace rule", "PC  6# 3", [] { eng.NoWildAce = true; }},
        {"a card from an empty hold pile", "PC 10# 1", {}},
        {"a card from an empty hand place", "PC  3# 2",
         [] {
             eng.RecountHand = 1;
             eng.HandCount = 4;
             SeatRecord(2).Slots(0, 3) = SeatRecord(2).Slots(1, 3) = 0;
         }},
        {"a fourth centre pile on a table of three", "PC  2# 4", {}},
        {"a drop of the pay-off card", "PC  1# 7", {}},
        {"a drop from a hold pile", "PC  8# 10", {}},
        {"a drop on a full hold pile", "PC  2# 10",
         [] {
             PlayerRecord& r = SeatRecord(2);
             for (int d = 1; d <= 30; ++d) r.Hold(0, 4, d) = r.Hold(1, 4, d) = d % 13 + 1;
             r.HoldTable(4, 1) = 30;
             r.Slots(0, 10) = r.Slots(1, 10) = 4;
         }},
        {"a reorder of the pay-off card", "PC  1# 13", {}},
        {"a reorder of a hold pile's top", "PC  7# 12", {}},
        {"a card from an empty pay-off pile", "PC  1# 2",
         [] {
             PlayerRecord& r = SeatRecord(2);
             r.RecSideCount = 0;
             r.Slots(0, 1) = r.Slots(1, 1) = 0;
         }},
        {"a fifth centre pile on a table of three", "PC  2# 5", {}},
        {"a sixth centre pile on a table of three", "PC  2# 6", {}},
        {"a reorder to the place before the hand", "PC  3# 11", {}},
        {"a reorder to the place after the hand", "PC  3# 17", {}},
    };
    return cases;
}

class BadMoveTest : public RemoteTurnTest, public ::testing::WithParamInterface<std::tuple<std::size_t, bool>> {};

TEST_P(BadMoveTest, AMoveThatDoesNotFitTheTableEndsItsConnectionAndChangesNothing) {
    const BadMove& c = badMoves()[std::get<0>(GetParam())];
    SCOPED_TRACE(c.name);
    RemotePlayer mover;
    seatTwoToMove(2);
    if (c.position) c.position();
    twoPlayerGame(mover, std::get<1>(GetParam()));
    ExchangePlayerRecord(SeatRecord(2), false);
    const std::vector<int> before = tableNow();
    mover.script = {c.line};
    mover.wire();
    playRemoteTurns();
    EXPECT_TRUE(mover.peer.closedByThem());
    EXPECT_TRUE(mover.peer.lines.isEmpty()) << "nothing answered or relayed";
    EXPECT_EQ(tableNow(), before);
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_TRUE(vb::msgbox_script::shown()[0].prompt.contains("sent something this game cannot take"));
    EXPECT_EQ(inet.NetPeers, 0);
}

INSTANTIATE_TEST_SUITE_P(Moves, BadMoveTest,
                         ::testing::Combine(::testing::Range<std::size_t>(0, badMoves().size()), ::testing::Bool()),
                         [](const auto& info) {
                             return "Case" + std::to_string(std::get<0>(info.param)) +
                                    (std::get<1>(info.param) ? "Host" : "RemotePlayer");
                         });

// ---- Moves out of turn ------------------------------------------------------

struct OutOfTurn {
    const char* name;
    int players;
    int offender;  // the seat whose machine sends a move during the host's human's turn
    QStringList lines;
};

class OutOfTurnTest : public RemoteTurnTest, public ::testing::WithParamInterface<OutOfTurn> {};

// A host takes a move only from the player whose turn it is (or the next
// one, once it has answered the "OK" ending the turn): any other is a line
// it cannot take, never kept to be replayed when that player's turn comes.
TEST_P(OutOfTurnTest, AMoveFromAPlayerWhoseTurnItIsNotEndsItsConnection) {
    const OutOfTurn& c = GetParam();
    seatTwoToMove(c.players);
    std::vector<std::unique_ptr<RemotePlayer>> remote;
    std::vector<RemotePlayer*> raw;
    for (int seat = 2; seat <= c.players; ++seat) {
        remote.push_back(std::make_unique<RemotePlayer>());
        raw.push_back(remote.back().get());
    }
    hostGame(raw);
    eng.Pturn = 1;
    eng.TurnIndex = 1;
    RemotePlayer& offender = *remote[static_cast<std::size_t>(c.offender - 2)];
    for (const QString& line : c.lines) offender.peer.send(line);
    EXPECT_TRUE(offender.peer.closedByThem());
    ASSERT_FALSE(vb::msgbox_script::shown().empty());
    EXPECT_TRUE(vb::msgbox_script::shown()[0].prompt.contains("(a move out of turn)"))
        << vb::msgbox_script::shown()[0].prompt.toStdString();
    EXPECT_EQ(inet.MoveSender, -1) << "no move kept";
}

INSTANTIATE_TEST_SUITE_P(Seats, OutOfTurnTest,
                         ::testing::Values(OutOfTurn{"TwoPlayers", 2, 2, {"PC  4# 3"}},
                                           OutOfTurn{"TheNextSeat", 3, 2, {"PC  4# 3"}},
                                           OutOfTurn{"AfterAnOkayNobodyAskedFor", 3, 2, {"OK", "PC  4# 3"}},
                                           OutOfTurn{"TwoSeatsAhead", 4, 3, {"PC  2# 7"}}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- A host of three or four ----------------------------------------------

class HostRelayTest : public RemoteTurnTest, public ::testing::WithParamInterface<int> {};

// Every remote player plays one turn; the host relays each line to the
// others and answers the mover only when all of them have answered.
TEST_P(HostRelayTest, EachLineIsRelayedAndTheMoverAnsweredOnlyAfterEveryOtherPlayer) {
    const int players = GetParam();
    seatTwoToMove(players);
    std::vector<std::unique_ptr<RemotePlayer>> remote;
    std::vector<RemotePlayer*> raw;
    for (int seat = 2; seat <= players; ++seat) {
        remote.push_back(std::make_unique<RemotePlayer>());
        raw.push_back(remote.back().get());
    }
    hostGame(raw);
    remote[0]->script = {"PC  4# 3", "WT", "PC  2# 10", "OK"};
    for (int seat = 3; seat <= players; ++seat) {
        RemotePlayer& p = *remote[static_cast<std::size_t>(seat - 2)];
        p.script = {"PC  2# 7", "OK"};
        p.oksBefore = seat - 2;
    }
    // While a relay waits for its answer, the mover has heard nothing more.
    int early = 0;
    for (auto& p : remote) {
        p->onRelay = [&, self = p.get()](const QString&) {
            for (auto& q : remote) {
                if (q.get() == self || q->sent == 0 || !q->answerDue) continue;
                const qsizetype heard = q->peer.lines.size();
                grisk_test::RunEventsFor(20);
                if (q->peer.lines.size() != heard) ++early;
            }
        };
    }
    for (auto& p : remote) p->wire();
    playRemoteTurns();
    EXPECT_EQ(early, 0);
    EXPECT_EQ(eng.Pturn, 1) << "every seat played; the human is to move";

    QStringList seatTwo{"PC  4# 3", "WT", "PC  2# 10", "OK"};
    EXPECT_EQ(remote[0]->peer.lines.mid(0, 4), (QStringList{"PC", "WT", "PC", "OK"}));
    for (int seat = 3; seat <= players; ++seat) {
        const QStringList got = remote[static_cast<std::size_t>(seat - 2)]->peer.lines;
        EXPECT_EQ(got.mid(0, 4), seatTwo) << "seat " << seat << " hears seat 2's lines";
    }
    // The table of every seat as its mover played it.
    EXPECT_EQ(eng.CenterPile(0, 3, 1), Card(1, 2));
    EXPECT_EQ(holdOf(2, 4), (std::vector<int>{Card(5, 2)}));
    for (int seat = 3; seat <= players; ++seat)
        EXPECT_EQ(holdOf(seat, 1), (std::vector<int>{Card(2, seat + 2)})) << "seat " << seat;
}

INSTANTIATE_TEST_SUITE_P(ThreeOrFour, HostRelayTest, ::testing::Values(3, 4),
                         [](const auto& info) { return info.param == 3 ? "Three" : "Four"; });

// A move from a player whose turn it is not ends that player's connection;
// it is relayed to nobody.
TEST_F(RemoteTurnTest, AMoveFromAnotherPlayerThanTheMoverIsRefused) {
    seatTwoToMove(3);
    RemotePlayer ann, bob;
    hostGame({&ann, &bob});
    bob.script = {"PC  2# 1"};
    bob.wire();
    playRemoteTurns();
    EXPECT_TRUE(bob.peer.closedByThem());
    ann.peer.codes(1);
    for (const QString& line : ann.peer.lines) EXPECT_FALSE(line.startsWith("PC")) << line.toStdString();
}

}  // namespace
