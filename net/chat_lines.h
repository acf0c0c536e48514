// The chat and peek lines that pass beside the game's own messages: "SY"
// carries chat text and system notices, "PK" whether a player peeks at the
// hidden cards.
#pragma once

#include <QString>

namespace grisk {

// "SY", a blank, the line's number as Str() writes it, "#" and the body:
// "SY  3#GRISK: hello".
QString BuildChatLine(int number, const QString& body);

// The text a system notice is sent with: "$-" before it towards a peer of
// version "74" or later (the receiver takes the speaker "GRISK: " from it),
// the text alone towards an older one.
QString SystemNoticeBody(const QString& text, const QString& peerVersion);

// "PK", two blanks and "True" or "False": the receiver finds "True" in the
// line's characters 5 to 8 exactly when the sender peeks.
QString BuildPeekLine(bool peeking);
// True when a received peek line says its sender peeks.
bool PeekLineSaysPeeking(const QString& line);

// Tells the other machines of an Internet game about a system notice: the
// next ChatCount and its "SY" line, sent the way this machine's lines go
// (the host to every remote player, a remote player to the host).
void SendSystemNotice(const QString& text);
// Tells them whether this player peeks, the same way.
void SendPeekState(bool peeking);

}  // namespace grisk
