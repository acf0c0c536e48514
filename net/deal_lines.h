// The deal's two lines: "DK" carries the host's stock (and, at a deal, the
// house rules) to the other machines, "TR" the first player. Each has one
// builder and one reader here; nothing else formats or parses them.
//
// A "DK" payload is a list of numbers, each written as Str(n) and "#": for a
// peer of version "40" the rank of every stock card; above "40" up to "74"
// every rank, then every card number; above "74" every card number. At a
// deal a peer other than "40" also gets the rule tail: the side option, the
// forced-card bits, the no-wild-Ace flag and the separate-decks flag (flags
// as Booleans, True written "-1").
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "platform/vbarray.h"

namespace grisk {

struct DeckRules {
    int SideOption = 19;
    int ForcedCards = 0;
    bool NoWildAce = false;
    bool DecksSeparate = false;
    bool operator==(const DeckRules&) const = default;
};

// The whole "DK" line for stock positions 1..count of deck (field 0 card
// numbers, field 1 ranks), as a peer of peerVersion reads it. rules adds the
// rule tail (a deal); without it the line is a reshuffle's.
QString BuildDeckLine(const vb::Array<int, 2>& deck, int count, const QString& peerVersion,
                      const std::optional<DeckRules>& rules);

// A stock as this machine keeps it: numbers[i] and ranks[i] for position
// i + 1. The rules are there when the host's version sends a tail this
// machine reads (above "51").
struct ReceivedDeck {
    std::vector<int> numbers;
    std::vector<int> ranks;
    std::optional<DeckRules> rules;
};

// Reads the payload of a "DK" from a host of hostVersion, for count stock
// positions; withRules for a deal, false for a reshuffle. A host above "74"
// sends card numbers only: each rank is computed and the number is kept
// reduced to 1..52. A host "40" sends ranks only, which serve as the card
// numbers too. Nothing is returned for a payload that does not hold exactly
// the numbers that version sends, a rank outside 1..13, a card number
// outside 1..maxCardNo, a card more often than the maxCardNo / 52 decks hold
// it (an exact number more than once; for a host above "74" a reduced
// number more than once a deck), a side option other than 9, 14, 19 or 25,
// or forced-card bits outside 0..7.
std::optional<ReceivedDeck> ParseDeckPayload(const QString& payload, const QString& hostVersion,
                                             int count, bool withRules, int maxCardNo);

// "TR", a blank and Str(firstPlayer).
QString BuildTurnLine(int firstPlayer);
// The first player a "TR" line names (1..4); nothing for the bare answer or
// any other text.
std::optional<int> ParseTurnLine(const QString& line);

}  // namespace grisk
