// Start-up and shut-down of the main window against a per-user tree made by
// the set-up program: temporary files, the stored placement and display
// mode, missing data files, a deferred close, and a second copy.
#include <gtest/gtest.h>

#include <csignal>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QLockFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <map>

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/startup.h"
#include "engine/state.h"
#include "net/frm_chat.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/eventwait.h"
#include "platform/formwindow.h"
#include "platform/msgbox.h"
#include "platform/termination.h"
#include "platform/recordfile.h"
#include "platform/sound.h"
#include "platform/controls.h"
#include "platform/twips.h"
#include "platform/winsock.h"
#include "records/saved_game_record.h"
#include "records/score_record.h"
#include "records/state.h"
#include "shell/state.h"
#include "shell/tutorial.h"
#include "table/card_drawing.h"
#include "support/test_support.h"
#include "engine/startup_fixture.h"
#include "table/state.h"

using namespace grisk;

namespace {

using grisk_test::StartupTest;
using grisk_test::snapshot;

// The run's temporary files (the program's sounds, the small-card files,
// the opponents' sounds in the user's "Sounds" folder) are read by nothing
// before the table shows, so they may be written after it. Whatever reads
// one first finds it there: the table's first paint, a sound played, a
// small face drawn, a chat sound looked up. The close deletes them with the
// move log.
TEST_F(StartupTest, TheRunsFilesAreThereWhenFirstReadAndGoAtShutDown) {
    const auto programSoundsThere = [this] {
        for (int n = 105; n <= 123; ++n)
            if (!QFile::exists(dataFolder_ + "~" + QString::number(n) + ".tmp")) return false;
        return QFileInfo(dataFolder_ + "~105.tmp").size() > 44;
    };
    const auto smallCardsThere = [this] {
        for (int n = 1; n <= 52; ++n)
            if (!QFile::exists(dataFolder_ + QString::number(n) + ".tmp")) return false;
        return true;
    };
    // The first opponent's sounds are its personality's: every one is a
    // whole sound in the user's "Sounds" folder.
    const auto opponentSoundsThere = [] {
        int personal = 0;
        for (int i = 1; i <= 16; ++i) {
            const QString file = eng.SoundFiles(i);
            if (!file.endsWith(".pmw")) continue;
            ++personal;
            QFile f(file);
            if (!f.open(QIODevice::ReadOnly) || !f.read(4).startsWith("RIFF")) return false;
        }
        return personal > 0;
    };
    const auto soundsLeft = [this] {
        return QDir(dataFolder_ + "../User/Sounds").entryList({"*.pmw"}, QDir::Files | QDir::Hidden);
    };
    const struct {
        const char* reader;
        bool screenWindows;
        std::function<bool()> read;  // true when the files were there as read
    } readers[] = {
        {"the table's first paint", true,
         [&] {
             const auto allThere = [&] { return programSoundsThere() && smallCardsThere() && opponentSoundsThere(); };
             for (int i = 0; i < 200 && !allThere(); ++i) waits::WaitEvents(10);
             return allThere();
         }},
        {"a sound played", false,
         [&] {
             sound::PlayAsync(dataFolder_ + "~110.tmp");
             return programSoundsThere();
         }},
        {"an opponent's remark sound played", false,
         [&] {
             sound::PlayAsync(eng.SoundFiles(3));
             return opponentSoundsThere();
         }},
        {"a chat sound looked up for a peer", false,
         [&] {
             const QString name = QFileInfo(eng.SoundFiles(1)).fileName();
             return !ChatSoundFile(name).isEmpty() && opponentSoundsThere();
         }},
        {"a small face drawn", false,
         [&] {
             eng.NumPlayers = 4;
             DrawCard(frmGrisk().Picture1, 2, 5, 0);
             return smallCardsThere() && frmGrisk().Picture1(2).Drawn() == "face 5 small";
         }},
    };
    bool first = true;
    for (const auto& r : readers) {
        SCOPED_TRACE(r.reader);
        vb::forms::setScreenWindows(r.screenWindows);
        if (!first) {
            ResetAllState();
            ReleaseFrmGrisk();
        }
        first ? start() : startWithoutSignIn();
        first = false;
        ASSERT_TRUE(frmGrisk().isLoaded());
        EXPECT_TRUE(r.read());
        QFile log(dataFolder_ + "~tempmoves.sav");
        ASSERT_TRUE(log.open(QIODevice::WriteOnly));
        log.close();

        close();
        EXPECT_FALSE(frmGrisk().isLoaded());
        EXPECT_EQ(ExitLeftRuns(), 1);
        const QStringList left = QDir(dataFolder_).entryList({"*.tmp", "~tempmoves.sav"}, QDir::Files | QDir::Hidden);
        EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
        EXPECT_TRUE(soundsLeft().isEmpty()) << soundsLeft().join(' ').toStdString();
    }
    vb::forms::setScreenWindows(false);
}

// A close before the table has painted, or while it paints for the first
// time: nothing the start put off is written afterwards.
TEST_F(StartupTest, AStartClosedBeforeItsFilesAreWrittenLeavesNoneBehind) {
    vb::forms::setScreenWindows(true);
    for (bool painted : {false, true}) {
        SCOPED_TRACE(painted ? "closed as the table first paints" : "closed before it paints");
        ResetAllState();
        ReleaseFrmGrisk();
        painted ? startWithoutSignIn() : start();
        ASSERT_TRUE(frmGrisk().isLoaded());
        if (painted) {
            ASSERT_NE(frmGrisk().window(), nullptr);
            frmGrisk().window()->repaint();
        }
        close();
        for (int i = 0; i < 20; ++i) waits::WaitEvents(10);
        const QStringList left = QDir(dataFolder_).entryList({"*.tmp", "~tempmoves.sav"}, QDir::Files | QDir::Hidden);
        EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
        const QStringList sounds =
            QDir(dataFolder_ + "../User/Sounds").entryList({"*.pmw"}, QDir::Files | QDir::Hidden);
        EXPECT_TRUE(sounds.isEmpty()) << sounds.join(' ').toStdString();
    }
    vb::forms::setScreenWindows(false);
}

TEST_F(StartupTest, PlacementAndDisplayModeRoundTripByteForByte) {
    ScoreRecord mode;
    mode.Name = "mode record keeps its name";
    mode.Value1 = 11;
    mode.Value2 = 12;
    writeScoreRecord(kDisplayModeRecord, mode);
    ScoreRecord place;
    place.Name = "placement keeps its name";
    writeScoreRecord(kPlacementRecord, place);

    start();
    ASSERT_TRUE(frmGrisk().isLoaded());
    frmGrisk().Move(300, 450, 12000, 9000);
    eng.MainFormWidth = 12000;
    eng.MainFormHeight = 9000;
    tbl.DisplayMode = 1;
    close();

    const ScoreRecord storedMode = scoreRecord(kDisplayModeRecord);
    EXPECT_EQ(storedMode.Value3, 21);
    EXPECT_EQ(storedMode.Value4, 20);
    EXPECT_EQ(storedMode.Value1, 11) << "fields outside the written ones stay";
    EXPECT_EQ(storedMode.Value2, 12);
    EXPECT_EQ(rawScoreRecord(kDisplayModeRecord).left(30), QByteArray("mode record keeps its name    "));
    const ScoreRecord stored = scoreRecord(kPlacementRecord);
    EXPECT_EQ(stored.Value1, 9000);
    EXPECT_EQ(stored.Value2, 12000);
    EXPECT_EQ(stored.Value3, 300);
    EXPECT_EQ(stored.Value4, 450);
    EXPECT_EQ(rawScoreRecord(kPlacementRecord).left(30), QByteArray("placement keeps its name      "));

    // The next start opens where the window was left (on a screen where the
    // table keeps its designed width).
    ReleaseFrmGrisk();
    ResetAllState();
    ScoreRecord large = scoreRecord(kDisplayModeRecord);
    large.Value3 = 20;
    writeScoreRecord(kDisplayModeRecord, large);
    screen::Metrics narrow;
    narrow.widthTw = 12000;
    narrow.heightTw = 9600;
    screen::Inject(narrow);
    startWithoutSignIn();
    ASSERT_TRUE(frmGrisk().isLoaded());
    EXPECT_EQ(frmGrisk().StartWindowState, 0);
    EXPECT_DOUBLE_EQ(frmGrisk().Left(), 300);
    EXPECT_DOUBLE_EQ(frmGrisk().Top(), 450);
    EXPECT_DOUBLE_EQ(frmGrisk().Width(), 12000);
}

TEST_F(StartupTest, MinimizedAndMaximizedWindowsStoreTheirState) {
    struct Case {
        int state;
        int value1;
        int startState;
    };
    bool first = true;
    for (Case c : {Case{1, 1, 0}, Case{2, 2, 2}}) {
        ResetAllState();
        ReleaseFrmGrisk();
        if (first)
            start();
        else
            startWithoutSignIn();
        first = false;
        ASSERT_TRUE(frmGrisk().isLoaded());
        frmGrisk().setWindowState(c.state);
        close();
        const ScoreRecord stored = scoreRecord(kPlacementRecord);
        EXPECT_EQ(stored.Value1, c.value1);
        EXPECT_EQ(stored.Value2, 0);
        EXPECT_EQ(stored.Value3, 0);
        EXPECT_EQ(stored.Value4, 0);
        EXPECT_EQ(scoreRecord(kDisplayModeRecord).Value4, 20);

        ResetAllState();
        ReleaseFrmGrisk();
        startWithoutSignIn();
        EXPECT_EQ(frmGrisk().StartWindowState, c.startState) << "state " << c.state;
        if (c.state == 1) {
            // Back at the designed size and place.
            EXPECT_EQ(frmGrisk().WindowState(), 0);
            EXPECT_DOUBLE_EQ(frmGrisk().Left(), 0);
            EXPECT_DOUBLE_EQ(frmGrisk().Top(), 0);
            EXPECT_DOUBLE_EQ(frmGrisk().Width(), 12000);
            EXPECT_DOUBLE_EQ(frmGrisk().Height(), 9000);
        } else {
            EXPECT_EQ(frmGrisk().WindowState(), 2);
        }
        close();
    }
}

TEST_F(StartupTest, APlacementTooLargeForItsFieldsIsStoredAsNone) {
    start();
    eng.MainFormHeight = 40000;
    close();
    EXPECT_NE(scoreRecord(kDisplayModeRecord).Value4, 20);
    EXPECT_EQ(scoreRecord(kPlacementRecord).Value1, 0);
}

TEST_F(StartupTest, StoredDisplayModeWordsOutsideTheirRangeMeanNone) {
    struct Case {
        int word;
        int mode;
    };
    bool first = true;
    for (Case c : {Case{0, 0}, Case{19, 0}, Case{20, 0}, Case{21, 1}, Case{22, 2}, Case{24, 0},
                   Case{-3, 0}, Case{32767, 0}}) {
        ResetAllState();
        ReleaseFrmGrisk();
        ScoreRecord mode;
        mode.Value3 = c.word;
        writeScoreRecord(kDisplayModeRecord, mode);
        if (first)
            start();
        else
            startWithoutSignIn();
        first = false;
        ASSERT_TRUE(frmGrisk().isLoaded());
        EXPECT_EQ(tbl.DisplayMode, c.mode) << "stored " << c.word;
        close();
    }
}

TEST_F(StartupTest, MissingProfileFileEndsTheProgramAndChangesNothing) {
    ASSERT_TRUE(QFile::remove(dataFolder_ + "Prefs.sav"));
    const auto before = snapshot(tempPath("share"));
    vb::msgbox_script::clearShown();
    startWithoutSignIn();
    EXPECT_FALSE(frmGrisk().isLoaded());
    const auto& shown = vb::msgbox_script::shown();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back().prompt, "Unable to start Quenmoor!\n\nFiles are missing.");
    EXPECT_EQ(shown.back().icon(), vb::vbCritical);
    EXPECT_EQ(shown.back().title, vb::defaultTitle());
    EXPECT_EQ(snapshot(tempPath("share")), before);
}

TEST_F(StartupTest, ACloseWhileBusyIsDeferredAndShutsDownOnce) {
    start();
    eng.GameBusy = true;
    close();
    EXPECT_TRUE(frmGrisk().isLoaded());
    EXPECT_TRUE(eng.Quitting);
    EXPECT_TRUE(eng.SkipGameSave);
    EXPECT_EQ(ExitLeftRuns(), 0);
    QCoreApplication::processEvents();
    EXPECT_FALSE(frmGrisk().isLoaded());
    EXPECT_EQ(ExitLeftRuns(), 1);
    ExitLeft(0);
    EXPECT_EQ(ExitLeftRuns(), 1) << "unloading raises the close again; the shut-down runs once";
}

TEST_F(StartupTest, ACloseDuringAPauseWaitsForTheHandlerToUnwind) {
    start();
    ASSERT_TRUE(frmGrisk().isLoaded());
    waits::SetPauseScale(1);
    QTimer::singleShot(10, [] { frmGrisk().windowClosed(); });
    // The handler that was running: it pauses, then goes on with its work.
    Pause(5);
    EXPECT_TRUE(eng.Quitting);
    EXPECT_TRUE(eng.SkipGameSave);
    EXPECT_TRUE(frmGrisk().isLoaded()) << "nothing is torn down under a running handler";
    Pause(1);  // a later pause returns at once while quitting
    EXPECT_TRUE(frmGrisk().isLoaded());
    EXPECT_EQ(ExitLeftRuns(), 0);

    // Back in the main loop the close is carried out.
    QCoreApplication::processEvents();
    EXPECT_FALSE(frmGrisk().isLoaded());
    EXPECT_EQ(ExitLeftRuns(), 1);
}

// The program asked to end while a box waits for its answer (as a desktop
// that logs out asks it): the box is answered as its close button would
// and the program shuts down as a window close does, without the player.
TEST_F(StartupTest, ASignalToEndWhileABoxIsOpenClosesTheBoxAndShutsDown) {
    start();
    ASSERT_TRUE(frmGrisk().isLoaded());
    vb::forms::setScreenWindows(true);
    EndOnSignals();
    vb::msgbox_script::disable();
    QObject scope;
    QTimer::singleShot(0, &scope, [] { ::raise(SIGTERM); });
    // Yes and No, no Cancel: the box's own default answers.
    const int answer = vb::MsgBox(QStringLiteral("Reshuffle cards and continue with this game?"), vb::vbYesNo,
                                  QStringLiteral("Stalemate"));
    vb::msgbox_script::enable();
    EXPECT_EQ(answer, vb::vbYes);
    EXPECT_TRUE(eng.Quitting);
    EXPECT_TRUE(grisk_test::RunEventsUntil([] { return !frmGrisk().isLoaded(); }));
    EXPECT_EQ(ExitLeftRuns(), 1);
    EXPECT_TRUE(leftBehind().isEmpty());
    termination::StopClosingModalWindows();
    vb::forms::setScreenWindows(false);
}

TEST_F(StartupTest, ASecondCopyIsRefused) {
    QLockFile other(SingleInstanceLockPath());
    ASSERT_TRUE(other.tryLock(0));
    const auto before = snapshot(tempPath("share"));
    vb::msgbox_script::clearShown();
    startWithoutSignIn();
    EXPECT_FALSE(frmGrisk().isLoaded());
    ASSERT_FALSE(vb::msgbox_script::shown().empty());
    EXPECT_EQ(vb::msgbox_script::shown().front().prompt,
              "The game is already running. Check your Windows task bar to bring it up or use the "
              "Task Manager to end the game.");
    EXPECT_EQ(vb::msgbox_script::shown().front().buttons(), vb::vbOKOnly);
    EXPECT_EQ(snapshot(tempPath("share")), before);
    EXPECT_EQ(ExitLeftRuns(), 0);
}

// A copy that crashed leaves its lock file, but not its lock: the next start
// goes ahead, and a closed program leaves no lock file behind.
TEST_F(StartupTest, ALockFileWithoutAHolderDoesNotKeepTheGameOut) {
    QFile left(SingleInstanceLockPath());
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.write("31337\ngrisk\nsomewhere\n");
    left.close();
    start();
    ASSERT_TRUE(frmGrisk().isLoaded());
    EXPECT_FALSE(lockIsFree()) << "the running copy holds the lock";
    frmGrisk().windowClosed();
    ReleaseSingleInstanceLock();
    EXPECT_FALSE(QFile::exists(SingleInstanceLockPath()));
}

TEST_F(StartupTest, TheGoodbyeReachesEveryOpenConnection) {
    QTcpServer peers;
    ASSERT_TRUE(peers.listen(QHostAddress::LocalHost));
    start();
    ASSERT_TRUE(frmGrisk().isLoaded());
    // Connections 1 and 2 are up; the last of the table has gone.
    std::vector<QTcpSocket*> far;
    for (int i = 1; i <= 2; ++i) {
        Winsock1(i).RemoteHost = "127.0.0.1";
        Winsock1(i).RemotePort = peers.serverPort();
        Winsock1(i).Connect();
        ASSERT_TRUE(peers.waitForNewConnection(5000));
        far.push_back(peers.nextPendingConnection());
    }
    for (int spin = 0; spin < 100 && !(SocketConnected(1) && SocketConnected(2)); ++spin)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    inet.NetPeers = 2;
    inet.IsHost = 1;
    inet.NetSlotCount = 3;
    close();
    for (QTcpSocket* s : far) {
        for (int spin = 0; spin < 100 && s->bytesAvailable() < 33; ++spin) s->waitForReadyRead(20);
        EXPECT_EQ(QString::fromLatin1(s->readAll()), "SY  1#Opponent shut down game!\nGO\n");
    }
    EXPECT_EQ(inet.NetPeers, 0);
}

// The first start signs the new player in and opens the tutorial, with
// neither the Deal button nor the tip of the day; once the player leaves
// the tutorial the table is theirs: the Deal button and the menus.
TEST_F(StartupTest, TheFirstStartSignsInAndOpensTheTutorial) {
    vb::msgbox_script::clearShown();
    grisk_test::QueueSignIn("grisk ");  // refused: the name of the house opponent
    start("Ann");
    ASSERT_TRUE(frmGrisk().isLoaded());
    bool refused = false;
    for (const vb::ShownBox& box : vb::msgbox_script::shown())
        refused = refused || box.title == "Impersonator Alert";
    EXPECT_TRUE(refused);
    EXPECT_EQ(eng.PlayerName, "Ann");
    EXPECT_EQ(recs.LastPlayer, "Ann");
    EXPECT_EQ(recs.CurrentProfile, 2) << "a new player gets the next profile record";
    ASSERT_TRUE(IsFormLoaded("frmTutorial"));
    EXPECT_TRUE(cmd.TutorialOn);
    EXPECT_TRUE(cmd.MenuLocked);
    EXPECT_EQ(frmTutorial().CurrentTip, 1);
    EXPECT_FALSE(frmTutorial().lblTipText.Caption().isEmpty());
    EXPECT_FALSE(frmGrisk().cmdDeal.Visible());
    EXPECT_FALSE(IsFormLoaded("frmTip"));

    vb::msgbox_script::pushAnswer(vb::vbYes);  // "Exit the tutorial?"
    vb::msgbox_script::pushAnswer(vb::vbOK);   // how to start it again
    frmTutorial().Click(frmTutorial().cmdOK);
    EXPECT_FALSE(IsFormLoaded("frmTutorial"));
    EXPECT_FALSE(cmd.TutorialOn);
    EXPECT_FALSE(cmd.MenuLocked);
    EXPECT_TRUE(frmGrisk().cmdDeal.Visible());
    frmGrisk().Click(frmGrisk().cmdDeal);
    EXPECT_EQ(eng.SideCount, eng.SideOption + 1) << "dealt at once";
    EXPECT_EQ(eng.Pturn, 1);
    close();

    // The next start knows Ann: no sign-in, the Deal button and the tip.
    ResetAllState();
    ReleaseFrmGrisk();
    const int asked = vb::forms::pendingModalActions();
    frmGrisk().Show();
    ASSERT_TRUE(frmGrisk().isLoaded());
    EXPECT_EQ(vb::forms::pendingModalActions(), asked);
    EXPECT_EQ(eng.PlayerName, "Ann");
    EXPECT_EQ(frmGrisk().Label9(3).Caption(), "Ann");
    EXPECT_TRUE(frmGrisk().cmdDeal.Visible());
    EXPECT_TRUE(IsFormLoaded("frmTip"));
    EXPECT_FALSE(cmd.TutorialOn);
}

// A known player's start: the table waits for the Deal button.
class DealAtStartTest : public StartupTest {
protected:
    void startKnownPlayer() {
        start("Ann");
        close();
        ResetAllState();
        ReleaseFrmGrisk();
        frmGrisk().Show();
        ASSERT_TRUE(frmGrisk().isLoaded());
        ASSERT_TRUE(frmGrisk().cmdDeal.Visible());
    }
};

TEST_F(DealAtStartTest, NothingIsDealtAtStartUpAndTheDealButtonDealsAGame) {
    startKnownPlayer();
    FrmGrisk& f = frmGrisk();
    EXPECT_EQ(eng.Pturn, 0);
    EXPECT_EQ(eng.StockCount, 0);
    for (int s = 1; s <= 6; ++s) EXPECT_EQ(eng.PlayerSlots(0, s), 0) << s;

    f.Click(f.cmdDeal);
    EXPECT_FALSE(f.cmdDeal.Visible());
    EXPECT_EQ(eng.SideCount, eng.SideOption + 1);
    EXPECT_EQ(eng.StockCount, 104 - 2 * (eng.SideOption + 1) - 10);
    EXPECT_EQ(eng.Pturn, 1);
    for (int s = 1; s <= 6; ++s) EXPECT_TRUE(f.Picture7(s).Drawn().startsWith("face")) << s;
    // The game as dealt is kept for a restart.
    vb::RecordFile backup;
    ASSERT_TRUE(backup.open(dataFolder_ + "backup.sav", kSavedGameRecordLength));
    QByteArray bytes;
    backup.read(13, bytes);
    EXPECT_EQ(SavedGameRecord::decode(bytes).SideCount, eng.SideOption + 1);
    close();
    EXPECT_FALSE(f.isLoaded());
}

TEST_F(DealAtStartTest, ClosingDuringTheDealEndsTheProgramOnceTheDealHasUnwound) {
    startKnownPlayer();
    waits::SetPauseScale(0.01);
    QTimer::singleShot(0, [] { frmGrisk().windowClosed(); });
    frmGrisk().Click(frmGrisk().cmdDeal);
    EXPECT_TRUE(eng.SkipGameSave) << "the close came while the deal was busy";
    EXPECT_FALSE(frmGrisk().isLoaded());
    EXPECT_EQ(ExitLeftRuns(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(ExitLeftRuns(), 1);
}

TEST(DeveloperSwitch, FirstSixCharactersInAnyCase) {
    struct Case {
        const char* line;
        bool on;
    };
    for (Case c : {Case{"/QORVN", true}, Case{"/qorvn", true}, Case{"/QoRvNx", true},
                   Case{"/QORV", false}, Case{"", false}, Case{" /QORVN", false}})
        EXPECT_EQ(IsDeveloperSwitch(c.line), c.on) << c.line;
}

}  // namespace
