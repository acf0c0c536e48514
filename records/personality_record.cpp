#include "records/personality_record.h"

#include "platform/recordfile.h"
#include "records/record_fields.h"

namespace grisk {

QByteArray PersonalityRecord::encode() const {
    vb::RecordWriter w(kPersonalityRecordLength);
    for (int i = 0; i <= 35; ++i) w.putText(Comments(i), kPersonalityLineWidth);
    ForEachIndexInFileOrder(Sounds, [&](const std::array<int, 2>& k) {
        w.putText(Sounds(k[0], k[1]), kPersonalitySoundWidth);
    });
    w.putText(Picture, kPersonalityPictureWidth);
    return w.bytes();
}

PersonalityRecord PersonalityRecord::decode(const QByteArray& bytes) {
    vb::RecordReader r(bytes);
    PersonalityRecord p;
    for (int i = 0; i <= 35; ++i) p.Comments(i) = r.getText(kPersonalityLineWidth);
    ForEachIndexInFileOrder(p.Sounds, [&](const std::array<int, 2>& k) {
        p.Sounds(k[0], k[1]) = r.getText(kPersonalitySoundWidth);
    });
    p.Picture = r.getText(kPersonalityPictureWidth);
    return p;
}

}  // namespace grisk
