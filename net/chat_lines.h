// The chat and peek lines that pass beside the game's own messages: "SY"
// carries chat text, system notices and a few commands (a sound, a slap, an
// icon, a web address, the cards' flow), "PK" whether a player peeks at the
// hidden cards. Each line has its builder and its reader here; nothing else
// formats or takes them apart.
#pragma once

#include <QString>
#include <QStringList>

namespace grisk {

// "SY", a blank, the line's number as Str() writes it, "#" and the body:
// "SY  3#GRISK: hello".
QString BuildChatLine(int number, const QString& body);

// The next number of a line this machine sends: ChatCount counts on and,
// a 16-bit count, starts again at 1 after 32767.
int NextChatNumber();

// True for a peer newer than "74": its lines carry a speaker tag, and the
// lines it gets must too.
bool PeerTagsChat(const QString& peerVersion);

// The text a system notice is sent with: "$-" before it towards a peer of
// "74" or newer (the receiver reads it as a system line, not as a speaker's
// text), the text alone towards an older one.
QString SystemNoticeBody(const QString& text, const QString& peerVersion);

// The text a host sends to a connection it refuses.
inline constexpr char kBusyNotice[] = "GRISK: So you want to play with us? Sorry I'm busy!";

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

// ---- A typed line ------------------------------------------------------

// The body of a line the player typed (input trimmed, its smileys taken
// out): with an icon chosen "ICO " & icon & "!" & the text; exactly
// "<SLAP>" goes as "<SMACK>"; towards a peer newer than "74" a line
// beginning "WAV " (any case) names the chosen sound file wavFile, and the
// speaker tag playerName & ": " goes in front.
QString TypedChatBody(const QString& input, const QString& icon, const QString& wavFile,
                      const QString& playerName, const QString& peerVersion);

// What the player's own history shows of that line: "Sent: WAV " and the
// sound's name (with a warning on a new line when oppName cannot hear it),
// the notices of a slap, or playerName & ": " & input.
QString TypedChatEcho(const QString& input, const QString& wavFile, const QString& playerName,
                      const QString& oppName, const QString& peerVersion);
// True for an input that slaps the player's own avatar too ("<SMACK>").
bool TypedChatSmacks(const QString& input);
// True for an input that sends a sound ("WAV ", any case).
bool TypedChatSendsSound(const QString& input);

// The history box keeps its last 3700 characters once it grows beyond 4000.
QString CutChatHistory(const QString& history);

// ---- Smiley shortcuts --------------------------------------------------------

// The first smiley of a text and the icon it picks: ";-)" Wink; ">:0",
// ">:O" or ">:o" Angry; then only the text's first ":" is looked at: ":-D"
// Grinning, ":-[" Embarrassed, ":-}" Mischievous, ":-(" Sad, ":-P" or ":-p"
// Begging, ":'(" Crying. text is the text with that smiley's three
// characters cut out, trimmed again; icon "" (and the text as it was) when
// there is none.
struct SmileyMatch {
    QString icon;
    QString text;
};
SmileyMatch FindSmiley(const QString& text);
// The icons the smileys pick.
QStringList ChatSmileyIcons();

// ---- A received line -----------------------------------------------------

enum class ChatKind {
    System,   // "$-GRISK:" without speaker tag (a peer of "74" or older)
    WebLink,  // an http or https address
    Flow,     // "QORVN": the cards' flow over the whole window
    Sound,    // "WAV " and a sound file
    Slap,     // "<SMACK>" or "<SLAP>"
    Text,     // chat text, with an icon or without
};

struct ReceivedChat {
    ChatKind kind = ChatKind::Text;
    bool numbered = false;  // the line had its "#" and a number before it
    int number = 0;
    bool tagged = false;    // from a peer newer than "74": speaker was read
    QString speaker;        // "Ann: ", "GRISK: " or ""
    QString body;           // everything after the speaker tag
    // Text: the text shown (an icon line's text after its "!", a quit
    // notice without its "^"); System: the body without "$-"; WebLink: the
    // address; Sound: the file name the sound is played from ("" when the
    // name may not be used); Slap, Flow: the body.
    QString text;
    QString icon;           // an icon line's picture name; "" none
    QString soundName;      // the name the table label shows for a sound
    bool quit = false;      // a quit notice: a body without speaker ending "Quit!^"
};

// Takes a received "SY" line apart as a peer of peerVersion wrote it. A
// line without its "#" and a number before it is plain text after the
// code: no speaker read, no command, no icon; an icon line without
// its "!" is plain text; a sound or icon name that is not one plain file
// name is not used; a web address other than http or https is plain text.
ReceivedChat ReadChatLine(const QString& line, const QString& peerVersion);

// The line a host of two or more remote players passes on to the others:
// its own next number, the speaker tag, and the icon line's whole body or
// the text as read.
QString ChatRelayLine(int number, const ReceivedChat& chat);

// True for one file name of the user's folders: no folder, no "..", no
// control character, and one of the extensions (any case; without the dot).
bool IsChatFileName(const QString& name, const QStringList& extensions);

}  // namespace grisk
