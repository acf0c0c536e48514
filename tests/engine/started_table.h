// The program started as a player starts it, with its main window on the
// (offscreen) screen, a known player signed in; then a position of the
// test's choosing is put on its table.
#pragma once

#include "platform/controls.h"
#include "play_fixture.h"
#include "shell/state.h"
#include "shell/tutorial.h"
#include "startup_fixture.h"

namespace grisk_test {

class StartedTableTest : public StartupTest, public PlayPosition {
protected:
    void SetUp() override {
        StartupTest::SetUp();
        vb::forms::setScreenWindows(true);
        start();
        ASSERT_TRUE(grisk::frmGrisk().isLoaded());
        // The first start opens the tutorial; these tests play on their own.
        if (grisk::FrmTutorialExists() && grisk::frmTutorial().isLoaded()) grisk::frmTutorial().Unload();
        grisk::eng.PlayerName = "Ann";
        gameRunning(2);
    }
    void TearDown() override {
        StartupTest::TearDown();
        vb::forms::setScreenWindows(false);
    }
    grisk::FrmGrisk& f() { return grisk::frmGrisk(); }
};

}  // namespace grisk_test
