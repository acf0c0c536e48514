// Start-up and shut-down when something fails: data files that cannot be
// read, an error in the middle of the start, data files gone at shut-down,
// a profile that cannot be saved, and a close that arrives while the card
// pictures are being prepared.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTimer>

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/paths.h"
#include "engine/startup.h"
#include "engine/startup_fixture.h"
#include "engine/state.h"
#include "platform/eventwait.h"
#include "platform/msgbox.h"
#include "platform/vberror.h"
#include "records/profile.h"
#include "records/state.h"
#include "table/card_drawing.h"
#include "table/frm_pic.h"

using namespace grisk;
using grisk_test::snapshot;
using grisk_test::StartupTest;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// Puts a folder where a data file should be: it is there, but no record of
// it can be read or written (whoever runs the test, root included).
void makeUnreadable(const QString& path) {
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkpath(path));
}

TEST_F(StartupTest, AnUnreadableDataFileRefusesTheStartLikeAMissingOne) {
    for (const char* file : {"Prefs.sav", "scores.ran"}) {
        SCOPED_TRACE(file);
        ResetAllState();
        ReleaseFrmGrisk();
        vb::msgbox_script::enable();
        const QByteArray kept = readAll(dataFolder_ + file);
        makeUnreadable(dataFolder_ + file);
        const auto before = snapshot(tempPath("share"));
        startWithoutSignIn();
        EXPECT_FALSE(frmGrisk().isLoaded());
        const auto& shown = vb::msgbox_script::shown();
        ASSERT_EQ(shown.size(), 1u) << "no sign-in, only the refusal";
        EXPECT_EQ(shown[0].prompt, "Unable to start Quenmoor!\n\nFiles are missing.");
        EXPECT_EQ(shown[0].icon(), vb::vbCritical);
        EXPECT_EQ(snapshot(tempPath("share")), before) << "nothing written, no temporary file";
        EXPECT_TRUE(lockIsFree());
        EXPECT_EQ(ExitLeftRuns(), 0);
        ASSERT_TRUE(QDir(dataFolder_ + file).removeRecursively());
        writeAll(dataFolder_ + file, kept);
    }
}

// Every opponent falls back on Grisk's personality file: a program folder
// without it cannot start, and says so as for the data files.
TEST_F(StartupTest, WithoutTheDefaultPersonalityTheStartIsRefused) {
    vb::msgbox_script::enable();
    SetFolders();
    for (const char* other : {"", "Varnok.pms"}) {
        SCOPED_TRACE(other);
        eng.AppFolder = tempPath("app");
        ASSERT_TRUE(QDir().mkpath(eng.AppFolder + "/Data/PMS"));
        if (*other) writeAll(eng.AppFolder + "/Data/PMS/" + other, QByteArray(6340, ' '));
        vb::msgbox_script::clearShown();
        const auto before = snapshot(tempPath("share"));
        EXPECT_FALSE(OpenDoor());
        const auto& shown = vb::msgbox_script::shown();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].prompt, "Unable to start Quenmoor!\n\nFiles are missing.");
        EXPECT_EQ(snapshot(tempPath("share")), before) << "nothing written";
    }
}

TEST_F(StartupTest, AnErrorDuringTheStartIsShownAndLeavesNoTemporaryFile) {
    vb::msgbox_script::clearShown();
    // The first start's sign-in fails: the sounds have been written by then.
    grisk_test::QueueSignIn("Varnok");  // its refusal's box fails
    vb::msgbox_script::failNextBox(vb::ErrDeviceIO);
    frmGrisk().Show();
    EXPECT_FALSE(frmGrisk().isLoaded());
    const auto& shown = vb::msgbox_script::shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].prompt,
              "Unexpected error while setting up Quenmoor!\nError #  57 occurred: \nDevice I/O error");
    EXPECT_EQ(shown[0].icon(), vb::vbCritical);
    EXPECT_TRUE(leftBehind().isEmpty()) << leftBehind().join(' ').toStdString();
    EXPECT_EQ(eng.LoopIndex, 3333);
    EXPECT_FALSE(eng.GameBusy);
    EXPECT_EQ(vb::forms::loaded().size(), 0u) << "every window is unloaded";
    EXPECT_TRUE(lockIsFree());
    EXPECT_EQ(ExitLeftRuns(), 0) << "nothing was set up to shut down";
    // The name was typed; its refusal's box is what failed.
    EXPECT_EQ(vb::forms::pendingModalActions(), 0);
}

TEST_F(StartupTest, AShutDownWithADataFileGoneStillCleansUp) {
    for (const char* file : {"scores.ran", "Prefs.sav"}) {
        SCOPED_TRACE(file);
        restart();
        ASSERT_TRUE(frmGrisk().isLoaded());
        ASSERT_FALSE(leftBehind().isEmpty()) << "the sounds are written for the run";
        QFile log(dataFolder_ + "~tempmoves.sav");
        ASSERT_TRUE(log.open(QIODevice::WriteOnly));
        log.close();
        const QByteArray kept = readAll(dataFolder_ + file);
        ASSERT_TRUE(QFile::remove(dataFolder_ + file));
        close();
        EXPECT_FALSE(frmGrisk().isLoaded());
        EXPECT_EQ(ExitLeftRuns(), 1);
        EXPECT_TRUE(leftBehind().isEmpty()) << leftBehind().join(' ').toStdString();
        EXPECT_TRUE(lockIsFree());
        writeAll(dataFolder_ + file, kept);  // the next start needs it again
    }
}

TEST_F(StartupTest, AProfileThatCannotBeSavedIsToldOnceAndTheShutDownGoesOn) {
    start();
    ASSERT_TRUE(frmGrisk().isLoaded());
    makeUnreadable(dataFolder_ + "Prefs.sav");
    vb::msgbox_script::clearShown();
    // A save that failed earlier in the run (at a change of player)...
    ReportProfileNotSaved();
    // ...and the one at shut-down: the player hears it once.
    close();
    const auto& shown = vb::msgbox_script::shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].prompt.startsWith("Your options and statistics could not be saved to \"Prefs.sav\"."))
        << shown[0].prompt.toStdString();
    EXPECT_EQ(shown[0].icon(), vb::vbExclamation);
    EXPECT_FALSE(frmGrisk().isLoaded());
    EXPECT_TRUE(leftBehind().isEmpty());
    EXPECT_TRUE(lockIsFree());
    EXPECT_EQ(scoreRecord(kDisplayModeRecord).Value4, 20) << "the placement is still stored";
}

TEST_F(StartupTest, ACloseWhileTheCardPicturesArePreparedWaitsForThem) {
    start();
    ASSERT_TRUE(frmGrisk().isLoaded());
    recs.DeckStyle = 1;
    FrmPic& store = frmPic();
    QObject scope;
    QTimer::singleShot(0, &scope, [] { frmGrisk().windowClosed(); });
    LoadRankCardImages();  // lets events through between the pictures
    EXPECT_TRUE(eng.Quitting);
    EXPECT_TRUE(frmGrisk().isLoaded()) << "nothing is torn down under the preparation";
    EXPECT_TRUE(store.isLoaded());
    EXPECT_EQ(&frmPic(), &store);
    for (int rank = 1; rank <= 13; ++rank) EXPECT_FALSE(store.ImageSm(rank).Picture().isNull()) << rank;

    EXPECT_TRUE(grisk_test::RunEventsUntil([] { return !frmGrisk().isLoaded(); }));
    EXPECT_EQ(ExitLeftRuns(), 1);
    EXPECT_TRUE(leftBehind().isEmpty());
}

}  // namespace
