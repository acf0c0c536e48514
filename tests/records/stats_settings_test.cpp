// The settings snapshot of "scores.ran" at shut-down.
#include <gtest/gtest.h>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/recordfile.h"
#include "records/score_record.h"
#include "records/state.h"
#include "records/stats_settings.h"
#include "record_bytes.h"
#include "support/test_support.h"

using namespace grisk;
using namespace records_test;

namespace {

class SaveSettingsTest : public grisk_test::GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        path = tempPath("scores.ran");
        // Eighteen records that differ from whatever the snapshot writes.
        QByteArray bytes;
        for (int n = 1; n <= 18; ++n)
            bytes += ScoreRecord{QString("record %1").arg(n), 1000 + n, 2000 + n, 3000 + n, 4000 + n}.encode();
        ASSERT_TRUE(writeFile(path, bytes));
        ASSERT_TRUE(file.open(path, kScoreRecordLength));

        recs.AvatarFile = "  varnok.gif ";
        recs.SkipWinShow = true;
        recs.OpaqueLabels = false;
        recs.DeckStyle = 7;
        eng.PlayerName = "Ann";
        recs.PrevBackground = 3;
        recs.SpeedOption = 4;
        recs.SoundLevel = 1;
        recs.PlainColor = 0xC0E0FF;
        recs.BackStyle = 2;
        recs.AutoSaveOn = true;
        recs.TableColor = 0x8000;
        recs.SkipLoseShow = false;
        recs.OppIndex = 2;
        recs.AnimSpeed = 45;
        eng.SideOption = 14;
        eng.ForcedCards = 3;
        eng.DecksSeparate = true;
        eng.NoWildAce = false;
        frmGrisk().StatusBar1.setVisible(true);
        frmGrisk().ImgAvatar.setVisible(true);
        frmGrisk().Label9(2).setFontSize(11.6);
    }

    ScoreRecord record(int n) {
        QByteArray bytes;
        file.read(n, bytes);
        return ScoreRecord::decode(bytes);
    }

    QString path;
    vb::RecordFile file;
};

TEST_F(SaveSettingsTest, WritesTheFiveSnapshotRecordsAndNothingElse) {
    const QByteArray before = readFile(path);
    ASSERT_TRUE(SaveSettings(file));
    const QByteArray after = readFile(path);
    ASSERT_EQ(after.size(), before.size());

    const struct {
        int n;
        const char* name;
        int v1, v2, v3, v4;
    } expected[] = {
        {12, "varnok.gif", -1, 0, 0, 7},
        {13, "Ann", 3, 4, 1, 7},
        {16, " 12640511", 2, 1, 1, 1},
        {17, " 32768", 12, 0, 1, 2},
        {18, " 45", 14, 3, -1, 0},
    };
    for (const auto& e : expected) {
        const ScoreRecord r = record(e.n);
        EXPECT_EQ(r.Name, QString::fromLatin1(padded(e.name, 30))) << "record " << e.n;
        EXPECT_EQ(r.Value1, e.v1) << "record " << e.n;
        EXPECT_EQ(r.Value2, e.v2) << "record " << e.n;
        EXPECT_EQ(r.Value3, e.v3) << "record " << e.n;
        EXPECT_EQ(r.Value4, e.v4) << "record " << e.n;
    }
    for (int n : {1, 2, 9, 10, 11, 14, 15})
        EXPECT_EQ(after.mid((n - 1) * 38, 38), before.mid((n - 1) * 38, 38)) << "record " << n;
}

// One buffer is filled in turn: record 13 keeps record 12's fourth value and
// record 17 keeps record 16's third.
TEST_F(SaveSettingsTest, RecordsThirteenAndSeventeenCarryTheBuffersValues) {
    recs.DeckStyle = 9;
    frmGrisk().ImgAvatar.setVisible(false);
    ASSERT_TRUE(SaveSettings(file));
    EXPECT_EQ(record(13).Value4, 9);
    EXPECT_EQ(record(17).Value3, 0);
    frmGrisk().ImgAvatar.setVisible(true);
    ASSERT_TRUE(SaveSettings(file));
    EXPECT_EQ(record(17).Value3, 1);
}

TEST_F(SaveSettingsTest, AShortFileGrowsToTheSnapshotAndKeepsItsRecords) {
    file.close();
    QByteArray start = readFile(path).left(5 * 38);
    ASSERT_TRUE(writeFile(path, start));
    ASSERT_TRUE(file.open(path, kScoreRecordLength));
    ASSERT_TRUE(SaveSettings(file));
    const QByteArray after = readFile(path);
    EXPECT_EQ(after.size(), 18 * 38);
    EXPECT_EQ(after.left(5 * 38), start);
    EXPECT_EQ(after.mid(13 * 38, 2 * 38), QByteArray(2 * 38, '\0')) << "records 14 and 15 are not written";
}

TEST_F(SaveSettingsTest, AFileThatCannotBeWrittenIsReported) {
    file.close();
    EXPECT_FALSE(SaveSettings(file));
}

}  // namespace
