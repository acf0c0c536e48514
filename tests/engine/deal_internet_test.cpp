// The deal of an Internet game against a machine played by the test over a
// real connection: the host's deck and first player taken by a remote
// machine, sent by a host, and a damaged deal or a lost peer.
#include <gtest/gtest.h>

#include <string>

#include <QCoreApplication>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <functional>

#include "deal_fixture.h"
#include "fake_peer.h"
#include "engine/frm_grisk.h"
#include "net/deal_lines.h"
#include "net/dispatcher.h"
#include "net/protocol.h"
#include "net/connection.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/eventwait.h"
#include "platform/winsock.h"
#include "platform/msgbox.h"

using namespace grisk;

namespace {

// The host's stock: every card once, in an order of the test's own.
vb::Array<int, 2> hostStock() {
    vb::Array<int, 2> deck{{0, 2}, {0, 104}};
    for (int i = 1; i <= 104; ++i) {
        deck(0, i) = (i * 37) % 104 + 1;
        deck(1, i) = (deck(0, i) - 1) % 13 + 1;
    }
    return deck;
}

class InternetDealTest : public grisk_test::DealTableTest {
protected:
    void SetUp() override {
        DealTableTest::SetUp();
        table(2, 19);
        grisk_test::FailWaitsThatNeverEnd(guard_, "the deal");
    }
    void TearDown() override {
        CloseAllSockets();
        NetCleanUp();
        DealTableTest::TearDown();
    }
    void internetGame(int isHost, const QString& peerVersion) {
        grisk_test::StartTwoPlayerGame(peer, isHost, peerVersion);
    }
    // This machine as the remote player: the host starts a new game and the
    // player presses Deal.
    void hostStartsAndPlayerDeals() {
        peer.send("GS");
        for (int spin = 0; spin < 500 && !f().cmdDeal.Visible(); ++spin)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_TRUE(f().cmdDeal.Visible()) << "a new game from the host shows the Deal button";
        vb::msgbox_script::clearShown();
        f().Click(f().cmdDeal);
    }
    void expectNothingDealt() {
        EXPECT_EQ(eng.PlayerSlots(0, 2), 0);
        EXPECT_EQ(eng.Player2.Slots(0, 2), 0);
        EXPECT_FALSE(eng.GameBusy);
        EXPECT_EQ(inet.NetPeers, 0);
    }

    grisk_test::FakePeer peer;
    QObject guard_;
};

struct RemoteCase {
    const char* hostVersion;
    int turnSent;
    int firstPlayer;  // at this machine
    int sideOption;   // in force after the deal
};

class RemoteDealTest : public InternetDealTest, public ::testing::WithParamInterface<RemoteCase> {};

// Both machines hold the same cards for the same people: this machine's
// human is the host's seat 2.
TEST_P(RemoteDealTest, TheHostsDeckAndFirstPlayerAreTaken) {
    const RemoteCase& c = GetParam();
    const QString version = c.hostVersion;
    internetGame(0, version);
    const vb::Array<int, 2> stock = hostStock();
    peer.onLine = [&](const QString& line) {
        if (line == "GS") peer.send(BuildDeckLine(stock, 104, version, DeckRules{14, 3, true, false}));
        if (line == "DK") peer.send(BuildTurnLine(c.turnSent));
    };
    f().StatusMsg.setVisible(true);
    grisk_test::RemoteTurnsStop stop;
    hostStartsAndPlayerDeals();

    EXPECT_EQ(peer.codes(3), (QStringList{"GS", "DK", "TR"}));
    EXPECT_EQ(stop.reached, c.firstPlayer == 2 ? 2 : 0) << "the host's turn follows a deal it begins";
    EXPECT_FALSE(f().StatusMsg.Visible()) << "the Deal button hides the host's notice";
    EXPECT_TRUE(f().lblLevel.Caption().startsWith("Decks: ")) << "the rules of the host's game are shown";
    EXPECT_TRUE(vb::msgbox_script::shown().empty());
    EXPECT_EQ(eng.SideOption, c.sideOption);
    // What this machine shows of the host's card at stock position i.
    auto card = [&](int i) {
        const int n = stock(0, i);
        if (version == "40") return (n - 1) % 13 + 1;
        return version > "74" ? (n - 1) % 52 + 1 : n;
    };
    ASSERT_EQ(eng.SideCount, c.sideOption + 1);
    for (int k = 1; k <= eng.SideCount; ++k) {
        const int x = 104 - 2 * (k - 1);
        EXPECT_EQ(eng.Player2.Side(0, k), card(x)) << "host seat 1, round " << k;
        EXPECT_EQ(eng.PlayerSide(0, k), card(x - 1)) << "host seat 2 (this human), round " << k;
    }
    // The hands in the host's order: its seat 1 first.
    const int top = 104 - 2 * eng.SideCount;
    for (int s = 2; s <= 6; ++s) {
        EXPECT_EQ(eng.Player2.Slots(0, s), card(top - 2 * (s - 2))) << "slot " << s;
        EXPECT_EQ(eng.PlayerSlots(0, s), card(top - 2 * (s - 2) - 1)) << "slot " << s;
    }
    EXPECT_EQ(eng.SeatOrder(1), c.firstPlayer);
    EXPECT_FALSE(eng.GameBusy);
}

INSTANTIATE_TEST_SUITE_P(
    HostVersions, RemoteDealTest,
    ::testing::Values(RemoteCase{"96", 2, 2, 14},  // a new host counts from this side
                      RemoteCase{"96", 1, 1, 14},
                      RemoteCase{"74", 1, 2, 14},  // an old host's seats are swapped here
                      RemoteCase{"51", 2, 1, 19},  // house rules: the tail is not read
                      RemoteCase{"40", 2, 1, 19}),
    [](const auto& info) {
        return std::string("Host") + info.param.hostVersion + "_TR" + std::to_string(info.param.turnSent);
    });

struct DamagedCase {
    const char* name;
    const char* deck;  // nullptr: a good deck
    const char* turn;
    QStringList answered;
};

class DamagedDealTest : public InternetDealTest, public ::testing::WithParamInterface<DamagedCase> {};

// A whole two-player deck in which the Five of the first 52 numbers comes
// three times (card 6 sent as 57, which this machine reads as 5 like 57).
const std::string kAFiveThreeTimes = [] {
    std::string line = "DK ";
    for (int i = 1; i <= 104; ++i) line += " " + std::to_string(i == 6 ? 57 : i) + "#";
    return line + " 19# 0# 0# 0#";
}();

// A deal that cannot be played is refused with the dealer's error, and the
// connection is closed so that the host sees a lost peer.
TEST_P(DamagedDealTest, IsRefusedAndTheConnectionClosed) {
    const DamagedCase& c = GetParam();
    internetGame(0, "96");
    const vb::Array<int, 2> stock = hostStock();
    peer.onLine = [&](const QString& line) {
        if (line == "GS") peer.send(c.deck ? QString(c.deck) : BuildDeckLine(stock, 104, "96", DeckRules{}));
        if (line == "DK") peer.send(c.turn);
    };
    hostStartsAndPlayerDeals();

    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_EQ(vb::msgbox_script::shown()[0].title, "Dealer Error");
    EXPECT_EQ(vb::msgbox_script::shown()[0].icon(), vb::vbExclamation);
    EXPECT_TRUE(peer.closedByThem());
    EXPECT_EQ(peer.codes(), c.answered);
    expectNothingDealt();
    EXPECT_TRUE(f().cmdDeal.Visible()) << "a local game can be dealt";
}

INSTANTIATE_TEST_SUITE_P(
    Deals, DamagedDealTest,
    ::testing::Values(DamagedCase{"ShortDeck", "DK  5# 17# 19# 0# 0# 0#", "", {"GS"}},
                      DamagedCase{"CardOutOfRange", "DK  999# 17# 19# 0# 0# 0#", "", {"GS"}},
                      DamagedCase{"ACardThreeTimes", kAFiveThreeTimes.c_str(), "", {"GS"}},
                      DamagedCase{"SeatAwayFromTheTable", nullptr, "TR  3", {"GS", "DK"}},
                      DamagedCase{"NoSeat", nullptr, "TR", {"GS", "DK"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct HostCase {
    const char* peerVersion;
    bool swapped;  // the first player is sent as the peer counts
};

class HostDealTest : public InternetDealTest, public ::testing::WithParamInterface<HostCase> {};

TEST_P(HostDealTest, TheDeckAndFirstPlayerGoToThePeer) {
    const HostCase& c = GetParam();
    internetGame(1, c.peerVersion);
    QString payload;
    QString noticeWhileWaiting;
    peer.onLine = [&](const QString& line) {
        if (line == "GS" && f().StatusMsg.Visible()) noticeWhileWaiting = f().StatusMsg.Caption();
        if (line.startsWith("DK ")) payload = NetLineText(line);
        peer.send(line.left(2));
    };
    f().lblLevel.setCaption(QStringLiteral("Average"));
    eng.SideOption = 25;
    eng.ForcedCards = 3;
    Game_New();

    ASSERT_EQ(peer.codes(), (QStringList{"GS", "DK", "TR"}));
    const auto sent = ParseDeckPayload(payload, c.peerVersion, 104, true, 104);
    ASSERT_TRUE(sent.has_value());
    ASSERT_TRUE(sent->rules.has_value());
    EXPECT_EQ(sent->rules->SideOption, 25);
    EXPECT_EQ(sent->rules->ForcedCards, 3);
    // The deck sent is the one dealt: this human is host seat 1.
    for (int k = 1; k <= eng.SideCount; ++k) {
        const std::size_t x = static_cast<std::size_t>(104 - 2 * (k - 1) - 1);
        EXPECT_EQ((eng.PlayerSide(0, k) - 1) % 52 + 1, (sent->numbers[x] - 1) % 52 + 1) << k;
        EXPECT_EQ(eng.Player2.Side(1, k), sent->ranks[x - 1]) << k;
    }
    const int first = eng.SeatOrder(1);
    const int expected = c.swapped ? (first == 1 ? 2 : 1) : first;
    EXPECT_EQ(peer.lines.last(), BuildTurnLine(expected));
    EXPECT_EQ(eng.PlayerSlots(0, 6) != 0, true) << "the hands were dealt";
    // The notice stands while the peers are pressing Deal, and goes when they have.
    EXPECT_EQ(noticeWhileWaiting, "Waiting for opponent(s) to click their DEAL button so the game can begin");
    EXPECT_FALSE(f().StatusMsg.Visible());
    // An Internet game shows its rules and how the decks are shuffled.
    EXPECT_EQ(f().lblRules.Caption(), "Rules: 26 cards " + eng.RulesText);
    EXPECT_TRUE(f().lblLevel.Caption().startsWith("Decks: ")) << f().lblLevel.Caption().toStdString();
    EXPECT_FALSE(eng.GameBusy);
}

INSTANTIATE_TEST_SUITE_P(PeerVersions, HostDealTest,
                         ::testing::Values(HostCase{"96", true}, HostCase{"74", false}),
                         [](const auto& info) { return std::string("Peer") + info.param.peerVersion; });

TEST_F(InternetDealTest, AHostWhosePeerLeavesDuringTheDealDealsNoHands) {
    internetGame(1, "96");
    peer.onLine = [&](const QString& line) {
        if (line == "GS") peer.send("GS");
        if (line.startsWith("DK ")) peer.hangUp();
    };
    Game_New();
    expectNothingDealt();
    EXPECT_EQ(f().Label9(1).Caption(), "Grisk quit the game.");
}

// A remote machine reads the first player in its own seats: a host of the
// two-player protocol counts them the other way round.
TEST(TurnLineArrives, SetsTheFirstPlayerAsThisMachineCountsSeats) {
    struct Case {
        const char* hostVersion;
        const char* line;
        int pturn;
        int number;
    };
    for (Case c : {Case{"96", "TR  1", 1, 1}, Case{"96", "TR  2", 2, 2}, Case{"74", "TR  1", 2, 1},
                   Case{"74", "TR  2", 1, 2}, Case{"96", "TR  3", 0, 0}, Case{"96", "TR", 0, 0}}) {
        grisk_test::ResetAll();
        inet.NetPeers = 1;
        inet.PeerVersion = c.hostVersion;
        eng.NumPlayers = 2;
        NetProcessMessage(1, c.line);
        EXPECT_EQ(inet.NetState, nsTurn);
        EXPECT_EQ(eng.Pturn, c.pturn) << c.hostVersion << " " << c.line;
        EXPECT_EQ(inet.MsgNumber, c.number);
        ReleaseFrmGrisk();
    }
}

}  // namespace
