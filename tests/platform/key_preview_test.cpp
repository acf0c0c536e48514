// A window that previews the keys (KeyPreview) sees a key of the control
// with the focus first, once, and may keep it from the control.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>

#include "platform/controls.h"
#include "platform/formwindow.h"
#include "platform/keys.h"
#include "support/test_support.h"

namespace {

// A check box alone; the window takes the space bar away from it while it
// previews, and notes every key it sees.
class PreviewForm : public vb::Form {
public:
    PreviewForm() : vb::Form("frmPreview"), Check1(addControl(vb::Kind::CheckBox, "Check1")) {
        Move(0, 0, 4000, 2000);
        Check1.setGeometryTw(300, 300, 2000, 300);
        Check1.setCaption("Tick");
    }
    vb::Control& Check1;
    QList<int> seen;
    void Form_KeyDown(int& keyCode, int) override {
        seen << keyCode;
        if (keyCode == vb::vbKeySpace) keyCode = 0;
    }
};

class KeyPreviewTest : public grisk_test::ScreenWindowsTest {
protected:
    static void press(QWidget* w, Qt::Key key) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString());
        QCoreApplication::sendEvent(w, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString());
        QCoreApplication::sendEvent(w, &up);
    }
};

TEST_F(KeyPreviewTest, TheWindowSeesTheControlsKeysFirstAndOnce) {
    const struct {
        bool preview;
        Qt::Key key;
        QList<int> seen;
        int ticked;
    } cases[] = {
        {true, Qt::Key_Space, {vb::vbKeySpace}, 0},  // kept from the box
        {true, Qt::Key_F3, {vb::vbKeyF1 + 2}, 0},    // the box leaves it: still seen once
        {false, Qt::Key_Space, {}, 1},               // no preview: the box takes it
    };
    for (const auto& c : cases) {
        PreviewForm f;
        f.KeyPreview = c.preview;
        f.Show();
        auto* box = f.window()->findChild<QCheckBox*>();
        ASSERT_NE(box, nullptr);
        box->setFocus();
        press(box, c.key);
        EXPECT_EQ(f.seen, c.seen) << c.preview << " " << c.key;
        EXPECT_EQ(f.Check1.Value(), c.ticked) << c.preview << " " << c.key;
        f.Unload();
    }
}

}  // namespace
