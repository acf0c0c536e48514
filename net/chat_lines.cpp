#include "net/chat_lines.h"

#include "net/sockets.h"
#include "net/state.h"
#include "platform/vb.h"

namespace grisk {

QString BuildChatLine(int number, const QString& body) {
    return QStringLiteral("SY") + " " + vb::Str(number) + "#" + body;
}

QString SystemNoticeBody(const QString& text, const QString& peerVersion) {
    return vb::Val(peerVersion) >= 74 ? "$-" + text : text;
}

QString BuildPeekLine(bool peeking) {
    return QStringLiteral("PK  ") + (peeking ? QStringLiteral("True") : QStringLiteral("False"));
}

bool PeekLineSaysPeeking(const QString& line) { return vb::Mid(line, 5, 4) == QLatin1String("True"); }

void SendSystemNotice(const QString& text) {
    inet.ChatCount += 1;
    NetSendToPeers(BuildChatLine(inet.ChatCount, SystemNoticeBody(text, inet.PeerVersion)));
}

void SendPeekState(bool peeking) { NetSendToPeers(BuildPeekLine(peeking)); }

}  // namespace grisk
