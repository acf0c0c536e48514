// A dealt game with the saved-game file and the move log open, and the
// save and restore window answered as a player answers it.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

#include "deal_fixture.h"
#include "engine/open_files.h"
#include "opponent/greedy_seat.h"
#include "platform/controls.h"
#include "platform/random.h"
#include "records/frm_save.h"
#include "records/move_log.h"
#include "records/saved_game_record.h"
#include "records/saved_games.h"
#include "shell/menu_commands.h"

// The byte offsets of the 16-bit words in which two records differ (the
// first few).
inline std::string RecordDifferences(const grisk::SavedGameRecord& a, const grisk::SavedGameRecord& b) {
    const QByteArray x = a.encode();
    const QByteArray y = b.encode();
    std::string out;
    int n = 0;
    for (int i = 0; i + 1 < x.size() && n < 8; i += 2)
        if (x[i] != y[i] || x[i + 1] != y[i + 1]) {
            out += " @" + std::to_string(i);
            ++n;
        }
    return out;
}

namespace grisk_test {

class SavedGameTest : public DealTableTest {
protected:
    void SetUp() override {
        DealTableTest::SetUp();
        grisk::eng.ScreenWidthTw = 19200;
        ASSERT_TRUE(grisk::BackupFile().open(tempPath("backup.sav"), grisk::kSavedGameRecordLength,
                                             vb::RecordFile::Mode::OpenOrCreate));
        ASSERT_TRUE(grisk::OpenMoveLog(true));
        vb::forms::setModalScripting(true);
    }
    void TearDown() override {
        grisk::OpenMoveLog(false);
        grisk::BackupFile().close();
        DealTableTest::TearDown();
    }

    // A new game of players dealt by the New Game command, the human to
    // move (the other seats have had their first turns when they began).
    void deal(int players, uint64_t seed) {
        table(players);
        vb::Randomize(seed);
        grisk::MenuGameCommand(0);
        ASSERT_EQ(grisk::eng.Pturn, 1);
    }
    // The human plays every card that fits and discards; the other seats
    // play their turns and the turn comes back.
    static void playATurn() {
        while (grisk::eng.Pturn == 1 && grisk::GreedyPlayOne()) {
        }
        if (grisk::eng.Pturn == 1) grisk::GreedyDiscard();
    }

    // The table as a saved game keeps it, without a title. The loaded
    // seat's copy of its pay-off count and shape is left out: it is the
    // seat that played last, and seat 2 once a game is restored.
    static grisk::SavedGameRecord table_() {
        const grisk::SavedGameRecord kept = grisk::recs.SaveRecord;
        grisk::recs.SaveRecord = grisk::SavedGameRecord{};
        grisk::BuildSaveRecord();
        grisk::SavedGameRecord r = grisk::recs.SaveRecord;
        grisk::recs.SaveRecord = kept;
        return untitled(r);
    }
    static grisk::SavedGameRecord stored(int n, vb::RecordFile& file = grisk::BackupFile()) {
        grisk::SavedGameRecord r;
        EXPECT_TRUE(grisk::ReadSavedGame(file, n, r));
        return r;
    }
    static void store(int n, const grisk::SavedGameRecord& r) {
        ASSERT_TRUE(grisk::BackupFile().write(n, r.encode()));
    }
    static grisk::SavedGameRecord untitled(grisk::SavedGameRecord r) {
        r.Title = QString();
        r.OppSideCount = r.OppSideShape = 0;
        return r;
    }

    // What the player does in the save and restore window the next time it
    // opens: clicks slot, types text into it (when given) and clicks the
    // action button.
    static void inWindow(int slot, const QString& typed = QString()) {
        vb::forms::queueModalAction("frmSave", [slot, typed](vb::Form& w) {
            auto& save = static_cast<grisk::FrmSave&>(w);
            vb::UserClicks(save.Text1(slot));
            if (!typed.isNull()) vb::UserTypes(save.Text1(slot), typed);
            vb::UserClicks(save.cmdSave);
        });
    }
    static void saveInto(int slot, const QString& typed) {
        inWindow(slot, typed);
        grisk::MenuGameCommand(3);
    }
    static void restoreFrom(int slot) {
        inWindow(slot);
        grisk::MenuGameCommand(4);
    }
    // The texts of the boxes shown since the test began.
    static QStringList boxes() {
        QStringList out;
        for (const vb::ShownBox& b : vb::msgbox_script::shown()) out << b.prompt;
        return out;
    }
};

}  // namespace grisk_test
