#include "platform/sound.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "platform/eventwait.h"
#include "platform/late_module.h"
#include "platform/run_files.h"
#include "platform/sound_backend.h"

namespace sound {
namespace {

QString& lastRequested() {
    static QString path;
    return path;
}

// The sound module, loaded by the first request that needs it; null when it
// cannot be loaded (then no sound plays).
Backend* backend() {
    static Backend* loaded = [] {
        using Make = Backend* (*)();
        const auto make = reinterpret_cast<Make>(late::Resolve(kModule, kEntry));
        return make ? make() : nullptr;
    }();
    return loaded;
}

// The module only when it has been loaded: nothing can play before that.
Backend* loadedBackend() { return late::IsLoaded(kModule) ? backend() : nullptr; }

// A WAV file is a RIFF container whose form type is "WAVE".
bool looksLikeWav(const QString& path) {
    // A seat without a sound of that number names no file.
    if (path.isEmpty()) return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = f.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

// The backend for a WAV request, or null when the file cannot be played.
Backend* wavBackend(const QString& wavPath) {
    lastRequested() = wavPath;
    // The run's sound files may still wait to be written.
    run_files::WriteNow();
    return looksLikeWav(wavPath) ? backend() : nullptr;
}

}  // namespace

bool PlayAsync(const QString& wavPath) {
    Backend* b = wavBackend(wavPath);
    return b && b->PlayAsync(wavPath);
}

bool PlaySync(const QString& wavPath, int capMs) {
    Backend* b = wavBackend(wavPath);
    if (!b) return false;
    waits::BusyScope busy;
    return b->PlaySync(wavPath, capMs);
}

bool PlayAfterExit(const QString& wavPath) {
    lastRequested() = wavPath;
    if (!looksLikeWav(wavPath)) return false;
    QProcess player;
    player.setProgram(late::ModuleFolder() + QStringLiteral("/grisk-play-sound"));
    player.setStandardInputFile(wavPath);
    player.setStandardOutputFile(QProcess::nullDevice());
    player.setStandardErrorFile(QProcess::nullDevice());
    return player.startDetached();
}

void StopWav() {
    if (Backend* b = loadedBackend()) b->StopWav();
}

MusicResult MusicPlay(const QString& mp3Path, QString* errorText) {
    QString reason;
    MusicResult result = MusicResult::Failed;
    const QFileInfo info(mp3Path);
    Backend* b = nullptr;
    if (!info.isFile() || !info.isReadable()) {
        reason = QStringLiteral("The file cannot be read.");
    } else if (b = backend(); !b || !b->AudioAvailable()) {
        result = MusicResult::NoDevice;
    } else {
        // The player reads the file's head before it answers.
        waits::BusyScope busy;
        result = b->MusicPlay(mp3Path, reason) ? MusicResult::Playing : MusicResult::Failed;
    }
    if (errorText) *errorText = reason;
    return result;
}

void MusicStop() {
    if (Backend* b = loadedBackend()) b->MusicStop();
}

bool MusicIsPlaying() {
    Backend* b = loadedBackend();
    return b && b->MusicIsPlaying();
}

bool AudioAvailable() {
    Backend* b = backend();
    return b && b->AudioAvailable();
}

QString LastRequested() { return lastRequested(); }

}  // namespace sound
