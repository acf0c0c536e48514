// The shipped personalities' avatars: a portrait of each, painted here and
// written into the user's "Avatars" folder under the name its personality
// file gives ("Grisk.jpg", ...).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace grisk_setup {

// The size of every portrait, in pixels: the table's avatar box.
inline constexpr int kAvatarSize = 130;

// The portrait of a personality; a plain card-table green face for a name
// without a portrait of its own.
QImage DrawAvatar(const QString& personality);

// The portrait as a JPEG file.
QByteArray AvatarJpeg(const QString& personality);

}  // namespace grisk_setup
