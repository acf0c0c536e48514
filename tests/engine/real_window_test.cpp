// The human's cards on the real main window: the mouse events a player's
// pointer makes land a dragged card where it was dropped.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "net/state.h"
#include "platform/formwindow.h"
#include "started_table.h"

namespace {

using grisk::eng;
using grisk_test::Card;

class RealWindowTest : public grisk_test::StartedTableTest {
protected:
    // The centre of a control, in pixels of the window.
    QPointF centreOf(const vb::Control& c) const {
        return {screen::TwipsToPixels(c.leftTw() + c.widthTw() / 2), screen::TwipsToPixels(c.topTw() + c.heightTw() / 2)};
    }
    void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
        QWidget* w = f().window();
        QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    // Presses at from, moves there in steps as a hand does, releases.
    void drag(QPointF from, QPointF to) {
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        const int steps = 12;
        for (int i = 1; i <= steps; ++i) {
            mouse(QEvent::MouseMove, from + (to - from) * i / steps, Qt::NoButton, Qt::LeftButton);
        }
        mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }
};

TEST_F(RealWindowTest, ADraggedCardFollowsThePointerAndLandsOnThePileDroppedOn) {
    setSide({Card(8, 1), Card(9, 1)});
    setHand({Card(5, 2), Card(1, 2), Card(7, 2), Card(9, 2), Card(10, 2)});
    show();
    ASSERT_NE(f().window(), nullptr);
    vb::Control& card = f().Picture7(3);
    const QPointF home = centreOf(card);
    const double homeLeft = card.leftTw();

    // Half way the picture is where the pointer has taken it.
    mouse(QEvent::MouseButtonPress, home, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, home + QPointF(40, -30), Qt::NoButton, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(centreOf(card).x(), home.x() + 40);
    EXPECT_DOUBLE_EQ(centreOf(card).y(), home.y() - 30);
    mouse(QEvent::MouseMove, centreOf(f().PicCenter(2)) + QPointF(5, 4), Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, centreOf(f().PicCenter(2)) + QPointF(5, 4), Qt::LeftButton, Qt::NoButton);

    EXPECT_EQ(eng.CenterCount(2), 1);
    EXPECT_EQ(eng.CenterPile(0, 2, 1), Card(1, 2));
    EXPECT_EQ(eng.PlayerSlots(0, 3), 0);
    EXPECT_FALSE(card.Visible());
    EXPECT_DOUBLE_EQ(card.leftTw(), homeLeft) << "the empty place's picture is back home";

    // A card dropped where it may not go slides home with the rule message.
    vb::Control& five = f().Picture7(2);
    const double fiveLeft = five.leftTw(), fiveTop = five.topTw();
    drag(centreOf(five), centreOf(f().PicCenter(1)));
    EXPECT_EQ(eng.CenterCount(1), 0);
    EXPECT_DOUBLE_EQ(five.leftTw(), fiveLeft);
    EXPECT_DOUBLE_EQ(five.topTw(), fiveTop);
    EXPECT_EQ(f().Label9(1).Caption(), "Center piles are built up in sequence (Ace to Queen). That card cannot be "
                                       "played to that Center pile yet.");
    EXPECT_EQ(eng.Pturn, 1);

    // Dropped on another hand place, the card goes there and the places
    // between move up, the empty one with them.
    drag(centreOf(f().Picture7(2)), centreOf(f().Picture7(5)) + QPointF(10, 20));
    const int hand[] = {0, Card(7, 2), Card(9, 2), Card(5, 2), Card(10, 2)};
    for (int s = 2; s <= 6; ++s) EXPECT_EQ(eng.PlayerSlots(0, s), hand[s - 2]) << s;
    EXPECT_FALSE(f().Picture7(2).Visible());
    EXPECT_DOUBLE_EQ(f().Picture7(2).leftTw(), fiveLeft);
    EXPECT_EQ(f().Picture7(5).Drawn(), QString("face %1 large").arg(Card(5, 2)));
}

TEST_F(RealWindowTest, ADoubleClickPlaysTheCardToTheFirstPileItFits) {
    setSide({Card(8, 1), Card(9, 1)});
    setHand({Card(5, 2), Card(1, 2), Card(7, 2), Card(9, 2), Card(10, 2)});
    setCentre(1, {Card(1, 6)});
    show();
    const QPointF at = centreOf(f().Picture7(3));
    mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    mouse(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(eng.CenterCount(2), 1) << "pile 1 stands at 1; the Ace goes on the first empty pile";
    EXPECT_EQ(eng.PlayerSlots(0, 3), 0);
}

TEST_F(RealWindowTest, KeysGoToTheCardPictureLastPressed) {
    setSide({Card(8, 1), Card(9, 1)});
    setHand({Card(5, 2), Card(1, 2), Card(7, 2), Card(9, 2), Card(10, 2)});
    show();
    grisk::inet.PeerVersion = "75";
    const QPointF at = centreOf(f().Picture7(4));
    mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    QApplication::sendEvent(f().window(), &key);
    EXPECT_EQ(f().Label9(1).Caption(), "75");
}

}  // namespace
