#include "shell/music.h"

#include "engine/paths.h"
#include "platform/msgbox.h"
#include "platform/sound.h"

namespace grisk {

QString PlayMP3(const QString& fileName) {
    StopMP3();
    if (!FileExists(fileName)) return QStringLiteral("Error with input file");
    QString reason;
    switch (sound::MusicPlay(fileName, &reason)) {
    case sound::MusicResult::Playing: return QStringLiteral("Success");
    case sound::MusicResult::NoDevice: return QString();
    case sound::MusicResult::Failed: vb::MsgBox(reason, vb::vbCritical); return QString();
    }
    return QString();
}

bool IsMP3Playing() { return sound::MusicIsPlaying(); }
void StopMP3() { sound::MusicStop(); }

}  // namespace grisk
