// The set-up tool, run as the user or the build runs it, with its data
// folder in a temporary place.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cmath>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include "net/chat_lines.h"
#include "platform/personality_programs.h"
#include "records/personality_record.h"
#include "records/profile_record.h"
#include "records/record_fields.h"
#include "records/saved_game_record.h"
#include "records/shipped_data.h"
#include "record_bytes.h"
#include "table/emotion_icons.h"

using namespace grisk;
using namespace records_test;

namespace {

class GriskSetupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        tool = QCoreApplication::applicationDirPath() + "/../grisk-setup";
        ASSERT_TRUE(QFileInfo(tool).isExecutable()) << "build the grisk-setup tool first: " << tool.toStdString();
        base = home.path() + "/share/Quenmoor/Grisk and Varnok";
    }

    // Runs the tool; its exit code, and what it printed in out.
    int run(const QStringList& args, QString* out = nullptr) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", home.path() + "/share");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        p.setProcessEnvironment(env);
        p.start(tool, args);
        if (!p.waitForFinished(60000)) return -1;
        if (out) *out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    QByteArray file(const QString& relative) const { return readFile(base + "/" + relative); }

    static QString source(const char* name) {
        return QString::fromUtf8(readFile(QString(GRISK_SOURCE_DIR) + "/data/" + name));
    }

    // The personalities' voices the build synthesised.
    static QString voices() { return QStringLiteral(GRISK_BINARY_DIR "/sounds/pms"); }

    QTemporaryDir home;
    QString tool;
    QString base;
};

TEST_F(GriskSetupTest, MakesTheFoldersAndStartingFiles) {
    QString out;
    ASSERT_EQ(run({}, &out), 0) << out.toStdString();

    for (const char* folder : {"Data", "User", "User/Avatars", "User/Backgrounds", "User/Icons", "User/Sounds"})
        EXPECT_TRUE(QFileInfo(base + "/" + folder).isDir()) << folder;
    const std::pair<const char*, int> sizes[] = {
        {"Data/Prefs.sav", 1 * 756},
        {"Data/scores.ran", 18 * 38},
        {"Data/highscore.ran", 20 * 36},
        {"Data/backup.sav", 38 * 6038},
    };
    for (const auto& [name, size] : sizes) EXPECT_EQ(file(name).size(), size) << name;

    PlayerProfileRecord expected;
    ASSERT_TRUE(ProfileFromDefaults(source("prefs-defaults.txt"), expected, nullptr));
    EXPECT_EQ(file("Data/Prefs.sav"), expected.encode());
    EXPECT_EQ(file("Data/scores.ran"), BlankScoresFile());
    EXPECT_EQ(file("Data/highscore.ran"), BlankHighScoreFile());
    // The saved games are blank but for the tutorial's prepared positions.
    const QByteArray positions = readFile(QStringLiteral(GRISK_BINARY_DIR "/tutorial/positions.sav"));
    ASSERT_EQ(positions.size(), 8 * kSavedGameRecordLength);
    EXPECT_EQ(file("Data/backup.sav"),
              BlankSavedGamesFile().replace(30 * kSavedGameRecordLength, positions.size(), positions));
    EXPECT_TRUE(QDir(base + "/Data").entryList(QDir::Hidden | QDir::Files).filter(".grisk-setup").isEmpty())
        << "no temporary file is left behind";
}

TEST_F(GriskSetupTest, TheDefaultBoardIsAGreenPictureThatTiles) {
    ASSERT_EQ(run({}), 0);
    QImage board;
    ASSERT_TRUE(board.load(base + "/User/Backgrounds/GameBoard.gif"));
    ASSERT_EQ(board.size(), QSize(400, 300));
    const QImage rgb = board.convertToFormat(QImage::Format_RGB32);
    double edgeStep = 0;
    double innerStep = 0;
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 400; ++x) {
            const QRgb c = rgb.pixel(x, y);
            ASSERT_GT(qGreen(c), qRed(c)) << x << "," << y;
            ASSERT_GT(qGreen(c), qBlue(c)) << x << "," << y;
        }
        // Where two tiles meet the felt changes no more than inside one.
        edgeStep += std::abs(qGreen(rgb.pixel(399, y)) - qGreen(rgb.pixel(0, y)));
        innerStep += std::abs(qGreen(rgb.pixel(199, y)) - qGreen(rgb.pixel(200, y)));
    }
    EXPECT_LT(edgeStep, 2 * innerStep + 300);
}

TEST_F(GriskSetupTest, TheOtherBackgroundsTheEmotionIconAndTheSlapAreReadable) {
    ASSERT_EQ(run({}), 0);
    const std::pair<const char*, QSize> pictures[] = {{"User/Backgrounds/BlueBaize.gif", QSize(240, 240)},
                                                      {"User/Backgrounds/OakPlanks.gif", QSize(256, 256)},
                                                      {"User/Icons/Mischievous.gif", QSize(32, 32)}};
    for (const auto& [name, size] : pictures) {
        QImage img;
        EXPECT_TRUE(img.load(base + "/" + name)) << name;
        EXPECT_EQ(img.size(), size) << name;
    }
    const QByteArray slap = file("User/Sounds/slap.wav");
    ASSERT_GT(slap.size(), 44 + 2 * 22050 / 10) << "a tenth of a second at least";
    EXPECT_TRUE(slap.startsWith("RIFF"));
    EXPECT_EQ(slap.mid(8, 4), "WAVE");
}

// The chat finds a picture for every smiley's icon, and sounds of its own
// beside the slap.
TEST_F(GriskSetupTest, EverySmileysIconAndTheChatsOwnSoundsAreThere) {
    ASSERT_EQ(run({}), 0);
    const QStringList smileys = grisk::ChatSmileyIcons();
    EXPECT_EQ(smileys.size(), 8);
    for (const QString& icon : smileys) {
        QImage img;
        EXPECT_TRUE(img.load(base + "/User/Icons/" + icon + ".gif")) << icon.toStdString();
    }
    const QStringList sounds = QDir(base + "/User/Sounds").entryList({"*.wav"}, QDir::Files);
    EXPECT_GE(sounds.size(), 4) << sounds.join(" ").toStdString();
    for (const QString& name : sounds) {
        const QByteArray bytes = file("User/Sounds/" + name);
        EXPECT_TRUE(bytes.startsWith("RIFF")) << name.toStdString();
        EXPECT_GT(bytes.size(), 44 + 2 * 22050 / 10) << name.toStdString();
    }
}

// Every icon a letter key names is there, a picture of its own; an icon
// the user put there first is kept as it is.
TEST_F(GriskSetupTest, EveryEmotionIconTheLettersNameIsWrittenButNeverOverTheUsers) {
    ASSERT_TRUE(QDir().mkpath(base + "/User/Icons"));
    QImage mine(16, 16, QImage::Format_RGB32);
    mine.fill(Qt::red);
    ASSERT_TRUE(mine.save(base + "/User/Icons/Wink.gif", "PNG"));
    const QByteArray users = file("User/Icons/Wink.gif");
    ASSERT_EQ(run({}), 0);
    EXPECT_EQ(file("User/Icons/Wink.gif"), users);

    QSet<QByteArray> pictures;
    for (const EmotionIconKey& key : EmotionIconKeys()) {
        if (QString(key.file) == "Wink.gif") continue;
        QImage img;
        ASSERT_TRUE(img.load(base + "/User/Icons/" + key.file)) << key.file;
        EXPECT_EQ(img.size(), QSize(32, 32)) << key.file;
        const QImage rgb = img.convertToFormat(QImage::Format_RGB32);
        pictures.insert(QByteArray(reinterpret_cast<const char*>(rgb.constBits()), rgb.sizeInBytes()));
    }
    EXPECT_EQ(pictures.size(), static_cast<int>(EmotionIconKeys().size()) - 1) << "no two icons look alike";
}

TEST_F(GriskSetupTest, RunningTwiceKeepsEveryFileByteForByte) {
    ASSERT_EQ(run({}), 0);
    QMap<QString, QByteArray> first;
    for (const char* name : {"Data/Prefs.sav", "Data/scores.ran", "Data/highscore.ran", "Data/backup.sav",
                             "User/Backgrounds/GameBoard.gif", "User/Backgrounds/BlueBaize.gif",
                             "User/Backgrounds/OakPlanks.gif", "User/Icons/Mischievous.gif", "User/Sounds/slap.wav"})
        first[name] = file(name);

    QString out;
    ASSERT_EQ(run({}, &out), 0);
    for (auto it = first.begin(); it != first.end(); ++it) {
        EXPECT_EQ(file(it.key()), it.value()) << it.key().toStdString();
        EXPECT_TRUE(out.contains("Kept " + base + "/" + it.key())) << out.toStdString();
    }

    // A fresh place gets the very same bytes.
    ASSERT_TRUE(QDir(base).removeRecursively());
    ASSERT_EQ(run({}), 0);
    for (auto it = first.begin(); it != first.end(); ++it) EXPECT_EQ(file(it.key()), it.value()) << it.key().toStdString();
}

TEST_F(GriskSetupTest, AnExistingProfileFileIsNeverReplaced) {
    ASSERT_TRUE(QDir().mkpath(base + "/Data"));
    const QByteArray mine = noise(3 * 756, 5);
    ASSERT_TRUE(writeFile(base + "/Data/Prefs.sav", mine));
    QString out;
    ASSERT_EQ(run({}, &out), 0);
    EXPECT_EQ(file("Data/Prefs.sav"), mine);
    EXPECT_TRUE(out.contains("Kept")) << out.toStdString();
    EXPECT_EQ(file("Data/scores.ran").size(), 18 * 38) << "the missing files are still made";
}

// An existing saved-games file gets the tutorial's positions only where its
// records 31 to 38 hold no game, grown to them when it is shorter; the
// player's own records stay as they were.
TEST_F(GriskSetupTest, AnExistingSavedGamesFileGetsThePositionsWhereItHasNone) {
    ASSERT_TRUE(QDir().mkpath(base + "/Data"));
    const QByteArray positions = readFile(QStringLiteral(GRISK_BINARY_DIR "/tutorial/positions.sav"));
    ASSERT_EQ(positions.size(), 8 * kSavedGameRecordLength);
    SavedGameRecord own;
    own.Pturn = 1;
    own.Title = QStringLiteral("Mine");
    const QByteArray ownRecord = own.encode();
    QByteArray mine = noise(30 * kSavedGameRecordLength, 9);  // slots, auto-saves and deals
    mine += SavedGameRecord{}.encode() + ownRecord;           // 31 blank, 32 a game of the player's
    ASSERT_TRUE(writeFile(base + "/Data/backup.sav", mine));

    QString out;
    ASSERT_EQ(run({}, &out), 0) << out.toStdString();
    const QByteArray now = file("Data/backup.sav");
    ASSERT_EQ(now.size(), 38 * kSavedGameRecordLength);
    EXPECT_EQ(now.left(30 * kSavedGameRecordLength), mine.left(30 * kSavedGameRecordLength));
    const auto rec = [](const QByteArray& bytes, int i) {
        return bytes.mid(static_cast<qsizetype>(i) * kSavedGameRecordLength, kSavedGameRecordLength);
    };
    for (int r = 31; r <= 38; ++r)
        EXPECT_EQ(rec(now, r - 1), r == 32 ? ownRecord : rec(positions, r - 31)) << "record " << r;
    EXPECT_TRUE(out.contains("Added 7 tutorial positions")) << out.toStdString();

    // Run again, nothing changes.
    ASSERT_EQ(run({}, &out), 0);
    EXPECT_EQ(file("Data/backup.sav"), now);
}

TEST_F(GriskSetupTest, AppDataModeWritesTheMessageTexts) {
    const QString dir = home.path() + "/app";
    QString out;
    ASSERT_EQ(run({"--app-data", dir, "--voices", voices()}, &out), 0) << out.toStdString();
    QByteArray expected;
    ASSERT_TRUE(BuildMessageTexts(source("snackade.txt"), expected, nullptr));
    EXPECT_EQ(readFile(dir + "/Data/snackade.ran"), expected);
    EXPECT_FALSE(QFileInfo::exists(base)) << "the user's folders are not touched";

    // A newer build replaces the old copy whole.
    ASSERT_TRUE(writeFile(dir + "/Data/snackade.ran", QByteArray(9000, 'x')));
    ASSERT_EQ(run({"--app-data", dir, "--voices", voices()}), 0);
    EXPECT_EQ(readFile(dir + "/Data/snackade.ran"), expected);
}

// Each personality source becomes a personality file and a sound pack that
// holds its voice under the names the file gives.
TEST_F(GriskSetupTest, AppDataModeWritesEachPersonalityAndItsSoundPack) {
    const QString dir = home.path() + "/app";
    ASSERT_EQ(run({"--app-data", dir, "--voices", voices()}), 0);
    const QStringList sources =
        QDir(QString(GRISK_SOURCE_DIR) + "/data/personalities").entryList({"*.txt"}, QDir::Files);
    ASSERT_GE(sources.size(), 4);
    for (const QString& txt : sources) {
        const QString name = txt.left(txt.size() - 4);
        SCOPED_TRACE(name.toStdString());
        PersonalityRecord expected;
        ASSERT_TRUE(BuildPersonalityFile(source(("personalities/" + txt).toUtf8().constData()), expected, nullptr));
        EXPECT_EQ(readFile(dir + "/Data/PMS/" + name + ".pms"), expected.encode());
        std::vector<pms::PackedSound> sounds;
        ASSERT_TRUE(pms::DecodeSoundPack(readFile(dir + "/Data/PMS/" + name + ".pmp"), sounds));
        ASSERT_EQ(sounds.size(), 16u);
        for (int i = 1; i <= 16; ++i) {
            EXPECT_EQ(sounds[i - 1].name, StoredText(expected.Sounds(0, i)));
            EXPECT_EQ(sounds[i - 1].bytes, readFile(voices() + "/" + name + "/" + QString::number(i) + ".wav"));
        }
    }
}

// The avatars are the personalities' own portraits, and a user's picture of
// the same name stays as it is.
TEST_F(GriskSetupTest, EachPersonalityHasItsAvatarAndAUsersPictureIsKept) {
    ASSERT_TRUE(QDir().mkpath(base + "/User/Avatars"));
    ASSERT_TRUE(writeFile(base + "/User/Avatars/Varnok.jpg", "my own"));
    ASSERT_EQ(run({}), 0);
    EXPECT_EQ(file("User/Avatars/Varnok.jpg"), "my own");
    QSet<QByteArray> portraits;
    for (const char* name : {"Grisk.jpg", "Voze.jpg", "Zozida.jpg"}) {
        QImage img;
        ASSERT_TRUE(img.load(base + "/User/Avatars/" + name)) << name;
        EXPECT_EQ(img.size(), QSize(130, 130)) << name;
        portraits.insert(file(QString("User/Avatars/") + name));
    }
    EXPECT_EQ(portraits.size(), 3) << "every portrait is its own";
}

TEST_F(GriskSetupTest, UnknownArgumentsAreRefused) {
    QString out;
    EXPECT_EQ(run({"--bogus"}, &out), 2);
    EXPECT_TRUE(out.contains("Usage")) << out.toStdString();
    EXPECT_EQ(run({"--app-data"}), 2);
    EXPECT_EQ(run({"--app-data", home.path() + "/app"}), 2) << "the voices are needed";
    EXPECT_NE(run({"--app-data", home.path() + "/app", "--voices", home.path() + "/none"}), 0);
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_FALSE(QFileInfo::exists(base));
}

}  // namespace
