// Lines from the other machine: split at line feeds, held until complete,
// chat passed over, and a line longer than any message dropping the peer.
#include <gtest/gtest.h>

#include "engine/frm_grisk.h"
#include "engine/startup.h"
#include "engine/state.h"
#include "net/dispatcher.h"
#include "net/protocol.h"
#include "net/receive.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "support/test_support.h"

using namespace grisk;

namespace {

class ReceiveTest : public grisk_test::GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        inet.NetPeers = 1;
        inet.IsHost = 0;
        inet.PeerVersion = "96";
        inet.HostName = "Hal";
        NetHandshakeDone(0);  // the host's connection, its names exchanged
        LoadPilePictures();
    }
};

TEST_F(ReceiveTest, ALineIsTakenWhenItsLineFeedArrivesAndLinesKeepTheirOrder) {
    NetReceiveText(0, "GS\nD");
    EXPECT_EQ(inet.NetState, nsGameStart);
    EXPECT_TRUE(frmGrisk().cmdDeal.Visible()) << "the host began a new game";
    EXPECT_EQ(inet.PartialText(0), "D");
    NetReceiveText(0, "K  5# 17#");
    EXPECT_EQ(inet.NetState, nsGameStart);
    NetReceiveText(0, "\r\nSY  1#hello\n");
    EXPECT_EQ(inet.NetState, nsDeck) << "a chat line leaves the game's state alone";
    EXPECT_EQ(inet.NetPayload, "5# 17#");
    EXPECT_TRUE(inet.PartialText(0).isEmpty());
}

TEST_F(ReceiveTest, ALineLongerThanAnyMessageDropsThePeer) {
    NetReceiveText(0, QString(kMaxNetLineLength, '1'));
    EXPECT_EQ(inet.NetPeers, 1) << "a long line may still end";
    NetReceiveText(0, "1");
    EXPECT_EQ(inet.NetPeers, 0);
    EXPECT_TRUE(inet.PartialText(0).isEmpty());
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_EQ(vb::msgbox_script::shown().back().prompt,
              "Hal sent something this game cannot take (a line longer than any message).\r\n"
              "The connection to Hal has been closed.");
}

TEST_F(ReceiveTest, TextForAConnectionThatDoesNotExistIsDropped) {
    NetReceiveText(9, "GS\n");
    NetReceiveText(-1, "GS\n");
    EXPECT_EQ(inet.NetState, nsIdle);
}

}  // namespace
