// The About window and the splash key: what they show, the credits behind
// the icon, and how they close.
#include <gtest/gtest.h>

#include "engine/general.h"
#include "platform/sound.h"
#include "shell/help_commands.h"
#include "platform/keys.h"
#include "shell/keyboard.h"
#include "shell/splash.h"
#include "shell_fixture.h"

namespace grisk_test {
namespace {

using grisk::frmAbout;

class AboutTest : public ShellTest {};

TEST_F(AboutTest, TheHelpMenuShowsTheVersionAndTheDescription) {
    grisk::MenuHelpCommand(8, 0);
    grisk::FrmAbout& f = frmAbout();
    ASSERT_TRUE(f.isLoaded());
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(f.Caption(), "About Grisk & Varnok");
    EXPECT_EQ(f.lblTitle.Caption(), "Quenmoor: Grisk and Varnok");
    EXPECT_EQ(f.lblVersion.Caption(), "Version 1.0.0");
    EXPECT_EQ(f.lblVersion.Caption(), grisk::ProgramVersionText()) << "the splash shows the same version";
    EXPECT_EQ(f.lblDescription.Caption(), grisk::GetMessageText(22, 22));
    EXPECT_TRUE(f.lblDescription.Caption().startsWith("A race-patience card game")) << "the shipped text";
    EXPECT_TRUE(f.lblDisclaimer.Caption().startsWith("Warning: Highly addictive.\n"));
    EXPECT_FALSE(f.credit.Visible());
}

TEST_F(AboutTest, TheIconShowsAndHidesTheCreditsWithItsSound) {
    grisk::MenuHelpCommand(8, 0);
    grisk::FrmAbout& f = frmAbout();
    f.Press(f.picIcon);
    EXPECT_TRUE(f.credit.Visible());
    EXPECT_EQ(f.credit.Caption(), grisk::GetMessageText(23, 28));
    EXPECT_TRUE(f.credit.Caption().startsWith("Grisk and Varnok, rebuilt for Linux"));
    EXPECT_EQ(sound::LastRequested(), grisk::eng.DataFolder + "~119.tmp");
    f.Press(f.picIcon);
    EXPECT_FALSE(f.credit.Visible());
    f.Press(f.cmdOK);
    EXPECT_FALSE(f.isLoaded());

    // Opened again, the credits are hidden at first.
    grisk::MenuHelpCommand(8, 0);
    EXPECT_FALSE(frmAbout().credit.Visible());
    frmAbout().windowClosed();
    EXPECT_FALSE(frmAbout().isLoaded());
}

TEST_F(AboutTest, CtrlF5ShowsTheSplashWindowAndPutsItAway) {
    constexpr int kF5 = vb::vbKeyF1 + 4;
    grisk::ReleaseFrmSplash();
    for (bool shownAfter : {true, false, true}) {
        int key = kF5;
        grisk::HandleKeyDown(key, vb::vbCtrlMask);
        EXPECT_EQ(grisk::frmSplash().isLoaded() && grisk::frmSplash().Visible(), shownAfter);
    }
    EXPECT_EQ(grisk::frmSplash().lblVersion.Caption(), "Version 1.0.0");
    int key = kF5;
    grisk::HandleKeyDown(key, 0);  // F5 alone is the speed window's key, not the splash
    EXPECT_TRUE(grisk::frmSplash().Visible());
    int any = 'A';
    grisk::frmSplash().Form_KeyDown(any, 0);  // any key on the splash puts it away
    EXPECT_FALSE(grisk::frmSplash().isLoaded());
    grisk::ReleaseFrmSplash();
}

}  // namespace
}  // namespace grisk_test
