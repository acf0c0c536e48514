// The program's sounds as temporary files for the run: written at start-up
// from the program's resources, deleted at shut-down.
#include <QDir>
#include <QFile>

#include "engine/startup.h"
#include "engine/state.h"
#include "platform/sound.h"
#include "platform/vberror.h"
#include "records/state.h"
#include "shell/music.h"

namespace grisk {

void SetUpSounds() {
    for (int n = 105; n <= 123; ++n) {
        eng.MsgText = eng.DataFolder + "~" + QString::number(n) + ".tmp";
        // A sound that cannot be written is simply missing: playing it does nothing.
        if (const long err = ExtractResourceToFile(n, QStringLiteral("SOUND"), eng.MsgText))
            qWarning("Sound %d could not be written to %s: error %ld", n, qUtf8Printable(eng.MsgText), err);
    }
}

void CleanUpSounds() {
    if (recs.SoundLevel == 0 && eng.SoundFiles.inRange({2}))
        recs.SoundResult = sound::PlayAsync(eng.SoundFiles(2)) ? 1 : 0;
    if (!eng.DataFolder.isEmpty()) {
        QDir data(eng.DataFolder);
        for (const QString& name : data.entryList({QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden))
            data.remove(name);
    }
    if (!eng.UserFolder.isEmpty()) {
        QDir sounds(eng.UserFolder + "Sounds");
        for (const QString& name : sounds.entryList({QStringLiteral("*.pmw")}, QDir::Files | QDir::Hidden))
            sounds.remove(name);
    }
    if (IsMP3Playing()) StopMP3();
}

long ExtractResourceToFile(int resId, const QString& resType, const QString& fileName) {
    QFile resource(":/" + resType + "/" + QString::number(resId));
    if (!resource.open(QIODevice::ReadOnly)) return vb::ErrResourceNotFound;
    const QByteArray bytes = resource.readAll();
    QFile out(fileName);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 75;  // path/file access error
    const bool written = out.write(bytes) == bytes.size() && out.flush();
    out.close();
    if (!written || out.error() != QFileDevice::NoError) {
        out.remove();
        return vb::ErrDeviceIO;
    }
    return 0;
}

}  // namespace grisk
