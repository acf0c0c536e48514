// The sound level chosen in the "Sound..." sub-menu, put into force.
#pragma once

namespace grisk {

// Answers the new SoundLevel on the remark line ("YEAH!" with the loaded
// opponent's cheer at full sound) and plays the opponent's sound 2, which
// replaces a sound started just before, at every level.
void ChangeNoise();

}  // namespace grisk
