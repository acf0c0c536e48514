// The size, colour depth and kind of a picture, read from the head of its
// file without loading the picture: PNG, GIF, BMP, or else a JPEG searched
// for its frame header within the first 64 kB.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace grisk {

class clsGetSize {
public:
    enum Kind : long { Unknown = 0, Gif = 1, Jpeg = 2, Png = 3, Bmp = 4 };

    long long Width() const { return width_; }
    long long Height() const { return height_; }
    uint8_t Depth() const { return depth_; }  // bits per pixel
    long ImageType() const { return type_; }

    // Reads the file's head. A file that cannot be read, an unknown kind or
    // a JPEG whose frame header lies beyond the first 65,525 bytes leaves
    // Depth and ImageType 0 and Width and Height as they were (0 at first).
    // Sizes are read whole: PNG's and BMP's 32-bit fields, a BMP stored
    // top-down counted by its height's size.
    void ReadImageInfo(const QString& sFileName);
    // The same for the first bytes of a file.
    void ReadImageHead(const QByteArray& head);

private:
    long long width_ = 0;
    long long height_ = 0;
    uint8_t depth_ = 0;
    long type_ = Unknown;
};

}  // namespace grisk
