#include "net/deal_lines.h"

#include <algorithm>

#include "engine/cards.h"
#include "net/protocol.h"
#include "platform/vb.h"

namespace grisk {

namespace {

// What a peer of this version sends: the ranks, the card numbers, and at a
// deal the rule tail.
struct DeckShape {
    bool ranks;
    bool numbers;
    bool tail;
};

DeckShape shapeFor(const QString& version, bool withRules) {
    const bool oldest = version == QLatin1String("40");
    return {PeerVersionAtMost(version, "74"), !oldest, withRules && !oldest};
}

// A host below "52" plays by the house rules; its tail, if any, is not read.
bool readsRuleTail(const QString& hostVersion) { return vb::Val(hostVersion) > 51; }

void appendNumber(QString& out, int n) { out += vb::Str(n) + QLatin1Char('#'); }

// The numbers of a payload: every "#"-ended group must be a whole number as
// Str writes it (blanks around it allowed). A last group without its "#" is
// taken too.
std::optional<std::vector<int>> numbersOf(const QString& payload) {
    std::vector<int> out;
    int pos = 0;
    bool bad = false;
    while (const std::optional<int> n = NextPayloadNumber(payload, pos, &bad)) out.push_back(*n);
    if (bad) return std::nullopt;
    return out;
}

bool isSideOption(int v) { return v == 9 || v == 14 || v == 19 || v == 25; }

// A stock holds each card no more often than the decks of the game do: an
// exact card number once (hosts up to "74"); a number kept reduced to 1..52
// once per deck (hosts above "74"); a rank serving as the number four times
// per deck (host "40"). More is a damaged deal.
bool eachCardAtMostAsOftenAsTheDecksHoldIt(const std::vector<int>& numbers, const DeckShape& shape, int maxCardNo) {
    const int decks = std::max(1, maxCardNo / 52);
    const int most = !shape.numbers ? 4 * decks : shape.ranks ? 1 : decks;
    std::vector<int> seen(static_cast<std::size_t>(maxCardNo) + 1, 0);
    for (int n : numbers)
        if (++seen[static_cast<std::size_t>(n)] > most) return false;
    return true;
}

}  // namespace

QString BuildDeckLine(const vb::Array<int, 2>& deck, int count, const QString& peerVersion,
                      const std::optional<DeckRules>& rules) {
    const DeckShape shape = shapeFor(peerVersion, rules.has_value());
    QString payload;
    if (shape.ranks)
        for (int i = 1; i <= count; ++i) appendNumber(payload, deck(1, i));
    if (shape.numbers)
        for (int i = 1; i <= count; ++i) appendNumber(payload, deck(0, i));
    if (shape.tail) {
        appendNumber(payload, rules->SideOption);
        appendNumber(payload, rules->ForcedCards);
        payload += vb::Str(rules->NoWildAce) + QLatin1Char('#');
        payload += vb::Str(rules->DecksSeparate) + QLatin1Char('#');
    }
    return QStringLiteral("DK ") + payload;
}

std::optional<ReceivedDeck> ParseDeckPayload(const QString& payload, const QString& hostVersion,
                                             int count, bool withRules, int maxCardNo) {
    if (count < 1) return std::nullopt;
    const std::optional<std::vector<int>> read = numbersOf(payload);
    if (!read) return std::nullopt;
    const std::vector<int>& n = *read;
    const DeckShape shape = shapeFor(hostVersion, withRules);
    const std::size_t lists = (shape.ranks ? 1u : 0u) + (shape.numbers ? 1u : 0u);
    const std::size_t cards = lists * static_cast<std::size_t>(count);
    if (n.size() < cards) return std::nullopt;
    const std::size_t tail = n.size() - cards;
    // The tail has three or four numbers (a missing separate-decks flag reads
    // False); a host that plays by the house rules may leave it out.
    const bool tailRead = shape.tail && readsRuleTail(hostVersion);
    if (!shape.tail && tail != 0) return std::nullopt;
    if (shape.tail && tail != 3 && tail != 4 && !(tail == 0 && !tailRead)) return std::nullopt;

    ReceivedDeck deck;
    std::size_t at = 0;
    if (shape.ranks) {
        for (int i = 0; i < count; ++i) {
            const int rank = n[at++];
            if (rank < 1 || rank > 13) return std::nullopt;
            deck.ranks.push_back(rank);
        }
    }
    if (shape.numbers) {
        for (int i = 0; i < count; ++i) {
            int number = n[at++];
            if (number < 1 || number > maxCardNo) return std::nullopt;
            if (!shape.ranks) deck.ranks.push_back(CardRank(number));
            deck.numbers.push_back(number);
        }
    } else {
        // The oldest hosts number their cards by rank.
        deck.numbers = deck.ranks;
    }
    if (!eachCardAtMostAsOftenAsTheDecksHoldIt(deck.numbers, shape, maxCardNo)) return std::nullopt;
    if (tailRead) {
        DeckRules rules;
        rules.SideOption = n[at];
        rules.ForcedCards = n[at + 1];
        rules.NoWildAce = n[at + 2] != 0;
        rules.DecksSeparate = tail == 4 && n[at + 3] != 0;
        if (!isSideOption(rules.SideOption) || rules.ForcedCards < 0 || rules.ForcedCards > 7)
            return std::nullopt;
        deck.rules = rules;
    }
    return deck;
}

QString BuildTurnLine(int firstPlayer) { return QStringLiteral("TR ") + vb::Str(firstPlayer); }

std::optional<int> ParseTurnLine(const QString& line) {
    if (NetLineKind(line) != nsTurn || IsBareNetLine(line) || line.at(2) != QLatin1Char(' '))
        return std::nullopt;
    const QString t = NetLineText(line);
    if (t.size() != 1 || t[0] < QLatin1Char('1') || t[0] > QLatin1Char('4')) return std::nullopt;
    return t.toInt();
}

}  // namespace grisk
