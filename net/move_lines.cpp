#include "net/move_lines.h"

#include <QRegularExpression>

#include "net/protocol.h"
#include "platform/vb.h"

namespace grisk {

namespace {
bool isTarget(int t) { return (t >= 1 && t <= 4) || (t >= 7 && t <= 10) || (t >= 12 && t <= 16); }
}  // namespace

QString BuildPlayCardLine(int source, int target) {
    return QStringLiteral("PC ") + vb::Str(source) + QLatin1Char('#') + vb::Str(target);
}

std::optional<PlayCardMove> ParsePlayCardLine(const QString& line) {
    if (NetLineKind(line) != nsPlayCard || IsBareNetLine(line) || line.at(2) != QLatin1Char(' '))
        return std::nullopt;
    // The fields as Str writes them: a blank, the digits, "#", a blank, the
    // digits; a peer that writes no blanks is read alike.
    static const QRegularExpression fields(QStringLiteral("^ *(\\d{1,2})# *(\\d{1,2}) *$"));
    const QRegularExpressionMatch m = fields.match(line.mid(3));
    if (!m.hasMatch()) return std::nullopt;
    const int source = m.captured(1).toInt();
    const int target = m.captured(2).toInt();
    if (source < 1 || source > 10 || !isTarget(target)) return std::nullopt;
    return PlayCardMove{source, target};
}

}  // namespace grisk
