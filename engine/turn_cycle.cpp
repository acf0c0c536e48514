#include "engine/turn_cycle.h"

#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "net/protocol.h"
#include "net/state.h"
#include "records/saved_games.h"
#include "records/state.h"
#include "shell/state.h"

namespace grisk {

namespace {

// The seat's turn ends: its record is stored back and the turn passes to the
// next seat of SeatOrder; back at the human, the turn is announced and
// auto-saved. Until the computer player's own turn is built, a computer
// seat plays nothing and passes.
void passTurnOn(PlayerRecord& rec) {
    ExchangePlayerRecord(rec, true);
    eng.HandCount = 5;
    eng.TurnIndex += 1;
    if (eng.TurnIndex > eng.NumPlayers) eng.TurnIndex = 1;
    eng.Pturn = eng.SeatOrder(eng.TurnIndex);
    eng.MoveLogPos = 0;
    if (eng.Pturn != 1) return;

    FrmGrisk& f = frmGrisk();
    f.Label9(1).setCaption(QStringLiteral("\n\n     It's your turn..."));
    // The hand is full after the deal (TurnStart 2); refilling it after a
    // turn of the human's comes with the computer's own turn end.
    eng.TurnStart = 0;
    if (recs.AutoSaveOn) {
        recs.TurnCount += 1;
        AutoSaveGame();
        eng.MoveLogPos = 1;
        BuildSaveRecord();
        WriteMoveLogRecord(1);
    }
    f.ImgTurn1.setVisible(true);
    f.ImgTurn2.setVisible(false);
    EnablePileRange(f.Picture7, true, 1, 10);
}

}  // namespace

void ComputerTurn() {
    if (eng.Quitting) {
        eng.GameBusy = false;
        return;
    }
    const bool local = inet.NetPeers == 0;
    eng.GameBusy = local;
    if (!local && inet.NetState == nsEndGame) return;

    FrmGrisk& f = frmGrisk();
    while (eng.Pturn >= 2) {
        if (eng.Quitting || cmd.RestartRequested) break;
        PlayerRecord& rec = SeatRecord(eng.Pturn);
        ExchangePlayerRecord(rec, false);
        ShowPlayerStatus(rec);
        f.Label9(1).setCaption(eng.TurnName + "'s turn");
        // A remote player's turn is played out by the Internet game.
        if (!local) return;
        if (eng.NumPlayers >= 3 && eng.LevelNames.inRange({eng.OppLevel}))
            f.lblLevel.setCaption(eng.LevelNames(eng.OppLevel));
        passTurnOn(rec);
    }
    eng.GameBusy = false;
}

}  // namespace grisk
