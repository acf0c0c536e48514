// The Options menu's Add Background.
#pragma once

namespace grisk {

// Row 11: the user picks a picture (JPG, GIF or BMP, whatever the case of
// the extension) in the file dialog, which opens in the documents folder;
// it is copied into the "Backgrounds" folder under its own name (a file of
// that name there is replaced) and shown on the table, tiled as the steps
// through the backgrounds show it. Cancel changes nothing; a copy that
// fails is reported in a box ("Here's the problem:" with the error), and a
// picture that is not in the list afterwards leaves the background as it
// was.
void AddBackgroundCommand();

}  // namespace grisk
