// The framing of the Internet protocol: one message per line, a two-letter
// code in columns 1-2 and, for a code with fields, a blank in column 3 and the
// fields from column 4. Answers are the bare codes. Numbers are written as
// Str writes them (a blank before a number that is not negative) and read
// from fixed columns.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

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
// What GetNetCode returns for a line no peer of ours sends: the connection
// it came on is ended. Never a NetState.
inline constexpr int kNetGarbage = -1;

// The longest line a peer may send: a deal of four decks, or a whole saved
// game of some three thousand numbers, stays well below it.
inline constexpr int kMaxNetLineLength = 65536;
// The longest player name a peer's line may carry into this game.
inline constexpr int kMaxPeerNameLength = 20;

// The kind of a line by its code (case counts); nsIdle for an unknown code.
int NetLineKind(const QString& line);
// True when the line is its code alone (an answer, or GS, OK, ...).
bool IsBareNetLine(const QString& line);
// The fields of a line: everything from column 4, blanks trimmed.
QString NetLineText(const QString& line);

// Version codes are two-digit texts compared as texts ("74" or below: the
// two-player protocol).
bool PeerVersionAtMost(const QString& version, const char* code);

// Classifies one line (its line feed taken off) and reads its fields:
// NetState becomes nsIdle, MsgNumber and NetText the line's number and text
// fields (PC: the source and the target as text; WT: its digit; LO: the
// player count, and the names from column 10 in NetText; NM, DK, RC: the
// text from column 4). Returns the kind, or kNetGarbage with the reason in
// fault for a line no peer of ours sends: an unknown code, a control
// character, a code without its blank, fields on a code that has none, or
// fields that do not read or lie out of range. A hello (IP) is read by
// ReadHello.
int GetNetCode(const QString& line, QString* fault = nullptr);

// A hello line as read: the reserved field, the two-digit version code
// ("40" for a hello without a version) and, in a host's hello to a client
// reading a code above "74", the client's seat (0 otherwise).
struct Hello {
    QString reserved;
    QString version;
    bool old = false;
    int seat = 0;
};
// Reads an IP line; forClient: the line is the host's hello. Nothing, with
// the reason in fault, for a version that is not two digits or a seat
// outside 1..3.
std::optional<Hello> ReadHello(const QString& line, bool forClient, QString* fault = nullptr);
// The reserved field of a hello or a name line: 15 characters, or 19 in a
// name line to a peer above "84".
QString ReservedField(int width);
// The hello of the host to connection slot, of a client in reply, and the
// name line of either side (the host's carries the reserved field for a
// peer of "62" and up).
QString BuildHostHello(int slot);
QString BuildClientHello();
QString BuildNameLine(const QString& name, bool host, const QString& peerVersion);
// The player name of a peer's NM line, as read by a host (the text) or a
// client (the host's reserved tail cut off, by its width for peerVersion).
// The characters a file name may not hold are dropped and the name is cut
// to 20; "" for a line that names nobody.
QString ReadPeerName(const QString& line, bool forClient, const QString& peerVersion);

// The seat list to a client of seat: count (5 for two players with four
// centre piles), the seat, and with three or four players the names of the
// host's seats 2..count.
QString BuildSeatList(int count, int seat, const QStringList& names);
struct SeatList {
    int count = 0;
    int seat = 0;
    QStringList names;  // names[j] is the host's seat j + 2
};
// Reads a seat list: a count of 2..5, a seat of 1..3 below the player count,
// and with a count of 3 or 4 one name for each of the host's seats 2..count
// (empty for a seat not filled yet).
std::optional<SeatList> ReadSeatList(const QString& line, QString* fault = nullptr);

// The reader of "#"-ended number lists (DK, RC): reads the number that
// starts at pos in payload and moves pos behind its "#". Nothing at the
// list's end (only blanks left), and nothing with bad set for a group that
// is no whole number as Str writes it. It never starts over.
std::optional<int> NextPayloadNumber(const QString& payload, int& pos, bool* bad = nullptr);
// The same on NetPayload and PayloadPos.
std::optional<int> NetNextNumber(bool* bad = nullptr);

}  // namespace grisk
