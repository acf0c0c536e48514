// The screen window of a form: it goes only once Qt may delete it, and an
// idle window paints nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QCoreApplication>
#include <QPointer>

#include "platform/controls.h"
#include "platform/formwindow.h"
#include "platform/popup_menu.h"
#include "support/test_support.h"

namespace {

class FormWindowTest : public grisk_test::ScreenWindowsTest {};

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

namespace {

// A window the program sizes itself keeps that size: the window manager
// shows no resize handle along its frame. Maximized, it takes the screen.
TEST_F(FormWindowTest, AWindowKeepsTheSizeTheProgramGivesIt) {
    vb::Form form("frmFixed");
    form.Move(1500, 1500, 6000, 4500);
    form.Show();
    const QSize inner(static_cast<int>((6000 - form.frameWidthTw()) / 15 + 0.5),
                      static_cast<int>((4500 - form.frameHeightTw()) / 15 + 0.5));
    EXPECT_EQ(form.window()->minimumSize(), inner);
    EXPECT_EQ(form.window()->maximumSize(), inner);
    form.setHeight(3000);
    EXPECT_EQ(form.window()->maximumSize().height(), static_cast<int>((3000 - form.frameHeightTw()) / 15 + 0.5));
    form.setWindowState(2);
    EXPECT_EQ(form.window()->minimumSize(), QSize(0, 0));
    EXPECT_GT(form.window()->maximumSize().width(), 10000);
    form.Unload();
}

// A pop-up has no frame, no taskbar entry and no focus of its own; a press
// in another window of the program or the program losing the focus closes
// it (as the user closes a window), a press on it or in a pop-up menu
// opened from it does not.
TEST_F(FormWindowTest, APopUpClosesWhenThePressOrTheFocusGoesElsewhere) {
    struct Case {
        const char* what;
        int where;  // 0 the pop-up, 1 the table, 2 a menu opened from it, 3 the focus leaves
        bool closes;
    };
    const Case cases[] = {{"a press on it", 0, false},
                          {"a press on the table", 1, true},
                          {"a press in its sub-menu", 2, false},
                          {"the program loses the focus", 3, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        vb::Form table("frmTable");
        table.Move(0, 0, 6000, 4500);
        table.Show();
        vb::Form list("frmList");
        list.setPopup(true);
        list.Move(1500, 900, 3000, 2000);
        int unloads = 0;
        vb::forms::setUnloadHook([&](vb::Form* f) { unloads += f == &list; });
        list.Show();
        QWidget* w = list.window();
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(w->windowFlags().testFlag(Qt::X11BypassWindowManagerHint)) << "no taskbar entry";
        EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
        EXPECT_EQ(list.ScaleWidth(), 3000) << "all inner area";

        QWidget menu(nullptr, Qt::Popup);
        QWidget* target = c.where == 0 ? w : c.where == 1 ? table.window() : &menu;
        if (c.where == 3) {
            QApplicationStateChangeEvent away(Qt::ApplicationInactive);
            QCoreApplication::sendEvent(qApp, &away);
        } else {
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &press);
        }
        EXPECT_EQ(list.isLoaded(), !c.closes);
        EXPECT_EQ(unloads, c.closes ? 1 : 0);
        vb::forms::setUnloadHook(nullptr);
        if (list.isLoaded()) list.Unload();
        table.Unload();
    }
}

// A sub-menu opens beside the row it belongs to: on its right, or on its
// left where the screen ends, else under or over it; never over the row.
TEST(PopupMenuPlace, ASubMenuOpensBesideItsRow) {
    const QRect screen(0, 0, 800, 600);
    const QSize menu(150, 60);
    const struct {
        QRect row;
        QPoint at;
    } cases[] = {
        {QRect(100, 200, 240, 18), QPoint(340, 200)},  // right of it
        {QRect(600, 200, 190, 18), QPoint(450, 200)},  // the screen ends: left of it
        {QRect(100, 580, 240, 18), QPoint(340, 540)},  // near the bottom: moved up
        {QRect(100, 200, 600, 18), QPoint(100, 218)},  // no room either side: under it
        {QRect(100, 560, 600, 18), QPoint(100, 500)},  // and over it at the bottom
    };
    for (const auto& c : cases) {
        const QPoint at = vb::PopupPlaceBeside(c.row, menu, screen);
        EXPECT_EQ(at, c.at);
        EXPECT_FALSE(QRect(at, menu).intersects(c.row));
    }
}

}  // namespace
