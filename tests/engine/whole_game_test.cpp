// Whole games as a player plays them: dealt by the New Game command, the
// human playing every card that fits and discarding, the computer seats
// taking their turns, until a pay-off pile is empty; then the next game.
#include <gtest/gtest.h>

#include <QFile>

#include "deal_fixture.h"
#include "engine/card_handling.h"
#include "engine/deal.h"
#include "engine/end_turn.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "opponent/greedy_seat.h"
#include "platform/random.h"
#include "records/profile_record.h"
#include "records/state.h"
#include "shell/state.h"

using namespace grisk;

namespace {

class WholeGameTest : public grisk_test::DealTableTest {
protected:
    void SetUp() override {
        DealTableTest::SetUp();
        PlayerProfileRecord shared, mine;
        shared.Seats(0).Name = mine.Seats(0).Name = "Ottilie";
        QFile prefs(eng.DataFolder + "Prefs.sav");
        ASSERT_TRUE(prefs.open(QIODevice::WriteOnly));
        prefs.write(shared.encode() + mine.encode());
        prefs.close();
        recs.CurrentProfile = 2;
        recs.SkipWinShow = true;
    }

    PlayerProfileRecord profile() const {
        QFile prefs(eng.DataFolder + "Prefs.sav");
        EXPECT_TRUE(prefs.open(QIODevice::ReadOnly));
        return PlayerProfileRecord::decode(prefs.readAll().mid(kPlayerProfileRecordLength));
    }

    // Plays the human's turns until the game is over; the number of turns.
    static int playToTheEnd() {
        int turns = 0;
        while (eng.Pturn == 1 && turns < 3000) {
            ++turns;
            while (eng.Pturn == 1 && GreedyPlayOne()) {
            }
            if (eng.Pturn == 1) GreedyDiscard();
        }
        return turns;
    }
};

TEST_F(WholeGameTest, GamesArePlayedToTheirEndGameAfterGame) {
    for (int players : {2, 4}) {
        SCOPED_TRACE(players);
        table(players, 19);
        const PlayerProfileRecord before = profile();
        int wins = 0;
        for (int game = 1; game <= 2; ++game) {
            SCOPED_TRACE(game);
            vb::Randomize(static_cast<uint64_t>(100 * players + game));
            Game_New();
            ASSERT_EQ(eng.Pturn, 1) << "the other seats have played their first turns";
            const int turns = playToTheEnd();
            EXPECT_LT(turns, 3000);
            EXPECT_EQ(eng.Pturn, 0);
            int emptied = eng.SideCount == 0 ? 1 : 0;
            for (int seat = 2; seat <= players; ++seat) emptied += SeatRecord(seat).RecSideCount == 0 ? 1 : 0;
            EXPECT_EQ(emptied, 1) << "one pay-off pile was played empty";
            const bool humanWon = eng.SideCount == 0;
            wins += humanWon ? 1 : 0;
            EXPECT_TRUE(eng.EndText.startsWith(humanWon ? "That was your LAST CARD!" : "That was the last card, "))
                << eng.EndText.toStdString();
            EXPECT_TRUE(f().cmdDeal.Visible());
            EXPECT_FALSE(eng.GameBusy);
            EXPECT_FALSE(cmd.MenuLocked);
            const PlayerProfileRecord now = profile();
            // Counted once a game, in slots 0, 1 (Average) and the table size.
            for (int slot : {0, 1, players + 2}) {
                EXPECT_EQ(now.GamesPlayed(slot), before.GamesPlayed(slot) + game) << "slot " << slot;
                EXPECT_EQ(now.GamesWon(slot), before.GamesWon(slot) + wins) << "slot " << slot;
            }
        }
    }
}

// The wild counters count one game: after a game in which the human played
// Kings, the next deal shows every counter at nought.
TEST_F(WholeGameTest, TheWildCountersStartAgainWithEachDeal) {
    table(2, 19);
    vb::Randomize(11);
    Game_New();
    for (int turns = 0; eng.Pturn == 1 && eng.PlayerWildSide + eng.PlayerWildHand == 0 && turns < 300; ++turns) {
        while (eng.Pturn == 1 && GreedyPlayOne()) {
        }
        if (eng.Pturn == 1) GreedyDiscard();
    }
    ASSERT_GT(eng.PlayerWildSide + eng.PlayerWildHand, 0) << "the human played a King";
    ASSERT_NE(f().StatusBar1.Panels(4).Text, "Wild:  0/ 0");
    playToTheEnd();
    Game_New();
    EXPECT_EQ(eng.PlayerWildSide, 0);
    EXPECT_EQ(eng.PlayerWildHand, 0);
    EXPECT_EQ(f().StatusBar1.Panels(4).Text, "Wild:  0/ 0");
}

}  // namespace
