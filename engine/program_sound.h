// The program's own sounds, "~105.tmp".."~123.tmp" in DataFolder.
#pragma once

namespace grisk {

// Plays program sound n without waiting, unless sounds are off (SoundLevel 2).
void PlayProgramSound(int n);
// Plays program sound n to its end, whatever the sound level.
void PlayProgramSoundToEnd(int n);

}  // namespace grisk
