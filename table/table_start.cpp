#include "table/table_start.h"

#include "engine/frm_grisk.h"
#include "engine/startup.h"
#include "engine/state.h"
#include "platform/vb.h"
#include "shell/state.h"
#include "table/avatar.h"
#include "table/display_size.h"
#include "table/layout_centre.h"
#include "table/layout_redraw.h"
#include "table/layout_reset.h"
#include "table/layout_sizes.h"
#include "table/layout_stacks.h"
#include "table/pile_labels.h"
#include "table/state.h"
#include "table/table_fit.h"

namespace grisk {

namespace {
// Below this width large cards do not fit: the table is always small.
constexpr double kSmallScreenTw = 10000;
// The main window's placement of the last run is stored.
constexpr int kPlacementStored = 20;
}  // namespace

void LayOutFirstTable() {
    const int mode = tbl.DisplayMode;
    tbl.DisplayMode = 0;
    SetPlayerCount(eng.NumPlayers, eng.NumCenters);
    tbl.DisplayMode = mode;
    ShowOpponentNames();
    SetHoldImagePicture();
    PositionPileLabels();
}

void ApplyStartDisplayMode() {
    FrmGrisk& f = frmGrisk();
    if (tbl.DisplayMode < 2 && eng.ScreenWidthTw < kSmallScreenTw) {
        tbl.SmallDisplay = true;
        tbl.DisplayMode = 2;
        DisableDisplayMenuForSmallScreen();
        for (int panel : {1, 4, 5, 8}) f.StatusBar1.Panels(panel).MinWidth = 700;
        f.StatusBar1.Panels(5).Text = QStringLiteral("Grisk:");
    }
    // A small table stored on such a screen cannot be made large either.
    if (eng.ScreenWidthTw < kSmallScreenTw) DisableDisplayMenuForSmallScreen();
    eng.OppSideShape = 99;

    switch (tbl.DisplayMode) {
    case 1:
        tbl.DisplayMode = 0;
        cmd.FormLoading = false;
        ChangeDisplayMode(0);
        break;
    case 2:
        ChangeDisplayMode(1);
        tbl.CardSpacing = vb::CInt(82 * 0.8);
        break;
    case 3:
        tbl.DisplayMode = 0;
        ChangeDisplayMode(0);
        ChangeDisplayMode(1);
        tbl.CardSpacing = vb::CInt(82 * 0.8);
        break;
    default: break;
    }

    f.setScaleMode(vb::ScaleMode::Twips);
    // A window the layout sized (none was stored) takes the height of the
    // size now in force, not the large size it was first laid out in.
    if (f.PlacementSaved != kPlacementStored) {
        ComputeVerticalLayout();
    } else {
        // The stored size stays (within the screen); the table is kept on it.
        if (eng.NumPlayers == 2) RelayoutCenter();
        KeepHumanRowsInHeight();
        KeepStockClear();
        KeepTextLinesClear();
    }
    cmd.FormLoading = false;
    RedrawTable();
}

void PlaceStockOnShownTable() {
    FrmGrisk& f = frmGrisk();
    f.PicCenter(0).setVisible(true);
    f.setScaleMode(vb::ScaleMode::Pixels);
    if (eng.ScreenWidthTw > 12000) LayoutCenterArea();
    KeepStockClear();
    KeepTextLinesClear();
}

void LayOutTableAsStartUp(int players, int centres, int storedMode) {
    LoadPilePictures();
    cmd.FormLoading = true;
    eng.NumPlayers = players;
    eng.NumCenters = centres;
    eng.TotalCards = 52 * players;
    tbl.DisplayMode = storedMode;
    CreateStackShapes();
    CreatePileOutlines();
    LayOutFirstTable();
    // The first start: no placement is stored, the window is sized for
    // the table.
    ComputeVerticalLayout();
    ApplyStartDisplayMode();
    ShowAvatar(eng.Player2.Avatar);
    PlaceStockOnShownTable();
}

}  // namespace grisk
