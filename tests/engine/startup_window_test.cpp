// The main window's place and size at start-up (stored placement, none,
// keep on the screen, a small screen), its resize event, and the tip of the
// day.
#include <gtest/gtest.h>

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/startup.h"
#include "engine/startup_fixture.h"
#include "engine/state.h"
#include "platform/settings.h"
#include "platform/twips.h"
#include "records/score_record.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/state.h"

using namespace grisk;
using grisk_test::StartupTest;

namespace {

// The window as designed: 12000 x 9000 twips at the top left corner.
constexpr double kDesignedWidth = 12000;
constexpr double kDesignedHeight = 9000;

class PlacementTest : public StartupTest {
protected:
    void storePlacement(int value1, int width, int left, int top) {
        ScoreRecord mode;
        mode.Value3 = 20;  // display mode 0
        mode.Value4 = 20;  // record 15 holds a placement
        writeScoreRecord(kDisplayModeRecord, mode);
        ScoreRecord place;
        place.Value1 = value1;
        place.Value2 = width;
        place.Value3 = left;
        place.Value4 = top;
        writeScoreRecord(kPlacementRecord, place);
    }
    void expectDesignedSizeAndPlace() {
        EXPECT_EQ(frmGrisk().StartWindowState, 0);
        EXPECT_EQ(frmGrisk().WindowState(), 0);
        EXPECT_DOUBLE_EQ(frmGrisk().Left(), 0);
        EXPECT_DOUBLE_EQ(frmGrisk().Top(), 0);
        EXPECT_DOUBLE_EQ(frmGrisk().Width(), kDesignedWidth);
        EXPECT_DOUBLE_EQ(frmGrisk().Height(), kDesignedHeight);
    }
};

TEST_F(PlacementTest, AStoredPlacementWithoutASizeOpensAtTheDesignedSizeAndPlace) {
    for (int width : {0, -5}) {
        SCOPED_TRACE(width);
        storePlacement(9000, width, 100, 100);
        restart();
        ASSERT_TRUE(frmGrisk().isLoaded());
        expectDesignedSizeAndPlace();
        close();
    }
}

TEST_F(PlacementTest, WithoutAStoredPlacementTheTableFitsTheScreenAndThePathIsWritten) {
    ScoreRecord mode;
    mode.Value4 = 0;  // no placement stored: the first start
    writeScoreRecord(kDisplayModeRecord, mode);
    vb::SaveSetting("Quenmoor", "Startup", "Path", "elsewhere");
    start();
    ASSERT_TRUE(frmGrisk().isLoaded());
    EXPECT_DOUBLE_EQ(frmGrisk().Left(), 0);
    EXPECT_DOUBLE_EQ(frmGrisk().Top(), 0);
    EXPECT_DOUBLE_EQ(frmGrisk().Width(), 16665) << "the widest table on a screen wider than 15360 twips";
    EXPECT_EQ(eng.MainFormWidth, 16665);
    EXPECT_EQ(vb::GetSetting("Quenmoor", "Startup", "Path", ""), eng.AppFolder);
    close();

    // Once a placement is stored the folder is no longer written.
    vb::SaveSetting("Quenmoor", "Startup", "Path", "elsewhere");
    restart();
    ASSERT_TRUE(frmGrisk().isLoaded());
    EXPECT_EQ(vb::GetSetting("Quenmoor", "Startup", "Path", ""), "elsewhere");
}

TEST_F(PlacementTest, AWindowOffTheScreenIsBroughtBackToTheTopLeftCorner) {
    // Screen 19200 x 15360 twips; the window 12000 x 9000.
    struct Case {
        int left;
        int top;
        bool moved;
    };
    for (Case c : {Case{300, 450, false}, Case{11200, 9360, false},  // two thirds still on the screen
                   Case{11201, 450, true}, Case{300, 9361, true},     // beyond the right, the bottom
                   Case{-15, 450, true}, Case{300, -15, true},        // beyond the left, the top
                   Case{0, 0, false}}) {
        SCOPED_TRACE(testing::Message() << c.left << ", " << c.top);
        storePlacement(9000, 12000, c.left, c.top);
        restart();
        ASSERT_TRUE(frmGrisk().isLoaded());
        EXPECT_DOUBLE_EQ(frmGrisk().Left(), c.moved ? 0 : c.left);
        EXPECT_DOUBLE_EQ(frmGrisk().Top(), c.moved ? 0 : c.top);
        EXPECT_DOUBLE_EQ(frmGrisk().Width(), 12000);
        close();
    }
}

TEST_F(StartupTest, ASmallScreenStartsTheSmallTable) {
    struct Case {
        double screenWidthTw;
        int storedMode;
        bool forced;  // the small table forced, the status bar's panels narrowed
        bool locked;  // the display-size items 0 and 1 disabled
    };
    // A small table stored on a small screen stays small too: the items
    // that would make it large are disabled as well.
    for (Case c : {Case{9600, 0, true, true}, Case{9999, 1, true, true}, Case{10000, 0, false, false},
                   Case{9600, 2, false, true}}) {
        SCOPED_TRACE(testing::Message() << c.screenWidthTw << " twips, mode " << c.storedMode);
        screen::Metrics m;
        m.widthTw = c.screenWidthTw;
        m.heightTw = 7200;
        screen::Inject(m);
        ScoreRecord mode;
        mode.Value3 = 20 + c.storedMode;
        writeScoreRecord(kDisplayModeRecord, mode);
        restart();
        ASSERT_TRUE(frmGrisk().isLoaded());
        EXPECT_EQ(tbl.DisplayMenuEnabled[0], !c.locked) << "Move Cards Up";
        EXPECT_EQ(tbl.DisplayMenuEnabled[1], !c.locked) << "Make Display Smaller";
        if (c.forced) {
            EXPECT_TRUE(tbl.SmallDisplay);
            EXPECT_EQ(tbl.CardSpacing, 66);
            for (int panel : {1, 4, 5, 8}) EXPECT_EQ(frmGrisk().StatusBar1.Panels(panel).MinWidth, 700) << panel;
            EXPECT_EQ(frmGrisk().StatusBar1.Panels(5).Text, "Grisk:");
        } else {
            EXPECT_EQ(frmGrisk().StatusBar1.Panels(1).MinWidth, FrmGrisk().StatusBar1.Panels(1).MinWidth)
                << "the panel keeps its designed width";
        }
        close();
    }
}

TEST_F(StartupTest, TheResizeEventFollowsTheWindow) {
    start();
    ASSERT_TRUE(frmGrisk().isLoaded());
    FrmGrisk& f = frmGrisk();

    // A normal window: the new size is kept and the idle timer stops.
    vb::Form menu("frmMenu");
    menu.Load();
    f.Timer1.Enabled = true;
    f.picPanel.setVisible(true);
    f.Move(300, 300, 13000, 9500);
    EXPECT_FALSE(f.Timer1.Enabled);
    EXPECT_FALSE(menu.isLoaded()) << "the pop-up command list closes";
    EXPECT_FALSE(f.picPanel.Visible()) << "and the menu strip goes";
    EXPECT_EQ(eng.MainFormWidth, 13000);
    EXPECT_EQ(eng.MainFormHeight, 9500);
    EXPECT_EQ(f.scaleMode(), vb::ScaleMode::Pixels);
    EXPECT_TRUE(cmd.FlowClicked);

    // Minimized: the companion windows close and the last size stays.
    vb::Form hold("frmHold");
    vb::Form counter("frmCounter");
    hold.Load();
    counter.Load();
    f.Timer1.Enabled = true;
    f.setWindowState(1);
    EXPECT_FALSE(f.Timer1.Enabled);
    EXPECT_FALSE(hold.isLoaded());
    EXPECT_FALSE(counter.isLoaded());
    EXPECT_EQ(eng.MainFormWidth, 13000);
    EXPECT_EQ(eng.MainFormHeight, 9500);
    EXPECT_EQ(f.scaleMode(), vb::ScaleMode::Pixels);

    // While the window loads the event does nothing.
    f.setWindowState(0);
    cmd.FormLoading = true;
    f.Timer1.Enabled = true;
    f.Move(0, 0, 12500, 9000);
    EXPECT_TRUE(f.Timer1.Enabled);
    EXPECT_EQ(eng.MainFormWidth, 13000);
    cmd.FormLoading = false;
}

TEST_F(StartupTest, TheTipOfTheDayFollowsItsSetting) {
    start();
    close();
    for (const char* setting : {"0", "1"}) {
        vb::SaveSetting("Quenmoor", "Options10", "Show Tips at Startup", setting);
        restart();
        ASSERT_TRUE(frmGrisk().isLoaded());
        EXPECT_TRUE(frmGrisk().cmdDeal.Visible());
        EXPECT_EQ(IsFormLoaded("frmTip"), QString(setting) == "1") << setting;
        close();
    }
}

}  // namespace
