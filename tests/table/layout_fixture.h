// A table built as start-up builds it, for the layout tests: the pile
// pictures, the stack shapes and outlines, then a player count, centre
// piles, display mode and screen width of the test's choosing.
#pragma once

#include <QRectF>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "opponent/state.h"
#include "platform/controls.h"
#include "platform/formwindow.h"
#include "platform/twips.h"
#include "shell/state.h"
#include "support/test_support.h"
#include "table/card_store.h"
#include "table/layout.h"
#include "table/menu_strip.h"
#include "table/state.h"
#include "table/table_geometry.h"
#include "table/table_start.h"

namespace grisk_test {

// A control's place and size in pixels, whatever the form's scale mode.
inline QRectF pixelRect(const vb::Control& c) {
    return QRectF(screen::TwipsToPixels(c.leftTw()), screen::TwipsToPixels(c.topTw()),
                  screen::TwipsToPixels(c.widthTw()), screen::TwipsToPixels(c.heightTw()));
}

class LayoutTest : public GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        grisk::ResetOpponentState();
    }
    // The picture stores are made on first use; they go with the test.
    void TearDown() override {
        grisk::ReleaseFrmGrisk();
        grisk::ReleaseCardPictureStores();
    }

    grisk::FrmGrisk& f() { return grisk::frmGrisk(); }

    // The pile pictures and shapes that exist before the first layout.
    void loadStartControls() {
        grisk::FrmGrisk& form = f();
        for (int i = 1; i <= 10; ++i) form.Picture7.ensure(i);
        for (int i = 2; i <= 10; ++i) form.Picture1.ensure(i);
        for (int i = 7; i <= 10; ++i) {
            form.Picture7(i).setVisible(true);
            form.Picture1(i).setVisible(true);
        }
        grisk::CreateStackShapes();
        grisk::CreatePileOutlines();
        grisk::eng.OppSideShape = 99;
    }

    // A whole table laid out as start-up lays it out, for the counts, the
    // stored display mode and the screen width (on a screen of four by
    // three, all of it work area).
    void buildTable(int players, int centres, int mode = 0, double widthTw = 15360) {
        grisk::eng.ScreenWidthTw = widthTw;
        grisk::eng.ScreenHeightTw = widthTw * 3 / 4;
        grisk::LayOutTableAsStartUp(players, centres, mode);
        f().setScaleMode(vb::ScaleMode::Pixels);
    }

    // A text the player reads, where it shows.
    using Text = std::pair<std::string, QRectF>;

    // The texts the message line and the remark line show, each where the
    // window paints it: the turn messages; the remarks, one of four short
    // lines (as tall as a remark gets in the narrowest remark line) and a
    // long one-line idle remark.
    std::vector<Text> messageAndRemarkTexts(bool message, bool remark) {
        std::vector<Text> out;
        const auto show = [&](vb::Control& line, const std::string& name, std::initializer_list<const char*> captions) {
            for (const char* caption : captions) {
                line.setCaption(QString::fromLatin1(caption));
                out.push_back({name + " \"" + caption + "\"", vb::CaptionRectPx(line)});
            }
        };
        if (message)
            show(f().Label9(1), "the message line", {"\n\n     It's your turn...", "Please stop --\n     It's NOT your turn!"});
        if (remark)
            show(f().Label9(2), "the remark line",
                 {"\n\nYOU go first", "My  9 beats\nyour 5\nSo I go FIRST!", "Mirabel has the highest card.\nMirabel goes FIRST!",
                  "Grisk won\nthe toss --\nSo Grisk\ngoes FIRST!", "Take your time. I'll just polish my gold tooth."});
        return out;
    }

    // The menu strip as the mouse at the top edge brings it out: each of
    // its four titles and its two rules labels whole inside the strip and
    // the window and clear of each other, and a press in a title's middle
    // hits that title.
    void expectMenuStripWhole() {
        grisk::imgMenu_MouseMove();
        const QRectF strip = pixelRect(f().picPanel);
        EXPECT_TRUE(grisk::TableInnerRect().contains(strip)) << "the strip";
        std::vector<Text> parts;
        for (int menu = grisk::kMenuGame; menu <= grisk::kMenuHelp; ++menu) {
            const QRectF title = grisk::StripTitleRectPx(menu);
            EXPECT_EQ(grisk::StripTitleAt(title.center().x(), title.center().y()), menu);
            parts.push_back({"title " + std::to_string(menu), title.translated(strip.topLeft())});
        }
        for (const vb::Control* label : {&f().lblRules, &f().lblLevel})
            parts.push_back({label->Name().toStdString(), pixelRect(*label).translated(strip.topLeft())});
        for (std::size_t a = 0; a < parts.size(); ++a) {
            EXPECT_TRUE(strip.contains(parts[a].second)) << parts[a].first << " outside the strip";
            for (std::size_t b = a + 1; b < parts.size(); ++b)
                EXPECT_FALSE(parts[a].second.intersects(parts[b].second)) << parts[a].first << " meets " << parts[b].first;
        }
    }

    // Every seat's name, where it shows.
    std::vector<Text> nameTexts() {
        static const char* const names[] = {"Ottilie", "Grisk", "Varnok", "Mirabel"};
        std::vector<Text> out;
        for (int seat = 1; seat <= grisk::eng.NumPlayers; ++seat) {
            vb::Control& name = f().Label9(seat + 2);
            name.setCaption(QString::fromLatin1(names[seat - 1]));
            out.push_back({"the name of seat " + std::to_string(seat), vb::CaptionRectPx(name)});
        }
        return out;
    }
};

}  // namespace grisk_test
