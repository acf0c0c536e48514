// The starting profile, the message texts and the blank starting files,
// from the sources in data/.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "engine/general.h"
#include "engine/state.h"
#include "records/saved_game_record.h"
#include "records/score_record.h"
#include "records/shipped_data.h"
#include "records/text_line_record.h"
#include "profile_fixture.h"

using namespace grisk;
using namespace records_test;

namespace {

QString sourceFile(const char* name) {
    QFile f(QString(GRISK_SOURCE_DIR) + "/data/" + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return QString::fromUtf8(f.readAll());
}

TEST(ProfileDefaultsTest, ReadsNumbersFlagsColoursAndTexts) {
    const QString text =
        "# a comment\n"
        "\n"
        "NameColor = &HFFFFFF\n"
        "TableColor = &HFFFFFFFF\n"
        "PlainColor = 255\n"
        "NumPlayers = 4\n"
        "  AnimSpeed=-7  \n"
        "StatusBarOn = True\n"
        "IntroOn = false\n"
        "DeckStyle = &HFFFF\n"
        "RuleOptions(0) = 25\n"
        "HoldPosition(1) = 3375\n"
        "Seats(2).Name = \"Zozida = queen\"\n"
        "Seats(3).Level = 2\n";
    PlayerProfileRecord p;
    QString error;
    ASSERT_TRUE(ProfileFromDefaults(text, p, &error)) << error.toStdString();
    EXPECT_EQ(p.NameColor, 0xFFFFFF);
    EXPECT_EQ(p.TableColor, -1);
    EXPECT_EQ(p.PlainColor, 255);
    EXPECT_EQ(p.NumPlayers, 4);
    EXPECT_EQ(p.AnimSpeed, -7);
    EXPECT_EQ(p.StatusBarOn, -1);
    EXPECT_EQ(p.IntroOn, 0);
    EXPECT_EQ(p.DeckStyle, -1);
    EXPECT_EQ(p.RuleOptions(0), 25);
    EXPECT_EQ(p.HoldPosition(1), 3375);
    EXPECT_EQ(p.Seats(2).Name, "Zozida = queen");
    EXPECT_EQ(p.Seats(3).Level, 2);
    EXPECT_EQ(p.Seats(1).Name, "") << "not named: blank";
    EXPECT_EQ(p.GamesPlayed(0), 0);
}

TEST(ProfileDefaultsTest, RefusesWhatWouldStoreSomethingElse) {
    const struct {
        const char* text;
        const char* reason;
    } cases[] = {
        {"NumPlayer = 2", "line 1: unknown field"},
        {"NumPlayers = 2\nNumPlayers = 3", "line 2: \"NumPlayers\" is already set on line 1"},
        {"NumPlayers 2", "line 1: expected"},
        {"NumPlayers = two", "line 1: \"two\" is not a number"},
        {"NumPlayers = 40000", "line 1:"},
        {"NumPlayers = &H10000", "line 1:"},
        {"NameColor = 4294967296", "line 1:"},
        {"NumPlayers = 2.5", "line 1:"},
        {"GamesPlayed(0) = 1", "line 1: unknown field"},
        {"Seats(4).Name = \"x\"", "line 1: unknown field"},
        {"Seats(1).Name = Grisk", "line 1: a text must be written in double quotes"},
        {"Seats(1).Name = \"abcdefghijklmnopqrstu\"", "line 1: the text is longer than 20 characters"},
        {"Seats(1).Name = \"a\"b\"", "line 1: a text may not contain a double quote"},
        {"Seats(1).Name = \"\u20ac\"", "line 1: the text has a character outside Latin-1"},
    };
    for (const auto& c : cases) {
        PlayerProfileRecord p;
        p.NumPlayers = 99;
        QString error;
        EXPECT_FALSE(ProfileFromDefaults(QString::fromUtf8(c.text), p, &error)) << c.text;
        EXPECT_TRUE(error.startsWith(c.reason)) << c.text << " gave " << error.toStdString();
        EXPECT_EQ(p.NumPlayers, 99) << "the profile is left alone";
    }
}

TEST(MessageTextsTest, RecordsRunToTheHighestNumberAndTheRestAreBlank) {
    QByteArray file;
    QString error;
    ASSERT_TRUE(BuildMessageTexts("# c\n3 =  Third line \n1 = First\n", file, &error)) << error.toStdString();
    ASSERT_EQ(file.size(), 300);
    EXPECT_EQ(file.mid(0, 100), padded("First", 100));
    EXPECT_EQ(file.mid(100, 100), QByteArray(100, ' '));
    EXPECT_EQ(file.mid(200, 100), padded("Third line", 100));
}

TEST(MessageTextsTest, RefusesBadLines) {
    const struct {
        QString text;
        const char* reason;
    } cases[] = {
        {"0 = zero", "line 1: \"0\" is not a record number"},
        {"x = y", "line 1: \"x\" is not a record number"},
        {"2 = a\n2 = b", "line 2: record 2 is already written"},
        {"just text", "line 1: expected"},
        {"5 = " + QString(101, 'x'), "line 1: the text is longer than 100 characters"},
        {QString::fromUtf8("5 = 10 \u20ac"), "line 1: the text has a character outside Latin-1"},
    };
    for (const auto& c : cases) {
        QByteArray file = "kept";
        QString error;
        EXPECT_FALSE(BuildMessageTexts(c.text, file, &error)) << c.text.toStdString();
        EXPECT_TRUE(error.startsWith(c.reason)) << error.toStdString();
        EXPECT_EQ(file, "kept");
    }
}

TEST(BlankFilesTest, HaveTheirRecordCountsAndBlankRecords) {
    const QByteArray scores = BlankScoresFile();
    const QByteArray high = BlankHighScoreFile();
    const QByteArray saved = BlankSavedGamesFile();
    ASSERT_EQ(scores.size(), 18 * 38);
    ASSERT_EQ(high.size(), 20 * 36);
    ASSERT_EQ(saved.size(), 38 * 6038);
    for (int n = 0; n < 18; ++n) EXPECT_EQ(scores.mid(n * 38, 38), QByteArray(30, ' ') + QByteArray(8, '\0'));
    for (int n = 0; n < 20; ++n) EXPECT_EQ(HighScoreRecord::decode(high.mid(n * 36, 36)), (HighScoreRecord{0, QString(20, ' ')}));
    for (int n = 0; n < 38; ++n)
        EXPECT_EQ(saved.mid(n * 6038, 6038), QByteArray(6008, '\0') + QByteArray(30, ' ')) << "slot " << n + 1;
}

// The shipped sources themselves.
TEST(ShippedSourcesTest, TheStartingProfileIsAFirstStartWithSensibleOptions) {
    PlayerProfileRecord p;
    QString error;
    ASSERT_TRUE(ProfileFromDefaults(sourceFile("prefs-defaults.txt"), p, &error)) << error.toStdString();
    EXPECT_EQ(p.Seats(0).Name, "");
    EXPECT_EQ(p.NumPlayers, 2);
    EXPECT_EQ(p.NumCenters, 3);
    EXPECT_EQ(p.RuleOptions(0), 19);
    EXPECT_EQ(p.DeckStyle, 6);
    EXPECT_EQ(p.BackStyle, 1);
    EXPECT_EQ(p.SoundLevel, 0);
    EXPECT_EQ(p.SpeedOption, 2);
    EXPECT_EQ(p.AnimSpeed, 45);
    EXPECT_EQ(p.NameFontSize, 10);
    EXPECT_EQ(p.NameColor, 0xFFFFFF);
    EXPECT_EQ(p.PlainColor, 0);
    EXPECT_EQ(p.StatusBarOn, -1);
    EXPECT_EQ(p.AvatarOn, -1);
    EXPECT_EQ(p.IntroOn, 0);
    for (int s = 1; s <= 3; ++s) {
        EXPECT_EQ(p.Seats(s).Name, "Grisk");
        EXPECT_EQ(p.Seats(s).Level, 0);
    }
}

using ShippedProfileTest = ProfileFixture;

TEST_F(ShippedProfileTest, TheStartingProfileComesIntoForceAsAFirstStart) {
    PlayerProfileRecord p;
    ASSERT_TRUE(ProfileFromDefaults(sourceFile("prefs-defaults.txt"), p, nullptr));
    writePrefs({p});
    ASSERT_TRUE(Get_Players());
    EXPECT_EQ(recs.CurrentProfile, 1);
    EXPECT_EQ(recs.NumPlayerNames, 0);
    EXPECT_EQ(eng.NumPlayers, 2);
    EXPECT_EQ(eng.NumCenters, 3);
    EXPECT_EQ(eng.SideOption, 19);
    EXPECT_EQ(eng.TotalCards, 104);
    EXPECT_EQ(recs.PlainColor, 0xC0E0FF);
    EXPECT_EQ(eng.Player2.Name, "Grisk");
}

TEST(ShippedSourcesTest, MessageTextsFillTheRecordsTheWindowsRead) {
    QByteArray file;
    QString error;
    ASSERT_TRUE(BuildMessageTexts(sourceFile("snackade.txt"), file, &error)) << error.toStdString();
    ASSERT_EQ(file.size() % 100, 0);
    const int count = static_cast<int>(file.size() / 100);
    ASSERT_GE(count, 34);
    for (int n : {9, 10, 11, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34})
        EXPECT_NE(file.mid((n - 1) * 100, 100).trimmed(), "") << "record " << n;
}

// The program's reader joins the shipped records as the windows expect.
class MessageTextReaderTest : public grisk_test::GriskTest {};

TEST_F(MessageTextReaderTest, GetMessageTextReadsTheBuiltFile) {
    QByteArray file;
    ASSERT_TRUE(BuildMessageTexts("29 = One.\n30 =  Two.\n31 = Three.", file, nullptr));
    eng.AppFolder = tempFolder();
    ASSERT_TRUE(QDir().mkpath(tempFolder() + "/Data"));
    ASSERT_TRUE(writeFile(tempFolder() + "/Data/snackade.ran", file));
    EXPECT_EQ(GetMessageText(29, 31), "One. Two. Three. ");
    EXPECT_EQ(GetMessageText(1, 1), " ");
}

}  // namespace
