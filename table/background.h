// The table's background picture.
#pragma once

#include "platform/controls.h"

namespace grisk {

// True when a background picture (not the plain colour) is chosen.
bool BackgroundPictureChosen();
// Loads the chosen background picture and spreads it over the table, tiled
// or stretched.
void LoadTableBackground();
// A picture of the backgrounds folder, decoded once while the file stays as
// it is (the splash and the table show the same board); null when it cannot
// be read.
QImage BackgroundPicture(const QString& fileName);

// The hidden window that holds the loaded background picture.
class FrmBackground : public vb::Form {
public:
    FrmBackground();
    vb::Control& imgBackground;
};

FrmBackground& frmBackground();

}  // namespace grisk
