// Text boxes and check boxes of the control model: what the player's typing
// and clicking do and which events they raise; and on the (offscreen) screen
// the Qt widgets that show them, whose clicks and typing come back as the
// same actions.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStringList>

#include "platform/controls.h"
#include "platform/formwindow.h"
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

// The widgets on the (offscreen) screen.
class TextCheckWidgetTest : public grisk_test::ScreenWindowsTest {
protected:
    static void key(QWidget* to, int key, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(to, &press);
    }
    // A left click at a place of the widget.
    static void click(QWidget* on, QPointF at) {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, at, on->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(on, &e);
        }
    }
};

// A click on the text box reaches the window's handlers once the box has
// placed its caret: a handler that sets the text and the caret has the last
// word. Typing goes on from there; a locked box takes none.
class ProposingForm : public EventForm {
public:
    void Click(vb::Control& c) override {
        EventForm::Click(c);
        if (&c != &Text1) return;
        Text1.setText("2P_");
        Text1.setSelStart(3);
    }
};

TEST_F(TextCheckWidgetTest, TheWidgetsShowTheControlsAndReportThePlayer) {
    ProposingForm f;
    f.Move(0, 0, 6000, 3000);
    f.Text1.Move(300, 300, 3000, 375);
    f.Check1.Move(300, 900, 2000, 375);
    f.Check1.setCaption("AutoSave");
    f.Text1.setBackColor(0xE1FFFF);
    f.Show();
    ASSERT_NE(f.window(), nullptr);
    auto* edit = f.window()->findChild<QLineEdit*>();
    auto* box = f.window()->findChild<QCheckBox*>();
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(edit->geometry(), f.Text1.rectPx().toRect());
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xE1));
    EXPECT_EQ(box->text(), "AutoSave");

    click(edit, QPointF(8, edit->height() / 2));
    EXPECT_EQ(edit->text(), "2P_");
    EXPECT_EQ(edit->cursorPosition(), 3);
    for (QChar c : QString("me")) key(edit, c.toUpper().unicode(), QString(c));
    EXPECT_EQ(f.Text1.Text(), "2P_me");
    f.Text1.setLocked(true);
    EXPECT_TRUE(edit->isReadOnly());
    key(edit, Qt::Key_X, "x");
    EXPECT_EQ(f.Text1.Text(), "2P_me");
    f.Text1.setEnabled(false);
    EXPECT_FALSE(edit->isEnabled());

    click(box, QPointF(8, box->height() / 2));
    EXPECT_EQ(f.Check1.Value(), 1);
    EXPECT_TRUE(box->isChecked());
    f.Check1.setValue(0);
    EXPECT_FALSE(box->isChecked()) << "the program's tick shows";
    EXPECT_EQ(f.events, (QStringList{"down Text1  0", "up Text1  0", "click Text1  0", "change Text1 2P_m 0",
                                     "change Text1 2P_me 0", "down Check1  0", "click Check1  1",
                                     "up Check1  1"}));
    f.Unload();
}

}  // namespace
