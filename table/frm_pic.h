// The hidden picture store of the table: the card backs in use, the plain
// back, the rank-only deck's pictures in both sizes, the empty-pile marks and
// a scratch picture.
#pragma once

#include "platform/controls.h"

namespace grisk {

class FrmPic : public vb::Form {
public:
    FrmPic();

    // 0 the large back in use, 5 the small one, 2 the plain back.
    vb::ControlArray& FilePic;
    // Large and small picture of each rank 1..13 of the rank-only deck.
    vb::ControlArray& Image1;
    vb::ControlArray& ImageSm;
    vb::Control& tempSmPic;
    // Empty-pile marks: 2 metallic, 3 wooden (the skin's); Sm the small ones.
    vb::Control& ImgEmpty2;
    vb::Control& ImgEmpty3;
    vb::Control& ImgEmptySm2;
    vb::Control& ImgEmptySm3;
};

// The store, made and loaded on first use.
FrmPic& frmPic();
bool FrmPicExists();
void ReleaseFrmPic();

}  // namespace grisk
