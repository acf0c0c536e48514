// The hidden window that holds the full face sheet (13 ranks by 4 suits of
// 71 x 96 cells) and a scratch canvas for cutting single cards out of it.
#pragma once

#include "platform/controls.h"

namespace grisk {

class FrmStdSm : public vb::Form {
public:
    FrmStdSm();

    // The sheet: the built-in deck until a library deck replaces it.
    vb::Control& imgALL;
    // 75 x 100 pixels with a 2-pixel border: its inner area takes exactly
    // one 71 x 96 cell.
    vb::Control& picBitMap;
};

// The main instance, made and loaded on first use. Other instances (the
// debug view of the shuffled deck) are made with new FrmStdSm.
FrmStdSm& frmStdSm();
bool FrmStdSmExists();
void ReleaseFrmStdSm();

}  // namespace grisk
