// The system-information box on a screen of the test's choosing.
#include <gtest/gtest.h>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/msgbox.h"
#include "platform/twips.h"
#include "support/test_support.h"
#include "table/system_info.h"

namespace {

using grisk::eng;

class SystemInfoTest : public grisk_test::GriskTest {
protected:
    void TearDown() override { grisk::ReleaseFrmGrisk(); }
    // The screen as start-up reads it, and the table window's size.
    static void screenOf(double widthTw, double heightTw, int depth, int dpi, int captionPx) {
        screen::Metrics m;
        m.widthTw = widthTw;
        m.heightTw = heightTw;
        m.colorDepth = depth;
        m.logicalDpiX = dpi;
        m.captionHeightPx = captionPx;
        screen::Inject(m);
        eng.ScreenWidthTw = widthTw;
        eng.ScreenHeightTw = heightTw;
        eng.ColorDepth = depth;
    }
    static QStringList shownLines() {
        const auto& boxes = vb::msgbox_script::shown();
        return boxes.empty() ? QStringList() : boxes.back().prompt.split('\n');
    }
};

TEST_F(SystemInfoTest, TheBoxDescribesTheScreenTheWindowAndTheProcessor) {
    screenOf(19200, 14400, 32, 96, 23);
    eng.CpuSpeed = 2400;
    grisk::frmGrisk().Move(0, 0, 12000, 9000);
    grisk::DisplayStats();
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    const vb::ShownBox& box = vb::msgbox_script::shown().back();
    EXPECT_EQ(box.icon(), vb::vbInformation);
    EXPECT_EQ(box.buttons(), vb::vbOKOnly);
    EXPECT_EQ(box.title, vb::defaultTitle()) << "no title of its own";
    const QStringList expected = {
        "Resolution: ",
        " 1280 X  960 pixels",
        " 32 bits per pixel  (True Color)",
        "",
        "19200 X 14400",
        "Normal (small fonts)",
        "",
        "This window:",
        " 800 x  600",
        "Titlebar height:  23",
        "CPU Speed: 2400 MHz",
    };
    EXPECT_EQ(shownLines(), expected);
    EXPECT_EQ(eng.MsgText, box.prompt);
    EXPECT_EQ(eng.MsgAnswer, vb::vbOK);
}

TEST_F(SystemInfoTest, EachColourDepthHasItsNameAndLargeFontsAreNamed) {
    const struct {
        int depth;
        const char* line;
    } cases[] = {
        {4, " 4 bits per pixel  (16 Color)"},   {8, " 8 bits per pixel  (256 Color)"},
        {15, " 15 bits per pixel  "},           {16, " 16 bits per pixel  (High Color)"},
        {24, " 24 bits per pixel  (True Color)"}, {32, " 32 bits per pixel  (True Color)"},
        {1, " 1 bits per pixel  "},
    };
    for (const auto& c : cases) {
        screenOf(9600, 7200, c.depth, 120, 30);
        vb::msgbox_script::clearShown();
        grisk::DisplayStats();
        const QStringList lines = shownLines();
        ASSERT_EQ(lines.size(), 11);
        EXPECT_EQ(lines[1], " 640 X  480 pixels");
        EXPECT_EQ(lines[2], c.line);
        EXPECT_EQ(lines[4], "9600 X 7200");
        EXPECT_EQ(lines[5], "Large Fonts");
        EXPECT_EQ(lines[9], "Titlebar height:  30");
    }
}

}  // namespace
