// The table's background: a picture of the user's "Backgrounds" folder,
// stretched over the table or tiled at its natural size, or the plain table
// colour; and stepping through them.
#pragma once

#include "platform/controls.h"

namespace grisk {

// True when a background picture (not the plain colour) is chosen.
bool BackgroundPictureChosen();
// Loads the chosen background picture and spreads it over the table,
// stretched or tiled. A picture that cannot be read, or an entry outside the
// list, has the list made again from the folder; what still cannot be shown
// leaves the table in its colour.
void LoadTableBackground();
// Steps to the next background (key 32 space or 40 down) or the one before
// (any other key), the plain colour after the last picture, and shows it.
// The first change explains the keys in a box.
void CycleBackground(int keyCode);
// Tiles the picture held by frmBackground over a window (as the window
// paints) or a picture box of frm, then lets the picture go.
void TileBackground(vb::Form& frm, vb::Control* dest);
// A picture of the backgrounds folder, decoded once while the file stays as
// it is (the splash and the table show the same board); null when it cannot
// be read.
QImage BackgroundPicture(const QString& fileName);

// The hidden window that holds the loaded background picture.
class FrmBackground : public vb::Form {
public:
    FrmBackground();
    vb::Control& imgBackground;
    // Mouse pointers: 0 over the avatar, 1 over the slap picture.
    vb::ControlArray& imgMouse;
};

FrmBackground& frmBackground();
// Shows the window beside the table with the background picture chosen
// (at its natural size), or empty in the table's colour.
void ShowBackgroundWindow();

}  // namespace grisk
