// The sound module: WAV sounds and music played with Qt Multimedia.
#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include "platform/sound_backend.h"

namespace sound {
namespace {

// The players are made on first use and only when a device exists. They are
// deleted by a post routine of the application object, so they never outlive
// the Qt Multimedia back end they were made from.
struct Players {
    QPointer<QSoundEffect> wav;
    QPointer<QMediaPlayer> music;
    QPointer<QAudioOutput> musicOutput;
    bool cleanupRegistered = false;
};

Players& players() {
    static Players p;
    return p;
}

void deletePlayers() {
    Players& p = players();
    delete p.wav;
    delete p.music;
    delete p.musicOutput;
    p.cleanupRegistered = false;
}

void registerCleanup() {
    Players& p = players();
    if (!p.cleanupRegistered) {
        qAddPostRoutine(deletePlayers);
        p.cleanupRegistered = true;
    }
}

// How long a piece may take to open before it is played all the same.
constexpr int kMusicOpenCapMs = 3000;

bool deviceReady() {
    return QCoreApplication::instance() != nullptr && !QMediaDevices::defaultAudioOutput().isNull();
}

QSoundEffect* wavPlayer() {
    Players& p = players();
    // An effect whose last file failed, or is still loading, may yet receive
    // that file's late signals and report them against the next file; a fresh
    // effect leaves them behind.
    if (p.wav && p.wav->status() != QSoundEffect::Ready && p.wav->status() != QSoundEffect::Null) delete p.wav;
    if (!p.wav) {
        registerCleanup();
        p.wav = new QSoundEffect(QMediaDevices::defaultAudioOutput());
    }
    return p.wav;
}

QMediaPlayer* musicPlayer() {
    Players& p = players();
    if (!p.music) {
        registerCleanup();
        delete p.musicOutput;
        p.musicOutput = new QAudioOutput;
        p.music = new QMediaPlayer;
        p.music->setAudioOutput(p.musicOutput);
    }
    return p.music;
}

// Hands the file to the shared sound effect, replacing whatever it played.
// Returns the effect, or null when the file cannot be played.
QSoundEffect* startWav(const QString& wavPath) {
    if (!deviceReady()) return nullptr;
    QSoundEffect* effect = wavPlayer();
    effect->stop();
    effect->setSource(QUrl::fromLocalFile(QFileInfo(wavPath).absoluteFilePath()));
    if (effect->status() == QSoundEffect::Error) return nullptr;
    effect->play();
    return effect;
}

class QtBackend final : public Backend {
public:
    bool AudioAvailable() override { return deviceReady(); }

    bool PlayAsync(const QString& wavPath) override { return startWav(wavPath) != nullptr; }

    bool PlaySync(const QString& wavPath, int capMs) override {
        // A sound started from a timer while we wait may replace this effect.
        const QPointer<QSoundEffect> effect = startWav(wavPath);
        if (!effect) return false;

        // Wait for the sound to load and end. Only the player's own signals
        // and the cap end the wait; user input stays queued until we return.
        // The caller counts the wait as busy.
        QEventLoop loop;
        QTimer cap;
        cap.setSingleShot(true);
        QObject::connect(&cap, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(effect.data(), &QObject::destroyed, &loop, &QEventLoop::quit);
        QObject::connect(effect.data(), &QSoundEffect::playingChanged, &loop, [&] {
            if (!effect->isPlaying()) loop.quit();
        });
        QObject::connect(effect.data(), &QSoundEffect::statusChanged, &loop, [&] {
            if (effect->status() == QSoundEffect::Error) loop.quit();
        });
        cap.start(qMax(0, capMs));
        if (effect->isPlaying() || effect->status() == QSoundEffect::Loading)
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        return !effect || effect->status() != QSoundEffect::Error;
    }

    void StopWav() override {
        if (Players& p = players(); p.wav) p.wav->stop();
    }

    bool MusicPlay(const QString& mp3Path, QString& errorText) override {
        if (!deviceReady()) {
            errorText = QStringLiteral("There is no audio output.");
            return false;
        }
        const QPointer<QMediaPlayer> player = musicPlayer();
        player->stop();
        player->setSource(QUrl::fromLocalFile(QFileInfo(mp3Path).absoluteFilePath()));
        // The player opens the file in the background: wait until it has
        // read the file's head or given up, so that a file it cannot play
        // is told now. Only the player's own signals and the cap end the
        // wait; user input stays queued. The caller counts the wait as busy.
        const auto settled = [&player] {
            if (!player || player->error() != QMediaPlayer::NoError) return true;
            const QMediaPlayer::MediaStatus s = player->mediaStatus();
            return s != QMediaPlayer::NoMedia && s != QMediaPlayer::LoadingMedia;
        };
        if (!settled()) {
            QEventLoop loop;
            QTimer cap;
            cap.setSingleShot(true);
            QObject::connect(&cap, &QTimer::timeout, &loop, &QEventLoop::quit);
            QObject::connect(player.data(), &QObject::destroyed, &loop, &QEventLoop::quit);
            QObject::connect(player.data(), &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
            QObject::connect(player.data(), &QMediaPlayer::mediaStatusChanged, &loop, [&] {
                if (settled()) loop.quit();
            });
            cap.start(kMusicOpenCapMs);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        if (!player) return false;
        if (player->error() != QMediaPlayer::NoError || player->mediaStatus() == QMediaPlayer::InvalidMedia) {
            errorText = player->errorString();
            if (errorText.isEmpty()) errorText = QStringLiteral("The file cannot be played.");
            player->setSource(QUrl());
            return false;
        }
        player->play();
        return true;
    }

    void MusicStop() override {
        if (Players& p = players(); p.music) p.music->stop();
    }

    bool MusicIsPlaying() override {
        const Players& p = players();
        return p.music && p.music->playbackState() == QMediaPlayer::PlayingState;
    }
};

}  // namespace
}  // namespace sound

extern "C" Q_DECL_EXPORT sound::Backend* grisk_sound_backend() {
    static sound::QtBackend backend;
    return &backend;
}
