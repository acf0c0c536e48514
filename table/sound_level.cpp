#include "table/sound_level.h"

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/sound.h"
#include "records/state.h"

namespace grisk {

void ChangeNoise() {
    FrmGrisk& f = frmGrisk();
    switch (recs.SoundLevel) {
    case 0:
        f.Label9(2).setCaption(QStringLiteral("YEAH!"));
        sound::PlayAsync(eng.SoundFiles(13));
        break;
    case 1: f.Label9(2).setCaption(QStringLiteral("Let's hold it down a little guys!")); break;
    case 2: f.Label9(2).setCaption(QStringLiteral("Ahhh... the sounds of silence...")); break;
    default: break;
    }
    sound::PlayAsync(eng.SoundFiles(2));
}

}  // namespace grisk
