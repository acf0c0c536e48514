#include "table/status_bar.h"

#include "engine/frm_grisk.h"
#include "engine/player_record.h"
#include "engine/restart_turn.h"
#include "engine/state.h"
#include "records/state.h"
#include "shell/state.h"

namespace grisk {

void StatusBar_Clear() {
    vb::Control& bar = frmGrisk().StatusBar1;
    for (int p = 2; p <= 8 && p <= bar.PanelCount(); ++p) bar.Panels(p).Text.clear();
    bar.Panels(kPanelOppName).Spring = true;
    ShowHumanNameOnStatusBar();
    bar.Panels(kPanelOppName).Text = recs.OppName + ":";
    bar.Panels(8).ToolTipText = QStringLiteral(" Opponent: Side/Hand");
}

void ShowHumanNameOnStatusBar() {
    vb::Control& bar = frmGrisk().StatusBar1;
    bar.Panels(1).Text = eng.PlayerName + ":";
    bar.Panels(4).ToolTipText = eng.PlayerName + ": Side/Hand";
}

void StatusBar1_PanelClick(int panel) {
    FrmGrisk& f = frmGrisk();
    if (panel == kPanelOppName) {
        if (eng.NumPlayers < 3) return;
        if (++f.StatusOppIndex > eng.NumPlayers - 1) f.StatusOppIndex = 1;
        ShowPlayerStatus(SeatRecord(f.StatusOppIndex + 1));
    } else if (panel == kPanelUndo) {
        if (eng.Pturn != 1 || eng.MoveLogPos == 0) return;
        cmd.UndoRequested = true;
        RestartTurn();
    }
}

}  // namespace grisk
