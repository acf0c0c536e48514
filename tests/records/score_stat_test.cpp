// The scoreboard and statistics window on a "Prefs.sav" of a few players:
// the scoreboard and its totals, the statistics and runs of one player, the
// maintenance that deletes players or clears their scores, and the
// high-score tables.
#include <gtest/gtest.h>

#include "platform/msgbox.h"
#include "platform/vb.h"
#include "profile_fixture.h"
#include "records/frm_score_stat.h"
#include "records/record_fields.h"
#include "records/score_record.h"
#include "records/stats.h"

using namespace grisk;

namespace {

class ScoreStatTest : public records_test::ProfileFixture {
protected:
    void TearDown() override {
        if (frmScoreStat().isLoaded()) frmScoreStat().Unload();
        ReleaseFrmScoreStat();
        ProfileFixture::TearDown();
    }

    // A player with played / won / margin in slot 0 and runs of their own.
    static PlayerProfileRecord player(const QString& name, int played, int won, int margin) {
        PlayerProfileRecord p = profile(name);
        p.GamesPlayed(0) = played;
        p.GamesWon(0) = won;
        p.Margin(0) = margin;
        return p;
    }

    // Record 1 names the signed-in player; records 2.. are Ann, Bob, a
    // removed player's blank place, Cy and Dee. Ann is signed in.
    void fourPlayers(const QString& signedIn = "Ann") {
        PlayerProfileRecord shared = profile(signedIn);
        writePrefs({shared, player("Ann", 10, 6, 12), player("Bob", 5, 1, -20), PlayerProfileRecord{},
                    player("Cy", 3, 3, 15), player("Dee", 2, 0, -4)});
        ASSERT_TRUE(Get_Players());
        recs.OppIndex = 0;
        ASSERT_EQ(recs.CurrentProfile, signedIn == "Ann" ? 2 : signedIn == "Cy" ? 5 : 6);
    }

    FrmScoreStat& open(int tab = 0) {
        recs.StatsTab = tab;
        FrmScoreStat& w = frmScoreStat();
        w.LoadAsDesigned();
        return w;
    }

    // The scoreboard's rows below its headings: "name played won lost margin".
    static QStringList board(const FrmScoreStat& w) {
        QStringList rows;
        for (int r = 1; r < w.GridScores.Rows(); ++r) {
            QStringList cells;
            for (int c = 0; c < w.GridScores.Cols(); ++c) cells << w.GridScores.TextMatrix(r, c);
            rows << cells.join(' ');
        }
        return rows;
    }

    static int rowOf(const FrmScoreStat& w, const QString& name) {
        for (int r = 1; r < w.GridScores.Rows(); ++r)
            if (w.GridScores.TextMatrix(r, 0) == name) return r;
        return 0;
    }

    static QStringList playerNames() {
        QStringList names;
        for (int i = 1; i <= recs.NumPlayerNames; ++i) names << vb::Trim(recs.PlayerNames(i));
        return names;
    }

    static QStringList storedNames() {
        QStringList names;
        const QByteArray all = records_test::readFile(prefsPath());
        for (int n = 2; n * kPlayerProfileRecordLength <= all.size(); ++n)
            names << vb::Trim(StoredText(storedProfile(n).Seats(0).Name));
        return names;
    }

    // Presses a maintenance button with the player's answer to the box.
    static void maintain(FrmScoreStat& w, int index, int answer = vb::vbYes) {
        vb::msgbox_script::pushAnswer(answer);
        vb::UserClicks(w.Maintance(index));
    }
};

TEST_F(ScoreStatTest, TheScoreboardListsEveryPlayerAndTheComputersTotals) {
    fourPlayers();
    recs.OppIndex = 0;
    FrmScoreStat& w = open();
    // The blank place of a removed player is left out, and out of the totals.
    EXPECT_EQ(board(w), (QStringList{"Grisk 20 10 10 -3", "Ann 10 6 4 12", "Bob 5 1 4 -20", "Cy 3 3 0 15",
                                     "Dee 2 0 2 -4"}));
    EXPECT_EQ(w.SSTab1.Tab(), 0);
    w.Unload();
    recs.OppIndex = 2;
    EXPECT_EQ(board(open()).first(), "Grisk (& friends) 20 10 10 -3");
}

TEST_F(ScoreStatTest, TheStatisticsAndRunsTabsShowTheChosenPlayer) {
    fourPlayers();
    FrmScoreStat& w = open(1);
    EXPECT_EQ(w.SSTab1.Tab(), 1);
    // The signed-in player first and chosen; the removed player's blank
    // place is not offered.
    ASSERT_EQ(w.Combo1.ListCount(), 4);
    EXPECT_EQ(w.Combo1.Text(), "Ann");
    EXPECT_TRUE(w.Combo1.shown());
    EXPECT_EQ(w.GridStats.TextMatrix(1, 1), "10");
    EXPECT_EQ(w.GridStats.TextMatrix(7, 1), "46") << "slot 6, four players";
    EXPECT_EQ(w.GridStats.TextMatrix(7, 3), "20") << "lost = played - won";

    vb::UserPicks(w.Combo1, 2);
    ASSERT_EQ(w.Combo1.Text(), "Cy");
    EXPECT_EQ(w.StatsRecord, 5);
    EXPECT_EQ(w.GridStats.TextMatrix(1, 4), "15");
    // The runs tab shows the same player's best runs: side, hand, hold, total.
    vb::UserPicksTab(w.SSTab1, 2);
    EXPECT_TRUE(w.GridRun.shown());
    EXPECT_FALSE(w.GridStats.shown());
    const auto runRow = [&w](int r) {
        QStringList cells;
        for (int c = 1; c < w.GridRun.Cols(); ++c) cells << w.GridRun.TextMatrix(r, c);
        return cells.join(' ');
    };
    EXPECT_EQ(runRow(1), "1 2 3 6");
    EXPECT_EQ(runRow(4), "31 32 33 96") << "the computer opponents' best side run";
    vb::UserPicksTab(w.SSTab1, 0);
    EXPECT_FALSE(w.Combo1.shown());
}

TEST_F(ScoreStatTest, DeletePlayerMovesTheLaterPlayersUpAndKeepsTheOwnRecord) {
    const struct {
        const char* signedIn;
        const char* remove;
        const char* label;
        QStringList stored;  // names of records 2..
        QStringList names;   // PlayerNames
        int currentProfile;
    } cases[] = {
        // A middle player: the later ones move up, the signed-in player's
        // record number with them; the last place is left blank.
        {"Dee", "Bob", "Player removed!", {"Ann", "", "Cy", "Dee", ""}, {"Ann", "", "Cy", "Dee"}, 5},
        // The last player: the place goes blank, the list shrinks by one.
        {"Ann", "Dee", "Player removed!", {"Ann", "Bob", "", "Cy", ""}, {"Ann", "Bob", "", "Cy"}, 2},
        // The signed-in player stays; only the scores go.
        {"Cy", "Cy", "Scores removed!", {"Ann", "Bob", "", "Cy", "Dee"}, {"Ann", "Bob", "", "Cy", "Dee"}, 5},
    };
    for (const auto& c : cases) {
        reset();
        fourPlayers(c.signedIn);
        FrmScoreStat& w = open();
        vb::UserClicksCell(w.GridScores, rowOf(w, c.remove), 0);
        maintain(w, 0);
        EXPECT_EQ(w.Label1.Caption(), c.label) << c.remove;
        EXPECT_EQ(storedNames(), c.stored) << c.remove;
        EXPECT_EQ(playerNames(), c.names) << c.remove;
        EXPECT_EQ(recs.CurrentProfile, c.currentProfile) << c.remove;
        EXPECT_EQ(vb::Trim(StoredText(storedProfile(recs.CurrentProfile).Seats(0).Name)), c.signedIn) << c.remove;
        EXPECT_EQ(rowOf(w, c.remove) != 0, QString(c.remove) == c.signedIn) << c.remove;
        EXPECT_EQ(w.SelectedRow, 0) << "the selection is cleared";
        // The blank place holds nothing of the player who lay there.
        const QByteArray all = records_test::readFile(prefsPath());
        const int lastNo = static_cast<int>(all.size() / kPlayerProfileRecordLength);
        if (c.stored.last().isEmpty()) EXPECT_EQ(prefsRecordBytes(lastNo), PlayerProfileRecord{}.encode()) << c.remove;
        w.Unload();
    }
    EXPECT_EQ(storedProfile(5).GamesPlayed(0), 0) << "Cy's own scores were cleared";
}

TEST_F(ScoreStatTest, DeletePlayerNeedsAChosenPlayerAndAYesAndSparesGrisk) {
    fourPlayers();
    FrmScoreStat& w = open();
    vb::UserClicks(w.Maintance(0));
    EXPECT_EQ(w.Label1.Caption(), "Select a player");
    EXPECT_TRUE(vb::msgbox_script::shown().empty()) << "no question without a player";

    vb::UserClicksCell(w.GridScores, rowOf(w, "Bob"), 0);
    maintain(w, 0, vb::vbNo);
    EXPECT_EQ(storedNames().at(1), "Bob");
    ASSERT_FALSE(vb::msgbox_script::shown().empty());
    EXPECT_EQ(vb::msgbox_script::shown().back().prompt, "Are you sure you want to Delete Player?");
    EXPECT_EQ(vb::msgbox_script::shown().back().title, "DELETE");

    vb::UserClicksCell(w.GridScores, 1, 0);
    maintain(w, 0);
    EXPECT_EQ(w.Label1.Caption(), "Sorry, Grisk stays.");
    EXPECT_EQ(storedNames().size(), 5);
}

TEST_F(ScoreStatTest, DeleteAllPlayersKeepsOnlyTheSignedInPlayerWithoutScores) {
    fourPlayers("Cy");
    FrmScoreStat& w = open();
    maintain(w, 1);
    EXPECT_EQ(w.Label1.Caption(), "All is forgotten.");
    EXPECT_EQ(storedNames(), (QStringList{"Cy", "", "", "", ""}));
    EXPECT_EQ(recs.CurrentProfile, 2);
    EXPECT_EQ(playerNames(), QStringList{"Cy"});
    const PlayerProfileRecord cy = storedProfile(2);
    EXPECT_EQ(cy.GamesPlayed(0), 0);
    EXPECT_EQ(cy.BestRuns(2, 1), 0);
    EXPECT_EQ(cy.NumPlayers, 3) << "the options stay";
    EXPECT_EQ(board(w), (QStringList{"Grisk 0 0 0 0", "Cy 0 0 0 0"}));
}

TEST_F(ScoreStatTest, ClearingScoresZeroesOnePlayerOrAll) {
    fourPlayers();
    FrmScoreStat& w = open();
    vb::UserClicksCell(w.GridScores, rowOf(w, "Bob"), 0);
    maintain(w, 2);
    EXPECT_EQ(w.Label1.Caption(), "Scores removed!");
    EXPECT_EQ(board(w).at(2), "Bob 0 0 0 0");
    EXPECT_EQ(storedProfile(3).BestRuns(0, 0), 0);
    EXPECT_EQ(storedProfile(3).NumPlayers, 3);
    EXPECT_EQ(storedProfile(2).GamesPlayed(0), 10) << "Ann keeps hers";

    maintain(w, 3);
    for (int n = 2; n <= 6; ++n) {
        EXPECT_EQ(storedProfile(n).GamesPlayed(6), 0) << n;
        EXPECT_EQ(storedProfile(n).Margin(3), 0) << n;
    }
    EXPECT_EQ(board(w).first(), "Grisk 0 0 0 0");
}

TEST_F(ScoreStatTest, ClearingTheHighStatisticsEmptiesBothTables) {
    fourPlayers();
    vb::RecordFile high, scores;
    ASSERT_TRUE(high.open(eng.DataFolder + "highscore.ran", kHighScoreRecordLength, vb::RecordFile::Mode::OpenOrCreate));
    for (int n = 1; n <= 20; ++n) {
        HighScoreRecord e;
        e.When = 45000 + n;
        e.PlayerName = n % 2 ? "Grisk" : "Ann";
        e.Side = 21 - n;
        e.Total = 40 - n;
        ASSERT_TRUE(high.write(n, e.encode()));
    }
    ASSERT_TRUE(scores.open(eng.DataFolder + "scores.ran", kScoreRecordLength, vb::RecordFile::Mode::OpenOrCreate));
    for (int n = 1; n <= 18; ++n) ASSERT_TRUE(scores.write(n, ScoreRecord{"keep" + QString::number(n), 1, 2, 3, 4}.encode()));

    FrmScoreStat& w = open();
    vb::UserPicksTab(w.SSTab1, 3);
    EXPECT_EQ(w.lblBest.Caption(), "Best Overall");
    EXPECT_EQ(w.GridHigh.TextMatrix(1, 2), "Grisk");
    EXPECT_EQ(w.GridHigh.TextMatrix(1, 6), "39");
    EXPECT_EQ(w.GridHigh.CellBackColor(1, 6), 0xC0FFFF) << "ordered by the total";
    vb::UserClicks(w.cmdSwitch);
    EXPECT_EQ(w.lblBest.Caption(), "Best Side Run");
    EXPECT_EQ(w.cmdSwitch.Caption(), "Show Overall");
    EXPECT_EQ(w.GridHigh.TextMatrix(1, 3), "10");
    EXPECT_EQ(w.GridHigh.CellBackColor(1, 3), 0xC0FFFF) << "ordered by the side cards";
    EXPECT_EQ(w.GridHigh.CellBackColor(1, 6), 0xFFFFC0);

    // "No" keeps them; any other answer clears both tables, whichever shows.
    vb::msgbox_script::pushAnswer(vb::vbNo);
    vb::UserClicks(w.cmdClear);
    EXPECT_EQ(w.GridHigh.TextMatrix(1, 2), "Grisk");  // record 11 stays
    vb::msgbox_script::pushAnswer(vb::vbYes);
    vb::UserClicks(w.cmdClear);
    EXPECT_EQ(vb::msgbox_script::shown().back().prompt, "Clear all the high statistics in this table?");
    EXPECT_EQ(vb::msgbox_script::shown().back().title, "Delete Statistics");
    QByteArray bytes;
    for (int n = 1; n <= 20; ++n) {
        high.read(n, bytes);
        EXPECT_EQ(bytes, HighScoreRecord{}.encode()) << n;
    }
    for (int n : {10, 11}) {
        scores.read(n, bytes);
        EXPECT_EQ(bytes, (ScoreRecord{"keep" + QString::number(n), 0, 0, 0, 0}.encode())) << n;
    }
    scores.read(12, bytes);
    EXPECT_EQ(ScoreRecord::decode(bytes).Value4, 4) << "the other records stay";
    EXPECT_EQ(w.GridHigh.TextMatrix(1, 2), "");

    // A blanked table takes the computers' next best again.
    eng.Pturn = 0;
    for (int c = 0; c <= 5; ++c) recs.BestRun(5, c) = 0;
    for (int c = 0; c <= 5; ++c) recs.BestRun(4, c) = c < 3 ? 1 : 0;
    StatsCk(4, 5);
    high.read(1, bytes);
    EXPECT_EQ(vb::Trim(HighScoreRecord::decode(bytes).PlayerName), "Grisk");
}

TEST_F(ScoreStatTest, TheWindowHoldsItsOwnProfileFileOpenWhileItIsLoaded) {
    fourPlayers();
    FrmScoreStat& w = open(2);
    EXPECT_EQ(w.SSTab1.Tab(), 2);
    EXPECT_TRUE(w.GridRun.shown());
    EXPECT_FALSE(PrefsFile().isOpen()) << "the window's handle is its own";
    // The profile procedures still open and close theirs around it.
    EXPECT_TRUE(UpdateCurrentProfile([] { recs.ProfileRec.GamesPlayed(0) = 11; }));
    EXPECT_FALSE(PrefsFile().isOpen());
    vb::UserClicks(w.cmdClose);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(storedProfile(2).GamesPlayed(0), 11);
}

}  // namespace
