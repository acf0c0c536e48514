// The start-up tests' fixture: a per-user tree made by the set-up program in
// a temporary home, a screen of 1280 x 1024 pixels, and the program started
// and closed as far as its main window.
#pragma once

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <map>

#include "engine/frm_grisk.h"
#include "engine/startup.h"
#include "engine/state.h"
#include "platform/msgbox.h"
#include "platform/recordfile.h"
#include "platform/twips.h"
#include "records/score_record.h"
#include "support/test_support.h"

namespace grisk_test {

// Every file of a folder with a digest of its bytes.
inline std::map<QString, QByteArray> snapshot(const QString& root) {
    std::map<QString, QByteArray> out;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        out[QDir(root).relativeFilePath(path)] =
            QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1);
    }
    return out;
}

class StartupTest : public grisk_test::GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        savedDataHome_ = qgetenv("XDG_DATA_HOME");
        savedRuntime_ = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_DATA_HOME", tempPath("share").toUtf8());
        QDir().mkpath(tempPath("runtime"));
        QFile::setPermissions(tempPath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", tempPath("runtime").toUtf8());
        QProcess setup;
        setup.setProcessChannelMode(QProcess::MergedChannels);
        setup.start(QStringLiteral(GRISK_BINARY_DIR "/grisk-setup"), {});
        ASSERT_TRUE(setup.waitForFinished(60000));
        ASSERT_EQ(setup.exitCode(), 0) << setup.readAll().toStdString();
        dataFolder_ = tempPath("share") + "/Quenmoor/Grisk and Varnok/Data/";
        screen::Metrics m;
        m.widthTw = 1280 * 15;
        m.heightTw = 1024 * 15;
        screen::Inject(m);
    }
    void TearDown() override {
        if (grisk::FrmGriskExists() && grisk::frmGrisk().isLoaded()) grisk::frmGrisk().windowClosed();
        grisk::ReleaseFrmGrisk();
        grisk::ReleaseSingleInstanceLock();
        qputenv("XDG_DATA_HOME", savedDataHome_);
        qputenv("XDG_RUNTIME_DIR", savedRuntime_);
    }

    // The first start of the program, as far as its main window: the new
    // player's sign-in is answered with this name.
    void start(const QString& name = "Ann") {
        grisk_test::QueueSignIn(name);
        grisk::frmGrisk().Show();
    }
    // A start that asks for no sign-in: a known player's, or one refused
    // before the table shows.
    void startWithoutSignIn() { grisk::frmGrisk().Show(); }
    void close() { grisk::frmGrisk().windowClosed(); }
    // A later start of the program, after a close: the player is known.
    void restart() {
        grisk::ReleaseFrmGrisk();
        grisk::ResetAllState();
        startWithoutSignIn();
    }

    // The temporary files and the move log in the data folder.
    QStringList leftBehind() const {
        return QDir(dataFolder_).entryList({"*.tmp", "~tempmoves.sav"}, QDir::Files | QDir::Hidden);
    }
    // True when no copy of the program holds the instance lock.
    static bool lockIsFree() {
        QLockFile other(grisk::SingleInstanceLockPath());
        return other.tryLock(0);
    }

    grisk::ScoreRecord scoreRecord(int n) {
        vb::RecordFile f;
        EXPECT_TRUE(f.open(dataFolder_ + "scores.ran", grisk::kScoreRecordLength));
        QByteArray bytes;
        f.read(n, bytes);
        return grisk::ScoreRecord::decode(bytes);
    }
    QByteArray rawScoreRecord(int n) {
        vb::RecordFile f;
        EXPECT_TRUE(f.open(dataFolder_ + "scores.ran", grisk::kScoreRecordLength));
        QByteArray bytes;
        f.read(n, bytes);
        return bytes;
    }
    void writeScoreRecord(int n, const grisk::ScoreRecord& r) {
        vb::RecordFile f;
        ASSERT_TRUE(f.open(dataFolder_ + "scores.ran", grisk::kScoreRecordLength));
        ASSERT_TRUE(f.write(n, r.encode()));
    }

    QString dataFolder_;
    QByteArray savedDataHome_;
    QByteArray savedRuntime_;
};

}  // namespace grisk_test
