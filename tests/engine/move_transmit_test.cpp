// The human's moves sent to the other machine of an Internet game, played
// by the test over a real connection: the lines byte for byte, the answers
// awaited, and a peer lost in the middle.
#include <gtest/gtest.h>

#include <QTimer>

#include "engine/deal.h"
#include "engine/end_turn.h"
#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "fake_peer.h"
#include "net/frm_chat.h"
#include "net/connection.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/eventwait.h"
#include "play_fixture.h"

using namespace grisk;
using grisk_test::Card;

namespace {

class MoveTransmitTest : public grisk_test::PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        table(2, 3);
        humanToMove();
        grisk_test::FailWaitsThatNeverEnd(guard_, "the move");
    }
    void TearDown() override {
        CloseAllSockets();
        NetCleanUp();
        PlayTest::TearDown();
    }
    void internetGame(int isHost) {
        grisk_test::StartTwoPlayerGame(peer, isHost, "96");
        frmChat().Command1.setEnabled(true);
    }
    // The other machine answers every line of a move with its bare code.
    void peerAnswers() {
        peer.onLine = [this](const QString& line) { peer.send(line.left(2)); };
    }
    void expectWaitOver() {
        EXPECT_TRUE(f().Label9(0).Caption().isEmpty());
        EXPECT_FALSE(f().Label9(0).Visible());
        EXPECT_TRUE(frmChat().Command1.Enabled());
    }

    grisk_test::FakePeer peer;
    QObject guard_;
};

class MoveFromEitherSideTest : public MoveTransmitTest, public ::testing::WithParamInterface<int> {};

// The host sends to every remote player, a remote player to the host.
TEST_P(MoveFromEitherSideTest, APlayInsideTheTurnIsSentWithItsWaitLine) {
    internetGame(GetParam());
    peerAnswers();
    eng.OutMoveFrom = 3;
    eng.OutMoveTo = 2;
    Move_Transmit();
    EXPECT_EQ(peer.lines, (QStringList{"PC  3# 2", "WT"}));
    expectWaitOver();
    // A reorder of the hand names the hand place plus 10.
    peer.lines.clear();
    eng.OutMoveFrom = 6;
    eng.OutMoveTo = 12;
    Move_Transmit();
    EXPECT_EQ(peer.lines, (QStringList{"PC  6# 12", "WT"}));
}

INSTANTIATE_TEST_SUITE_P(HostOrRemote, MoveFromEitherSideTest, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param == 1 ? "Host" : "Remote"; });

TEST_F(MoveTransmitTest, TheDiscardIsSentWithTheTurnsOkayAndTheTurnPasses) {
    internetGame(0);
    peerAnswers();
    eng.SourceSlot = 2;
    eng.DropSlot = 9;
    eng.OutMoveFrom = 2;
    eng.OutMoveTo = 9;
    grisk_test::RemoteTurnsStop stop;
    Player_EndTurn();
    EXPECT_EQ(peer.lines, (QStringList{"PC  2# 9", "OK"}));
    expectWaitOver();
    EXPECT_EQ(eng.PlayerSlots(0, 9), Card(5));
    EXPECT_EQ(stop.reached, 2) << "the other machine plays its turn";
}

// The host lost while the discard's answers are awaited: the Internet game
// is over here and the turn does not pass.
TEST_F(MoveTransmitTest, AHostLostDuringTheDiscardEndsTheWaitAndTheTurnStays) {
    internetGame(0);
    peer.onLine = [this](const QString&) { peer.hangUp(); };
    eng.SourceSlot = 2;
    eng.DropSlot = 7;
    eng.OutMoveFrom = 2;
    eng.OutMoveTo = 7;
    Player_EndTurn();
    EXPECT_EQ(inet.NetPeers, 0);
    EXPECT_EQ(eng.Pturn, 0) << "the Internet game is over; no turn passed";
    EXPECT_FALSE(f().Label9(0).Visible());
    EXPECT_TRUE(frmChat().Command1.Enabled());
}

// A new game started by the host while a move waits leaves the wait at
// once, with the banner still up, and no "WT" goes out.
TEST_F(MoveTransmitTest, ANewGameFromTheHostEndsTheMovesWait) {
    internetGame(0);
    peer.onLine = [this](const QString& line) {
        if (line.startsWith("PC")) peer.send("GS");
    };
    eng.OutMoveFrom = 4;
    eng.OutMoveTo = 1;
    Move_Transmit();
    EXPECT_EQ(peer.lines, (QStringList{"PC  4# 1"}));
    EXPECT_TRUE(frmChat().Command1.Enabled());
    EXPECT_EQ(inet.NetPeers, 1);
}

}  // namespace
