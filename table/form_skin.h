// The look of the borderless companion windows: the skin painted over the
// whole window and the bevelled frame drawn with line controls.
#pragma once

#include "platform/controls.h"

namespace grisk {

// The back colour of the controls on a skinned window: light orange with the
// skin, grey without.
inline constexpr int32_t kSkinControlColor = 0x80C0FF;
inline constexpr int32_t kPlainControlColor = 0xC0C0C0;

// Chooses the empty-pile marks, then paints the wooden skin (SkinOn) or the
// plain grey one stretched over the whole window; the labels and buttons of
// the pile-information window take the matching colour.
void ApplyFormSkin(vb::Form& frm);
// The painting half of ApplyFormSkin: the skin in force and the controls'
// matching colour, the empty-pile marks left as they are.
void PaintFormSkin(vb::Form& frm);

// The designed outer bevel of the window's line arrays Line1 (vertical) and
// Line2 (horizontal): lines 0 white at the left and top, lines 1 grey at
// the right and bottom, all shown. A window without those arrays is left
// alone.
void DesignFormBorderLines(vb::Form& frm);

// Adds the inner bevel lines 2 and 3 to the window's line arrays Line1
// (vertical) and Line2 (horizontal) and stretches the designed outer lines 0
// and 1 to the window's outer size. A window without those arrays is left
// alone; a second call places the same lines again.
void DrawFormBorderLines(vb::Form& frm);

}  // namespace grisk
