// The combo box of the control model: its list, its picked entry and its
// text without a screen, the player's actions and the events they raise;
// and on the (offscreen) screen the Qt widget that shows it, whose typing,
// picking and Enter come back as the same actions.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "platform/controls.h"
#include "platform/formwindow.h"
#include "support/test_support.h"

namespace {

// A window with a combo box and a default button that notes its events.
class ComboForm : public vb::Form {
public:
    ComboForm() : vb::Form("frmCombo"), Combo1(addControl(vb::Kind::ComboBox, "Combo1")),
                  Command1(addControl(vb::Kind::CommandButton, "Command1")) {
        Move(0, 0, 6000, 3000);
        Combo1.Move(300, 300, 3000, 375);
        Command1.Move(3600, 300, 1200, 450);
        Command1.setDefault(true);
        for (const char* name : {"Ann", "Bob", "Cy"}) Combo1.AddItem(name);
    }
    vb::Control& Combo1;
    vb::Control& Command1;
    QStringList events;  // "Click Combo1 Bob", "Change Combo1 A", ...
    void Click(vb::Control& c) override { events << "Click " + c.Name() + " " + Combo1.Text(); }
    void Change(vb::Control& c) override { events << "Change " + c.Name() + " " + c.Text(); }
};

using ComboBoxTest = grisk_test::GriskTest;

TEST_F(ComboBoxTest, TheListThePickedEntryAndTheText) {
    ComboForm f;
    vb::Control& box = f.Combo1;
    EXPECT_EQ(box.ListCount(), 3);
    EXPECT_EQ(box.ListIndex(), -1);
    box.setListIndex(1);
    EXPECT_EQ(box.Text(), "Bob") << "a picked entry shows its text";
    box.setText("Bob");
    EXPECT_EQ(box.ListIndex(), 1) << "the entry's own text keeps it picked";
    box.setText("Bobby");
    EXPECT_EQ(box.ListIndex(), -1) << "other text is typed text";

    box.setListIndex(2);
    box.RemoveItem(0);
    EXPECT_EQ(box.ListIndex(), 1) << "the picked entry moves up with the list";
    EXPECT_EQ(box.List(1), "Cy");
    box.RemoveItem(1);
    EXPECT_EQ(box.ListIndex(), -1) << "the picked entry went";
    EXPECT_EQ(box.Text(), "Cy") << "the text stays";

    EXPECT_EQ(grisk_test::errorOf([&] { box.setListIndex(1); }), 380);
    EXPECT_EQ(grisk_test::errorOf([&] { box.setListIndex(-2); }), 380);
    EXPECT_EQ(grisk_test::errorOf([&] { box.List(1); }), 381);
    EXPECT_EQ(grisk_test::errorOf([&] { box.RemoveItem(-1); }), 381);
    box.Clear();
    EXPECT_EQ(box.ListCount(), 0);
    EXPECT_EQ(box.Text(), "Cy");
    EXPECT_TRUE(f.events.isEmpty()) << "the program's own changes raise no event";
}

TEST_F(ComboBoxTest, ThePlayersActionsRaiseTheEvents) {
    ComboForm f;
    vb::UserPicks(f.Combo1, 2);
    vb::UserTypes(f.Combo1, "Dee");
    EXPECT_EQ(f.Combo1.ListIndex(), -1);
    vb::UserTypes(f.Combo1, "Bob");
    EXPECT_EQ(f.Combo1.ListIndex(), -1) << "typed, even when it matches an entry";
    vb::UserClicks(f.Command1);
    EXPECT_EQ(f.events, (QStringList{"Click Combo1 Cy", "Change Combo1 Dee", "Change Combo1 Bob",
                                     "Click Command1 Bob"}));

    // A hidden or disabled control takes nothing.
    f.events.clear();
    f.Combo1.setEnabled(false);
    vb::UserTypes(f.Combo1, "Eve");
    vb::UserPicks(f.Combo1, 0);
    f.Command1.setVisible(false);
    vb::UserClicks(f.Command1);
    EXPECT_TRUE(f.events.isEmpty());
    EXPECT_EQ(f.Combo1.Text(), "Bob");
}

TEST_F(ComboBoxTest, AWindowLoadedAsDesignedHasItsDesignedList) {
    ComboForm f;
    f.LoadAsDesigned();
    f.Combo1.AddItem("Dee");
    f.Combo1.setListIndex(3);
    f.Unload();
    f.LoadAsDesigned();
    EXPECT_EQ(f.Combo1.ListCount(), 3);
    EXPECT_EQ(f.Combo1.ListIndex(), -1);
    EXPECT_EQ(f.Combo1.Text(), "");
}

TEST_F(ComboBoxTest, AModalWindowWithoutAScreenRunsTheActionsQueuedForIt) {
    ComboForm f;
    const auto types = [](const char* text) {
        return [text](vb::Form& w) { vb::UserTypes(static_cast<ComboForm&>(w).Combo1, text); };
    };
    vb::forms::queueModalAction("frmCombo", types("Dee"));
    vb::forms::queueModalAction("frmCombo", [](vb::Form& w) { w.Unload(); });
    vb::forms::queueModalAction("frmCombo", types("Eve"));
    f.Show(true);
    EXPECT_EQ(f.events, QStringList{"Change Combo1 Dee"});
    EXPECT_EQ(vb::forms::pendingModalActions(), 1) << "the window closed: the rest waits for its next showing";

    // An action for another window is not this one's.
    vb::forms::clearModalActions();
    vb::forms::queueModalAction("frmOther", [](vb::Form& w) { w.Unload(); });
    f.Show(true);
    EXPECT_TRUE(f.isLoaded());
    EXPECT_EQ(vb::forms::pendingModalActions(), 1);
}

// The widget on the screen.
class ComboWidgetTest : public grisk_test::ScreenWindowsTest {
protected:
    static void key(QWidget* to, int key, const QString& text = QString()) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(to, &press);
    }
};

TEST_F(ComboWidgetTest, TheWidgetShowsTheControlAndReportsThePlayer) {
    ComboForm f;
    f.Combo1.setListIndex(1);
    f.Show();
    ASSERT_NE(f.window(), nullptr);
    auto* box = f.window()->findChild<QComboBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->count(), 3);
    EXPECT_EQ(box->currentText(), "Bob");
    EXPECT_EQ(box->geometry(), f.Combo1.rectPx().toRect());

    // The program's changes show; they are not the player's.
    f.Combo1.AddItem("Dee");
    f.Combo1.setText("Eve");
    f.Combo1.setFontBold(true);
    EXPECT_EQ(box->count(), 4);
    EXPECT_EQ(box->currentText(), "Eve");
    EXPECT_TRUE(box->font().bold());
    f.Combo1.setVisible(false);
    EXPECT_TRUE(box->isHidden());
    f.Combo1.setVisible(true);
    EXPECT_TRUE(f.events.isEmpty());

    // Typing, an entry picked with the arrow key, and Enter.
    f.Combo1.setText("");
    for (QChar c : QString("Al")) key(box->lineEdit(), c.toUpper().unicode(), QString(c));
    EXPECT_EQ(f.Combo1.Text(), "Al");
    EXPECT_EQ(f.Combo1.ListIndex(), -1);
    f.Combo1.setListIndex(0);
    key(box, Qt::Key_Down);
    EXPECT_EQ(f.Combo1.ListIndex(), 1);
    EXPECT_EQ(f.Combo1.Text(), "Bob");
    key(box->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(f.events, (QStringList{"Change Combo1 A", "Change Combo1 Al", "Click Combo1 Bob", "Click Command1 Bob"}));

    // A disabled button is not clicked by Enter.
    f.events.clear();
    f.Command1.setEnabled(false);
    key(box->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(f.events.isEmpty());
    f.Unload();
}

}  // namespace
