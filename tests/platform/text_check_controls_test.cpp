// Text boxes and check boxes of the control model: what the player's typing
// and clicking do and which events they raise, and a modal show answered by
// the test's player.
#include <gtest/gtest.h>

#include <QStringList>

#include "platform/controls.h"
#include "support/test_support.h"

namespace {

// A window that writes down its events.
class EventForm : public vb::Form {
public:
    EventForm()
        : vb::Form("frmEvents"),
          Text1(addControl(vb::Kind::TextBox, "Text1")),
          Check1(addControl(vb::Kind::CheckBox, "Check1")),
          Command1(addControl(vb::Kind::CommandButton, "Command1")) {}
    vb::Control& Text1;
    vb::Control& Check1;
    vb::Control& Command1;
    QStringList events;

    void note(const char* event, const vb::Control& c) {
        events << QString("%1 %2 %3 %4").arg(event, c.Name(), c.Text()).arg(c.Value());
    }
    void MouseDown(vb::Control& c, int, int, double, double) override { note("down", c); }
    void MouseUp(vb::Control& c, int, int, double, double) override { note("up", c); }
    void Click(vb::Control& c) override { note("click", c); }
    void Change(vb::Control& c) override { note("change", c); }
};

class TextCheckControlsTest : public grisk_test::GriskTest {};

TEST_F(TextCheckControlsTest, ThePlayersTypingAndClickingRaiseTheirEvents) {
    EventForm form;
    vb::UserTypes(form.Text1, "2P_game");
    EXPECT_EQ(form.Text1.SelStart(), 7) << "the caret after the text typed";
    vb::UserClicks(form.Text1);
    vb::UserClicks(form.Check1);
    vb::UserClicks(form.Check1);
    vb::UserClicks(form.Command1);
    EXPECT_EQ(form.events, (QStringList{"change Text1 2P_game 0", "down Text1 2P_game 0", "up Text1 2P_game 0",
                                        "click Text1 2P_game 0", "down Check1  0", "click Check1  1",
                                        "up Check1  1", "down Check1  1", "click Check1  0", "up Check1  0",
                                        "click Command1  0"}));
}

TEST_F(TextCheckControlsTest, AControlThatCannotTakeTheActionIsLeftAsItIs) {
    struct Case {
        const char* name;
        void (*arrange)(vb::Control&);
        bool typed;    // a locked box is still clicked
        bool clicked;
    };
    const Case cases[] = {
        {"hidden", [](vb::Control& c) { c.setVisible(false); }, false, false},
        {"disabled", [](vb::Control& c) { c.setEnabled(false); }, false, false},
        {"locked", [](vb::Control& c) { c.setLocked(true); }, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EventForm form;
        form.Text1.setText("kept");
        c.arrange(form.Text1);
        c.arrange(form.Check1);
        vb::UserTypes(form.Text1, "typed");
        EXPECT_EQ(form.Text1.Text(), c.typed ? "typed" : "kept");
        vb::UserClicks(form.Text1);
        vb::UserClicks(form.Check1);
        EXPECT_EQ(form.Check1.Value(), c.clicked ? 1 : 0);
        EXPECT_EQ(form.events.filter("click").size(), c.clicked ? 2 : 0);
    }
}

TEST_F(TextCheckControlsTest, AWindowLoadedAsDesignedForgetsWhatWasTypedAndTicked) {
    EventForm form;
    form.Text1.setText("designed");
    form.LoadAsDesigned();
    vb::UserTypes(form.Text1, "typed");
    vb::UserClicks(form.Check1);
    form.Text1.setLocked(true);
    form.Unload();
    form.LoadAsDesigned();
    EXPECT_EQ(form.Text1.Text(), "designed");
    EXPECT_EQ(form.Check1.Value(), 0);
    EXPECT_FALSE(form.Text1.Locked());
}

// A modal show in a test runs the actions queued for that window while it
// stays open, and returns when it has closed or the actions are used up.
TEST_F(TextCheckControlsTest, AModalShowIsAnsweredByTheQueuedActions) {
    vb::forms::setModalScripting(true);
    EventForm form;
    int ran = 0;
    vb::forms::queueModalAction("frmEvents", [&ran](vb::Form& w) {
        ++ran;
        vb::UserTypes(static_cast<EventForm&>(w).Text1, "answer");
    });
    vb::forms::queueModalAction("frmEvents", [&ran](vb::Form& w) {
        ++ran;
        w.Unload();
    });
    vb::forms::queueModalAction("frmEvents", [&ran](vb::Form&) { ++ran; });
    form.Show(true);
    EXPECT_EQ(ran, 2) << "the window closed: the last action waits for its next show";
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(form.Text1.Text(), "answer");
    EXPECT_EQ(vb::forms::pendingModalActions(), 1);
    form.Show(true);
    EXPECT_EQ(ran, 3);
    EXPECT_TRUE(form.isLoaded()) << "no action left: the show returns with the window open";
    form.Unload();
    vb::forms::queueModalAction("frmOther", [&ran](vb::Form&) { ++ran; });
    form.Show(true);
    EXPECT_EQ(ran, 3) << "an action for another window is not this one's";
}

}  // namespace
