// The profile record of "Prefs.sav" and its seat entries, byte for byte.
#include <gtest/gtest.h>

#include "platform/vberror.h"
#include "records/profile_record.h"
#include "record_bytes.h"
#include "support/test_support.h"

using namespace grisk;
using namespace records_test;

namespace {

// A profile with a different value in every field.
PlayerProfileRecord distinctProfile() {
    PlayerProfileRecord p;
    p.NameColor = 0x00FFEEDD;
    p.TableColor = -2;
    p.PlainColor = 0x00C0E0FF;
    p.NumPlayers = 3;
    p.NumCenters = 4;
    p.NameFontSize = 12;
    p.PrevBackground = 5;
    p.SpeedOption = 4;
    p.AnimSpeed = 70;
    p.SoundLevel = 1;
    p.SoundSet = 2;
    p.DeckStyle = 7;
    p.BackStyle = 9;
    p.HoldPosition(0) = 1440;
    p.HoldPosition(1) = -300;
    p.OpaqueLabels = 11;
    p.StatusBarOn = -1;
    p.IntroOn = 13;
    p.SkinOn = 14;
    p.MenuStyle = 15;
    p.SmallDisplay = 16;
    p.AvatarOn = 17;
    p.AutoSaveOn = 18;
    p.SkipWinShow = 19;
    p.SkipLoseShow = 20;
    for (int i = 0; i <= 3; ++i) p.RuleOptions(i) = 21 + i;
    for (int c = 0; c <= 3; ++c)
        for (int r = 0; r <= 2; ++r) p.BestRuns(c, r) = 100 + 10 * c + r;
    for (int i = 0; i <= 6; ++i) {
        p.GamesPlayed(i) = 200 + i;
        p.GamesWon(i) = 300 + i;
        p.Margin(i) = -400 - i;
    }
    for (int s = 0; s <= 3; ++s) {
        OpponentSeatRecord& seat = p.Seats(s);
        seat.Name = QString("Seat%1").arg(s);
        seat.Avatar = QString("face%1.jpg").arg(s);
        seat.Comments = QString("Comments %1").arg(s);
        seat.Level = 500 + s;
        seat.SoundSource = 600 + s;
    }
    p.BackgroundTiled = -1;
    for (int i = 0; i <= 3; ++i) p.Spare(i) = 700 + i;
    return p;
}

TEST(OpponentSeatRecordTest, HasTheStoredBytes) {
    OpponentSeatRecord s;
    s.Name = "Varnok";
    s.Avatar = "varnok.gif";
    s.Comments = "Default Personality";
    s.Level = 2;
    s.SoundSource = 1;
    const QByteArray expected = padded("Varnok", 20) + padded("varnok.gif", 30) +
                                padded("Default Personality", 100) + QByteArray("\x02\x00\x01\x00", 4);
    EXPECT_EQ(s.encode(), expected);
    EXPECT_EQ(OpponentSeatRecord::decode(expected).Name, padded("Varnok", 20));
}

TEST(PlayerProfileRecordTest, EveryFieldLiesAtItsOffset) {
    const QByteArray b = distinctProfile().encode();
    ASSERT_EQ(b.size(), 756);

    EXPECT_EQ(dword(b, 0), 0x00FFEEDD);
    EXPECT_EQ(dword(b, 4), -2);
    EXPECT_EQ(dword(b, 8), 0x00C0E0FF);
    const std::pair<int, int> words[] = {
        {12, 3},    {14, 4},    {16, 12},  {18, 5},  {20, 4},   {22, 70},  {24, 1},   {26, 2},
        {28, 7},    {30, 9},    {32, 1440}, {34, -300}, {36, 11}, {38, -1}, {40, 13},  {42, 14},
        {44, 15},   {46, 16},   {48, 17},  {50, 18}, {52, 19},  {54, 20},  {56, 21},  {58, 22},
        {60, 23},   {62, 24},   {746, -1}, {748, 700}, {754, 703},
    };
    for (const auto& [offset, value] : words) EXPECT_EQ(word(b, offset), value) << "offset " << offset;
    for (int c = 0; c <= 3; ++c)
        for (int r = 0; r <= 2; ++r)
            EXPECT_EQ(word(b, 64 + 2 * (c + 4 * r)), 100 + 10 * c + r) << "BestRuns(" << c << "," << r << ")";
    for (int i = 0; i <= 6; ++i) {
        EXPECT_EQ(word(b, 88 + 2 * i), 200 + i);
        EXPECT_EQ(word(b, 102 + 2 * i), 300 + i);
        EXPECT_EQ(word(b, 116 + 2 * i), -400 - i);
    }
    for (int s = 0; s <= 3; ++s) {
        const int at = 130 + 154 * s;
        EXPECT_EQ(text(b, at, 20), padded(qPrintable(QString("Seat%1").arg(s)), 20));
        EXPECT_EQ(text(b, at + 20, 30), padded(qPrintable(QString("face%1.jpg").arg(s)), 30));
        EXPECT_EQ(text(b, at + 50, 100), padded(qPrintable(QString("Comments %1").arg(s)), 100));
        EXPECT_EQ(word(b, at + 150), 500 + s);
        EXPECT_EQ(word(b, at + 152), 600 + s);
    }
}

TEST(PlayerProfileRecordTest, DecodesWhatItEncodes) {
    const PlayerProfileRecord p = distinctProfile();
    PlayerProfileRecord back = PlayerProfileRecord::decode(p.encode());
    // Texts come back with their padding.
    for (int s = 0; s <= 3; ++s) {
        EXPECT_EQ(back.Seats(s).Name.trimmed(), p.Seats(s).Name);
        back.Seats(s) = p.Seats(s);
    }
    EXPECT_EQ(back, p);
}

TEST(PlayerProfileRecordTest, ShortRecordReadsZerosPastItsEnd) {
    const QByteArray full = distinctProfile().encode();
    const PlayerProfileRecord p = PlayerProfileRecord::decode(full.left(100));
    EXPECT_EQ(p.NumPlayers, 3);
    EXPECT_EQ(p.GamesPlayed(5), 205) << "bytes 98..99, the last whole word";
    EXPECT_EQ(p.GamesWon(0), 0) << "byte 102 lies past the end";
    EXPECT_EQ(p.Seats(3).Level, 0);
    EXPECT_EQ(p.Seats(3).Name, QString(20, QChar(0)));
    EXPECT_EQ(p.encode().left(100), full.left(100));
}

TEST(PlayerProfileRecordTest, ANumberTooBigForItsWordIsRefused) {
    PlayerProfileRecord p;
    p.HoldPosition(0) = 40000;
    EXPECT_EQ(grisk_test::errorOf([&] { p.encode(); }), vb::ErrOverflow);
}

}  // namespace
