#include "table/status_bar.h"

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "records/state.h"

namespace grisk {

void StatusBar_Clear() {
    vb::Control& bar = frmGrisk().StatusBar1;
    for (int p = 2; p <= 8 && p <= bar.PanelCount(); ++p) bar.Panels(p).Text.clear();
    bar.Panels(1).Text = eng.PlayerName + ":";
    bar.Panels(5).Text = recs.OppName + ":";
    bar.Panels(4).ToolTipText = eng.PlayerName + ": Side/Hand";
    bar.Panels(8).ToolTipText = QStringLiteral(" Opponent: Side/Hand");
}

}  // namespace grisk
