#include "engine/program_sound.h"

#include <QString>

#include "engine/state.h"
#include "platform/sound.h"
#include "records/state.h"

namespace grisk {

namespace {
QString soundFile(int n) { return eng.DataFolder + "~" + QString::number(n) + ".tmp"; }
}  // namespace

void PlayProgramSound(int n) {
    if (recs.SoundLevel == 2) return;
    recs.SoundResult = sound::PlayAsync(soundFile(n)) ? 1 : 0;
}

void PlayProgramSoundToEnd(int n) { recs.SoundResult = sound::PlaySync(soundFile(n)) ? 1 : 0; }

}  // namespace grisk
