#include "engine/end_turn.h"

#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/twips.h"

namespace grisk {

void Player_EndTurn() {
    FrmGrisk& f = frmGrisk();
    vb::Control& card = f.Picture7(eng.SourceSlot);
    card.setGeometryTw(screen::PixelsToTwips(eng.DragLeft), screen::PixelsToTwips(eng.DragTop), card.widthTw(),
                       card.heightTw());
    EnablePileRange(f.Picture7, true, 1, 10);
}

void Move_Transmit() {}

void Move_Transmit_Done() {}

}  // namespace grisk
