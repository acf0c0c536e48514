// The list box and the text box of many lines of the control model: the
// entries with their numbers and ticks without a screen, the player's picks
// and ticks and the events they raise; and on the (offscreen) screen the Qt
// widgets that show them, whose clicks come back as the same actions.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPlainTextEdit>

#include "platform/controls.h"
#include "platform/formwindow.h"
#include "support/test_support.h"

namespace {

class ListForm : public vb::Form {
public:
    ListForm()
        : vb::Form("frmList"), List1(addControl(vb::Kind::ListBox, "List1")),
          Text1(addControl(vb::Kind::TextBox, "Text1")) {
        Move(0, 0, 6000, 4000);
        List1.Move(300, 300, 2400, 1800);
        Text1.Move(3000, 300, 2400, 1800);
        Text1.setMultiLine(true);
        for (const char* name : {"Ann", "Bob", "Cy"}) List1.AddItem(name);
    }
    vb::Control& List1;
    vb::Control& Text1;
    QStringList events;  // "Click Ann ticked", ...
    void Click(vb::Control& c) override {
        const int i = c.ListIndex();
        events << "Click " + c.List(i) + (c.Selected(i) ? " ticked" : "");
    }
};

using ListBoxTest = grisk_test::GriskTest;

TEST_F(ListBoxTest, EachEntryKeepsItsNumberAndTickWhenTheListChanges) {
    ListForm f;
    vb::Control& list = f.List1;
    EXPECT_EQ(list.NewIndex(), 2);
    list.setItemData(list.NewIndex(), 7);
    list.setItemData(0, 1);
    list.setSelected(1, true);
    list.RemoveItem(0);
    EXPECT_EQ(list.List(0), "Bob");
    EXPECT_TRUE(list.Selected(0));
    EXPECT_EQ(list.ItemData(0), 0);
    EXPECT_EQ(list.ItemData(1), 7);
    list.AddItem("Dee");
    EXPECT_EQ(list.ItemData(list.NewIndex()), 0) << "a new entry starts at 0, unticked";
    EXPECT_FALSE(list.Selected(2));
    for (auto bad : {-1, 3}) {
        EXPECT_EQ(grisk_test::errorOf([&] { list.ItemData(bad); }), 381) << bad;
        EXPECT_EQ(grisk_test::errorOf([&] { list.setSelected(bad, true); }), 381) << bad;
    }
    list.Clear();
    EXPECT_EQ(list.NewIndex(), -1);
    EXPECT_TRUE(f.events.isEmpty()) << "the program's own changes raise no event";
}

TEST_F(ListBoxTest, APickAndATickRaiseClick) {
    ListForm f;
    f.List1.setStyle(1);
    vb::UserPicks(f.List1, 1);
    vb::UserChecks(f.List1, 2);
    vb::UserChecks(f.List1, 2);
    EXPECT_EQ(f.events, (QStringList{"Click Bob", "Click Cy ticked", "Click Cy"}));
    f.List1.setVisible(false);
    vb::UserChecks(f.List1, 0);
    EXPECT_FALSE(f.List1.Selected(0)) << "a hidden list takes nothing";
}

class ListWidgetTest : public grisk_test::ScreenWindowsTest {};

TEST_F(ListWidgetTest, TheWidgetsShowTheControlsAndReportThePlayer) {
    ListForm f;
    f.List1.setStyle(1);
    f.List1.setSelected(0, true);
    f.Text1.setText("one\r\ntwo");
    f.Text1.setLocked(true);
    f.Show();
    ASSERT_NE(f.window(), nullptr);
    auto* list = f.window()->findChild<QListWidget*>();
    auto* text = f.window()->findChild<QPlainTextEdit*>();
    ASSERT_NE(list, nullptr);
    ASSERT_NE(text, nullptr);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(list->item(1)->checkState(), Qt::Unchecked);
    EXPECT_EQ(text->toPlainText(), "one\ntwo") << "the line break shows as one";
    EXPECT_TRUE(text->isReadOnly());

    // The program's changes show; they are not the player's.
    f.List1.AddItem("Dee");
    f.Text1.setText(f.Text1.Text() + "\r\nthree");
    f.Text1.setSelStart(static_cast<int>(f.Text1.Text().size()));
    EXPECT_EQ(list->count(), 4);
    EXPECT_EQ(text->textCursor().position(), text->toPlainText().size()) << "the caret at the end";
    EXPECT_TRUE(f.events.isEmpty());

    // The player ticks Bob's box, then clicks Cy.
    list->item(1)->setCheckState(Qt::Checked);
    emit list->itemClicked(list->item(2));
    EXPECT_TRUE(f.List1.Selected(1));
    EXPECT_EQ(f.events, (QStringList{"Click Bob ticked", "Click Cy"}));
    f.Unload();
}

}  // namespace
