// Painting a card into a pile picture.
#pragma once

namespace vb {
class ControlArray;
}

namespace grisk {

// The sound argument that paints the empty-pile mark instead of a back.
inline constexpr int kEmptyMark = 88;

// Paints card cardNo (1..208; 0 a back, or the empty mark with sound 88) in
// element index of the pile-picture array and shows it. A number outside
// 0..208 paints the empty mark.
int DrawCard(vb::ControlArray& ctl, int index, int cardNo, int sound);

}  // namespace grisk

namespace grisk {

// Resets the centre-pile pictures and the first two seats' pile pictures to
// their empty look.
void ClearTableImages();

}  // namespace grisk
