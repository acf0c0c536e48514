// The Internet score files: the first game creates the file, an opponent
// is found again by name whatever its case and blanks, groups of three or
// four players are found by their opponents, and the session's margin.
#include <gtest/gtest.h>

#include <QDir>

#include "engine/player_record.h"
#include "engine/state.h"
#include "engine/paths.h"
#include "net/frm_scores_net.h"
#include "net/internet_scores.h"
#include "net/state.h"
#include "records/state.h"
#include "records/user_files.h"
#include "records/record_bytes.h"
#include "score_file_bytes.h"
#include "platform/msgbox.h"
#include "platform/recordfile.h"
#include "records/score_record.h"
#include "support/test_support.h"

using namespace grisk;
using records_test::readFile;
using records_test::writeFile;
using net_test::scoreFile;

namespace {

class InternetScoresTest : public grisk_test::GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        eng.UserFolder = tempFolder() + "/";
        eng.PlayerName = "Ann";
    }
    // A game just ended: the human kept mine cards, seats 2.. theirs.
    void gameOver(int mine, std::initializer_list<std::pair<const char*, int>> seats) {
        eng.NumPlayers = static_cast<int>(seats.size()) + 1;
        eng.SideCount = mine;
        int seat = 2;
        for (const auto& [name, left] : seats) {
            SeatRecord(seat).Name = name;
            SeatRecord(seat).RecSideCount = left;
            ++seat;
        }
    }
    ScoreRecord record(int n) const {
        vb::RecordFile file;
        EXPECT_TRUE(file.open(InternetScoreFile(), kScoreRecordLength));
        QByteArray bytes;
        file.read(n, bytes);
        return ScoreRecord::decode(bytes);
    }
    int records() const {
        vb::RecordFile file;
        EXPECT_TRUE(file.open(InternetScoreFile(), kScoreRecordLength));
        return file.recordCount();
    }
    static QString name(const ScoreRecord& r) { return r.Name.trimmed(); }
    static void ListScoresAndOpen() {
        ListScoreFiles();
        frmScoresNet().Show();
    }
    void TearDown() override {
        if (FrmScoresNetExists() && frmScoresNet().isLoaded()) frmScoresNet().Unload();
        ReleaseFrmScoresNet();
        GriskTest::TearDown();
    }
};

TEST_F(InternetScoresTest, TheFirstGameAgainstAnOpponentCreatesTheFile) {
    gameOver(0, {{"Bob", 6}});
    Scores_Net("");
    EXPECT_EQ(InternetScoreFile(), eng.UserFolder + "Ann_2.ran");
    ASSERT_EQ(records(), 2);
    const ScoreRecord header = record(1);
    EXPECT_EQ(name(header), "Ann");
    EXPECT_EQ((std::array{header.Value1, header.Value2, header.Value3, header.Value4}), (std::array{1, 1, 6, 2}));
    const ScoreRecord bob = record(2);
    EXPECT_EQ(name(bob), "Bob");
    EXPECT_EQ((std::array{bob.Value1, bob.Value2, bob.Value3, bob.Value4}), (std::array{1, 1, 6, 2}));
    EXPECT_EQ(inet.NetSessionMargin, 6);
}

TEST_F(InternetScoresTest, AnOpponentIsFoundAgainWhateverTheCaseAndBlanks) {
    gameOver(0, {{"Bob", 6}});
    Scores_Net("");
    gameOver(4, {{"BOB ", 0}});
    Scores_Net("BOB");
    gameOver(0, {{"Cy", 2}});
    Scores_Net("");
    ASSERT_EQ(records(), 3);
    const ScoreRecord bob = record(2);
    EXPECT_EQ((std::array{bob.Value1, bob.Value2, bob.Value3}), (std::array{2, 1, 2})) << "won by 6, lost by 4";
    EXPECT_EQ(name(record(3)), "Cy");
    const ScoreRecord header = record(1);
    EXPECT_EQ((std::array{header.Value1, header.Value2, header.Value3, header.Value4}), (std::array{3, 2, 4, 3}));
    EXPECT_EQ(inet.NetSessionMargin, 4);
}

// Three players: groups start at 2 and 5; a game against the second group's
// opponents (in any seat order) counts in records 5, 6 and 7.
TEST_F(InternetScoresTest, AGroupOfOpponentsIsFoundByItsNames) {
    gameOver(0, {{"Bob", 3}, {"Cy", 5}});
    Scores_Net("");
    gameOver(0, {{"Dee", 1}, {"Eve", 2}});
    Scores_Net("");
    ASSERT_EQ(records(), 7);
    EXPECT_EQ(record(1).Value4, 5) << "the last group starts at 5";
    gameOver(6, {{"Eve", 0}, {"Dee", 4}});
    Scores_Net("Eve");
    ASSERT_EQ(records(), 7) << "no new group";
    const ScoreRecord owner = record(5), dee = record(6), eve = record(7);
    EXPECT_EQ(name(owner), "Ann");
    EXPECT_EQ((std::array{owner.Value1, owner.Value2, owner.Value3}), (std::array{2, 1, 3 - 10}));
    EXPECT_EQ(name(dee), "Dee");
    EXPECT_EQ((std::array{dee.Value1, dee.Value2, dee.Value3}), (std::array{2, 0, -3 - 10}));
    EXPECT_EQ(name(eve), "Eve");
    EXPECT_EQ((std::array{eve.Value1, eve.Value2, eve.Value3}), (std::array{2, 1, -3 + 10}));
    EXPECT_EQ(record(2).Value1, 1) << "the first group is untouched";
    EXPECT_EQ(record(1).Value1, 3);
}

// A competition's game counts in its own ".rcm" file; the player's default
// file is made too (its header alone), so that the scores window lists the
// player and reaches the competition.
TEST_F(InternetScoresTest, ACompetitionCountsInItsOwnFile) {
    inet.RuleSetName = "Cup";
    gameOver(0, {{"Bob", 6}});
    Scores_Net("");
    EXPECT_EQ(readFile(eng.UserFolder + "Ann_2_Cup.rcm"),
              scoreFile({{"Ann", 1, 1, 6, 2}, {"Bob", 1, 1, 6, 2}}));
    EXPECT_EQ(readFile(eng.UserFolder + "Ann_2.ran"), scoreFile({{"Ann", 0, 0, 0, 1}}));
    ASSERT_EQ(recs.ScoreFileCount, 1);
    EXPECT_EQ(recs.ScoreFileList(1), "Ann_2");

    inet.RuleSetName.clear();
    gameOver(3, {{"Bob", 0}});
    Scores_Net("Bob");
    EXPECT_EQ(readFile(eng.UserFolder + "Ann_2.ran"), scoreFile({{"Ann", 1, 0, -3, 2}, {"Bob", 1, 0, -3, 2}}));
    EXPECT_EQ(readFile(eng.UserFolder + "Ann_2_Cup.rcm").size(), 2 * 38) << "the competition is untouched";
}

// Three players: a game against new opponents opens a group after the last
// one, and every record of the file carries the new last group.
TEST_F(InternetScoresTest, NewOpponentsOpenAGroupAfterTheLast) {
    gameOver(2, {{"Bob", 0}, {"Cy", 5}});
    Scores_Net("Bob");
    gameOver(0, {{"Dee", 1}, {"Eve", 2}});
    Scores_Net("");
    EXPECT_EQ(readFile(InternetScoreFile()), scoreFile({{"Ann", 2, 1, -7 + 3, 5},
                                                         {"Ann", 1, 0, -7, 2},
                                                         {"Bob", 1, 1, 7, 2},
                                                         {"Cy", 1, 0, -7, 2},
                                                         {"Ann", 1, 1, 3, 5},
                                                         {"Dee", 1, 0, -3, 5},
                                                         {"Eve", 1, 0, -3, 5}}));
}

TEST_F(InternetScoresTest, CountingAGameClosesTheScoresWindow) {
    gameOver(0, {{"Bob", 6}});
    Scores_Net("");
    ListScoresAndOpen();
    ASSERT_TRUE(frmScoresNet().isLoaded());
    Scores_Net("");
    EXPECT_FALSE(frmScoresNet().isLoaded());
    EXPECT_EQ(record(2).Value1, 2);
}

// A score file that cannot be written is told, once an Internet session;
// the session's margin still counts the game.
TEST_F(InternetScoresTest, AFileThatCannotBeWrittenIsTold) {
    const std::pair<const char*, const char*> cases[] = {{"", "Ann_2.ran"}, {"Cup", "Ann_2_Cup.rcm"}};
    for (const auto& [competition, file] : cases) {
        SCOPED_TRACE(file);
        inet.RuleSetName = competition;
        inet.NetSessionMargin = 0;
        inet.ScoreFileReported = false;
        ASSERT_TRUE(QDir().mkpath(eng.UserFolder + file + "/in"));  // no file can be written there
        gameOver(0, {{"Bob", 6}});
        Scores_Net("");
        gameOver(2, {{"Bob", 0}});
        Scores_Net("Bob");
        const auto shown = vb::msgbox_script::shown();
        ASSERT_EQ(shown.size(), 1u) << "told once";
        EXPECT_TRUE(shown[0].prompt.startsWith(
            QString("This game could not be counted in your Internet score file \"%1\".").arg(file)))
            << shown[0].prompt.toStdString();
        vb::msgbox_script::clearShown();
        EXPECT_EQ(inet.NetSessionMargin, 6 - 2);
        ASSERT_TRUE(QDir(eng.UserFolder + file).removeRecursively());
    }
    EXPECT_EQ(readFile(eng.UserFolder + "Ann_2.ran"), scoreFile({{"Ann", 0, 0, 0, 1}}))
        << "the default file of a competition's player is made";
}

// A header whose last record lies past the file's end (a damaged file) is
// taken as far as the file reaches: the game counts right after the records
// there, and the header is right again.
struct DamagedHeader {
    const char* name;
    std::vector<net_test::ScoreRow> before;
    std::vector<std::pair<const char*, int>> seats;
    std::vector<net_test::ScoreRow> after;
};

class DamagedHeaders : public InternetScoresTest, public ::testing::WithParamInterface<DamagedHeader> {};

TEST_P(DamagedHeaders, ReachNoFurtherThanTheFile) {
    const DamagedHeader& c = GetParam();
    ASSERT_TRUE(writeFile(eng.UserFolder + "Ann_" + QString::number(c.seats.size() + 1) + ".ran", scoreFile(c.before)));
    eng.NumPlayers = static_cast<int>(c.seats.size()) + 1;
    eng.SideCount = 0;
    for (int seat = 2; seat <= eng.NumPlayers; ++seat) {
        SeatRecord(seat).Name = c.seats[seat - 2].first;
        SeatRecord(seat).RecSideCount = c.seats[seat - 2].second;
    }
    Scores_Net("");
    EXPECT_EQ(readFile(InternetScoreFile()), scoreFile(c.after));
}

INSTANTIATE_TEST_SUITE_P(
    Table, DamagedHeaders,
    ::testing::Values(
        DamagedHeader{"TwoPlayers",
                      {{"Ann", 1, 1, 6, 32000}, {"Bob", 1, 1, 6, 2}},
                      {{"Cy", 2}},
                      {{"Ann", 2, 2, 8, 3}, {"Bob", 1, 1, 6, 2}, {"Cy", 1, 1, 2, 3}}},
        DamagedHeader{"ANewGroup",
                      {{"Ann", 1, 1, 8, 32000}, {"Ann", 1, 1, 8, 2}, {"Bob", 1, 0, -8, 2}, {"Cy", 1, 0, -8, 2}},
                      {{"Dee", 1}, {"Eve", 2}},
                      {{"Ann", 2, 2, 11, 5},
                       {"Ann", 1, 1, 8, 2},
                       {"Bob", 1, 0, -8, 2},
                       {"Cy", 1, 0, -8, 2},
                       {"Ann", 1, 1, 3, 5},
                       {"Dee", 1, 0, -3, 5},
                       {"Eve", 1, 0, -3, 5}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
