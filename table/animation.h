// Card pictures moving across the table.
#pragma once

namespace vb {
class ControlArray;
}

namespace grisk {

// Moves the picture fromCtl(fromIndex) onto toCtl(toIndex) in AnimSpeed
// steps, pausing between them, and hides it at the end.
void AnimateCardMove(vb::ControlArray& fromCtl, int fromIndex, vb::ControlArray& toCtl,
                     int toIndex);

}  // namespace grisk
