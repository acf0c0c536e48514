// The five card sounds: which program sound file each one is in the two
// sound sets, and playing one.
#pragma once

#include <QString>

namespace grisk {

// The file name ("~113.tmp" ...) of card sound soundNo (1..5) in sound set
// soundSet (1 the first set, any other value the second); "" for another
// number.
QString CardSoundFile(int soundNo, int soundSet);

// Plays card sound soundNo of the sound set in force from DataFolder,
// without waiting, and sets SoundResult (1 when the request was accepted,
// else 0). Does not look at the sound level: its callers do.
void PlayCardSound(int soundNo);

}  // namespace grisk
