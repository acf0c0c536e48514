// Option buttons in their groups, frames, the horizontal scroll bar, the
// drop-down list, the focus and the menu bar of the control model: without
// a screen, the player's actions and the events they raise; on the
// (offscreen) screen, the widgets that show them and report the player.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>

#include "platform/controls.h"
#include "platform/formwindow.h"
#include "support/test_support.h"

namespace {

// Two groups of option buttons (two on the form, two in a frame), a scroll
// bar, a drop-down list, a text box and a menu bar of File (Open, a
// separator, Exit) and Help. Every event is noted.
class GroupsForm : public vb::Form {
public:
    GroupsForm()
        : vb::Form("frmGroups"),
          Option1(addArray(vb::Kind::OptionButton, "Option1", 0)),
          fraInner(addControl(vb::Kind::Frame, "fraInner")),
          optInner(addArray(vb::Kind::OptionButton, "optInner", 0)),
          HScroll1(addControl(vb::Kind::HScrollBar, "HScroll1")),
          Combo1(addControl(vb::Kind::ComboBox, "Combo1")),
          Text1(addControl(vb::Kind::TextBox, "Text1")),
          mnuFile(addControl(vb::Kind::Menu, "mnuFile")),
          mnuOpen(addControl(vb::Kind::Menu, "mnuOpen")),
          mnuBar(addControl(vb::Kind::Menu, "mnuBar")),
          mnuExit(addControl(vb::Kind::Menu, "mnuExit")),
          mnuHelp(addControl(vb::Kind::Menu, "mnuHelp")) {
        Move(0, 0, 8000, 5000);
        for (int i = 0; i <= 1; ++i) {
            Option1.ensure(i).setVisible(true);
            Option1(i).setGeometryTw(300 + 1800 * i, 600, 1600, 300);
            Option1(i).setCaption("Outer " + QString::number(i));
        }
        fraInner.setGeometryTw(300, 1100, 4000, 900);
        fraInner.setCaption("Inner");
        for (int i = 0; i <= 1; ++i) {
            optInner.ensure(i).setVisible(true);
            optInner(i).setContainer(&fraInner);
            optInner(i).setGeometryTw(450 + 1800 * i, 1450, 1600, 300);
        }
        HScroll1.setGeometryTw(300, 2300, 3000, 255);
        HScroll1.setMin(1);
        HScroll1.setMax(5);
        HScroll1.setValue(1);
        Combo1.setGeometryTw(300, 2800, 3000, 315);
        Combo1.setStyle(2);
        for (const char* name : {"Average", "Clever"}) Combo1.AddItem(name);
        Text1.setGeometryTw(300, 3300, 3000, 315);
        Text1.setText("filename");
        mnuFile.setCaption("&File");
        for (vb::Control* item : {&mnuOpen, &mnuBar, &mnuExit}) item->setContainer(&mnuFile);
        mnuOpen.setCaption("&Open...");
        mnuBar.setCaption("-");
        mnuExit.setCaption("E&xit");
        mnuHelp.setCaption("&Help");
    }
    vb::ControlArray& Option1;
    vb::Control& fraInner;
    vb::ControlArray& optInner;
    vb::Control& HScroll1;
    vb::Control& Combo1;
    vb::Control& Text1;
    vb::Control& mnuFile;
    vb::Control& mnuOpen;
    vb::Control& mnuBar;
    vb::Control& mnuExit;
    vb::Control& mnuHelp;
    QStringList events;  // "Click Option1 1", "Change HScroll1 3", ...

    QString named(const vb::Control& c) const {
        return c.Index() >= 0 ? c.Name() + " " + QString::number(c.Index()) : c.Name();
    }
    void Click(vb::Control& c) override { events << "Click " + named(c); }
    void Change(vb::Control& c) override { events << "Change " + named(c) + " " + QString::number(c.Value()); }
    void MouseDown(vb::Control& c, int, int, double, double) override { events << "Down " + named(c); }
    void MouseUp(vb::Control& c, int, int, double, double) override { events << "Up " + named(c); }

    // Which option button of each group is selected: "0-1" = outer 0, inner 1.
    QString selected() const {
        const auto of = [](const vb::ControlArray& a) {
            QString out;
            for (int i : a.indexes())
                if (a(i).Value() == 1) out += QString::number(i);
            return out.isEmpty() ? QStringLiteral("none") : out;
        };
        return of(Option1) + "-" + of(optInner);
    }
};

using ControlKindsTest = grisk_test::GriskTest;

TEST_F(ControlKindsTest, OptionButtonsAreSelectedOnePerGroup) {
    GroupsForm f;
    EXPECT_EQ(f.selected(), "none-none");
    // The program's selection clears its group only, and raises nothing.
    vb::SelectOption(f.Option1(1));
    vb::SelectOption(f.optInner(0));
    EXPECT_EQ(f.selected(), "1-0");
    vb::SelectOption(f.Option1(0));
    EXPECT_EQ(f.selected(), "0-0");
    EXPECT_TRUE(f.events.isEmpty());

    // The player's click selects and reports a new choice; a click on the
    // button already selected reports no Click.
    vb::UserClicks(f.optInner(1));
    vb::UserClicks(f.optInner(1));
    EXPECT_EQ(f.selected(), "0-1");
    EXPECT_EQ(f.events, (QStringList{"Down optInner 1", "Click optInner 1", "Up optInner 1", "Down optInner 1",
                                     "Up optInner 1"}));

    // A hidden group (its frame hidden) or a disabled button takes nothing.
    f.events.clear();
    f.fraInner.setVisible(false);
    vb::UserClicks(f.optInner(0));
    f.Option1(1).setEnabled(false);
    vb::UserClicks(f.Option1(1));
    EXPECT_EQ(f.selected(), "0-1");
    EXPECT_TRUE(f.events.isEmpty());
}

TEST_F(ControlKindsTest, TheScrollBarStaysWithinItsRangeAndReportsNewValues) {
    GroupsForm f;
    const struct {
        int to;
        int value;
        bool change;
    } moves[] = {{3, 3, true}, {3, 3, false}, {9, 5, true}, {-2, 1, true}, {1, 1, false}};
    for (const auto& m : moves) {
        f.events.clear();
        vb::UserScrolls(f.HScroll1, m.to);
        EXPECT_EQ(f.HScroll1.Value(), m.value) << m.to;
        EXPECT_EQ(f.events.size(), m.change ? 1 : 0) << m.to;
    }
    f.events.clear();
    f.HScroll1.setValue(4);
    EXPECT_TRUE(f.events.isEmpty()) << "the program's own change raises nothing";
}

TEST_F(ControlKindsTest, ADropDownListTakesNoTyping) {
    GroupsForm f;
    vb::UserTypes(f.Combo1, "C:/somewhere/else");
    EXPECT_EQ(f.Combo1.Text(), "");
    vb::UserPicks(f.Combo1, 1);
    EXPECT_EQ(f.Combo1.Text(), "Clever");
    EXPECT_EQ(f.events, QStringList{"Click Combo1"});
}

TEST_F(ControlKindsTest, TheFocusGoesToAShownEnabledControl) {
    GroupsForm f;
    EXPECT_EQ(f.ActiveControl(), nullptr);
    f.Text1.SetFocus();
    EXPECT_EQ(f.ActiveControl(), &f.Text1);
    f.HScroll1.setEnabled(false);
    EXPECT_EQ(grisk_test::errorOf([&] { f.HScroll1.SetFocus(); }), 5);
    EXPECT_EQ(f.ActiveControl(), &f.Text1);
    f.LoadAsDesigned();
    f.Unload();
    EXPECT_EQ(f.ActiveControl(), nullptr) << "an unloaded window has no active control";
}

// The widgets on the screen.
class ControlKindsScreenTest : public grisk_test::ScreenWindowsTest {};

TEST_F(ControlKindsScreenTest, TheWidgetsShowTheModelAndReportThePlayer) {
    GroupsForm f;
    vb::SelectOption(f.Option1(1));
    f.Show();
    ASSERT_NE(f.window(), nullptr);
    const QList<QRadioButton*> radios = f.window()->findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 4);
    QRadioButton* outer0 = nullptr;
    QRadioButton* outer1 = nullptr;
    for (QRadioButton* r : radios) {
        if (r->text() == "Outer 0") outer0 = r;
        if (r->text() == "Outer 1") outer1 = r;
    }
    ASSERT_TRUE(outer0 && outer1);
    EXPECT_TRUE(outer1->isChecked());
    // The button stands on its back colour.
    f.Option1(0).setBackColor(0x123456);
    const QImage shot = outer0->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(shot.width() - 2, 1)), vb::toQColor(0x123456));

    // A click on the selected button leaves it selected; one on the other
    // moves the selection there, as the model decides.
    outer1->click();
    EXPECT_TRUE(outer1->isChecked());
    outer0->click();
    EXPECT_TRUE(outer0->isChecked());
    EXPECT_FALSE(outer1->isChecked());
    EXPECT_EQ(f.selected(), "0-none");
    EXPECT_TRUE(f.events.contains("Click Option1 0"));
    EXPECT_FALSE(f.events.contains("Click Option1 1"));

    // A frame hidden hides the buttons it holds.
    f.fraInner.setVisible(false);
    for (QRadioButton* r : radios)
        if (r != outer0 && r != outer1) EXPECT_TRUE(r->isHidden());

    // The scroll bar: the program's value shows, the player's move reports.
    auto* bar = f.window()->findChild<QScrollBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), 5);
    f.events.clear();
    f.HScroll1.setValue(2);
    EXPECT_EQ(bar->value(), 2);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(f.HScroll1.Value(), 3);
    EXPECT_EQ(f.events, QStringList{"Change HScroll1 3"});

    // A drop-down list has no line to type into.
    auto* combo = f.window()->findChild<QComboBox*>();
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable());

    // The focus given to a text box with its text selected.
    f.Text1.setSelStart(0);
    f.Text1.setSelLength(8);
    f.Text1.SetFocus();
    auto* edit = f.window()->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->selectedText(), "filename");
    f.Unload();
}

TEST_F(ControlKindsScreenTest, TheMenuBarShowsTheMenusAndReportsAPick) {
    GroupsForm f;
    f.mnuOpen.setEnabled(false);
    f.Show();
    auto* bar = f.window()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const QList<QAction*> titles = bar->actions();
    ASSERT_EQ(titles.size(), 2);
    EXPECT_EQ(titles[0]->text(), "&File");
    EXPECT_EQ(titles[1]->text(), "&Help");
    QMenu* file = titles[0]->menu();
    ASSERT_NE(file, nullptr);
    const QList<QAction*> entries = file->actions();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_TRUE(entries[1]->isSeparator());
    EXPECT_FALSE(entries[0]->isEnabled());

    // The program's changes show; a pick raises the entry's Click.
    f.mnuOpen.setEnabled(true);
    f.mnuExit.setCaption("&Quit");
    EXPECT_TRUE(entries[0]->isEnabled());
    EXPECT_EQ(entries[2]->text(), "&Quit");
    entries[2]->trigger();
    titles[1]->trigger();
    EXPECT_EQ(f.events, (QStringList{"Click mnuExit", "Click mnuHelp"}));
    f.mnuFile.setVisible(false);
    EXPECT_FALSE(titles[0]->isVisible());
    f.Unload();
}

// A vertical scroll bar stands upright, its Min at the top; the player's
// step down raises its value.
TEST_F(ControlKindsScreenTest, AVerticalScrollBarStandsUpright) {
    GroupsForm f;
    vb::Control& VScroll1 = f.addControl(vb::Kind::VScrollBar, "VScroll1");
    VScroll1.setGeometryTw(5000, 300, 255, 2000);
    VScroll1.setMax(10);
    VScroll1.setValue(3);
    f.Show();
    QScrollBar* upright = nullptr;
    for (QScrollBar* b : f.window()->findChildren<QScrollBar*>())
        if (b->orientation() == Qt::Vertical) upright = b;
    ASSERT_NE(upright, nullptr);
    EXPECT_EQ(upright->value(), 3);
    EXPECT_GT(upright->height(), upright->width());
    upright->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(VScroll1.Value(), 4);
    EXPECT_EQ(f.events.last(), "Change VScroll1 4");
    f.Unload();
}

}  // namespace
