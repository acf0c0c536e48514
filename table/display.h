// The table's display services that the engine calls: painting a card into a
// pile picture, moving a card picture across the table, the avatar and the
// card counter.
#pragma once

#include <QString>

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

// Moves the picture fromCtl(fromIndex) onto toCtl(toIndex) in steps.
void AnimateCardMove(vb::ControlArray& fromCtl, int fromIndex, vb::ControlArray& toCtl,
                     int toIndex);

// Shows a picture of the "Avatars" folder in the table's avatar image.
void ShowAvatar(const QString& fileName);

// Fills the card-counter window from the dealt-card markers.
void UpdateCardCounter();

}  // namespace grisk
