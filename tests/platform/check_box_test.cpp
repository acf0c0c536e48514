// The check box of the control model: a click of the mouse on its window, or
// a press in a test, flips its value before the form hears the click; the
// program's own changes of the value raise no click.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QMouseEvent>

#include "platform/controls.h"
#include "platform/formwindow.h"
#include "support/test_support.h"

namespace {

class BoxForm : public vb::Form {
public:
    BoxForm() : vb::Form("frmBox"), box(addControl(vb::Kind::CheckBox, "chkBox")) {
        box.setCaption("&Tick me");
        box.setGeometryTw(150, 150, 3000, 300);
    }
    vb::Control& box;
    std::vector<int> valuesAtClick;
    void Click(vb::Control& c) override {
        if (&c == &box) valuesAtClick.push_back(box.Value());
    }
};

class CheckBoxTest : public grisk_test::GriskTest {};

TEST_F(CheckBoxTest, APressFlipsTheValueBeforeTheClick) {
    BoxForm form;
    EXPECT_EQ(form.box.Value(), 0);
    form.Press(form.box);
    form.Press(form.box);
    form.Press(form.box);
    EXPECT_EQ(form.valuesAtClick, (std::vector<int>{1, 0, 1}));
    form.box.setValue(0);
    EXPECT_EQ(form.valuesAtClick.size(), 3u) << "setting the value raises no click";
}

TEST_F(CheckBoxTest, TheMouseOnTheWindowTicksTheBox) {
    vb::forms::setScreenWindows(true);
    BoxForm form;
    form.Show();
    ASSERT_NE(form.window(), nullptr);
    auto* shown = form.window()->findChild<QCheckBox*>();
    ASSERT_NE(shown, nullptr) << "a widget of its own shows the box";
    const QPointF at(8, shown->height() / 2);  // on the tick
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, at, shown->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(shown, &e);
    }
    EXPECT_EQ(form.box.Value(), 1);
    EXPECT_EQ(form.valuesAtClick, std::vector<int>{1});
    form.Unload();
    vb::forms::setScreenWindows(false);
}

TEST_F(CheckBoxTest, AnElementOfAnArrayCopiesTheValue) {
    vb::Form form("frmBoxes");
    vb::ControlArray& boxes = form.addArray(vb::Kind::CheckBox, "chkForced", 1);
    boxes(1).setValue(1);
    EXPECT_EQ(boxes.Load(2).Value(), 1);
}

}  // namespace
