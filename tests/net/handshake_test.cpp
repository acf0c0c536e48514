// Internet set-up against scripted machines on 127.0.0.1: this machine
// hosts or joins from the connection window, the handshake runs line by
// line, peers are seated or refused, and every way a connection can end
// leaves a local game.
#include <gtest/gtest.h>

#include <QTimer>
#include <functional>

#include "engine/deal_fixture.h"
#include "engine/fake_peer.h"
#include "engine/frm_grisk.h"
#include "net/connection.h"
#include "net/frm_players.h"
#include "net/protocol.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/eventwait.h"
#include "platform/msgbox.h"
#include "platform/winsock.h"
#include "hosting_fixture.h"
#include "scripted_peer.h"

using namespace grisk;
using grisk_test::kClientHello;
using grisk_test::ScriptedPeer;

namespace {

class HandshakeTest : public grisk_test::HostingTest {
protected:
    // This machine hosts three: Ann joins in the set-up, Bob afterwards.
    void hostThree(ScriptedPeer& ann, ScriptedPeer& bob) {
        table(3);
        scriptClient(ann, "Ann");
        scriptClient(bob, "Bob");
        const int port = hostWith(ann);
        vb::msgbox_script::pushAnswer(vb::vbYes);
        bob.join(port);
        ASSERT_TRUE(grisk_test::RunEventsUntil([] { return inet.NetPeers == 2 && inet.NetSlots(2).Seat == 2; }));
    }
    static QStringList titles() {
        QStringList out;
        for (const vb::ShownBox& b : vb::msgbox_script::shown()) out << b.title;
        return out;
    }
    static bool shownContaining(const QString& text) {
        for (const vb::ShownBox& b : vb::msgbox_script::shown())
            if (b.prompt.contains(text)) return true;
        return false;
    }
    static void expectLocalGame() {
        EXPECT_EQ(inet.NetPeers, 0);
        EXPECT_EQ(inet.IsHost, 0);
        for (int i = 0; i <= kMaxSockets; ++i) EXPECT_EQ(Winsock1(i).State(), vb::Winsock::sckClosed) << i;
        EXPECT_DOUBLE_EQ(eng.CompDelay, 0.4) << "this machine's own speed";
        ASSERT_TRUE(frmGrisk().cmdDeal.Visible());
        frmGrisk().Click(frmGrisk().cmdDeal);
        EXPECT_EQ(eng.SideCount, eng.SideOption + 1) << "a local game deals";
    }
};

TEST_F(HandshakeTest, AHostSeatsItsFirstClientWithTheExactLines) {
    ScriptedPeer ann;
    scriptClient(ann, "Ann");
    hostWith(ann);
    EXPECT_EQ(ann.lines, (QStringList{"IP Quenmoor Online^ 9. 6. 0^ 1", "NM Ottilie^Quenmoor Online    ", "LO  2  1"}));
    EXPECT_EQ(inet.NetPeers, 1);
    EXPECT_EQ(inet.IsHost, 1);
    EXPECT_EQ(inet.NetSetupDone, 1);
    EXPECT_EQ(inet.PeerVersion, "96");
    EXPECT_EQ(inet.NetSlots(1).SlotName, "Ann");
    EXPECT_EQ(inet.NetSlots(1).Seat, 1);
    EXPECT_EQ(eng.Player2.Name, "Ann");
    EXPECT_DOUBLE_EQ(eng.CompDelay, 0.01);
    EXPECT_TRUE(frmGrisk().StatusMsg.Caption().startsWith("Number of players is 2\r\nNumber of centers is 3"));
    EXPECT_EQ(frmGrisk().Label9(2).Caption(), "Ann has joined the game.");
}

TEST_F(HandshakeTest, AHostOfFourSeatsThreeClientsAskingForEachLaterOne) {
    table(4);
    ScriptedPeer ann, bob, cid;
    scriptClient(ann, "Ann");
    scriptClient(bob, "Bob");
    scriptClient(cid, "Cid");
    const int port = hostWith(ann);
    vb::msgbox_script::pushAnswer(vb::vbYes);
    vb::msgbox_script::pushAnswer(vb::vbYes);
    bob.join(port);
    ASSERT_TRUE(grisk_test::RunEventsUntil([] { return inet.NetPeers == 2 && inet.NetSlots(2).Seat == 2; }));
    cid.join(port);
    ASSERT_TRUE(grisk_test::RunEventsUntil([&] { return cid.lines.size() >= 3 && ann.lines.size() >= 5; }));
    EXPECT_EQ(cid.lines, (QStringList{"IP Quenmoor Online^ 9. 6. 0^ 3", "NM Ottilie^Quenmoor Online    ",
                                      "LO  4  3|Ann|Bob|Cid|"}));
    EXPECT_EQ(ann.lines.mid(2), (QStringList{"LO  4  1|Ann|||", "LO  4  1|Ann|Bob||", "LO  4  1|Ann|Bob|Cid|"}));
    EXPECT_EQ(inet.NetPeers, 3);
    EXPECT_EQ(titles(), (QStringList{"New opponent joining", "New opponent joining"}));
    EXPECT_EQ(vb::msgbox_script::shown()[0].prompt, "Bob has requested to join this game. Accept the request?");
    EXPECT_EQ(eng.Player4.Name, "Cid");
}

TEST_F(HandshakeTest, AHostSetForTwoRefusesASecondClient) {
    ScriptedPeer ann, bob;
    scriptClient(ann, "Ann");
    scriptClient(bob, "Bob");
    const int port = hostWith(ann);
    bob.join(port);
    ASSERT_TRUE(bob.closedByThem());
    EXPECT_EQ(bob.lines, (QStringList{"SY  1#GRISK: So you want to play with us? Sorry I'm busy!", "GO"}));
    ASSERT_EQ(titles(), (QStringList{"Connection Request Denied"}));
    EXPECT_EQ(vb::msgbox_script::shown()[0].prompt,
              "A new opponent tried to join this game.\r\nYour game is setup for 2 players. Change the Player "
              "Setup if you want to add a player. Then ask the new opponent to connect.");
    EXPECT_EQ(inet.NetPeers, 1);
    EXPECT_TRUE(ann.connected());
}

TEST_F(HandshakeTest, AClientTheHostDeclinesIsToldItIsBusy) {
    table(3);
    ScriptedPeer ann, bob;
    scriptClient(ann, "Ann");
    scriptClient(bob, "Bob");
    const int port = hostWith(ann);
    vb::msgbox_script::pushAnswer(vb::vbNo);
    bob.join(port);
    ASSERT_TRUE(bob.closedByThem());
    EXPECT_EQ(bob.lines.mid(2), (QStringList{"SY  1#GRISK: So you want to play with us? Sorry I'm busy!", "GO"}));
    EXPECT_EQ(inet.NetPeers, 1);
    EXPECT_EQ(inet.NetSlots(2).Status, 0);
}

// This machine joins a host of three as its seat 2 and fills its seats
// clockwise from itself; the host's GO ends the game here.
TEST_F(HandshakeTest, AClientTakesTheHostsHelloNameAndSeatList) {
    ScriptedPeer hal;
    QStringList namesSeen;
    const int port = hal.host([&] { hal.sendLine("IP Quenmoor Online^ 9. 6. 0^ 2"); });
    hal.answers = {{"IP", "NM Hal^Quenmoor Online    "}, {"NM", "LO  3  2|Bob|Ottilie|"}, {"LO", "GS"}};
    whenTrue([] { return frmGrisk().cmdDeal.Visible() && inet.NetPeers == 2; }, [&] {
        namesSeen = {eng.Player2.Name, eng.Player3.Name};
        hal.sendLine("GO");
    });
    queueWindow(false, port);
    SetupInternet();
    EXPECT_EQ(hal.lines, (QStringList{kClientHello, "NM Ottilie", "LO"}));
    EXPECT_EQ(namesSeen, (QStringList{"Hal", "Bob"}));
    EXPECT_EQ(titles(), (QStringList{"Quenmoor"}));
    EXPECT_EQ(vb::msgbox_script::shown()[0].prompt, "Dealer has terminated game.");
    expectLocalGame();
}

TEST_F(HandshakeTest, ConnectionsThatCannotBeMadeSaySoAndLeaveALocalGame) {
    // Nobody listens.
    queueWindow(false, grisk_test::FreePort());
    SetupInternet();
    EXPECT_TRUE(shownContaining("The HOST is not listening!"));
    EXPECT_TRUE(shownContaining("Error  10061\r\nConnection refused"));
    EXPECT_EQ(inet.NetPeers, 0);
    vb::msgbox_script::clearShown();

    // The port is taken.
    QTcpServer holder;
    ASSERT_TRUE(holder.listen(QHostAddress::Any));
    queueWindow(true, holder.serverPort());
    SetupInternet();
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_TRUE(shownContaining("Error  10048\r\nAddress in use"));
    EXPECT_TRUE(shownContaining("Choose another port"));
    EXPECT_EQ(inet.NetPeers, 0);
    vb::msgbox_script::clearShown();

    // The connection is not made in 30 seconds.
    double now = 1000;
    waits::SetClockForTests([&] { return now += 31; });
    ScriptedPeer hal;
    queueWindow(false, hal.host());
    SetupInternet();
    waits::SetClockForTests(nullptr);
    EXPECT_TRUE(shownContaining("Error  10060\r\nConnection timed out"));
    expectLocalGame();
}

TEST_F(HandshakeTest, TheWindowRefusesABadAddressOrPortAndCancelChangesNothing) {
    const std::pair<const char*, const char*> addresses[] = {{"10.0.0", "Incorrect IP Address!"},
                                                             {"", "Quenmoor Internet Game"},
                                                             {"1234567890123456", "Quenmoor Internet Game"}};
    for (const auto& [address, title] : addresses) {
        SCOPED_TRACE(address);
        vb::msgbox_script::clearShown();
        vb::forms::queueModalAction("frmPlayers", [a = QString(address)](vb::Form& form) {
            auto& w = static_cast<FrmPlayers&>(form);
            vb::UserClicks(w.Option2);
            vb::UserTypes(w.Text2, a);
            vb::UserClicks(w.cmdConnect);
            EXPECT_TRUE(w.isLoaded()) << "the window stays";
            vb::UserClicks(w.CmdCancel);
        });
        SetupInternet();
        ASSERT_EQ(titles(), QStringList{title});
        EXPECT_EQ(inet.NetPeers, 0);
    }
    vb::msgbox_script::clearShown();
    vb::forms::queueModalAction("frmPlayers", [](vb::Form& form) {
        auto& w = static_cast<FrmPlayers&>(form);
        vb::UserTypes(w.Text3, "70000");
        vb::UserClicks(w.cmdConnect);
        vb::UserTypes(w.txtPlayerName, "");
        vb::UserClicks(w.CmdCancel);
    });
    SetupInternet();
    EXPECT_EQ(titles(), QStringList{"Quenmoor Internet Game"});
    EXPECT_EQ(inet.NetPeers, 0);
    EXPECT_EQ(inet.NetPort, 1001);
    EXPECT_EQ(eng.PlayerName, "Ottilie");
}

// A client that leaves at any step of the handshake returns the host to a
// local game.
TEST_F(HandshakeTest, AClientGoneAtEachHandshakeStep) {
    for (const char* after : {"", "IP", "NM"}) {
        SCOPED_TRACE(after);
        ScriptedPeer ann;
        scriptClient(ann, "Ann");
        const QString step = after;
        if (step.isEmpty()) ann.answers.clear();
        if (step == "NM") ann.answers.erase("LO");
        ann.onLine = [&ann, step](const QString& line) {
            if (step.isEmpty() || line.startsWith(step == "IP" ? "NM" : "LO")) ann.hangUp();
        };
        hostWith(ann);
        EXPECT_EQ(inet.NetPeers, 0);
        EXPECT_EQ(inet.IsHost, 0);
        EXPECT_EQ(Winsock1(0).State(), vb::Winsock::sckClosed) << "the host listens no more";
        vb::msgbox_script::clearShown();
    }
    expectLocalGame();
}

// A client whose program does not answer the host's hello: two minutes
// on the program's clock end its connection; a person's answer has no limit.
TEST_F(HandshakeTest, AClientThatDoesNotAnswerIsLetGoAfterTwoMinutes) {
    double now = 1000;
    waits::SetClockForTests([&] { return now += 61; });
    ScriptedPeer ann;  // answers nothing
    hostWith(ann);
    waits::SetClockForTests(nullptr);
    ASSERT_TRUE(ann.closedByThem());
    EXPECT_EQ(ann.lines, QStringList{"IP Quenmoor Online^ 9. 6. 0^ 1"});
    ASSERT_FALSE(vb::msgbox_script::shown().empty());
    EXPECT_EQ(vb::msgbox_script::shown()[0].prompt,
              "A player joining this game has not answered for two minutes.\r\nThe connection to A player "
              "joining this game has been closed.");
    expectLocalGame();
}

// Lines no peer of ours sends end that connection with a box naming the
// peer; the host keeps its other players.
TEST_F(HandshakeTest, ABadLineEndsOnlyTheConnectionItCameOn) {
    const std::pair<QString, const char*> cases[] = {
        {"XX\n", "an unknown code"},
        {"GS\x01\n", "a control character"},
        {"TR  9\n", "a first player out of range"},
        {"PC 99# 1\n", "a move out of range"},
        {kClientHello + "\n", "a second hello"},
        {"NM Bob\n", "a second name"},
        {QString(kMaxNetLineLength + 1, 'D') + "\n", "a line longer than any message"},
        {"GS", "a line cut off when the connection closed"},
    };
    for (const auto& [text, why] : cases) {
        SCOPED_TRACE(why);
        ScriptedPeer ann, bob;
        hostThree(ann, bob);
        vb::msgbox_script::clearShown();
        bob.send(text);
        if (!text.endsWith('\n')) bob.hangUp();
        ASSERT_TRUE(bob.closedByThem());
        ASSERT_TRUE(grisk_test::RunEventsUntil([] { return inet.NetPeers == 1; }));
        ASSERT_FALSE(vb::msgbox_script::shown().empty());
        EXPECT_EQ(vb::msgbox_script::shown()[0].prompt,
                  QString("Bob sent something this game cannot take (") + why +
                      ").\r\nThe connection to Bob has been closed.");
        EXPECT_TRUE(ann.connected());
        EXPECT_EQ(inet.IsHost, 1);
        EXPECT_EQ(ann.lines.last(), "EG") << "the others hear the game has ended";
        NetCleanUp();
        vb::msgbox_script::clearShown();
    }
}

// Two clients' answers arriving in pieces, interleaved: each is counted
// once, and the host deals.
TEST_F(HandshakeTest, TwoClientsAnswersInInterleavedPiecesStartTheGame) {
    ScriptedPeer ann, bob;
    hostThree(ann, bob);
    for (ScriptedPeer* p : {&ann, &bob}) {
        p->answers["DK"] = "DK";
        p->answers["TR"] = "TR";
    }
    ann.onLine = [&](const QString& line) {
        if (line != "GS") return;
        ann.send("G");
        bob.send("G");
        ann.send("S");
        bob.send("S\n");
        ann.send("\n");
    };
    grisk_test::RemoteTurnsStop stop;  // the deal is what counts here
    Game_New();
    EXPECT_EQ(eng.SideCount, 20) << "the host dealt";
    for (ScriptedPeer* p : {&ann, &bob}) {
        ASSERT_GE(p->lines.size(), 3);
        EXPECT_TRUE(p->lines.join(',').contains(",GS,DK ")) << p->lines.join(',').left(80).toStdString();
    }
}

TEST_F(HandshakeTest, OldPeersFallBackToTheTwoPlayerGame) {
    // A client of "74" joining a host of three: two players, and "GS" for
    // a seat list.
    table(3);
    ScriptedPeer ann;
    ann.answers = {{"IP", "IP Quenmoor Online^ 7. 4. 0"}, {"NM", "NM Ann"}, {"GS", "GS"}};
    ann.onLine = [&](const QString& line) {
        if (line.startsWith("DK")) ann.hangUp();
    };
    hostWith(ann);
    EXPECT_EQ(ann.lines.mid(0, 3), (QStringList{"IP Quenmoor Online^ 9. 6. 0^ 1", "NM Ottilie^Quenmoor Online", "GS"}));
    EXPECT_TRUE(titles().contains("Playing older version."));
    EXPECT_FALSE(shownContaining("Only House Rules are in effect."));
    EXPECT_EQ(eng.NumPlayers, 2);
    EXPECT_EQ(eng.NumCenters, 3);
    NetCleanUp();
    vb::msgbox_script::clearShown();

    // A host without a version: house rules, number cards, and "GS" at once.
    eng.SideOption = 14;
    eng.ForcedCards = 3;
    ScriptedPeer hal;
    const int port = hal.host([&] { hal.sendLine("IP 123456789012345"); });
    hal.answers = {{"IP", "NM Hal"}, {"NM", "GS"}, {"GS", "GO"}};
    queueWindow(false, port);
    SetupInternet();
    EXPECT_EQ(hal.lines, (QStringList{kClientHello, "NM Ottilie", "GS"}));
    EXPECT_TRUE(shownContaining("Only House Rules are in effect."));
    EXPECT_TRUE(shownContaining("Switching to number cards!"));
    EXPECT_EQ(eng.SideOption, 19);
    EXPECT_EQ(eng.ForcedCards, 0);
    EXPECT_EQ(inet.NetPeers, 0);
}

// F11 (the Internet menu's first row) ends a running game for everyone.
TEST_F(HandshakeTest, EndingTheGameTellsThePeerAndLeavesALocalGame) {
    ScriptedPeer ann;
    scriptClient(ann, "Ann");
    hostWith(ann);
    vb::msgbox_script::pushAnswer(vb::vbYes);
    SetupInternet();
    ASSERT_TRUE(ann.closedByThem());
    EXPECT_EQ(ann.lines.mid(3), (QStringList{"SY  1#Ottilie Quit!^", "GO"}));
    EXPECT_EQ(vb::msgbox_script::shown()[0].title, "TERMINATE Quenmoor Connection");
    expectLocalGame();
}


// A player who leaves a dealt game: the host offers the save and then
// deals a local game from its Deal button.
TEST_F(HandshakeTest, APlayerLeavingADealtGameLeavesTheHostALocalGame) {
    ScriptedPeer ann;
    scriptDealingClient(ann, "Ann");
    hostWith(ann);
    {
        grisk_test::RemoteTurnsStop stop;  // Ann leaves before she plays
        Game_New();
    }
    ASSERT_EQ(eng.SideCount, 20);
    vb::msgbox_script::clearShown();
    vb::msgbox_script::pushAnswer(vb::vbNo);
    ann.sendLine("SY  1#Ann Quit!^");
    ann.sendLine("GO");
    ann.hangUp();
    ASSERT_TRUE(grisk_test::RunEventsUntil([] { return inet.NetPeers == 0; }));
    EXPECT_EQ(titles(), QStringList{"Save Game"});
    ASSERT_TRUE(frmGrisk().cmdDeal.Visible());
    frmGrisk().Click(frmGrisk().cmdDeal);
    EXPECT_EQ(eng.SideCount, 20) << "a local game is dealt";
    EXPECT_GE(eng.Pturn, 1);
}

// A player who leaves while the host's cards are still being dealt: the
// deal stops quietly on the local table the game left.
TEST_F(HandshakeTest, APlayerLeavingDuringTheDealStopsItQuietly) {
    ScriptedPeer ann;
    scriptDealingClient(ann, "Ann");
    hostWith(ann);
    vb::msgbox_script::clearShown();
    // The good-bye arrives while the hands are dealt; the save is declined.
    vb::msgbox_script::pushAnswer(vb::vbNo);
    waits::SetPauseScale(1e-6);
    grisk_test::InsideWait leave([] { return eng.PlayerSlots(0, 2) != 0; }, [&] {
        ann.sendLine("GO");
        ann.hangUp();
        grisk_test::RunEventsUntil([] { return inet.NetPeers == 0; });
    });
    Game_New();
    waits::SetPauseScale(0);
    EXPECT_TRUE(leave.ran());
    EXPECT_EQ(inet.NetPeers, 0);
    for (const vb::ShownBox& b : vb::msgbox_script::shown()) EXPECT_NE(b.title, "Dealer Error");
    EXPECT_FALSE(eng.GameBusy);
    EXPECT_TRUE(frmGrisk().cmdDeal.Visible());
}

}  // namespace
