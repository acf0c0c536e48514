// The program's own sounds, "~105.tmp".."~123.tmp" in DataFolder.
#pragma once

namespace grisk {

// The program sounds the engine plays by their role.
enum ProgramSoundNo : int {
    kSoundRemark = 105,    // an opponent's remark on a poor play
    kSoundRefused = 108,   // a refused move
    kSoundClearing = 118,  // a pile cleared, cards moved
    kSoundShuffle = 122,   // a reshuffle
};

// Plays program sound n without waiting, unless sounds are off (SoundLevel 2).
void PlayProgramSound(int n);
// Plays program sound n to its end, whatever the sound level.
void PlayProgramSoundToEnd(int n);

}  // namespace grisk
