// The part of a label's box where a number of lines of its text show, as
// the window paints them: it follows the label's font, size, weight, slant,
// alignment and width however often they change.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <cmath>

#include "platform/controls.h"
#include "platform/formwindow.h"
#include "platform/twips.h"
#include "support/test_support.h"

namespace {

class TextLinesTest : public grisk_test::ScreenWindowsTest {
protected:

    // The lowest row of the window, inside the label's box, where the
    // label's text paints anything (-1 where nothing).
    static int lowestTextRow(vb::Form& form, const vb::Control& label) {
        form.changed();
        const QImage shot = form.window()->grab().toImage();
        const QRect box = label.rectPx().toAlignedRect().intersected(shot.rect());
        const QRgb ground = shot.pixel(box.right(), box.bottom());
        for (int y = box.bottom(); y >= box.top(); --y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (shot.pixel(x, y) != ground) return y;
        return -1;
    }
};

TEST_F(TextLinesTest, TheLinesOfTextShowWithinTheirRectangleWhateverTheLabelsFont) {
    vb::Form form("frmTextLines");
    form.Move(0, 0, 9000, 9000);
    vb::Control& label = form.addControl(vb::Kind::Label, "Label9");
    label.Move(300, 300, 6000, 7500);
    label.setForeColor(0);
    label.setBackColor(0xFFFFFF);
    form.Show();
    const struct {
        double size;
        bool bold, italic;
        int alignment;
        double widthTw;
    } cases[] = {
        {8.25, false, false, 0, 6000}, {20, false, false, 0, 6000}, {8.25, false, false, 0, 6000},
        {8.25, true, false, 0, 6000},  {14, true, true, 2, 4500},   {14, false, true, 1, 3000},
        {26, true, false, 2, 6000},    {10, false, false, 0, 1500}, {26, true, false, 2, 6000},
    };
    for (const auto& c : cases) {
        label.setFontSize(c.size);
        label.setFontBold(c.bold);
        label.setFontItalic(c.italic);
        label.setAlignment(c.alignment);
        label.setWidth(c.widthTw);
        for (int lines = 1; lines <= 4; ++lines) {
            SCOPED_TRACE(::testing::Message() << c.size << " points, bold " << c.bold << ", italic " << c.italic
                                              << ", alignment " << c.alignment << ", " << c.widthTw << " twips, "
                                              << lines << " lines");
            QStringList text;
            for (int i = 0; i < lines; ++i) text << QStringLiteral("Xg");
            label.setCaption(text.join(QLatin1Char('\n')));
            const QRectF rect = vb::TextLinesRectPx(label, lines);
            EXPECT_EQ(rect.topLeft(), label.rectPx().topLeft());
            EXPECT_EQ(rect.width(), label.rectPx().width());
            const int lowest = lowestTextRow(form, label);
            ASSERT_GE(lowest, 0) << "the text shows";
            EXPECT_LT(lowest, rect.bottom()) << "the last line shows within the rectangle";
            if (lines > 1)
                EXPECT_GE(lowest, vb::TextLinesRectPx(label, lines - 1).bottom())
                    << "the last line shows below the rectangle of one line fewer";
        }
    }
    form.Unload();
}

}  // namespace
