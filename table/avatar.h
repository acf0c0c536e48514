// The opponent's avatar on the table, the slap laid over it, and the
// display aid that reveals every label and shows the emotion icon.
#pragma once

#include <QString>

namespace grisk {

// Shows a picture of the "Avatars" folder in the avatar image, fitted to its
// box: a picture not much wider than high (height / width at least 0.82)
// takes the box's height, a wider one its width. A picture that cannot be
// read, or has no size, leaves the avatar as it was. The image's Tag keeps
// the file name last asked for.
void ShowAvatar(const QString& fileName);

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
