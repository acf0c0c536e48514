// Cards moved with the numeric keypad: a slot's key and Enter pick the card,
// a centre pile's key plays it through the centre rule, a hold pile's key
// ends the turn with a hand card; everything else lets the card go.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/keys.h"
#include "shell/keyboard.h"
#include "shell/state.h"
#include "table_fixture.h"

using namespace grisk;
using grisk_test::Card;

namespace {

constexpr int kEnter = vb::vbKeyReturn;
constexpr int Pad(int n) { return vb::vbKeyNumpad0 + n; }
const QString kWhichPile = "Move card to which pile?";

class KeypadMoveTest : public grisk_test::HumanToMoveTest {
protected:
    // The human to move with a pay-off Nine, the hand 5 6 7 8 10 (slots
    // 2..6) and empty hold piles; the first centre pile standing at Four;
    // the game dealt, so the Deal button is away.
    void SetUp() override {
        HumanToMoveTest::SetUp();
        stackCentre(1, 4, 1);
        show();
        f().cmdDeal.setVisible(false);
    }
    void press(const std::vector<int>& keys) {
        for (int k : keys) {
            int code = k;
            HandleKeyDown(code, 0);
        }
    }
    QString prompt() { return f().Label9(1).Caption(); }
};

TEST_F(KeypadMoveTest, AHandCardIsPickedConfirmedAndPlayedToACentrePile) {
    press({Pad(2)});
    EXPECT_EQ(prompt(), "Move card:  2");
    EXPECT_EQ(cmd.KeySourceSlot, 2);
    EXPECT_TRUE(f().lblHighlight.Visible());
    EXPECT_EQ(f().lblHighlight.leftTw(), f().Picture7(2).leftTw());
    EXPECT_EQ(f().lblHighlight.topTw(), f().Picture7(2).topTw());

    press({kEnter});
    EXPECT_EQ(prompt(), kWhichPile);
    EXPECT_TRUE(f().lblHighlight.Visible());

    press({Pad(1)});
    EXPECT_EQ(eng.CenterCount(1), 5);
    EXPECT_EQ(eng.CenterPile(0, 1, 5), Card(5));
    EXPECT_EQ(eng.PlayerSlots(0, 2), 0) << "the card has left its hand place";
    EXPECT_EQ(prompt(), "Done!");
    EXPECT_FALSE(f().lblHighlight.Visible());
    EXPECT_EQ(cmd.KeySourceSlot, 0);
    EXPECT_EQ(eng.Pturn, 1) << "a play to a centre pile does not end the turn";
}

TEST_F(KeypadMoveTest, ThePayOffCardAndAHoldPileTopPlayToo) {
    stackCentre(2, 8, 2);
    setHold(3, {Card(2, 3), Card(5, 3)});
    show();
    press({Pad(1), kEnter, Pad(2)});
    EXPECT_EQ(eng.CenterCount(2), 9) << "the pay-off Nine";
    press({Pad(9), kEnter, Pad(1)});
    EXPECT_EQ(eng.CenterCount(1), 5) << "the Five on hold pile 3";
    EXPECT_EQ(eng.PlayerSlots(0, 9), Card(2, 3)) << "the card under it comes up";
}

struct KeypadCase {
    const char* name;
    std::function<void(KeypadMoveTest&)> setUp;
    std::vector<int> keys;
    QString prompt;      // the message line afterwards
    int picked;          // KeySourceSlot afterwards
    bool marked;         // the highlight shown
};

class KeypadCaseTest : public KeypadMoveTest, public ::testing::WithParamInterface<KeypadCase> {};

// Whatever the keys did, no card moved unless the case says so: the
// centre piles, the hand and the hold piles are as they were.
TEST_P(KeypadCaseTest, TheMoveStandsWhereTheKeysLeaveIt) {
    const KeypadCase& c = GetParam();
    if (c.setUp) c.setUp(*this);
    const auto before = everyCard();
    const int turn = eng.Pturn;
    std::vector<int> places;
    for (int s = 1; s <= 10; ++s) places.push_back(eng.PlayerSlots(0, s));
    std::vector<int> centres;
    for (int k = 1; k <= 3; ++k) centres.push_back(eng.CenterCount(k));

    press(c.keys);
    EXPECT_EQ(prompt(), c.prompt);
    EXPECT_EQ(cmd.KeySourceSlot, c.picked);
    EXPECT_EQ(f().lblHighlight.Visible(), c.marked);
    for (int s = 1; s <= 10; ++s) EXPECT_EQ(eng.PlayerSlots(0, s), places[s - 1]) << "slot " << s;
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(eng.CenterCount(k), centres[k - 1]) << "centre " << k;
    EXPECT_EQ(everyCard(), before);
    EXPECT_EQ(eng.Pturn, turn);
}

const QString kRefusal =
    "Center piles are built up in sequence (Ace to Queen). That card cannot be played to any Center pile yet.";

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, KeypadCaseTest,
    ::testing::Values(
        KeypadCase{"AnEmptyHandPlaceIsLetGo",
                   [](KeypadMoveTest& t) {
                       t.setHand({Card(5), Card(6), Card(7), 0, Card(10)});
                       t.show();
                   },
                   {Pad(5), kEnter}, "", 0, false},
        KeypadCase{"AHoldPileCardGoesToNoHoldPile",
                   [](KeypadMoveTest& t) {
                       t.setHold(2, {Card(4, 2)});
                       t.show();
                   },
                   {Pad(8), kEnter, Pad(7)}, "", 0, false},
        KeypadCase{"TheFourthCentrePileOfThreeIsNone", nullptr, {Pad(2), kEnter, Pad(4)}, "", 0, false},
        KeypadCase{"AHandPlaceIsNoHoldPile", nullptr, {Pad(3), kEnter, Pad(6)}, "", 0, false},
        KeypadCase{"EnterForAPileLetsTheCardGo", nullptr, {Pad(3), kEnter, kEnter}, "", 0, false},
        KeypadCase{"ARefusedPlayGivesTheTurnBack", nullptr, {Pad(3), kEnter, Pad(2)}, kRefusal, 0, false},
        KeypadCase{"ASecondPickTakesItsPlace", nullptr, {Pad(2), Pad(3)}, "Move card:  3", 3, true},
        KeypadCase{"KeypadZeroNamesHoldPileFour", nullptr, {Pad(0)}, "Move card: 10", 10, true},
        KeypadCase{"EnterWithNothingPickedIsNoMove", nullptr, {kEnter}, "", 0, false},
        KeypadCase{"EnterWhileTheDealButtonShowsIsNoMove",
                   [](KeypadMoveTest& t) { frmGrisk().cmdDeal.setVisible(true); }, {Pad(2), kEnter}, "", 0, false},
        KeypadCase{"AnotherKeyLetsThePickedCardGo", nullptr, {Pad(2), vb::vbKeyDelete}, "", 0, false},
        KeypadCase{"NothingDuringAnotherSeatsTurn", [](KeypadMoveTest&) { eng.Pturn = 2; }, {Pad(2)}, "", 0,
                   false},
        KeypadCase{"NothingWhileAMoveIsUnderWay", [](KeypadMoveTest&) { eng.HumanMoveBusy = true; }, {Pad(2)},
                   "", 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeypadMoveTest, AKeyDuringAnotherSeatsTurnLetsThePickedCardGo) {
    press({Pad(2), kEnter});
    eng.Pturn = 2;
    press({Pad(1)});
    EXPECT_EQ(prompt(), "");
    EXPECT_EQ(cmd.KeySourceSlot, 0);
    EXPECT_EQ(eng.CenterCount(1), 4);
}

class KeypadDiscardTest : public KeypadMoveTest, public ::testing::WithParamInterface<int> {};

// Keypad 7, 8, 9 and 0 name hold piles 1..4.
TEST_P(KeypadDiscardTest, AHandCardOnAHoldPileEndsTheTurn) {
    const int hold = GetParam();
    // The program closing stops the other seats before their turns begin,
    // so that the pass itself can be seen.
    eng.Quitting = true;
    press({Pad(3), kEnter, Pad(hold % 10)});
    eng.Quitting = false;
    EXPECT_EQ(eng.PlayerSlots(0, hold), Card(6));
    EXPECT_EQ(eng.Pturn, 2);
    EXPECT_EQ(eng.OutMoveFrom, 3) << "the move the other machines of an Internet game hear";
    EXPECT_EQ(eng.OutMoveTo, hold);
    EXPECT_FALSE(f().Picture7(2).Enabled()) << "the hand is locked while the others play";
}

INSTANTIATE_TEST_SUITE_P(HoldPiles, KeypadDiscardTest, ::testing::Values(7, 8, 9, 10));

}  // namespace
