// The user's pictures: a new avatar imported into "Avatars/", a background
// removed from "Backgrounds/", and the size check a picture must pass.
#pragma once

#include <QString>

namespace vb {
class Control;
}

namespace grisk {

// The largest avatar picture, pixels each way.
inline constexpr long kMaxAvatarSize = 350;
// The longest avatar file name a seat entry holds.
inline constexpr int kMaxAvatarNameLength = 30;

// True when the picture is no wider and no taller than MaxSize pixels;
// otherwise the box "Picture is too large" titled "Image Rejected" says so.
bool IsImageSizeOk(const QString& FileName, long MaxSize);

// Imports an avatar picture: the open-file dialog "Import Avatar Pic" in
// the folder last used; a picture that passes the size check (and whose
// name fits a seat entry) is copied into "Avatars/" and shown as AvatarFile.
// A picture chosen from "Avatars/" itself is taken as it is. A cancelled
// dialog or a failed copy ends the import silently.
void Get_Avatars();

// Shows the avatar picture file of "Avatars/" in an image control, fitted
// to it, and notes the file in its Tag; a picture that cannot be read
// leaves the control as it was. ClearAvatarPreview empties it.
void ShowAvatarPreview(vb::Control& img, const QString& file);
void ClearAvatarPreview(vb::Control& img);

// Exports the avatar picture file of "Avatars/": the save dialog "Export
// Avatar picture" in the folder last used; the folder chosen is kept as the
// last one. A cancelled dialog or a failed copy ends it silently.
void ExportAvatar(const QString& file);

// Deletes the background picture at BackgroundIdx, after which the table
// steps to the next background. "GameBoard.gif" (that exact name) is never
// deleted, and an index outside the list deletes nothing.
void RemoveBackground();

}  // namespace grisk
