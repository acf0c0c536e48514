// The run statistics: a card counted by where it came from, a turn's run
// compared with the best, and a new best entered into the high-score table.
#include <gtest/gtest.h>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "net/state.h"
#include "platform/recordfile.h"
#include "records/score_record.h"
#include "records/state.h"
#include "records/stats.h"
#include "support/test_support.h"

namespace {

using grisk::eng;
using grisk::recs;

class RunStatsTest : public grisk_test::GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        eng.DataFolder = tempFolder() + "/";
        grisk::frmGrisk().StatusBar1.setPanelCount(8);
        eng.PlayerName = "Ann";
        eng.SideCount = 10;
        eng.OppSideCount = 10;
        eng.Pturn = 1;
        vb::RecordFile high;
        ASSERT_TRUE(high.open(eng.DataFolder + "highscore.ran", grisk::kHighScoreRecordLength,
                              vb::RecordFile::Mode::OpenOrCreate));
        for (int n = 1; n <= 20; ++n) high.write(n, grisk::HighScoreRecord{}.encode());
        vb::RecordFile scores;
        ASSERT_TRUE(scores.open(eng.DataFolder + "scores.ran", grisk::kScoreRecordLength,
                                vb::RecordFile::Mode::OpenOrCreate));
        for (int n = 1; n <= 18; ++n) scores.write(n, grisk::ScoreRecord{}.encode());
    }
    QString panel(int n) { return grisk::frmGrisk().StatusBar1.Panels(n).Text; }
    void setRow(int row, std::initializer_list<int> six) {
        int c = 0;
        for (int v : six) recs.BestRun(row, c++) = v;
    }
    grisk::HighScoreRecord high(int n) {
        vb::RecordFile f;
        EXPECT_TRUE(f.open(eng.DataFolder + "highscore.ran", grisk::kHighScoreRecordLength));
        QByteArray bytes;
        f.read(n, bytes);
        return grisk::HighScoreRecord::decode(bytes);
    }
    void putHigh(int n, const QString& name, int side, int total) {
        vb::RecordFile f;
        ASSERT_TRUE(f.open(eng.DataFolder + "highscore.ran", grisk::kHighScoreRecordLength));
        grisk::HighScoreRecord r;
        r.When = 40000;
        r.PlayerName = name;
        r.Side = side;
        r.Total = total;
        f.write(n, r.encode());
    }
};

TEST_F(RunStatsTest, EachCardCountsByItsSourceOnThePlayersPanel) {
    grisk::StatsAdd(1, 1);
    grisk::StatsAdd(3, 1);
    grisk::StatsAdd(6, 1);
    grisk::StatsAdd(9, 1);
    EXPECT_EQ(panel(2), " 1- 2- 1- [ 4 ]");
    for (int c = 0; c <= 2; ++c) EXPECT_EQ(recs.BestRun(1, c), recs.BestRun(1, c + 3));
    grisk::StatsAdd(7, 3);
    EXPECT_EQ(panel(6), " 0- 0- 1- [ 1 ]");
}

TEST_F(RunStatsTest, ATurnsRunBecomesTheBestOnlyWhenItBeatsIt) {
    setRow(1, {1, 2, 0, 1, 2, 0});
    setRow(2, {0, 3, 0, 0, 3, 0});
    grisk::StatsCk(1, 2);
    EXPECT_EQ(recs.BestRun(2, 1), 3) << "3 cards do not beat 3";
    EXPECT_EQ(recs.BestRun(2, 3), 1) << "but the side run with one side card does";
    EXPECT_EQ(panel(2), " 1- 2- 0- [ 3 ]");
    for (int c = 0; c <= 5; ++c) EXPECT_EQ(recs.BestRun(1, c), 0) << "the run starts again";

    setRow(1, {0, 4, 1, 0, 4, 1});
    grisk::StatsCk(1, 2);
    EXPECT_EQ(recs.BestRun(2, 1), 4);
    EXPECT_EQ(recs.BestRun(2, 2), 1);
    EXPECT_EQ(panel(3), " 0- 4- 1- [ 5 ]");
    EXPECT_EQ(recs.BestRun(2, 3), 1) << "no side card: the side run stays";

    setRow(1, {0, 0, 0, 0, 0, 0});
    grisk::StatsCk(1, 2);
    EXPECT_EQ(recs.BestRun(2, 1), 4) << "an empty turn leaves the best alone";
}

TEST_F(RunStatsTest, AtTheGameEndANewBestGoesIntoTheHighScores) {
    putHigh(1, "Bob", 1, 9);
    putHigh(2, "Cy", 0, 5);
    putHigh(11, "Bob", 2, 4);
    eng.Pturn = 0;
    setRow(2, {2, 3, 1, 2, 3, 1});
    setRow(0, {0, 2, 0, 0, 2, 0});
    grisk::StatsCk(2, 0);
    EXPECT_EQ(high(1).PlayerName.trimmed(), "Bob");
    EXPECT_EQ(high(2).PlayerName.trimmed(), "Ann");
    EXPECT_EQ(high(2).Total, 6);
    EXPECT_EQ(high(2).Side, 2);
    EXPECT_EQ(high(2).Hand, 3);
    EXPECT_EQ(high(2).Hold, 1);
    EXPECT_GT(high(2).When, 40000);
    EXPECT_EQ(high(3).PlayerName.trimmed(), "Cy") << "the rest moves down";
    EXPECT_EQ(high(11).PlayerName.trimmed(), "Ann") << "two side cards, six in all, beat two and four";
    EXPECT_EQ(high(12).PlayerName.trimmed(), "Bob");
    EXPECT_TRUE(grisk::frmGrisk().LabelPeek.Visible());
    EXPECT_EQ(grisk::frmGrisk().LabelPeek.Caption(), "New Stats Record!\n");
}

TEST_F(RunStatsTest, TheComputerOpponentsKeepOneEntryATable) {
    putHigh(1, "Grisk", 0, 7);
    putHigh(2, "Bob", 0, 6);
    eng.Pturn = 0;
    setRow(5, {0, 0, 0, 0, 0, 0});
    setRow(4, {1, 6, 1, 0, 0, 0});
    grisk::StatsCk(4, 5);
    EXPECT_EQ(high(1).PlayerName.trimmed(), "Grisk");
    EXPECT_EQ(high(1).Total, 8);
    EXPECT_EQ(high(2).PlayerName.trimmed(), "Bob") << "the older Grisk entry is gone, not pushed down";
    EXPECT_EQ(high(3).PlayerName.trimmed(), "");
    vb::RecordFile scores;
    ASSERT_TRUE(scores.open(eng.DataFolder + "scores.ran", grisk::kScoreRecordLength));
    QByteArray bytes;
    scores.read(10, bytes);
    const grisk::ScoreRecord best = grisk::ScoreRecord::decode(bytes);
    EXPECT_EQ(best.Value2, 6);
    EXPECT_EQ(best.Value4, 8);
}

TEST_F(RunStatsTest, AFullTableLosesItsTenthEntryAndAnEqualTotalGoesAboveTheOlder) {
    // Ten entries, totals 20, 18, ..., 2; a new run of 12 ties the fifth.
    for (int n = 1; n <= 10; ++n) putHigh(n, "P" + QString::number(n), 0, 22 - 2 * n);
    eng.Pturn = 0;
    setRow(0, {0, 0, 0, 0, 0, 0});
    setRow(2, {0, 12, 0, 0, 0, 0});
    grisk::StatsCk(2, 0);
    QStringList names;
    for (int n = 1; n <= 10; ++n) names << high(n).PlayerName.trimmed() + ":" + QString::number(high(n).Total);
    EXPECT_EQ(names, (QStringList{"P1:20", "P2:18", "P3:16", "P4:14", "Ann:12", "P5:12", "P6:10", "P7:8", "P8:6",
                                  "P9:4"}));
    EXPECT_EQ(high(11).PlayerName.trimmed(), "") << "the side table is not touched by a run without side cards";

    // A run below the whole table enters nothing.
    for (int n = 1; n <= 10; ++n) putHigh(n, "Q", 0, 30);
    setRow(0, {0, 0, 0, 0, 0, 0});
    setRow(2, {0, 5, 0, 0, 0, 0});
    grisk::StatsCk(2, 0);
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(high(n).PlayerName.trimmed(), "Q") << n;
}

TEST_F(RunStatsTest, AnInternetGameEntersNoHighScore) {
    grisk::inet.NetPeers = 1;
    eng.Pturn = 0;
    setRow(2, {2, 3, 1, 2, 3, 1});
    grisk::StatsCk(2, 0);
    EXPECT_EQ(recs.BestRun(0, 1), 3) << "the best is still kept";
    EXPECT_EQ(high(1).PlayerName.trimmed(), "");
}

}  // namespace
