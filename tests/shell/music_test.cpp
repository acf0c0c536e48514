// The music: PlayMP3's answers and boxes, and the intro music the program
// ships, decoded as the player decodes it.
#include <gtest/gtest.h>

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QEventLoop>
#include <QFile>
#include <QUrl>
#include <algorithm>

#include "platform/sound.h"
#include "shell/music.h"
#include "shell_fixture.h"

namespace grisk_test {
namespace {

class MusicTest : public ShellTest {
protected:
    void TearDown() override {
        grisk::StopMP3();
        ShellTest::TearDown();
    }
};

TEST_F(MusicTest, AMissingFileIsAnErrorWithoutABox) {
    EXPECT_EQ(grisk::PlayMP3(tempPath("Intro.mp3")), "Error with input file");
    EXPECT_EQ(grisk::PlayMP3(QString()), "Error with input file");
    EXPECT_TRUE(boxes().empty());
    EXPECT_FALSE(grisk::IsMP3Playing());
}

TEST_F(MusicTest, AFileThePlayerCannotOpenShowsItsReasonWhereThereIsSound) {
    const QString path = tempPath("broken.mp3");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(2048, '\x55'));
    f.close();
    const QString result = grisk::PlayMP3(path);
    EXPECT_EQ(result, "");
    EXPECT_FALSE(grisk::IsMP3Playing());
    if (sound::AudioAvailable()) {
        ASSERT_EQ(boxes().size(), 1u);
        EXPECT_EQ(boxes()[0].icon(), vb::vbCritical);
        EXPECT_FALSE(boxes()[0].prompt.isEmpty());
    } else {
        EXPECT_TRUE(boxes().empty()) << "without an audio device nothing plays and nothing is said";
    }
}

TEST_F(MusicTest, TheIntroPlaysWhereThereIsSoundAndStops) {
    const QString result = grisk::PlayMP3(ShippedAppFolder() + "/Data/Intro.mp3");
    EXPECT_TRUE(boxes().empty());
    if (sound::AudioAvailable()) {
        EXPECT_EQ(result, "Success");
        EXPECT_TRUE(grisk::IsMP3Playing());
    } else {
        EXPECT_EQ(result, "");
        EXPECT_FALSE(grisk::IsMP3Playing());
    }
    grisk::StopMP3();
    grisk::StopMP3();  // harmless when nothing plays
    EXPECT_FALSE(grisk::IsMP3Playing());
}

// The shipped intro decodes to some twenty seconds of sound that is not
// silence and does not clip.
TEST(ShippedMusic, TheIntroDecodes) {
    QAudioDecoder decoder;
    decoder.setSource(QUrl::fromLocalFile(ShippedAppFolder() + "/Data/Intro.mp3"));
    qint64 microseconds = 0;
    float peak = 0;
    QString error;
    QEventLoop loop;
    QObject::connect(&decoder, &QAudioDecoder::bufferReady, &loop, [&] {
        const QAudioBuffer buffer = decoder.read();
        microseconds += buffer.duration();
        const QAudioFormat format = buffer.format();
        for (qsizetype i = 0; i < buffer.sampleCount(); ++i)
            peak = std::max(peak, std::abs(format.normalizedSampleValue(buffer.constData<char>() +
                                                                        i * format.bytesPerSample())));
    });
    QObject::connect(&decoder, &QAudioDecoder::finished, &loop, &QEventLoop::quit);
    QObject::connect(&decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), &loop, [&] {
        error = decoder.errorString();
        loop.quit();
    });
    decoder.start();
    loop.exec();
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_GT(microseconds, 15'000'000);
    EXPECT_LT(microseconds, 30'000'000);
    EXPECT_GT(peak, 0.3f);
    EXPECT_LE(peak, 1.0f);
}

}  // namespace
}  // namespace grisk_test
