// Whole tables as the player sees them, for every player count, number of
// centre piles, display mode and the screen widths where the layout changes:
// every pile, label and button lies inside the window; no seat's piles meet
// another seat's or the centre's, and within a seat only the designed fans
// overlap; the message line, the remark line, the name labels and the
// hold-row captions are clear of the piles; each seat shows its card size.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <sstream>
#include <vector>

#include "layout_fixture.h"
#include "platform/formwindow.h"
#include "records/state.h"
#include "table/skin_empty_piles.h"
#include "table/table_fit.h"
#include "table/table_geometry.h"

namespace {

using grisk::eng;
using grisk::tbl;
using grisk_test::pixelRect;

struct TableCase {
    int players, centres, mode, widthTw;
};

std::ostream& operator<<(std::ostream& os, const TableCase& c) {
    return os << c.players << " players, " << c.centres << " centres, mode " << c.mode << ", "
              << c.widthTw << " twips";
}

std::string where(const QRectF& r) {
    std::ostringstream os;
    os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    return os.str();
}

// The contrast of two colours of the run time (&HBBGGRR) as the WCAG
// measures it: 1 for equal colours, 21 for black on white.
double contrastRatio(int32_t a, int32_t b) {
    const auto luminance = [](int32_t c) {
        const auto channel = [](int v) {
            const double x = v / 255.0;
            return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c & 0xFF) + 0.7152 * channel((c >> 8) & 0xFF) + 0.0722 * channel((c >> 16) & 0xFF);
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Pile {
    std::string name;
    int seat;  // 0 the centre
    int slot;  // 1..10 for a seat's pile, 0 the stock, 1..4 a centre pile
    QRectF rect;
};

class WholeTableTest : public grisk_test::LayoutTest, public ::testing::WithParamInterface<TableCase> {
protected:
    void SetUp() override {
        grisk_test::LayoutTest::SetUp();
        const TableCase& c = GetParam();
        buildTable(c.players, c.centres, c.mode, c.widthTw);
        // As dealt: every pile of every seat shows, with its pay-off stack
        // of twenty cards; every hold pile has cards under its top.
        for (int seat = 1; seat <= eng.NumPlayers; ++seat)
            for (int i = 1; i <= 10; ++i) f().seatPictures(seat)(i).setVisible(true);
        eng.SideShape = 25 - eng.SideOption;
        eng.Player2.RecSideShape = 50 - eng.SideOption;
        eng.Player3.RecSideShape = 75 - eng.SideOption;
        eng.Player4.RecSideShape = 100 - eng.SideOption;
        eng.OppSideShape = eng.Player2.RecSideShape;
        grisk::ShowStackShapes(true);
        for (int i = 1; i <= 4 * eng.NumPlayers; ++i) f().StackHold(i).setVisible(true);
        f().cmdDeal.setVisible(true);
    }

    // Where a name shows: its caption as the window paints it.
    QRectF nameText(int seat) { return nameTexts()[static_cast<std::size_t>(seat - 1)].second; }

    // Every visible control that paints something of its own, with a name.
    struct Shown {
        std::string name;
        const vb::Control* control;
        QRectF rect;
    };
    std::vector<Shown> shownControls() {
        std::vector<Shown> out;
        for (const vb::Control* c : f().paintOrder()) {
            if (!c->shown() || c->rectPx().isEmpty()) continue;
            out.push_back({c->Name().toStdString() + "(" + std::to_string(c->Index()) + ")", c, c->rectPx()});
        }
        return out;
    }

    std::vector<Pile> piles() {
        std::vector<Pile> out;
        for (int seat = 1; seat <= eng.NumPlayers; ++seat)
            for (int i = 1; i <= 10; ++i)
                out.push_back({"seat " + std::to_string(seat) + " slot " + std::to_string(i), seat, i,
                               pixelRect(f().seatPictures(seat)(i))});
        for (int c = 0; c <= eng.NumCenters; ++c)
            out.push_back({c == 0 ? "stock" : "centre pile " + std::to_string(c), 0, c, pixelRect(f().PicCenter(c))});
        return out;
    }

    // The fanned rows of a seat at a three- or four-player table: its hand
    // fans out from the pay-off pile, and neighbouring hold piles overlap by
    // six pixels.
    static bool designedOverlap(const Pile& a, const Pile& b) {
        if (a.seat != b.seat || a.seat < 2 || eng.NumPlayers == 2) return false;
        if (a.slot <= 6 && b.slot <= 6) return true;
        if (a.slot >= 7 && b.slot >= 7 && std::abs(a.slot - b.slot) == 1) {
            const int w = static_cast<int>(a.rect.width());
            return a.rect.intersected(b.rect).width() <= w - grisk::OpponentFan(w).holdStep;
        }
        return false;
    }
};

TEST_P(WholeTableTest, EveryPileLabelAndButtonLiesInsideTheWindow) {
    const QRectF inner = grisk::TableInnerRect();
    for (const grisk::PlacedControl& c : grisk::VisibleTableControls()) {
        if (c.rect.isEmpty()) continue;  // nothing shows
        EXPECT_TRUE(inner.contains(c.rect)) << c.name.toStdString() << "(" << c.index << ") at " << where(c.rect)
                                            << " outside the window's " << where(inner);
    }
}

TEST_P(WholeTableTest, PilesMeetOnlyInTheirDesignedFans) {
    const std::vector<Pile> all = piles();
    for (std::size_t a = 0; a < all.size(); ++a)
        for (std::size_t b = a + 1; b < all.size(); ++b)
            if (all[a].rect.intersects(all[b].rect) && !designedOverlap(all[a], all[b]))
                ADD_FAILURE() << all[a].name << " at " << where(all[a].rect) << " meets " << all[b].name << " at "
                              << where(all[b].rect);
}

TEST_P(WholeTableTest, EachHoldRowFrameSurroundsItsPilesAndTheirOutlines) {
    for (int seat = 1; seat <= eng.NumPlayers; ++seat) {
        const QRectF frame = pixelRect(f().Label3(seat - 1));
        for (int i = 7; i <= 10; ++i) {
            const QRectF pile = pixelRect(f().seatPictures(seat)(i));
            EXPECT_TRUE(frame.contains(pile)) << "seat " << seat << "'s frame at " << where(frame) << " leaves slot " << i
                                              << " at " << where(pile);
            // The outline of a deeper pile lies inside the frame too.
            const QRectF outline = pixelRect(f().StackHold(grisk::OutlineIndex(seat, i - 6)));
            EXPECT_TRUE(frame.contains(outline)) << "seat " << seat << "'s frame at " << where(frame)
                                                 << " leaves the outline of slot " << i << " at " << where(outline);
        }
    }
}

// What the player reads: the message line's and the remark line's texts,
// the players' names and the hold-row captions, each where its text shows.
// The two lines are clear of the piles, the hold-row frames, the stock and
// the names.
TEST_P(WholeTableTest, MessageRemarkNamesAndCaptionsAreClearOfThePiles) {
    // Three or four players on a window that fits a 640 by 480 screen leave
    // the remark no place of four lines, and four players may leave the
    // message line none either (the other seats, the centre, the stock and
    // the human's two rows fill it): there they are not looked at.
    const TableCase& c = GetParam();
    const bool crowded = c.widthTw < 10000 && c.players > 2;
    const std::vector<Text> lines = messageAndRemarkTexts(!crowded || c.players == 3, !crowded);
    const std::vector<Text> names = nameTexts();
    std::vector<Text> texts = lines;
    texts.insert(texts.end(), names.begin(), names.end());
    std::vector<QRectF> frames;
    for (int seat = 1; seat <= eng.NumPlayers; ++seat) {
        vb::Control& frame = f().Label3(seat - 1);
        if (!frame.Caption().isEmpty())
            texts.push_back({"the hold-row caption of seat " + std::to_string(seat), vb::CaptionRectPx(frame)});
        frames.push_back(frame.rectPx());
    }
    for (const auto& [name, rect] : texts) {
        for (const Pile& p : piles())
            EXPECT_FALSE(rect.intersects(p.rect))
                << name << " at " << where(rect) << " meets " << p.name << " at " << where(p.rect);
        if (name.rfind("the hold-row caption", 0) != 0)
            for (const QRectF& frame : frames)
                EXPECT_FALSE(rect.intersects(frame)) << name << " at " << where(rect) << " meets the hold frame at "
                                                     << where(frame);
    }
    for (const auto& [name, rect] : lines) {
        for (const vb::Control* stock : {&f().Label1, &f().ImgTurn1, &f().ImgTurn2})
            EXPECT_FALSE(rect.intersects(pixelRect(*stock)))
                << name << " at " << where(rect) << " meets the stock's " << stock->Name().toStdString() << " at "
                << where(pixelRect(*stock));
        EXPECT_FALSE(rect.intersects(pixelRect(f().Label9(1))) && name.rfind("the remark", 0) == 0)
            << name << " at " << where(rect) << " meets the message line at " << where(pixelRect(f().Label9(1)));
        for (const auto& [seat, text] : names)
            EXPECT_FALSE(rect.intersects(text)) << name << " at " << where(rect) << " meets " << seat << " at " << where(text);
    }
}

// A seat's name shows whole and on top: inside the window and clear of
// every pile picture, stack shape, outline, hold-row frame, the board and
// the other names.
TEST_P(WholeTableTest, EveryNameIsWholeAndClearOfEveryPicture) {
    const QRectF inner = grisk::TableInnerRect();
    std::vector<QRectF> names;
    for (int seat = 1; seat <= eng.NumPlayers; ++seat) names.push_back(nameText(seat));
    for (int seat = 1; seat <= eng.NumPlayers; ++seat) {
        const QRectF text = names[static_cast<std::size_t>(seat - 1)];
        EXPECT_TRUE(inner.contains(text)) << "seat " << seat << "'s name at " << where(text);
        for (const Shown& c : shownControls()) {
            const vb::Kind k = c.control->kind();
            const bool picture = k == vb::Kind::PictureBox || k == vb::Kind::Shape || k == vb::Kind::Image ||
                                 k == vb::Kind::CommandButton || c.control == &f().Label3(0) ||
                                 c.control->Name() == "Label3" || c.control == &f().Label1;
            if (picture && c.control != &f().imgMenu)
                EXPECT_FALSE(text.intersects(c.rect))
                    << "seat " << seat << "'s name at " << where(text) << " meets " << c.name << " at " << where(c.rect);
        }
        for (int other = seat + 1; other <= eng.NumPlayers; ++other)
            EXPECT_FALSE(text.intersects(names[static_cast<std::size_t>(other - 1)])) << seat << " and " << other;
    }
}

// The hold-row frames never overlap; each caption reads clearly (a light
// text on the frame's dark fill, large enough) and lies in the strip above
// its piles, clear of them and of the outlines of deeper piles.
TEST_P(WholeTableTest, HoldRowFramesStandApartWithReadableCaptions) {
    for (int a = 0; a < eng.NumPlayers; ++a)
        for (int b = a + 1; b < eng.NumPlayers; ++b)
            EXPECT_FALSE(pixelRect(f().Label3(a)).intersects(pixelRect(f().Label3(b))))
                << "frame " << a << " at " << where(pixelRect(f().Label3(a))) << " meets frame " << b << " at "
                << where(pixelRect(f().Label3(b)));
    for (int seat = 1; seat <= eng.NumPlayers; ++seat) {
        const vb::Control& frame = f().Label3(seat - 1);
        if (frame.Caption().isEmpty()) continue;
        SCOPED_TRACE("seat " + std::to_string(seat));
        EXPECT_GE(contrastRatio(frame.ForeColor(), frame.BackColor()), 4.5);
        const QRectF caption = vb::CaptionRectPx(frame);
        EXPECT_GE(caption.height(), 9) << "a caption the eye can read";
        EXPECT_TRUE(pixelRect(frame).contains(caption)) << where(caption);
        vb::ControlArray& piles = f().seatPictures(seat);
        for (int i = 7; i <= 10; ++i) {
            EXPECT_FALSE(caption.intersects(pixelRect(piles(i)))) << "the caption meets slot " << i;
            const vb::Control& outline = f().StackHold(grisk::OutlineIndex(seat, i - 6));
            EXPECT_FALSE(caption.intersects(pixelRect(outline))) << "the caption meets the outline of slot " << i;
        }
    }
}

// The centre board carries nothing but its own piles (inside its rim), the
// wild counters and the message line; the menu tab at the top edge shows
// whole.
TEST_P(WholeTableTest, TheBoardHoldsOnlyItsPilesAndTheMenuTabShowsWhole) {
    const QRectF board = pixelRect(f().imgCenter);
    // The board's rim is 7 of its 182 or 262 pixels.
    const double rim = 7 * board.width() / f().imgCenter.Picture().width();
    for (int c = 1; c <= eng.NumCenters; ++c)
        EXPECT_TRUE(board.adjusted(rim, rim, -rim, -rim).contains(pixelRect(f().PicCenter(c))))
            << "centre pile " << c << " at " << where(pixelRect(f().PicCenter(c))) << " on the board at "
            << where(board);
    f().Label9(2).setCaption(QStringLiteral("\n\nYOU go first"));
    std::vector<std::pair<std::string, QRectF>> texts = {{"the remark", vb::CaptionRectPx(f().Label9(2))}};
    for (int seat = 1; seat <= eng.NumPlayers; ++seat) texts.push_back({"seat " + std::to_string(seat) + "'s name", nameText(seat)});
    for (const Shown& c : shownControls()) {
        const bool own = c.control->Name() == "PicCenter" && c.control->Index() >= 1;
        const bool allowed = own || c.control == &f().imgCenter || c.control->Name() == "LblWild" ||
                             c.control->Name() == "Label9" || c.control == &f().LabelPeek;
        if (!allowed)
            EXPECT_FALSE(board.intersects(c.rect)) << c.name << " at " << where(c.rect) << " on the board at " << where(board);
    }
    for (const auto& [what, rect] : texts)
        EXPECT_FALSE(board.intersects(rect)) << what << " at " << where(rect) << " on the board at " << where(board);

    const QRectF tab = pixelRect(f().imgMenu);
    for (const Shown& c : shownControls())
        if (c.control != &f().imgMenu && c.control->kind() != vb::Kind::Label)
            EXPECT_FALSE(tab.intersects(c.rect)) << "the menu tab meets " << c.name << " at " << where(c.rect);
}

// The menu strip fits the window, with or without large fonts (narrower
// rules labels) and the skin (a wider margin).
TEST_P(WholeTableTest, TheMenuStripShowsEveryTitleAndRulesLabelWhole) {
    for (const bool largeFonts : {false, true})
        for (const bool skin : {false, true}) {
            SCOPED_TRACE(testing::Message() << "large fonts " << largeFonts << ", skin " << skin);
            eng.LargeFonts = largeFonts;
            grisk::recs.SkinOn = skin;
            for (vb::Control* label : {&f().lblRules, &f().lblLevel}) label->setWidth(largeFonts ? 100 : 140);
            grisk::SelectEmptyPileImages();
            expectMenuStripWhole();
        }
}

// The opponent's avatar shows whole, and the stock with its turn arrows
// and the Deal button keep clear of it. Where the piles leave its column
// room, it is clear of every pile, hold-row frame, name and the centre
// board too. They leave none at three and four players up to 13800 twips
// (the other seats' rows fill the top edge and the rows below them), at two
// players in the large sizes from 12288 to 13800 twips (seat 2's hand and
// hold rows reach under it, and the human's hold row below them), and at
// two players with four centre piles on a 640 by 480 screen (the hold rows
// stand further right, under it).
TEST_P(WholeTableTest, TheAvatarShowsClearOfThePilesAndTheStock) {
    const TableCase& c = GetParam();
    const QRectF avatar = pixelRect(f().ImgAvatar);
    EXPECT_TRUE(grisk::TableInnerRect().contains(avatar)) << where(avatar);
    for (const vb::Control* stock : {&f().Label1, &f().ImgTurn1, &f().ImgTurn2, &f().cmdDeal})
        EXPECT_FALSE(avatar.intersects(pixelRect(*stock)))
            << "the avatar at " << where(avatar) << " meets " << stock->Name().toStdString();

    const bool noRoom = (c.players > 2 && c.widthTw <= 13800) ||
                        (c.players == 2 && c.mode < 2 && c.widthTw >= 12288 && c.widthTw <= 13800) ||
                        (c.players == 2 && c.centres == 4 && c.widthTw < 10000);
    if (noRoom) return;
    std::vector<std::pair<std::string, QRectF>> others;
    for (const Pile& p : piles()) others.push_back({p.name, p.rect});
    for (int seat = 1; seat <= eng.NumPlayers; ++seat) {
        others.push_back({"seat " + std::to_string(seat) + "'s frame", pixelRect(f().Label3(seat - 1))});
        others.push_back({"seat " + std::to_string(seat) + "'s stack", pixelRect(f().Stack(grisk::StackFirst(seat)))});
    }
    for (const Text& name : nameTexts()) others.push_back(name);
    others.push_back({"the board", pixelRect(f().imgCenter)});
    for (const auto& [what, rect] : others)
        EXPECT_FALSE(avatar.intersects(rect)) << "the avatar at " << where(avatar) << " meets " << what << " at "
                                              << where(rect);
}

// The window is never taller than the screen it opens on.
TEST_P(WholeTableTest, TheWindowFitsTheScreen) {
    EXPECT_LE(f().Height(), eng.ScreenHeightTw);
    EXPECT_LE(f().Width(), eng.ScreenWidthTw);
}

class CardSizeTest : public WholeTableTest {};

TEST_P(CardSizeTest, EachSeatShowsItsCardSize) {
    const TableCase& c = GetParam();
    const QSizeF large(71, 96), small(59, 80);
    const bool smallTable = c.mode >= 2 || c.widthTw < 10000;
    const QSizeF mine = smallTable ? small : large;
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(pixelRect(f().Picture7(i)).size(), mine) << "human slot " << i;
        for (int seat = 2; seat <= c.players; ++seat) {
            const QSizeF theirs = c.players == 2 ? mine : small;
            EXPECT_EQ(pixelRect(f().seatPictures(seat)(i)).size(), theirs) << "seat " << seat << " slot " << i;
        }
    }
    for (int p = 1; p <= c.centres; ++p) EXPECT_EQ(pixelRect(f().PicCenter(p)).size(), mine) << "centre " << p;
    EXPECT_TRUE(f().PicCenter.exists(4) == (c.centres == 4 || c.players > 2));
    if (c.centres == 3 && f().PicCenter.exists(4)) {
        EXPECT_FALSE(f().PicCenter(4).Visible());
    }
    EXPECT_EQ(tbl.Seat3Loaded, c.players >= 3);
    EXPECT_EQ(tbl.Seat4Loaded, c.players == 4);
}

// 640 pixels (small cards only, as start-up forces), 800, one twip past
// it, 1024, the widths where the anchors change, 1280 and beyond.
std::vector<TableCase> tables() {
    std::vector<TableCase> out;
    for (int players : {2, 3, 4})
        for (int centres : {3, 4})
            for (int mode : {0, 1, 2, 3}) {
                if (mode >= 2) out.push_back({players, centres, mode, 9600});
                for (int width : {12000, 12001, 12288, 13000, 13800, 15360, 19200, 28800})
                    out.push_back({players, centres, mode, width});
            }
    return out;
}

std::string caseName(const ::testing::TestParamInfo<TableCase>& info) {
    const TableCase& c = info.param;
    return "p" + std::to_string(c.players) + "c" + std::to_string(c.centres) + "m" + std::to_string(c.mode) + "w" +
           std::to_string(c.widthTw);
}

INSTANTIATE_TEST_SUITE_P(Tables, WholeTableTest, ::testing::ValuesIn(tables()), caseName);
INSTANTIATE_TEST_SUITE_P(Tables, CardSizeTest, ::testing::ValuesIn(tables()), caseName);

}  // namespace
