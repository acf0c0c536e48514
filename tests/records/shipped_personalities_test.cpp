// The personality sources the build makes into personality files: each
// says everything once, within its fields, in a voice of its own.
#include <gtest/gtest.h>

#include <QDir>
#include <QSet>

#include "records/personality_record.h"
#include "records/record_fields.h"
#include "records/shipped_data.h"
#include "record_bytes.h"

using namespace grisk;
using namespace records_test;

namespace {

QString sourceOf(const QString& file) {
    return QString::fromUtf8(readFile(QString(GRISK_SOURCE_DIR) + "/data/personalities/" + file));
}

TEST(ShippedPersonalitiesTest, EveryPersonalitySpeaksAndSoundsInItsOwnWords) {
    const QStringList files = QDir(QString(GRISK_SOURCE_DIR) + "/data/personalities").entryList({"*.txt"});
    const QStringList names = QStringList(files).replaceInStrings(".txt", "");
    for (const char* needed : {"Grisk", "Varnok", "Voze", "Zozida"}) EXPECT_TRUE(names.contains(needed)) << needed;
    QSet<QString> everyLine;
    QSet<QString> everySound;
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const QString name = file.left(file.size() - 4);
        PersonalityRecord p;
        QString why;
        ASSERT_TRUE(BuildPersonalityFile(sourceOf(file), p, &why)) << why.toStdString();
        EXPECT_EQ(StoredText(p.Picture), name + ".jpg") << "the stock avatar's name";
        EXPECT_TRUE(StoredText(p.Comments(0)).startsWith(name + ":"));
        for (int i = 1; i <= 35; ++i) {
            const QString line = StoredText(p.Comments(i));
            EXPECT_FALSE(everyLine.contains(line)) << "line " << i << " is said elsewhere: " << line.toStdString();
            everyLine.insert(line);
        }
        for (int i = 1; i <= 16; ++i) {
            const QString sound = StoredText(p.Sounds(0, i));
            EXPECT_TRUE(sound.startsWith(name) && sound.endsWith(".pmw")) << sound.toStdString();
            EXPECT_EQ(StoredText(p.Sounds(1, i)), sound) << "the custom column starts as the personality's own";
            EXPECT_FALSE(everySound.contains(sound));
            everySound.insert(sound);
        }
    }
}

TEST(ShippedPersonalitiesTest, ASourceThatDoesNotFitIsRefusedWithItsLine) {
    const QString whole = sourceOf("Grisk.txt");
    PersonalityRecord p;
    QString why;
    ASSERT_TRUE(BuildPersonalityFile(whole, p, &why));
    struct Case {
        QString from;
        QString to;
        const char* reason;
    };
    const Case cases[] = {
        {"1 = Oi!", "1 = " + QString(101, 'x') + " Oi!", "the text is longer than 100 characters"},
        {"Picture = Grisk.jpg", "Picture = AVeryLongPictureName.jpg", "longer than 20"},
        {"Sound 3 = GriskWin1.pmw", "Sound 3 = ../GriskWin1.pmw", "plain \".pmw\" file name"},
        {"Sound 3 = GriskWin1.pmw", "Sound 3 = GriskWin1.wav", "plain \".pmw\" file name"},
        {"35 = ", "36 = ", "unknown field \"36\""},
        {"Show = 2", "Show = 2\nShow = 1", "already set"},
        {"2 = You took", "2 = " + QString(QChar(0x20AC)) + " You took", "outside Latin-1"},
        {"17 = Your card", "# 17 = Your card", "missing: 17"},
        {"Sound 16 = GriskWildO.pmw", "", "missing: Sound 16"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        QString changed = whole;
        ASSERT_TRUE(changed.contains(c.from));
        changed.replace(c.from, c.to);
        EXPECT_FALSE(BuildPersonalityFile(changed, p, &why));
        EXPECT_TRUE(why.contains(c.reason)) << why.toStdString();
    }
}

}  // namespace
