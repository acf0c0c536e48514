// The control sets of seats 3 and 4, and the avatar's place at the right
// edge of the table.
#pragma once

namespace vb {
class ControlArray;
}

namespace grisk {

// Makes (when missing) and places the controls of seat 3 (pic is Picture2)
// or seat 4 (Picture3): side pile, hand and hold pictures, pay-off stack,
// hold outlines, hold-row frame and name label.
void LoadPlayerControls(vb::ControlArray& pic);
// Puts the avatar and the slap picture against the window's right edge.
void PlaceTurnImages();

}  // namespace grisk
