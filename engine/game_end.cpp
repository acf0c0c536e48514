#include "engine/game_end.h"

#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/state.h"

namespace grisk {

void Game_End() {
    FrmGrisk& f = frmGrisk();
    f.Timer1.Enabled = false;
    EnablePileRange(f.Picture7, false, 2, 6);
    eng.Pturn = 0;
    f.cmdDeal.setVisible(true);
}

}  // namespace grisk
