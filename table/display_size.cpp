#include "table/display_size.h"

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/rules.h"
#include "engine/state.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "platform/vberror.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/background.h"
#include "table/card_drawing.h"
#include "table/form_scaling.h"
#include "table/layout_centre.h"
#include "table/layout_redraw.h"
#include "table/layout_rows.h"
#include "table/layout_sizes.h"
#include "table/layout_stacks.h"
#include "table/pile_labels.h"
#include "table/state.h"
#include "table/table_fit.h"

namespace grisk {

namespace {

const QString kMoveUp = QStringLiteral("Move Cards Up");
const QString kMoveDown = QStringLiteral("Move Cards Down");
const QString kSmaller = QStringLiteral("Make Display Smaller");
const QString kLarger = QStringLiteral("Make Display Larger");

// While one of these dialogs is open over the table the window stays put.
bool dialogOpen() {
    return IsFormLoaded(QStringLiteral("frmWelcome")) || IsFormLoaded(QStringLiteral("frmPlayers")) ||
           IsFormLoaded(QStringLiteral("frmRules"));
}

void showTable(FrmGrisk& f) {
    if (f.isLoaded()) f.Show();
}

void changeSize(FrmGrisk& f) {
    if (tbl.DisplayMode == 1 || tbl.DisplayMode == 3) {
        MoveCardRows(false);
        tbl.DisplayMenuCaption[0] = kMoveUp;
    }
    if (tbl.DisplayMenuCaption[1] != kSmaller) {
        if (eng.NumPlayers == 2) ScaleFormToScreen(f, kScaleByStep, kStepLarger);
        tbl.DisplayMenuEnabled[0] = eng.ScreenWidthTw > 10000;
        tbl.DisplayMode = 0;
        tbl.DisplayMenuCaption[1] = kSmaller;
        f.setScaleMode(vb::ScaleMode::Twips);
        if (f.WindowState() == 0) f.Move(0, 0, f.Width(), f.Height());
        if (eng.NumPlayers > 2) ResizeCards(false);
    } else {
        tbl.DisplayMenuEnabled[0] = false;
        if (eng.NumPlayers == 2) ScaleFormToScreen(f, kScaleByStep, kStepSmaller);
        tbl.DisplayMode = 2;
        if (eng.NumPlayers > 2) ResizeCards(true);
        tbl.DisplayMenuCaption[1] = kLarger;
        f.Label1.setVisible(true);
    }
    if (eng.NumPlayers == 2) {
        LayoutCenterArea();
        SetCardSize();
        SizePlayerCards();
        // The centre piles take the card size too (scaling alone leaves
        // them a little smaller or larger than their cards).
        for (int c = 1; c <= eng.NumCenters; ++c)
            if (f.PicCenter.exists(c)) f.PicCenter(c).setRectPx(QRectF(f.PicCenter(c).rectPx().topLeft(), QSizeF(tbl.CardWidthPx, tbl.CardHeightPx)));
        SizeStackShapes(StackFirst(1), StackLast(2));
        PlaceHoldImage();
        // The cards take their size, not the scaled one: seat 2's name goes
        // under its pay-off pile again.
        f.setScaleMode(vb::ScaleMode::Pixels);
        f.Label9(4).setTop(NameTopUnder(f.Picture1(1), f.Label9(4).Top()));
    }
    f.Label9(2).setFontSize(recs.NameFontSize);
    if (eng.ScreenWidthTw < 12001) ShowRulesSummary();
    ClearTableImages();
    RedrawTable();
}

void change(FrmGrisk& f, int which, bool dialogs) {
    if (!dialogs) {
        if (f.WindowState() != 0) f.setWindowState(0);
        f.Hide();
    }
    // The drawn background is erased (a background picture is laid again
    // below).
    f.setPicture(QImage());
    f.setScaleMode(vb::ScaleMode::Twips);
    tbl.SmallDisplay = tbl.DisplayMode >= 2;

    if (which == 0 && tbl.DisplayMode == 0) {
        MoveCardRows(true);
        tbl.DisplayMode = 1;
        tbl.DisplayMenuCaption[0] = kMoveDown;
    } else if (which == 0 && tbl.DisplayMode == 1) {
        MoveCardRows(false);
        tbl.DisplayMode = 0;
        tbl.DisplayMenuCaption[0] = kMoveUp;
    } else if (which == 1) {
        changeSize(f);
    }

    if (eng.NumPlayers == 2 || tbl.DisplayMode < 2) CreatePileHighlightLabels();
    if (BackgroundPictureChosen()) LoadTableBackground();

    f.setScaleMode(vb::ScaleMode::Twips);
    f.Label9(3).setTop(tbl.CardHeightTw + f.Picture7(1).Top() + 100);
    if (!cmd.FormLoading) ComputeVerticalLayout();
    f.setScaleMode(vb::ScaleMode::Twips);
    // A window that reaches past the screen's right edge goes back to it.
    if (f.Left() + eng.MainFormWidth > eng.ScreenWidthTw && f.WindowState() == 0) f.setLeft(0);

    f.setScaleMode(vb::ScaleMode::Pixels);
    const bool large = tbl.DisplayMode < 2;
    for (vb::Control* tpl : {&f.Picture1(0), &f.Picture7(0)}) {
        tpl->setHeight(large ? kCardHeightPx : kSmallCardHeightPx);
        tpl->setWidth(large ? kCardWidthPx : kSmallCardWidthPx);
    }
    tbl.CardHalfSpacing = 71 - vb::CInt((142 - tbl.CardSpacing) / 2.0);
    tbl.SmallDisplay = tbl.DisplayMode >= 2;
    PositionPileLabels();
    KeepStockClear();
    KeepTextLinesClear();
}

}  // namespace

void ChangeDisplayMode(int which) {
    FrmGrisk& f = frmGrisk();
    const bool dialogs = dialogOpen();
    try {
        change(f, which, dialogs);
    } catch (const vb::Error& e) {
        eng.MsgText = "Unexpected error while resizing!\nError # " + vb::Str(e.number()) +
                      " occurred: \n" + QString::fromStdString(e.what());
        vb::MsgBox(eng.MsgText, vb::vbCritical);
        showTable(f);
        return;
    }
    if (!dialogOpen()) showTable(f);
}

void ShowDisplaySize(bool small) {
    if (small != (tbl.DisplayMode >= 2) && tbl.DisplayMenuEnabled[1]) ChangeDisplayMode(1);
    tbl.SmallDisplay = tbl.DisplayMode >= 2;
}

void ShowCentrePiles() {
    FrmGrisk& f = frmGrisk();
    for (int c = 1; c <= 4; ++c) {
        if (c == 4 && eng.NumCenters == 3) break;
        if (f.PicCenter.exists(c)) f.PicCenter(c).setVisible(true);
    }
}

void DisableDisplayMenuForSmallScreen() {
    tbl.DisplayMenuEnabled[0] = false;
    tbl.DisplayMenuEnabled[1] = false;
}

}  // namespace grisk
