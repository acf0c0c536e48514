// The screen window of a form: it goes only once Qt may delete it, and an
// idle window paints nothing.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>

#include "platform/controls.h"
#include "platform/formwindow.h"
#include "support/test_support.h"

namespace {

class FormWindowTest : public grisk_test::GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        vb::forms::setScreenWindows(true);
    }
    void TearDown() override { vb::forms::setScreenWindows(false); }
};

TEST_F(FormWindowTest, AnUnloadedWindowIsDeletedOnceItsHandlersHaveReturned) {
    vb::Form form("frmSplash");
    form.Show();
    QPointer<vb::FormWindow> window = form.window();
    ASSERT_TRUE(window);
    form.Unload();
    ASSERT_TRUE(window) << "the window goes from the event loop, not from inside Unload";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);

    // Unloaded from inside one of its own handlers: the frame's close button.
    vb::Form closing("frmClosing");
    closing.Show();
    window = closing.window();
    QCloseEvent close;
    QCoreApplication::sendEvent(window, &close);
    EXPECT_FALSE(closing.isLoaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);
}

// Counts the paint events a window receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST_F(FormWindowTest, AnIdleWindowPaintsNothing) {
    vb::Form form("frmEveryControl");
    form.Move(0, 0, 6000, 4500);
    vb::Control& pic = form.addControl(vb::Kind::PictureBox, "Pic");
    pic.Move(100, 100, 1065, 1440);
    QImage face(71, 96, QImage::Format_RGB32);
    face.fill(Qt::white);
    pic.setPicture(face);
    form.addControl(vb::Kind::CommandButton, "cmdDeal").Move(1500, 100, 1200, 450);
    vb::Control& bar = form.addControl(vb::Kind::StatusBar, "StatusBar1");
    bar.Move(0, 3600, 5000, 330);
    bar.setPanelCount(8);
    bar.Panels(5).Text = "Grisk";
    bar.Panels(8).MinWidth = 700;
    vb::Control& img = form.addControl(vb::Kind::Image, "ImgAvatar");
    img.Move(3000, 100, 600, 600);
    img.setPicture(face);
    img.setStretch(true);
    vb::Control& label = form.addControl(vb::Kind::Label, "Label9");
    label.Move(100, 2000, 3000, 300);
    label.setCaption("Welcome Ann to Grisk's World");
    label.setBorderStyle(1);
    vb::Control& shape = form.addControl(vb::Kind::Shape, "Stack");
    shape.Move(4000, 1000, 1065, 1440);
    shape.setShape(vb::ShapeRoundedRectangle);
    shape.setBorderStyle(1);
    form.addControl(vb::Kind::Line, "Line1").setLineEnds(0, 3000, 5000, 3000);
    form.Show();

    PaintCounter counter;
    form.window()->installEventFilter(&counter);
    form.changed();
    grisk_test::RunEventsFor(200);
    ASSERT_GT(counter.paints, 0) << "the window was painted once it was asked to";
    counter.paints = 0;
    grisk_test::RunEventsFor(300);
    EXPECT_EQ(counter.paints, 0) << "painting must not ask for another paint";
    form.Unload();
}

}  // namespace

namespace {

TEST_F(FormWindowTest, ABorderlessWindowIsAllInnerArea) {
    vb::Form framed("frmFramed");
    vb::Form bare("frmBare");
    bare.setBorderless(true);
    for (vb::Form* form : {&framed, &bare}) {
        form->Move(1500, 1500, 3000, 1500);
        form->Show();
    }
    EXPECT_EQ(bare.ScaleWidth(), 3000);
    EXPECT_EQ(bare.ScaleHeight(), 1500);
    EXPECT_LT(framed.ScaleWidth(), 3000);
    EXPECT_TRUE(bare.window()->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(framed.window()->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(bare.window()->size(), QSize(200, 100));
}

}  // namespace
