// The saved-game record of "backup.sav" and the move log, byte for byte.
#include <gtest/gtest.h>

#include "platform/vberror.h"
#include "records/saved_game_record.h"
#include "record_bytes.h"
#include "support/test_support.h"

using namespace grisk;
using namespace records_test;

namespace {

// A distinct value for every word, from a running counter kept below 16 bits.
class Counter {
public:
    int next() { return (n_ = n_ % 30000 + 1); }

private:
    int n_ = 0;
};

class SavedGameRecordTest : public ::testing::Test {
protected:
    void SetUp() override {
        Counter c;
        for (int* v : {&g.NoWildAce, &g.Pturn, &g.OppSideCount, &g.SideCount, &g.OppSideShape, &g.SideShape,
                       &g.StockCount, &g.UsedCount, &g.HandCount, &g.SideOption, &g.ForcedCards,
                       &g.NumCenters, &g.NumPlayers})
            *v = c.next();
        for (int f = 0; f <= 1; ++f)
            for (int i = 0; i <= 208; ++i) {
                g.Deck(f, i) = c.next();
                g.Used(f, i) = -c.next();
            }
        for (int s = 1; s <= 4; ++s)
            for (int f = 0; f <= 1; ++f) {
                for (int i = 0; i <= 26; ++i) g.Side(f, i, s) = c.next();
                for (int i = 0; i <= 10; ++i) g.Slots(f, i, s) = c.next();
            }
        for (int s = 2; s <= 4; ++s) {
            g.SeatSideCount(s) = c.next();
            g.SeatSideShape(s) = c.next();
        }
        for (int f = 0; f <= 1; ++f)
            for (int p = 0; p <= 4; ++p)
                for (int k = 0; k <= 12; ++k) g.CenterPile(f, p, k) = c.next();
        for (int p = 0; p <= 4; ++p) g.CenterCount(p) = c.next();
        for (int j = 0; j <= 5; ++j)
            for (int p = 0; p <= 4; ++p)
                for (int d = 0; d <= 30; ++d) g.SeatHold(j, p, d) = c.next();
        for (int f = 0; f <= 1; ++f)
            for (int p = 0; p <= 4; ++p)
                for (int d = 0; d <= 30; ++d) g.PlayerHold(f, p, d) = c.next();
        for (int s = 0; s <= 2; ++s)
            for (int p = 0; p <= 4; ++p) {
                g.SeatHoldCount(s, p) = c.next();
                g.SeatHoldRun(s, p) = c.next();
            }
        for (int p = 0; p <= 4; ++p) g.PlayerHoldCount(p) = c.next();
        g.Title = "Before the storm";
        bytes = g.encode();
    }

    SavedGameRecord g;
    QByteArray bytes;
};

TEST_F(SavedGameRecordTest, EveryFieldLiesAtItsOffset) {
    ASSERT_EQ(bytes.size(), 6038);
    const int heads[] = {g.NoWildAce, g.Pturn, g.OppSideCount, g.SideCount, g.OppSideShape,
                         g.SideShape, g.StockCount, g.UsedCount, g.HandCount, g.SideOption,
                         g.ForcedCards, g.NumCenters, g.NumPlayers};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(word(bytes, 2 * i), heads[i]) << "offset " << 2 * i;
    EXPECT_EQ(bytes.mid(26, 840), QByteArray(840, '\0'));

    for (int f = 0; f <= 1; ++f)
        for (int i = 0; i <= 208; ++i) {
            ASSERT_EQ(word(bytes, 866 + 2 * f + 4 * i), g.Deck(f, i));
            ASSERT_EQ(word(bytes, 1702 + 2 * f + 4 * i), g.Used(f, i));
        }
    const int sideAt[] = {0, 2538, 2646, 2754, 2862};
    const int slotsAt[] = {0, 2982, 3026, 3070, 3114};
    for (int s = 1; s <= 4; ++s)
        for (int f = 0; f <= 1; ++f) {
            for (int i = 0; i <= 26; ++i) ASSERT_EQ(word(bytes, sideAt[s] + 2 * f + 4 * i), g.Side(f, i, s));
            for (int i = 0; i <= 10; ++i) ASSERT_EQ(word(bytes, slotsAt[s] + 2 * f + 4 * i), g.Slots(f, i, s));
        }
    for (int s = 2; s <= 4; ++s) {
        EXPECT_EQ(word(bytes, 2970 + 2 * (s - 2)), g.SeatSideCount(s));
        EXPECT_EQ(word(bytes, 2976 + 2 * (s - 2)), g.SeatSideShape(s));
    }
    for (int f = 0; f <= 1; ++f)
        for (int p = 0; p <= 4; ++p)
            for (int k = 0; k <= 12; ++k)
                ASSERT_EQ(word(bytes, 3158 + 2 * f + 4 * p + 20 * k), g.CenterPile(f, p, k));
    for (int p = 0; p <= 4; ++p) EXPECT_EQ(word(bytes, 3418 + 2 * p), g.CenterCount(p));
    for (int j = 0; j <= 5; ++j)
        for (int p = 0; p <= 4; ++p)
            for (int d = 0; d <= 30; ++d)
                ASSERT_EQ(word(bytes, 3428 + 2 * j + 12 * p + 60 * d), g.SeatHold(j, p, d));
    for (int f = 0; f <= 1; ++f)
        for (int p = 0; p <= 4; ++p)
            for (int d = 0; d <= 30; ++d)
                ASSERT_EQ(word(bytes, 5288 + 2 * f + 4 * p + 20 * d), g.PlayerHold(f, p, d));
    EXPECT_EQ(bytes.mid(5908, 30), QByteArray(30, '\0'));
    for (int s = 0; s <= 2; ++s)
        for (int p = 0; p <= 4; ++p) {
            EXPECT_EQ(word(bytes, 5938 + 2 * s + 6 * p), g.SeatHoldCount(s, p));
            EXPECT_EQ(word(bytes, 5968 + 2 * s + 6 * p), g.SeatHoldRun(s, p));
        }
    for (int p = 0; p <= 4; ++p) EXPECT_EQ(word(bytes, 5998 + 2 * p), g.PlayerHoldCount(p));
    EXPECT_EQ(text(bytes, 6008, 30), padded("Before the storm", 30));
}

TEST_F(SavedGameRecordTest, WildCountersLieInTheHumansUnusedHoldPlaces) {
    // (seat, kind 0 side / 1 hand) -> offset
    const struct {
        int seat, kind, offset;
    } places[] = {{1, 0, 5310}, {1, 1, 5330}, {2, 0, 5350}, {2, 1, 5370},
                  {3, 0, 5390}, {3, 1, 5410}, {4, 0, 5430}, {4, 1, 5450}};
    for (const auto& p : places) {
        g.WildCounter(p.seat, p.kind) = 1000 + p.offset % 1000;
        EXPECT_EQ(word(g.encode(), p.offset), 1000 + p.offset % 1000) << "seat " << p.seat << " kind " << p.kind;
    }
    EXPECT_EQ(grisk_test::errorOf([&] { g.WildCounter(5, 0); }), vb::ErrSubscript);
    EXPECT_EQ(grisk_test::errorOf([&] { g.WildCounter(1, 2); }), vb::ErrSubscript);
}

TEST_F(SavedGameRecordTest, DecodesWhatItEncodes) {
    SavedGameRecord back = SavedGameRecord::decode(bytes);
    EXPECT_EQ(back.Title, QString::fromLatin1(padded("Before the storm", 30)));
    back.Title = g.Title;
    EXPECT_EQ(back, g);
}

TEST(SavedGameBlankTest, BlankRecordIsZerosWithABlankTitle) {
    const QByteArray b = SavedGameRecord{}.encode();
    EXPECT_EQ(b, QByteArray(6008, '\0') + QByteArray(30, ' '));
}

}  // namespace
