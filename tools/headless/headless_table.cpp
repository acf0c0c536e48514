#include "headless_table.h"

#include "engine/state.h"
#include "platform/controls.h"
#include "platform/eventwait.h"
#include "platform/msgbox.h"
#include "platform/twips.h"
#include "records/state.h"
#include "table/state.h"
#include "table/table_start.h"

using namespace grisk;

namespace headless {

void StartEngine(const QString& folder) {
    vb::forms::setScreenWindows(false);
    vb::msgbox_script::enable();
    waits::SetPauseScale(0);
    ResetAllState();
    eng.DataFolder = folder + "/";
    eng.UserFolder = folder + "/";
}

void LayOutTable(int players, int centres, double screenWidthTw, double screenHeightTw) {
    screen::Metrics m;
    m.widthTw = screenWidthTw;
    m.heightTw = screenHeightTw;
    screen::Inject(m);
    eng.ScreenWidthTw = m.widthTw;
    eng.ScreenHeightTw = m.heightTw;
    LayOutTableAsStartUp(players, centres, 0);
    tbl.PaintCards = false;
    recs.SkipWinShow = true;
    recs.SkipLoseShow = true;
    recs.SoundLevel = 2;
    eng.CompDelay = 0;
}

}  // namespace headless
