// A card's flight across the table: its steps, what covers the pile it left
// and that the cover goes when the card lands, where it ends, its pacing,
// and a centre pile restored from damaged counts.
#include <gtest/gtest.h>

#include <algorithm>
#include <QTimer>
#include <ostream>

#include "engine/deal.h"
#include "engine/state.h"
#include "layout_fixture.h"
#include "platform/eventwait.h"
#include "platform/random.h"
#include "platform/vb.h"
#include "records/state.h"
#include "table/animation.h"
#include "table/layout.h"

using namespace grisk;
using grisk_test::pixelRect;

namespace {

struct PathCase {
    const char* what;
    QPointF start;
    QPointF target;
    int speed;
    int steps;
    QPointF first;
    QPointF last;
};

std::ostream& operator<<(std::ostream& os, const PathCase& c) { return os << c.what; }

class FlightPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(FlightPathTest, TheLongerAxisLeadsAndStopsAtItsLimit) {
    const PathCase& c = GetParam();
    const std::vector<QPointF> path = FlightPath(c.start, c.target, c.speed);
    ASSERT_EQ(static_cast<int>(path.size()), c.steps) << c.what;
    EXPECT_EQ(path.front(), c.first) << c.what;
    EXPECT_EQ(path.back(), c.last) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FlightPathTest,
    ::testing::Values(
        // 710 to the left at speed 10: steps of 71, ending once Left <= ToLeft + 35.5.
        PathCase{"left", {710, 100}, {0, 100}, 10, 10, {639, 100}, {0, 100}},
        // Right: half a card beyond the target; the vertical follows and stops on its row.
        PathCase{"right", {0, 0}, {300, 60}, 10, 12, {30, 6}, {360, 60}},
        // Onto itself: one pixel at a time to 36 pixels right of the target.
        PathCase{"itself", {200, 50}, {200, 50}, 45, 36, {201, 50}, {236, 50}},
        // Speed 250 over 100 pixels: the step rounds to 0 and becomes 1.
        PathCase{"tiny step", {100, 0}, {0, 0}, 250, 65, {99, 0}, {35, 0}},
        // Up: vertical-led, ends on the target's row; the horizontal follows.
        PathCase{"up", {100, 400}, {130, 100}, 10, 10, {103, 370}, {130, 100}},
        // Down: stops half a card (48) short; the level horizontal swings.
        PathCase{"down", {100, 100}, {100, 400}, 10, 9, {101, 130}, {101, 370}},
        // A fraction of a pixel in the start is kept; the distance counts from
        // the whole pixel (344.25 -> 344, step 30).
        PathCase{"fraction", {344.25, 392}, {44, 392}, 10, 9, {314.25, 392}, {74.25, 392}}));

TEST(FlightPath, StepsRoundHalvesToEven) {
    // 125 / 50 = 2.5 gives a step of 2; 175 / 50 = 3.5 gives 4.
    EXPECT_EQ(FlightPath({25, 0}, {-100, 0}, 50).front().x(), 23);
    EXPECT_EQ(FlightPath({0, 0}, {175, 0}, 50).front().x(), 4);
}

TEST(FlightPath, NearTheTargetTheFollowingAxisSwings) {
    // Up 300 with 6 to the right: the horizontal steps by 1 and swings
    // round the target column once it is there.
    const std::vector<QPointF> path = FlightPath({100, 400}, {106, 100}, 10);
    std::vector<double> xs;
    for (const QPointF& p : path) xs.push_back(p.x());
    EXPECT_EQ(xs, (std::vector<double>{101, 102, 103, 104, 105, 106, 107, 106, 107, 106}));
}

TEST(FlightPath, ADamagedSpeedFliesAtTheDefaultStep) {
    const std::vector<QPointF> normal = FlightPath({600, 300}, {40, 20}, kDefaultAnimSpeed);
    for (int speed : {0, -5, -32768, 30000}) {
        EXPECT_EQ(FlightPath({600, 300}, {40, 20}, speed), normal) << speed;
    }
}

class FlightTest : public grisk_test::LayoutTest {
protected:
    vb::Control& cover() { return f().Picture1(0); }
    void placeCover(double leftTw, double topTw) {
        cover().setGeometryTw(leftTw, topTw, cover().widthTw(), cover().heightTw());
        cover().setVisible(false);
        cover().setDrawn(QStringLiteral("untouched"));
    }
    // Flies the card as the program does, a little faster, and tells whether
    // the moving-card picture showed while the card was on its way.
    bool flyWatchingTheCover(vb::ControlArray& from, int slot, vb::ControlArray& to, int target) {
        waits::SetPauseScale(0.01);
        bool seen = false;
        QTimer watch;
        watch.setInterval(0);
        QObject::connect(&watch, &QTimer::timeout, [&] { seen = seen || cover().Visible(); });
        watch.start();
        AnimateCardMove(from, slot, to, target);
        watch.stop();
        waits::SetPauseScale(0);
        return seen;
    }
};

// The card flies in front of every pile, but under the menu strip and the
// status bar; it ends hidden where it began.
TEST_F(FlightTest, AFlightEndsHiddenExactlyWhereItBeganInFrontOfThePiles) {
    buildTable(2, 3);
    vb::Control& side = f().Picture7(1);
    const double leftTw = side.leftTw();
    const double topTw = side.topTw();
    ASSERT_NE(std::fmod(screen::TwipsToPixels(leftTw), 1.0), 0.0) << "the side pile sits at a fraction";
    side.setVisible(true);
    f().picPanel.setVisible(true);
    f().StatusBar1.setVisible(true);

    AnimateCardMove(f().Picture7, 1, f().PicCenter, 2);

    EXPECT_FALSE(side.Visible());
    EXPECT_DOUBLE_EQ(side.leftTw(), leftTw);
    EXPECT_DOUBLE_EQ(side.topTw(), topTw);
    EXPECT_EQ(eng.DragLeft, static_cast<int>(vb::RoundHalfEven(screen::TwipsToPixels(leftTw))));
    EXPECT_EQ(eng.DragTop, static_cast<int>(vb::RoundHalfEven(screen::TwipsToPixels(topTw))));
    const std::vector<vb::Control*> order = f().paintOrder();
    const auto at = [&](const vb::Control& c) { return std::find(order.begin(), order.end(), &c) - order.begin(); };
    for (int seat = 1; seat <= 2; ++seat)
        for (int i = 1; i <= 10; ++i)
            if (i != 1 || seat != 1) EXPECT_GT(at(side), at(f().seatPictures(seat)(i))) << seat << " " << i;
    for (int c = 0; c <= 3; ++c) EXPECT_GT(at(side), at(f().PicCenter(c))) << "centre " << c;
    EXPECT_LT(at(side), at(f().picPanel)) << "under the menu strip";
    EXPECT_LT(at(side), at(f().StatusBar1)) << "under the status bar";
}

// While the card is on its way the moving-card picture covers the pile it
// left, at that pile's size, with what lies under the card; when the
// flight ends it is hidden, so that no card picture stays on the table.
TEST_F(FlightTest, TheMovingCardCoversThePileTheCardLeftWhileItFlies) {
    buildTable(4, 4);
    struct Case {
        const char* what;
        vb::ControlArray* from;
        int slot;
        int oppSideCount;
        bool covered;
        const char* drawn;  // prefix of what the cover shows
    };
    // The human's hold pile 2 has the card 17 under its top; pile 3 nothing.
    eng.PlayerHoldCount(2) = 2;
    eng.PlayerHold(0, 2, 1) = 5;
    eng.PlayerHold(0, 2, 2) = 17;
    eng.PlayerHoldCount(3) = 0;
    const Case cases[] = {
        {"human hold with a card under", &f().Picture7, 8, 0, true, "face 17"},
        {"human hold with none under", &f().Picture7, 9, 0, true, "empty"},
        {"seat 2 pay-off with cards left", &f().Picture1, 1, 6, true, "untouched"},
        {"seat 4 pay-off with cards left", &f().Picture3, 1, 6, true, "untouched"},
        {"seat 2 pay-off played out", &f().Picture1, 1, 0, false, "untouched"},
        {"seat 3 hold pile", &f().Picture2, 9, 0, true, "untouched"},
        {"human hand", &f().Picture7, 3, 0, false, "untouched"},
        {"human pay-off", &f().Picture7, 1, 0, false, "untouched"},
    };
    for (const Case& c : cases) {
        placeCover(0, 0);
        // A card picture left on the table by anything before does not stay.
        cover().setVisible(!c.covered);
        eng.OppSideCount = c.oppSideCount;
        vb::Control& source = (*c.from)(c.slot);
        source.setVisible(true);
        const QRectF home = pixelRect(source);
        EXPECT_EQ(flyWatchingTheCover(*c.from, c.slot, f().PicCenter, 1), c.covered) << c.what;
        EXPECT_EQ(pixelRect(cover()), home) << c.what << ": on the pile it stands in for, at its size";
        EXPECT_FALSE(cover().Visible()) << c.what << ": hidden when the flight ends";
        EXPECT_TRUE(cover().Drawn().startsWith(c.drawn)) << c.what << ": " << cover().Drawn().toStdString();
    }
}

TEST_F(FlightTest, ADealtCardIsTheMovingPictureItself) {
    buildTable(2, 3);
    eng.CardMoving = true;
    vb::Control& stock = f().PicCenter(0);
    placeCover(stock.leftTw(), stock.topTw());
    cover().setVisible(true);
    AnimateCardMove(f().Picture1, 0, f().Picture7, 4);
    EXPECT_FALSE(cover().Visible());
    EXPECT_DOUBLE_EQ(cover().leftTw(), stock.leftTw());
    EXPECT_DOUBLE_EQ(cover().topTw(), stock.topTw());
}

TEST_F(FlightTest, APlaceChangedByAHandlerDuringTheFlightDoesNotMoveTheCardsHome) {
    buildTable(2, 3);
    vb::Control& card = f().Picture7(4);
    const double leftTw = card.leftTw();
    const double topTw = card.topTw();
    waits::SetPauseScale(0.001);  // frames of a millisecond, events running
    bool ran = false;
    QTimer::singleShot(0, [&] {
        // A press on another card records its own home meanwhile.
        eng.DragLeft = 3;
        eng.DragTop = 4;
        ran = true;
    });
    AnimateCardMove(f().Picture7, 4, f().PicCenter, 3);
    EXPECT_TRUE(ran);
    EXPECT_DOUBLE_EQ(card.leftTw(), leftTw);
    EXPECT_DOUBLE_EQ(card.topTw(), topTw);
}

TEST_F(FlightTest, ACardTakenOffTheTableDuringItsFlightIsLeftAlone) {
    buildTable(3, 3);
    ASSERT_TRUE(f().Picture2.exists(5));
    waits::SetPauseScale(0.001);
    QTimer::singleShot(0, [&] { f().Picture2.Unload(5); });
    AnimateCardMove(f().Picture2, 5, f().PicCenter, 1);
    EXPECT_FALSE(f().Picture2.exists(5));
}

// A flight lasts its steps on the flight clock, whatever the screen's frame
// rate: a slow speed is not cut short, and a long one is not stretched to a
// frame a step (250 frames would be four seconds for one card).
// Steps run on the program's clock: while the flight is ahead of the clock
// each step is shown for a frame; steps that fall behind are taken at once.
TEST_F(FlightTest, AFlightLastsItsStepsOnTheFlightClock) {
    buildTable(2, 3);
    vb::Control& card = f().Picture7(2);
    const QPointF start(screen::TwipsToPixels(card.leftTw()), screen::TwipsToPixels(card.topTw()));
    const QPointF target(screen::TwipsToPixels(f().PicCenter(1).leftTw()),
                         screen::TwipsToPixels(f().PicCenter(1).topTw()));
    waits::SetPauseScale(1);
    const struct {
        double secondsPerRead;
        bool eachStepShown;
    } cases[] = {{0.00001, true}, {3600.0, false}};
    for (const auto& c : cases) {
        for (int speed : {10, 250}) {
            SCOPED_TRACE(testing::Message() << c.secondsPerRead << " s a reading, speed " << speed);
            recs.AnimSpeed = speed;
            const long steps = static_cast<long>(FlightPath(start, target, speed).size());
            double now = 1000.0;
            waits::SetClockForTests([&now, &c] { return now += c.secondsPerRead; });
            const long before = waits::FramesWaited();
            AnimateCardMove(f().Picture7, 2, f().PicCenter, 1);
            waits::SetClockForTests(nullptr);
            EXPECT_EQ(waits::FramesWaited() - before, c.eachStepShown ? steps : 0);
        }
    }
}

TEST_F(FlightTest, ADamagedCentreCountShowsAnEmptyPile) {
    buildTable(2, 3);
    eng.CenterCount(2) = 13;
    EXPECT_NO_THROW(RedrawTable());
    EXPECT_TRUE(f().PicCenter(2).Drawn().startsWith("empty"));
}

}  // namespace

namespace {

// Dealt as the Deal button deals, with the other seats' turns played out
// where one of them begins: no moving-card picture stays on the table, at
// any table size (seeds where the human and where another seat begins).
TEST_F(FlightTest, NoCardPictureStaysOnTheTableAfterADealAndTheOtherSeatsTurns) {
    for (int players : {2, 4}) {
        for (uint64_t seed : {1u, 2u, 3u, 5u, 7u}) {
            SCOPED_TRACE(testing::Message() << players << " players, seed " << seed);
            grisk_test::ResetAll();
            buildTable(players, 4, 0, 12000);
            vb::Randomize(seed);
            eng.PlayerName = QStringLiteral("Ottilie");
            ResetTableDisplay();
            ASSERT_TRUE(grisk::SetUp());
            GoDeal();
            for (vb::ControlArray* seat : {&f().Picture1, &f().Picture2, &f().Picture3})
                if (seat->exists(0)) EXPECT_FALSE((*seat)(0).Visible()) << seat->Name().toStdString() << "(0)";
        }
    }
}

}  // namespace
