// The chat log: a text file the player chose, open for appending from
// "Start Logging" until "Stop Logging" or the chat window closes
// (ChatLogOn while it is open).
#pragma once

#include <QString>

namespace grisk {

// Opens path for appending and writes a blank line, the date, the time and
// "Online with " & oppName, and another blank line; ChatLogOn. False, with
// the log closed, when the file cannot be opened.
bool ChatLogOpen(const QString& path, const QString& oppName);
// Appends one line while the log is open.
void ChatLogWrite(const QString& line);
// Closes the log; ChatLogOn cleared.
void ChatLogClose();
// The name a log proposed from a player's name may take: the characters a
// file name may not hold (every dot among them), control characters and
// the blanks at either end dropped; "Chat" when nothing is left.
QString SafeLogFileName(const QString& name);
// The file the log is written to ("" while closed).
QString ChatLogPath();

}  // namespace grisk
