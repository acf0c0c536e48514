// The sign-in window itself: dressed in the table's background picture or
// its colour, and on the (offscreen) screen a borderless window that a
// player types into, signs in with Enter and drags by its body.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWindow>

#include "engine/frm_grisk.h"
#include "platform/formwindow.h"
#include "platform/twips.h"
#include "profile_fixture.h"
#include "records/frm_welcome.h"
#include "records/record_fields.h"
#include "records/user_files.h"

using namespace grisk;

namespace {

using WelcomeWindowTest = records_test::ProfileFixture;

TEST_F(WelcomeWindowTest, TheWindowWearsTheTablesBackgroundPictureOrItsColour) {
    writePrefs({profile("Ann"), profile("Ann")});
    ASSERT_TRUE(Get_Players());
    QImage board(40, 30, QImage::Format_RGB32);
    board.fill(Qt::blue);
    ASSERT_TRUE(QDir().mkpath(eng.UserFolder + "Backgrounds"));
    ASSERT_TRUE(board.save(eng.UserFolder + "Backgrounds/board.bmp", "BMP"));
    ListBackgroundFiles();
    ASSERT_EQ(recs.NumBackgrounds, 1);
    recs.TableColor = 0x123456;
    recs.NameColor = 0x00FFFF;

    // Each showing is dressed afresh: the bold caption of a picture does
    // not stay for the plain colour.
    const struct {
        int backgroundIdx;
        bool picture;
    } cases[] = {{1, true}, {0, false}, {1, true}, {2, false}};
    for (const auto& c : cases) {
        recs.BackgroundIdx = c.backgroundIdx;
        FrmWelcome& w = frmWelcome();
        w.Unload();
        w.LoadAsDesigned();
        EXPECT_EQ(!w.Picture().isNull(), c.picture) << c.backgroundIdx;
        EXPECT_EQ(w.Label1.FontBold(), c.picture) << c.backgroundIdx;
        EXPECT_EQ(w.Label1.ForeColor(), recs.NameColor) << c.backgroundIdx;
        if (c.picture) {
            EXPECT_EQ(w.pictureLayout(), vb::PictureLayout::Tiled);
            EXPECT_EQ(w.Picture().pixel(0, 0), board.pixel(0, 0));
        } else {
            EXPECT_EQ(w.BackColor(), recs.TableColor) << c.backgroundIdx;
        }
    }
}

// The real window on the (offscreen) screen.
class WelcomeScreenTest : public WelcomeWindowTest {
protected:
    void SetUp() override {
        WelcomeWindowTest::SetUp();
        vb::forms::setScreenWindows(true);
        writePrefs({profile("")});
        ASSERT_TRUE(Get_Players());
    }
    void TearDown() override {
        ReleaseFrmWelcome();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        vb::forms::setScreenWindows(false);
        WelcomeWindowTest::TearDown();
    }
    static void key(QWidget* to, int key, const QString& text = QString()) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(to, &press);
    }
    // The player types the name into the box shown and presses Enter; true
    // when the window closed.
    static bool signInByKeys(const QString& name) {
        vb::forms::queueModalAction("frmWelcome", [name](vb::Form& w) {
            auto* box = w.window() ? w.window()->findChild<QComboBox*>() : nullptr;
            ASSERT_TRUE(box);
            for (QChar c : name) key(box->lineEdit(), c.toUpper().unicode(), QString(c));
            key(box->lineEdit(), Qt::Key_Return);
        });
        frmWelcome().ShowModal();
        return !frmWelcome().isLoaded();
    }
};

TEST_F(WelcomeScreenTest, ANameTypedIntoTheBoxSignsInWithEnter) {
    bool typed = false;
    vb::forms::queueModalAction("frmWelcome", [&](vb::Form& w) {
        ASSERT_TRUE(w.window());
        EXPECT_TRUE(w.window()->isVisible());
        EXPECT_TRUE(w.window()->windowFlags().testFlag(Qt::FramelessWindowHint));
        auto* box = w.window()->findChild<QComboBox*>();
        ASSERT_TRUE(box);
        const QWidget* keys = w.window()->focusWidget();
        EXPECT_TRUE(keys == box || keys == box->lineEdit()) << "the box takes the keys";
        typed = true;
        for (QChar c : QString("Ann")) key(box->lineEdit(), c.toUpper().unicode(), QString(c));
        key(box->lineEdit(), Qt::Key_Return);
    });
    frmWelcome().ShowModal();
    EXPECT_TRUE(typed);
    EXPECT_FALSE(frmWelcome().isLoaded());
    EXPECT_EQ(recs.LastPlayer, "Ann");
    EXPECT_EQ(recs.CurrentProfile, 2);
    EXPECT_EQ(StoredText(storedProfile(2).Seats(0).Name), "Ann");
}

TEST_F(WelcomeScreenTest, ANameTypedReplacesTheNameShown) {
    ASSERT_TRUE(signInByKeys("Ann"));
    ASSERT_TRUE(signInByKeys("Bob"));
    EXPECT_EQ(recs.LastPlayer, "Bob");
    EXPECT_EQ(recs.NumPlayerNames, 2);
}

TEST_F(WelcomeScreenTest, ItIsDraggedByItsBodyButNotByItsControls) {
    FrmWelcome& w = frmWelcome();
    w.LoadAsDesigned();
    w.Show();
    QWidget* window = w.window();
    ASSERT_TRUE(window);
    QCoreApplication::processEvents();
    const QPoint start = window->pos();
    const auto inside = [](const vb::Control& c) { return c.rectPx().center().toPoint(); };

    grisk_test::DragInWindow(window, inside(w.Label1), QPoint(40, 30), Qt::RightButton);
    EXPECT_EQ(window->pos(), start) << "only the left button drags";
    grisk_test::DragInWindow(window, inside(w.Label1), QPoint(40, 30), Qt::LeftButton);
    EXPECT_EQ(window->pos(), start + QPoint(40, 30));
    grisk_test::DragInWindow(window, QPoint(4, window->height() - 4), QPoint(-10, 20), Qt::LeftButton);
    EXPECT_EQ(window->pos(), start + QPoint(30, 50));
    grisk_test::DragInWindow(window, inside(w.Command1), QPoint(40, 30), Qt::LeftButton);
    EXPECT_EQ(window->pos(), start + QPoint(30, 50)) << "a press on the button is the button's";
    EXPECT_TRUE(w.isLoaded()) << "the window closes only through a name";

    // A press on the body, as the screen delivers it, leaves the keys with
    // the box.
    const auto* box = window->findChild<QComboBox*>();
    ASSERT_TRUE(box);
    const QPointF body(4, window->height() - 4);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, body, window->mapToGlobal(body), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window->windowHandle(), &e);
    }
    EXPECT_TRUE(window->focusWidget() == box || window->focusWidget() == box->lineEdit());
}

}  // namespace
