// The look of the game's plain dialog windows (the opponent set-up, the
// comment editor): a light grey window with black text, and the few
// pictures they show, drawn by the program.
#pragma once

#include <QImage>
#include <QString>

#include "platform/controls.h"

namespace grisk {

inline constexpr int32_t kDialogBackColor = 0xE8E8E8;
inline constexpr int32_t kDialogButtonColor = 0xF4F4F4;

// Places c (twips) with its caption and dresses it for a dialog window:
// labels, frames, check boxes and option buttons in black on the window's
// colour, command buttons in their own colour. Contained in box when one
// is given.
void DialogControl(vb::Control& c, const QString& caption, double left, double top, double width, double height,
                   vb::Control* box = nullptr);

// Fits a dialog to the screen (not during start-up) and places it over the
// middle of the table, a third of the way down.
void PlaceDialogOverTable(vb::Form& dialog);

// Shows a dialog modally as it was designed; one whose load refused it
// shows nothing.
void ShowDialogAsDesigned(vb::Form& dialog);

// Loads elements first..last of a control array whose first element
// exists, shown; returns the array.
vb::ControlArray& LoadElements(vb::ControlArray& a, int first, int last);

// The pointer beside the chosen sound event: a small arrow pointing right,
// 16 x 20 pixels.
QImage PointerPicture();

// The comment editor's picture buttons, 24 x 24 pixels: 0 a new page, 1 an
// open folder, 2 a floppy disk, 3 a page leaving with an arrow.
QImage EditorButtonPicture(int which);

}  // namespace grisk
