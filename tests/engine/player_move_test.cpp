// The human's play of a card onto a centre pile: the piles, pictures and
// counters it changes, the remarks it sets off, a completed pile cleared,
// the hand refilled, the move log, the game's end; and the hand's reorder.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "engine/card_handling.h"
#include "engine/open_files.h"
#include "engine/player_move.h"
#include "play_fixture.h"
#include "records/move_log.h"
#include "records/saved_game_record.h"
#include "shell/state.h"
#include "shell/tutorial.h"

namespace {

using grisk::eng;
using grisk::recs;
using grisk::cmd;
using grisk_test::Card;
using grisk_test::RankOf;

QString lastSound() { return QFileInfo(sound::LastRequested()).fileName(); }

class PlayerMoveTest : public grisk_test::PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        table();
        setSide({Card(8, 1), Card(9, 1), Card(10, 1)});
        setHand({Card(1, 2), Card(5, 2), Card(6, 2), Card(7, 2), Card(9, 2)});
        setStock({Card(2, 5), Card(3, 5), Card(4, 5), Card(5, 5), Card(6, 5), Card(7, 5)});
    }
};

TEST_F(PlayerMoveTest, AHandCardGoesOnThePileAndItsPlaceEmpties) {
    show();
    const auto before = everyCard();
    play(2, 1);
    EXPECT_EQ(eng.CenterCount(1), 1);
    EXPECT_EQ(eng.CenterPile(0, 1, 1), Card(1, 2));
    EXPECT_EQ(eng.CenterPile(1, 1, 1), 1);
    EXPECT_EQ(eng.PlayerSlots(0, 2), 0);
    EXPECT_EQ(eng.PlayerSlots(1, 2), 0);
    EXPECT_EQ(eng.HandCount, 4);
    EXPECT_FALSE(f().Picture7(2).Visible());
    EXPECT_EQ(f().PicCenter(1).Drawn(), QString("face %1 large").arg(Card(1, 2)));
    EXPECT_EQ(eng.OutMoveFrom, 2);
    EXPECT_EQ(eng.OutMoveTo, 1);
    EXPECT_EQ(recs.BestRun(1, 1), 1);
    EXPECT_EQ(recs.BestRun(1, 4), 1);
    EXPECT_EQ(f().StatusBar1.Panels(2).Text, " 0- 1- 0- [ 1 ]");
    EXPECT_EQ(everyCard(), before);
    for (int s = 1; s <= 10; ++s) EXPECT_EQ(f().Picture7(s).Enabled(), eng.PlayerSlots(0, s) != 0) << s;
    EXPECT_FALSE(eng.GameBusy);
    EXPECT_FALSE(eng.HumanMoveBusy);
}

// In the tutorial a play takes the pointers away and keeps the cards locked
// until the tutorial's Next button, which the play brings up.
TEST_F(PlayerMoveTest, InTheTutorialAPlayHidesThePointersAndBringsUpNext) {
    show();
    grisk::frmTutorial().cmdNextTip.setVisible(false);
    cmd.TutorialOn = true;
    f().imgTip.setVisible(true);
    f().imgTipUp.setVisible(true);
    play(2, 1);
    cmd.TutorialOn = false;
    EXPECT_EQ(eng.CenterCount(1), 1);
    EXPECT_FALSE(f().imgTip.Visible());
    EXPECT_FALSE(f().imgTipUp.Visible());
    EXPECT_TRUE(grisk::frmTutorial().cmdNextTip.Visible());
    for (int s = 1; s <= 10; ++s) EXPECT_FALSE(f().Picture7(s).Enabled()) << s;
    grisk::frmTutorial().Unload();
}

TEST_F(PlayerMoveTest, APayOffCardTurnsUpTheNextOne) {
    setSide({Card(8, 1), Card(9, 1), Card(1, 1)});
    show();
    const int shape = eng.SideShape;
    f().Stack(shape + 1).setVisible(true);
    play(1, 2);
    EXPECT_EQ(eng.SideCount, 2);
    EXPECT_EQ(eng.PlayerSlots(0, 1), Card(9, 1));
    EXPECT_EQ(eng.PlayerSlots(1, 1), 9);
    EXPECT_EQ(eng.SideShape, shape + 1);
    EXPECT_FALSE(f().Stack(shape + 1).Visible()) << "the drawn pile gets thinner";
    EXPECT_EQ(f().Picture7(1).Drawn(), QString("face %1 large").arg(Card(9, 1)));
    EXPECT_EQ(eng.Deck(2, Card(9, 1)), 1) << "the turned-up card counts as seen";
    EXPECT_EQ(recs.BestRun(1, 0), 1);
    EXPECT_EQ(eng.CenterPile(0, 2, 1), Card(1, 1));
}

TEST_F(PlayerMoveTest, TheLastButOnePayOffCardTakesTheHoldImageAway) {
    setSide({Card(8, 1), Card(1, 1)});
    show();
    f().ImgHold.setVisible(true);
    play(1, 1);
    EXPECT_EQ(eng.SideCount, 1);
    EXPECT_FALSE(f().ImgHold.Visible());
}

TEST_F(PlayerMoveTest, AHoldPileShowsWhatLayUnderItsTop) {
    struct Case {
        std::vector<int> pile;  // bottom to top; the top is an Ace
        int countAfter;
        int slotAfter;
        bool outlineAfter;
        QString drawn;
    };
    const Case cases[] = {
        {{Card(3, 3), Card(7, 3), Card(1, 3)}, 1, Card(7, 3), true, QString("face %1 large").arg(Card(7, 3))},
        {{Card(7, 3), Card(1, 3)}, 0, Card(7, 3), false, QString("face %1 large").arg(Card(7, 3))},
        {{Card(1, 3)}, 0, 0, false, "empty large"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pile.size());
        grisk_test::ResetAll();
        SetUp();
        setHold(1, c.pile);
        show();
        play(7, 1);
        EXPECT_EQ(eng.PlayerHoldCount(1), c.countAfter);
        EXPECT_EQ(eng.PlayerSlots(0, 7), c.slotAfter);
        EXPECT_EQ(eng.PlayerSlots(1, 7), c.slotAfter == 0 ? 0 : RankOf(c.slotAfter));
        EXPECT_EQ(f().StackHold(1).Visible(), c.outlineAfter);
        EXPECT_EQ(f().Picture7(7).Drawn(), c.drawn);
        EXPECT_TRUE(f().Picture7(7).Visible());
        EXPECT_EQ(recs.BestRun(1, 2), 1);
        EXPECT_EQ(eng.CenterPile(0, 1, 1), Card(1, 3));
    }
}

TEST_F(PlayerMoveTest, KingsCountByWhereTheyCameFromAndShowTheirValue) {
    setSide({Card(8, 1), Card(13, 1)});
    setHand({Card(13, 2), Card(5, 2)});
    stackCentre(1, 4, 6);
    show();
    play(1, 1);
    EXPECT_EQ(eng.PlayerWildSide, 1);
    EXPECT_EQ(f().LblWild(1).Caption(), " 5 ");
    EXPECT_EQ(f().PicCenter(1).ToolTipText(), " 5 ");
    EXPECT_TRUE(f().LblWild(1).Visible());
    play(2, 2);
    EXPECT_EQ(eng.PlayerWildHand, 1);
    EXPECT_EQ(f().LblWild(2).Caption(), " 1 ");
    EXPECT_EQ(f().StatusBar1.Panels(4).Text, "Wild:  1/ 1");
    setHand({Card(6, 2)});
    play(2, 1);
    EXPECT_FALSE(f().LblWild(1).Visible()) << "a number card covers the King";
    EXPECT_EQ(f().PicCenter(1).ToolTipText(), "");
}

TEST_F(PlayerMoveTest, TheTwelfthCardClearsThePileToTheUsedPileAceFirst) {
    stackCentre(2, 11, 7);
    setUsed({Card(4, 4)});
    setHand({Card(12, 2), Card(5, 2)});
    show();
    const auto before = everyCard();
    play(2, 2);
    EXPECT_EQ(eng.CenterCount(2), 0);
    EXPECT_EQ(eng.UsedCount, 13);
    for (int k = 1; k <= 11; ++k) EXPECT_EQ(eng.Used(0, k + 1), Card(k, 7)) << k;
    EXPECT_EQ(eng.Used(0, 13), Card(12, 2));
    EXPECT_EQ(eng.Used(1, 2), 1) << "Ace first";
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(eng.CenterPile(0, 2, k), 0);
    EXPECT_TRUE(f().PicCenter(2).Drawn().startsWith("empty"));
    EXPECT_FALSE(f().Label9(0).Visible());
    EXPECT_EQ(lastSound(), "~118.tmp");
    EXPECT_EQ(everyCard(), before);
}

TEST_F(PlayerMoveTest, TheFifthHandCardRefillsTheHandAfterThePileIsCleared) {
    stackCentre(1, 11, 7);
    setHand({0, 0, Card(12, 2), 0, 0});
    show();
    const auto before = everyCard();
    play(4, 1);
    EXPECT_EQ(eng.UsedCount, 12);
    EXPECT_EQ(eng.HandCount, 5);
    EXPECT_EQ(eng.StockCount, 1);
    // Dealt from the top of the stock, place 2 first.
    const int expected[] = {Card(7, 5), Card(6, 5), Card(5, 5), Card(4, 5), Card(3, 5)};
    for (int s = 2; s <= 6; ++s) {
        EXPECT_EQ(eng.PlayerSlots(0, s), expected[s - 2]) << s;
        EXPECT_TRUE(f().Picture7(s).Visible());
        EXPECT_TRUE(f().Picture7(s).Enabled());
    }
    EXPECT_EQ(f().Label9(1).Caption(), "\n\nYOU Picked Up");
    EXPECT_EQ(everyCard(), before);
}

TEST_F(PlayerMoveTest, AnEmptyStockIsMadeFromTheUsedPileForTheRefill) {
    setStock({});
    std::vector<int> used;
    for (int i = 0; i < 24; ++i) used.push_back(Card(i % 13 + 1, 4 + i / 13));
    setUsed(used);
    setHand({Card(1, 2)});
    show();
    const auto before = everyCard();
    play(2, 1);
    EXPECT_EQ(eng.UsedCount, 0);
    EXPECT_EQ(eng.StockCount, 19);
    EXPECT_EQ(eng.HandCount, 5);
    EXPECT_EQ(everyCard(), before) << "the 24 cards became the stock and the hand";
    EXPECT_EQ(f().Label9(2).Caption(), " ");
    EXPECT_TRUE(f().PicCenter(0).Visible());
}

TEST_F(PlayerMoveTest, TheLastPayOffCardEndsTheGameAtOnce) {
    stackCentre(1, 11, 7);
    setSide({Card(12, 1)});
    setHand({Card(5, 2)});
    eng.HandCount = 0;  // nothing would stop a refill but the end
    show();
    play(1, 1);
    EXPECT_EQ(eng.SideCount, 0);
    EXPECT_EQ(eng.CenterCount(1), 12) << "the last card's pile is not cleared";
    EXPECT_EQ(eng.UsedCount, 0);
    EXPECT_EQ(eng.StockCount, 6) << "no refill";
    EXPECT_FALSE(f().Picture7(1).Visible());
    EXPECT_EQ(eng.Pturn, 0);
    EXPECT_EQ(f().PicCenter(1).Drawn(), QString("face %1 large").arg(Card(12, 1)));
    EXPECT_TRUE(f().cmdDeal.Visible());
    EXPECT_FALSE(f().Picture7(3).Enabled());
}

TEST_F(PlayerMoveTest, RemarksOnAPoorPlayAndMurphysLaw) {
    eng.Comments(31) = "A King";
    eng.Comments(32) = "for that?";
    eng.Comments(33) = "Poor play.";
    // A hand Seven onto a pile at Six while the pay-off top is a Seven.
    setSide({Card(8, 1), Card(7, 1)});
    stackCentre(1, 6, 6);
    setHand({Card(7, 2), Card(9, 2)});
    show();
    recs.SoundLevel = 0;
    sound::PlayAsync("/nonexistent/none.wav");
    play(2, 1);
    EXPECT_EQ(f().Label9(1).Caption(), "Poor play.");
    EXPECT_EQ(lastSound(), "~105.tmp");

    // Without comments the opponent stays silent.
    eng.NoComments = true;
    stackCentre(2, 6, 7);
    setHand({Card(7, 3), Card(9, 3)});
    f().Label9(1).setCaption("kept");
    play(2, 2);
    EXPECT_EQ(f().Label9(1).Caption(), "kept");

    // The pay-off card turned up has the value the pile now stands at.
    eng.NoComments = false;
    setSide({Card(2, 1), Card(2, 3)});
    setCentre(3, {Card(1, 4)});
    play(1, 3);
    EXPECT_EQ(f().Label9(1).Caption(), "\nMurphy's Law strikes again!");
}

}  // namespace
