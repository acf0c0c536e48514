#include "opponent/seat_voice.h"

#include <QApplication>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/sound.h"
#include "records/state.h"

namespace grisk {

void SayRemark(int n) {
    if (!eng.NoComments) frmGrisk().Label9(2).setCaption(eng.Comments(n));
}

void PlaySeatSoundToEnd(int n) { recs.SoundResult = sound::PlaySync(eng.SoundFiles(n)) ? 1 : 0; }

void Beeps(int n) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return;
    for (int i = 0; i < n; ++i) QApplication::beep();
}

}  // namespace grisk
