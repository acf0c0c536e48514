// The program started as a player starts it, against a per-user tree made
// by the set-up program, with its main window on the (offscreen) screen;
// then a position of the test's choosing is put on its table.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>

#include "engine/startup.h"
#include "platform/twips.h"
#include "play_fixture.h"
#include "shell/state.h"

namespace grisk_test {

class StartedTableTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        keptEnv_[0] = qgetenv("XDG_DATA_HOME");
        keptEnv_[1] = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_DATA_HOME", tempPath("share").toUtf8());
        QDir().mkpath(tempPath("runtime"));
        QFile::setPermissions(tempPath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", tempPath("runtime").toUtf8());
        QProcess setup;
        setup.start(QStringLiteral(GRISK_BINARY_DIR "/grisk-setup"), {});
        ASSERT_TRUE(setup.waitForFinished(60000));
        ASSERT_EQ(setup.exitCode(), 0);
        screen::Metrics m;
        m.widthTw = 1280 * 15;
        m.heightTw = 1024 * 15;
        screen::Inject(m);
        vb::forms::setScreenWindows(true);
        vb::msgbox_script::pushInput("Ann");  // the first start's sign-in
        grisk::frmGrisk().Show();
        ASSERT_TRUE(grisk::frmGrisk().isLoaded());
        // The first start opens the tutorial; these tests play on their own.
        grisk::cmd.TutorialOn = false;
        grisk::eng.PlayerName = "Ann";
        grisk::eng.Pturn = 1;
        grisk::eng.HandCount = 5;
        grisk::eng.TurnName = grisk::eng.Player2.Name;
        setSeatSide(2, {Card(9), Card(10), Card(11)});
    }
    void TearDown() override {
        if (grisk::FrmGriskExists() && grisk::frmGrisk().isLoaded()) grisk::frmGrisk().windowClosed();
        grisk::ReleaseSingleInstanceLock();
        qputenv("XDG_DATA_HOME", keptEnv_[0]);
        qputenv("XDG_RUNTIME_DIR", keptEnv_[1]);
        PlayTest::TearDown();
    }

private:
    QByteArray keptEnv_[2];
};

}  // namespace grisk_test
