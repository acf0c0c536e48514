// The speed window: F5 opens it, its two bars set the computer's pause and
// the card animation's steps at once, and Done closes it.
#include <gtest/gtest.h>

#include "engine/state.h"
#include "platform/controls.h"
#include "platform/keys.h"
#include "records/profile.h"
#include "records/state.h"
#include "shell/frm_speed.h"
#include "shell/keyboard.h"
#include "table_fixture.h"

using namespace grisk;

namespace {

class SpeedWindowTest : public grisk_test::HumanToMoveTest {
protected:
    void TearDown() override {
        ReleaseFrmSpeed();
        HumanToMoveTest::TearDown();
    }
    // F5 pressed on the table; the player does what acts does to the window.
    static void pressF5(const std::function<void(FrmSpeed&)>& acts) {
        vb::forms::queueModalAction("frmSpeed", [acts](vb::Form& f) { acts(static_cast<FrmSpeed&>(f)); });
        int key = vb::vbKeyF1 + 4;
        HandleKeyDown(key, 0);
        EXPECT_EQ(vb::forms::pendingModalActions(), 0) << "the window opened";
    }
};

TEST_F(SpeedWindowTest, TheSpeedBarSetsThePauseAndTheName) {
    const struct {
        int bar;
        const char* name;
        double delay;
    } speeds[] = {{0, "coma", 0.7},   {1, "turtle", 0.5}, {2, "human", 0.3},
                  {3, "rabbit", 0.2}, {4, "blink", 0.05}, {5, "light", 0.02}};
    recs.SpeedOption = 2;
    pressF5([&](FrmSpeed& w) {
        EXPECT_EQ(w.HScroll1.Value(), 2);
        EXPECT_EQ(w.Label1.Caption(), "human");
        for (const auto& s : speeds) {
            vb::UserScrolls(w.HScroll1, s.bar == 2 ? 3 : 2);  // away first, so that each move is new
            vb::UserScrolls(w.HScroll1, s.bar);
            EXPECT_EQ(recs.SpeedOption, s.bar);
            EXPECT_DOUBLE_EQ(eng.CompDelay, s.delay) << s.name;
            EXPECT_EQ(w.Label1.Caption(), s.name);
        }
        vb::UserClicks(w.Command1);
        EXPECT_FALSE(w.isLoaded()) << "Done closes the window";
    });
}

TEST_F(SpeedWindowTest, TheAnimationBarSetsTheStepsOfACardFlight) {
    const int steps[] = {2, 10, 20, 45, 70, 95, 120, 150, 180, 220, 250};
    recs.AnimSpeed = 250;
    pressF5([&](FrmSpeed& w) {
        EXPECT_EQ(w.VScroll1.Value(), 10);
        for (int position = 0; position <= 10; ++position) {
            vb::UserScrolls(w.VScroll1, position);
            EXPECT_EQ(recs.AnimSpeed, steps[position]) << position;
            EXPECT_EQ(w.lblAni.Caption(), QString::number(position));
        }
        w.Unload(vb::vbFormControlMenu);
    });
    EXPECT_EQ(recs.AnimSpeed, 250) << "the last position stays in force";
}

// Where the animation bar opens: an unset speed becomes 45 (position 3); a
// speed that is none of the bar's leaves the bar at its first position and
// the speed as it was.
TEST_F(SpeedWindowTest, TheAnimationBarOpensAtTheSpeedInForce) {
    const struct {
        int animSpeed;
        int position;
        int after;
    } cases[] = {{0, 3, 45}, {95, 5, 95}, {33, 0, 33}};
    for (const auto& c : cases) {
        recs.AnimSpeed = c.animSpeed;
        pressF5([&](FrmSpeed& w) {
            EXPECT_EQ(w.VScroll1.Value(), c.position) << c.animSpeed;
            EXPECT_EQ(w.lblAni.Caption(), QString::number(c.position));
            w.Unload();
        });
        EXPECT_EQ(recs.AnimSpeed, c.after) << c.animSpeed;
    }
}

// The speed window's "light" pauses 0.02 s; the same speed put into force
// from the profile pauses not at all.
TEST_F(SpeedWindowTest, LightFromTheWindowAndFromTheProfile) {
    pressF5([](FrmSpeed& w) {
        vb::UserScrolls(w.HScroll1, 5);
        vb::UserClicks(w.Command1);
    });
    EXPECT_DOUBLE_EQ(eng.CompDelay, 0.02);
    ApplyOptions();
    EXPECT_EQ(recs.SpeedOption, 5);
    EXPECT_DOUBLE_EQ(eng.CompDelay, 0.0);
}

}  // namespace
