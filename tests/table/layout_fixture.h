// A table built as start-up builds it, for the layout tests: the pile
// pictures, the stack shapes and outlines, then a player count, centre
// piles, display mode and screen width of the test's choosing.
#pragma once

#include <QRectF>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "opponent/state.h"
#include "platform/controls.h"
#include "platform/twips.h"
#include "shell/state.h"
#include "support/test_support.h"
#include "table/card_store.h"
#include "table/layout.h"
#include "table/state.h"
#include "table/table_start.h"

namespace grisk_test {

// A control's place and size in pixels, whatever the form's scale mode.
inline QRectF pixelRect(const vb::Control& c) {
    return QRectF(screen::TwipsToPixels(c.leftTw()), screen::TwipsToPixels(c.topTw()),
                  screen::TwipsToPixels(c.widthTw()), screen::TwipsToPixels(c.heightTw()));
}

class LayoutTest : public GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        grisk::ResetOpponentState();
    }
    // The picture stores are made on first use; they go with the test.
    void TearDown() override {
        grisk::ReleaseFrmGrisk();
        grisk::ReleaseCardPictureStores();
    }

    grisk::FrmGrisk& f() { return grisk::frmGrisk(); }

    // The pile pictures and shapes that exist before the first layout.
    void loadStartControls() {
        grisk::FrmGrisk& form = f();
        for (int i = 1; i <= 10; ++i) form.Picture7.ensure(i);
        for (int i = 2; i <= 10; ++i) form.Picture1.ensure(i);
        for (int i = 7; i <= 10; ++i) {
            form.Picture7(i).setVisible(true);
            form.Picture1(i).setVisible(true);
        }
        grisk::CreateStackShapes();
        grisk::CreatePileOutlines();
        grisk::eng.OppSideShape = 99;
    }

    // A whole table laid out as start-up lays it out, for the counts, the
    // stored display mode and the screen width (on a screen of four by
    // three, all of it work area).
    void buildTable(int players, int centres, int mode = 0, double widthTw = 15360) {
        grisk::eng.ScreenWidthTw = widthTw;
        grisk::eng.ScreenHeightTw = widthTw * 3 / 4;
        grisk::LayOutTableAsStartUp(players, centres, mode);
        f().setScaleMode(vb::ScaleMode::Pixels);
    }
};

}  // namespace grisk_test
