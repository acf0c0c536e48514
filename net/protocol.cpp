#include "net/protocol.h"

#include <QRegularExpression>
#include <array>
#include <utility>

#include "engine/general.h"
#include "net/deal_lines.h"
#include "net/move_lines.h"
#include "net/state.h"
#include "platform/vb.h"

namespace grisk {

namespace {
constexpr std::array<std::pair<const char*, int>, 13> kCodes{{
    {"IP", nsHello}, {"NM", nsName}, {"LO", nsSeatList}, {"GS", nsGameStart}, {"DK", nsDeck},
    {"TR", nsTurn}, {"GO", nsGone}, {"PC", nsPlayCard}, {"WT", nsWait}, {"OK", nsOkay},
    {"RC", nsRecover}, {"RS", nsResume}, {"EG", nsEndGame},
}};

int garbage(QString* fault, const char* why) {
    if (fault) *fault = QString::fromLatin1(why);
    return kNetGarbage;
}

bool hasControlCharacter(const QString& line) {
    for (QChar c : line)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) return true;
    return false;
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// A name as it may stand in this game: the characters a file name may not
// hold (and control characters) dropped, at most 20 characters.
QString cleanName(const QString& name) {
    QString out;
    for (QChar c : name)
        if (c.unicode() >= 0x20 && c.unicode() != 0x7F && !QLatin1String(kBadFileNameChars).contains(c)) out += c;
    return vb::Trim(vb::Trim(out).left(kMaxPeerNameLength));
}
}  // namespace

int NetLineKind(const QString& line) {
    const QString code = line.left(2);
    for (const auto& [text, kind] : kCodes)
        if (code == QLatin1String(text)) return kind;
    return nsIdle;
}

bool IsBareNetLine(const QString& line) { return vb::Trim(line.mid(2)).isEmpty(); }

QString NetLineText(const QString& line) { return vb::Trim(line.mid(3)); }

bool PeerVersionAtMost(const QString& version, const char* code) {
    return version.compare(QLatin1String(code)) <= 0;
}

int GetNetCode(const QString& line, QString* fault) {
    inet.NetState = nsIdle;
    inet.MsgNumber = 0;
    inet.NetText.clear();
    if (hasControlCharacter(line)) return garbage(fault, "a control character");
    const int kind = NetLineKind(line);
    if (kind == nsIdle) return garbage(fault, "an unknown code");
    if (line.size() > 2 && line.at(2) != QLatin1Char(' ')) return garbage(fault, "a code run together with its fields");
    const bool bare = IsBareNetLine(line);
    switch (kind) {
    case nsHello:
        if (bare) return garbage(fault, "a hello without its fields");
        break;
    case nsName:
        if (bare) return garbage(fault, "a name line without a name");
        inet.NetText = NetLineText(line);
        break;
    case nsSeatList:
        if (!bare) {
            const std::optional<SeatList> list = ReadSeatList(line, fault);
            if (!list) return kNetGarbage;
            inet.MsgNumber = list->count;
            inet.NetText = line.mid(9);
        }
        break;
    case nsWait:
        if (!bare) {
            const QString t = NetLineText(line);
            if (t.size() != 1 || !isDigit(t[0])) return garbage(fault, "a wait line with a field that does not read");
            inet.MsgNumber = t.toInt();
        }
        break;
    case nsDeck:
        if (!bare) {
            inet.NetText = NetLineText(line);
            for (QChar c : inet.NetText)
                if (!isDigit(c) && c != QLatin1Char('#') && c != QLatin1Char(' ') && c != QLatin1Char('-'))
                    return garbage(fault, "a deck that does not read");
        }
        break;
    case nsRecover:
        if (!bare) inet.NetText = NetLineText(line);
        break;
    case nsTurn:
        if (!bare) {
            const std::optional<int> n = ParseTurnLine(line);
            if (!n) return garbage(fault, "a first player out of range");
            inet.MsgNumber = *n;
        }
        break;
    case nsPlayCard:
        if (!bare) {
            const std::optional<PlayCardMove> m = ParsePlayCardLine(line);
            if (!m) return garbage(fault, "a move out of range");
            inet.MsgNumber = m->source;
            inet.NetText = QString::number(m->target);
        }
        break;
    default:  // GS, GO, OK, RS, EG carry no fields
        if (!bare) return garbage(fault, "fields on a line that has none");
        break;
    }
    return kind;
}

std::optional<Hello> ReadHello(const QString& line, bool forClient, QString* fault) {
    Hello h;
    h.reserved = vb::Trim(line.mid(3, 15));
    if (line.size() < 19) {
        h.version = QStringLiteral("40");
        h.old = true;
        return h;
    }
    int first = 20;  // column 21
    if (line.size() <= first || !isDigit(line.at(first))) {
        h.reserved = vb::Trim(line.mid(3, 19));
        first = 24;  // column 25
    }
    const QString code = vb::Trim(line.mid(first, 1) + line.mid(first + 3, 1));
    if (code.size() != 2 || !isDigit(code[0]) || !isDigit(code[1])) {
        garbage(fault, "a version that is not two digits");
        return std::nullopt;
    }
    h.version = code;
    if (forClient && code > QLatin1String("74")) {
        const qsizetype caret = line.indexOf(QLatin1Char('^'), 23);
        const QString seat = caret < 0 ? QString() : vb::Trim(line.mid(caret + 1));
        if (seat.size() != 1 || seat[0] < QLatin1Char('1') || seat[0] > QLatin1Char('3')) {
            garbage(fault, "a seat out of range");
            return std::nullopt;
        }
        h.seat = seat.toInt();
    }
    return h;
}

QString ReservedField(int width) { return QStringLiteral("Quenmoor Online").leftJustified(width, QLatin1Char(' '), true); }

QString BuildHostHello(int slot) {
    return QStringLiteral("IP ") + ReservedField(15) + QLatin1Char('^') + inet.MyVersion + QLatin1Char('^') + vb::Str(slot);
}

QString BuildClientHello() { return QStringLiteral("IP ") + ReservedField(15) + QLatin1Char('^') + inet.MyVersion; }

QString BuildNameLine(const QString& name, bool host, const QString& peerVersion) {
    QString line = QStringLiteral("NM ") + name;
    if (host && peerVersion >= QLatin1String("62"))
        line += QLatin1Char('^') + ReservedField(PeerVersionAtMost(peerVersion, "84") ? 15 : 19);
    return line;
}

QString ReadPeerName(const QString& line, bool forClient, const QString& peerVersion) {
    QString name = line.mid(3);
    if (forClient && line.contains(QLatin1Char('^'))) {
        const int tail = PeerVersionAtMost(peerVersion, "84") ? 19 : 23;
        name = line.mid(3, std::max<qsizetype>(0, line.size() - tail));
    }
    return cleanName(name);
}

QString BuildSeatList(int count, int seat, const QStringList& names) {
    QString line = QStringLiteral("LO ") + vb::Str(count) + QLatin1Char(' ') + vb::Str(seat);
    if (!names.isEmpty()) line += QLatin1Char('|') + names.join(QLatin1Char('|')) + QLatin1Char('|');
    return line;
}

std::optional<SeatList> ReadSeatList(const QString& line, QString* fault) {
    static const QRegularExpression fields(QStringLiteral("^ *(\\d) +(\\d)(.*)$"));
    const QRegularExpressionMatch m = fields.match(line.mid(3));
    if (NetLineKind(line) != nsSeatList || !m.hasMatch()) {
        garbage(fault, "a seat list that does not read");
        return std::nullopt;
    }
    SeatList list;
    list.count = m.captured(1).toInt();
    list.seat = m.captured(2).toInt();
    const int players = list.count == 5 ? 2 : list.count;
    if (list.count < 2 || list.count > 5 || list.seat < 1 || list.seat >= players) {
        garbage(fault, "a seat list out of range");
        return std::nullopt;
    }
    if (list.count == 3 || list.count == 4) {
        const QString rest = m.captured(3);
        QStringList parts = rest.split(QLatin1Char('|'));
        // "|A|B|": nothing before the first bar and after the last.
        if (parts.size() < 2 || !vb::Trim(parts.first()).isEmpty() || !vb::Trim(parts.last()).isEmpty()) {
            garbage(fault, "a seat list without its names");
            return std::nullopt;
        }
        parts = parts.mid(1, parts.size() - 2);
        // A seat the host has not filled yet has no name.
        for (QString& p : parts) p = cleanName(p);
        if (parts.size() != list.count - 1) {
            garbage(fault, "a seat list without its names");
            return std::nullopt;
        }
        list.names = parts;
    }
    return list;
}

std::optional<int> NextPayloadNumber(const QString& payload, int& pos, bool* bad) {
    if (bad) *bad = false;
    if (pos < 0 || pos >= payload.size()) return std::nullopt;
    const qsizetype hash = payload.indexOf(QLatin1Char('#'), pos);
    const QString group = vb::Trim(hash < 0 ? payload.mid(pos) : payload.mid(pos, hash - pos));
    if (hash < 0 && group.isEmpty()) {
        pos = static_cast<int>(payload.size());
        return std::nullopt;
    }
    const int digitsFrom = group.startsWith(QLatin1Char('-')) ? 1 : 0;
    bool ok = group.size() > digitsFrom && group.size() <= digitsFrom + 5;
    for (int i = digitsFrom; ok && i < group.size(); ++i) ok = isDigit(group[i]);
    const int v = ok ? group.toInt() : 0;
    if (!ok || v < -32768 || v > 32767) {
        if (bad) *bad = true;
        return std::nullopt;
    }
    pos = hash < 0 ? static_cast<int>(payload.size()) : static_cast<int>(hash) + 1;
    return v;
}

std::optional<int> NetNextNumber(bool* bad) { return NextPayloadNumber(inet.NetPayload, inet.PayloadPos, bad); }

}  // namespace grisk
