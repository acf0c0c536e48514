#include "shell/music.h"

#include "platform/sound.h"

namespace grisk {

void PlayMP3(const QString& path) { sound::MusicPlay(path); }
bool IsMP3Playing() { return sound::MusicIsPlaying(); }
void StopMP3() { sound::MusicStop(); }

}  // namespace grisk
