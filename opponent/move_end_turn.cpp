// The end of a computer's or a remote player's turn.
#include <QImage>

#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/piles.h"
#include "engine/state.h"
#include "engine/turn_cycle.h"
#include "net/move_lines.h"
#include "net/protocol.h"
#include "net/receive.h"
#include "net/remote_turn.h"
#include "net/sockets.h"
#include "net/state.h"
#include "opponent/computer.h"
#include "opponent/state.h"
#include "platform/sound.h"
#include "records/saved_games.h"
#include "records/state.h"
#include "records/stats.h"
#include "table/card_counter.h"
#include "table/card_drawing.h"
#include "table/layout_stacks.h"
#include "table/pile_info.h"
#include "table/state.h"

namespace grisk {

namespace {

QString turnOverCaption() {
    if (inet.NetPeers != 0) return eng.TurnName + "'s turn is over...";
    if (eng.NumPlayers == 2) return QStringLiteral("I'll drop a card now...\n     My Turn is over.");
    return eng.TurnName + " will drop\n a card now...\n" + eng.TurnName + "'s turn is over.";
}

bool hasDiscard() {
    const int s = eng.TargetCenter;
    return opp.MoveSlot >= 1 && opp.MoveSlot <= 4 && s >= 2 && s <= 6 && eng.OppSlots(1, s) != 0;
}

// The discard leaves the hand for hold slot s, on the table and in the slots.
void showDiscard(vb::ControlArray& owner, int s) {
    const int from = eng.TargetCenter;
    for (int f : {0, 1}) {
        eng.OppSlots(f, s) = eng.OppSlots(f, from);
        eng.OppSlots(f, from) = 0;
    }
    eng.HandCount -= 1;
    if (IsFormLoaded(QStringLiteral("frmCounter"))) UpdateCardCounter();

    const int card = eng.OppSlots(0, s);
    owner(from).ZOrder(0);
    DrawCard(owner, from, card, 1);
    Pause(eng.CompDelay);
    if (eng.OppHoldTable(s - 6, 1) > 1) ShowPileOutline(owner(s), true, s - 6);
    if (PileInfoShown() && tbl.InfoSel(1) == eng.Pturn && eng.InfoPile == s) RefreshPileInfo(eng.TurnName);
    owner(from).setVisible(false);
    owner(from).setPicture(QImage());
    DrawCard(owner, s, 0, 4);
    Pause(eng.CompDelay);
    DrawCard(owner, s, card, 0);
}

// An Internet game: the mover's "OK" is awaited, relayed by a host of three
// or four, and answered. False when the game was lost, restarted, given
// a new seat list or replaced by a saved game meanwhile: the turn then does
// not pass here.
bool takeTurnOver() {
    NetWaitUntil([] { return inet.NetState == nsOkay || RemoteTurnLeft(); }, {nsGameStart, nsSeatList});
    if (inet.NetState != nsOkay || RemoteTurnLeft()) return false;
    return RelayAndAnswerMove(QString::fromLatin1(kOkayLine));
}

// The turn comes back to the human at this machine.
void humanTurnStarts() {
    FrmGrisk& f = frmGrisk();
    f.Label9(1).setCaption(QStringLiteral("\n\n     It's your turn..."));
    if (eng.TurnStart == 0)
        Deal_Players(f.Picture7, eng.PlayerSlots);
    else
        eng.TurnStart = 0;
    if (recs.AutoSaveOn) {
        recs.TurnCount += 1;
        AutoSaveGame();
        eng.MoveLogPos = 1;
        BuildSaveRecord();
        WriteMoveLogRecord(1);
    }
}

}  // namespace

void Move_End_Turn(vb::ControlArray& CardOwner) {
    FrmGrisk& f = frmGrisk();
    f.Label9(1).setCaption(turnOverCaption());
    Pause(inet.NetPeers != 0 ? 0.1 : eng.CompDelay / 2);

    const bool discarded = hasDiscard();
    const int s = discarded ? opp.MoveSlot + 6 : 0;
    if (discarded) {
        opp.MoveSlot = s;
        showDiscard(CardOwner, s);
        NoteCardsMoved();
    }

    if (inet.NetPeers != 0) {
        if (!takeTurnOver()) return;
    } else {
        Pause(eng.CompDelay);
    }
    StatsCk(3, 4);
    GoUpdateOpponents();
    eng.HandCount = kHandSize;

    eng.TurnIndex += 1;
    if (eng.TurnIndex > eng.NumPlayers) eng.TurnIndex = 1;
    eng.Pturn = eng.SeatOrder(eng.TurnIndex);
    EnablePileRange(f.Picture7, false, 7, 10);
    if (recs.SoundLevel != 2) {
        sound::PlayAsync(eng.SoundFiles(2));
        Pause(0.2);
    }
    Pause(eng.CompDelay);

    if (eng.Pturn == 1) humanTurnStarts();
    if (eng.StalemateState == 1) return;
    if (eng.StalemateState == 2) eng.StalemateState = 0;
    opp.NoReplan = 0;
    if (eng.Pturn == 1) {
        eng.HumanMissedMove = false;
        f.ImgTurn1.setVisible(true);
        f.ImgTurn2.setVisible(false);
        EnablePileRange(f.Picture7, true, 1, 10);
    }
}

}  // namespace grisk
