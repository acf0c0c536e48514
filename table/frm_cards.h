// The hidden store of the five rank-only decks: 15 slots a style, rank r of
// style s in slot 15 (s - 1) + r (the last two slots of a style are unused).
// It is released once the chosen style has been copied out.
#pragma once

#include "platform/controls.h"

namespace grisk {

class FrmCards : public vb::Form {
public:
    FrmCards();

    vb::ControlArray& Image1;  // slots 1..75
};

FrmCards& frmCards();
bool FrmCardsExists();
void ReleaseFrmCards();

}  // namespace grisk
