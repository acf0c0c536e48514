#include "records/remarks.h"

#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/program_sound.h"
#include "engine/state.h"
#include "records/state.h"

namespace grisk {

void Dumbness() {
    if (!eng.NoComments) {
        const QString remark =
            eng.MoveCard(1) == kKing ? eng.Comments(31) + " " + eng.Comments(32) : eng.Comments(33);
        frmGrisk().Label9(1).setCaption(remark);
        if (recs.SoundLevel == 0) PlayProgramSound(kSoundRemark);
    }
    Pause(0.75);
}

}  // namespace grisk
