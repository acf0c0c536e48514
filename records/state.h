// The records subsystem's shared state: the options of the signed-in
// player's profile and the run table.
#pragma once

#include <QString>
#include <cstdint>

#include "platform/vbarray.h"

namespace grisk {

struct RecordsState {
    int SoundLevel = 0;   // 0 all sounds, 1 some, 2 none
    int SoundSet = 0;     // card sounds: 0 wood, 1 metallic
    int DeckStyle = 6;    // 1..5 number decks, 6 the built-in full deck, 7 and up the library's
    int BackStyle = 1;    // 0 the plain back in PlainColor
    int32_t PlainColor = 0x8000;
    int AnimSpeed = 45;
    bool AutoSaveOn = false;
    int CurrentProfile = 1;
    QString LastPlayer;
    long SoundResult = 0;
    // The run table: rows by role, columns by card source (side, hand,
    // hold, then the same three again). Row 4 is the loaded seat's.
    vb::Array<int, 2> BestRun{{0, 5}, {0, 5}};
};

extern RecordsState recs;
void ResetRecordsState();

}  // namespace grisk
