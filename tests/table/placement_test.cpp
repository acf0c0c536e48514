// Where the table puts its counters, the fourth seat and the avatar, from
// the layout's own numbers; and how a window is scaled to the screen or
// stepped up and down.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <ostream>

#include "layout_fixture.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "table/avatar.h"
#include "table/form_scaling.h"
#include "table/table_fit.h"

namespace {

using grisk::eng;
using grisk::tbl;
using grisk_test::pixelRect;

class PlacementTest : public grisk_test::LayoutTest {};

// The wild counters of four centre piles: beside the board at a larger
// table (1 and 3 left of it, level with their piles), above and below it
// at two players.
TEST_F(PlacementTest, WildCountersOfALargerTableStandBesideTheBoard) {
    buildTable(3, 4, 0, 15360);
    const QRectF board = pixelRect(f().imgCenter);
    EXPECT_DOUBLE_EQ(pixelRect(f().LblWild(1)).right(), board.left());
    EXPECT_DOUBLE_EQ(pixelRect(f().LblWild(3)).top(), pixelRect(f().PicCenter(3)).top());
    EXPECT_DOUBLE_EQ(pixelRect(f().LblWild(3)).left(), pixelRect(f().LblWild(1)).left());
    EXPECT_DOUBLE_EQ(pixelRect(f().LblWild(2)).left(), board.right());
    EXPECT_DOUBLE_EQ(pixelRect(f().LblWild(4)).top(), pixelRect(f().PicCenter(4)).top());
}

TEST_F(PlacementTest, WildCountersOfTwoPlayersStandAboveAndBelowTheBoard) {
    buildTable(2, 4, 0, 15360);
    const QRectF board2 = pixelRect(f().imgCenter);
    EXPECT_DOUBLE_EQ(pixelRect(f().LblWild(1)).bottom(), board2.top());
    EXPECT_DOUBLE_EQ(pixelRect(f().LblWild(3)).top(), board2.bottom()) << "counter 3 under the board";
    EXPECT_DOUBLE_EQ(pixelRect(f().LblWild(3)).left(), pixelRect(f().LblWild(1)).left());
}

// Three centre piles at a larger table stand in a block: the board is the
// tall one and holds all three.
TEST_F(PlacementTest, ThreePilesInABlockLieOnTheTallBoard) {
    buildTable(4, 3, 0, 15360);
    const QRectF board = pixelRect(f().imgCenter);
    EXPECT_GT(board.height(), board.width());
    for (int c = 1; c <= 3; ++c) EXPECT_TRUE(board.contains(pixelRect(f().PicCenter(c)))) << "pile " << c;
}

struct Seat4Case {
    int widthTw;
    double payOffLeft;
};

std::ostream& operator<<(std::ostream& os, const Seat4Case& c) { return os << c.widthTw << " twips"; }

class Seat4Test : public PlacementTest, public ::testing::WithParamInterface<Seat4Case> {};

// Seat 4's pay-off pile at 590 on a narrow screen and 664 on a wide one;
// at 12288 twips (a window of 819 pixels) 664 would put the seat's last
// hold pile off the window, so it moves left the least that keeps it whole.
TEST_P(Seat4Test, SeatFourStandsAtItsPlaceOrTheLeastInside) {
    const Seat4Case& c = GetParam();
    buildTable(4, 4, 0, c.widthTw);
    EXPECT_DOUBLE_EQ(pixelRect(f().Picture3(1)).left(), c.payOffLeft);
    EXPECT_EQ(grisk::OpponentPayOffLeft(4), c.payOffLeft);
    const double right = pixelRect(f().Label3(3)).right();
    EXPECT_LE(right, grisk::TableRightPx());
}

INSTANTIATE_TEST_SUITE_P(Tables, Seat4Test,
                         ::testing::Values(Seat4Case{12000, 590}, Seat4Case{15360, 664}, Seat4Case{19200, 664},
                                           Seat4Case{12288, 636}));

struct AvatarCase {
    int w, h;
    QSize shown;
};

// The avatar keeps its picture's proportions in its 130-pixel box: a
// picture not much wider than high fills the box's height (and may come
// out wider), a wide one its width.
TEST_F(PlacementTest, TheAvatarKeepsItsPicturesProportions) {
    const AvatarCase cases[] = {{100, 100, {130, 130}}, {200, 100, {130, 65}}, {110, 100, {143, 130}},
                                {100, 200, {65, 130}}};
    buildTable(2, 3, 0, 15360);
    eng.UserFolder = tempFolder() + "/";
    QDir().mkpath(eng.UserFolder + "Avatars");
    for (const AvatarCase& c : cases) {
        QImage picture(c.w, c.h, QImage::Format_RGB32);
        picture.fill(Qt::darkRed);
        const QString name = QStringLiteral("a%1x%2.png").arg(c.w).arg(c.h);
        ASSERT_TRUE(picture.save(eng.UserFolder + "Avatars/" + name));
        grisk::ShowAvatar(name);
        EXPECT_EQ(pixelRect(f().ImgAvatar).size(), QSizeF(c.shown)) << c.w << "x" << c.h;
        EXPECT_DOUBLE_EQ(pixelRect(f().imgSlap).bottom(), pixelRect(f().ImgAvatar).bottom() - 2);
    }
    // A file that cannot be read leaves the picture as it was.
    const QImage before = f().ImgAvatar.Picture();
    grisk::ShowAvatar(QStringLiteral("missing.png"));
    EXPECT_EQ(f().ImgAvatar.Picture(), before);
}

struct FactorCase {
    int mode, step;
    double screenW, screenH;
    float x, y;
    int spacing;  // CardSpacing afterwards (82 when untouched)
};

// The factors: fitted to the screen, but never beyond a screen of 17280
// by 12960 twips; a step up by 1.25 or down by 0.8, which also sets the
// card spacing.
TEST_F(PlacementTest, ScalingFactorsFollowTheScreenOrTheStep) {
    const FactorCase cases[] = {
        {4, 0, 9600, 7200, 0.8f, 0.8f, 82},       {4, 0, 15360, 11520, 1.28f, 1.28f, 82},
        {4, 0, 19200, 14400, 1.44f, 1.44f, 82},   {4, 0, 19200, 12000, 1.28f, 1.28f, 82},
        {5, 2, 15360, 11520, 1.25f, 1.25f, 102},  {5, 3, 15360, 11520, 0.8f, 0.8f, 66},
    };
    for (const FactorCase& c : cases) {
        screen::Metrics m;
        m.widthTw = c.screenW;
        m.heightTw = c.screenH;
        screen::Inject(m);
        eng.ScreenWidthTw = c.screenW;
        eng.ScreenHeightTw = c.screenH;
        tbl.CardSpacing = 82;
        vb::Form window(QStringLiteral("frmHold"));
        window.Move(0, 0, 4000, 3000);
        grisk::ScaleFormToScreen(window, c.mode, c.step);
        const grisk::ScaleFactors got = grisk::FormScaleFactors(c.mode, c.step);
        EXPECT_FLOAT_EQ(got.x, c.x) << c.screenW << " by " << c.screenH << ", mode " << c.mode;
        EXPECT_FLOAT_EQ(got.y, c.y);
        EXPECT_DOUBLE_EQ(window.Width(), 4000 * static_cast<double>(c.x));
        EXPECT_DOUBLE_EQ(window.Height(), 3000 * static_cast<double>(c.y));
        EXPECT_EQ(tbl.CardSpacing, c.spacing);
    }
    screen::ClearInjection();
}

// A companion window: its controls move and grow, a line and the card
// counter's pictures stay, an image keeps its font; a maximised window is
// not scaled at all.
TEST_F(PlacementTest, ACompanionWindowScalesItsControls) {
    vb::Form counter(QStringLiteral("frmCounter"));
    counter.Move(0, 0, 4000, 3000);
    vb::Control& label = counter.addControl(vb::Kind::Label, QStringLiteral("lblCount"));
    vb::Control& image = counter.addControl(vb::Kind::Image, QStringLiteral("imgSuit"));
    vb::Control& line = counter.addControl(vb::Kind::Line, QStringLiteral("Line1"));
    for (vb::Control* c : {&label, &image}) c->setGeometryTw(100, 200, 1000, 400);
    line.setLineEnds(0, 0, 1000, 0);
    grisk::ScaleFormToScreen(counter, grisk::kScaleByStep, grisk::kStepLarger);
    EXPECT_DOUBLE_EQ(label.leftTw(), 125);
    EXPECT_DOUBLE_EQ(label.topTw(), 250);
    EXPECT_DOUBLE_EQ(label.widthTw(), 1250);
    EXPECT_DOUBLE_EQ(label.heightTw(), 500);
    EXPECT_DOUBLE_EQ(label.FontSize(), 8.25 * 1.25);
    EXPECT_DOUBLE_EQ(image.leftTw(), 100) << "the card counter's pictures stay";
    EXPECT_DOUBLE_EQ(line.x2Tw(), 1000);
    EXPECT_DOUBLE_EQ(counter.Width(), 5000);

    vb::Form other(QStringLiteral("frmHold"));
    vb::Control& picture = other.addControl(vb::Kind::Image, QStringLiteral("imgSuit"));
    picture.setGeometryTw(100, 200, 1000, 400);
    grisk::ScaleFormToScreen(other, grisk::kScaleByStep, grisk::kStepSmaller);
    EXPECT_NEAR(picture.widthTw(), 800, 1e-3);
    EXPECT_DOUBLE_EQ(picture.FontSize(), 8.25) << "an image has no font of its own";

    other.setWindowState(2);
    grisk::ScaleFormToScreen(other, grisk::kScaleByStep, grisk::kStepSmaller);
    EXPECT_NEAR(picture.widthTw(), 800, 1e-3) << "a maximised window is not scaled";
}

class MainWindowScaleTest : public PlacementTest, public ::testing::WithParamInterface<double> {};

// The main window stepped down for two players: the piles move and shrink
// with it, its width stays (the layout sets it), and the menu strip's
// labels, the emotion icon and the turn arrows keep their places; the
// avatar too on a screen of 12000 twips or more, not on a narrower one.
TEST_P(MainWindowScaleTest, TheMainWindowScalesItsTableButNotItsFixedControls) {
    const double widthTw = GetParam();
    buildTable(2, 3, 0, widthTw);
    const QRectF hand = pixelRect(f().Picture7(2));
    const QRectF avatar = pixelRect(f().ImgAvatar);
    const double width = f().Width();
    const double height = f().Height();
    const double labelFont = f().Label9(3).FontSize();
    std::vector<std::pair<vb::Control*, QRectF>> fixed;
    for (vb::Control* c : {&f().lblRules, &f().lblLevel, &f().imgIcon, &f().ImgTurn1, &f().ImgTurn2})
        fixed.push_back({c, c->rectPx()});
    grisk::ScaleFormToScreen(f(), grisk::kScaleByStep, grisk::kStepSmaller);
    const QRectF scaled = pixelRect(f().Picture7(2));
    EXPECT_NEAR(scaled.left(), hand.left() * 0.8, 1e-3);
    EXPECT_NEAR(scaled.top(), hand.top() * 0.8, 1e-3);
    EXPECT_NEAR(scaled.width(), hand.width() * 0.8, 1e-3);
    EXPECT_DOUBLE_EQ(f().Width(), width);
    EXPECT_NEAR(f().Height(), height * 0.8, 1e-3);
    EXPECT_EQ(eng.MainFormHeight, vb::CInt(f().Height()));
    EXPECT_NEAR(f().Label9(3).FontSize(), labelFont * 0.8, 1e-4);
    for (const auto& [c, r] : fixed) EXPECT_EQ(c->rectPx(), r) << c->Name().toStdString();
    if (widthTw >= 12000)
        EXPECT_EQ(pixelRect(f().ImgAvatar), avatar);
    else
        EXPECT_NEAR(pixelRect(f().ImgAvatar).width(), avatar.width() * 0.8, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(Screens, MainWindowScaleTest, ::testing::Values(15360.0, 9600.0));

}  // namespace
