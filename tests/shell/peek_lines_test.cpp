// Peeking in an Internet game: the player confirms, the other machines are
// told with a system notice and the peek line, over real connections.
#include <gtest/gtest.h>

#include "engine/fake_peer.h"
#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "net/chat_lines.h"
#include "net/connection.h"
#include "net/dispatcher.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/sound.h"
#include "shell/help_commands.h"
#include "table_fixture.h"

using namespace grisk;

namespace {

class PeekLinesTest : public grisk_test::HumanToMoveTest {
protected:
    void SetUp() override {
        HumanToMoveTest::SetUp();
        grisk_test::FailWaitsThatNeverEnd(guard_, "the peek");
    }
    void TearDown() override {
        CloseAllSockets();
        NetCleanUp();
        HumanToMoveTest::TearDown();
    }
    void connect(int isHost, int peers, const QString& version) {
        inet.NetPeers = peers;
        inet.IsHost = isHost;
        inet.NetSlotCount = peers;
        inet.NetSockIndex = isHost == 1 ? 1 : 0;
        inet.PeerVersion = version;
        for (int i = 1; i <= peers; ++i) {
            const int index = isHost == 1 ? i : 0;
            if (isHost == 1) inet.NetSlots(i) = NetSlot{{}, i, 7, i, {}};
            NetHandshakeDone(index);
            machines[i - 1].connect(index);
        }
    }
    grisk_test::FakePeer machines[2];
    QObject guard_;
};

// A host of three players tells both other machines, each line as it is.
TEST_F(PeekLinesTest, AHostTellsEveryOtherMachine) {
    connect(1, 2, "96");
    inet.ChatCount = 4;
    vb::msgbox_script::pushAnswer(vb::vbYes);
    MenuHelpCommand(3, 0);
    ASSERT_TRUE(eng.Peeking);
    for (grisk_test::FakePeer& m : machines) {
        m.codes(2);
        EXPECT_EQ(m.lines, (QStringList{"SY  5#$-GRISK: You're being watched.", "PK  True"}));
        EXPECT_TRUE(PeekLineSaysPeeking(m.lines.value(1)));
        m.lines.clear();
    }
    EXPECT_EQ(f().Label9(0).Caption(), "Opponent\nALERTED");
    EXPECT_TRUE(f().LabelPeek.Visible());
    EXPECT_EQ(f().LabelPeek.Caption(), "\nYou're PEEKING!");
    EXPECT_EQ(sound::LastRequested(), eng.DataFolder + "~105.tmp");

    // Stop Peeking asks nothing.
    MenuHelpCommand(3, 0);
    EXPECT_FALSE(eng.Peeking);
    for (grisk_test::FakePeer& m : machines) {
        m.codes(2);
        EXPECT_EQ(m.lines, (QStringList{"SY  6#$-GRISK: Nobody's looking now.", "PK  False"}));
        EXPECT_FALSE(PeekLineSaysPeeking(m.lines.value(1)));
    }
    EXPECT_EQ(f().Label9(0).Caption(), "Opponent has\nbeen informed.");
    EXPECT_FALSE(f().LabelPeek.Visible());
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u) << "only the peek itself is confirmed";
    EXPECT_EQ(vb::msgbox_script::shown()[0].title, "Cheater");
}

// A remote player's machine tells the host; an old peer's notice has no tag.
TEST_F(PeekLinesTest, ARemotePlayerTellsTheHost) {
    connect(0, 1, "62");
    vb::msgbox_script::pushAnswer(vb::vbYes);
    MenuHelpCommand(3, 0);
    machines[0].codes(2);
    EXPECT_EQ(machines[0].lines, (QStringList{"SY  1#GRISK: You're being watched.", "PK  True"}));
}

// Stopping while the other player still peeks leaves their notice shown.
TEST_F(PeekLinesTest, TheOtherPlayersPeekStaysShownWhenThisOneStops) {
    connect(0, 1, "96");
    eng.Peeking = true;
    inet.PeerPeeking = true;
    MenuHelpCommand(3, 0);
    EXPECT_TRUE(f().LabelPeek.Visible());
    EXPECT_EQ(f().LabelPeek.Caption(), "\nOpponent is PEEKING!");
}

}  // namespace
