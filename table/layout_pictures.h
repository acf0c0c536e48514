// The stock pictures that the table layout puts into pile pictures itself:
// the card back in use, large or small, and the empty-pile mark. One place,
// so the layout does not depend on how the picture store keeps them.
#pragma once

#include <QImage>

namespace vb {
class Control;
}

namespace grisk {

// The card back in use: large (71 x 96) or small (59 x 80).
QImage CardBackPicture(bool large);
// The mark shown on an empty centre pile, of the skin in force: large
// (71 x 96) or small (59 x 80).
QImage EmptyPilePicture(bool large = true);
// Is this picture large? A picture as high as a large card (96 pixels,
// 1440 twips) or higher, read in twips whatever its window's scale mode.
bool IsLargePicture(const vb::Control& pile);
// The empty mark that fits a pile picture: the large one in a large
// picture, else the small one (a mark is never cut off).
QImage EmptyPilePictureFor(const vb::Control& pile);
// Shows the empty-pile mark of the pile's own size in it (tagged "empty
// large" or "empty small").
void ShowEmptyPile(vb::Control& pile);

}  // namespace grisk
