// The program's sounds as temporary files for the run: written at start-up
// from the program's resources, deleted at shut-down.
#include <QDir>
#include <QFile>

#include "engine/startup.h"
#include "engine/state.h"
#include "platform/personality_programs.h"
#include "platform/run_files.h"
#include "platform/sound.h"
#include "platform/vberror.h"
#include "records/state.h"
#include "shell/music.h"

namespace grisk {

void SetUpSounds() {
    // Nothing plays before the table shows: the files are written after its
    // first paint, or by the first sound played, whichever comes first.
    run_files::Defer(QStringLiteral("program sounds"), [folder = eng.DataFolder] {
        for (int n = 105; n <= 123; ++n) {
            const QString file = folder + "~" + QString::number(n) + ".tmp";
            // A sound that cannot be written is simply missing: playing it does nothing.
            if (const long err = ExtractResourceToFile(n, QStringLiteral("SOUND"), file))
                qWarning("Sound %d could not be written to %s: error %ld", n, qUtf8Printable(file), err);
        }
    });
}

void CleanUpSounds() {
    const bool farewell = recs.SoundLevel == 0 && eng.SoundFiles.inRange({2});
    // A close before the table has painted: the farewell may be an
    // opponent's sound that is still to be written (only those sounds are).
    if (farewell) pms::WriteWaitingSoundNow(eng.SoundFiles(2));
    // What is not written yet never will be: the run ends.
    run_files::DropPending();
    // The program ends a moment later and the sound's file goes now: the
    // sound plays on in a player of its own.
    if (farewell) recs.SoundResult = sound::PlayAfterExit(eng.SoundFiles(2)) ? 1 : 0;
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
    switch (run_files::WriteWhole(fileName, bytes)) {
    case run_files::WriteResult::Written: return 0;
    case run_files::WriteResult::CannotOpen: return 75;  // path/file access error
    case run_files::WriteResult::Failed: break;
    }
    return vb::ErrDeviceIO;
}

}  // namespace grisk
