// Start-up and shut-down of the main window, its resize and key events.
#include "engine/startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/open_files.h"
#include "engine/paths.h"
#include "engine/state.h"
#include "net/chat_lines.h"
#include "net/frm_chat.h"
#include "net/connection.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/controls.h"
#include "platform/eventwait.h"
#include "platform/msgbox.h"
#include "platform/termination.h"
#include "platform/random.h"
#include "platform/run_files.h"
#include "platform/settings.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "records/profile.h"
#include "records/saved_game_record.h"
#include "records/score_record.h"
#include "records/stats_settings.h"
#include "records/user_files.h"
#include "records/state.h"
#include "shell/help.h"
#include "shell/keyboard.h"
#include "shell/music.h"
#include "shell/splash.h"
#include "shell/state.h"
#include "shell/tips.h"
#include "shell/tutorial.h"
#include "records/frm_welcome.h"
#include "table/avatar.h"
#include "table/background.h"
#include "table/skin_empty_piles.h"
#include "table/layout.h"
#include "table/state.h"
#include "table/table_fit.h"
#include "table/table_start.h"

namespace grisk {

namespace {

bool exitLeftRan = false;
int exitLeftRuns = 0;

// The open lock file while this copy holds the lock, else -1. The system
// drops the lock when the process ends, however it ends, so a copy that
// crashed never keeps the next one out; and taking it writes nothing to the
// disk (no wait for the disk at start-up).
int& instanceLockFd() {
    static int fd = -1;
    return fd;
}

}  // namespace

QString SingleInstanceLockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir + "/grisk-and-varnok.lock";
}

namespace {

QString scoresPath() { return eng.DataFolder + "scores.ran"; }

bool fitsInteger(double v) { return v >= -32768 && v <= 32767; }

// Ends a running card-flow animation.
void StopCardFlow() {
    if (cmd.FlowRunning || cmd.FlowClicked) cmd.FlowStop = true;
    cmd.FlowClicked = true;
}

// Reads a record of "scores.ran"; a short or missing one reads as blank.
ScoreRecord readScore(vb::RecordFile& f, int recordNo) {
    QByteArray bytes;
    f.read(recordNo, bytes);
    return ScoreRecord::decode(bytes);
}

// Unloads the window of that name when it is loaded.
void unloadLoaded(const char* name) { UnloadFormNamed(QLatin1String(name)); }

// A window that lies mostly beyond the right or the bottom edge of the
// screen, or partly beyond the left or the top edge (where its title bar
// could not be reached), opens at the top left corner instead.
void KeepOnScreen(vb::Form& f) {
    const bool offRight = f.Left() + f.Width() / 1.5 > eng.ScreenWidthTw;
    const bool offBottom = f.Top() + f.Height() / 1.5 > eng.ScreenHeightTw;
    if (offRight || offBottom || f.Left() < 0 || f.Top() < 0) f.Move(0, 0, f.Width(), f.Height());
}

// "scores.ran" or "Prefs.sav" is missing or cannot be read: the program
// cannot start, and nothing has been written.
bool refuseStartFilesMissing() {
    frmSplash().Unload();
    eng.MsgText = QStringLiteral("Unable to start Quenmoor!\n\nFiles are missing.");
    vb::MsgBox(eng.MsgText, vb::vbCritical);
    return false;
}

// Closes the move log and deletes it: it lives only for the run.
bool removeMoveLog() {
    if (recs.AutoSaveOn) MoveLogFile().close();
    if (eng.DataFolder.isEmpty()) return true;  // the folders were never set
    const QString log = eng.DataFolder + "~tempmoves.sav";
    return !FileExists(log) || QFile::remove(log);
}

void failStart(const QString& text) {
    if (!eng.Quitting) vb::MsgBox(text, vb::vbCritical);
    CleanUpSounds();
    // Nothing of the run stays behind: the move log goes with the sounds.
    removeMoveLog();
    BackupFile().close();
    CleanUpFontsAndForms();
    eng.LoopIndex = 3333;
    eng.GameBusy = false;
}

// Step by step, as the load event runs; false when the program must end.
bool loadMainWindow(FrmGrisk& f) {
    if (IsDeveloperSwitch(QCoreApplication::arguments().mid(1).join(' '))) cmd.DeveloperMode = true;

    if (!AcquireSingleInstanceLock()) {
        vb::MsgBox(QStringLiteral("The game is already running. Check your Windows task bar to bring it "
                                  "up or use the Task Manager to end the game."),
                   vb::vbOKOnly);
        return false;
    }

    SetFolders();
    // The run's files that nothing reads before the table shows are written
    // just after it has painted.
    run_files::SetShownWindow(static_cast<const vb::Form*>(&f));
    frmSplash().Show();

    cmd.FormLoading = true;
    if (!OpenDoor()) return false;

    ApplyStartDisplayMode();

    f.Label9(2).setFontSize(recs.NameFontSize);
    for (int c = 1; c <= eng.NumCenters; ++c)
        if (f.LblWild.exists(c)) f.LblWild(c).setFontSize(recs.NameFontSize);

    frmBackground().Load();
    ShowAvatar(eng.Player2.Avatar);
    if (eng.LevelNames.inRange({eng.Player2.Level})) f.lblLevel.setCaption(eng.LevelNames(eng.Player2.Level));

    if (f.StartWindowState == 2) {
        ComputeVerticalLayout();
        f.setWindowState(2);
    } else {
        f.setWindowState(0);
    }

    f.Show();
    f.PicCenter(0).setVisible(true);
    vb::Randomize();
    for (int i = 1; i <= 10; ++i) f.Picture7(i).setOwnScaleMode(vb::ScaleMode::Pixels);
    frmSplash().Unload();

    if (f.WindowState() != 2) KeepOnScreen(f);

    PlaceStockOnShownTable();

    if (eng.Peeking) {
        f.StatusBar1.setVisible(true);
        eng.Peeking = false;
    }
    f.KeyPreview = true;

    if (!BackupFile().open(eng.DataFolder + "backup.sav", kSavedGameRecordLength,
                           vb::RecordFile::Mode::OpenOrCreate))
        qWarning("Saved games are not available: %s", qUtf8Printable(BackupFile().errorText()));

    if (recs.CurrentProfile == 1) {
        frmWelcome().ShowModal();
        frmTutorial().Show();
    } else {
        eng.PlayerName = recs.LastPlayer;
        f.Label9(3).setCaption(eng.PlayerName);
    }
    f.Label9(2).setCaption("\nWelcome " + eng.PlayerName + " to Grisk's World");

    if (!cmd.TutorialOn) {
        f.cmdDeal.setVisible(true);
        const int showTips = vb::GetSettingInt("Quenmoor", "Options10", "Show Tips at Startup", 1, -32768, 32767);
        if (showTips == 1) frmTip().Show();
    }
    return true;
}

}  // namespace

bool IsDeveloperSwitch(const QString& commandLine) {
    return vb::UCase(vb::Left(commandLine, 6)) == QLatin1String("/QORVN");
}

int ExitLeftRuns() { return exitLeftRuns; }

bool AcquireSingleInstanceLock() {
    if (instanceLockFd() >= 0) return true;
    const QByteArray path = QFile::encodeName(SingleInstanceLockPath());
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    instanceLockFd() = fd;
    return true;
}

void ReleaseSingleInstanceLock() {
    int& fd = instanceLockFd();
    if (fd < 0) return;
    // Removed while still held, so that no file stays behind.
    ::unlink(QFile::encodeName(SingleInstanceLockPath()).constData());
    ::close(fd);
    fd = -1;
}

void ResetStartupState() {
    BackupFile().close();
    MoveLogFile().close();
    PrefsFile().close();
    ReleaseSingleInstanceLock();
    exitLeftRan = false;
    exitLeftRuns = 0;
}

void FrmGrisk::Form_Load() {
    exitLeftRan = false;
    exitLeftRuns = 0;
    try {
        if (loadMainWindow(*this)) return;
        // The program ends: the second copy and the missing files leave
        // everything as it was.
    } catch (const vb::Error& e) {
        failStart("Unexpected error while setting up Quenmoor!\nError # " + vb::Str(e.number()) +
                  " occurred: \n" + QString::fromStdString(e.what()));
    } catch (const std::exception& e) {
        failStart("Unexpected error while setting up Quenmoor!\nError # " + vb::Str(5) +
                  " occurred: \n" + QString::fromStdString(e.what()));
    }
    exitLeftRan = true;  // nothing to shut down
    ReleaseSingleInstanceLock();
    Unload(1);
}

void LoadPilePictures() {
    FrmGrisk& f = frmGrisk();
    for (int i = 1; i <= 10; ++i) f.Picture7.ensure(i);
    for (int i = 2; i <= 10; ++i) f.Picture1.ensure(i);
    for (int i = 7; i <= 10; ++i) {
        f.Picture7(i).setVisible(true);
        f.Picture1(i).setVisible(true);
    }
}

bool OpenDoor() {
    FrmGrisk& f = frmGrisk();
    const screen::Metrics m = screen::Current();
    eng.ScreenWidthTw = m.widthTw;
    eng.ScreenHeightTw = m.heightTw;
    tbl.WorkAreaHeightTw = m.workHeightTw;
    eng.ColorDepth = m.colorDepth;
    f.CaptionHeight = m.captionHeightPx;

    eng.CpuSpeed = GetCpuMhz(false);

    eng.LargeFonts = !IsNormalDpi();
    if (eng.LargeFonts) {
        f.Label9(1).setFontSize(10);
        f.Label9(2).setFontSize(10);
        for (vb::Control* l : {&f.lblRules, &f.lblLevel}) {
            l->setFontSize(8);
            l->setWidth(100);
        }
        f.LabelPeek.setFontSize(8);
    }

    eng.LevelNames(0) = QStringLiteral("Level: Average");
    eng.LevelNames(1) = QStringLiteral("Level: Clever");
    eng.LevelNames(2) = QStringLiteral("Level: Ruthless");
    inet.HostName = QStringLiteral("Grisk");

    LoadPilePictures();

    tbl.CardWidthPx = kCardWidthPx;
    tbl.CardHeightPx = kCardHeightPx;
    tbl.CardWidthTw = kCardWidthTw;
    tbl.CardHeightTw = kCardHeightTw;
    tbl.PileStep = 80;
    tbl.CardSpacing = 82;
    tbl.CardHalfSpacing = 41;

    ListCommentFiles();

    if (!FileExists(eng.DataFolder + "scores.ran") || !FileExists(eng.DataFolder + "Prefs.sav"))
        return refuseStartFilesMissing();

    // A data file that is there but cannot be read is as good as missing:
    // without it nothing the player does could be kept.
    vb::RecordFile scores;
    QByteArray modeBytes;
    if (!scores.open(scoresPath(), kScoreRecordLength) ||
        scores.read(kDisplayModeRecord, modeBytes) == vb::ReadStatus::Failed)
        return refuseStartFilesMissing();
    const ScoreRecord mode = ScoreRecord::decode(modeBytes);
    f.PlacementSaved = mode.Value4;
    // Every opponent falls back on the default personality's file.
    if (!ListPersonalityFiles()) return refuseStartFilesMissing();
    // Only 20..23 carry a display mode; anything else means none is stored.
    tbl.DisplayMode = (mode.Value3 >= 20 && mode.Value3 <= 23) ? mode.Value3 - 20 : 0;

    for (int c = 1; c <= 3; ++c)
        if (f.PicCenter.exists(c)) f.PicCenter(c).setToolTipText(QString());
    for (int i = 1; i <= 10; ++i) {
        f.Picture7(i).setToolTipText(QString());
        f.Picture1(i).setToolTipText(QString());
    }

    Pause(0.01);
    if (!Get_Players()) return refuseStartFilesMissing();

    f.setScaleMode(vb::ScaleMode::Twips);
    eng.MainFormHeight = static_cast<int>(f.Height());
    eng.MainFormWidth = static_cast<int>(f.Width());

    SetUpSounds();

    bool placed = false;
    if (f.PlacementSaved == 20) {
        const ScoreRecord place = readScore(scores, kPlacementRecord);
        if (place.Value1 == 2) {
            f.StartWindowState = 2;
            placed = true;
        } else if (place.Value1 == 1 || place.Value1 < 1 || place.Value2 < 1) {
            // Closed minimized, or a size that no window can have: the window
            // keeps its designed size and place.
            f.StartWindowState = 0;
            placed = true;
        } else {
            f.StartWindowState = 0;
            // Never taller than the screen's work area.
            const double limit = WindowHeightLimitTw();
            const double height = limit > 0 ? std::min<double>(place.Value1, std::floor(limit)) : place.Value1;
            f.Move(place.Value3, place.Value4, place.Value2, height);
            if (tbl.DisplayMode < 2 &&
                place.Value1 < f.Picture7(2).Height() + f.Picture7(2).Top() + 768 + 300)
                ComputeVerticalLayout();
            placed = true;
        }
        if (f.StartWindowState == 2 || place.Value1 > 2) {
            eng.MainFormHeight = static_cast<int>(f.Height());
            eng.MainFormWidth = static_cast<int>(f.Width());
        }
    }
    if (!placed) {
        f.Move(0, 0, f.Width(), f.Height());
        f.StartWindowState = 0;
        ComputeVerticalLayout();
        vb::SaveSetting("Quenmoor", "Startup", "Path", eng.AppFolder);
    }

    scores.close();
    inet.NetPeers = 0;
    inet.NetTerminator = QStringLiteral("\n");

    ChangePerson();
    ListBackgroundFiles();
    ListScoreFiles();
    ApplyOptions();
    // The empty-pile marks and the menu strip in the player's styles.
    SelectEmptyPileImages();

    f.Label3(0).ZOrder(1);
    return true;
}

void ExitLeft(int whoClosed) {
    if (exitLeftRan) return;
    exitLeftRan = true;
    ++exitLeftRuns;
    FrmGrisk& f = frmGrisk();

    eng.Quitting = true;
    StopCardFlow();

    // Every step runs even when an earlier one fails; what failed is logged.
    auto step = [](const char* what, auto&& work) {
        try {
            if (!work()) qWarning("Shut-down: %s failed", what);
        } catch (const std::exception& e) {
            qWarning("Shut-down: %s failed: %s", what, e.what());
        }
    };

    step("deleting the temporary files", [] {
        CleanUpSounds();
        return true;
    });

    step("closing the move log", removeMoveLog);

    step("telling the Internet peers", [] {
        if (inet.NetPeers == 0) return true;
        // Every peer still connected hears the good-bye, whichever
        // connections have gone meanwhile.
        bool anyOpen = false;
        for (int i = 0; i <= kMaxSockets; ++i) anyOpen = anyOpen || SocketConnected(i);
        if (anyOpen) {
            eng.MsgText = BuildChatLine(NextChatNumber(), QStringLiteral("Opponent shut down game!"));
            if (inet.IsHost == 1) {
                NetSendToAllOpen(eng.MsgText);
                Pause(0.02);
                NetSendToAllOpen(QStringLiteral("GO"));
            } else {
                int slot = 1;
                NetSendToSlot(eng.MsgText, slot);
                Pause(0.02);
                QString go = QStringLiteral("GO");
                slot = 1;
                NetSendToSlot(go, slot);
            }
            Pause(0.5);
        }
        if (inet.IsHost == 1)
            CloseAllSockets();
        else
            CloseMainSocket();
        NetCleanUp();
        if (FrmChatExists()) {
            frmChat().Unload();
            ReleaseFrmChat();
        }
        return true;
    });

    vb::RecordFile scores;
    step("saving the settings to scores.ran", [&] {
        return scores.open(scoresPath(), kScoreRecordLength) && SaveSettings(scores);
    });

    step("saving the window placement to scores.ran", [&] {
        if (!scores.isOpen()) return false;
        // The placement first: a size that does not fit its 16-bit fields is
        // stored as no placement at all.
        ScoreRecord place = readScore(scores, kPlacementRecord);
        place.Value1 = place.Value2 = place.Value3 = place.Value4 = 0;
        bool placementStored = true;
        if (f.WindowState() == 0) {
            if (fitsInteger(eng.MainFormHeight) && fitsInteger(eng.MainFormWidth) &&
                fitsInteger(f.Left()) && fitsInteger(f.Top())) {
                place.Value1 = eng.MainFormHeight;
                place.Value2 = eng.MainFormWidth;
                place.Value3 = static_cast<int>(f.Left());
                place.Value4 = static_cast<int>(f.Top());
            } else {
                placementStored = false;
            }
        } else if (f.WindowState() == 2) {
            place.Value1 = 2;
        } else {
            place.Value1 = 1;
        }

        ScoreRecord mode = readScore(scores, kDisplayModeRecord);
        mode.Value3 = tbl.DisplayMode + 20;
        mode.Value4 = placementStored ? 20 : 0;
        QByteArray bytes;
        scores.read(kDisplayModeRecord, bytes);
        const bool modeWritten = scores.write(kDisplayModeRecord, mode.encodeOver(bytes));
        scores.read(kPlacementRecord, bytes);
        const bool placeWritten = scores.write(kPlacementRecord, place.encodeOver(bytes));
        return modeWritten && placeWritten;
    });

    step("saving the profile to Prefs.sav", [] {
        if (SavePrefs(false)) return true;
        ReportProfileNotSaved();
        return false;
    });
    scores.close();
    BackupFile().close();

    step("unloading the windows", [] {
        CleanUpFontsAndForms();
        return true;
    });
    ReleaseSingleInstanceLock();
    if (whoClosed == 0) f.Unload(1);
}

void EndOnSignals() {
    termination::CatchSignals([] {
        if (FrmGriskExists() && frmGrisk().isLoaded()) frmGrisk().windowClosed(vb::vbAppWindows);
        termination::CloseModalWindowsFromNowOn();
    });
}

void CleanUpFontsAndForms() {
    ShowHelpTopic(QStringLiteral("Close"), QStringLiteral("Close"));
    const std::vector<vb::Form*> loaded = vb::forms::loaded();
    for (vb::Form* form : loaded)
        if (form->Name() != QLatin1String("frmGrisk")) form->Unload(1);
}

void FrmGrisk::Form_QueryUnload(int& cancel, int) {
    // A close that arrives while a deal, a turn or a wait is running only
    // raises the quit flags; the window closes once that work has unwound.
    if (eng.GameBusy || waits::BusyDepth() > 0) {
        eng.SkipGameSave = true;
        eng.Quitting = true;
        cancel = 1;
        waits::WakeAll();
        waits::WhenIdle([] {
            // Back in the main loop nothing can be busy any more.
            eng.GameBusy = false;
            if (FrmGriskExists()) frmGrisk().Unload(1);
        });
        return;
    }
    ExitLeft(1);
}

void FrmGrisk::Form_Unload(int& cancel) {
    if (eng.GameBusy) cancel = 1;
}

void FrmGrisk::Form_Resize() {
    if (cmd.FormLoading) return;
    // Stops the card flow; a resize starts no deal.
    cmd.FlowClicked = true;
    Timer1.Enabled = false;
    unloadLoaded("frmMenu");  // the pop-up command list
    picPanel.setVisible(false);  // and the menu strip
    if (inet.NetPeers > 0 && FrmChatExists() && frmChat().isLoaded())
        frmChat().setWindowState(WindowState() == 2 ? 0 : WindowState());
    if (WindowState() != 1) {
        setScaleMode(vb::ScaleMode::Twips);
        eng.MainFormWidth = static_cast<int>(Width());
        eng.MainFormHeight = static_cast<int>(Height());
        if (BackgroundPictureChosen()) LoadTableBackground();
        RelayoutCenter();
        setScaleMode(vb::ScaleMode::Pixels);
    } else {
        unloadLoaded("frmHold");
        unloadLoaded("frmCounter");
        setScaleMode(vb::ScaleMode::Pixels);
    }
}

void FrmGrisk::Form_KeyDown(int& keyCode, int shift) { HandleKeyDown(keyCode, shift); }

}  // namespace grisk
