// The player profile record of "Prefs.sav" and its opponent-seat entries.
// Integers are 16-bit words and colours 32-bit, little-endian; flags are
// stored as words (0 / -1) and kept here as the word they hold; texts are
// fixed-width, one byte per character, padded with blanks. Decoding takes
// any bytes: a text keeps its stored characters (blanks and zeros
// included), so a record decoded and encoded again comes back byte for
// byte. Whether a value makes sense is the caller's business.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "platform/recordfile.h"
#include "platform/vbarray.h"

namespace grisk {

inline constexpr int kOpponentSeatRecordLength = 154;
inline constexpr int kPlayerProfileRecordLength = 756;

// One seat of the opponent set-up: seat 0 is the human, seats 1..3 the
// computer opponents of table seats 2..4.
struct OpponentSeatRecord {
    QString Name;      // 20 characters: the player's or the personality's name
    QString Avatar;    // 30: picture file in the "Avatars" folder, blank for none
    QString Comments;  // 100: comment file without extension, "No Comments" or "Default Personality"
    int Level = 0;        // 0 Average, 1 Clever, 2 Ruthless
    int SoundSource = 0;  // sound column of the personality (0 or 1)

    void writeTo(vb::RecordWriter& w) const;
    static OpponentSeatRecord readFrom(vb::RecordReader& r);
    QByteArray encode() const;
    static OpponentSeatRecord decode(const QByteArray& bytes);
    bool operator==(const OpponentSeatRecord&) const = default;
};

struct PlayerProfileRecord {
    int32_t NameColor = 0;   // fore colour of the name labels (&HBBGGRR)
    int32_t TableColor = 0;  // the table's colour without a background picture
    int32_t PlainColor = 0;  // card slots, outlines and plain backs; 0 = not set
    int NumPlayers = 0;
    int NumCenters = 0;
    int NameFontSize = 0;
    int PrevBackground = 0;  // chosen background; 0 none chosen yet
    int SpeedOption = 0;     // computer speed 0..5
    int AnimSpeed = 0;
    int SoundLevel = 0;      // 0 all, 1 some, 2 none
    int SoundSet = 0;
    int DeckStyle = 0;
    int BackStyle = 0;
    vb::Array<int, 1> HoldPosition{{0, 1}};  // Left, Top of the pile-information window (twips)
    int OpaqueLabels = 0;
    int StatusBarOn = 0;  // flag word
    int IntroOn = 0;      // flag word
    int SkinOn = 0;
    int MenuStyle = 0;    // flag word
    int SmallDisplay = 0;
    int AvatarOn = 0;     // flag word
    int AutoSaveOn = 0;   // flag word
    int SkipWinShow = 0;
    int SkipLoseShow = 0;
    // House rules: side-pile size minus one, forced-card bits, decks shuffled
    // separately, no wild Ace.
    vb::Array<int, 1> RuleOptions{{0, 3}};
    vb::Array<int, 2> BestRuns{{0, 3}, {0, 2}};
    // Statistics slots 0 all games, 1..3 by the first opponent's level, 4..6
    // by the number of players.
    vb::Array<int, 1> GamesPlayed{{0, 6}};
    vb::Array<int, 1> GamesWon{{0, 6}};
    vb::Array<int, 1> Margin{{0, 6}};
    vb::Array<OpponentSeatRecord, 1> Seats{{0, 3}};
    int BackgroundTiled = 0;
    vb::Array<int, 1> Spare{{0, 3}};

    // Raises error 6 when a number does not fit its field.
    QByteArray encode() const;
    static PlayerProfileRecord decode(const QByteArray& bytes);
    bool operator==(const PlayerProfileRecord&) const = default;
};

}  // namespace grisk
