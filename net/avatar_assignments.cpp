// The avatar assignment file: the pictures the player gave remote players,
// one seat entry per remote player's name, appended in the order they were
// first saved and never deleted.
#include <QFile>

#include "engine/paths.h"
#include "engine/state.h"
#include "net/internet_setup.h"
#include "platform/recordfile.h"
#include "platform/vb.h"
#include "records/personality.h"
#include "records/profile_record.h"

namespace grisk {

namespace {

constexpr int kKeyLength = 20;    // the name as an entry stores it
constexpr int kAvatarLength = 30;

QString key(const QString& name) { return vb::UCase(vb::Trim(vb::Left(name, kKeyLength))); }

}  // namespace

bool AvatarFileLookup(PlayerRecord& rec, bool Save) {
    const QString path = eng.UserFolder + eng.PlayerName + ".avt";
    vb::RecordFile file;
    int index = 1;
    if (QFile::exists(path)) {
        if (!file.open(path, kOpponentSeatRecordLength)) return !Save;
        const int count = file.recordCount();
        for (; index <= count; ++index) {
            QByteArray bytes;
            file.read(index, bytes);
            OpponentSeatRecord entry = OpponentSeatRecord::decode(bytes);
            if (key(entry.Name) != key(rec.Name)) continue;
            if (Save) {
                entry.Avatar = vb::Left(rec.Avatar, kAvatarLength);
                return file.write(index, entry.encode());
            }
            const QString picture = vb::Trim(entry.Avatar);
            if (IsPlainFileName(picture) && FileExists(eng.UserFolder + "Avatars/" + picture)) rec.Avatar = picture;
            return true;
        }
    } else if (Save) {
        if (!file.open(path, kOpponentSeatRecordLength, vb::RecordFile::Mode::OpenOrCreate)) return false;
    }
    if (!Save) return true;
    OpponentSeatRecord entry;
    entry.Name = vb::Left(rec.Name, kKeyLength);
    entry.Avatar = vb::Left(rec.Avatar, kAvatarLength);
    return file.write(index, entry.encode());
}

}  // namespace grisk
