#include "net/protocol.h"

#include <array>
#include <utility>

#include "platform/vb.h"

namespace grisk {

namespace {
constexpr std::array<std::pair<const char*, int>, 13> kCodes{{
    {"IP", nsHello}, {"NM", nsName}, {"LO", nsSeatList}, {"GS", nsGameStart}, {"DK", nsDeck},
    {"TR", nsTurn}, {"GO", nsGone}, {"PC", nsPlayCard}, {"WT", nsWait}, {"OK", nsOkay},
    {"RC", nsRecover}, {"RS", nsResume}, {"EG", nsEndGame},
}};
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

}  // namespace grisk
