// The shared helpers: the pause, folders and file tests, message texts, the
// file-name check, the last folder and the processor speed.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTimer>

#include "engine/general.h"
#include "engine/paths.h"
#include "engine/state.h"
#include "platform/controls.h"
#include "platform/eventwait.h"
#include "platform/msgbox.h"
#include "platform/recordfile.h"
#include "records/state.h"
#include "records/text_line_record.h"
#include "support/test_support.h"

using namespace grisk;

namespace {

class PauseTest : public grisk_test::GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        waits::SetPauseScale(1);
    }
    void TearDown() override { waits::SetClockForTests(nullptr); }
    // The pauses read a test clock that moves step seconds at each look,
    // starting at from; looks counts the looks.
    void clock(double from, double step) {
        now_ = from;
        waits::SetClockForTests([this, step] {
            ++looks;
            const double t = now_;
            now_ += step;
            return t >= 86400.0 ? t - 86400.0 : t;
        });
    }
    int looks = 0;

private:
    double now_ = 0;
};

// The timers of these tests capture the test's locals: each belongs to a
// context object that ends with the test, so that one that has not fired
// never runs in a later test.
TEST_F(PauseTest, NoPauseReturnsAtOnceWithoutRunningEventsOrReadingTheClock) {
    for (double scale : {1.0, 0.0}) {
        SCOPED_TRACE(scale);
        waits::SetPauseScale(scale);
        clock(100, 0.01);
        bool ran = false;
        QObject scope;
        QTimer::singleShot(0, &scope, [&] { ran = true; });
        Pause(scale == 0 ? 3 : 0);  // a pause of 3 s scaled to nothing, or none at all
        EXPECT_EQ(looks, 0);
        EXPECT_FALSE(ran);
    }
}

TEST_F(PauseTest, RunsEventsUntilItsTimeHasPassedOnTheClock) {
    clock(100, 0.04);
    bool ran = false;
    QObject scope;
    QTimer::singleShot(0, &scope, [&] { ran = true; });
    Pause(0.1);
    EXPECT_TRUE(ran);
    // Looked at 100.00 (the start), 100.04, 100.08 and 100.12 (past the end).
    EXPECT_EQ(looks, 4);
    EXPECT_EQ(waits::BusyDepth(), 0);
}

TEST_F(PauseTest, QuittingEndsAPauseAtOnceEvenFromInsideIt) {
    // The clock stands still: only quitting can end these pauses.
    clock(100, 0);
    eng.Quitting = true;
    Pause(5);
    EXPECT_LE(looks, 1);

    eng.Quitting = false;
    QObject scope;
    QTimer::singleShot(0, &scope, [] {
        eng.Quitting = true;
        waits::WakeAll();
    });
    Pause(5);
    EXPECT_TRUE(eng.Quitting);
}

TEST_F(PauseTest, NoEventRunsWhileFlipping) {
    clock(100, 0.01);
    bool ran = false;
    QObject scope;
    QTimer::singleShot(0, &scope, [&] { ran = true; });
    eng.Flipping = true;
    Pause(0.05);
    EXPECT_FALSE(ran);
    eng.Flipping = false;
    Pause(0.02);
    EXPECT_TRUE(ran);
}

TEST_F(PauseTest, APauseStartedJustBeforeMidnightEndsAtMidnight) {
    // 50 ms before midnight; the clock goes back to 0 after it.
    clock(86399.95, 0.01);
    Pause(10);
    EXPECT_LE(looks, 8) << "ended at midnight, not after ten seconds";
}

class HelperTest : public grisk_test::GriskTest {};

TEST_F(HelperTest, BadFileNameCharacters) {
    const QString expected =
        "Please do not use the following characters:  \n\n/ \\ : * . ? ! < > | \"\n\nPlease re-enter.";
    EXPECT_FALSE(HasBadFileNameChar("Player 2 of 7"));
    EXPECT_TRUE(vb::msgbox_script::shown().empty());
    for (const char* name : {"a.b", "x!", "say \"hi\"", "a*", "a/b", "c:", "<", ">", "?", "a\\b", "|"}) {
        vb::msgbox_script::clearShown();
        EXPECT_TRUE(HasBadFileNameChar(name)) << name;
        ASSERT_EQ(vb::msgbox_script::shown().size(), 1u) << name;
        const vb::ShownBox& box = vb::msgbox_script::shown()[0];
        EXPECT_EQ(box.prompt, expected);
        EXPECT_EQ(box.title, "Non-standard filename character");
        EXPECT_EQ(box.icon(), vb::vbExclamation);
    }
    HasBadFileNameChar("a.b!");
    EXPECT_EQ(eng.LoopIndex2, 1) << "the first listed character found wins";
}

TEST_F(HelperTest, MessageTextsAreTrimmedAndJoined) {
    QDir().mkpath(tempFolder() + "/Data");
    eng.AppFolder = tempFolder();
    {
        vb::RecordFile f;
        ASSERT_TRUE(f.open(MessageTextFile(), kTextLineRecordLength, vb::RecordFile::Mode::OpenOrCreate));
        for (int n = 1; n <= 31; ++n) {
            vb::RecordWriter rec(kTextLineRecordLength);
            rec.putText(QString("  line %1  ").arg(n), kTextLineRecordLength);
            ASSERT_TRUE(f.write(n, rec.bytes()));
        }
    }
    EXPECT_EQ(GetMessageText(29, 31), "line 29 line 30 line 31 ");
    EXPECT_EQ(GetMessageText(31, 33), "line 31   ") << "records past the end read blank";
    EXPECT_EQ(GetMessageText(5, 4), "");
    eng.AppFolder = tempFolder() + "/nowhere";
    EXPECT_EQ(GetMessageText(1, 2), "  ") << "a missing file reads as blank records";
}

TEST_F(HelperTest, FolderExistsStripsOneTrailingSeparator) {
    QString path = tempFolder() + "/";
    EXPECT_TRUE(FolderExists(path));
    EXPECT_EQ(path, tempFolder());
    QFile file(tempPath("plain.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QString filePath = tempPath("plain.txt");
    EXPECT_FALSE(FolderExists(filePath));
    EXPECT_TRUE(FileExists(filePath));
    EXPECT_TRUE(FileExists(tempFolder()));
    EXPECT_TRUE(FileExists(tempFolder() + "/*.txt"));
    EXPECT_FALSE(FileExists(tempFolder() + "/*.wav"));
    EXPECT_FALSE(FileExists(tempPath("missing")));
    EXPECT_FALSE(FileExists(""));
    QString blank = "  ";
    EXPECT_FALSE(FolderExists(blank));
}

TEST_F(HelperTest, StripTrailingSlashAndCutFileTitle) {
    EXPECT_EQ(StripTrailingSlash("  /home/ann/  "), "/home/ann");
    EXPECT_EQ(StripTrailingSlash("/home/ann//"), "/home/ann/");
    EXPECT_EQ(StripTrailingSlash("/"), "/");
    EXPECT_EQ(CutFileTitle("/home/ann/pics/cat.gif", "cat.gif"), "/home/ann/pics");
    EXPECT_EQ(CutFileTitle("cat.gif", "cat.gif"), "");
    EXPECT_EQ(CutFileTitle("a.gif", "longer-title.gif"), "");
}

TEST_F(HelperTest, LastFolderFallsBackToDocumentsWhenGone) {
    eng.DocumentsFolder = "/docs";
    EXPECT_EQ(GetLastFolder(), "/docs");
    const QString sub = tempFolder() + "/pictures";
    ASSERT_TRUE(QDir().mkpath(sub));
    SaveLastFolder(sub + "/");
    EXPECT_EQ(GetLastFolder(), sub);
    ASSERT_TRUE(QDir(sub).removeRecursively());
    EXPECT_EQ(GetLastFolder(), "/docs");
}

TEST_F(HelperTest, ProcessorSpeedAndAnimationSpeed) {
    struct Case {
        long mhz;
        int anim;
    };
    for (Case c : {Case{0, 20}, Case{849, 20}, Case{850, 45}, Case{1799, 45}, Case{1800, 70},
                   Case{2399, 70}, Case{2400, 95}, Case{5000, 95}})
        EXPECT_EQ(AnimSpeedForMhz(c.mhz), c.anim) << c.mhz;

    EXPECT_EQ(CpuMhzFromText("processor : 0\ncpu MHz\t\t: 2399.6\n"), 2400);
    EXPECT_EQ(CpuMhzFromText("processor : 0\n"), 0);

    SetCpuInfoPath(tempPath("no-such-cpuinfo"));
    recs.AnimSpeed = 77;
    EXPECT_EQ(GetCpuMhz(false), 0);
    EXPECT_EQ(recs.AnimSpeed, 77) << "without the flag the speed stays";
    EXPECT_EQ(GetCpuMhz(true), 0);
    EXPECT_EQ(recs.AnimSpeed, 20);
    SetCpuInfoPath("/proc/cpuinfo");
}

TEST_F(HelperTest, FormLoadedByExactName) {
    vb::Form form("frmCounter");
    EXPECT_FALSE(IsFormLoaded("frmCounter"));
    form.Load();
    EXPECT_TRUE(IsFormLoaded("frmCounter"));
    EXPECT_FALSE(IsFormLoaded("frmcounter"));
    form.Unload();
    EXPECT_FALSE(IsFormLoaded("frmCounter"));
}

TEST_F(HelperTest, AFailedLaunchSaysSo) {
    OpenWebPage("");
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_EQ(vb::msgbox_script::shown()[0].prompt, "Unable to launch default browser");
    EXPECT_LE(eng.RetVal, 32);
}

TEST_F(HelperTest, FoldersComeFromTheUsersDataFolder) {
    SetFolders();
    EXPECT_TRUE(eng.DataFolder.endsWith("/Quenmoor/Grisk and Varnok/Data/")) << eng.DataFolder.toStdString();
    EXPECT_TRUE(eng.UserFolder.endsWith("/Quenmoor/Grisk and Varnok/User/"));
    EXPECT_FALSE(eng.AppFolder.endsWith("/"));
    EXPECT_FALSE(eng.DocumentsFolder.isEmpty());
}

}  // namespace
