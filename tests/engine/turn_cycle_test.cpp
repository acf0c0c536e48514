// The turn cycle: the human's discard hands the turn round the table and
// back, each other seat playing its turn; the idle timer and its nudges; the
// tutorial's pause; a new game asked for while a seat plays; a close.
#include <gtest/gtest.h>

#include <QFile>
#include <QTimer>
#include <functional>
#include <set>

#include "engine/deal.h"
#include "engine/end_turn.h"
#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "engine/turn_cycle.h"
#include "net/state.h"
#include "platform/eventwait.h"
#include "play_fixture.h"
#include "records/remarks.h"
#include "shell/menu_commands.h"
#include "shell/state.h"
#include "shell/tutorial.h"

using namespace grisk;
using grisk_test::Card;

namespace {

class TurnCycleTest : public grisk_test::PlayTest {
protected:
    void TearDown() override {
        waits::SetPauseScale(0);
        if (cmd.TutorialOn) frmTutorial().Unload();
        PlayTest::TearDown();
    }

    // A game of players seats in mid-play, the human to move: every seat has
    // a full hand and a pay-off pile, the stock holds enough to refill.
    void midGame(int players) {
        table(players, players == 2 ? 3 : 4);
        for (int seat = 2; seat <= players; ++seat) {
            setSeatHand(seat, {Card(2, seat), Card(4, seat), Card(6, seat), Card(11, seat), Card(12, seat)});
            for (int p = 1; p <= 4; ++p) setSeatHold(seat, p, {});
        }
        std::vector<int> stock;
        for (int i = 0; i < 20; ++i) stock.push_back(Card(i % 12 + 1, 7));
        setStock(stock);
        humanToMove();
    }

    // A tutorial script beside the program, so that the tutorial opens.
    void tutorialScript() {
        QFile script(tempPath("tutorial.txt"));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("Welcome!\n");
        eng.AppFolder = tempFolder();
    }

    static int holdCards(int seat) {
        int n = 0;
        for (int p = 1; p <= 4; ++p) n += SeatRecord(seat).HoldTable(p, 1);
        return n;
    }
};

// Each other seat plays one turn (here: one discard) and the turn is the
// human's again, with the hand refilled from the stock.
TEST_F(TurnCycleTest, TheTurnGoesRoundTheTableAndBack) {
    for (int players : {2, 3, 4}) {
        SCOPED_TRACE(players);
        midGame(players);
        const int stockBefore = eng.StockCount;
        const int topOfStock = eng.Deck(0, eng.StockCount);

        discard(2, 1);

        EXPECT_EQ(eng.Pturn, 1);
        EXPECT_EQ(eng.SeatOrder(eng.TurnIndex), 1);
        for (int seat = 2; seat <= players; ++seat) EXPECT_EQ(holdCards(seat), 1) << "seat " << seat;
        // The human's hand: the place left by the discard is filled again.
        EXPECT_EQ(eng.PlayerSlots(0, 2), topOfStock);
        for (int s = 2; s <= 6; ++s) EXPECT_NE(eng.PlayerSlots(1, s), 0) << "hand place " << s;
        EXPECT_EQ(eng.StockCount, stockBefore - 1) << "the other seats' hands were full";
        EXPECT_EQ(eng.HandCount, 5);
        EXPECT_TRUE(f().ImgTurn1.Visible());
        EXPECT_FALSE(f().ImgTurn2.Visible());
        for (int s = 1; s <= 10; ++s)
            EXPECT_EQ(f().Picture7(s).Enabled(), s <= 7) << "slot " << s << ": the piles with a card";
        EXPECT_FALSE(eng.GameBusy);
        EXPECT_FALSE(eng.HumanMissedMove);
        EXPECT_EQ(f().Label9(1).Caption(), "\n\n     It's your turn...");
        EXPECT_TRUE(f().Timer1.Enabled);
        EXPECT_EQ(f().Timer1.Interval, players == 2 ? 12000 : 24000);
        // Another round: each seat's hand is refilled before it discards again.
        discard(3, 2);
        for (int seat = 2; seat <= players; ++seat) {
            EXPECT_EQ(holdCards(seat), 2) << "seat " << seat;
            int hand = 0;
            for (int s = 2; s <= 6; ++s) hand += SeatRecord(seat).Slots(1, s) != 0 ? 1 : 0;
            EXPECT_EQ(hand, 4) << "seat " << seat << " refilled, then discarded";
        }
        EXPECT_EQ(eng.Pturn, 1);
    }
}

// A pay-off card the human left unplayed is remarked on by the seats that
// follow; the human's turn starts with the note cleared.
TEST_F(TurnCycleTest, TheOtherSeatsRemarkOnAMissedPayOffCard) {
    midGame(3);
    stackCentre(2, 8, 1);  // the human's pay-off Nine fits
    // A seat remarks when it holds the card the human missed.
    for (int seat : {2, 3}) setSeatHand(seat, {Card(2, seat), Card(4, seat), Card(9, seat), Card(11, seat), Card(12, seat)});
    for (PlayerRecord* r : {&eng.Player2, &eng.Player3}) r->RecComments(21) = "You missed one!";
    eng.Player2.CommentFile = eng.Player3.CommentFile = "Default Personality";
    recs.SoundLevel = 0;
    {
        // The remark stands while the seat pauses after it; the discard clears the line.
        grisk_test::LineWatch remarks(2);
        discard(2, 1);
        EXPECT_GE(remarks.seen(QStringLiteral("You missed one!")), 2) << "the next seat remarks and pauses on it";
    }
    EXPECT_EQ(f().Label9(2).Caption(), "  ") << "the last seat's discard clears the line";
    EXPECT_FALSE(eng.HumanMissedMove) << "cleared when the turn is the human's again";
}

// After four nudges of a game the timer is no longer armed; none runs in an
// Internet game or in the tutorial.
TEST_F(TurnCycleTest, TheIdleTimerIsArmedOnlyForALocalHumanWhoHasNotBeenNudgedFourTimes) {
    struct Case {
        const char* name;
        int nudges;
        int peers;
        bool tutorial;
        bool armed;
    };
    for (const Case& c : {Case{"local", 0, 0, false, true}, Case{"three nudges", 3, 0, false, true},
                          Case{"four nudges", 4, 0, false, false}, Case{"Internet", 0, 1, false, false},
                          Case{"tutorial", 0, 0, true, false}}) {
        SCOPED_TRACE(c.name);
        midGame(2);
        f().Timer1.Enabled = false;
        recs.NudgeCount(0) = c.nudges;
        inet.NetPeers = c.peers;
        cmd.TutorialOn = c.tutorial;
        ComputerTurn();
        EXPECT_EQ(static_cast<bool>(f().Timer1.Enabled), c.armed);
        EXPECT_EQ(f().Timer1.running(), c.armed);
        inet.NetPeers = 0;
        cmd.TutorialOn = false;
    }
}

// The timer's ticks speak the loaded opponent's three idle lines, each once,
// and stop the timer; after the third nothing more is said.
TEST_F(TurnCycleTest, TheNudgesSpeakEachIdleLineOnce) {
    midGame(2);
    eng.Comments(28) = "line 28";
    eng.Comments(29) = "line 29";
    eng.Comments(30) = "line 30";
    std::set<QString> spoken;
    for (int n = 1; n <= 3; ++n) {
        f().Timer1.Interval = 12000;
        f().Timer1.Enabled = true;
        f().Timer1_Timer();
        EXPECT_FALSE(f().Timer1.Enabled);
        spoken.insert(f().Label9(2).Caption());
        EXPECT_EQ(recs.NudgeCount(0), n + 1);
    }
    EXPECT_EQ(spoken, (std::set<QString>{"line 28", "line 29", "line 30"}));
    f().Label9(2).setCaption("quiet");
    f().Timer1_Timer();
    EXPECT_EQ(f().Label9(2).Caption(), "quiet");
    EXPECT_EQ(recs.NudgeCount(0), 4);
    ComputerTurn();
    EXPECT_FALSE(f().Timer1.Enabled) << "four nudges: the timer stays off";
}

// The timer is a real one: armed, it ticks from the event loop.
TEST_F(TurnCycleTest, AnArmedTimerTicksFromTheEventLoop) {
    midGame(2);
    eng.Comments(28) = eng.Comments(29) = eng.Comments(30) = "Your move!";
    f().Timer1.Interval = 5;
    f().Timer1.Enabled = true;
    EXPECT_TRUE(grisk_test::RunEventsUntil([this] { return f().Label9(2).Caption() == "Your move!"; }));
    EXPECT_FALSE(f().Timer1.running()) << "one nudge, then the timer waits to be armed again";
}

TEST_F(TurnCycleTest, TheTutorialWaitsForItsNextButtonAfterTheOtherSeats) {
    table(2, 3);
    tutorialScript();
    frmTutorial().Show();
    ASSERT_TRUE(cmd.TutorialOn);
    // A game on the tutorial's table, the human to move.
    midGame(2);
    f().imgTip.setVisible(true);
    f().imgTipUp.setVisible(true);
    const QString before = frmTutorial().lblTipText.Caption();

    discard(2, 1);

    EXPECT_EQ(eng.Pturn, 1);
    EXPECT_FALSE(f().imgTip.Visible());
    EXPECT_FALSE(f().imgTipUp.Visible());
    EXPECT_FALSE(frmTutorial().cmdBack.Enabled());
    EXPECT_TRUE(frmTutorial().cmdNextTip.Enabled());
    EXPECT_TRUE(cmd.TutorialWait);
    EXPECT_EQ(frmTutorial().lblTipText.Caption(), before) << "the script's steps say what to do";
    EXPECT_FALSE(f().Timer1.Enabled);
    EXPECT_FALSE(f().Picture7(3).Enabled()) << "the hand waits for Next";
    EXPECT_TRUE(f().Picture7(7).Enabled()) << "hold piles stay open in the tutorial";

    frmTutorial().Click(frmTutorial().cmdNextTip);
    EXPECT_FALSE(cmd.TutorialWait);
    EXPECT_FALSE(frmTutorial().cmdNextTip.Visible()) << "past the script's only step";
}

// Whatever closes the tutorial leaves the table to the player: its cards,
// the menus, the table cleared of the tutorial's game, the hint to start a
// new one and the Deal button.
TEST_F(TurnCycleTest, ClosingTheTutorialLeavesThePlayerAbleToPlay) {
    midGame(2);
    tutorialScript();
    frmTutorial().Show();
    ASSERT_TRUE(cmd.TutorialOn);
    EXPECT_TRUE(cmd.MenuLocked);
    EnablePlayerCards(false);
    f().imgTip.setVisible(true);
    frmTutorial().Unload();
    EXPECT_FALSE(cmd.TutorialOn);
    EXPECT_TRUE(cmd.TutorialWait);
    EXPECT_FALSE(cmd.MenuLocked);
    EXPECT_FALSE(f().imgTip.Visible());
    EXPECT_EQ(eng.Pturn, 0);
    EXPECT_EQ(eng.SideCount, 0);
    EXPECT_EQ(f().Label9(2).Caption(), "Select NEW from the Game Menu to start a new game.");
    EXPECT_TRUE(f().cmdDeal.Visible());
}

// Without its script the tutorial says so and closes at once.
TEST_F(TurnCycleTest, WithoutItsScriptTheTutorialClosesAtOnce) {
    table(2, 3);
    eng.AppFolder = tempFolder();
    vb::msgbox_script::clearShown();
    frmTutorial().Show();
    EXPECT_FALSE(frmTutorial().isLoaded());
    EXPECT_FALSE(cmd.TutorialOn);
    EXPECT_FALSE(cmd.MenuLocked);
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_EQ(vb::msgbox_script::shown()[0].prompt, "Tutorial not found, unable to run the tutorial.");
    EXPECT_TRUE(f().cmdDeal.Visible());
}

// "New Game" while a seat plays: that turn ends, no further seat plays, and
// the new game is dealt.
TEST_F(TurnCycleTest, ANewGameAskedForDuringAComputerTurnStartsWhenThatTurnIsOver) {
    midGame(3);
    waits::SetPauseScale(0.001);
    // The discards of seats 2 and 3 before the new deal (the old game's
    // pay-off pile holds two cards).
    int seat2Discards = 0, seat3Discards = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (eng.SideCount != 2) return;
        seat2Discards = std::max(seat2Discards, holdCards(2));
        seat3Discards = std::max(seat3Discards, holdCards(3));
    });
    watch.start(0);
    grisk_test::InsideWait ask([] { return eng.Pturn == 2; }, [] { MenuGameCommand(0); });

    discard(2, 1);
    ASSERT_TRUE(ask.ran());

    EXPECT_EQ(seat2Discards, 1) << "seat 2 finished its turn";
    EXPECT_EQ(seat3Discards, 0) << "seat 3 never began";
    EXPECT_FALSE(cmd.RestartRequested);
    EXPECT_EQ(eng.SideCount, eng.SideOption + 1) << "a new deal";
    EXPECT_GE(eng.Pturn, 1);
    EXPECT_FALSE(eng.GameBusy);
}

// "New Game" while a seat plays, declined when the seat is about to win:
// the game goes on, the seats still to play play, and the turn is the
// human's again with the table free.
TEST_F(TurnCycleTest, ANewGameDeclinedDuringAComputerTurnHandsTheTurnBack) {
    for (int players : {2, 3}) {
        SCOPED_TRACE(players);
        midGame(players);
        setSide({Card(3), Card(9), Card(3, 1), Card(9, 1), Card(10, 1)});
        for (int seat = 2; seat <= players; ++seat) setSeatSide(seat, {Card(12, seat), Card(11, seat)});
        waits::SetPauseScale(0.001);
        vb::msgbox_script::clearShown();
        grisk_test::InsideWait ask([] { return eng.Pturn == 2; }, [] {
            vb::msgbox_script::pushAnswer(vb::vbNo);
            MenuGameCommand(0);
        });
        discard(2, 1);
        ASSERT_TRUE(ask.ran());
        ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
        EXPECT_TRUE(vb::msgbox_script::shown()[0].prompt.startsWith("Are you serious?!"));
        EXPECT_FALSE(cmd.RestartRequested);
        EXPECT_EQ(eng.SideCount, 5) << "no new deal";
        for (int seat = 2; seat <= players; ++seat) EXPECT_EQ(holdCards(seat), 1) << "seat " << seat << " played";
        EXPECT_EQ(eng.Pturn, 1);
        EXPECT_EQ(eng.SeatOrder(eng.TurnIndex), 1);
        for (int s = 2; s <= 6; ++s) EXPECT_TRUE(f().Picture7(s).Enabled()) << "hand place " << s;
        EXPECT_TRUE(f().Timer1.Enabled);
        EXPECT_FALSE(eng.GameBusy);
        waits::SetPauseScale(0);
    }
}

TEST_F(TurnCycleTest, AGameCommandWhileANewGameWaitsDoesNothing) {
    midGame(2);
    cmd.RestartRequested = true;
    const int stock = eng.StockCount;
    MenuGameCommand(0);
    EXPECT_EQ(eng.StockCount, stock);
    EXPECT_TRUE(cmd.RestartRequested);
}

// A close asked for while the others play ends the cycle after the running
// turn; nothing but the release of the game follows.
TEST_F(TurnCycleTest, ClosingEndsTheCycleAfterTheRunningTurn) {
    midGame(3);
    waits::SetPauseScale(0.001);
    grisk_test::InsideWait close([] { return eng.Pturn == 2; }, [] { eng.Quitting = true; });
    discard(2, 1);
    ASSERT_TRUE(close.ran());
    EXPECT_EQ(eng.Pturn, 3) << "seat 2 finished its turn, seat 3 never began";
    EXPECT_EQ(holdCards(2), 1);
    EXPECT_EQ(holdCards(3), 0);
    EXPECT_FALSE(eng.GameBusy);
    EXPECT_FALSE(f().Timer1.Enabled);
}

}  // namespace
