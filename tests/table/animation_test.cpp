// A card's flight across the table and a centre pile restored from damaged
// counts.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "engine/state.h"
#include "layout_fixture.h"
#include "platform/eventwait.h"
#include "records/state.h"
#include "table/animation.h"
#include "table/layout.h"

using namespace grisk;

namespace {

class FlightTest : public grisk_test::LayoutTest {};

TEST_F(FlightTest, AFlightEndsBackAtItsStartHiddenAndNeverTakesLong) {
    buildTable(2, 3);
    vb::Control& card = f().Picture1(0);
    card.setGeometryTw(1500, 1500, 1065, 1440);
    card.setVisible(true);
    waits::SetPauseScale(1);
    recs.AnimSpeed = 30000;  // a damaged profile value
    QElapsedTimer t;
    t.start();
    AnimateCardMove(f().Picture1, 0, f().Picture7, 3);
    EXPECT_LT(t.elapsed(), 5000) << "no more steps than pixels of the way";
    EXPECT_FALSE(card.Visible());
    EXPECT_DOUBLE_EQ(card.leftTw(), 1500);
    EXPECT_DOUBLE_EQ(card.topTw(), 1500);
}

TEST_F(FlightTest, ADamagedCentreCountShowsAnEmptyPile) {
    buildTable(2, 3);
    eng.CenterCount(2) = 13;
    EXPECT_NO_THROW(RedrawTable());
    EXPECT_TRUE(f().PicCenter(2).Drawn().startsWith("empty"));
}

}  // namespace
