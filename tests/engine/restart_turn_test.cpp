// Taking the human's turn back: the refusals, one move undone from the move
// log, and the whole turn restarted from its auto-save.
#include <gtest/gtest.h>

#include <vector>

#include "engine/deal.h"
#include "engine/open_files.h"
#include "engine/restart_turn.h"
#include "engine/state.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "play_fixture.h"
#include "records/move_log.h"
#include "records/saved_game_record.h"
#include "records/saved_games.h"
#include "records/state.h"
#include "shell/state.h"

using namespace grisk;
using grisk_test::Card;

namespace {

class RestartTurnTest : public grisk_test::PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        table(2, 3);
        setSide({Card(3), Card(1)});
        setHand({Card(2), Card(3, 1), Card(7), Card(8), Card(10)});
        for (int p = 1; p <= 4; ++p) setHold(p, {});
        setSeatHand(2, {Card(4, 2), Card(5, 2), Card(6, 2), Card(9, 2), Card(12, 2)});
        setStock({Card(11, 3), Card(12, 3), Card(13, 3)});
        eng.Pturn = 1;
        WhosOnFirst();
        // During the human's turn seat 2 is the loaded seat.
        ExchangePlayerRecord(eng.Player2, false);
        show();
        ASSERT_TRUE(BackupFile().open(tempPath("backup.sav"), kSavedGameRecordLength,
                                      vb::RecordFile::Mode::OpenOrCreate));
        ASSERT_TRUE(OpenMoveLog(true));
        cmd.GameRestored = true;
        // The turn begins: its auto-save and the move log's first record.
        recs.TurnCount = 1;
        AutoSaveGame();
        eng.MoveLogPos = 1;
        BuildSaveRecord();
        WriteMoveLogRecord(1);
        start_ = recs.SaveRecord;
    }
    void TearDown() override {
        OpenMoveLog(false);
        BackupFile().close();
        PlayTest::TearDown();
    }

    // The table as a saved game would keep it.
    static SavedGameRecord now() {
        BuildSaveRecord();
        SavedGameRecord r = recs.SaveRecord;
        r.Title = QString();
        return r;
    }
    SavedGameRecord start() const {
        SavedGameRecord r = start_;
        r.Title = QString();
        return r;
    }

    SavedGameRecord start_;
};

TEST_F(RestartTurnTest, ARestartIsRefusedWhenThereIsNoTurnToGoBackTo) {
    struct Case {
        const char* name;
        int peers;
        bool autoSave;
        bool restored;
        const char* text;
    };
    for (const Case& c :
         {Case{"Internet", 1, true, true, "Restart turn cannot be used during an Internet game"},
          Case{"no move log", 0, false, true,
               "The AutoSave box from the Game Menu, Restore Game option,\nmust be checked to use this option."},
          Case{"no game", 0, true, false, "Huh? No turn to restart! (?)"}}) {
        SCOPED_TRACE(c.name);
        inet.NetPeers = c.peers;
        recs.AutoSaveOn = c.autoSave;
        cmd.GameRestored = c.restored;
        for (bool* flag : {&cmd.KeyRestartTurn, &cmd.UndoRequested}) {
            vb::msgbox_script::clearShown();
            *flag = true;
            const SavedGameRecord before = now();
            RestartTurn();
            ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
            EXPECT_EQ(vb::msgbox_script::shown()[0].prompt, c.text);
            EXPECT_EQ(vb::msgbox_script::shown()[0].title, "Restart Turn");
            EXPECT_FALSE(*flag) << "the request is over";
            EXPECT_EQ(now(), before);
        }
        inet.NetPeers = 0;
        recs.AutoSaveOn = true;
    }
}

TEST_F(RestartTurnTest, UndoGoesBackOneMove) {
    play(2, 1);  // the Ace onto centre pile 1
    play(3, 1);  // the Two
    ASSERT_EQ(eng.MoveLogPos, 3);
    const SavedGameRecord afterFirst = [] {
        vb::RecordFile& log = MoveLogFile();
        QByteArray bytes;
        log.read(2, bytes);
        SavedGameRecord r = SavedGameRecord::decode(bytes);
        r.Title = QString();
        return r;
    }();

    cmd.UndoRequested = true;
    RestartTurn();
    EXPECT_EQ(now(), afterFirst);
    EXPECT_EQ(eng.MoveLogPos, 2);
    EXPECT_FALSE(cmd.UndoRequested);
    EXPECT_TRUE(cmd.TurnRestored);
    EXPECT_EQ(eng.Pturn, 1);
    EXPECT_TRUE(f().Picture7(3).Enabled()) << "the Two may be played again";

    cmd.UndoRequested = true;
    RestartTurn();
    EXPECT_EQ(now(), start());
    EXPECT_EQ(eng.MoveLogPos, 1);

    // At the turn's start there is nothing to undo.
    cmd.UndoRequested = true;
    RestartTurn();
    EXPECT_EQ(now(), start());
    EXPECT_EQ(eng.MoveLogPos, 1);
    EXPECT_FALSE(cmd.UndoRequested);
}

TEST_F(RestartTurnTest, ARestartPutsTheTurnsStartBackAndStartsTheLogAgain) {
    play(2, 1);
    play(3, 1);
    cmd.KeyRestartTurn = true;
    RestartTurn();
    EXPECT_EQ(now(), start());
    EXPECT_FALSE(cmd.KeyRestartTurn);
    EXPECT_EQ(eng.MoveLogPos, 1);
    EXPECT_EQ(eng.Pturn, 1);
    EXPECT_EQ(eng.TurnStart, 1) << "the hand is not refilled at the end of this turn";
    QByteArray bytes;
    MoveLogFile().read(1, bytes);
    SavedGameRecord logged = SavedGameRecord::decode(bytes);
    logged.Title = QString();
    EXPECT_EQ(logged, start());
    // The restored turn plays on.
    play(2, 1);
    EXPECT_EQ(eng.CenterCount(1), 1);
    EXPECT_EQ(eng.MoveLogPos, 2);
}

// A long turn: the pay-off pile runs from Ace to Queen onto centre pile 1,
// which then goes to the used pile, and four hand cards follow onto pile 2.
// Undo walks back through every position of the turn, each with the runs
// the turn had then.
TEST_F(RestartTurnTest, UndoWalksBackThroughEveryPlayOfALongTurn) {
    setSide({Card(5, 1), Card(12), Card(11), Card(10), Card(9), Card(8), Card(7), Card(6), Card(5), Card(4),
             Card(3), Card(2), Card(1)});
    setHand({Card(1, 4), Card(2, 4), Card(3, 4), Card(4, 4), Card(9, 4)});
    show();
    eng.MoveLogPos = 1;
    BuildSaveRecord();
    WriteMoveLogRecord(1);

    std::vector<SavedGameRecord> before;
    std::vector<std::vector<int>> runs;
    auto runsNow = [] {
        std::vector<int> r;
        for (int c = 0; c <= 5; ++c) r.push_back(recs.BestRun(1, c));
        return r;
    };
    auto playAndKeep = [&](int slot, int centre) {
        before.push_back(now());
        runs.push_back(runsNow());
        play(slot, centre);
    };
    for (int k = 1; k <= 12; ++k) playAndKeep(1, 1);
    ASSERT_EQ(eng.CenterCount(1), 0) << "the full pile went to the used pile";
    ASSERT_EQ(eng.UsedCount, 12);
    for (int s = 2; s <= 5; ++s) playAndKeep(s, 2);
    ASSERT_EQ(eng.MoveLogPos, 17);
    ASSERT_EQ(runsNow(), (std::vector<int>{12, 4, 0, 12, 4, 0}));

    for (int k = static_cast<int>(before.size()) - 1; k >= 0; --k) {
        SCOPED_TRACE(k);
        cmd.UndoRequested = true;
        RestartTurn();
        EXPECT_EQ(now(), before[k]);
        EXPECT_EQ(runsNow(), runs[k]) << "the runs of the turn come back with the position";
        EXPECT_EQ(eng.MoveLogPos, k + 1);
    }
}

// The turn's start as a real computer turn leaves it: the human discards,
// seat 2 plays, and at the hand-back the auto-save and the move log keep the
// new turn's start. A restart after a move puts that back.
TEST_F(RestartTurnTest, ARestartAfterARealComputerTurnPutsBackTheTurnThatBegan) {
    recs.AutoSaveOn = true;
    discard(6, 1);  // the Ten
    ASSERT_EQ(eng.Pturn, 1) << "seat 2 played and passed";
    EXPECT_EQ(recs.TurnCount, 2);
    EXPECT_EQ(eng.MoveLogPos, 1);
    const SavedGameRecord began = now();
    play(1, 1);  // the pay-off Ace
    ASSERT_EQ(eng.CenterCount(1), 1);
    cmd.KeyRestartTurn = true;
    RestartTurn();
    EXPECT_EQ(now(), began);
    EXPECT_EQ(eng.Pturn, 1);
    EXPECT_EQ(eng.MoveLogPos, 1);
    EXPECT_EQ(eng.CenterCount(1), 0);
    for (int s = 1; s <= 6; ++s) EXPECT_TRUE(f().Picture7(s).Enabled()) << s;
}

}  // namespace
