#include "table/layout_reset.h"

#include <vector>

#include "engine/frm_grisk.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "net/state.h"
#include "opponent/state.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/avatar.h"
#include "table/card_drawing.h"
#include "table/display_size.h"
#include "table/layout_centre.h"
#include "table/layout_geometry.h"
#include "table/layout_pictures.h"
#include "table/layout_stacks.h"
#include "table/state.h"
#include "table/wild_counters.h"

namespace grisk {

namespace {

constexpr int32_t kEmptyCentreColor = 0x80C0FF;

// The centre-pile arrays and the planner's tables for `centres` piles.
void redimCentreArrays(int centres) {
    eng.CenterCount.redim({{0, centres}});
    eng.CenterPile.redim({{0, 1}, {0, centres}, {0, 12}});
    opp.PlanMoves.redim({{0, centres}, {0, 15}});
    opp.PlanSet.redim({{0, centres}, {0, 1}});
}

void redimStock() {
    eng.Deck.redim({{0, 2}, {0, eng.TotalCards}});
    eng.Used.redim({{0, 1}, {0, eng.TotalCards}});
}

// The pile-information window is hidden and the card counter closed.
void closeCompanionWindows() {
    const std::vector<vb::Form*> open = vb::forms::loaded();
    for (vb::Form* form : open) {
        if (form->Name() == QLatin1String("frmHold") && form->Visible()) form->Hide();
        if (form->Name() == QLatin1String("frmCounter")) form->Unload(1);
    }
}

// Slot pictures of the seats at the table: hands and pay-off piles hidden,
// hold piles shown empty without their outlines.
void clearSlotPictures(FrmGrisk& f) {
    std::vector<vb::ControlArray*> seats = {&f.Picture1, &f.Picture7};
    if (eng.NumPlayers >= 3) seats.push_back(&f.Picture2);
    if (eng.NumPlayers == 4) seats.push_back(&f.Picture3);
    for (int slot = 1; slot <= 10; ++slot) {
        if (f.Picture7.exists(slot) && f.Picture7(slot).Enabled()) f.Picture7(slot).setEnabled(false);
        for (vb::ControlArray* seat : seats) {
            if (!seat->exists(slot)) continue;
            if (slot <= 6) {
                (*seat)(slot).setVisible(false);
            } else {
                DrawCard(*seat, slot, 0, kEmptyMark);
                ShowPileOutline((*seat)(slot), false, slot - 6);
            }
        }
    }
}

}  // namespace

void ResetTableDisplay() {
    FrmGrisk& f = frmGrisk();
    ShowCentrePiles();

    eng.SideShape = 25 - eng.SideOption;
    eng.OppSideShape = 50 - eng.SideOption;
    eng.Pturn = 0;
    eng.SideCount = 0;
    eng.OppSideCount = 0;
    eng.HandCount = 5;
    eng.UsedCount = 0;
    WildUpdate();

    f.ImgTurn2.setVisible(false);
    f.ImgTurn1.setVisible(false);
    f.ImgHold.setVisible(false);
    f.cmdDeal.setVisible(false);
    f.Timer1.Enabled = false;
    inet.PeerPeeking = false;
    f.LabelPeek.setCaption(QString());
    f.LabelPeek.setVisible(false);
    if (inet.NetPeers == 0) {
        f.Label9(2).setCaption(QString());
        f.Label9(1).setCaption(QString());
    }

    recs.NudgeCount.clear();
    eng.OppHoldTable.clear();
    eng.PlayerHoldCount.clear();
    eng.OppHold.clear();
    eng.PlayerHold.clear();
    eng.OppSide.clear();
    eng.PlayerSide.clear();
    eng.PlayerSlots.clear();
    eng.OppSlots.clear();
    eng.CenterPile.redim({{0, 1}, {0, eng.NumCenters}, {0, 12}});
    eng.CenterCount.redim({{0, eng.NumCenters}});
    redimStock();

    if (tbl.DisplayMode == 0 && !cmd.UndoRequested) {
        ComputeTableCoordinates();
        PlacePilePictures();
    }

    ClearPlayerRecords();

    const bool keepRuns = cmd.KeyRestartTurn || cmd.UndoRequested || cmd.ReplayMode;
    for (int row = 1; row <= 4; ++row) {
        if (keepRuns && row != 1 && !(row == 3 && cmd.ReplayMode)) continue;
        for (int col = 0; col <= 5; ++col) recs.BestRun(row, col) = 0;
    }

    for (int seat = 1; seat <= 4; ++seat) {
        if (seat == 3 && !tbl.Seat3Loaded) continue;
        if (seat == 4 && !tbl.Seat4Loaded) continue;
        for (int i = StackFirst(seat); i <= StackLast(seat); ++i)
            if (f.Stack.exists(i) && f.Stack(i).Visible()) f.Stack(i).setVisible(false);
    }

    if (cmd.UndoRequested) return;
    clearSlotPictures(f);

    for (int c = 1; c <= eng.NumCenters; ++c) {
        if (f.PicCenter.exists(c)) {
            vb::Control& pile = f.PicCenter(c);
            pile.setBackColor(kEmptyCentreColor);
            ShowEmptyPile(pile);
        }
        if (f.LblWild.exists(c)) f.LblWild(c).setVisible(false);
    }
    f.PicCenter(0).setBackColor(recs.PlainColor);
    f.PicCenter(0).setVisible(true);
    f.Label1.setVisible(true);

    cmd.CounterUsed = false;
    eng.Peeking = false;
    closeCompanionWindows();
}

void ShowOpponentNames() {
    FrmGrisk& f = frmGrisk();
    f.Label9(4).setCaption(eng.Player2.Name);
    if (eng.NumPlayers > 2 && f.Label9.exists(5)) f.Label9(5).setCaption(eng.Player3.Name);
    if (eng.NumPlayers == 4 && f.Label9.exists(6)) f.Label9(6).setCaption(eng.Player4.Name);
    if (eng.Pturn == 0) ShowAvatar(eng.Player2.Avatar);
}

void SetPlayerCount(int players, int centres) {
    const int entryMode = tbl.DisplayMode;
    if (entryMode >= 1) {
        // The display change runs with the new counts in place.
        const int keepPlayers = eng.NumPlayers;
        const int keepCentres = eng.NumCenters;
        eng.NumCenters = centres;
        eng.NumPlayers = players;
        redimCentreArrays(eng.NumCenters);
        ChangeDisplayMode(tbl.DisplayMode != 1 ? 1 : 0);
        eng.NumPlayers = keepPlayers;
        eng.NumCenters = keepCentres;
    }

    if (eng.NumPlayers >= 3) {
        RedimForFourCentres();
        SetupCenterPiles();
        eng.TotalCards = eng.NumPlayers * 52;
        redimStock();
        SetupOpponentSets(eng.NumPlayers);
    } else {
        redimStock();
        const int keepCentres = eng.NumCenters;
        eng.NumCenters = 3;
        ArrangeTable();
        eng.NumCenters = keepCentres;
        if (eng.NumCenters == 4) {
            RedimForFourCentres();
            SetupCenterPiles();
        }
    }

    // Back to the display mode the table had: rows moved up again, or the
    // small cards again.
    if (entryMode == 1) ChangeDisplayMode(0);
    if (entryMode > 1) ChangeDisplayMode(1);
}

void RedimForFourCentres() {
    if (eng.NumCenters != 4) return;
    // The arrays may still be sized for three piles although the fourth
    // pile's pictures exist (they are made at every table of three or more).
    const bool tooSmall = eng.CenterCount.ubound() < 4 || eng.CenterPile.ubound(2) < 4 ||
                          opp.PlanMoves.ubound() < 4 || opp.PlanSet.ubound() < 4;
    if (!tbl.Center4Loaded || tooSmall) redimCentreArrays(4);
}

}  // namespace grisk
