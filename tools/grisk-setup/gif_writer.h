// A GIF89a file of one picture with up to 256 colours, LZW-compressed.
#pragma once

#include <QByteArray>
#include <QImage>

namespace grisk_setup {

// The picture must be 8-bit indexed with 1..256 colours; an empty array
// otherwise. The same picture always gives the same bytes.
QByteArray EncodeGif(const QImage& picture);

}  // namespace grisk_setup
