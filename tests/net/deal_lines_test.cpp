// The deal's lines: "DK" built byte for byte for every kind of peer and read
// back, hostile payloads refused, and "TR".
#include <gtest/gtest.h>

#include <QStringList>

#include "net/deal_lines.h"
#include "net/protocol.h"
#include "platform/vbarray.h"
#include "support/test_support.h"

using namespace grisk;

namespace {

// A stock of the given card numbers at positions 1.., each with its rank.
vb::Array<int, 2> stockOf(const std::vector<int>& numbers) {
    vb::Array<int, 2> deck{{0, 2}, {0, static_cast<int>(numbers.size())}};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const int n = numbers[i];
        deck(0, static_cast<int>(i) + 1) = n;
        deck(1, static_cast<int>(i) + 1) = (n - 1) % 13 + 1;
    }
    return deck;
}

const DeckRules kRules{19, 0, true, false};

struct DeckCase {
    const char* version;
    bool withRules;
    const char* line;             // as sent
    std::vector<int> numbers;     // as read back by a remote machine
    std::vector<int> ranks;
    bool rulesRead;
};

class DeckLineTest : public ::testing::TestWithParam<DeckCase> {};

// Cards 5, 17 and 60 (rank 8 of the second deck).
TEST_P(DeckLineTest, BuiltByteForByteAndReadBack) {
    const DeckCase& c = GetParam();
    const vb::Array<int, 2> deck = stockOf({5, 17, 60});
    const std::optional<DeckRules> rules = c.withRules ? std::optional<DeckRules>(kRules) : std::nullopt;
    const QString line = BuildDeckLine(deck, 3, c.version, rules);
    EXPECT_EQ(line, QString::fromLatin1(c.line));
    EXPECT_EQ(NetLineKind(line), nsDeck);

    const auto read = ParseDeckPayload(NetLineText(line), c.version, 3, c.withRules, 104);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->numbers, c.numbers);
    EXPECT_EQ(read->ranks, c.ranks);
    ASSERT_EQ(read->rules.has_value(), c.rulesRead);
    if (c.rulesRead) {
        EXPECT_EQ(*read->rules, kRules);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Versions, DeckLineTest,
    ::testing::Values(
        // The oldest peer: ranks only, which are its card numbers.
        DeckCase{"40", true, "DK  5# 4# 8#", {5, 4, 8}, {5, 4, 8}, false},
        // Ranks, card numbers and the tail, which a host below 52 has no use for.
        DeckCase{"51", true, "DK  5# 4# 8# 5# 17# 60# 19# 0#-1# 0#", {5, 17, 60}, {5, 4, 8}, false},
        DeckCase{"74", true, "DK  5# 4# 8# 5# 17# 60# 19# 0#-1# 0#", {5, 17, 60}, {5, 4, 8}, true},
        // Card numbers only; the reader keeps them reduced to the first deck.
        DeckCase{"96", true, "DK  5# 17# 60# 19# 0#-1# 0#", {5, 17, 8}, {5, 4, 8}, true},
        // A reshuffle carries no rules.
        DeckCase{"74", false, "DK  5# 4# 8# 5# 17# 60#", {5, 17, 60}, {5, 4, 8}, false},
        DeckCase{"96", false, "DK  5# 17# 60#", {5, 17, 8}, {5, 4, 8}, false}),
    [](const auto& info) {
        return std::string("v") + info.param.version + (info.param.withRules ? "Deal" : "Reshuffle");
    });

TEST(DeckLine, AWholeTwoPlayerDealForANewPeerIs104CardsAndTheTail) {
    std::vector<int> numbers;
    for (int i = 0; i < 104; ++i) numbers.push_back((i * 37) % 104 + 1);
    const QString line = BuildDeckLine(stockOf(numbers), 104, "96", DeckRules{25, 5, false, true});
    ASSERT_TRUE(line.startsWith("DK  1# 38# 75# "));
    EXPECT_TRUE(line.endsWith(" 25# 5# 0#-1#"));
    EXPECT_EQ(line.count('#'), 108);
    const auto read = ParseDeckPayload(NetLineText(line), "96", 104, true, 104);
    ASSERT_TRUE(read.has_value());
    for (int i = 0; i < 104; ++i) {
        EXPECT_EQ(read->numbers[static_cast<std::size_t>(i)], (numbers[static_cast<std::size_t>(i)] - 1) % 52 + 1);
        EXPECT_EQ(read->ranks[static_cast<std::size_t>(i)], (numbers[static_cast<std::size_t>(i)] - 1) % 13 + 1);
    }
    EXPECT_EQ(*read->rules, (DeckRules{25, 5, false, true}));
}

TEST(DeckLine, AMissingSeparateDecksFlagReadsFalseAndMinusOneReadsTrue) {
    auto read = ParseDeckPayload("5# 17# 60# 14# 3#-1#", "96", 3, true, 104);
    ASSERT_TRUE(read && read->rules);
    EXPECT_EQ(*read->rules, (DeckRules{14, 3, true, false}));
    read = ParseDeckPayload("5# 17# 60# 9# 7# 0#-1#", "96", 3, true, 104);
    ASSERT_TRUE(read && read->rules);
    EXPECT_EQ(*read->rules, (DeckRules{9, 7, false, true}));
}

struct HostileCase {
    const char* name;
    const char* version;
    const char* payload;
};

class HostileDeckTest : public ::testing::TestWithParam<HostileCase> {};

// Three stock positions, two players' worth of card numbers allowed (1..104).
TEST_P(HostileDeckTest, IsRefused) {
    const HostileCase& c = GetParam();
    EXPECT_FALSE(ParseDeckPayload(c.payload, c.version, 3, true, 104).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Payloads, HostileDeckTest,
    ::testing::Values(
        HostileCase{"Empty", "96", ""},
        HostileCase{"CardMissing", "96", "5# 17# 19# 0#-1# 0#"},
        HostileCase{"CardTooMany", "96", "5# 17# 60# 61# 19# 0#-1# 0#"},
        HostileCase{"CardZero", "96", "5# 0# 60# 19# 0#-1# 0#"},
        HostileCase{"CardNegative", "96", "5#-17# 60# 19# 0#-1# 0#"},
        HostileCase{"CardAboveTheDecks", "96", "5# 17# 105# 19# 0#-1# 0#"},
        HostileCase{"CardHuge", "96", "5# 17# 99999999# 19# 0#-1# 0#"},
        HostileCase{"NotANumber", "96", "5# x# 60# 19# 0#-1# 0#"},
        HostileCase{"NumberWithJunk", "96", "5# 17x# 60# 19# 0#-1# 0#"},
        HostileCase{"EmptyGroup", "96", "5## 60# 19# 0#-1# 0#"},
        HostileCase{"RankZero", "74", "5# 0# 8# 5# 17# 60# 19# 0#-1# 0#"},
        HostileCase{"RankFourteen", "40", "5# 14# 8#"},
        HostileCase{"OldestWithTail", "40", "5# 4# 8# 19# 0#-1# 0#"},
        HostileCase{"TailMissing", "96", "5# 17# 60#"},
        HostileCase{"TailTooShort", "96", "5# 17# 60# 19# 0#"},
        HostileCase{"TailTooLong", "96", "5# 17# 60# 19# 0#-1# 0# 0#"},
        HostileCase{"SideOptionTwenty", "96", "5# 17# 60# 20# 0#-1# 0#"},
        HostileCase{"SideOptionTwentySix", "74", "5# 4# 8# 5# 17# 60# 26# 0#-1# 0#"},
        HostileCase{"ForcedEight", "96", "5# 17# 60# 19# 8#-1# 0#"},
        HostileCase{"ForcedNegative", "96", "5# 17# 60# 19#-1#-1# 0#"},
        // Two decks hold each card of the 52 twice: a third is a damaged deal.
        HostileCase{"ACardThreeTimesOverTwoDecks", "96", "5# 57# 5# 19# 0#-1# 0#"},
        // A host up to "74" sends exact card numbers, each once.
        HostileCase{"AnExactCardTwice", "74", "5# 5# 8# 5# 5# 60# 19# 0#-1# 0#"}),
    [](const auto& info) { return std::string(info.param.name); });

// Each card as often as the decks hold it, and no more: for a host above
// "74" the numbers are kept reduced, so a card of each deck reads the same.
TEST(DeckLine, EachCardComesAsOftenAsTheDecksHoldIt) {
    EXPECT_TRUE(ParseDeckPayload("5# 57# 60#", "96", 3, false, 104).has_value()) << "one of each deck";
    EXPECT_FALSE(ParseDeckPayload("5# 57# 60#", "96", 3, false, 52).has_value()) << "one deck holds it once";
    EXPECT_TRUE(ParseDeckPayload("5# 57# 109# 161#", "96", 4, false, 208).has_value()) << "four decks";
    EXPECT_TRUE(ParseDeckPayload("5# 4# 8# 5# 57# 60#", "74", 3, false, 104).has_value());
    // The oldest host numbers its cards by rank: eight of a rank in two decks.
    EXPECT_TRUE(ParseDeckPayload("5# 5# 5# 5# 5# 5# 5# 5#", "40", 8, false, 104).has_value());
    EXPECT_FALSE(ParseDeckPayload("5# 5# 5# 5# 5# 5# 5# 5# 5#", "40", 9, false, 104).has_value());
}

TEST(DeckLine, AReshuffleWithATailIsRefused) {
    EXPECT_FALSE(ParseDeckPayload("5# 17# 60# 19# 0#-1# 0#", "96", 3, false, 104).has_value());
    EXPECT_TRUE(ParseDeckPayload("5# 17# 60#", "96", 3, false, 104).has_value());
}

TEST(TurnLine, BuiltWithTheBlankOfStrAndReadOnlyForASeat) {
    EXPECT_EQ(BuildTurnLine(2), "TR  2");
    EXPECT_EQ(NetLineKind(BuildTurnLine(2)), nsTurn);
    struct Case {
        const char* line;
        int seat;  // 0: nothing read
    };
    for (Case c : {Case{"TR  1", 1}, Case{"TR  4", 4}, Case{"TR 3", 3}, Case{"TR", 0}, Case{"TR  0", 0},
                   Case{"TR  5", 0}, Case{"TR -1", 0}, Case{"TR 12", 0}, Case{"TR  x", 0}, Case{"TRX 1", 0},
                   Case{"DK  1", 0}}) {
        EXPECT_EQ(ParseTurnLine(c.line).value_or(0), c.seat) << c.line;
    }
}

}  // namespace
