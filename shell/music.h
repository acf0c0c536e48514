// The music: one MP3 piece at a time, played in the background to its end.
#pragma once

#include <QString>

namespace grisk {

// Stops any music, then plays the file. "Success" when it plays; "Error with
// input file" (and no box) when there is no such file; a file the player
// cannot open shows the player's reason in a box and gives "". A machine
// without an audio device plays nothing, shows no box and gives "".
QString PlayMP3(const QString& fileName);
bool IsMP3Playing();
// Harmless when nothing plays.
void StopMP3();

}  // namespace grisk
