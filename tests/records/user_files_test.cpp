// The lists of the user's background pictures, comment files, score files
// and opponents.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "engine/state.h"
#include "records/state.h"
#include "records/user_files.h"
#include "record_bytes.h"
#include "support/test_support.h"

using namespace grisk;
using namespace records_test;

namespace {

class UserFilesTest : public grisk_test::GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        eng.UserFolder = tempFolder() + "/User/";
        ASSERT_TRUE(QDir().mkpath(eng.UserFolder));
    }
    void touch(const QString& relative) {
        const QString path = eng.UserFolder + relative;
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        ASSERT_TRUE(writeFile(path, "x"));
    }

    static QStringList listed(const vb::Array<QString, 1>& list, int count) {
        QStringList out;
        EXPECT_EQ(list.ubound(1), count);
        for (int i = 1; i <= count; ++i) out << list(i);
        return out;
    }
};

TEST_F(UserFilesTest, BackgroundsArePicturesWithTheDefaultBoardFirst) {
    ASSERT_TRUE(QDir().mkpath(eng.UserFolder + "Backgrounds/folder.jpg"));
    for (const char* name : {"zebra.bmp", "aurora.JPG", "GameBoard.gif", "Beach.gif", "notes.txt",
                             ".hidden.jpg", "gameboard.gif.bak"})
        touch(QString("Backgrounds/") + name);

    ListBackgroundFiles();

    EXPECT_EQ(listed(recs.Backgrounds, recs.NumBackgrounds),
              QStringList({"GameBoard.gif", "aurora.JPG", "Beach.gif", "zebra.bmp"}));
    EXPECT_EQ(recs.DefaultBoardIndex, 1);
}

TEST_F(UserFilesTest, NoBackgroundFolderGivesAnEmptyList) {
    recs.DefaultBoardIndex = 3;
    ListBackgroundFiles();
    EXPECT_EQ(recs.NumBackgrounds, 0);
    EXPECT_EQ(recs.Backgrounds.ubound(1), 0);
    EXPECT_EQ(recs.DefaultBoardIndex, 3) << "left as it was without the board";
}

TEST_F(UserFilesTest, ABackgroundEntryOutsideTheListStartsAgainAtOne) {
    touch("Backgrounds/GameBoard.gif");
    touch("Backgrounds/a.jpg");
    const std::pair<int, int> cases[] = {{-1, 1}, {0, 0}, {2, 2}, {3, 3}, {4, 1}, {99, 1}};
    for (const auto& [before, after] : cases) {
        recs.BackgroundIdx = before;
        ListBackgroundFiles();
        EXPECT_EQ(recs.BackgroundIdx, after) << "from " << before;
    }
}

TEST_F(UserFilesTest, CommentAndScoreFilesAreListedWithoutTheirExtension) {
    for (const char* name : {"Custom.cmt", "banter.CMT", "Ann_2.ran", "Net_3.RAN", "old.cmt.txt", "x.pms"})
        touch(name);
    ListCommentFiles();
    ListScoreFiles();
    EXPECT_EQ(listed(recs.CommentFiles, recs.NumCommentFiles), QStringList({"banter", "Custom"}));
    EXPECT_EQ(listed(recs.ScoreFileList, recs.ScoreFileCount), QStringList({"Ann_2", "Net_3"}));
}

TEST_F(UserFilesTest, AvatarsArePicturesOfTheAvatarsFolder) {
    for (const char* name : {"Grisk.jpg", "me.GIF", "old.bmp", "notes.txt", "face.png"}) touch(QString("Avatars/") + name);
    ListAvatarFiles();
    EXPECT_EQ(listed(recs.AvatarFiles, recs.NumAvatars), QStringList({"Grisk.jpg", "me.GIF", "old.bmp"}));
}

}  // namespace
