// Peeking at the other seats' hands, and the wild-card counters on the
// status bar.
#include <gtest/gtest.h>

#include <ostream>

#include "engine/player_record.h"
#include "engine/play_fixture.h"
#include "layout_fixture.h"
#include "platform/msgbox.h"
#include "platform/sound.h"
#include "records/state.h"
#include "table/card_counter.h"
#include "table/peek.h"
#include "table/wild_counters.h"

using namespace grisk;

namespace {

class PeekTest : public grisk_test::LayoutTest {
protected:
    // Seat s (2..4) holds cards in the hand places listed; card numbers tell
    // the seat and the place.
    static void giveHand(PlayerRecord& rec, int seat, std::initializer_list<int> places) {
        for (int place : places) {
            rec.Slots(0, place) = 52 * (seat - 1) + 10 * (seat - 2) + place;
            rec.Slots(1, place) = place;
        }
    }
    static int shownCard(const vb::Control& pic) {
        const QStringList words = pic.Drawn().split(' ');
        return words.size() == 3 && words[0] == "face" ? words[1].toInt() : 0;
    }
};

TEST_F(PeekTest, PeekingShowsEverySeatsHandAndHidesItAgain) {
    buildTable(4, 3);
    eng.DataFolder = tempFolder() + "/";
    giveHand(eng.Player2, 2, {2, 3, 4, 5, 6});
    giveHand(eng.Player3, 3, {2, 4});
    giveHand(eng.Player4, 4, {6});
    RedrawTable();
    vb::ControlArray* seats[] = {&f().Picture1, &f().Picture2, &f().Picture3};
    const PlayerRecord* recs4[] = {&eng.Player2, &eng.Player3, &eng.Player4};

    eng.Peeking = true;
    Peek();
    for (int k = 0; k < 3; ++k) {
        for (int place = 2; place <= 6; ++place) {
            const int card = recs4[k]->Slots(0, place);
            vb::Control& pic = (*seats[k])(place);
            if (card != 0) {
                EXPECT_EQ(shownCard(pic), (card - 1) % 52 + 1) << "seat " << k + 2 << " place " << place;
                EXPECT_TRUE(pic.Visible());
            } else {
                EXPECT_FALSE(pic.Visible()) << "an empty place stays empty: seat " << k + 2 << " place " << place;
            }
        }
    }
    // The last face turned up lies on top of the fanned hand.
    std::vector<vb::Control*> order = f().paintOrder();
    EXPECT_EQ(order.back(), &f().Picture3(6));
    EXPECT_EQ(sound::LastRequested(), eng.DataFolder + "~118.tmp");

    eng.Peeking = false;
    Peek();
    for (int k = 0; k < 3; ++k)
        for (int place = 2; place <= 6; ++place)
            if (recs4[k]->Slots(0, place) != 0)
                EXPECT_TRUE((*seats[k])(place).Drawn().startsWith("back")) << k + 2 << "/" << place;
}

// Peeking during seat 3's turn, reached by a real discard of the human's:
// the seat's hand as it stands in its turn (refilled from the stock), stored
// back into its record first.
class PeekDuringATurnTest : public grisk_test::PlayTest {};

TEST_F(PeekDuringATurnTest, PeekingShowsTheMovingSeatsLatestHand) {
    using grisk_test::Card;
    table(3, 4);
    humanToMove();
    setSeatHand(2, {Card(2, 2), Card(4, 2), Card(6, 2), Card(11, 2), Card(12, 2)});
    setSeatHand(3, {Card(2, 3), Card(4, 3), 0, Card(11, 3), Card(12, 3)});
    for (int seat : {2, 3})
        for (int p = 1; p <= 4; ++p) setSeatHold(seat, p, {});
    std::vector<int> stored, live, shown;
    const auto face = [](const vb::Control& pic) {
        const QStringList words = pic.Drawn().split(' ');
        return words.size() == 3 && words[0] == "face" ? words[1].toInt() : 0;
    };
    const bool ran = duringTurnOf(
        3,
        [&] {
            eng.Peeking = true;
            Peek();
            eng.Peeking = false;
            for (int s = 2; s <= 6; ++s) {
                stored.push_back(eng.Player3.Slots(0, s));
                live.push_back(eng.OppSlots(0, s));
                shown.push_back(f().Picture2(s).Visible() ? face(f().Picture2(s)) : 0);
            }
        },
        [] { return eng.OppSlots(0, 4) != 0; });  // the seat has drawn into place 4
    ASSERT_TRUE(ran);
    EXPECT_EQ(stored, live) << "the seat was stored back first";
    for (std::size_t k = 0; k < live.size(); ++k)
        EXPECT_EQ(shown[k], live[k] == 0 ? 0 : (live[k] - 1) % 52 + 1) << "place " << k + 2;
}

TEST_F(PeekTest, OnlySeatsOnTheTableAndPlacesWithACardArePainted) {
    buildTable(2, 3);
    eng.DataFolder = tempFolder() + "/";
    giveHand(eng.Player3, 3, {2, 3});  // left over from a larger game
    eng.Player2.Slots(0, 4) = 9;       // a number without its rank is no card
    f().Picture1(4).setDrawn(QStringLiteral("untouched"));
    eng.Peeking = true;
    EXPECT_EQ(grisk_test::errorOf([] { Peek(); }), 0);
    EXPECT_TRUE(vb::msgbox_script::shown().empty());
    EXPECT_EQ(f().Picture1(4).Drawn(), "untouched");
    EXPECT_EQ(sound::LastRequested(), eng.DataFolder + "~118.tmp") << "an empty hand still sounds";

    recs.SoundLevel = 2;
    eng.DataFolder = tempFolder() + "/silent/";
    Peek();
    EXPECT_NE(sound::LastRequested(), eng.DataFolder + "~118.tmp");
}

TEST(GoUpdateOpponents, StoresOnlyTheSeatToMove) {
    grisk_test::ResetAll();
    for (int turn : {0, 1, 2, 3, 4}) {
        eng.Player2 = eng.Player3 = eng.Player4 = PlayerRecord{};
        eng.Pturn = turn;
        eng.OppSideCount = 17;
        GoUpdateOpponents();
        EXPECT_EQ(eng.Player2.RecSideCount, turn == 2 ? 17 : 0) << turn;
        EXPECT_EQ(eng.Player3.RecSideCount, turn == 3 ? 17 : 0) << turn;
        EXPECT_EQ(eng.Player4.RecSideCount, turn == 4 ? 17 : 0) << turn;
    }
}

struct WildCase {
    const char* what;
    int players;
    double screenTw;
    const char* panel5;
    int pturn;
    const char* mine;
    const char* theirs;
};

std::ostream& operator<<(std::ostream& os, const WildCase& c) { return os << c.what; }

class WildTest : public grisk_test::LayoutTest, public ::testing::WithParamInterface<WildCase> {};

TEST_P(WildTest, PanelsShowTheCounters) {
    const WildCase& c = GetParam();
    eng.NumPlayers = c.players;
    eng.ScreenWidthTw = c.screenTw;
    eng.Pturn = c.pturn;
    eng.Player2.Name = "Grisk";
    eng.Player3.Name = "Varnok";
    eng.Player4.Name = "Mirabel";
    eng.PlayerWildSide = 1;
    eng.PlayerWildHand = 12;
    eng.OppWildSide = 0;
    eng.OppWildHand = 5;   // the loaded seat's working counts
    eng.Player2.WildSide = 2;
    eng.Player3.WildHand = 3;
    eng.Player4.WildSide = -1;
    f().StatusBar1.Panels(5).Text = c.panel5;
    WildUpdate();
    EXPECT_EQ(f().StatusBar1.Panels(4).Text, c.mine) << c.what;
    EXPECT_EQ(f().StatusBar1.Panels(8).Text, c.theirs) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WildTest,
    ::testing::Values(
        WildCase{"two players, wide", 2, 15360, "Grisk", 1, "Wild:  1/ 12", "Wild:  0/ 5"},
        WildCase{"just over 640 pixels", 2, 9601, "", 1, "Wild:  1/ 12", "Wild:  0/ 5"},
        WildCase{"640 pixels: no prefix", 2, 9600, "", 1, " 1/ 12", " 0/ 5"},
        WildCase{"narrow, four players: the loaded seat", 4, 9600, "Varnok", 1, " 1/ 12", " 0/ 5"},
        WildCase{"the seat panel 5 names", 3, 12000, "Varnok", 1, "Wild:  1/ 12", "Wild:  0/ 3"},
        WildCase{"seat 2 by name", 4, 12000, "Grisk", 1, "Wild:  1/ 12", "Wild:  2/ 0"},
        WildCase{"as a new game leaves panel 5", 3, 12000, "Varnok:", 1, "Wild:  1/ 12", "Wild:  0/ 3"},
        WildCase{"no match: seat 4", 4, 12000, "Someone", 1, "Wild:  1/ 12", "Wild: -1/ 0"},
        WildCase{"the moving seat's newest counts", 4, 12000, "Varnok", 3, "Wild:  1/ 12", "Wild:  0/ 5"},
        WildCase{"another seat moving", 4, 12000, "Varnok", 2, "Wild:  1/ 12", "Wild:  0/ 3"}));

}  // namespace
