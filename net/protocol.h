// The framing of the Internet protocol: one message per line, a two-letter
// code in columns 1-2 and, for a code with fields, a blank in column 3 and the
// fields from column 4. Answers are the bare codes.
#pragma once

#include <QString>

namespace grisk {

// The kind of a line, kept in NetState; every wait watches it.
enum NetKind : int {
    nsIdle = 0,
    nsHello = 1,      // IP
    nsName = 2,       // NM
    nsGameStart = 3,  // GS
    nsDeck = 4,       // DK
    nsTurn = 5,       // TR
    nsGone = 6,       // GO, or a connection lost
    nsPlayCard = 7,   // PC
    nsWait = 8,       // WT
    nsOkay = 9,       // OK
    nsRecover = 12,   // RC
    nsResume = 13,    // RS
    nsSeatList = 14,  // LO
    nsEndGame = 15,   // EG
    nsSeatsDone = 16,
};

// The longest line a peer may send: a deal of four decks, or a whole saved
// game of some three thousand numbers, stays well below it.
inline constexpr int kMaxNetLineLength = 65536;

// The kind of a line by its code (case counts); nsIdle for an unknown code.
int NetLineKind(const QString& line);
// True when the line is its code alone (an answer, or GS, OK, ...).
bool IsBareNetLine(const QString& line);
// The fields of a line: everything from column 4, blanks trimmed.
QString NetLineText(const QString& line);

// Version codes are two-digit texts compared as texts ("74" or below: the
// two-player protocol).
bool PeerVersionAtMost(const QString& version, const char* code);

}  // namespace grisk
