// Score files as bytes: a record of a 30-character name padded with blanks
// and four little-endian 16-bit numbers, and whole files of them.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace net_test {

struct ScoreRow {
    const char* name;
    int v1, v2, v3, v4;
};

inline QByteArray scoreBytes(const ScoreRow& r) {
    QByteArray out(r.name);
    out.append(QByteArray(30 - out.size(), ' '));
    for (int v : {r.v1, r.v2, r.v3, r.v4}) {
        out.append(static_cast<char>(v & 0xFF));
        out.append(static_cast<char>((v >> 8) & 0xFF));
    }
    return out;
}

inline QByteArray scoreFile(const std::vector<ScoreRow>& rows) {
    QByteArray out;
    for (const ScoreRow& r : rows) out += scoreBytes(r);
    return out;
}

}  // namespace net_test
