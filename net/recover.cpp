#include "net/recover.h"

#include <optional>
#include <vector>

#include "engine/cards.h"
#include "engine/deal.h"
#include "engine/frm_grisk.h"
#include "engine/player_record.h"
#include "engine/program_sound.h"
#include "engine/reshuffle_net.h"
#include "engine/rules.h"
#include "engine/state.h"
#include "engine/turn_cycle.h"
#include "net/chat_lines.h"
#include "net/dispatcher.h"
#include "net/internet_setup.h"
#include "net/protocol.h"
#include "net/receive.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/eventwait.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/card_sounds.h"
#include "table/layout_redraw.h"
#include "table/layout_reset.h"
#include "table/layout_stacks.h"
#include "table/wild_counters.h"

namespace grisk {

namespace {

constexpr int kRecoverSound = 121;
constexpr int kOldDeckPlaces = 104;  // stock and used places of the two-player layout
constexpr int kHoldPlaces = 30;
constexpr int kSidePlaces = 26;
constexpr int kOldCentres = 3;

void add(int n) { inet.NetPayload += vb::Str(n) + QLatin1Char('#'); }
void addFlag(bool b) { inet.NetPayload += vb::Str(b) + QLatin1Char('#'); }

bool currentLayout(const QString& version) { return !PeerVersionAtMost(version, "74"); }

// The notice's text on one line: a saved game's title may hold line breaks.
QString oneLine(QString text) {
    for (QChar& c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QLatin1Char(' ');
    return text;
}

PlayerRecord& recordOf(EngineState& e, int seat) { return seat == 2 ? e.Player2 : seat == 3 ? e.Player3 : e.Player4; }
const PlayerRecord& recordOf(const EngineState& e, int seat) {
    return seat == 2 ? e.Player2 : seat == 3 ? e.Player3 : e.Player4;
}

// ---- Reading ----------------------------------------------------------------

// The numbers of the payload, one after the other; the first that is not
// there (or not a number) spoils the read for good.
class Numbers {
public:
    explicit Numbers(const QString& payload) : payload_(payload) {}
    int next(int lo, int hi) {
        if (!ok_) return 0;
        const std::optional<int> n = NextPayloadNumber(payload_, pos_);
        if (!n || *n < lo || *n > hi) {
            ok_ = false;
            return 0;
        }
        return *n;
    }
    // A card of this game (or 0 where a place may be empty) into field 0
    // and its rank into field 1, the number kept reduced to 1..52.
    template <typename Put>
    void card(int total, bool mayBeEmpty, Put put) {
        int n = next(mayBeEmpty ? 0 : 1, total);
        const int rank = CardRank(n);
        put(n, rank);
    }
    bool ok() const { return ok_; }
    void fail() { ok_ = false; }
    bool atEnd() {
        int p = pos_;
        return !NextPayloadNumber(payload_, p);
    }

private:
    const QString& payload_;
    int pos_ = 0;
    bool ok_ = true;
};

void sizeArrays(EngineState& e, int players, int centres) {
    e.NumPlayers = players;
    e.NumCenters = centres;
    e.TotalCards = 52 * players;
    e.Deck.redim({{0, 2}, {0, e.TotalCards}});
    e.Used.redim({{0, 1}, {0, e.TotalCards}});
    e.CenterPile.redim({{0, 1}, {0, centres}, {0, kFullPile}});
    e.CenterCount.redim({{0, centres}});
    e.PlayerSide.clear();
    e.PlayerSlots.clear();
    e.PlayerHold.clear();
    e.PlayerHoldCount.clear();
    e.OppSide.clear();
    e.OppSlots.clear();
    e.OppHold.clear();
    e.OppHoldTable.clear();
    for (int seat = 2; seat <= 4; ++seat) {
        PlayerRecord& r = recordOf(e, seat);
        r.Side.clear();
        r.Slots.clear();
        r.Hold.clear();
        r.HoldTable.clear();
        r.RecSideCount = 0;
        r.WildSide = r.WildHand = 0;
    }
}

// One seat block into a record (NetReadCardPiles): its hold piles count
// their tops, but the host's own block leaves them in the slots, from where
// they go onto their piles.
void readRecordBlock(Numbers& in, const EngineState& e, PlayerRecord& r, int shapeBase, bool hostBlock) {
    const int n = in.next(0, e.SideOption + 1);
    r.RecSideCount = n;
    r.RecSideShape = shapeBase - (n - 1);
    for (int i = 1; i <= n; ++i) in.card(e.TotalCards, false, [&](int c, int k) { r.Side(0, i) = c, r.Side(1, i) = k; });
    for (int s = 1; s <= 10; ++s)
        in.card(e.TotalCards, true, [&](int c, int k) { r.Slots(0, s) = c, r.Slots(1, s) = k; });
    for (int p = 1; p <= 4; ++p) {
        const int m = in.next(0, kHoldPlaces);
        r.HoldTable(p, 1) = m;
        for (int d = 1; d <= m; ++d)
            in.card(e.TotalCards, false, [&](int c, int k) { r.Hold(0, p, d) = c, r.Hold(1, p, d) = k; });
    }
    if (hostBlock) {
        for (int p = 1; p <= 4; ++p) {
            if (r.Slots(0, 6 + p) == 0) continue;
            const int m = r.HoldTable(p, 1) + 1;
            if (m > kHoldPlaces) {
                in.fail();
                return;
            }
            r.HoldTable(p, 1) = m;
            for (int f : {0, 1}) r.Hold(f, p, m) = r.Slots(f, 6 + p);
        }
    }
    r.WildSide = in.next(-32768, 32767);
    r.WildHand = in.next(-32768, 32767);
}

// One seat block of a record into this machine's own human: the tops of
// the hold piles stay in the slots only.
void readHumanBlock(Numbers& in, EngineState& e) {
    const int n = in.next(0, e.SideOption + 1);
    e.SideCount = n;
    e.SideShape = kSidePlaces - n;
    for (int i = 1; i <= n; ++i)
        in.card(e.TotalCards, false, [&](int c, int k) { e.PlayerSide(0, i) = c, e.PlayerSide(1, i) = k; });
    for (int s = 1; s <= 10; ++s)
        in.card(e.TotalCards, true, [&](int c, int k) { e.PlayerSlots(0, s) = c, e.PlayerSlots(1, s) = k; });
    for (int p = 1; p <= 4; ++p) {
        const int m = in.next(0, kHoldPlaces);
        for (int d = 1; d <= m; ++d)
            in.card(e.TotalCards, false, [&](int c, int k) { e.PlayerHold(0, p, d) = c, e.PlayerHold(1, p, d) = k; });
        // The pile's top card is the one its slot shows.
        if (e.PlayerSlots(0, 6 + p) != (m == 0 ? 0 : e.PlayerHold(0, p, m))) in.fail();
        e.PlayerHoldCount(p) = m == 0 ? 0 : m - 1;
    }
    e.PlayerWildSide = in.next(-32768, 32767);
    e.PlayerWildHand = in.next(-32768, 32767);
}

// The current layout after the turn.
bool readCurrent(Numbers& in, int mySeat, EngineState& e) {
    const int players = in.next(2, 4);
    const int centres = in.next(3, 4);
    if (!in.ok()) return false;
    sizeArrays(e, players, centres);
    const int turn = e.Pturn;
    if (turn < 1 || turn > players) return false;
    // The host counts its seats from itself; this machine's human is seat 1.
    auto local = [&](int h) { return LocalSeatOfHostSeat(h, mySeat, players); };
    e.Pturn = local(turn);
    e.SideOption = in.next(9, 25);
    if (e.SideOption != 9 && e.SideOption != 14 && e.SideOption != 19 && e.SideOption != 25) return false;
    e.ForcedCards = in.next(0, 7);
    e.NoWildAce = in.next(-32768, 32767) != 0;
    e.StockCount = in.next(0, e.TotalCards);
    e.UsedCount = in.next(0, e.TotalCards);
    const int stock = e.StockCount;
    const int used = e.UsedCount;
    for (int i = 1; i <= stock; ++i)
        in.card(e.TotalCards, false, [&](int c, int k) { e.Deck(0, i) = c, e.Deck(1, i) = k; });
    for (int i = 1; i <= used; ++i)
        in.card(e.TotalCards, false, [&](int c, int k) { e.Used(0, i) = c, e.Used(1, i) = k; });
    for (int c = 1; c <= centres; ++c) {
        e.CenterCount(c) = in.next(0, kFullPile);
        for (int k = 1; k <= kFullPile; ++k)
            in.card(e.TotalCards, true, [&](int n, int r) { e.CenterPile(0, c, k) = n, e.CenterPile(1, c, k) = r; });
    }
    if (mySeat < 1 || mySeat >= players) return false;
    for (int h = 1; h <= players && in.ok(); ++h) {
        const int seat = local(h);
        if (seat == 1)
            readHumanBlock(in, e);
        else
            readRecordBlock(in, e, recordOf(e, seat), 25 * seat, h == 1);
    }
    return in.ok() && in.atEnd();
}

// The two-player layout of a host "74" or below, in this machine's names.
bool readOld(Numbers& in, const QString& hostVersion, EngineState& e) {
    const bool oldest = hostVersion == QLatin1String("40");
    sizeArrays(e, 2, kOldCentres);
    if (e.Pturn != 1 && e.Pturn != 2) return false;
    e.SideCount = in.next(0, kSidePlaces);
    e.OppSideCount = in.next(0, kSidePlaces);
    const int sideShape = in.next(-32768, 32767);
    const int oppShape = in.next(-32768, 32767);
    e.StockCount = in.next(0, kOldDeckPlaces);
    e.UsedCount = in.next(0, kOldDeckPlaces);
    e.HandCount = in.next(0, kHandSize);
    if (!oldest) {
        e.PlayerWildSide = in.next(-32768, 32767);
        e.PlayerWildHand = in.next(-32768, 32767);
        e.OppWildSide = in.next(-32768, 32767);
        e.OppWildHand = in.next(-32768, 32767);
    }
    // A host "40" sends the ranks only; they serve as the card numbers.
    const std::vector<int> passes = oldest ? std::vector<int>{1} : std::vector<int>{1, 0};
    auto value = [&](int f) { return f == 1 ? in.next(0, kKing) : in.next(0, kOldDeckPlaces); };
    for (int f : passes)
        for (int i = 1; i <= kOldDeckPlaces; ++i) {
            e.Deck(f, i) = value(f);
            e.Used(f, i) = value(f);
        }
    if (vb::Val(hostVersion) > 51) {
        e.SideOption = in.next(9, 25);
        if (e.SideOption != 9 && e.SideOption != 14 && e.SideOption != 19 && e.SideOption != 25) return false;
        e.ForcedCards = in.next(0, 7);
        e.NoWildAce = in.next(-32768, 32767) != 0;
        e.SideShape = sideShape;
        e.OppSideShape = oppShape;
    } else {
        e.SideOption = 19;
        e.OppSideShape = 69 - oppShape;
        e.SideShape = sideShape + 6;
    }
    if (e.SideCount > e.SideOption + 1 || e.OppSideCount > e.SideOption + 1) return false;
    for (int f : passes)
        for (int i = 1; i <= e.SideOption + 1; ++i) {
            e.PlayerSide(f, i) = value(f);
            e.OppSide(f, i) = value(f);
        }
    for (int f : passes)
        for (int s = 1; s <= 10; ++s) {
            e.PlayerSlots(f, s) = value(f);
            e.OppSlots(f, s) = value(f);
        }
    for (int f : passes)
        for (int c = 1; c <= kOldCentres; ++c) {
            for (int k = 1; k <= kFullPile; ++k) e.CenterPile(f, c, k) = value(f);
            if (f == 1) e.CenterCount(c) = in.next(0, kFullPile);
        }
    for (int f : passes)
        for (int p = 1; p <= 4; ++p) {
            for (int d = 1; d <= kHoldPlaces; ++d) {
                e.PlayerHold(f, p, d) = value(f);
                e.OppHold(f, p, d) = value(f);
            }
            if (f == 1) {
                e.PlayerHoldCount(p) = in.next(0, kHoldPlaces);
                e.OppHoldTable(p, 1) = in.next(0, kHoldPlaces);
            }
        }
    if (!in.ok() || !in.atEnd()) return false;
    auto copyRanks = [&](auto& arr, auto... idx) { arr(0, idx...) = arr(1, idx...); };
    if (oldest) {
        for (int i = 1; i <= kOldDeckPlaces; ++i) copyRanks(e.Deck, i), copyRanks(e.Used, i);
        for (int i = 1; i <= kSidePlaces; ++i) copyRanks(e.PlayerSide, i), copyRanks(e.OppSide, i);
        for (int s = 1; s <= 10; ++s) copyRanks(e.PlayerSlots, s), copyRanks(e.OppSlots, s);
        for (int c = 1; c <= kOldCentres; ++c)
            for (int k = 1; k <= kFullPile; ++k) copyRanks(e.CenterPile, c, k);
        for (int p = 1; p <= 4; ++p)
            for (int d = 1; d <= kHoldPlaces; ++d) copyRanks(e.PlayerHold, p, d), copyRanks(e.OppHold, p, d);
    }
    // This machine's human keeps the tops of its hold piles in the slots only.
    for (int p = 1; p <= 4; ++p) {
        const int m = e.PlayerHoldCount(p);
        if (e.PlayerSlots(0, 6 + p) != (m == 0 ? 0 : e.PlayerHold(0, p, m))) return false;
        e.PlayerHoldCount(p) = m == 0 ? 0 : m - 1;
    }
    // The hold tops of the other player go onto their piles too.
    for (int p = 1; p <= 4; ++p) {
        if (e.OppSlots(1, 6 + p) == 0) continue;
        const int m = e.OppHoldTable(p, 1) + 1;
        if (m > kHoldPlaces) return false;
        e.OppHoldTable(p, 1) = m;
        for (int f : {0, 1}) e.OppHold(f, p, m) = e.OppSlots(f, 6 + p);
    }
    PlayerRecord& r = e.Player2;
    r.RecSideCount = e.OppSideCount;
    r.RecSideShape = e.OppSideShape;
    r.Side = e.OppSide;
    r.Slots = e.OppSlots;
    r.Hold = e.OppHold;
    for (int p = 1; p <= 4; ++p) {
        r.HoldTable(p, 1) = e.OppHoldTable(p, 1);
        r.HoldTable(p, 2) = 0;
    }
    r.WildSide = e.OppWildSide;
    r.WildHand = e.OppWildHand;
    return true;
}

// ---- The checks of a position read ------------------------------------------

// Each card of the game once: card numbers reduced to 1..52 (current
// layout) once per deck, exact numbers 1..104 once (two-player layout), or
// each rank eight times (a host "40"); every rank agrees with its number.
class CardTally {
public:
    CardTally(int kinds, int each, bool byRank) : seen_(static_cast<std::size_t>(kinds) + 1, 0), each_(each), byRank_(byRank) {}
    void add(int number, int rank) {
        int n = number;
        const int expected = CardRank(n);
        const int key = byRank_ ? rank : number;
        if (number == 0 || rank != expected || key < 1 || key >= static_cast<int>(seen_.size())) {
            bad_ = true;
            return;
        }
        seen_[static_cast<std::size_t>(key)] += 1;
    }
    bool whole() const {
        if (bad_) return false;
        for (std::size_t k = 1; k < seen_.size(); ++k)
            if (seen_[k] != each_) return false;
        return true;
    }

private:
    std::vector<int> seen_;
    int each_;
    bool byRank_;
    bool bad_ = false;
};

bool slotAgrees(int slot, int top) { return slot == top; }

bool positionIsWhole(const EngineState& e, const QString& hostVersion) {
    const bool oldest = hostVersion == QLatin1String("40");
    const bool reduced = currentLayout(hostVersion);
    CardTally tally(oldest ? kKing : reduced ? 52 : kOldDeckPlaces, oldest ? 8 : reduced ? e.NumPlayers : 1, oldest);
    for (int i = 1; i <= e.StockCount; ++i) tally.add(e.Deck(0, i), e.Deck(1, i));
    for (int i = 1; i <= e.UsedCount; ++i) tally.add(e.Used(0, i), e.Used(1, i));
    for (int c = 1; c <= e.NumCenters; ++c)
        for (int k = 1; k <= kFullPile; ++k) {
            const bool inPile = k <= e.CenterCount(c);
            if (inPile)
                tally.add(e.CenterPile(0, c, k), e.CenterPile(1, c, k));
            else if (e.CenterPile(0, c, k) != 0)
                return false;
        }
    // This machine's human: the hold tops are in the slots only.
    if (!slotAgrees(e.PlayerSlots(0, 1), e.SideCount > 0 ? e.PlayerSide(0, e.SideCount) : 0)) return false;
    for (int i = 1; i <= e.SideCount; ++i) tally.add(e.PlayerSide(0, i), e.PlayerSide(1, i));
    for (int s = 2; s <= 6; ++s)
        if (e.PlayerSlots(0, s) != 0) tally.add(e.PlayerSlots(0, s), e.PlayerSlots(1, s));
    for (int p = 1; p <= 4; ++p) {
        if (e.PlayerSlots(0, 6 + p) == 0) {
            if (e.PlayerHoldCount(p) != 0) return false;
            continue;
        }
        tally.add(e.PlayerSlots(0, 6 + p), e.PlayerSlots(1, 6 + p));
        for (int d = 1; d <= e.PlayerHoldCount(p); ++d) tally.add(e.PlayerHold(0, p, d), e.PlayerHold(1, p, d));
    }
    for (int seat = 2; seat <= e.NumPlayers; ++seat) {
        const PlayerRecord& r = recordOf(e, seat);
        const int n = r.RecSideCount;
        if (!slotAgrees(r.Slots(0, 1), n > 0 ? r.Side(0, n) : 0)) return false;
        for (int i = 1; i <= n; ++i) tally.add(r.Side(0, i), r.Side(1, i));
        for (int s = 2; s <= 6; ++s)
            if (r.Slots(0, s) != 0) tally.add(r.Slots(0, s), r.Slots(1, s));
        for (int p = 1; p <= 4; ++p) {
            const int m = r.HoldTable(p, 1);
            if (!slotAgrees(r.Slots(0, 6 + p), m > 0 ? r.Hold(0, p, m) : 0)) return false;
            for (int d = 1; d <= m; ++d) tally.add(r.Hold(0, p, d), r.Hold(1, p, d));
        }
    }
    return tally.whole();
}

// ---- Taking the position --------------------------------------------------

// The piles of the position read replace the table's.
void takePosition(const EngineState& e) {
    eng.SideOption = e.SideOption;
    eng.ForcedCards = e.ForcedCards;
    eng.NoWildAce = e.NoWildAce;
    eng.StockCount = e.StockCount;
    eng.UsedCount = e.UsedCount;
    for (int i = 1; i <= e.TotalCards; ++i) {
        for (int f : {0, 1}) {
            eng.Deck(f, i) = e.Deck(f, i);
            eng.Used(f, i) = e.Used(f, i);
        }
        eng.Deck(2, i) = 0;
    }
    for (int c = 1; c <= e.NumCenters; ++c) {
        eng.CenterCount(c) = e.CenterCount(c);
        for (int k = 1; k <= kFullPile; ++k)
            for (int f : {0, 1}) eng.CenterPile(f, c, k) = e.CenterPile(f, c, k);
    }
    eng.SideCount = e.SideCount;
    eng.SideShape = e.SideShape;
    eng.PlayerSide = e.PlayerSide;
    eng.PlayerSlots = e.PlayerSlots;
    eng.PlayerHold = e.PlayerHold;
    eng.PlayerHoldCount = e.PlayerHoldCount;
    eng.PlayerWildSide = e.PlayerWildSide;
    eng.PlayerWildHand = e.PlayerWildHand;
    // The scratch records are the table's own with the piles read.
    for (int seat = 2; seat <= e.NumPlayers; ++seat) SeatRecord(seat) = recordOf(e, seat);
    eng.HandCount = e.HandCount;
}

void refuseDamagedGame() {
    inet.NetPayload.clear();
    RefuseHostCards(QStringLiteral("The dealer's saved game came through damaged, so it cannot be played.\n"
                                   "The connection to the dealer has been closed."));
}

}  // namespace

// ---- Sending ----------------------------------------------------------------

void NetAppendPlayerRecord(const PlayerRecord& rec) {
    add(rec.RecSideCount);
    for (int i = 1; i <= rec.RecSideCount; ++i) add(rec.Side(0, i));
    for (int s = 1; s <= 10; ++s) add(rec.Slots(0, s));
    for (int p = 1; p <= 4; ++p) {
        add(rec.HoldTable(p, 1));
        for (int d = 1; d <= rec.HoldTable(p, 1); ++d) add(rec.Hold(0, p, d));
    }
    add(rec.WildSide);
    add(rec.WildHand);
}

void AppendRecoverGame() {
    add(eng.NumPlayers);
    add(eng.NumCenters);
    add(eng.SideOption);
    add(eng.ForcedCards);
    addFlag(eng.NoWildAce);
    add(eng.StockCount);
    add(eng.UsedCount);
    for (int i = 1; i <= eng.StockCount; ++i) add(eng.Deck(0, i));
    for (int i = 1; i <= eng.UsedCount; ++i) add(eng.Used(0, i));
    for (int c = 1; c <= eng.NumCenters; ++c) {
        add(eng.CenterCount(c));
        for (int k = 1; k <= kFullPile; ++k) add(eng.CenterPile(0, c, k));
    }
    add(eng.SideCount);
    for (int i = 1; i <= eng.SideCount; ++i) add(eng.PlayerSide(0, i));
    for (int s = 1; s <= 10; ++s) add(eng.PlayerSlots(0, s));
    for (int p = 1; p <= 4; ++p) {
        add(eng.PlayerHoldCount(p));
        for (int d = 1; d <= eng.PlayerHoldCount(p); ++d) add(eng.PlayerHold(0, p, d));
    }
    add(eng.PlayerWildSide);
    add(eng.PlayerWildHand);
    for (int seat = 2; seat <= eng.NumPlayers; ++seat) NetAppendPlayerRecord(SeatRecord(seat));
}

bool SendRecoverOld() {
    add(eng.OppSideCount);
    add(eng.SideCount);
    add(eng.OppSideShape - 25);
    add(eng.SideShape + 25);
    add(eng.StockCount);
    add(eng.UsedCount);
    add(eng.HandCount);
    add(eng.OppWildSide);
    add(eng.OppWildHand);
    add(eng.PlayerWildSide);
    add(eng.PlayerWildHand);
    for (int f : {1, 0})
        for (int i = 1; i <= kOldDeckPlaces; ++i) {
            add(eng.Deck(f, i));
            add(eng.Used(f, i));
        }
    if (vb::Val(inet.PeerVersion) > 51) {
        add(eng.SideOption);
        add(eng.ForcedCards);
        addFlag(eng.NoWildAce);
    } else {
        eng.DecksSeparate = false;
        eng.NoWildAce = false;
        eng.ForcedCards = 0;
        if (eng.SideOption != 19) {
            vb::MsgBox(QStringLiteral("This saved game you are trying to send uses a custom number of Side cards. "
                                      "Your opponent is not playing with the current version of Quenmoor. This saved "
                                      "game cannot be sent."),
                       vb::vbCritical, QStringLiteral("Opponent not current!"));
            eng.SideOption = 19;
            ResetTableDisplay();
            frmGrisk().cmdDeal.setVisible(true);
            ShowRulesSummary();
            return false;
        }
    }
    for (int f : {1, 0})
        for (int i = 1; i <= eng.SideOption + 1; ++i) {
            add(eng.OppSide(f, i));
            add(eng.PlayerSide(f, i));
        }
    for (int f : {1, 0})
        for (int s = 1; s <= 10; ++s) {
            add(eng.OppSlots(f, s));
            add(eng.PlayerSlots(f, s));
        }
    for (int f : {1, 0})
        for (int c = 1; c <= kOldCentres; ++c) {
            for (int k = 1; k <= kFullPile; ++k) add(eng.CenterPile(f, c, k));
            if (f == 1) add(eng.CenterCount(c));
        }
    for (int f : {1, 0})
        for (int p = 1; p <= 4; ++p) {
            for (int d = 1; d <= kHoldPlaces; ++d) {
                add(eng.OppHold(f, p, d));
                add(eng.PlayerHold(f, p, d));
            }
            if (f == 1) {
                add(eng.OppHoldTable(p, 1));
                add(eng.PlayerHoldCount(p));
            }
        }
    return true;
}

bool ReadRecoveredGame(const QString& payload, const QString& hostVersion, int mySeat, EngineState& e) {
    Numbers in(payload);
    e.Pturn = in.next(-32768, 32767);
    if (!in.ok()) return false;
    const bool read = currentLayout(hostVersion) ? readCurrent(in, mySeat, e) : readOld(in, hostVersion, e);
    return read && positionIsWhole(e, hostVersion);
}

namespace {

// The longest single sleep of the wait for answers.
constexpr int kAnswerWaitMs = 250;

// Waits until every player still connected has answered the running
// round; a player who leaves meanwhile is not waited for. False when no
// players are left (or the program is closing).
bool awaitEveryPeer() {
    while (!NetEveryPeerAnswered()) {
        if (inet.NetPeers == 0 || eng.Quitting) return false;
        CheckNetDeadlines();
        if (NetEveryPeerAnswered() || inet.NetPeers == 0) continue;
        waits::WaitEvents(kAnswerWaitMs);
    }
    return true;
}

// The transfer stops with nobody left to send to: the table says so no
// longer.
void abandonTransfer() {
    if (eng.Quitting) return;
    FrmGrisk& f = frmGrisk();
    f.StatusMsg.setVisible(false);
    f.Label9(0).setCaption(QString());
    inet.NetPayload.clear();
    inet.NetRestorePending = 0;
}

}  // namespace

void SendRecover() {
    FrmGrisk& f = frmGrisk();
    // A remote turn under way here no longer has its table.
    inet.SavedGamesTaken += 1;
    f.StatusMsg.setCaption(QStringLiteral("Waiting for opponent"));
    f.StatusMsg.setVisible(true);
    QString notice;
    if (cmd.GameRestarted) {
        notice = QStringLiteral("GRISK: Host has restarted this game.");
        cmd.GameRestarted = false;
    } else {
        notice = recs.SecureSave ? "GRISK: This is a secure saved game, saved as: " + oneLine(eng.MsgText)
                                 : QStringLiteral("GRISK: This is NOT a secure saved game.");
        recs.SecureSave = false;
    }
    SendSystemNotice(notice);

    int turn = eng.Pturn;
    if (vb::Val(inet.PeerVersion) <= 74) turn = eng.Pturn == 1 ? 2 : 1;
    inet.NetPayload = vb::Str(turn) + QLatin1Char('#');
    if (currentLayout(inet.PeerVersion)) {
        // Every remote player has its seat before it reads the blocks. A
        // player who leaves meanwhile ends the game for all (the others are
        // told, the table is cleared): the position is gone and not sent.
        const int peers = inet.NetPeers;
        NetBeginAnswerRound();
        NetSendSeatList();
        if (!awaitEveryPeer() || inet.NetPeers < peers) return abandonTransfer();
        AppendRecoverGame();
    } else if (!SendRecoverOld()) {
        inet.NetPayload.clear();
        f.StatusMsg.setVisible(false);
        return;
    }

    NetBeginAnswerRound();
    QString line = QStringLiteral("RC ") + inet.NetPayload;
    int all = 0;
    NetSendToOthers(line, all);
    f.Label9(0).setCaption(QStringLiteral("WAITING for Opponent"));
    if (!awaitEveryPeer()) return abandonTransfer();

    QString resume = QStringLiteral("RS");
    NetSendToOthers(resume, all);
    f.StatusMsg.setVisible(false);
    ShowStackShapes(true);
    PlayCardSound(1);
    RedrawTable();
    inet.NetPayload.clear();
    f.Label9(0).setCaption(QString());
    inet.NetRestorePending = 0;
    if (eng.Pturn >= 2)
        ComputerTurn();
    else if (eng.Pturn == 1)
        EnablePileRange(f.Picture7, true, 1, 10);
}

void GetRecover() {
    FrmGrisk& f = frmGrisk();
    recs.SetupPlayers = eng.NumPlayers;
    recs.SetupCenters = eng.NumCenters;
    EngineState e = eng;
    if (!ReadRecoveredGame(inet.NetPayload, inet.PeerVersion, inet.MySeat, e)) {
        refuseDamagedGame();
        return;
    }
    inet.NetRestorePending = 1;
    inet.PayloadPos = 0;
    inet.SavedGamesTaken += 1;
    if (currentLayout(inet.PeerVersion)) {
        eng.NumPlayers = e.NumPlayers;
        eng.NumCenters = e.NumCenters;
        eng.SideOption = e.SideOption;
        eng.TotalCards = e.TotalCards;
        ResetTableDisplay();
        PlayProgramSound(kRecoverSound);
        if (eng.NumPlayers != recs.SetupPlayers || eng.NumCenters != recs.SetupCenters)
            SetPlayerCount(eng.NumPlayers, eng.NumCenters);
        takePosition(e);
        // The hand of this machine's human as it lies.
        eng.HandCount = HandCards(eng.PlayerSlots);
    } else {
        PlayProgramSound(kRecoverSound);
        takePosition(e);
        eng.OppSideCount = e.OppSideCount;
        eng.OppSideShape = e.OppSideShape;
        eng.OppWildSide = e.OppWildSide;
        eng.OppWildHand = e.OppWildHand;
    }
    eng.Pturn = e.Pturn;
    WhosOnFirst();
    f.ImgTurn1.setVisible(eng.Pturn == 1);
    f.ImgTurn2.setVisible(eng.Pturn != 1);

    inet.NetPayload.clear();
    ShowRulesSummary();
    cmd.GameRestored = true;
    f.ImgHold.setVisible(true);
    eng.Pturn = eng.SeatOrder(1);
    if (eng.Pturn == 1) {
        EnablePileRange(f.Picture7, true, 1, 10);
        ExchangePlayerRecord(eng.Player2, false);
    }
    WildUpdate();
}

}  // namespace grisk
