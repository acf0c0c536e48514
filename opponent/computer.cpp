// The computer seat's turn, as far as it goes for now: the hand, the remark
// on the human's missed pay-off card, and a discard.
#include "opponent/computer.h"

#include "engine/cards.h"
#include "engine/end_turn.h"
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/piles.h"
#include "engine/program_sound.h"
#include "engine/state.h"
#include "net/state.h"
#include "opponent/state.h"
#include "records/state.h"

namespace grisk {

namespace {

constexpr int kHoldPileMost = 30;  // cards a computer's hold pile holds at most
constexpr int kMissedRemark = 21;

// The human left a pay-off card that fits a centre pile: the seat says so.
void remarkOnMissedCard() {
    if (eng.TurnStart != 0 || !eng.HumanMissedMove || !PlayerMissedMove()) return;
    if (!eng.NoComments) frmGrisk().Label9(2).setCaption(eng.Comments(kMissedRemark));
    eng.HumanMissedMove = PlayerMissedMove();
    if (recs.SoundLevel == 0) PlayProgramSound(kSoundRemark);
    if (!eng.NoComments) Pause(0.75);
}

// The first hand card, onto the hold pile with the fewest cards: the card's
// slot in TargetCenter, the pile in MoveSlot (0 when every pile is full).
void chooseDiscard() {
    eng.TargetCenter = 0;
    for (int s = 2; s <= 6 && eng.TargetCenter == 0; ++s)
        if (eng.OppSlots(1, s) != 0) eng.TargetCenter = s;
    opp.MoveSlot = 0;
    for (int p = 1; p <= 4; ++p) {
        const int n = eng.OppHoldTable(p, 1);
        if (n < kHoldPileMost && (opp.MoveSlot == 0 || n < eng.OppHoldTable(opp.MoveSlot, 1))) opp.MoveSlot = p;
    }
}

// The discard joins its pile in the seat's hold piles.
void putOnHoldPile() {
    const int p = opp.MoveSlot;
    eng.OppHoldTable(p, 1) += 1;
    for (int f : {0, 1}) eng.OppHold(f, p, eng.OppHoldTable(p, 1)) = eng.OppSlots(f, eng.TargetCenter);
}

}  // namespace

void Computer() {
    if (eng.Pturn < 2 || eng.Pturn > 4) return;
    inet.NetState = 0;
    vb::ControlArray& owner = frmGrisk().seatPictures(eng.Pturn);
    if (eng.RecountHand != 0) {
        eng.HandCount = 0;
        for (int s = 2; s <= 6; ++s)
            if (eng.OppSlots(1, s) != 0) eng.HandCount += 1;
    } else {
        Deal_Players(owner, eng.OppSlots);
        if (eng.StalemateState == 1) return;
        if (eng.StalemateState == 2) eng.StalemateState = 0;
    }
    remarkOnMissedCard();
    if (eng.NumPlayers == eng.Pturn) eng.RecountHand = 0;
    Pause(eng.CompDelay);

    chooseDiscard();
    if (eng.TargetCenter != 0 && opp.MoveSlot != 0) putOnHoldPile();
    Move_End_Turn(owner);
}

}  // namespace grisk
