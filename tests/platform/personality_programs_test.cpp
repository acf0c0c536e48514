// Our personality programs: each shipped one writes seven frames of its own
// that the show can load; anything else writes nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <set>

#include "platform/personality_programs.h"
#include "support/test_support.h"

namespace {

class PersonalityProgramsTest : public grisk_test::GriskTest {};

TEST_F(PersonalityProgramsTest, EveryShippedPersonalityWritesSevenFramesOfItsOwn) {
    const QString folder = tempFolder() + "/";
    for (const QString& name : pms::ShippedPersonalities()) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(pms::RunPersonalityProgram(name, "/QORVN", "", folder, 5000));
        for (int i = 1; i <= pms::kFrameCount; ++i) {
            QImage frame(folder + name + QString::number(i) + ".tmp");
            ASSERT_FALSE(frame.isNull()) << "frame " << i;
            EXPECT_EQ(frame.size(), QSize(pms::kFrameWidth, pms::kFrameHeight));
            EXPECT_EQ(frame.convertToFormat(QImage::Format_RGB32), pms::PersonalityFrame(name, i));
        }
    }
    // No two frames of all the programs are the same picture.
    std::set<QByteArray> pictures;
    QStringList everyone = pms::ShippedPersonalities();
    everyone << "Grisk";
    for (const QString& name : everyone)
        for (int i = 1; i <= pms::kFrameCount; ++i) {
            const QImage img = pms::PersonalityFrame(name, i);
            pictures.insert(QByteArray(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes()));
        }
    EXPECT_EQ(pictures.size(), static_cast<std::size_t>(pms::kFrameCount * everyone.size()));
}

TEST_F(PersonalityProgramsTest, WhatNoProgramAnswersWritesNothing) {
    const QString folder = tempFolder() + "/";
    EXPECT_FALSE(pms::RunPersonalityProgram("Grisk", "/QORVN", "", folder, 5000)) << "the default's are built in";
    EXPECT_FALSE(pms::RunPersonalityProgram("Nobody", "/QORVN", "", folder, 5000));
    EXPECT_FALSE(pms::RunPersonalityProgram("Voze", "/SND", folder, folder, 5000)) << "no pack";
    EXPECT_FALSE(pms::RunPersonalityProgram("Voze", "/HELP", folder, folder, 5000));
    EXPECT_FALSE(pms::RunPersonalityProgram("Voze", "/QORVN", "", tempFolder() + "/missing/", 5000));
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(pms::PersonalityFrame("Voze", 0).isNull());
    EXPECT_TRUE(pms::PersonalityFrame("Voze", 8).isNull());
}

TEST_F(PersonalityProgramsTest, ASoundPackKeepsItsSoundsAndRefusesDamage) {
    const std::vector<pms::PackedSound> sounds{{"AWild.pmw", QByteArray("RIFF1")}, {"BTurn.PMW", QByteArray(3000, 'x')}};
    const QByteArray pack = pms::EncodeSoundPack(sounds);
    std::vector<pms::PackedSound> back;
    ASSERT_TRUE(pms::DecodeSoundPack(pack, back));
    EXPECT_EQ(back, sounds);
    ASSERT_TRUE(pms::DecodeSoundPack(pms::EncodeSoundPack({}), back));
    EXPECT_TRUE(back.empty());

    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case damaged[] = {
        {"cut short", pack.left(pack.size() - 1)},
        {"bytes past the end", pack + "x"},
        {"another format", "RIFF" + pack.mid(4)},
        {"a folder in a name", pms::EncodeSoundPack({{"../up.pmw", "x"}})},
        {"a hidden name", pms::EncodeSoundPack({{".pmw", "x"}})},
        {"not a personality sound", pms::EncodeSoundPack({{"slap.wav", "x"}})},
        {"a length past the end", QByteArray("GVSP\x01\x00\x05\x00" "a.pmw" "\xFF\xFF\xFF\x7F", 17)},
    };
    for (const Case& c : damaged) EXPECT_FALSE(pms::DecodeSoundPack(c.bytes, back)) << c.what;
}

// "/SND" writes the pack's sounds under their names; Voze's program brings
// Zozida's too. A sound already there with the same bytes is left alone.
TEST_F(PersonalityProgramsTest, SoundsInstallIntoTheSoundsFolder) {
    const QString programs = tempFolder() + "/PMS/";
    const QString sounds = tempFolder() + "/Sounds/";
    ASSERT_TRUE(QDir().mkpath(programs));
    ASSERT_TRUE(QDir().mkpath(sounds));
    auto writePack = [&](const QString& name, const std::vector<pms::PackedSound>& content) {
        QFile f(programs + name + ".pmp");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(pms::EncodeSoundPack(content));
    };
    writePack("Voze", {{"VozeWin1.pmw", "voze"}});
    writePack("Zozida", {{"ZozidaWin1.pmw", "zozida"}});
    writePack("Varnok", {{"VarnokWin1.pmw", "varnok"}});

    ASSERT_TRUE(pms::RunPersonalityProgram("Voze", "/SND", programs, sounds, 5000));
    EXPECT_EQ(QDir(sounds).entryList({"*.pmw"}, QDir::Files), QStringList({"VozeWin1.pmw", "ZozidaWin1.pmw"}));
    ASSERT_TRUE(pms::RunPersonalityProgram("Varnok", "/snd", programs, sounds, 5000));
    QFile installed(sounds + "VarnokWin1.pmw");
    ASSERT_TRUE(installed.open(QIODevice::ReadOnly));
    EXPECT_EQ(installed.readAll(), "varnok");

    EXPECT_FALSE(pms::RunPersonalityProgram("Grisk", "/SND", programs, sounds, 5000)) << "no pack of its own";
    EXPECT_FALSE(pms::RunPersonalityProgram("Zozida", "/SND", programs, sounds, 5000)) << "no program of its own";
    EXPECT_FALSE(pms::RunPersonalityProgram("Varnok", "/SND", programs, tempFolder() + "/missing/", 5000));
}

}  // namespace
