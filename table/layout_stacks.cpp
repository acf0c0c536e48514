#include "table/layout_stacks.h"

#include <algorithm>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "records/state.h"
#include "table/state.h"
#include "table/table_fit.h"

namespace grisk {

namespace {


// Shows or hides the shapes of one seat's range above its stack index. The
// index is only trusted inside the seat's own range: a seat never dealt
// (index 0) or a damaged restore must not reach another seat's shapes.
void showSeatStack(int seat, int stackIndex, bool show) {
    vb::ControlArray& stack = frmGrisk().Stack;
    const int low = std::max(stackIndex + 1, StackFirst(seat));
    for (int i = StackLast(seat); i >= low; --i)
        if (stack.exists(i)) stack(i).setVisible(show);
}

}  // namespace

void StackPayOffShapes(int last, vb::ControlArray& pile) {
    FrmGrisk& f = frmGrisk();
    if (last < 25 || last > 100 || last % 25 != 0) return;
    f.setScaleMode(vb::ScaleMode::Pixels);
    const double left = pile(1).Left() - 2;
    const double top = pile(1).Top();
    // Each shape lies over the one to its left, so every edge of the stack
    // shows.
    for (int i = last - 24; i <= last; ++i) {
        if (!f.Stack.exists(i)) continue;
        f.Stack(i).Move(left - kStackStep * (last - i), top);
        f.Stack(i).ZOrder(0);
    }
    const int label = last / 25 + 2;  // 50 -> 4, 75 -> 5, 100 -> 6
    if (last > 25 && f.Label9.exists(label)) {
        vb::Control& name = f.Label9(label);
        name.setLeft(left - kStackStep * 24);
        name.ZOrder(0);  // the name stays readable over the stack
        // Its box ends at the window's right edge.
        const double room = TableRightPx() - name.Left();
        if (room > 0 && name.Width() > room) name.setWidth(room);
    }
}

void SizeStackShapes(int first, int last) {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    for (int i = first; i <= last; ++i)
        if (f.Stack.exists(i)) {
            f.Stack(i).setWidth(tbl.CardWidthPx);
            f.Stack(i).setHeight(tbl.CardHeightPx);
        }
}

int OutlineIndex(int seat, int holdPile) { return holdPile + 4 * (seat - 1); }

void ShowPileOutline(const vb::Control& pileCtl, bool show, int holdPile) {
    if (holdPile < 1 || holdPile > 4) return;
    vb::ControlArray& outlines = frmGrisk().StackHold;
    const int seat = FrmGrisk::seatOf(pileCtl.Name());
    if (seat == 0) return;
    const int index = OutlineIndex(seat, holdPile);
    if (outlines.exists(index)) outlines(index).setVisible(show);
}

void ShowStackShapes(bool show) {
    if (eng.OppSideShape == 99) return;
    if (tbl.Seat3Loaded) showSeatStack(3, eng.Player3.RecSideShape, show);
    if (tbl.Seat4Loaded) showSeatStack(4, eng.Player4.RecSideShape, show);
    showSeatStack(2, eng.Player2.RecSideShape, show);
    showSeatStack(1, eng.SideShape, show);
}

void CreatePileOutlines() {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    vb::Control& tpl = f.StackHold(0);
    tpl.setWidth(tbl.CardWidthPx);
    tpl.setHeight(tbl.CardHeightPx);
    tpl.setBackColor(recs.PlainColor);
    for (int i = 1; i <= 8; ++i) f.StackHold.ensure(i);
}

void CreateStackShapes(int) {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    vb::Control& tpl = f.Stack(0);
    tpl.setWidth(tbl.CardWidthPx);
    tpl.setHeight(tbl.CardHeightPx);
    tpl.setBackColor(recs.PlainColor);
    for (int i = 50; i >= 1; --i) f.Stack.ensure(i);
    for (vb::ControlArray* pile : {&f.Picture1, &f.Picture7})
        if (pile->exists(1)) (*pile)(1).setBackColor(recs.PlainColor);
}

}  // namespace grisk
