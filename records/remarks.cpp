#include "records/remarks.h"

#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/program_sound.h"
#include "engine/state.h"
#include "platform/random.h"
#include "records/state.h"
#include "table/avatar.h"

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

void ShowRandomComment() {
    FrmGrisk& f = frmGrisk();
    f.Timer1.Enabled = false;
    auto& nudge = recs.NudgeCount;
    if (nudge(0) < 0 || nudge(0) > 3) return;
    if (eng.NumPlayers >= 3) ShowAvatar(eng.Player2.Avatar);
    if (nudge(0) == 0) {
        for (int i = 1; i <= 3; ++i) {
            int r = 0;
            do {
                r = static_cast<int>(vb::Rnd() * 3) + 1;
            } while (r == nudge(1 + i % 3) || r == nudge(1 + (i + 1) % 3));
            nudge(i) = r;
        }
        nudge(0) = 1;
    }
    static constexpr int kIdleLine[] = {0, 29, 30, 28};
    const int k = nudge(nudge(0));
    if (k >= 1 && k <= 3) f.Label9(2).setCaption(eng.Comments(kIdleLine[k]));
    nudge(0) += 1;
}

}  // namespace grisk
