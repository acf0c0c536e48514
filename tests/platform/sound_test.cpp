// The sound calls must fail quietly without an audio device (the build
// machines have none) and must refuse files that are not WAVs before Qt
// sees them. Every test holds with or without a device.
#include "platform/sound.h"

#include <gtest/gtest.h>

#include <QDataStream>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

namespace {

// The files live as long as the whole suite: Qt reads a sound in the
// background after the call that asked for it has returned.
class SoundTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { dir_ = new QTemporaryDir; }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }

    void TearDown() override {
        sound::StopWav();
        sound::MusicStop();
    }

    QString path(const QString& name) const { return dir_->filePath(name); }
    QString folder() const { return dir_->path(); }

    QString writeFile(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }

    // A mono 16-bit PCM WAV of a quiet square wave, 10 ms long by default.
    QString writeTinyWav(const QString& name, quint32 ms = 10) const {
        const quint32 rate = 8000;
        const quint32 samples = rate * ms / 1000;
        const quint32 dataSize = samples * 2;
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setByteOrder(QDataStream::LittleEndian);
        out.writeRawData("RIFF", 4);
        out << quint32(36 + dataSize);
        out.writeRawData("WAVEfmt ", 8);
        out << quint32(16) << quint16(1) << quint16(1) << rate << quint32(rate * 2)
            << quint16(2) << quint16(16);
        out.writeRawData("data", 4);
        out << dataSize;
        for (quint32 i = 0; i < samples; ++i)
            out << qint16((i / 8) % 2 ? 1000 : -1000);
        EXPECT_EQ(bytes.size(), 44 + int(dataSize));
        return writeFile(name, bytes);
    }

private:
    static QTemporaryDir* dir_;
};

QTemporaryDir* SoundTest::dir_ = nullptr;

struct BadWav {
    const char* label;
    const char* name;
    QByteArray bytes;  // null: no file is written
};

TEST_F(SoundTest, RefusesWhatIsNotAReadableWav) {
    const BadWav cases[] = {
        {"missing file", "missing.wav", QByteArray()},
        {"empty file", "empty.wav", QByteArray("")},
        {"text", "text.wav", QByteArray("just some words, not a sound at all")},
        {"header cut short", "short.wav", QByteArray("RIFF\x10\0\0\0WAV", 11)},
        {"RIFF of another kind", "movie.wav", QByteArray("RIFF\x10\0\0\0AVI LIST", 16)},
        {"WAVE without RIFF", "bare.wav", QByteArray("RIFX\x10\0\0\0WAVEfmt ", 16)},
    };
    const QString good = writeTinyWav("good.wav");
    for (const BadWav& c : cases) {
        SCOPED_TRACE(c.label);
        const QString file =
            c.bytes.isNull() ? path(c.name) : writeFile(c.name, c.bytes);

        // A rejected request is still the last one asked for, even right
        // after one that may have been accepted.
        sound::PlayAsync(good);
        EXPECT_FALSE(sound::PlayAsync(file));
        EXPECT_EQ(sound::LastRequested(), file);

        // Refused before anything plays: the call returns without waiting,
        // so no event runs inside it.
        bool ran = false;
        QObject scope;
        QTimer::singleShot(0, &scope, [&] { ran = true; });
        EXPECT_FALSE(sound::PlaySync(file, 5000));
        EXPECT_FALSE(ran);
        EXPECT_EQ(sound::LastRequested(), file);

        // Nor is a player started for it.
        EXPECT_FALSE(sound::PlayAfterExit(file));
        EXPECT_EQ(sound::LastRequested(), file);
    }
}

// The closing sound: a player of its own takes the file as it is when asked
// and plays it to its end, although the file is deleted at once (as the
// close deletes the seats' sounds) and the program is gone.
TEST_F(SoundTest, ASoundPlayedAfterExitOutlivesItsFile) {
    const QString wav = writeTinyWav("closing.wav");
    EXPECT_TRUE(sound::PlayAfterExit(wav)) << "the player beside the modules starts";
    EXPECT_EQ(sound::LastRequested(), wav);
    ASSERT_TRUE(QFile::remove(wav));

    // The player itself, given a file deleted as soon as it has started:
    // it plays it whole wherever there is a device, and fails quietly
    // where there is none.
    const QString again = writeTinyWav("closing-again.wav");
    QProcess player;
    player.setStandardInputFile(again);
    player.start(QStringLiteral(GRISK_BINARY_DIR "/grisk-play-sound"), {});
    ASSERT_TRUE(player.waitForStarted(10000));
    QFile::remove(again);
    ASSERT_TRUE(player.waitForFinished(30000));
    EXPECT_EQ(player.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(player.exitCode() == 0, sound::AudioAvailable());
}

// A seat without a sound of some number asks for "": nothing is opened,
// so nothing complains about a file without a name.
TEST_F(SoundTest, AnEmptyNameOpensNoFile) {
    static QStringList messages;
    messages.clear();
    const QtMessageHandler before = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; });
    EXPECT_FALSE(sound::PlayAsync(QString()));
    EXPECT_FALSE(sound::PlaySync(QString(), 100));
    qInstallMessageHandler(before);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    EXPECT_EQ(sound::LastRequested(), QString());
}

TEST_F(SoundTest, RefusesAFolder) {
    EXPECT_FALSE(sound::PlayAsync(folder()));
    EXPECT_EQ(sound::LastRequested(), folder());
    EXPECT_EQ(sound::MusicPlay(folder()), sound::MusicResult::Failed);
}

TEST_F(SoundTest, ValidWavIsPlayedOnlyWithADevice) {
    const QString wav = writeTinyWav("tiny.wav");
    EXPECT_EQ(sound::PlayAsync(wav), sound::AudioAvailable());
    EXPECT_EQ(sound::LastRequested(), wav);
    sound::StopWav();

    bool ran = false;
    QObject scope;
    QTimer::singleShot(0, &scope, [&] { ran = true; });
    const bool played = sound::PlaySync(wav, 3000);
    EXPECT_EQ(played, sound::AudioAvailable());
    EXPECT_EQ(sound::LastRequested(), wav);
    // Without a device nothing may wait: no event runs inside the call.
    if (!sound::AudioAvailable()) EXPECT_FALSE(ran);
}

TEST_F(SoundTest, AFileThatVanishesDoesNotSpoilTheNextSound) {
    const QString gone = writeTinyWav("gone.wav");
    sound::PlayAsync(gone);
    ASSERT_TRUE(QFile::remove(gone));
    // Qt reads the file in the background: give it time to fail, but process
    // no events, so the failure is still waiting when the next sound starts.
    QThread::msleep(200);
    EXPECT_EQ(sound::PlaySync(writeTinyWav("next.wav"), 3000), sound::AudioAvailable());
}

TEST_F(SoundTest, ANewSoundEndsTheWaitForTheOnePlaying) {
    const QString longWav = writeTinyWav("long.wav", 2000);
    const QString next = writeTinyWav("next.wav");
    QTimer interrupt;
    interrupt.setSingleShot(true);
    QObject::connect(&interrupt, &QTimer::timeout, [&] { sound::PlayAsync(next); });
    interrupt.start(100);

    // Had the wait gone on to the long sound's end, this would have run in it.
    bool waitedToTheEnd = false;
    QTimer end;
    end.setSingleShot(true);
    QObject::connect(&end, &QTimer::timeout, [&] { waitedToTheEnd = true; });
    end.start(1900);
    EXPECT_EQ(sound::PlaySync(longWav, 5000), sound::AudioAvailable());
    EXPECT_FALSE(waitedToTheEnd);
}

TEST_F(SoundTest, SyncPlayStopsWaitingAtTheCap) {
    const QString longWav = writeTinyWav("long.wav", 2000);
    for (int capMs : {0, 300}) {
        SCOPED_TRACE(capMs);
        // Had the wait gone on past its cap to the sound's end, this would
        // have run in it.
        bool waitedToTheEnd = false;
        QTimer end;
        end.setSingleShot(true);
        QObject::connect(&end, &QTimer::timeout, [&] { waitedToTheEnd = true; });
        end.start(1900);
        EXPECT_EQ(sound::PlaySync(longWav, capMs), sound::AudioAvailable());
        EXPECT_FALSE(waitedToTheEnd);
    }
}

TEST_F(SoundTest, MusicRefusesMissingFileAndStops) {
    QString reason;
    EXPECT_EQ(sound::MusicPlay(path("missing.mp3"), &reason), sound::MusicResult::Failed);
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_FALSE(sound::MusicIsPlaying());

    const QString mp3 = writeFile("intro.mp3", QByteArray(64, '\0'));
    // Without a device nothing plays and nothing is wrong; with one, this
    // file of zeros is no music the player can open.
    const sound::MusicResult result = sound::MusicPlay(mp3);
    EXPECT_EQ(result, sound::AudioAvailable() ? sound::MusicResult::Failed : sound::MusicResult::NoDevice);
    if (!sound::AudioAvailable()) {
        EXPECT_FALSE(sound::MusicIsPlaying());
    }
    sound::MusicStop();
    EXPECT_FALSE(sound::MusicIsPlaying());
}

}  // namespace
