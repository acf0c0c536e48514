// Whole games as a player plays them: dealt by the New Game command, the
// human playing every card that fits and discarding, the other seats taking
// their turns, until the human's pay-off pile is empty; then the next game.
#include <gtest/gtest.h>

#include <QFile>

#include "deal_fixture.h"
#include "engine/card_handling.h"
#include "engine/deal.h"
#include "engine/end_turn.h"
#include "engine/state.h"
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

    // The centre pile that a card of rank fits first, 0 for none.
    static int fits(int rank) {
        for (int c = 1; c <= eng.NumCenters; ++c) {
            const int n = eng.CenterCount(c);
            if (rank == 13 ? n < 12 && (n > 0 || !eng.NoWildAce) : rank == n + 1) return c;
        }
        return 0;
    }

    // Plays one card that fits, the pay-off card first, then the hand, then
    // the hold tops; false when none fits.
    static bool playOne() {
        for (int s = 1; s <= 10; ++s) {
            const int rank = eng.PlayerSlots(1, s);
            const int c = rank == 0 ? 0 : fits(rank);
            if (c != 0 && HumanCenterPlay(s, c, false)) return true;
        }
        return false;
    }

    // The first hand card onto the hold pile with the fewest cards.
    static void discard() {
        int source = 0;
        for (int s = 2; s <= 6 && source == 0; ++s)
            if (eng.PlayerSlots(1, s) != 0) source = s;
        int pile = 1;
        for (int p = 2; p <= 4; ++p)
            if (eng.PlayerHoldCount(p) < eng.PlayerHoldCount(pile)) pile = p;
        eng.SourceSlot = source;
        eng.DropSlot = pile + 6;
        eng.DragLeft = eng.DragTop = 0;
        Player_EndTurn();
    }

    // Plays the human's turns until the game is over; the number of turns.
    static int playToTheEnd() {
        int turns = 0;
        while (eng.Pturn == 1 && turns < 3000) {
            ++turns;
            while (eng.Pturn == 1 && playOne()) {
            }
            if (eng.Pturn == 1) discard();
        }
        return turns;
    }
};

TEST_F(WholeGameTest, TheHumanPlaysThePayOffPileDownGameAfterGame) {
    for (int players : {2, 4}) {
        SCOPED_TRACE(players);
        table(players, 19);
        const PlayerProfileRecord before = profile();
        for (int game = 1; game <= 2; ++game) {
            SCOPED_TRACE(game);
            Game_New();
            ASSERT_EQ(eng.Pturn, 1) << "the other seats have played their first turns";
            const int turns = playToTheEnd();
            EXPECT_LT(turns, 3000);
            EXPECT_EQ(eng.Pturn, 0);
            EXPECT_EQ(eng.SideCount, 0) << "the human emptied the pay-off pile";
            EXPECT_TRUE(eng.EndText.startsWith("That was your LAST CARD!"));
            EXPECT_TRUE(f().cmdDeal.Visible());
            EXPECT_FALSE(eng.GameBusy);
            EXPECT_FALSE(cmd.MenuLocked);
            const PlayerProfileRecord now = profile();
            // Counted once a game, in slots 0, 1 (Average) and the table size.
            for (int slot : {0, 1, players + 2}) {
                EXPECT_EQ(now.GamesPlayed(slot), before.GamesPlayed(slot) + game) << "slot " << slot;
                EXPECT_EQ(now.GamesWon(slot), before.GamesWon(slot) + game) << "slot " << slot;
            }
        }
    }
}

}  // namespace
