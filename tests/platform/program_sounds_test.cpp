// The program's own sounds ":/SOUND/105" .. ":/SOUND/123", compiled into
// grisk_core, must be WAVs that every player plays the same way: 16-bit mono
// PCM with consistent chunk sizes, short, distinct, never clipped, and silent
// at both ends so that starting or cutting one off does not click.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kFirst = 105;
constexpr int kLast = 123;

QString resourceName(int number) { return QStringLiteral(":/SOUND/%1").arg(number); }

QByteArray readResource(int number) {
    QFile f(resourceName(number));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

quint32 u32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 u16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }

// The parts of a WAV file this program writes, read back without trusting it.
struct Wav {
    QString problem;  // empty when the file is well formed
    quint32 sampleRate = 0;
    std::vector<qint16> samples;
};

Wav parseWav(const QByteArray& b) {
    Wav w;
    if (b.size() < 44) {
        w.problem = QStringLiteral("shorter than a WAV header: %1 bytes").arg(b.size());
        return w;
    }
    const auto fail = [&w](const QString& why) {
        w.problem = why;
        return w;
    };
    if (b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") return fail("not RIFF/WAVE");
    if (u32(b, 4) != quint32(b.size() - 8))
        return fail(QStringLiteral("RIFF size %1 for a file of %2 bytes").arg(u32(b, 4)).arg(b.size()));
    if (b.mid(12, 4) != "fmt " || u32(b, 16) != 16) return fail("no 16-byte fmt chunk first");
    if (u16(b, 20) != 1) return fail("not PCM");
    if (u16(b, 22) != 1) return fail(QStringLiteral("%1 channels").arg(u16(b, 22)));
    if (u16(b, 34) != 16) return fail(QStringLiteral("%1 bits per sample").arg(u16(b, 34)));
    w.sampleRate = u32(b, 24);
    if (w.sampleRate == 0 || u32(b, 28) != w.sampleRate * 2 || u16(b, 32) != 2)
        return fail("rate, byte rate and block size disagree");
    if (b.mid(36, 4) != "data") return fail("no data chunk after fmt");
    if (u32(b, 40) != quint32(b.size() - 44))
        return fail(QStringLiteral("data size %1 for %2 bytes of data").arg(u32(b, 40)).arg(b.size() - 44));
    for (int at = 44; at + 1 < b.size(); at += 2) w.samples.push_back(qint16(u16(b, at)));
    return w;
}

TEST(ProgramSounds, EachIsAWellFormedShortMonoWav) {
    for (int n = kFirst; n <= kLast; ++n) {
        SCOPED_TRACE(resourceName(n).toStdString());
        ASSERT_TRUE(QFile(resourceName(n)).exists());
        const Wav w = parseWav(readResource(n));
        ASSERT_TRUE(w.problem.isEmpty()) << w.problem.toStdString();
        const double ms = 1000.0 * double(w.samples.size()) / w.sampleRate;
        EXPECT_GE(ms, 100);
        EXPECT_LE(ms, 1500);
    }
    EXPECT_FALSE(QFile(resourceName(kFirst - 1)).exists());
    EXPECT_FALSE(QFile(resourceName(kLast + 1)).exists());
}

// Audible but never at full scale, and starting and ending at rest: a sound
// that begins or ends away from zero clicks.
TEST(ProgramSounds, NoClippingAndNoClicksAtTheEdges) {
    constexpr int kEdge = 8;           // samples checked at each end
    constexpr int kNearZero = 328;     // 1% of full scale
    for (int n = kFirst; n <= kLast; ++n) {
        SCOPED_TRACE(resourceName(n).toStdString());
        const Wav w = parseWav(readResource(n));
        ASSERT_TRUE(w.problem.isEmpty()) << w.problem.toStdString();
        ASSERT_GT(w.samples.size(), size_t(2 * kEdge));
        int peak = 0;
        for (qint16 s : w.samples) peak = std::max(peak, std::abs(int(s)));
        EXPECT_LT(peak, 32767) << "clipped";
        EXPECT_GT(peak, 3277) << "hardly audible";
        for (int i = 0; i < kEdge; ++i) {
            EXPECT_LE(std::abs(int(w.samples[i])), kNearZero) << "sample " << i;
            EXPECT_LE(std::abs(int(w.samples[w.samples.size() - 1 - i])), kNearZero)
                << "sample " << i << " from the end";
        }
    }
}

TEST(ProgramSounds, NoTwoAreTheSame) {
    std::vector<std::vector<qint16>> seen;
    for (int n = kFirst; n <= kLast; ++n) {
        const Wav w = parseWav(readResource(n));
        ASSERT_TRUE(w.problem.isEmpty()) << n;
        for (size_t i = 0; i < seen.size(); ++i)
            EXPECT_NE(seen[i], w.samples) << n << " sounds like " << kFirst + int(i);
        seen.push_back(w.samples);
    }
}

}  // namespace
