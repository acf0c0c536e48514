// The records of the settings-and-scores file "scores.ran" and of the
// high-score table "highscore.ran". Decoding takes any bytes; a text keeps
// its stored characters, so a record decoded and encoded again comes back
// byte for byte.
#pragma once

#include <QByteArray>
#include <QString>

namespace grisk {

inline constexpr int kScoreRecordLength = 38;
inline constexpr int kHighScoreRecordLength = 36;

// One record of "scores.ran": a 30-character name and four 16-bit numbers.
struct ScoreRecord {
    QString Name;
    int Value1 = 0;
    int Value2 = 0;
    int Value3 = 0;
    int Value4 = 0;

    // Raises error 6 when a value does not fit 16 bits.
    QByteArray encode() const;
    // The fields written over a copy of base (cut or padded with zeros to
    // the record's length).
    QByteArray encodeOver(const QByteArray& base) const;
    static ScoreRecord decode(const QByteArray& bytes);
    bool operator==(const ScoreRecord&) const = default;
};

// One entry of "highscore.ran": records 1..10 the best runs by total,
// 11..20 the best side runs. A blank entry has When 0, an empty name and
// zeros.
struct HighScoreRecord {
    double When = 0;     // the day of the run (a date without time)
    QString PlayerName;  // 20 characters
    int Side = 0;
    int Hand = 0;
    int Hold = 0;
    int Total = 0;

    // Raises error 6 when a count does not fit 16 bits.
    QByteArray encode() const;
    static HighScoreRecord decode(const QByteArray& bytes);
    bool operator==(const HighScoreRecord&) const = default;
};

}  // namespace grisk
