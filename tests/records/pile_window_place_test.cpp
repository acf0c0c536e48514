// The pile-information window's place: remembered from the window, kept in
// the profile's two 16-bit fields, and put back when the profile is read.
#include <gtest/gtest.h>

#include "profile_fixture.h"
#include "table/pile_info.h"

using namespace grisk;
using namespace records_test;

namespace {

class PileWindowPlaceTest : public ProfileFixture {
protected:
    void TearDown() override {
        ReleaseFrmHold();
        ProfileFixture::TearDown();
    }
};

TEST_F(PileWindowPlaceTest, APlaceBeyondTheFieldsIsClampedNotWrapped) {
    const struct {
        double left, top;          // where the window was left, twips
        int storedLeft, storedTop; // the profile's fields
        int readLeft, readTop;     // the place after the profile is read again
    } cases[] = {
        {1500, 2400, 1500, 2400, 1500, 2400},
        {-32768, 32766, -32768, 32766, 720, 3375},   // the edges fit; below the screen goes home
        {-40000, 0, -32768, 0, -32768, 0},           // wrapping would give +25536
        {0, -70000, 0, -32768, 0, -32768},
        {40000, 900, 32767, 900, 720, 3375},         // wrapping would give -25536, on the screen
        {2000.6, 3000.4, 2001, 3000, 2001, 3000},    // whole twips
    };
    for (const auto& c : cases) {
        writePrefs({profile("Ann"), profile("Ann")});
        ASSERT_TRUE(Get_Players());
        eng.InfoPile = 7;
        FrmHold& w = frmHold();
        w.setLeft(c.left);
        w.setTop(c.top);
        w.Click(w.lblHold);  // a click without a drag remembers the place
        ASSERT_TRUE(SavePrefs(false));
        const PlayerProfileRecord stored = storedProfile(2);
        EXPECT_EQ(stored.HoldPosition(0), c.storedLeft) << c.left << "," << c.top;
        EXPECT_EQ(stored.HoldPosition(1), c.storedTop) << c.left << "," << c.top;
        ASSERT_TRUE(Get_Players());
        EXPECT_EQ(recs.HoldLeft, c.readLeft) << c.left << "," << c.top;
        EXPECT_EQ(recs.HoldTop, c.readTop) << c.left << "," << c.top;
    }
}

}  // namespace
