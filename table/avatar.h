// The opponent's avatar on the table.
#pragma once

#include <QString>

namespace grisk {

// Shows a picture of the "Avatars" folder in the table's avatar image,
// fitted to its box with the picture's proportions kept (a picture much
// wider than high is as wide as the box, any other as high as it), then
// places the avatar and the slap picture at the window's right edge. A
// file that cannot be read leaves the picture shown before.
void ShowAvatar(const QString& fileName);

}  // namespace grisk
