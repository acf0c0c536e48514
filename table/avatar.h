// The opponent's avatar on the table, the slap laid over it, and the
// display aid that reveals every label and shows the emotion icon.
#pragma once

#include <QString>

namespace grisk {

// Shows a picture of the "Avatars" folder in the table's avatar image,
// fitted to its box with the picture's proportions kept (a picture much
// wider than high is as wide as the box, any other as high as it), then
// places the avatar and the slap picture at the window's right edge (lower
// where the piles leave it no room there). A file that cannot be read
// leaves the picture shown before.
void ShowAvatar(const QString& fileName);

// The top of the avatar's box as the table is designed: at the top edge,
// or level with the centre board at a four-player table on a narrow
// screen (pixels).
double AvatarDesignedTopPx();

// Shows the slap picture and plays "Sounds/slap.wav" of the user's folder,
// whatever the sound level.
void AvatarSlap();

// The avatar's and the slap picture's mouse events.
void ImgAvatar_MouseUp(int button, int shift, double x, double y);
void ImgAvatar_MouseMove();
void imgSlap_MouseMove(double x, double y);
void imgSlap_Click();

// Makes every label of the table visible (an empty one shows its name and
// index), shows the "Mischievous.gif" emotion icon and frames the message
// and remark lines.
void ResetEmotionIcon();

}  // namespace grisk
