// The table's background picture.
#pragma once

#include "platform/controls.h"

namespace grisk {

// True when a background picture (not the plain colour) is chosen.
bool BackgroundPictureChosen();
// Loads the chosen background picture and spreads it over the table, tiled
// or stretched.
void LoadTableBackground();

// The hidden window that holds the loaded background picture.
class FrmBackground : public vb::Form {
public:
    FrmBackground();
    vb::Control& imgBackground;
};

FrmBackground& frmBackground();

}  // namespace grisk
