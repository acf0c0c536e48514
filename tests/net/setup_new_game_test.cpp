// The host's set-up windows over a real connection: a changed table or a
// finished player set-up starts the next game for the client, a cancelled
// one keeps the running game, and a picture given to a remote player comes
// back when they join again.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "hosting_fixture.h"
#include "net/frm_multi_net.h"
#include "net/frm_rules_net.h"
#include "net/state.h"
#include "records/opponent_setup.h"

using namespace grisk;
using grisk_test::ScriptedPeer;

namespace {

class SetupNewGameTest : public grisk_test::HostingTest {
protected:
    void TearDown() override {
        for (vb::Form* w : std::initializer_list<vb::Form*>{&frmMultiNet(), &frmRulesNet()})
            if (w->isLoaded()) w->Unload();
        ReleaseFrmMultiNet();
        ReleaseFrmRulesNet();
        HostingTest::TearDown();
    }
    // This machine hosts Ann, who answers every seat list.
    void hostAnn(ScriptedPeer& ann) {
        scriptClient(ann, "Ann");
        hostWith(ann);
        ASSERT_TRUE(ann.got(3));
        ASSERT_TRUE(ann.lines.last().startsWith("LO"));
    }
};

TEST_F(SetupNewGameTest, FourCentrePilesStartTheNextGameForTheClient) {
    ScriptedPeer ann;
    hostAnn(ann);
    vb::forms::queueModalAction("frmRulesNET", [](vb::Form& f) {
        auto& w = static_cast<FrmRulesNet&>(f);
        vb::UserClicks(w.optCenters(1));
        vb::UserClicks(w.cmdDone);
    });
    SetupOpponents(true);
    EXPECT_EQ(eng.NumCenters, 4);
    EXPECT_TRUE(frmGrisk().PicCenter(4).Visible());
    ASSERT_EQ(ann.lines.size(), 4);
    EXPECT_TRUE(ann.lines.last().startsWith("LO")) << "the seats go out again";
}

TEST_F(SetupNewGameTest, ThePlayerSetUpStartsTheNextGameUnlessCancelled) {
    ScriptedPeer ann;
    hostAnn(ann);
    vb::forms::queueModalAction("frmMultiNET",
                                [](vb::Form& f) { vb::UserClicks(static_cast<FrmMultiNet&>(f).CmdCancel); });
    SetupOpponents(false);
    grisk_test::RunEventsFor(50);
    EXPECT_EQ(ann.lines.size(), 3) << "cancelled: the running game goes on";

    vb::forms::queueModalAction("frmMultiNET", [](vb::Form& f) {
        auto& w = static_cast<FrmMultiNet&>(f);
        EXPECT_EQ(w.TxtOpponent(1).Text(), "Ann");
        vb::UserClicks(w.cmdDone);
    });
    SetupOpponents(false);
    ASSERT_EQ(ann.lines.size(), 4);
    EXPECT_TRUE(ann.lines.last().startsWith("LO"));
    EXPECT_TRUE(inet.NetSetupCancelled) << "every way out of the window sets it";
}

TEST_F(SetupNewGameTest, ARemotePlayerWhoJoinsAgainKeepsThePictureGivenToThem) {
    eng.UserFolder = tempFolder() + "/User/";
    ASSERT_TRUE(QDir().mkpath(eng.UserFolder + "Avatars"));
    for (const char* name : {"Alpha.jpg", "Beta.jpg"}) {
        QImage picture(30, 40, QImage::Format_RGB32);
        picture.fill(Qt::darkRed);
        ASSERT_TRUE(picture.save(eng.UserFolder + "Avatars/" + name, "JPG"));
    }
    {
        ScriptedPeer ann;
        hostAnn(ann);
        vb::forms::queueModalAction("frmMultiNET", [](vb::Form& f) {
            auto& w = static_cast<FrmMultiNet&>(f);
            vb::UserScrolls(w.HScrollAvatar, 2);  // Beta.jpg
            vb::UserClicks(w.CmdApply);
            vb::UserClicks(w.CmdCancel);
        });
        SetupOpponents(false);
        EXPECT_EQ(eng.Player2.Avatar, "Beta.jpg");
        ann.sendLine("GO");
        ann.hangUp();
        ASSERT_TRUE(grisk_test::RunEventsUntil([] { return inet.NetPeers == 0; }));
    }
    ScriptedPeer again;
    scriptClient(again, "ANN");
    hostWith(again);
    ASSERT_TRUE(again.got(3));
    EXPECT_EQ(eng.Player2.Name, "ANN");
    EXPECT_EQ(eng.Player2.Avatar, "Beta.jpg") << "the same player in other letters";
}

}  // namespace
