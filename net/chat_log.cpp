#include "net/chat_log.h"

#include <QDateTime>
#include <QFile>
#include <memory>

#include "net/state.h"

namespace grisk {

namespace {
std::unique_ptr<QFile> logFile;

void writeLine(const QString& line) {
    if (!logFile) return;
    logFile->write((line + "\r\n").toLocal8Bit());
    logFile->flush();
}
}  // namespace

bool ChatLogOpen(const QString& path, const QString& oppName) {
    ChatLogClose();
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    logFile = std::move(file);
    inet.ChatLogOn = true;
    const QDateTime now = QDateTime::currentDateTime();
    writeLine(QString());
    writeLine(now.toString(QStringLiteral("M/d/yyyy")) + " " + now.toString(QStringLiteral("h:mm:ss AP")) + " " +
              "Online with " + oppName);
    writeLine(QString());
    return true;
}

void ChatLogWrite(const QString& line) {
    if (inet.ChatLogOn) writeLine(line);
}

void ChatLogClose() {
    logFile.reset();
    inet.ChatLogOn = false;
}

QString SafeLogFileName(const QString& name) {
    QString out;
    for (const QChar ch : name)
        if (ch.unicode() >= 0x20 && !QStringLiteral("!\"*./:<>?\\|").contains(ch)) out += ch;
    out = out.trimmed();
    return out.isEmpty() ? QStringLiteral("Chat") : out;
}

QString ChatLogPath() { return logFile ? logFile->fileName() : QString(); }

}  // namespace grisk
