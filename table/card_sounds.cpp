#include "table/card_sounds.h"

#include "engine/state.h"
#include "platform/sound.h"
#include "records/state.h"

namespace grisk {

QString CardSoundFile(int soundNo, int soundSet) {
    // Sound numbers 1..5 in the first set, then in the second set.
    static const int first[] = {113, 112, 111, 115, 114};
    static const int second[] = {118, 117, 116, 120, 119};
    if (soundNo < 1 || soundNo > 5) return QString();
    const int n = soundSet == 1 ? first[soundNo - 1] : second[soundNo - 1];
    return QStringLiteral("~%1.tmp").arg(n);
}

void PlayCardSound(int soundNo) {
    const QString name = CardSoundFile(soundNo, recs.SoundSet);
    if (name.isEmpty()) {
        recs.SoundResult = 0;
        return;
    }
    recs.SoundResult = sound::PlayAsync(eng.DataFolder + name) ? 1 : 0;
}

}  // namespace grisk
