// The personality files: the record's bytes, the opponent table from the
// folder, loading a seat's personality with or without a comment file, and
// what stands in for a missing personality, comment file or sound.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <set>

#include "engine/frm_grisk.h"
#include "engine/startup.h"
#include "engine/state.h"
#include "platform/msgbox.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "records/personality.h"
#include "records/personality_record.h"
#include "records/record_fields.h"
#include "records/remarks.h"
#include "records/state.h"
#include "records/text_line_record.h"
#include "records/user_files.h"
#include "record_bytes.h"
#include "support/test_support.h"

using namespace grisk;
using namespace records_test;

namespace {

TEST(PersonalityRecordTest, HasTheStoredBytes) {
    PersonalityRecord p;
    p.Comments(0) = "Desc";
    p.Comments(1) = "First";
    p.Comments(35) = "Last";
    p.Sounds(0, 0) = "1";
    p.Sounds(1, 0) = "x";
    p.Sounds(0, 1) = "a.pmw";
    p.Sounds(1, 1) = "b.pmw";
    p.Sounds(1, 16) = "z.pmw";
    p.Picture = "Face.jpg";
    const QByteArray b = p.encode();
    ASSERT_EQ(b.size(), 6340);
    EXPECT_EQ(text(b, 0, 100), padded("Desc", 100));
    EXPECT_EQ(text(b, 100, 100), padded("First", 100));
    EXPECT_EQ(text(b, 3500, 100), padded("Last", 100));
    // Element (column, event) lies at 3600 + 80 x (column + 2 x event).
    EXPECT_EQ(text(b, 3600, 80), padded("1", 80));
    EXPECT_EQ(text(b, 3680, 80), padded("x", 80));
    EXPECT_EQ(text(b, 3760, 80), padded("a.pmw", 80));
    EXPECT_EQ(text(b, 3840, 80), padded("b.pmw", 80));
    EXPECT_EQ(text(b, 6240, 80), padded("z.pmw", 80));
    EXPECT_EQ(text(b, 6320, 20), padded("Face.jpg", 20));
    EXPECT_EQ(PersonalityRecord::decode(b), p.decode(p.encode()));
    EXPECT_EQ(StoredText(PersonalityRecord::decode(b).Sounds(1, 1)), "b.pmw");

    const QByteArray any = noise(6340, 4);
    EXPECT_EQ(PersonalityRecord::decode(any).encode(), any) << "any bytes come back unchanged";
    EXPECT_EQ(PersonalityRecord::decode(any.left(100)).encode().size(), 6340);
}

// A personality folder and a user folder of the test's own, with small
// personalities whose every line names its owner and number.
class PersonalityTest : public grisk_test::GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        eng.AppFolder = tempFolder() + "/app";
        eng.UserFolder = tempFolder() + "/User/";
        eng.DataFolder = tempFolder() + "/Data/";
        for (const QString& folder : {eng.AppFolder + "/Data/PMS", eng.UserFolder + "Sounds", eng.DataFolder,
                                      eng.UserFolder + "Avatars"})
            ASSERT_TRUE(QDir().mkpath(folder));
        LoadPilePictures();
    }

    static PersonalityRecord personality(const QString& name) {
        PersonalityRecord p;
        p.Comments(0) = name + " description";
        for (int i = 1; i <= 35; ++i) p.Comments(i) = name + " " + QString::number(i);
        p.Sounds(0, 0) = "1";
        for (int i = 1; i <= 16; ++i) {
            p.Sounds(0, i) = name + QString::number(i) + ".pmw";
            p.Sounds(1, i) = name + "Custom" + QString::number(i) + ".wav";
        }
        p.Picture = name + ".jpg";
        return p;
    }
    void ship(const QString& name, const QString& file = QString()) {
        ASSERT_TRUE(writeFile(PersonalityFolder() + (file.isEmpty() ? name + ".pms" : file),
                              personality(name).encode()));
    }
    void userFile(const QString& relative, const QByteArray& bytes = "x") {
        ASSERT_TRUE(writeFile(eng.UserFolder + relative, bytes));
    }
    void commentFile(const QString& name, const QString& prefix) {
        QByteArray bytes;
        for (int i = 1; i <= 20; ++i) bytes += TextLineRecord{prefix + " " + QString::number(i)}.encode();
        userFile(name + ".cmt", bytes);
    }
    static QStringList rows() {
        QStringList out;
        for (int r = 0; r <= recs.NumOpps; ++r) out << recs.OppTable(r, 1);
        return out;
    }
    static PlayerRecord seat(const QString& name, const QString& comments = "Default Personality") {
        PlayerRecord rec;
        rec.Name = name;
        rec.CommentFile = comments;
        return rec;
    }
};

TEST_F(PersonalityTest, TheOpponentTableFromTheFolder) {
    for (const char* name : {"Varnok", "Grisk", "Voze"}) ship(name);
    ASSERT_TRUE(writeFile(PersonalityFolder() + "notes.txt", "x"));
    ASSERT_TRUE(writeFile(PersonalityFolder() + "Voze.pmp", "x"));

    recs.OppIndex = 4;
    ASSERT_TRUE(ListPersonalityFiles());
    EXPECT_EQ(recs.NumOpps, 2) << "without Zozida";
    EXPECT_EQ(rows(), QStringList({"Grisk", "Varnok", "Voze"}));
    EXPECT_EQ(recs.OppTable(1, 0), "Varnok description");
    EXPECT_EQ(recs.OppIndex, 0);

    ship("Zozida", "ZOZIDA.PMS");
    ASSERT_TRUE(ListPersonalityFiles());
    EXPECT_EQ(recs.NumOpps, 3);
    EXPECT_EQ(rows(), QStringList({"Grisk", "Varnok", "Voze", "Zozida"})) << "Zozida is last";
    EXPECT_EQ(recs.OppTable(3, 0), "Zozida description") << "whatever the case of the file's name";
    EXPECT_EQ(recs.OppTable(0, 0), "Grisk description");
}

TEST_F(PersonalityTest, WithoutGriskTheTableCannotBeMade) {
    EXPECT_FALSE(ListPersonalityFiles()) << "an empty folder";
    EXPECT_EQ(rows(), QStringList({"Grisk"}));
    ship("Varnok");
    ship("Voze");
    EXPECT_FALSE(ListPersonalityFiles()) << "other personalities but no Grisk";
    EXPECT_EQ(recs.NumOpps, 0);
    EXPECT_EQ(rows(), QStringList({"Grisk"}));
}

TEST_F(PersonalityTest, TheFirstSeatTakesEveryLineItsSoundsAndItsAvatar) {
    ship("Grisk");
    ship("Varnok");
    ASSERT_TRUE(ListPersonalityFiles());
    userFile("Sounds/Varnok3.pmw");
    userFile("Sounds/Varnok16.pmw");
    PlayerRecord rec = seat("Varnok");
    eng.SoundFiles(4) = "the sound of the personality before";

    LoadOpponentPersonality(rec, 1);

    EXPECT_EQ(rec.Name, "Varnok");
    for (int i : {1, 20, 21, 33, 34, 35}) {
        EXPECT_EQ(eng.Comments(i), "Varnok " + QString::number(i));
        EXPECT_EQ(rec.RecComments(i), "Varnok " + QString::number(i));
    }
    EXPECT_FALSE(eng.NoComments);
    EXPECT_EQ(rec.Sounds(3), eng.UserFolder + "Sounds/Varnok3.pmw");
    EXPECT_EQ(eng.SoundFiles(3), rec.Sounds(3));
    EXPECT_EQ(rec.Sounds(16), eng.UserFolder + "Sounds/Varnok16.pmw");
    EXPECT_EQ(rec.Sounds(4), eng.AppFolder + "/Data/empty.wav") << "a missing sound plays silence";
    EXPECT_EQ(eng.SoundFiles(4), rec.Sounds(4)) << "and is in force at once";
    EXPECT_EQ(rec.Sounds(0), "1");
    EXPECT_EQ(rec.Avatar, "Varnok.jpg") << "a seat without an avatar takes the personality's";
    EXPECT_EQ(recs.OppPicture, "Varnok.jpg");
    EXPECT_EQ(frmGrisk().ImgAvatar.Tag(), "Varnok.jpg") << "shown on the table";

    // The custom column, and an avatar of the seat's own.
    userFile("Sounds/VarnokCustom5.wav");
    PlayerRecord custom = seat("Varnok");
    custom.SoundColumn = 1;
    custom.Avatar = "Mine.gif";
    LoadOpponentPersonality(custom, 1);
    EXPECT_EQ(custom.Sounds(5), eng.UserFolder + "Sounds/VarnokCustom5.wav");
    EXPECT_EQ(custom.Sounds(3), eng.AppFolder + "/Data/empty.wav");
    EXPECT_EQ(custom.Avatar, "Mine.gif");
    EXPECT_EQ(recs.OppPicture, "Varnok.jpg");
}

TEST_F(PersonalityTest, ACommentFileGivesLinesOneToTwentyOfEverySeat) {
    ship("Grisk");
    ship("Voze");
    ASSERT_TRUE(ListPersonalityFiles());
    commentFile("Banter", "Mine");

    PlayerRecord first = seat("Grisk", "Banter");
    LoadOpponentPersonality(first, 1);
    EXPECT_EQ(first.RecComments(1), "Mine 1");
    EXPECT_EQ(first.RecComments(20), "Mine 20");
    EXPECT_EQ(first.RecComments(21), "Grisk 21");
    EXPECT_EQ(first.RecComments(35), "Grisk 35");

    // Another seat takes the personality's lines 1..27, keeps the first
    // seat's idle and hint lines, and stores 33 lines.
    PlayerRecord other = seat("Voze");
    other.RecComments(34) = "untouched";
    LoadOpponentPersonality(other, 0);
    EXPECT_EQ(other.RecComments(1), "Voze 1");
    EXPECT_EQ(other.RecComments(27), "Voze 27");
    EXPECT_EQ(other.RecComments(28), "Grisk 28");
    EXPECT_EQ(other.RecComments(34), "untouched");
    EXPECT_EQ(eng.Comments(34), "Grisk 34");

    PlayerRecord otherWithFile = seat("Voze", "Banter");
    LoadOpponentPersonality(otherWithFile, 0);
    EXPECT_EQ(otherWithFile.RecComments(20), "Mine 20");
    EXPECT_EQ(otherWithFile.RecComments(21), "Voze 21");
    EXPECT_EQ(otherWithFile.CommentFile, "Banter");
}

TEST_F(PersonalityTest, NoCommentsEmptiesTheFirstSeatsLinesButTheHints) {
    ship("Grisk");
    ASSERT_TRUE(ListPersonalityFiles());
    PlayerRecord rec = seat("Grisk", "No Comments");
    LoadOpponentPersonality(rec, 1);
    EXPECT_TRUE(eng.NoComments);
    EXPECT_EQ(eng.Comments(1), "");
    EXPECT_EQ(eng.Comments(33), "");
    EXPECT_EQ(eng.Comments(34), "Grisk 34");
    EXPECT_EQ(eng.Comments(35), "Grisk 35");

    // ...and the opponent says nothing on a poor play.
    frmGrisk().Label9(1).setCaption("before");
    eng.MoveCard(1) = 13;
    Dumbness();
    EXPECT_EQ(frmGrisk().Label9(1).Caption(), "before");
}

TEST_F(PersonalityTest, WhatStandsInForMissingFiles) {
    ship("Grisk");
    ship("Varnok");
    ASSERT_TRUE(ListPersonalityFiles());
    ASSERT_TRUE(writeFile(eng.AppFolder + "/Data/PMS/Nobody.pmx", "x"));
    struct Case {
        const char* name;
        const char* comments;
        const char* nameAfter;
        const char* commentsAfter;
    };
    const Case cases[] = {
        {"Varnok", "Gone", "Varnok", "Default Personality"},
        {"Nobody", "Default Personality", "Grisk", "Default Personality"},
        {"../Data/PMS/Varnok", "Default Personality", "Grisk", "Default Personality"},
        {"", "../../Banter", "Grisk", "Default Personality"},
        {"varnok", "No Comments", "Varnok", "No Comments"},  // the list's spelling
    };
    commentFile("Banter", "Mine");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlayerRecord rec = seat(c.name, c.comments);
        LoadOpponentPersonality(rec, 0);
        EXPECT_EQ(rec.Name, c.nameAfter);
        EXPECT_EQ(rec.CommentFile, c.commentsAfter);
        const QString owner = QString(c.nameAfter).compare("Grisk") == 0 ? "Grisk" : "Varnok";
        if (QString(c.commentsAfter) != "No Comments") {
            EXPECT_EQ(rec.RecComments(5), owner + " 5");
        }
    }
    EXPECT_EQ(QDir(eng.UserFolder + "Sounds").entryList(QDir::Files).size(), 0) << "nothing was installed";
}

// A seat entry that was never written (blank, or zeros) is the default
// personality; an avatar that begins with a zero character is none.
TEST_F(PersonalityTest, AnUnwrittenSeatBecomesGrisk) {
    for (const QString& unwritten : {QString(), QString(20, ' '), QString(QChar(0)) + "Varnok"}) {
        recs.ProfileRec.Seats(2) = OpponentSeatRecord{};
        recs.ProfileRec.Seats(2).Name = unwritten;
        recs.ProfileRec.Seats(2).Comments = "No Comments";
        PlayerRecord rec;
        CopySeatToPlayer(rec, 2);
        EXPECT_EQ(rec.Name, "Grisk");
        EXPECT_EQ(rec.Avatar, "Grisk.jpg");
        EXPECT_EQ(rec.CommentFile, "Default Personality");
        EXPECT_EQ(recs.ProfileRec.Seats(2).Name, "Grisk") << "the entry itself is set";
    }
    recs.ProfileRec.Seats(1).Name = "Varnok";
    recs.ProfileRec.Seats(1).Avatar = QString(QChar(0)) + "Old.jpg";
    PlayerRecord rec;
    CopySeatToPlayer(rec, 1);
    EXPECT_EQ(rec.Name, "Varnok");
    EXPECT_EQ(rec.Avatar, "");
}

TEST_F(PersonalityTest, APersonalityProgramInstallsTheSoundsWhereTheyAreLookedFor) {
    // The personalities the build made, with their sound packs.
    eng.AppFolder = QStringLiteral(GRISK_BINARY_DIR);
    ASSERT_TRUE(ListPersonalityFiles());
    for (const char* name : {"Grisk", "Zozida"}) {
        SCOPED_TRACE(name);
        PlayerRecord rec = seat(name);
        LoadOpponentPersonality(rec, 1);
        for (int i = 1; i <= 16; ++i) {
            EXPECT_TRUE(rec.Sounds(i).startsWith(eng.UserFolder + "Sounds/" + name)) << rec.Sounds(i).toStdString();
            EXPECT_TRUE(rec.Sounds(i).endsWith(".pmw"));
        }
        EXPECT_EQ(eng.SoundFiles(12), rec.Sounds(12));
        // A second seat of the same personality names the same files.
        PlayerRecord second = seat(name);
        LoadOpponentPersonality(second, 0);
        EXPECT_EQ(second.Sounds(7), rec.Sounds(7));
        // They are written by the time the first of them plays.
        sound::PlayAsync(rec.Sounds(2));
        for (int i = 1; i <= 16; ++i) EXPECT_TRUE(QFile::exists(rec.Sounds(i))) << rec.Sounds(i).toStdString();
    }
    // Shut-down's clean-up finds every one of them.
    eng.DataFolder = tempFolder() + "/Data/";
    CleanUpSounds();
    EXPECT_TRUE(QDir(eng.UserFolder + "Sounds").entryList(QDir::Files).isEmpty());
}

TEST_F(PersonalityTest, LoadPersonalityCommentsTakesLinesOneToTwenty) {
    ship("Grisk");
    ship("Voze");
    ASSERT_TRUE(ListPersonalityFiles());
    eng.Comments(21) = "kept";
    LoadPersonalityComments("Voze");
    EXPECT_EQ(eng.Comments(1), "Voze 1");
    EXPECT_EQ(eng.Comments(20), "Voze 20");
    EXPECT_EQ(eng.Comments(21), "kept");
    LoadPersonalityComments("../Voze");
    EXPECT_EQ(eng.Comments(1), "Grisk 1");
    commentFile("Banter", "Mine");
    LoadCommentFile("Banter");
    EXPECT_EQ(eng.Comments(7), "Mine 7");
    LoadCommentFile("Missing");
    EXPECT_EQ(eng.Comments(7), "Mine 7");
}

TEST_F(PersonalityTest, ThreeNudgesSpeakTheIdleLinesEachOnce) {
    for (int i = 28; i <= 30; ++i) eng.Comments(i) = "idle " + QString::number(i);
    for (uint32_t seed : {1u, 2u, 3u, 4u}) {
        recs.NudgeCount.clear();
        vb::Randomize(seed);
        std::set<QString> spoken;
        for (int n = 1; n <= 3; ++n) {
            ShowRandomComment();
            spoken.insert(frmGrisk().Label9(2).Caption());
        }
        EXPECT_EQ(spoken, (std::set<QString>{"idle 28", "idle 29", "idle 30"})) << "seed " << seed;
        EXPECT_EQ(recs.NudgeCount(0), 4);
    }
}

}  // namespace
