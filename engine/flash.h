// The end-of-game picture show of a winning computer player: seven frames
// of its personality painted over the table, forward and back.
#pragma once

#include <vector>

#include "platform/controls.h"

namespace grisk {

// The hidden window that holds the frames of the show: ImgFlash(1..7), as
// designed the default opponent's. It is never shown.
class FrmFlasher : public vb::Form {
public:
    FrmFlasher();
    vb::ControlArray& ImgFlash;
    // The frames painted by the last show, in order.
    std::vector<int> FramesShown;
};

// The window, loaded (as designed) when it is not.
FrmFlasher& frmFlasher();
bool FrmFlasherExists();
void ReleaseFrmFlasher();

// The show of the personality in row tempPerson of the opponent table. A
// personality other than the default one has its frames written by its
// program and loaded once (FlashLoaded, FlashLoadedFor); "Zozida" shows the
// frames of "Voze". The frames 1..7 and back to 1, or 1..7 twice when the
// loaded seat's sound entry 0 holds 1, over the table; the table's drawing
// comes back afterwards. A row that is not in the table shows nothing. Ends
// at once when the program is closing, and early when a new game has begun
// with another seat to move.
void Flash(int tempPerson);

}  // namespace grisk
