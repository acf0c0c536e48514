// The card counter during a game: F8 opens it, it follows the deal, the
// plays and a reshuffle, a new deal closes it; the Internet game refuses it.
// Ctrl+F11 opens the system-information box.
#include <gtest/gtest.h>

#include <set>

#include "deal_fixture.h"
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "net/state.h"
#include "play_fixture.h"
#include "platform/keys.h"
#include "shell/state.h"
#include "table/card_counter.h"

namespace {

using grisk::eng;
using grisk_test::Card;

constexpr int kF8 = vb::vbKeyF1 + 7;
constexpr int kF11 = vb::vbKeyF1 + 10;

void press(int key, int shift = 0) { grisk::frmGrisk().Form_KeyDown(key, shift); }

bool counterOpen() {
    return grisk::FrmCounterExists() && grisk::IsFormLoaded("frmCounter") && grisk::frmCounter().Visible();
}

// The card numbers the counter marks as seen, read from its grid: one row of
// thirteen marks per suit of each deck, in card-number order.
std::set<int> marked() {
    std::set<int> seen;
    const QStringList rows = grisk::frmCounter().LblGrid.Caption().split('\n');
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList marks = rows[r].split(' ', Qt::SkipEmptyParts);
        if (marks.isEmpty()) continue;
        EXPECT_EQ(marks.size(), 13) << "row " << r;
        for (int k = 0; k < marks.size(); ++k)
            if (marks[k] == "1") seen.insert(13 * r + k + 1);
    }
    return seen;
}

class CounterDealTest : public grisk_test::DealTableTest {};

TEST_F(CounterDealTest, TheCounterMarksEveryCardDealtFaceUpOrIntoAHand) {
    table(2);
    press(kF8);
    ASSERT_TRUE(counterOpen());
    EXPECT_TRUE(marked().empty());

    f().Click(f().cmdDeal);
    EXPECT_FALSE(counterOpen()) << "the new deal closes the counter";
    press(kF8);
    ASSERT_TRUE(counterOpen());
    std::set<int> dealt;
    for (int seat = 1; seat <= 2; ++seat)
        for (int n : seatSlots(seat))
            if (n != 0) dealt.insert(n);
    EXPECT_EQ(dealt.size(), 12u) << "two pay-off tops and two hands";
    EXPECT_EQ(marked(), dealt);
    press(kF8);
    EXPECT_TRUE(counterOpen()) << "F8 on the table shows it again";
    int key = kF8;
    grisk::frmCounter().Form_KeyDown(key, 0);
    EXPECT_FALSE(grisk::IsFormLoaded("frmCounter")) << "F8 on the counter closes it";
}

class CounterPlayTest : public grisk_test::PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        table();
    }
};

TEST_F(CounterPlayTest, PlaysAndAReshuffleAreCountedAsTheyHappen) {
    setSide({Card(8, 1), Card(9, 1), Card(1, 1)});
    setHand({Card(1, 2)});
    setStock({});
    std::vector<int> used;
    for (int i = 0; i < 24; ++i) used.push_back(Card(i % 13 + 1, 4 + i / 13));
    setUsed(used);
    show();
    press(kF8);
    ASSERT_TRUE(counterOpen());
    ASSERT_TRUE(marked().empty());

    play(1, 1);  // the pay-off Ace turns up the Nine
    EXPECT_EQ(marked(), std::set<int>{Card(9, 1)});

    play(2, 2);  // the last hand card: the used pile becomes the stock, the hand is refilled
    ASSERT_EQ(eng.HandCount, 5);
    std::set<int> expected{Card(9, 1)};
    for (int s = 2; s <= 6; ++s) expected.insert(eng.PlayerSlots(0, s));
    EXPECT_EQ(marked(), expected);
    for (int i = 1; i <= eng.StockCount; ++i) EXPECT_EQ(marked().count(eng.Deck(0, i)), 0u) << "still in the stock";
}

TEST_F(CounterPlayTest, AnInternetGameRefusesTheCounterUnlessInDeveloperMode) {
    grisk::inet.NetPeers = 1;
    press(kF8);
    EXPECT_FALSE(counterOpen());
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_EQ(vb::msgbox_script::shown()[0].prompt, "Count your own cards during a Net game!");
    EXPECT_EQ(vb::msgbox_script::shown()[0].title, "Count by yourself");
    EXPECT_EQ(vb::msgbox_script::shown()[0].icon(), vb::vbExclamation);

    grisk::cmd.DeveloperMode = true;
    press(kF8);
    EXPECT_TRUE(counterOpen());
}

TEST_F(CounterPlayTest, CtrlF11OpensTheSystemInformationBoxOnlyWithCtrl) {
    press(kF11, vb::vbCtrlMask | vb::vbShiftMask);
    press(kF8, vb::vbCtrlMask);
    EXPECT_TRUE(vb::msgbox_script::shown().empty());
    EXPECT_FALSE(counterOpen());
    press(kF11, vb::vbCtrlMask);
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_TRUE(vb::msgbox_script::shown()[0].prompt.startsWith("Resolution: \n"));
}

}  // namespace
