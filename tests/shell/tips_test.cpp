// The tip of the day: which tip a window opens on, stepping both ways, the
// paragraphs, the stored tip number and check box, the missing file, the
// resize, and the tips the program ships.
#include <gtest/gtest.h>

#include <QFile>

#include "platform/formwindow.h"
#include "shell/help_commands.h"
#include "shell_fixture.h"

namespace grisk_test {
namespace {

using grisk::frmTip;

class TipTest : public ShellTest {
protected:
    // Tips of our own, in a program folder of the test's own.
    void writeTips(const QByteArray& lines) {
        grisk::eng.AppFolder = tempFolder();
        QFile f(tempPath(grisk::kTipsFileName));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(lines);
    }
    static void storeTipNumber(const QString& value) { vb::SaveSetting("Quenmoor", "Options10", "Tip Number", value); }
    static QString stored(const char* key) { return vb::GetSetting("Quenmoor", "Options10", key, "(none)"); }
    // Opens the tips as the Help menu's Daily Tips does.
    static grisk::FrmTip& open() {
        grisk::MenuHelpCommand(2, 0);
        return frmTip();
    }
    static QString shown() { return frmTip().lblTipText.Caption(); }
};

TEST_F(TipTest, OpensOnTheTipAfterTheStoredOne) {
    struct Case {
        const char* stored;  // nullptr: no stored number
        QString expected;
    };
    const Case cases[] = {
        {nullptr, "one"},  // a first run
        {"0", "one"},
        {"1", "two"},
        {"2", "three"},
        {"3", "one"},     // the last tip shown: the first comes next
        {"17", "one"},    // past the file's end
        {"-4", "one"},    // a negative number counts as 0
        {"many", "one"},  // so does text that is no number
    };
    writeTips("one\ntwo\nthree\n");
    for (const Case& c : cases) {
        vb::DeleteSetting("Quenmoor", "Options10", "Tip Number");
        if (c.stored) storeTipNumber(c.stored);
        open();
        EXPECT_EQ(shown(), c.expected) << "stored " << (c.stored ? c.stored : "nothing");
        frmTip().Unload();
    }
}

TEST_F(TipTest, TipsRotateAcrossOpeningsAndTheNumberIsStoredOnClosing) {
    writeTips("one\ntwo\nthree\n");
    QStringList seen;
    for (int opening = 0; opening < 4; ++opening) {
        open();
        seen << shown();
        EXPECT_EQ(stored("Tip Number"), opening == 0 ? "(none)" : QString::number(opening))
            << "the number is written when the window closes, not before";
        frmTip().windowClosed();  // the close box
        EXPECT_FALSE(frmTip().isLoaded());
    }
    EXPECT_EQ(seen, QStringList({"one", "two", "three", "one"}));
    EXPECT_EQ(stored("Tip Number"), "1");
}

TEST_F(TipTest, NextAndPreviousWrapBothWays) {
    writeTips("one\ntwo\nthree\n");
    storeTipNumber("2");
    grisk::FrmTip& f = open();
    ASSERT_EQ(shown(), "three");
    const struct {
        int button;  // 0 Next, 1 Previous
        const char* expected;
    } presses[] = {{0, "one"}, {0, "two"}, {1, "one"}, {1, "three"}, {1, "two"}};
    for (const auto& p : presses) {
        f.Press(f.cmdNextTip(p.button));
        EXPECT_EQ(shown(), p.expected) << "after " << (p.button == 0 ? "Next" : "Previous");
    }
    f.Press(f.cmdOK);
    EXPECT_FALSE(f.isLoaded());
    EXPECT_EQ(stored("Tip Number"), "2") << "the tip shown last";
}

TEST_F(TipTest, EachTildeStartsAParagraphAfterAnEmptyLine) {
    writeTips("A~B\nfirst~second~third\nno break here\n");
    open();
    EXPECT_EQ(shown(), "A\n\nB");
    frmTip().Press(frmTip().cmdNextTip(0));
    EXPECT_EQ(shown(), "first\n\nsecond\n\nthird");
    frmTip().Press(frmTip().cmdNextTip(0));
    EXPECT_EQ(shown(), "no break here");
}

TEST_F(TipTest, BlankLinesAreNoTips) {
    writeTips("one\n\n   \ntwo\n");
    grisk::FrmTip& f = open();
    EXPECT_EQ(f.TipCount(), 2);
    f.Press(f.cmdNextTip(0));
    EXPECT_EQ(shown(), "two");
}

TEST_F(TipTest, AMissingFileIsExplainedAndTheButtonsDoNothing) {
    grisk::eng.AppFolder = tempFolder();
    storeTipNumber("5");
    grisk::FrmTip& f = open();
    const QString explanation = shown();
    EXPECT_EQ(explanation,
              "That the TIPOFDAY.TXT file was not found? \n\nCreate a text file named TIPOFDAY.TXT using NotePad "
              "with 1 tip per line. Then place it in the same directory as the application. ");
    f.Press(f.cmdNextTip(0));
    f.Press(f.cmdNextTip(1));
    EXPECT_EQ(shown(), explanation);
    EXPECT_TRUE(boxes().empty());
    f.Unload();
}

TEST_F(TipTest, TheBoxWritesEveryClickAtOnceAndShowsTheStoredChoice) {
    writeTips("one\n");
    grisk::FrmTip& f = open();
    EXPECT_EQ(f.chkLoadTipsAtStartup.Value(), 1) << "tips show at start-up until the player says otherwise";
    f.Press(f.chkLoadTipsAtStartup);
    EXPECT_EQ(f.chkLoadTipsAtStartup.Value(), 0);
    EXPECT_EQ(stored("Show Tips at Startup"), "0") << "written at the click, before the window closes";
    f.Unload();

    // Reopened in the same run, the box shows what the player chose.
    open();
    EXPECT_EQ(f.chkLoadTipsAtStartup.Value(), 0);
    f.Press(f.chkLoadTipsAtStartup);
    EXPECT_EQ(stored("Show Tips at Startup"), "1");
    f.Unload();
    open();
    EXPECT_EQ(f.chkLoadTipsAtStartup.Value(), 1);
}

TEST_F(TipTest, TheFrameAndTheTextGrowWithTheWindowButNeverShrinkBelowTheirDesign) {
    writeTips("one\n");
    grisk::FrmTip& f = open();
    const double frame = f.Picture1.Height();
    const double text = f.lblTipText.Height();
    const double height = f.Height();
    f.windowResized(f.Width(), height + 900, 0);  // the user pulls the frame down
    EXPECT_EQ(f.Picture1.Height(), frame + 900);
    EXPECT_EQ(f.lblTipText.Height(), text + 900);
    EXPECT_LE(f.lblTipText.topTw() + f.lblTipText.heightTw(), f.Picture1.topTw() + f.Picture1.heightTw())
        << "the text stays inside the frame";
    f.windowResized(f.Width(), height - 600, 0);
    EXPECT_EQ(f.Picture1.Height(), frame + 900) << "a window lower than at its load leaves them as they are";
}

TEST_F(TipTest, TheUsersManualButtonOpensTheHelpAtItsContents) {
    grisk::FrmTip& f = open();
    f.Press(f.cmdHelp);
    ASSERT_EQ(help::OpenWindowCount(), 1);
    EXPECT_TRUE(boxes().empty());
}

// The tips the program ships: enough of them, and each fits the window
// with the font the window shows it in.
TEST_F(TipTest, EveryShippedTipFitsItsFrame) {
    grisk::FrmTip& f = open();
    ASSERT_GE(f.TipCount(), 30);
    for (int n = 1; n <= f.TipCount(); ++n) {
        f.CurrentTip = n;
        f.DisplayCurrentTip();
        const QRectF text = vb::CaptionRectPx(f.lblTipText);
        EXPECT_LE(text.bottom(), f.Picture1.rectPx().bottom()) << "tip " << n << ": " << shown().toStdString();
        EXPECT_FALSE(shown().contains('~'));
    }
}

}  // namespace
}  // namespace grisk_test
