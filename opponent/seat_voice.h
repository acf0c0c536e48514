// The loaded opponent's voice: its remark lines and its sounds.
#pragma once

namespace grisk {

// Shows remark line n (0..35) of the loaded opponent on the remark line,
// unless comments are off.
void SayRemark(int n);
// Plays the loaded opponent's sound n (0..16) to its end; the result goes
// to SoundResult.
void PlaySeatSoundToEnd(int n);

// Sounds the system beep n times (a mended slip of the discard choice).
void Beeps(int n);

}  // namespace grisk
