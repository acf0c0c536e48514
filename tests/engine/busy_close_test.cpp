// A close request that arrives while the game is waiting only raises the
// quit flags; the window closes once the running handler has unwound.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/state.h"
#include "platform/eventwait.h"
#include "support/test_support.h"

using namespace grisk;

namespace {

class BusyCloseTest : public grisk_test::GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        waits::SetPauseScale(1);
        frmGrisk().Show();
    }
};

TEST_F(BusyCloseTest, ACloseDuringAPauseWaitsForTheHandlerToUnwind) {
    bool loadedAfterPause = false;
    QTimer::singleShot(10, [] { frmGrisk().windowClosed(); });
    // The handler that was running: it pauses, then goes on with its work.
    Pause(5);
    loadedAfterPause = frmGrisk().isLoaded();
    EXPECT_TRUE(eng.Quitting);
    EXPECT_TRUE(eng.SkipGameSave);
    EXPECT_TRUE(loadedAfterPause) << "nothing is torn down under a running handler";
    Pause(1);  // a later pause returns at once while quitting
    EXPECT_TRUE(frmGrisk().isLoaded());

    // Back in the main loop the close is carried out.
    QCoreApplication::processEvents();
    EXPECT_FALSE(frmGrisk().isLoaded());
}

TEST_F(BusyCloseTest, ACloseWhileTheGameIsBusyIsDeferredToo) {
    eng.GameBusy = true;
    frmGrisk().windowClosed();
    EXPECT_TRUE(frmGrisk().isLoaded());
    EXPECT_TRUE(eng.Quitting);
    QCoreApplication::processEvents();
    EXPECT_FALSE(frmGrisk().isLoaded());
}

TEST_F(BusyCloseTest, AnIdleCloseUnloadsAtOnce) {
    frmGrisk().windowClosed();
    EXPECT_FALSE(frmGrisk().isLoaded());
    EXPECT_FALSE(eng.SkipGameSave);
}

}  // namespace
