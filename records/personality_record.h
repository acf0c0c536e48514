// The personality file (".pms" in "Data/PMS" of the program's folder):
// one record of 6,340 bytes. Texts are fixed-width, one byte per character,
// padded with blanks; decoding takes any bytes and keeps the stored
// characters, so a record decoded and encoded again comes back byte for byte.
#pragma once

#include <QByteArray>
#include <QString>

#include "platform/vbarray.h"

namespace grisk {

inline constexpr int kPersonalityRecordLength = 6340;
inline constexpr int kPersonalityLineWidth = 100;
inline constexpr int kPersonalitySoundWidth = 80;
inline constexpr int kPersonalityPictureWidth = 20;

struct PersonalityRecord {
    // 0: the one-line description of the opponent lists; 1..35 the remark lines.
    vb::Array<QString, 1> Comments{{0, 35}};
    // (column, event): (0, 0) holds a number as text; (c, 1..16) the sound
    // files of column c (0 the personality's own, 1 the custom set), looked
    // up in the user's "Sounds" folder. Element (c, i) lies at 3600 + 80 x (c + 2i).
    vb::Array<QString, 2> Sounds{{0, 1}, {0, 16}};
    QString Picture;  // the avatar picture file

    QByteArray encode() const;
    static PersonalityRecord decode(const QByteArray& bytes);
    bool operator==(const PersonalityRecord&) const = default;
};

}  // namespace grisk
