// The control model: geometry in twips and in the form's scale, control
// arrays, z-order layers, and the form's unload cycle.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>

#include "platform/controls.h"
#include "platform/formwindow.h"
#include "platform/msgbox.h"
#include "platform/twips.h"
#include "platform/vbarray.h"
#include "platform/vberror.h"
#include "support/test_support.h"

namespace {

class ControlsTest : public grisk_test::GriskTest {};

TEST_F(ControlsTest, GeometryKeepsFractionsAndFollowsTheScaleMode) {
    vb::Form form("frmTest");
    vb::Control& pic = form.addControl(vb::Kind::PictureBox, "Pic");
    pic.Move(344.25, 100, 1065, 1440);
    EXPECT_DOUBLE_EQ(pic.Left(), 344.25);
    form.setScaleMode(vb::ScaleMode::Pixels);
    EXPECT_DOUBLE_EQ(pic.Left(), 344.25 / 15);
    EXPECT_DOUBLE_EQ(pic.Width(), 71);
    pic.setTop(22.95);  // pixels
    EXPECT_DOUBLE_EQ(pic.topTw(), 22.95 * 15);
    form.setScaleMode(vb::ScaleMode::Twips);
    EXPECT_DOUBLE_EQ(pic.Top(), 22.95 * 15);
    EXPECT_EQ(grisk_test::errorOf([&] { pic.setWidth(-1); }), vb::ErrInvalidCall);
}

TEST_F(ControlsTest, ControlArraysLoadCopiesAndRefuseMissingElements) {
    vb::Form form("frmTest");
    vb::ControlArray& arr = form.addArray(vb::Kind::PictureBox, "Picture7", 0);
    arr(0).Move(10, 20, 30, 40);
    arr(0).setBackColor(0x123456);
    vb::Control& one = arr.Load(1);
    EXPECT_FALSE(one.Visible()) << "a loaded element starts hidden";
    EXPECT_EQ(one.BackColor(), 0x123456);
    EXPECT_DOUBLE_EQ(one.Width(), 30);
    EXPECT_EQ(one.Index(), 1);
    EXPECT_EQ(arr.UBound(), 1);

    EXPECT_EQ(grisk_test::errorOf([&] { arr(5); }), vb::ErrControlArrayElement);
    EXPECT_EQ(grisk_test::errorOf([&] { arr.Load(1); }), 360);
    arr.Unload(1);
    EXPECT_FALSE(arr.exists(1));
    EXPECT_EQ(grisk_test::errorOf([&] { arr(1).setVisible(true); }), vb::ErrControlArrayElement);
    EXPECT_EQ(grisk_test::errorOf([&] { arr.Unload(1); }), vb::ErrControlArrayElement);
}

TEST_F(ControlsTest, WindowlessControlsStayUnderPictureBoxes) {
    vb::Form form("frmTest");
    vb::Control& pic = form.addControl(vb::Kind::PictureBox, "Pic");
    vb::Control& label = form.addControl(vb::Kind::Label, "Lbl");
    vb::Control& shape = form.addControl(vb::Kind::Shape, "Shp");
    label.ZOrder(0);
    shape.ZOrder(0);
    std::vector<vb::Control*> order = form.paintOrder();
    ASSERT_EQ(order.size(), 3u);
    EXPECT_EQ(order.back(), &pic) << "a label brought to the front stays under a picture box";
    EXPECT_EQ(order[0], &label);
    EXPECT_EQ(order[1], &shape);
    shape.ZOrder(1);
    order = form.paintOrder();
    EXPECT_EQ(order[0], &shape);
}

TEST_F(ControlsTest, StatusBarPanelsAreNumberedFromOne) {
    vb::Form form("frmTest");
    vb::Control& bar = form.addControl(vb::Kind::StatusBar, "StatusBar1");
    bar.setPanelCount(3);
    bar.Panels(3).Text = "x";
    EXPECT_EQ(bar.Panels(3).Text, "x");
    EXPECT_EQ(grisk_test::errorOf([&] { bar.Panels(0); }), vb::ErrSubscript);
    EXPECT_EQ(grisk_test::errorOf([&] { bar.Panels(4); }), vb::ErrSubscript);
}

class CancellingForm : public vb::Form {
public:
    CancellingForm() : vb::Form("frmCancel") {}
    int queries = 0;
    bool refuse = true;
    void Form_QueryUnload(int& cancel, int) override {
        ++queries;
        if (refuse) cancel = 1;
    }
};

TEST_F(ControlsTest, UnloadAsksTheFormFirst) {
    CancellingForm form;
    form.Show();
    EXPECT_TRUE(form.isLoaded());
    EXPECT_FALSE(form.Unload());
    EXPECT_TRUE(form.isLoaded());
    form.refuse = false;
    EXPECT_TRUE(form.Unload());
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(form.queries, 2);
}

TEST_F(ControlsTest, AScreenWindowShowsTheFormsSize) {
    vb::forms::setScreenWindows(true);
    vb::Form form("frmShown");
    form.Move(0, 0, 6000, 4500);
    form.Show();
    ASSERT_NE(form.window(), nullptr);
    EXPECT_EQ(form.window()->width(), static_cast<int>((6000 - vb::FrameWidthTw()) / 15 + 0.5));
    EXPECT_DOUBLE_EQ(form.ScaleWidth(), 6000 - vb::FrameWidthTw());
    form.Unload();
    vb::forms::setScreenWindows(false);
}

class FaultyForm : public vb::Form {
public:
    FaultyForm() : vb::Form("frmFaulty") {
        pic = &addControl(vb::Kind::PictureBox, "Pic");
        pic->Move(0, 0, 1500, 1500);
    }
    vb::Control* pic;
    void MouseDown(vb::Control&, int, int, double, double) override {
        vb::Array<int, 1> small{{0, 1}};
        small(5) = 1;
    }
};

TEST_F(ControlsTest, AnUntrappedErrorInAHandlerIsShownNotFatal) {
    vb::forms::setScreenWindows(true);
    FaultyForm form;
    form.Show();
    ASSERT_NE(form.window(), nullptr);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.window(), &press);
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_EQ(vb::msgbox_script::shown()[0].prompt, "Error #  9 occurred: \nSubscript out of range");
    EXPECT_EQ(vb::msgbox_script::shown()[0].icon(), vb::vbCritical);
    EXPECT_TRUE(form.isLoaded());
    form.Unload();
    vb::forms::setScreenWindows(false);
}

TEST_F(ControlsTest, AModalShowReturnsWhenTheFormIsUnloadedOrHidden) {
    vb::forms::setScreenWindows(true);
    vb::forms::setModalScripting(false);  // the real wait for the player
    vb::Form form("frmModal");
    QObject scope;  // the timers end with the test
    QTimer::singleShot(10, &scope, [&] { form.Hide(); });
    form.Show(true);
    EXPECT_TRUE(form.isLoaded()) << "hiding ends the modal show only";
    QTimer::singleShot(10, &scope, [&] { form.Unload(); });
    form.Show(true);
    EXPECT_FALSE(form.isLoaded());
    QCoreApplication::processEvents();
    vb::forms::setScreenWindows(false);
}

// A hidden picture store, as the table keeps them.
class StoreForm : public vb::Form {
public:
    StoreForm() : vb::Form("frmStore"), Sheet(addControl(vb::Kind::Image, "imgALL")),
                  Faces(addArray(vb::Kind::Image, "Image1", 1)) {
        Faces.Load(2);
        Sheet.setCaption("built in");
    }
    vb::Control& Sheet;
    vb::ControlArray& Faces;
    int loads = 0;
    void Form_Load() override { ++loads; }
};

TEST_F(ControlsTest, AnUnloadedDefaultWindowComesBackAsTheSameObjectAsDesigned) {
    using Store = vb::DefaultInstance<StoreForm>;
    StoreForm& held = Store::getLoaded();
    held.Sheet.setCaption("from the library");
    held.Faces.Load(3);
    held.Faces.Unload(2);
    held.Unload();

    StoreForm& again = Store::getLoaded();
    EXPECT_EQ(&again, &held) << "a caller's reference stays good";
    EXPECT_TRUE(again.isLoaded());
    EXPECT_EQ(again.loads, 2);
    EXPECT_EQ(held.Sheet.Caption(), "built in");
    EXPECT_EQ(held.Faces.indexes(), (std::vector<int>{1, 2}));
    EXPECT_EQ(Store::getLoaded().loads, 2) << "a loaded window is not loaded again";
    Store::release();
}

TEST_F(ControlsTest, ArraysCheckEveryIndex) {
    vb::Array<int, 3> a{{0, 1}, {0, 4}, {0, 30}};
    a(1, 4, 30) = 7;
    EXPECT_EQ(a(1, 4, 30), 7);
    EXPECT_EQ(grisk_test::errorOf([&] { a(2, 0, 0); }), vb::ErrSubscript);
    EXPECT_EQ(grisk_test::errorOf([&] { a(0, -1, 0); }), vb::ErrSubscript);
    EXPECT_EQ(grisk_test::errorOf([&] { a(0, 0, 31); }), vb::ErrSubscript);

    vb::Array<int, 2> b{{0, 2}, {0, 3}};
    for (int f = 0; f <= 2; ++f)
        for (int i = 0; i <= 3; ++i) b(f, i) = 10 * f + i;
    b.redimPreserve({{0, 2}, {0, 5}});
    EXPECT_EQ(b(2, 3), 23);
    EXPECT_EQ(b(1, 5), 0);
    b.redim({{0, 1}, {1, 2}});
    EXPECT_EQ(b(1, 2), 0);
    EXPECT_EQ(grisk_test::errorOf([&] { b(0, 0); }), vb::ErrSubscript);
}

TEST_F(ControlsTest, InjectedScreenMetrics) {
    screen::Metrics m;
    m.widthTw = 12001;
    m.heightTw = 9000;
    screen::Inject(m);
    EXPECT_DOUBLE_EQ(screen::Current().widthTw, 12001);
    screen::ClearInjection();
    EXPECT_GT(screen::Current().widthTw, 0);
}

}  // namespace
