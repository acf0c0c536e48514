// The tip of the day and the help across starts of the program: a known
// player's start shows the next tip, unticking its box keeps the next start
// free of tips, and the shut-down closes the tip (storing its number) and
// every help window.
#include <gtest/gtest.h>

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/startup_fixture.h"
#include "engine/state.h"
#include "platform/help_viewer.h"
#include "platform/keys.h"
#include "platform/settings.h"
#include "shell/tips.h"

using namespace grisk;
using grisk_test::StartupTest;

namespace {

class StartupTipsTest : public StartupTest {
protected:
    void SetUp() override {
        StartupTest::SetUp();
        for (const char* key : {"Tip Number", "Show Tips at Startup"}) vb::DeleteSetting("Quenmoor", "Options10", key);
    }
    void TearDown() override {
        StartupTest::TearDown();
        ReleaseFrmTip();
    }
};

TEST_F(StartupTipsTest, UntickingTheBoxKeepsTheNextStartFreeOfTips) {
    // A new player: the tutorial comes first, and no tip.
    start("Ann");
    EXPECT_TRUE(IsFormLoaded("frmTutorial"));
    EXPECT_FALSE(IsFormLoaded("frmTip"));
    close();
    EXPECT_FALSE(IsFormLoaded("frmTutorial")) << "the shut-down closes the tutorial";
    for (const char* key : {"Tip Number", "Show Tips at Startup"}) vb::DeleteSetting("Quenmoor", "Options10", key);

    restart();
    ASSERT_TRUE(IsFormLoaded("frmTip"));
    FrmTip& tip = frmTip();
    EXPECT_EQ(tip.CurrentTip, 1);
    EXPECT_EQ(tip.chkLoadTipsAtStartup.Value(), 1);
    tip.Press(tip.cmdNextTip(0));
    int f1 = vb::vbKeyF1;
    frmGrisk().Form_KeyDown(f1, 0);
    EXPECT_EQ(help::OpenWindowCount(), 1);
    tip.Press(tip.chkLoadTipsAtStartup);
    close();
    EXPECT_FALSE(IsFormLoaded("frmTip")) << "the shut-down unloads the tip";
    EXPECT_EQ(help::OpenWindowCount(), 0) << "and closes the help";
    EXPECT_EQ(vb::GetSetting("Quenmoor", "Options10", "Tip Number"), "2");

    restart();
    EXPECT_FALSE(IsFormLoaded("frmTip"));
    close();

    // Daily Tips brings the tips back, the one after the last seen.
    vb::SaveSetting("Quenmoor", "Options10", "Show Tips at Startup", "1");
    restart();
    ASSERT_TRUE(IsFormLoaded("frmTip"));
    EXPECT_EQ(frmTip().CurrentTip, 3);
}

}  // namespace
