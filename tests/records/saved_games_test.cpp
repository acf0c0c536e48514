// Freezing the running game into the saved-game record, and the auto-save
// slots of "backup.sav".
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "engine/open_files.h"
#include "engine/state.h"
#include "records/saved_games.h"
#include "records/state.h"
#include "support/test_support.h"

using namespace grisk;

namespace {

class SavedGamesTest : public grisk_test::GriskTest {
protected:
    void TearDown() override { BackupFile().close(); }

    // The records of "backup.sav" that hold a game.
    std::set<int> writtenRecords() {
        std::set<int> out;
        for (int n = 1; n <= 20; ++n) {
            QByteArray bytes;
            BackupFile().read(n, bytes);
            if (bytes.count('\0') != bytes.size()) out.insert(n);
        }
        return out;
    }
};

TEST_F(SavedGamesTest, AutoSaveWritesTheSlotsOfTheTurn) {
    struct Case {
        int turnCount;
        std::set<int> records;
    };
    for (const Case& c : {Case{0, {11, 12, 13, 14}}, Case{1, {12, 14}}, Case{2, {11, 14}}, Case{5, {12, 14}}}) {
        SCOPED_TRACE(c.turnCount);
        const QString file = tempPath(QString("backup%1.sav").arg(c.turnCount));
        ASSERT_TRUE(BackupFile().open(file, kSavedGameRecordLength, vb::RecordFile::Mode::OpenOrCreate));
        recs.TurnCount = c.turnCount;
        eng.StockCount = 54;
        AutoSaveGame();
        EXPECT_EQ(writtenRecords(), c.records);
        for (int n : c.records) {
            QByteArray bytes;
            BackupFile().read(n, bytes);
            const SavedGameRecord r = SavedGameRecord::decode(bytes);
            EXPECT_EQ(r.Title.trimmed(), "AutoSave");
            EXPECT_EQ(r.StockCount, 54);
        }
        BackupFile().close();
    }
}

// Each seat at the table is saved in its own places, from its own record;
// places of seats away from the table keep what the buffer held.
TEST_F(SavedGamesTest, EverySeatIsSavedInItsOwnPlaces) {
    for (int players : {2, 4}) {
        SCOPED_TRACE(players);
        ResetAllState();
        eng.NumPlayers = players;
        recs.SaveRecord.Side(0, 1, 4) = 555;
        recs.SaveRecord.SeatHoldRun(2, 2) = 7;
        eng.NoWildAce = true;
        eng.PlayerSide(0, 3) = 41;
        eng.PlayerSlots(1, 6) = 12;
        eng.PlayerHold(0, 4, 30) = 99;
        eng.PlayerHoldCount(4) = 30;
        eng.PlayerWildHand = 4;
        eng.Player2.Slots(0, 9) = 17;
        eng.Player2.RecSideCount = 6;
        eng.Player4.Side(0, 1) = 77;
        eng.Player4.Hold(1, 2, 4) = 9;
        eng.Player4.HoldTable(2, 1) = 5;
        eng.Player4.HoldTable(2, 2) = 3;
        eng.Player4.WildSide = 2;
        eng.Deck(0, 104) = 104;
        eng.CenterPile(1, 3, 12) = 12;
        eng.CenterCount(3) = 12;

        BuildSaveRecord();
        const SavedGameRecord& r = recs.SaveRecord;
        EXPECT_EQ(r.NoWildAce, -1);
        EXPECT_EQ(r.NumPlayers, players);
        EXPECT_EQ(r.Side(0, 3, 1), 41);
        EXPECT_EQ(r.Slots(1, 6, 1), 12);
        EXPECT_EQ(r.PlayerHold(0, 4, 30), 99);
        EXPECT_EQ(r.PlayerHoldCount(4), 30);
        EXPECT_EQ(r.WildCounter(1, 1), 4);
        EXPECT_EQ(r.Slots(0, 9, 2), 17);
        EXPECT_EQ(r.SeatSideCount(2), 6);
        EXPECT_EQ(r.Deck(0, 104), 104);
        EXPECT_EQ(r.CenterPile(1, 3, 12), 12);
        EXPECT_EQ(r.CenterCount(3), 12);
        if (players == 4) {
            EXPECT_EQ(r.Side(0, 1, 4), 77);
            EXPECT_EQ(r.SeatHold(2 + 3, 2, 4), 9) << "seat 4's ranks";
            EXPECT_EQ(r.SeatHoldCount(2, 2), 5);
            EXPECT_EQ(r.SeatHoldRun(2, 2), 3) << "seat 4's run type, from seat 4's own hold table";
            EXPECT_EQ(r.WildCounter(4, 0), 2);
        } else {
            EXPECT_EQ(r.Side(0, 1, 4), 555);
            EXPECT_EQ(r.SeatHoldRun(2, 2), 7);
        }
    }
}

// An ended Internet game saved during another seat's turn is saved with the
// piles that seat has loaded, not its record's older copy.
TEST_F(SavedGamesTest, AnEndedInternetGameSavedInAnotherSeatsTurnKeepsTheLoadedPiles) {
    for (bool ended : {false, true}) {
        SCOPED_TRACE(ended);
        ResetAllState();
        eng.NumPlayers = 3;
        eng.Pturn = 3;
        eng.Player3.RecSideCount = 9;
        eng.Player3.Slots(0, 2) = 12;
        eng.OppSideCount = 4;  // seat 3 has played five cards since it was loaded
        eng.OppSlots(0, 2) = 0;
        recs.EndedNetGameSave = ended;
        BuildSaveRecord();
        EXPECT_EQ(recs.SaveRecord.SeatSideCount(3), ended ? 4 : 9);
        EXPECT_EQ(recs.SaveRecord.Slots(0, 2, 3), ended ? 0 : 12);
    }
}

// A move-log title carries the turn's runs after its first word, and the
// runs come back from it; the numbers always fit the 30 characters.
TEST_F(SavedGamesTest, TheRunsOfTheTurnTravelInTheTitle) {
    struct Case {
        QString title;
        std::vector<int> runs;
        QString written;
    };
    const Case cases[] = {
        {"AutoSave", {3, 1, 0, 3, 1, 0}, "AutoSave 3 1 0 3 1 0"},
        {"", {0, 0, 2, 0, 0, 2}, "AutoSave 0 0 2 0 0 2"},
        {"AutoSave 9 9 9 9 9 9", {1, 0, 0, 1, 0, 0}, "AutoSave 1 0 0 1 0 0"},
        {"2P_Tuesday night", {12, 4, 0, 12, 4, 0}, "2P_Tuesday 12 4 0 12 4 0"},
        {"AutoSave", {120, 140, 130, 120, 140, 130}, "AutoSa 120 140 130 120 140 130"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written.toStdString());
        for (int k = 0; k <= 5; ++k) recs.BestRun(1, k) = c.runs[k];
        const QString title = TitleWithRuns(c.title);
        EXPECT_EQ(title, c.written);
        EXPECT_LE(title.size(), kSavedGameTitleLength);
        for (int k = 0; k <= 5; ++k) recs.BestRun(1, k) = -1;
        RunsFromTitle(title);
        for (int k = 0; k <= 5; ++k) EXPECT_EQ(recs.BestRun(1, k), c.runs[k]) << k;
    }
    // A title without numbers gives a turn without runs.
    RunsFromTitle("3P_game");
    for (int k = 0; k <= 5; ++k) EXPECT_EQ(recs.BestRun(1, k), 0);
}

}  // namespace
