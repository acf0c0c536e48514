// The saved-game record of "backup.sav" and of the move log: a whole game
// frozen in 3004 16-bit words and a 30-character title, 6038 bytes. Card
// pairs are (card number, rank). Decoding takes any bytes; the two spans
// that nothing writes are kept as read, so a record decoded and encoded
// again comes back byte for byte.
#pragma once

#include <QByteArray>
#include <QString>

#include "platform/vbarray.h"

namespace grisk {

inline constexpr int kSavedGameRecordLength = 6038;

// The program's file numbers of the saved games ("backup.sav") and of the
// move log, and the records of "backup.sav" that are not a player's slot.
inline constexpr int kSavedGamesFile = 4;
inline constexpr int kMoveLogFile = 9;
// The game as dealt, which Restart Current Game starts from.
inline constexpr int kDealtGameRecord = 13;
// A slot's game as dealt lies this many records after the slot.
inline constexpr int kDealCopyOffset = 20;
// The tutorial's prepared positions, from here on; below lie the slots,
// the auto-saves, the game as dealt and the slots' deals.
inline constexpr int kFirstPreparedRecord = 31;
// Characters of the title.
inline constexpr int kSavedGameTitleLength = 30;

struct SavedGameRecord {
    // Bytes 0..24.
    int NoWildAce = 0;  // non-zero = True
    int Pturn = 0;
    int OppSideCount = 0;
    int SideCount = 0;
    int OppSideShape = 0;
    int SideShape = 0;
    int StockCount = 0;
    int UsedCount = 0;
    int HandCount = 0;
    int SideOption = 0;
    int ForcedCards = 0;
    int NumCenters = 0;
    int NumPlayers = 0;
    QByteArray Unused1 = QByteArray(840, '\0');  // bytes 26..865, not written by the game

    vb::Array<int, 2> Deck{{0, 1}, {0, 208}};  // the stock, cards 1..TotalCards
    vb::Array<int, 2> Used{{0, 1}, {0, 208}};  // the used pile
    // Side (pay-off) piles: (field, card 1..26, seat 1..4), seat 1 the human.
    vb::Array<int, 3> Side{{0, 1}, {0, 26}, {1, 4}};
    vb::Array<int, 1> SeatSideCount{{2, 4}};
    vb::Array<int, 1> SeatSideShape{{2, 4}};
    // Slots 1..10 of seats 1..4: (field, slot, seat).
    vb::Array<int, 3> Slots{{0, 1}, {0, 10}, {1, 4}};
    // Centre piles (field, pile 1..NumCenters, card 1..12) and their counts.
    vb::Array<int, 3> CenterPile{{0, 1}, {0, 4}, {0, 12}};
    vb::Array<int, 1> CenterCount{{0, 4}};
    // Hold piles of seats 2..4: (j, pile 1..4, depth 1..30); j 0..2 the card
    // numbers of seats 2..4, j 3..5 their ranks.
    vb::Array<int, 3> SeatHold{{0, 5}, {0, 4}, {0, 30}};
    // The human's hold piles (field, pile, depth). The unused places
    // (1, 0, 1..8) carry the wild-card counters: see WildCounter.
    vb::Array<int, 3> PlayerHold{{0, 1}, {0, 4}, {0, 30}};
    QByteArray Unused2 = QByteArray(30, '\0');  // bytes 5908..5937, not written by the game
    // Hold-pile counts and run types of seats 2..4: (seat - 2, pile).
    vb::Array<int, 2> SeatHoldCount{{0, 2}, {0, 4}};
    vb::Array<int, 2> SeatHoldRun{{0, 2}, {0, 4}};
    vb::Array<int, 1> PlayerHoldCount{{0, 4}};
    QString Title;  // 30 characters: "AutoSave", a slot's name, "^^" for an Internet game

    // The wild-card counters of seat 1..4 (1 the human): kind 0 from the
    // side pile, 1 from hand or hold.
    int& WildCounter(int seat, int kind);
    int WildCounter(int seat, int kind) const;

    // Raises error 6 when a number does not fit 16 bits.
    QByteArray encode() const;
    static SavedGameRecord decode(const QByteArray& bytes);
    bool operator==(const SavedGameRecord&) const = default;
};

}  // namespace grisk
