// Saving a game into a slot and bringing it back, the auto-save of each turn
// as Previous Turn and the dealt game as Restart Current Game bring them
// back, and records that are not restored.
#include <gtest/gtest.h>

#include "engine/deal.h"
#include "engine/frm_grisk.h"
#include "engine/player_record.h"
#include "engine/restart_turn.h"
#include "engine/state.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "records/state.h"
#include "saved_game_fixture.h"
#include "shell/state.h"

using namespace grisk;

namespace {

using SavedGameTest = grisk_test::SavedGameTest;

// A game of three saved in slot 2 comes back whole after the table has
// moved on, with its own deal as the restart point.
TEST_F(SavedGameTest, AThreePlayerGameComesBackFromItsSlot) {
    deal(3, 31);
    const SavedGameRecord dealt = table_();
    playATurn();
    ASSERT_EQ(eng.Pturn, 1);
    const SavedGameRecord saved = table_();
    ASSERT_GT(saved.SeatSideCount(3), 0);

    saveInto(2, "3P_Tuesday");
    EXPECT_EQ(stored(2).Title.trimmed(), "3P_Tuesday");
    EXPECT_EQ(untitled(stored(2)), saved);
    EXPECT_EQ(untitled(stored(22)), dealt) << "the game's deal is kept beside it";
    EXPECT_TRUE(boxes().isEmpty()) << boxes().join('|').toStdString();

    playATurn();
    playATurn();
    ASSERT_NE(table_(), saved);
    // Another game's deal stands in the restart record meanwhile.
    store(13, stored(1));
    // As in a session that has dealt no card of this game.
    for (int n = 1; n <= eng.TotalCards; ++n) eng.Deck(2, n) = 0;

    restoreFrom(2);
    EXPECT_EQ(table_(), saved);
    // The card counter takes every card on the table as seen.
    for (int seat = 2; seat <= 3; ++seat)
        for (int s = 1; s <= 10; ++s)
            if (const int n = SeatRecord(seat).Slots(0, s); n > 0) {
                EXPECT_EQ(eng.Deck(2, n), 1) << "seat " << seat << " slot " << s;
            }
    EXPECT_EQ(eng.NumPlayers, 3);
    EXPECT_EQ(eng.TotalCards, 156);
    EXPECT_EQ(eng.Pturn, 1);
    EXPECT_TRUE(cmd.GameRestored);
    EXPECT_TRUE(f().Picture7(2).Enabled()) << "the human plays on";
    EXPECT_EQ(untitled(stored(13)), dealt) << "the restart point is the game's own deal";
    EXPECT_EQ(untitled(stored(11)), saved);
    EXPECT_EQ(untitled(stored(12)), saved);
    EXPECT_EQ(untitled(stored(1, MoveLogFile())), saved) << "the move log starts from the game restored";
    EXPECT_EQ(eng.MoveLogPos, 1);

    // The restored game plays on.
    playATurn();
    EXPECT_EQ(eng.Pturn, 1);

    // A game kept without its deal restarts from where it was saved.
    store(22, SavedGameRecord{});
    restoreFrom(2);
    EXPECT_EQ(untitled(stored(13)), saved);
}

// A game put back with players or centre piles other than the table's lays
// the table out for its own counts.
TEST_F(SavedGameTest, AGameOfAnotherTableSizeLaysTheTableOutAgain) {
    deal(4, 41);
    const SavedGameRecord four = table_();
    saveInto(5, "4P_");
    deal(2, 42);
    restoreFrom(5);
    EXPECT_EQ(eng.NumPlayers, 4);
    EXPECT_EQ(eng.NumCenters, 4);
    EXPECT_EQ(table_(), four);
    EXPECT_TRUE(f().Picture3(2).Visible()) << "seat 4's hand is on the table";
}

// Previous Turn goes back to the start of the turn before this one, and
// again to the one before after another turn; Restart Current Game puts the
// game as dealt back.
TEST_F(SavedGameTest, PreviousTurnAndRestartBringBackTheirPositions) {
    deal(2, 12);
    ASSERT_EQ(recs.TurnCount, 1) << "the human begins";
    const SavedGameRecord dealt = table_();
    playATurn();
    const SavedGameRecord second = table_();
    playATurn();
    ASSERT_NE(table_(), second);

    MenuGameCommand(6);
    EXPECT_EQ(table_(), second);
    EXPECT_TRUE(cmd.TurnRestored);
    EXPECT_FALSE(cmd.ReplayMode) << "the replay is over once restored";
    EXPECT_EQ(eng.Pturn, 1);

    playATurn();
    MenuGameCommand(6);
    EXPECT_EQ(table_(), second) << "the turn just played is taken back";

    vb::msgbox_script::pushAnswer(vb::vbOK);
    MenuGameCommand(7);
    EXPECT_EQ(boxes().value(0), "Start this game over from the beginning?");
    EXPECT_EQ(table_(), dealt);
    playATurn();
    EXPECT_EQ(eng.Pturn, 1);
}

// After Previous Turn the move log starts from the position brought back:
// an undo reaches no move of the turn that was taken back.
TEST_F(SavedGameTest, AnUndoAfterPreviousTurnStaysInTheTurnBroughtBack) {
    deal(2, 9);
    playATurn();
    const SavedGameRecord start = table_();
    playATurn();
    ASSERT_TRUE(GreedyPlayOne()) << "a card of this turn is played";
    MenuGameCommand(6);
    ASSERT_EQ(table_(), start);

    cmd.UndoRequested = true;
    RestartTurn();
    EXPECT_EQ(table_(), start) << "nothing of this turn to undo yet";

    ASSERT_TRUE(GreedyPlayOne());
    cmd.UndoRequested = true;
    RestartTurn();
    EXPECT_EQ(table_(), start);
}

// A restart asks nothing when no game has been played this session: it
// says it brings back the last session's game.
TEST_F(SavedGameTest, ARestartInANewSessionBringsBackTheLastSessionsDeal) {
    deal(2, 13);
    ASSERT_EQ(recs.TurnCount, 1) << "the human begins";
    const SavedGameRecord dealt = table_();
    playATurn();
    // The program starts again: nothing dealt or restored yet.
    cmd.GameRestored = false;
    eng.Pturn = 0;
    recs.TurnCount = 0;
    f().cmdDeal.setVisible(true);

    MenuGameCommand(7);
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_EQ(vb::msgbox_script::shown()[0].prompt, "Restarting game from last session.");
    EXPECT_EQ(vb::msgbox_script::shown()[0].icon(), vb::vbInformation);
    EXPECT_EQ(table_(), dealt);
    EXPECT_FALSE(f().cmdDeal.Visible());
}

// A damaged record is refused with a box and nothing of it is taken: not
// the table, not the rules, not the restart point.
TEST_F(SavedGameTest, ADamagedRecordIsRefusedWithTheGameAsItWas) {
    struct Case {
        const char* field;
        void (*spoil)(SavedGameRecord&);
    };
    const Case cases[] = {
        {"players", [](SavedGameRecord& r) { r.NumPlayers = 5; }},
        {"centre piles", [](SavedGameRecord& r) { r.NumCenters = 2; }},
        {"whose turn", [](SavedGameRecord& r) { r.Pturn = 4; }},
        {"stock count", [](SavedGameRecord& r) { r.StockCount = 157; }},
        {"used count", [](SavedGameRecord& r) { r.UsedCount = -1; }},
        {"hand count", [](SavedGameRecord& r) { r.HandCount = 6; }},
        {"own pay-off count", [](SavedGameRecord& r) { r.SideCount = 27; }},
        {"loaded pay-off count", [](SavedGameRecord& r) { r.OppSideCount = -2; }},
        {"seat 3's pay-off count", [](SavedGameRecord& r) { r.SeatSideCount(3) = 27; }},
        {"centre count", [](SavedGameRecord& r) { r.CenterCount(4) = 13; }},
        {"own hold count", [](SavedGameRecord& r) { r.PlayerHoldCount(2) = 31; }},
        {"seat 2's hold count", [](SavedGameRecord& r) { r.SeatHoldCount(0, 4) = -1; }},
        {"seat 3's hold count", [](SavedGameRecord& r) { r.SeatHoldCount(1, 1) = 31; }},
        {"card in the stock", [](SavedGameRecord& r) { r.Deck(0, 3) = 157; }},
        {"card in the used pile", [](SavedGameRecord& r) { r.Used(0, 156) = -5; }},
        {"card on a centre pile", [](SavedGameRecord& r) { r.CenterPile(0, 4, 12) = 300; }},
        {"card on a pay-off pile", [](SavedGameRecord& r) { r.Side(0, 26, 3) = 999; }},
        {"card in a hand", [](SavedGameRecord& r) { r.Slots(0, 4, 1) = 200; }},
        {"card on the human's hold pile", [](SavedGameRecord& r) { r.PlayerHold(0, 4, 30) = 157; }},
        {"card on seat 3's hold pile", [](SavedGameRecord& r) { r.SeatHold(1, 2, 30) = 1000; }},
        {"rank on a hold pile", [](SavedGameRecord& r) { r.SeatHold(4, 2, 1) = 14; }},
        {"rank in a hand", [](SavedGameRecord& r) { r.Slots(1, 3, 2) = -1; }},
        {"empty record", [](SavedGameRecord& r) { r = SavedGameRecord{}; }},
    };
    deal(3, 13);
    saveInto(3, "3P_");
    const SavedGameRecord good = stored(3);
    deal(2, 14);
    const SavedGameRecord before = table_();
    const QByteArray restartPoint = [] {
        QByteArray b;
        BackupFile().read(13, b);
        return b;
    }();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        SavedGameRecord bad = good;
        c.spoil(bad);
        // The slot is listed as holding a game even when it does not.
        if (bad.Pturn == 0) bad.Title = "3P_";
        store(3, bad);
        vb::msgbox_script::clearShown();
        const int sideOption = eng.SideOption;
        restoreFrom(3);
        if (bad.Pturn == 0) {
            EXPECT_TRUE(boxes().isEmpty()) << "an empty slot cannot be picked";
        } else {
            ASSERT_EQ(boxes().size(), 1);
            EXPECT_EQ(boxes()[0], "This saved game is empty or damaged and cannot be restored.");
            EXPECT_EQ(vb::msgbox_script::shown()[0].title, "Restore Game");
        }
        EXPECT_EQ(table_(), before) << RecordDifferences(table_(), before);
        EXPECT_EQ(eng.NumPlayers, 2);
        EXPECT_EQ(eng.TotalCards, 104);
        EXPECT_EQ(eng.SideOption, sideOption);
        QByteArray now;
        BackupFile().read(13, now);
        EXPECT_EQ(now, restartPoint);
        EXPECT_FALSE(cmd.ReplayMode);
    }
    // Places of seats away from the table are not read: seat 4 of a game
    // of three may hold anything.
    SavedGameRecord odd = good;
    odd.SeatSideCount(4) = 500;
    odd.Side(0, 1, 4) = 9999;
    store(3, odd);
    vb::msgbox_script::clearShown();
    restoreFrom(3);
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(eng.NumPlayers, 3);
}

// In an Internet game a saved game must suit the players connected and the
// peer's version; a refusal says why and leaves the game and its rules.
TEST_F(SavedGameTest, AnInternetRestoreSuitsThePeersOrIsRefused) {
    struct Case {
        const char* peer;
        int players;
        int centres;
        const char* title;  // empty: accepted
        const char* text;
    };
    const Case cases[] = {
        {"96", 2, 4, "", ""},
        {"75", 2, 3, "", ""},
        {"52", 2, 3, "", ""},
        {"96", 3, 4, "Saved Game for 3 players",
         "You don't have enough players to play this saved game.\nConnect to all players first, then Send the "
         "Saved game."},
        {"74", 2, 4, "Saved Game for 2 players and 4 centers",
         "This game was saved with features that your opponent's older version of the game cannot play."},
        {"60", 3, 3, "Saved Game for 3 players and 3 centers",
         "This game was saved with features that your opponent's older version of the game cannot play."},
        {"51", 2, 3, "Your opponent's program is not compatible with this version", "Unable to send a saved game."},
    };
    // Saved games of each size, under other house rules than the table's.
    eng.ForcedCards = 3;
    for (int players : {2, 3}) {
        for (int centres : {3, 4}) {
            buildTable(players, centres);
            eng.SideOption = 9;
            eng.Pturn = 2;
            recs.SaveRecord.Title = "^^NET game";
            BuildSaveRecord();
            store(10 * players + centres, recs.SaveRecord);
        }
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.peer) + " " + std::to_string(c.players) + "x" + std::to_string(c.centres));
        table(2);
        eng.SideOption = 19;
        eng.ForcedCards = 0;
        eng.Pturn = 1;
        const SavedGameRecord before = table_();
        inet.NetPeers = 1;
        inet.PeerVersion = c.peer;
        inet.NetRestorePending = 1;
        vb::msgbox_script::clearShown();
        recs.CurrentSlot = 10 * c.players + c.centres;
        const bool restored = RestoreSavedGame(4);
        if (*c.title == '\0') {
            EXPECT_TRUE(restored);
            EXPECT_TRUE(boxes().isEmpty());
            EXPECT_EQ(eng.NumCenters, c.centres);
            EXPECT_EQ(eng.SideOption, 9);
            EXPECT_EQ(eng.MsgText, "NET game") << "the title without its mark, for the peers";
            EXPECT_EQ(eng.Pturn, 2) << "the other seat's turn waits for the Deal button";
            EXPECT_EQ(eng.RecountHand, 1);
            EXPECT_EQ(eng.TurnStart, 0);
        } else {
            EXPECT_FALSE(restored);
            EXPECT_TRUE(eng.SkipGameSave);
            ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
            EXPECT_EQ(vb::msgbox_script::shown()[0].title, c.title);
            EXPECT_EQ(vb::msgbox_script::shown()[0].prompt, c.text);
            EXPECT_EQ(vb::msgbox_script::shown()[0].icon(), vb::vbCritical);
            EXPECT_EQ(table_(), before) << RecordDifferences(table_(), before);
            EXPECT_EQ(eng.NumPlayers, 2);
            EXPECT_EQ(eng.NumCenters, 3);
            EXPECT_EQ(eng.SideOption, 19);
            EXPECT_EQ(eng.ForcedCards, 0);
            EXPECT_EQ(eng.TotalCards, 104);
        }
        inet.NetPeers = 0;
        inet.NetRestorePending = 0;
    }
}

}  // namespace
