// The computer seat's turn: the hand, the opening remark, the passes of
// pay-off and planned plays, the discard and the end of the turn.
#include "opponent/computer.h"

#include "engine/cards.h"
#include "engine/end_turn.h"
#include "engine/frm_grisk.h"
#include "engine/game_end.h"
#include "engine/general.h"
#include "engine/piles.h"
#include "engine/player_record.h"
#include "engine/program_sound.h"
#include "engine/state.h"
#include "net/state.h"
#include "opponent/planner.h"
#include "opponent/planner_internal.h"
#include "opponent/seat_voice.h"
#include "opponent/state.h"
#include "platform/eventwait.h"
#include "records/state.h"

namespace grisk {

using namespace plan;

namespace {

constexpr int kHoldPileMost = 30;  // cards a computer's hold pile holds at most
constexpr int kMissedRemark = 21;
constexpr int kPayoffRemark = 22;
constexpr int kPayoffSound = 12;
// Passes one turn may take; far more than a turn that plays the whole stock
// needs, so only a defect reaches it.
constexpr int kMostPasses = 2000;

bool isPile(int c) { return c >= 1 && c <= eng.NumCenters; }

// True while the seat's turn goes on: no stalemate gave the game up, no
// pay-off card ended it, the program is not closing.
bool turnGoesOn(int seat) { return eng.Pturn == seat && eng.StalemateState != 1; }

// Phase 2: a remark on the human's missed play or on the seat's own
// pay-off card.
void openingRemark() {
    for (int c = 1; c <= eng.NumCenters; ++c) {
        const int v = eng.CenterCount(c) + 1;
        if (humanPayoff() == v && eng.HumanMissedMove) {
            bool held = false;
            for (int s = 2; s <= 10 && !held; ++s) held = eng.OppSlots(1, s) == v;
            if (!held) continue;
            SayRemark(kMissedRemark);
            eng.HumanMissedMove = PlayerMissedMove();
            if (recs.SoundLevel == 0) PlayProgramSound(kSoundRemark);
            if (!eng.NoComments) Pause(0.75);
            return;
        }
        if (ownPayoff() == v && !otherPileShows(eng.CenterCount(c), c)) {
            SayRemark(kPayoffRemark);
            waits::DoEvents();
            if (recs.SoundLevel == 0) PlaySeatSoundToEnd(kPayoffSound);
            return;
        }
    }
}

// Step 4 of a pass: the pay-off top is a King.
void aimWildPayoff() {
    opp.PayoffIsWild = true;
    opp.BlockCenter = 0;
    const int H = humanPayoff();
    int c = 1;
    for (; c <= eng.NumCenters; ++c) {
        if (eng.CenterCount(c) + 1 != H) continue;
        if (H == 1 && eng.NoWildAce) {
            opp.BlockCenter = 0;
            break;
        }
        if (eng.NumPlayers >= 3 && eng.Pturn == 2 && eng.CenterCount(c) + 2 == eng.Player3.Slots(1, 1)) continue;
        if (eng.NumPlayers == 4 && eng.Pturn == 3 && eng.CenterCount(c) + 2 == eng.Player4.Slots(1, 1)) continue;
        opp.BlockCenter = c;
        break;
    }
    eng.TargetCenter = c;
    if (!eng.NoWildAce) {
        Move_Wild();
        return;
    }
    if (isPile(c) && eng.CenterCount(c) != 0) opp.SidePlay = 2;
    if (!(opp.SidePlay == 2 && level() < Ruthless)) {
        bool anyStarted = false;
        for (int k = 1; k <= eng.NumCenters; ++k) anyStarted = anyStarted || eng.CenterCount(k) != 0;
        if (anyStarted)
            Move_Wild();
        else
            opp.SidePlay = 0;
    }
    if (opp.SidePlay == 2 && level() < Ruthless) opp.SidePlay = 1;
}

// Step 6 of a pass: the pay-off card goes to the centre. False when it
// turned out not to fit (the planner step follows).
bool playPayoff(vb::ControlArray& owner) {
    for (int f : {0, 1}) eng.MoveCard(f) = eng.OppSlots(f, 1);
    const bool king = eng.MoveCard(1) == kKing;
    opp.SideBestCenter = CenterBestToPlay(eng.MoveCard(1), true);
    if (eng.TargetCenter == 0 || !isPile(eng.TargetCenter)) eng.TargetCenter = opp.SideBestCenter;
    if (king && opp.SidePlay == 99) {
        Ck_Player();
        eng.TargetCenter = CenterBestToPlay(kKing, true);
        opp.SidePlay = 1;
    }
    if (!isPile(eng.TargetCenter)) eng.TargetCenter = opp.SideBestCenter;
    if (king && eng.NoWildAce && eng.CenterCount(eng.TargetCenter) == 0) {
        eng.TargetCenter = opp.SideBestCenter;
        if (!isPile(eng.TargetCenter) || eng.CenterCount(eng.TargetCenter) == 0) {
            opp.SidePlay = 0;
            return false;
        }
    }
    // The card must fit the pile it is aimed at.
    if (!king && eng.MoveCard(1) != eng.CenterCount(eng.TargetCenter) + 1) {
        opp.SidePlay = 0;
        return false;
    }

    TakePayoffTop();
    Comp_Flip(1, eng.TargetCenter, owner);
    Pause(eng.CompDelay);
    if (eng.CenterCount(eng.TargetCenter) == kFullPile) Add_Used();
    return true;
}

// One pass's pay-off part (steps 2 to 5): whether the pay-off card is to be
// played (SidePlay not 0 and not 88).
void lookAtPayoff() {
    opp.PlayFound = 0;
    Ck_Player();
    opp.SideBestCenter = CenterBestToPlay(ownPayoff(), true);
    opp.SidePlay = 1;
    opp.PayoffIsWild = false;
    opp.RestartPass = false;
    const int P = ownPayoff();
    if (eng.OppSideCount <= 0 || P == 0) {
        opp.SidePlay = 0;
    } else if (P != kKing) {
        opp.SidePlay = 0;
        for (int c = 1; c <= eng.NumCenters; ++c) {
            if (eng.CenterCount(c) + 1 == P) {
                eng.TargetCenter = c;
                opp.SidePlay = 1;
                break;
            }
        }
    } else {
        aimWildPayoff();
    }
    if (opp.RestartPass) opp.SidePlay = 88;
}

void searchFrom(int c) {
    eng.TargetCenter = c;
    opp.PlanNextSlot = 2;
    opp.PlanMode = 0;
    opp.PlanStartCenter = eng.TargetCenter;
    Move_Comp();
}

// Step 8: the planner's plays. True when the turn should take another pass.
bool plannerStep(int seat) {
    const int before = opp.CardsMoved;
    searchFrom(isPile(opp.SideBestCenter) ? opp.SideBestCenter : 1);
    if (opp.PlayFound == 1) Comp_Play();
    opp.ForcedPlay = 0;
    if (!turnGoesOn(seat)) return false;
    if (opp.PlayFound != 0 && opp.CardsMoved != before) return true;
    Comp_BeforeDrop();
    if (!turnGoesOn(seat)) return false;
    if ((opp.PlayFound == 1 && opp.ForcedPlay == 1) || opp.ForcedPlay == 2) {
        Move_Plan();
        Comp_Play();
    } else if (opp.NoReplan == 0) {
        eng.TargetCenter = isPile(opp.HumanCenter) ? opp.HumanCenter : 1;
        Move_Comp();
        if (opp.PlayFound == 1) Comp_Play();
        opp.WildPayoffCenter = 0;
        opp.WildPayoffShift = 0;
        opp.ForcedPlay = 0;
    }
    return turnGoesOn(seat) && opp.PlayFound != 0 && opp.CardsMoved != before;
}

// Step 9: the discard choice, mended by the forced-card rules that test
// only the discarded card. True when a forced play was made and the turn
// takes another pass.
bool chooseDiscard() {
    Comp_Drop();
    const int s = eng.TargetCenter;
    if (s < 2 || s > 6) return false;
    const int r = eng.OppSlots(1, s);
    const int forced = eng.ForcedCards;
    int pile = 0;
    int play = 0;
    if (r == 1 && (forced == 5 || forced == 7)) {
        if (level() == Ruthless && eng.OppSlots(1, 2) != 1 && s != 2) {
            eng.TargetCenter = 2;
            return false;
        }
        for (int c = 1; c <= eng.NumCenters && pile == 0; ++c)
            if (eng.CenterCount(c) == 0) pile = c;
        play = 1;
    } else if (r == 2 && (forced == 6 || forced == 7)) {
        for (int c = 1; c <= eng.NumCenters && pile == 0; ++c)
            if (eng.CenterCount(c) == 1) pile = c;
        play = 2;
    }
    if (pile == 0) return false;
    const int before = opp.CardsMoved;
    opp.PlayFound = 1;
    opp.ForcedPlay = play;
    opp.PlanSource = s;
    eng.TargetCenter = pile;
    Move_Plan();
    Comp_Play();
    return opp.PlayFound != 0 && opp.CardsMoved != before;
}

// The hold pile that takes the discard: the chosen one unless it is full,
// else the next with 28 cards or fewer (4 wraps to 1), else the next with
// room at all; 0 when all four are full.
int pileWithRoom(int chosen) {
    if (eng.OppHoldTable(chosen, 1) < kHoldPileMost) return chosen;
    for (int limit : {kHoldPileMost - 2, kHoldPileMost - 1}) {
        int p = chosen;
        for (int step = 0; step < 4; ++step) {
            p = p % 4 + 1;
            if (eng.OppHoldTable(p, 1) <= limit) return p;
        }
    }
    return 0;
}

// A hand slot that holds a card for the discard, 0 when the hand is empty.
int discardSlot() {
    int s = eng.TargetCenter;
    if (s < 2 || s > 6) {
        Beeps(3);
        s = opp.DropFallback;
    }
    if (s >= 2 && s <= 6 && eng.OppSlots(1, s) != 0) return s;
    for (s = 2; s <= 6; ++s)
        if (eng.OppSlots(1, s) != 0) return s;
    return 0;
}

// Phase 4: the discard onto its hold pile, with the pile's run type.
void placeDiscard() {
    if (opp.MoveSlot < 1 || opp.MoveSlot > 4) {
        Beeps(2);
        opp.MoveSlot = 1;
    }
    const int s = discardSlot();
    const int p = pileWithRoom(opp.MoveSlot);
    eng.TargetCenter = s;
    opp.MoveSlot = p;
    if (s == 0 || p == 0) {
        opp.MoveSlot = 0;
        return;
    }
    const int n = eng.OppHoldTable(p, 1) + 1;
    eng.OppHoldTable(p, 1) = n;
    for (int f : {0, 1}) eng.OppHold(f, p, n) = eng.OppSlots(f, s);
    if (n > 1) eng.OppHoldTable(p, 2) = HoldRunType(eng.OppHold, p, n, eng.OppHoldTable(p, 2));
}

// A stalemate given up inside the turn ends it: the seat's cards are put
// back into its record all the same, so that the record holds every card
// the seat has (the hand it was dealt before the stock ran out).
void keepSeatAfterStalemate(int seat) {
    if (eng.StalemateState == 1) ExchangePlayerRecord(SeatRecord(seat), true);
}

}  // namespace

void Computer() {
    if (eng.Pturn < 2 || eng.Pturn > 4) return;
    const int seat = eng.Pturn;
    inet.NetState = 0;
    vb::ControlArray& owner = frmGrisk().seatPictures(seat);
    if (eng.RecountHand != 0) {
        eng.HandCount = HandCards(eng.OppSlots);
    } else {
        Deal_Players(owner, eng.OppSlots);
        if (eng.StalemateState == 1) {
            keepSeatAfterStalemate(seat);
            return;
        }
        if (eng.StalemateState == 2) eng.StalemateState = 0;
    }
    if (eng.TurnStart == 0) openingRemark();

    if (eng.NumPlayers == eng.Pturn) eng.RecountHand = 0;
    Pause(eng.CompDelay);
    opp.WildPayoffCenter = opp.WildPayoffShift = opp.ForcedPlay = 0;
    opp.CardsMoved = 0;

    for (int pass = 0; pass < kMostPasses && turnGoesOn(seat); ++pass) {
        lookAtPayoff();
        if (opp.SidePlay == 88) continue;
        if (opp.SidePlay != 0 && playPayoff(owner)) {
            if (eng.OppSideCount == 0) {
                Game_End();
                return;
            }
            if (!turnGoesOn(seat)) break;
            if (opp.SidePlay != 0) continue;
        }
        if (plannerStep(seat) || (turnGoesOn(seat) && chooseDiscard())) continue;
        break;
    }
    if (!turnGoesOn(seat)) {
        keepSeatAfterStalemate(seat);
        return;
    }

    placeDiscard();
    frmGrisk().Label9(2).setCaption(QStringLiteral("  "));
    Move_End_Turn(owner);
}

}  // namespace grisk
