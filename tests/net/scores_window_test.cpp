// The Internet scores window as the player uses it: the player's files by
// table size and competition, the next player's, the opponents sorted by
// name, the groups with their separators, and deleting an opponent, a
// group (the header's last group right, a failure keeping the file) and a
// whole file.
#include <gtest/gtest.h>

#include <QDir>

#include "engine/paths.h"
#include "engine/state.h"
#include "net/frm_scores_net.h"
#include "net/internet_scores.h"
#include "platform/msgbox.h"
#include "records/state.h"
#include "records/user_files.h"
#include "records/record_bytes.h"
#include "score_file_bytes.h"
#include "support/test_support.h"

using namespace grisk;
using records_test::readFile;
using records_test::writeFile;
using net_test::scoreFile;

namespace {

class ScoresWindowTest : public grisk_test::GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        eng.UserFolder = tempFolder() + "/";
        eng.PlayerName = "Bob";
    }
    void TearDown() override {
        if (FrmScoresNetExists() && frmScoresNet().isLoaded()) frmScoresNet().Unload();
        ReleaseFrmScoresNet();
        GriskTest::TearDown();
    }
    QString path(const QString& name) const { return eng.UserFolder + name; }
    void put(const QString& name, const QByteArray& bytes) const { ASSERT_TRUE(writeFile(path(name), bytes)); }
    // Opens the window as the Internet menu does.
    FrmScoresNet& open() {
        ListScoreFiles();
        frmScoresNet().Show();
        return frmScoresNet();
    }
    static QStringList column(const vb::Control& grid, int col) {
        QStringList out;
        for (int r = 1; r < grid.Rows(); ++r) out << grid.TextMatrix(r, col);
        return out;
    }
    static QStringList row(const vb::Control& grid, int r) {
        QStringList out;
        for (int c = 0; c < grid.Cols(); ++c) out << grid.TextMatrix(r, c);
        return out;
    }
    static QStringList list(const vb::Control& combo) {
        QStringList out;
        for (int i = 0; i < combo.ListCount(); ++i) out << combo.List(i);
        return out;
    }
    static QStringList boxes() {
        QStringList out;
        for (const vb::ShownBox& b : vb::msgbox_script::shown()) out << b.title + ": " + b.prompt;
        vb::msgbox_script::clearShown();
        return out;
    }
    // A three-player file of two groups (records 2..4 and 5..7).
    void twoGroups(const QString& name) const { put(name, twoGroupsBytes()); }
    static QByteArray twoGroupsBytes() {
        return scoreFile({{"Bob", 2, 1, 4, 5},
                          {"Bob", 1, 1, 6, 2},
                          {"Cy", 1, 0, -6, 2},
                          {"Dee", 1, 0, -6, 2},
                          {"Bob", 1, 0, -2, 5},
                          {"Eve", 1, 1, 2, 5},
                          {"Fay", 1, 0, -2, 5}});
    }
    // That file once group 1 or 2 of it is deleted.
    static QByteArray groupDeleted(int group) {
        const QByteArray all = twoGroupsBytes();
        const QByteArray header = scoreFile({{"Bob", 2, 1, 4, 2}});
        return header + (group == 1 ? all.mid(4 * 38) : all.mid(38, 3 * 38));
    }
};

TEST_F(ScoresWindowTest, ThePlayersOwnFileComesFirstAndNextGoesRoundThePlayers) {
    put("Ann_2.ran", scoreFile({{"Ann", 1, 1, 3, 2}, {"Zed", 1, 1, 3, 2}}));
    put("Ann_3.ran", scoreFile({{"Ann", 0, 0, 0, 1}}));
    put("Bob_2.ran", scoreFile({{"Bob", 3, 2, 5, 4}, {"carl", 1, 1, 4, 4}, {"Abe", 1, 0, -2, 4}, {"Bea", 1, 1, 3, 4}}));
    put("Cy_3.ran", scoreFile({{"Cy", 0, 0, 0, 1}}));
    FrmScoresNet& w = open();
    EXPECT_EQ(list(w.cboMulti), QStringList({"2 Player Games", "3 Player Games", "4 Player Games"}));
    EXPECT_EQ(w.lblPlayer.Caption(), "Quenmoor Player: Bob");
    EXPECT_EQ(w.cboMulti.ListIndex(), 0);
    // Sorted by name whatever the case; lost = played - won.
    EXPECT_EQ(column(w.GridNET, 0).mid(0, 4), QStringList({"Abe", "Bea", "carl", ""}));
    EXPECT_EQ(row(w.GridNET, 1), QStringList({"Abe", "1", "0", "1", "-2"}));
    EXPECT_TRUE(w.CmdNext.Enabled());

    vb::UserClicks(w.CmdNext);
    EXPECT_EQ(w.lblPlayer.Caption(), "Quenmoor Player: Cy");
    EXPECT_EQ(w.cboMulti.ListIndex(), 0);
    EXPECT_EQ(w.GridNET.TextMatrix(1, 0), "") << "Cy has no file of two players";
    vb::UserClicks(w.CmdNext);
    EXPECT_EQ(w.lblPlayer.Caption(), "Quenmoor Player: Ann") << "round to the first entry";
    EXPECT_EQ(w.GridNET.TextMatrix(1, 0), "Zed");
    vb::UserClicks(w.CmdNext);
    EXPECT_EQ(w.lblPlayer.Caption(), "Quenmoor Player: Bob") << "Ann's second file is skipped";
}

TEST_F(ScoresWindowTest, ASingleFileHasNoNextAndManyOpponentsGrowTheGrid) {
    QByteArray bytes = scoreFile({{"Bob", 14, 0, 0, 15}});
    for (int i = 0; i < 14; ++i) bytes += net_test::scoreBytes({"P", 1, 0, 0, 15});
    bytes.replace(38 * 14, 2, "Q1");
    put("Bob_2.ran", bytes);
    FrmScoresNet& w = open();
    EXPECT_FALSE(w.CmdNext.Enabled());
    EXPECT_EQ(w.GridNET.Rows(), 15);
    EXPECT_EQ(w.GridNET.TextMatrix(14, 0), "Q1");
}

TEST_F(ScoresWindowTest, TheCompetitionsAreListedByTableSize) {
    put("Bob_2.ran", scoreFile({{"Bob", 0, 0, 0, 1}}));
    put("Bob_3.ran", scoreFile({{"Bob", 0, 0, 0, 1}}));
    put("Bob_2_Cup.rcm", scoreFile({{"Bob", 1, 1, 2, 2}, {"Cy", 1, 1, 2, 2}}));
    put("bob_3_League.rcm", scoreFile({{"Bob", 0, 0, 0, 1}}));
    put("Bob_4_Open.rcm", scoreFile({{"Bob", 0, 0, 0, 1}}));
    put("Bobby_2_Other.rcm", scoreFile({{"Bobby", 0, 0, 0, 1}}));
    FrmScoresNet& w = open();
    EXPECT_EQ(list(w.Combo1), QStringList({"Default Score File", "Cup"}));
    EXPECT_EQ(w.GridNET.TextMatrix(1, 0), "");
    vb::UserPicks(w.Combo1, 1);
    EXPECT_EQ(row(w.GridNET, 1), QStringList({"Cy", "1", "1", "0", "2"}));
    vb::UserPicks(w.cboMulti, 1);
    EXPECT_EQ(list(w.Combo1), QStringList({"Default Score File", "League"}));
    vb::UserPicks(w.cboMulti, 2);
    EXPECT_EQ(list(w.Combo1), QStringList({"Default Score File", "Open"}));
    EXPECT_EQ(w.Combo1.ListIndex(), 0);
}

TEST_F(ScoresWindowTest, GroupsShowWithSeparatorsAndAreChosenWhole) {
    twoGroups("Bob_3.ran");
    FrmScoresNet& w = open();
    vb::UserPicks(w.cboMulti, 1);
    EXPECT_EQ(column(w.GridNET, 0).mid(0, 8), QStringList({"Bob", "Cy", "Dee", " ", "Bob", "Eve", "Fay", " "}));
    EXPECT_EQ(w.GridNET.CellBackColor(4, 0), 0xFFFFC0);
    EXPECT_EQ(w.GridNET.CellBackColor(4, 4), 0xFFFFC0);

    vb::UserClicksCell(w.GridNET, 4, 0);
    EXPECT_EQ(w.GroupStart, 0) << "a separator chooses nothing";
    EXPECT_EQ(w.GridNET.Row(), 0);
    vb::UserClicksCell(w.GridNET, 6, 0);
    EXPECT_EQ(w.GroupStart, 5);
    EXPECT_EQ(std::min(w.GridNET.Row(), w.GridNET.RowSel()), 5);
    EXPECT_EQ(std::max(w.GridNET.Row(), w.GridNET.RowSel()), 7);
}

// Whatever cell is clicked, Delete Opponent removes the group the grid then
// shows chosen, or none when it shows none (an earlier choice never counts).
struct GroupClick {
    const char* name;
    int row, col;
    int first, last;  // the rows shown chosen; 0 0 none
    int deleted;      // the group Delete Opponent removes; 0 none
};

class GroupClicks : public ScoresWindowTest, public ::testing::WithParamInterface<GroupClick> {};

TEST_P(GroupClicks, DeleteTheGroupShownChosen) {
    const GroupClick& c = GetParam();
    twoGroups("Bob_3.ran");
    FrmScoresNet& w = open();
    vb::UserPicks(w.cboMulti, 1);
    vb::UserClicksCell(w.GridNET, 6, 0);  // the second group first
    vb::UserClicksCell(w.GridNET, c.row, c.col);
    const int first = std::min(w.GridNET.Row(), w.GridNET.RowSel()), last = std::max(w.GridNET.Row(), w.GridNET.RowSel());
    EXPECT_EQ(first, c.first);
    EXPECT_EQ(last, c.last);
    if (c.deleted != 0) vb::msgbox_script::pushAnswer(vb::vbYes);
    vb::UserClicks(w.Command4);
    if (c.deleted != 0) {
        EXPECT_EQ(readFile(path("Bob_3.ran")), groupDeleted(c.deleted));
        EXPECT_EQ(boxes(), QStringList({"DELETE OPPONENT: Are you sure you want to delete this opponent?"}));
    } else {
        EXPECT_EQ(readFile(path("Bob_3.ran")), twoGroupsBytes());
        EXPECT_EQ(w.lblPlayer.Caption(), "Select a player");
        EXPECT_TRUE(boxes().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, GroupClicks,
                         ::testing::Values(GroupClick{"ANumberOfTheFirstGroup", 2, 1, 1, 3, 1},
                                           GroupClick{"TheLastColumnOfTheSecondGroup", 7, 4, 5, 7, 2},
                                           GroupClick{"ASeparatorInAnotherColumn", 4, 2, 0, 0, 0},
                                           GroupClick{"AnEmptyRow", 10, 3, 0, 0, 0},
                                           GroupClick{"TheHeading", 0, 1, 0, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// A file of three players that holds its header alone (as a competition's
// first game leaves the default file) shows no group.
TEST_F(ScoresWindowTest, AFileWithoutGroupsShowsNone) {
    put("Bob_3.ran", scoreFile({{"Bob", 0, 0, 0, 1}}));
    FrmScoresNet& w = open();
    vb::UserPicks(w.cboMulti, 1);
    EXPECT_EQ(column(w.GridNET, 0).join("") + column(w.GridNET, 1).join(""), "") << "no rows of zeros";
    EXPECT_NE(w.GridNET.CellBackColor(1, 0), 0xFFFFC0) << "no separator";
}

TEST_F(ScoresWindowTest, DeletingAnOpponentMovesTheOthersUp) {
    put("Bob_2.ran", scoreFile({{"Bob", 3, 2, 5, 4}, {"Cy", 1, 1, 4, 4}, {"Abe", 1, 0, -2, 4}, {"Dee", 1, 1, 3, 4}}));
    FrmScoresNet& w = open();
    vb::UserClicks(w.Command4);
    EXPECT_EQ(w.lblPlayer.Caption(), "Select a player");
    EXPECT_TRUE(boxes().isEmpty());

    vb::UserClicksCell(w.GridNET, 2, 0);  // Cy, sorted after Abe
    vb::msgbox_script::pushAnswer(vb::vbYes);
    vb::UserClicks(w.Command4);
    EXPECT_EQ(boxes(), QStringList({"DELETE OPPONENT: Are you sure you want to delete this opponent?"}));
    EXPECT_EQ(readFile(path("Bob_2.ran")),
              scoreFile({{"Bob", 3, 2, 5, 3}, {"Abe", 1, 0, -2, 4}, {"Dee", 1, 1, 3, 4}, {"", 0, 0, 0, 0}}));
    EXPECT_EQ(column(w.GridNET, 0).mid(0, 3), QStringList({"Abe", "Dee", ""}));

    // The file changed behind the window: the name shown is no longer there.
    vb::UserClicksCell(w.GridNET, 1, 0);
    const QByteArray changed = scoreFile({{"Bob", 3, 2, 5, 2}, {"Dee", 1, 1, 3, 4}});
    put("Bob_2.ran", changed);
    vb::msgbox_script::pushAnswer(vb::vbYes);
    vb::UserClicks(w.Command4);
    EXPECT_EQ(boxes().last(), "DELETE OPPONENT: Opponent Not Found");
    EXPECT_EQ(readFile(path("Bob_2.ran")), changed);

    vb::UserClicksCell(w.GridNET, 1, 0);
    vb::msgbox_script::pushAnswer(vb::vbNo);
    vb::UserClicks(w.Command4);
    EXPECT_EQ(readFile(path("Bob_2.ran")), changed) << "No keeps the opponent";
    boxes();
}

TEST_F(ScoresWindowTest, DeletingAGroupRewritesTheFileWithTheLastGroupRight) {
    twoGroups("Bob_3.ran");
    FrmScoresNet& w = open();
    vb::UserPicks(w.cboMulti, 1);
    vb::UserClicksCell(w.GridNET, 1, 0);
    vb::msgbox_script::pushAnswer(vb::vbYes);
    vb::UserClicks(w.Command4);
    EXPECT_EQ(readFile(path("Bob_3.ran")), scoreFile({{"Bob", 2, 1, 4, 2},
                                                       {"Bob", 1, 0, -2, 5},
                                                       {"Eve", 1, 1, 2, 5},
                                                       {"Fay", 1, 0, -2, 5}}));
    EXPECT_FALSE(QFile::exists(path("tempScore.ran")));
    EXPECT_EQ(column(w.GridNET, 0).mid(0, 4), QStringList({"Bob", "Eve", "Fay", " "}));

    vb::UserClicksCell(w.GridNET, 2, 0);
    vb::msgbox_script::pushAnswer(vb::vbYes);
    vb::UserClicks(w.Command4);
    EXPECT_EQ(readFile(path("Bob_3.ran")), scoreFile({{"Bob", 2, 1, 4, 1}})) << "no group left";
    EXPECT_EQ(boxes().size(), 2);
}

TEST_F(ScoresWindowTest, AGroupThatCannotBeRewrittenKeepsTheFile) {
    twoGroups("Bob_3.ran");
    const QByteArray before = readFile(path("Bob_3.ran"));
    ASSERT_TRUE(QDir().mkpath(path("tempScore.ran/in")));  // no file can be written there
    FrmScoresNet& w = open();
    vb::UserPicks(w.cboMulti, 1);
    vb::UserClicksCell(w.GridNET, 5, 0);
    vb::msgbox_script::pushAnswer(vb::vbYes);
    vb::UserClicks(w.Command4);
    EXPECT_EQ(readFile(path("Bob_3.ran")), before);
    EXPECT_EQ(boxes().last(), "DELETE OPPONENT: The score file could not be changed.");
}

// The rewritten file cannot take the score file's name: every score stays,
// and no temporary file is left behind.
TEST_F(ScoresWindowTest, AGroupWhoseNewFileCannotTakeTheNameKeepsEveryScore) {
    twoGroups("Bob_3.ran");
    FrmScoresNet& w = open();
    vb::UserPicks(w.cboMulti, 1);
    vb::UserClicksCell(w.GridNET, 1, 0);
    FailNextReplaceFileForTests();
    vb::msgbox_script::pushAnswer(vb::vbYes);
    vb::UserClicks(w.Command4);
    EXPECT_EQ(readFile(path("Bob_3.ran")), twoGroupsBytes());
    EXPECT_FALSE(QFile::exists(path("tempScore.ran")));
    EXPECT_EQ(boxes().last(), "DELETE OPPONENT: The score file could not be changed.");
    EXPECT_EQ(column(w.GridNET, 0).mid(0, 8), QStringList({"Bob", "Cy", "Dee", " ", "Bob", "Eve", "Fay", " "}));
}

// A header whose last record lies far past the file's end shows the records
// the file holds, no rows beyond.
TEST_F(ScoresWindowTest, ADamagedHeaderShowsWhatTheFileHolds) {
    put("Bob_2.ran", scoreFile({{"Bob", 1, 1, 6, 32000}, {"Cy", 1, 1, 6, 2}}));
    put("Bob_3.ran", scoreFile({{"Bob", 1, 1, 6, 32000}, {"Bob", 1, 1, 6, 2}, {"Cy", 1, 0, -6, 2}, {"Dee", 1, 0, -6, 2}}));
    FrmScoresNet& w = open();
    EXPECT_EQ(w.GridNET.Rows(), 13);
    EXPECT_EQ(column(w.GridNET, 0).mid(0, 2), QStringList({"Cy", ""}));
    vb::UserPicks(w.cboMulti, 1);
    EXPECT_EQ(w.GridNET.Rows(), 13);
    EXPECT_EQ(column(w.GridNET, 0).mid(0, 5), QStringList({"Bob", "Cy", "Dee", " ", ""}));
}

TEST_F(ScoresWindowTest, AFileThatCannotTakeTheNewNameStaysAsItWas) {
    twoGroups("Bob_3.ran");
    const QByteArray before = readFile(path("Bob_3.ran"));
    put("new.ran", scoreFile({{"Bob", 0, 0, 0, 1}}));
    ASSERT_TRUE(QDir().mkpath(path("taken.ran/in")));
    EXPECT_FALSE(ReplaceFile(path("new.ran"), path("taken.ran")));
    EXPECT_TRUE(QFile::exists(path("new.ran")));
    EXPECT_TRUE(QDir(path("taken.ran/in")).exists());
    EXPECT_TRUE(ReplaceFile(path("new.ran"), path("Bob_3.ran")));
    EXPECT_NE(readFile(path("Bob_3.ran")), before);
    EXPECT_FALSE(QFile::exists(path("new.ran")));
}

TEST_F(ScoresWindowTest, DeletingAFileMovesOnAndTheLastClosesTheWindow) {
    put("Bob_2.ran", scoreFile({{"Bob", 0, 0, 0, 1}}));
    put("Cy_2.ran", scoreFile({{"Cy", 1, 1, 1, 2}, {"Dee", 1, 1, 1, 2}}));
    FrmScoresNet& w = open();
    vb::msgbox_script::pushAnswer(vb::vbNo);
    vb::UserClicks(w.Command2);
    EXPECT_TRUE(QFile::exists(path("Bob_2.ran")));
    boxes();

    vb::msgbox_script::pushAnswer(vb::vbYes);
    vb::UserClicks(w.Command2);
    EXPECT_EQ(boxes(), QStringList({"DELETE PLAYER: Are you sure you want to delete this entire score file?",
                                    "DELETE Score File: Score file eliminated."}));
    EXPECT_FALSE(QFile::exists(path("Bob_2.ran")));
    EXPECT_EQ(recs.ScoreFileCount, 1);
    EXPECT_EQ(w.lblPlayer.Caption(), "Quenmoor Player: Cy");
    EXPECT_EQ(w.GridNET.TextMatrix(1, 0), "Dee");

    vb::msgbox_script::pushAnswer(vb::vbYes);
    vb::UserClicks(w.Command2);
    boxes();
    EXPECT_EQ(recs.ScoreFileCount, 0);
    EXPECT_FALSE(w.isLoaded());
}

// Deleting a file that is not there, or that cannot go, is never reported
// as done: the window and the list stay as they were.
struct FileNotDeleted {
    const char* name;
    bool asked;     // the question comes first (the player answers Yes)
    const char* box;
};

class FilesNotDeleted : public ScoresWindowTest, public ::testing::WithParamInterface<FileNotDeleted> {};

TEST_P(FilesNotDeleted, AreToldAsSuch) {
    const FileNotDeleted& c = GetParam();
    put("Bob_3.ran", scoreFile({{"Bob", 0, 0, 0, 1}}));  // Bob has no file of two players...
    if (c.asked) {
        ASSERT_TRUE(QDir().mkpath(path("Bob_2.ran/in")));  // ...or one that cannot be deleted
    }
    FrmScoresNet& w = open();
    ASSERT_EQ(w.lblPlayer.Caption(), "Quenmoor Player: Bob");
    if (c.asked) vb::msgbox_script::pushAnswer(vb::vbYes);
    vb::UserClicks(w.Command2);
    QStringList want;
    if (c.asked) want << "DELETE PLAYER: Are you sure you want to delete this entire score file?";
    want << QString::fromLatin1(c.box);
    EXPECT_EQ(boxes(), want);
    EXPECT_TRUE(w.isLoaded());
    EXPECT_TRUE(QFile::exists(path("Bob_3.ran")));
    EXPECT_EQ(QFile::exists(path("Bob_2.ran")), c.asked);
    EXPECT_EQ(recs.ScoreFileCount, 1);
    EXPECT_EQ(w.lblPlayer.Caption(), "Quenmoor Player: Bob");
}

INSTANTIATE_TEST_SUITE_P(
    Table, FilesNotDeleted,
    ::testing::Values(FileNotDeleted{"NoFileOfThatSize", false, "DELETE Score File: There is no score file to delete."},
                      FileNotDeleted{"AFileThatCannotGo", true, "DELETE Score File: The score file could not be deleted."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
