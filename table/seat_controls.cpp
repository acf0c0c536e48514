#include "table/seat_controls.h"

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/vb.h"
#include "records/state.h"
#include "table/layout_geometry.h"
#include "table/layout_sizes.h"
#include "table/layout_stacks.h"
#include "table/state.h"
#include "table/table_fit.h"

namespace grisk {

void LoadPlayerControls(vb::ControlArray& pic) {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Pixels);
    const int seat = FrmGrisk::seatOf(pic);
    const bool third = seat == 3;
    const int k = seat - 1;  // hold-row frame Label3(k), name label Label9(k + 3)
    const double sideLeft = OpponentPayOffLeft(seat);
    const bool made = third ? tbl.Seat3Loaded : tbl.Seat4Loaded;

    vb::Control& side = pic(1);
    side.setWidth(kSmallCardWidthPx);
    side.setHeight(kSmallCardHeightPx);
    if (!made)
        for (int i = 4 * k + 1; i <= 4 * k + 4; ++i) f.StackHold.ensure(i);
    side.Move(sideLeft, 5);
    side.setVisible(true);

    if (!made) {
        // A new frame starts as a copy of the human's; the caption is not
        // this seat's.
        vb::Control& frame = f.Label3.ensure(k);
        frame.setCaption(QString());
        frame.setVisible(true);
        vb::Control& name = f.Label9.ensure(k + 3);
        name.setFontSize(f.Label9(4).FontSize());
        name.setFontItalic(true);
        name.setForeColor(recs.NameColor);
        name.setBackStyle(0);
        name.setVisible(true);
        for (int i = StackLast(seat); i >= StackFirst(seat); --i)
            f.Stack.ensure(i).setFillColor(recs.PlainColor);
        for (int i = 2; i <= 10; ++i) pic.ensure(i);
    }

    StackPayOffShapes(StackLast(seat), pic);
    PlaceTableShapes(pic, StackFirst(seat));
    PlaceHighlightLabel(vb::CInt(pic(7).Top()), vb::CInt(pic(7).Left()), k);

    f.setScaleMode(vb::ScaleMode::Pixels);
    // (The hold rows drop on a screen above 13000 twips: the names with them;
    // a name never goes under the card.)
    f.Label9(k + 3).setTop(NameTopUnder(side, side.Top() + side.Height() + (eng.ScreenWidthTw > 13000 ? 3 : -7)));
    side.setVisible(false);
}

void PlaceTurnImages() {
    FrmGrisk& f = frmGrisk();
    f.setScaleMode(vb::ScaleMode::Twips);
    const bool wide = eng.ScreenWidthTw >= 13000;
    const bool maximized = f.WindowState() == 2;
    const double margin = maximized ? (wide ? 130 : 75) : (wide ? 300 : 150);
    const double extent = maximized ? eng.ScreenWidthTw : eng.MainFormWidth;
    f.ImgAvatar.setLeft(extent - (f.ImgAvatar.Width() + margin));
    f.imgSlap.setLeft(f.ImgAvatar.Left() - 6);
    f.setScaleMode(vb::ScaleMode::Pixels);
}

}  // namespace grisk
