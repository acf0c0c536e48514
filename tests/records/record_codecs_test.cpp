// The score, high-score and text-line records byte for byte, and what every
// record codec does with bytes it did not write.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "platform/vberror.h"
#include "records/profile_record.h"
#include "records/saved_game_record.h"
#include "records/score_record.h"
#include "records/text_line_record.h"
#include "record_bytes.h"
#include "support/test_support.h"

using namespace grisk;
using namespace records_test;

namespace {

TEST(ScoreRecordTest, HasTheStoredBytes) {
    ScoreRecord s;
    s.Name = "Ann";
    s.Value1 = 1;
    s.Value2 = -2;
    s.Value3 = 300;
    s.Value4 = 32767;
    const QByteArray expected = padded("Ann", 30) + QByteArray("\x01\x00\xFE\xFF\x2C\x01\xFF\x7F", 8);
    EXPECT_EQ(s.encode(), expected);
    EXPECT_EQ(ScoreRecord::decode(expected).Value2, -2);
    EXPECT_EQ(ScoreRecord::decode(expected).Name, padded("Ann", 30));
}

TEST(ScoreRecordTest, EncodeOverGivesAWholeRecordWhateverTheBase) {
    ScoreRecord s;
    s.Name = "Ann";
    s.Value4 = 7;
    for (const QByteArray& base : {QByteArray(), QByteArray(10, 'x'), QByteArray(60, 'x')}) {
        const QByteArray b = s.encodeOver(base);
        ASSERT_EQ(b.size(), 38);
        EXPECT_EQ(b, s.encode());
    }
}

TEST(HighScoreRecordTest, HasTheStoredBytes) {
    HighScoreRecord h;
    h.When = 45678.0;  // a day number
    h.PlayerName = "Grisk";
    h.Side = 4;
    h.Hand = 5;
    h.Hold = 6;
    h.Total = 15;
    const QByteArray b = h.encode();
    ASSERT_EQ(b.size(), 36);
    double when = 0;
    std::memcpy(&when, b.constData(), 8);
    EXPECT_EQ(when, 45678.0);
    EXPECT_EQ(text(b, 8, 20), padded("Grisk", 20));
    EXPECT_EQ(word(b, 28), 4);
    EXPECT_EQ(word(b, 30), 5);
    EXPECT_EQ(word(b, 32), 6);
    EXPECT_EQ(word(b, 34), 15);
}

TEST(HighScoreRecordTest, BlankEntryIsZeroDateBlankNameAndZeros) {
    const QByteArray b = HighScoreRecord{}.encode();
    EXPECT_EQ(b, QByteArray(8, '\0') + QByteArray(20, ' ') + QByteArray(8, '\0'));
}

TEST(TextLineRecordTest, KeepsOneByteACharacterPaddedAndCut) {
    EXPECT_EQ(TextLineRecord{"Hello"}.encode(), padded("Hello", 100));
    EXPECT_EQ(TextLineRecord{QString(120, 'x')}.encode(), QByteArray(100, 'x'));
    EXPECT_EQ(TextLineRecord{QString::fromLatin1("caf\xE9")}.encode(), padded("caf\xE9", 100));
    EXPECT_EQ(TextLineRecord::decode(padded("Hello", 100)).Text, QString::fromLatin1(padded("Hello", 100)));
}

// Every codec takes any bytes of its length and gives them back unchanged,
// so a record read and written again loses nothing.
TEST(RecordCodecTest, AnyBytesDecodeAndEncodeBackUnchanged) {
    struct Case {
        const char* name;
        int length;
        std::function<QByteArray(const QByteArray&)> roundTrip;
    };
    const Case cases[] = {
        {"profile", 756, [](const QByteArray& b) { return PlayerProfileRecord::decode(b).encode(); }},
        {"seat", 154, [](const QByteArray& b) { return OpponentSeatRecord::decode(b).encode(); }},
        {"score", 38, [](const QByteArray& b) { return ScoreRecord::decode(b).encode(); }},
        {"high score", 36, [](const QByteArray& b) { return HighScoreRecord::decode(b).encode(); }},
        {"text line", 100, [](const QByteArray& b) { return TextLineRecord::decode(b).encode(); }},
        {"saved game", 6038, [](const QByteArray& b) { return SavedGameRecord::decode(b).encode(); }},
    };
    for (const Case& c : cases) {
        for (uint32_t seed : {1u, 2u, 3u}) {
            const QByteArray bytes = noise(c.length, seed);
            QByteArray back;
            EXPECT_EQ(grisk_test::errorOf([&] { back = c.roundTrip(bytes); }), 0) << c.name;
            EXPECT_EQ(back, bytes) << c.name << " seed " << seed;
        }
        // All 0xFF: every word reads -1, every text character as ÿ.
        const QByteArray ones(c.length, '\xFF');
        EXPECT_EQ(c.roundTrip(ones), ones) << c.name;
        // A short record reads zeros past its end and encodes to full length.
        const QByteArray shortOne = noise(c.length / 3, 9);
        const QByteArray full = c.roundTrip(shortOne);
        EXPECT_EQ(full.size(), c.length) << c.name;
        EXPECT_EQ(full.left(shortOne.size()), shortOne) << c.name;
    }
}

}  // namespace
