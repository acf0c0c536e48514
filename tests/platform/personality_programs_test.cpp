// Our personality programs: each shipped one writes seven frames of its own
// that the show can load; anything else writes nothing.
#include <gtest/gtest.h>

#include <QDir>
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

}  // namespace
