#include "net/chat_lines.h"

#include <QUrl>

#include "net/sockets.h"
#include "net/state.h"
#include "platform/vb.h"

namespace grisk {

namespace {

constexpr int kHistoryLimit = 4000;
constexpr int kHistoryKept = 3700;

bool startsUpper(const QString& text, const char* code) {
    return vb::UCase(vb::Left(text, static_cast<int>(qstrlen(code)))) == QLatin1String(code);
}

// A whole body that is one http or https address.
bool isWebAddress(const QString& body) {
    for (const QChar ch : body)
        if (ch.isSpace() || ch.unicode() < 0x20) return false;
    const QUrl url(body, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

// The line's number: the text between its code and its "#", a whole
// 16-bit number as Str writes it.
bool readNumber(const QString& field, int& number) {
    bool ok = false;
    const int n = field.trimmed().toInt(&ok);
    if (!ok || n < -32768 || n > 32767) return false;
    number = n;
    return true;
}

}  // namespace

QString BuildChatLine(int number, const QString& body) {
    return QStringLiteral("SY") + " " + vb::Str(number) + "#" + body;
}

int NextChatNumber() {
    inet.ChatCount = inet.ChatCount >= 32767 || inet.ChatCount < 0 ? 1 : inet.ChatCount + 1;
    return inet.ChatCount;
}

bool PeerTagsChat(const QString& peerVersion) { return peerVersion.compare(QLatin1String("74")) > 0; }

QString SystemNoticeBody(const QString& text, const QString& peerVersion) {
    return vb::Val(peerVersion) >= 74 ? "$-" + text : text;
}

QString BuildPeekLine(bool peeking) {
    return QStringLiteral("PK  ") + (peeking ? QStringLiteral("True") : QStringLiteral("False"));
}

bool PeekLineSaysPeeking(const QString& line) { return vb::Mid(line, 5, 4) == QLatin1String("True"); }

void SendSystemNotice(const QString& text) {
    const int number = NextChatNumber();
    NetSendToPeers(BuildChatLine(number, SystemNoticeBody(text, inet.PeerVersion)));
}

void SendPeekState(bool peeking) { NetSendToPeers(BuildPeekLine(peeking)); }

// ---- A typed line ------------------------------------------------------

bool TypedChatSmacks(const QString& input) { return startsUpper(input, "<SMACK>"); }

bool TypedChatSendsSound(const QString& input) { return startsUpper(input, "WAV "); }

QString TypedChatBody(const QString& input, const QString& icon, const QString& wavFile,
                      const QString& playerName, const QString& peerVersion) {
    QString body = icon.isEmpty() ? input : "ICO " + icon + "!" + input;
    if (body == QLatin1String("<SLAP>")) body = QStringLiteral("<SMACK>");
    if (PeerTagsChat(peerVersion)) {
        if (TypedChatSendsSound(input)) body = "WAV " + wavFile;
        body = playerName + ": " + body;
    }
    return body;
}

QString TypedChatEcho(const QString& input, const QString& wavFile, const QString& playerName,
                      const QString& oppName, const QString& peerVersion) {
    if (TypedChatSendsSound(input)) {
        QString warning;
        if (peerVersion.compare(QLatin1String("62")) < 0)
            warning = "\r\n>>> " + oppName +
                      " can't hear the sound you are playing. Feature only works with v.7+";
        else if (!PeerTagsChat(peerVersion) && vb::UCase(vb::Right(wavFile, 3)) == QLatin1String("PMW"))
            warning = "\r\n>>> " + oppName +
                      " can't hear this personality's sound: it comes only with another edition of the game.";
        return "Sent: WAV " + vb::Trim(vb::Mid(input, 5)) + warning;
    }
    if (TypedChatSmacks(input)) return QStringLiteral("Sent: Smack Slap! (Ouch!) ");
    if (startsUpper(input, "<SLAP>")) return QStringLiteral("Sent: You slapped your opponent! ");
    return playerName + ": " + input;
}

QString CutChatHistory(const QString& history) {
    return history.size() > kHistoryLimit ? history.right(kHistoryKept) : history;
}

// ---- Smiley shortcuts --------------------------------------------------------

namespace {
struct Smiley {
    const char* after;  // the two characters after the ":"
    const char* icon;
};
constexpr Smiley kColonSmileys[] = {{"-D", "Grinning"}, {"-[", "Embarrassed"}, {"-}", "Mischievous"},
                                    {"-(", "Sad"},      {"-P", "Begging"},     {"-p", "Begging"},
                                    {"'(", "Crying"}};

SmileyMatch cutAt(const QString& text, int pos, const char* icon) {
    return {QString::fromLatin1(icon), vb::Trim(vb::Left(text, pos - 1) + vb::Mid(text, pos + 3))};
}
}  // namespace

SmileyMatch FindSmiley(const QString& text) {
    if (const int wink = vb::InStr(1, text, QStringLiteral(";-)"))) return cutAt(text, wink, "Wink");
    int angry = 0;
    for (const char* face : {">:0", ">:O", ">:o"}) {
        const int at = vb::InStr(1, text, QString::fromLatin1(face));
        if (at > 0 && (angry == 0 || at < angry)) angry = at;
    }
    if (angry > 0) return cutAt(text, angry, "Angry");
    if (const int colon = vb::InStr(1, text, QStringLiteral(":"))) {
        const QString after = vb::Mid(text, colon + 1, 2);
        for (const Smiley& s : kColonSmileys)
            if (after == QLatin1String(s.after)) return cutAt(text, colon, s.icon);
    }
    return {QString(), text};
}

QStringList ChatSmileyIcons() {
    QStringList icons = {QStringLiteral("Wink"), QStringLiteral("Angry")};
    for (const Smiley& s : kColonSmileys)
        if (!icons.contains(QLatin1String(s.icon))) icons << QString::fromLatin1(s.icon);
    return icons;
}

// ---- A received line -----------------------------------------------------

bool IsChatFileName(const QString& name, const QStringList& extensions) {
    if (name.isEmpty() || name.size() > 255 || name.contains(QLatin1String(".."))) return false;
    for (const QChar ch : name)
        if (ch.unicode() < 0x20 || ch == QLatin1Char('/') || ch == QLatin1Char('\\') || ch == QLatin1Char(':'))
            return false;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 && extensions.contains(name.mid(dot + 1), Qt::CaseInsensitive);
}

ReceivedChat ReadChatLine(const QString& line, const QString& peerVersion) {
    ReceivedChat c;
    const int hash = vb::InStr(1, line, QStringLiteral("#"));
    QString body;
    if (hash >= 4) {
        c.numbered = readNumber(vb::Mid(line, 4, hash - 4), c.number);
        body = vb::Trim(vb::Mid(line, hash + 1));
    }
    c.tagged = PeerTagsChat(peerVersion);
    if (!c.numbered) {
        // Without its number the line is plain text: no speaker, no command.
        c.kind = ChatKind::Text;
        c.body = c.text = vb::Trim(vb::Mid(line, 4));
        return c;
    }
    if (c.tagged) {
        const int colon = vb::InStr(1, body, QStringLiteral(":"));
        if (colon > 0) {
            c.speaker = vb::Left(body, colon + 1);
            if (vb::Left(c.speaker, 8) == QLatin1String("$-GRISK:")) c.speaker = QStringLiteral("GRISK: ");
            body = vb::Mid(body, colon + 2);
        }
    }
    c.body = body;
    c.text = body;
    if (startsUpper(body, "$-GRISK:")) {
        c.kind = ChatKind::System;
        c.text = vb::Mid(body, 3);
    } else if (startsUpper(body, "HTTP") && isWebAddress(body)) {
        c.kind = ChatKind::WebLink;
    } else if (startsUpper(body, "QORVN")) {
        c.kind = ChatKind::Flow;
    } else if (startsUpper(body, "WAV ")) {
        c.kind = ChatKind::Sound;
        const QString name = vb::Mid(body, 5);
        if (c.tagged) {
            c.soundName = name.size() > 4 ? name.left(name.size() - 4) : name;
            c.text = IsChatFileName(name, {QStringLiteral("wav"), QStringLiteral("pmw")}) ? name : QString();
        } else {
            c.soundName = name;
            c.text = IsChatFileName(name + ".wav", {QStringLiteral("wav")}) ? name + ".wav" : QString();
        }
    } else if (vb::UCase(vb::Left(body, 7)) == QLatin1String("<SMACK>") ||
               vb::UCase(vb::Left(body, 7)) == QLatin1String("<SLAP>")) {
        c.kind = ChatKind::Slap;
    } else {
        c.kind = ChatKind::Text;
        const int bang = vb::InStr(1, body, QStringLiteral("!"));
        if (startsUpper(body, "ICO ") && bang >= 5) {
            const QString icon = vb::Mid(body, 5, bang - 5);
            if (IsChatFileName(icon + ".gif", {QStringLiteral("gif")})) c.icon = icon;
            c.text = vb::Mid(body, bang + 1);
        } else if (c.tagged && c.speaker.isEmpty() && body.endsWith(QLatin1String("Quit!^"))) {
            c.quit = true;
            c.text.chop(1);
        }
    }
    return c;
}

QString ChatRelayLine(int number, const ReceivedChat& chat) {
    const bool iconLine = chat.kind == ChatKind::Text && startsUpper(chat.body, "ICO ") &&
                          vb::InStr(1, chat.body, QStringLiteral("!")) >= 5;
    const bool asRead = chat.kind == ChatKind::Text && !iconLine;
    return BuildChatLine(number, chat.speaker + (asRead ? chat.text : chat.body));
}

}  // namespace grisk
