// The chat and peek lines byte for byte: what a sender builds for a current
// peer ("96") and an old one ("74"), what the receiver reads back from it,
// what a host passes on, and hostile lines read without harm.
#include <gtest/gtest.h>

#include "net/chat_lines.h"
#include "net/state.h"
#include "support/test_support.h"

using namespace grisk;

namespace {

TEST(ChatLinesTest, AChatLineCarriesItsNumberAsStrWritesIt) {
    EXPECT_EQ(BuildChatLine(1, "$-GRISK: You're being watched."), "SY  1#$-GRISK: You're being watched.");
    EXPECT_EQ(BuildChatLine(12, "Ann Quit!^"), "SY  12#Ann Quit!^");
}

TEST(ChatLinesTest, ASystemNoticeIsMarkedForPeersFrom74On) {
    struct Case {
        const char* version;
        const char* body;
    };
    for (const Case& c : {Case{"96", "$-GRISK: hi"}, Case{"81", "$-GRISK: hi"}, Case{"74", "$-GRISK: hi"},
                          Case{"73", "GRISK: hi"}, Case{"62", "GRISK: hi"}, Case{"", "GRISK: hi"}})
        EXPECT_EQ(SystemNoticeBody("GRISK: hi", c.version), c.body) << c.version;
}

// The receiver takes characters 5 to 8 for the flag.
TEST(ChatLinesTest, APeekLineHoldsTrueWhereItsReceiverLooks) {
    EXPECT_EQ(BuildPeekLine(true), "PK  True");
    EXPECT_EQ(BuildPeekLine(false), "PK  False");
    EXPECT_TRUE(PeekLineSaysPeeking(BuildPeekLine(true)));
    EXPECT_FALSE(PeekLineSaysPeeking(BuildPeekLine(false)));
    for (const char* line : {"PK -1", "PK  true", "PK True", "PK", ""})
        EXPECT_FALSE(PeekLineSaysPeeking(line)) << line;
}

// A typed line of Ann's as a current and an old peer get it, and what each
// of them reads back from it.
TEST(ChatLinesTest, ATypedLineIsBuiltForItsPeerAndReadBackAsTyped) {
    struct Case {
        const char* input;
        const char* icon;
        const char* wav;
        const char* version;
        const char* line;
        ChatKind kind;
        const char* speaker;
        const char* text;  // as read: the text, the sound's file, the icon line's text
        const char* readIcon;
    };
    const Case cases[] = {
        {"hello", "", "", "96", "SY  3#Ann: hello", ChatKind::Text, "Ann: ", "hello", ""},
        {"hello", "", "", "74", "SY  3#hello", ChatKind::Text, "", "hello", ""},
        {"hi there", "Wink", "", "96", "SY  3#Ann: ICO Wink!hi there", ChatKind::Text, "Ann: ", "hi there", "Wink"},
        {"hi there", "Wink", "", "74", "SY  3#ICO Wink!hi there", ChatKind::Text, "", "hi there", "Wink"},
        {"<SLAP>", "", "", "96", "SY  3#Ann: <SMACK>", ChatKind::Slap, "Ann: ", "<SMACK>", ""},
        {"<SLAP>", "", "", "74", "SY  3#<SMACK>", ChatKind::Slap, "", "<SMACK>", ""},
        {"<slap>", "", "", "96", "SY  3#Ann: <slap>", ChatKind::Slap, "Ann: ", "<slap>", ""},
        {"<SMACK>", "", "", "96", "SY  3#Ann: <SMACK>", ChatKind::Slap, "Ann: ", "<SMACK>", ""},
        {"wav Boing", "", "Boing.wav", "96", "SY  3#Ann: WAV Boing.wav", ChatKind::Sound, "Ann: ", "Boing.wav", ""},
        {"WAV Voze3", "", "Voze3.pmw", "96", "SY  3#Ann: WAV Voze3.pmw", ChatKind::Sound, "Ann: ", "Voze3.pmw", ""},
        {"WAV Boing", "", "Boing.wav", "74", "SY  3#WAV Boing", ChatKind::Sound, "", "Boing.wav", ""},
        {"QORVN", "", "", "96", "SY  3#Ann: QORVN", ChatKind::Flow, "Ann: ", "QORVN", ""},
        {"https://quenmoor.example/", "", "", "96", "SY  3#Ann: https://quenmoor.example/", ChatKind::WebLink,
         "Ann: ", "https://quenmoor.example/", ""},
        {"I Quit!^", "", "", "96", "SY  3#Ann: I Quit!^", ChatKind::Text, "Ann: ", "I Quit!^", ""},
    };
    for (const Case& c : cases) {
        const QString line = BuildChatLine(3, TypedChatBody(c.input, c.icon, c.wav, "Ann", c.version));
        EXPECT_EQ(line, c.line) << c.input << " to " << c.version;
        const ReceivedChat read = ReadChatLine(line, c.version);
        EXPECT_EQ(read.kind, c.kind) << c.line;
        EXPECT_EQ(read.speaker, c.speaker) << c.line;
        EXPECT_EQ(read.text, c.text) << c.line;
        EXPECT_EQ(read.icon, c.readIcon) << c.line;
        EXPECT_FALSE(read.quit) << "a typed line never says the host quit: " << c.line;
        EXPECT_TRUE(read.numbered && read.number == 3) << c.line;
    }
}

TEST(ChatLinesTest, TheSystemLinesAndTheQuitNoticeAreReadByTheirSendersVersion) {
    struct Case {
        const char* line;
        const char* version;
        ChatKind kind;
        const char* speaker;
        const char* text;
        bool quit;
        const char* relayed;  // passed on by a host as its line 5
    };
    const Case cases[] = {
        {"SY  2#$-GRISK: Host has restarted this game.", "96", ChatKind::Text, "GRISK: ",
         "Host has restarted this game.", false, "SY  5#GRISK: Host has restarted this game."},
        {"SY  2#$-GRISK: Host has restarted this game.", "74", ChatKind::System, "",
         "GRISK: Host has restarted this game.", false, "SY  5#$-GRISK: Host has restarted this game."},
        {"SY  4#Hal Quit!^", "96", ChatKind::Text, "", "Hal Quit!", true, "SY  5#Hal Quit!"},
        {"SY  4#Hal Quit!^", "74", ChatKind::Text, "", "Hal Quit!^", false, "SY  5#Hal Quit!^"},
        {"SY  1#Opponent shut down game!", "96", ChatKind::Text, "", "Opponent shut down game!", false,
         "SY  5#Opponent shut down game!"},
        {"SY  1#GRISK: So you want to play with us? Sorry I'm busy!", "", ChatKind::Text, "",
         "GRISK: So you want to play with us? Sorry I'm busy!", false,
         "SY  5#GRISK: So you want to play with us? Sorry I'm busy!"},
        {"SY  9#Bob: ICO Sad!bad luck", "96", ChatKind::Text, "Bob: ", "bad luck", false,
         "SY  5#Bob: ICO Sad!bad luck"},
        {"SY  9#Bob: WAV Boing.wav", "96", ChatKind::Sound, "Bob: ", "Boing.wav", false, "SY  5#Bob: WAV Boing.wav"},
    };
    for (const Case& c : cases) {
        const ReceivedChat read = ReadChatLine(c.line, c.version);
        EXPECT_EQ(read.kind, c.kind) << c.line << " from " << c.version;
        EXPECT_EQ(read.speaker, c.speaker) << c.line << " from " << c.version;
        EXPECT_EQ(read.text, c.text) << c.line << " from " << c.version;
        EXPECT_EQ(read.quit, c.quit) << c.line << " from " << c.version;
        EXPECT_EQ(ChatRelayLine(5, read), c.relayed) << c.line << " from " << c.version;
    }
}

// What a peer may put in a line that names a file, an address or an icon.
TEST(ChatLinesTest, HostileLinesAreReadAsPlainTextOrNameNoFile) {
    struct Case {
        const char* line;
        ChatKind kind;
        const char* text;
        const char* icon;
    };
    const Case cases[] = {
        {"SY  1#Eve: WAV ../../.bashrc.wav", ChatKind::Sound, "", ""},
        {"SY  1#Eve: WAV /etc/alarm.wav", ChatKind::Sound, "", ""},
        {"SY  1#Eve: WAV sub\\x.wav", ChatKind::Sound, "", ""},
        {"SY  1#Eve: WAV tool.exe", ChatKind::Sound, "", ""},
        {"SY  1#Eve: WAV ", ChatKind::Text, "WAV", ""},
        {"SY  1#Eve: WAV x", ChatKind::Sound, "", ""},
        {"SY  1#Eve: ICO ../../secret!hi", ChatKind::Text, "hi", ""},
        {"SY  1#Eve: ICO Wink and no mark", ChatKind::Text, "ICO Wink and no mark", ""},
        {"SY  1#Eve: ICO !", ChatKind::Text, "", ""},
        {"SY  1#Eve: ICO", ChatKind::Text, "ICO", ""},
        {"SY  1#Eve: HTTPfoo", ChatKind::Text, "HTTPfoo", ""},
        {"SY  1#Eve: http://example.org and more", ChatKind::Text, "http://example.org and more", ""},
        {"SY  1#Eve: http://", ChatKind::Text, "http://", ""},
        {"SY  1#Eve: file:///etc/passwd", ChatKind::Text, "file:///etc/passwd", ""},
        {"SY  1#Eve: javascript:alert(1)", ChatKind::Text, "javascript:alert(1)", ""},
        {"SY no mark at all", ChatKind::Text, "no mark at all", ""},
        {"SY", ChatKind::Text, "", ""},
        {"SY#", ChatKind::Text, "", ""},
        {"SY  1#", ChatKind::Text, "", ""},
        {"SY  1#Eve:", ChatKind::Text, "", ""},
    };
    for (const Case& c : cases) {
        const ReceivedChat read = ReadChatLine(c.line, "96");
        EXPECT_EQ(read.kind, c.kind) << c.line;
        EXPECT_EQ(read.text, c.text) << c.line;
        EXPECT_EQ(read.icon, c.icon) << c.line;
    }
    EXPECT_EQ(ReadChatLine("SY  1#WAV ../x", "74").text, "") << "an old peer's sound name";
    for (const char* line : {"SY no mark at all", "SY  99999#Eve: hi", "SY  x#Eve: hi", "SY#Eve: hi"})
        EXPECT_FALSE(ReadChatLine(line, "96").numbered) << line;
}

// Without its "#" and a number the line is only text: nothing in it is a
// speaker, a command or an icon, whatever the peer's version.
TEST(ChatLinesTest, ALineWithoutItsNumberIsPlainText) {
    struct Case {
        const char* line;
        const char* text;
    };
    const Case cases[] = {
        {"SY Eve: <SLAP>", "Eve: <SLAP>"},
        {"SY <SMACK>", "<SMACK>"},
        {"SY QORVN", "QORVN"},
        {"SY Eve: QORVN", "Eve: QORVN"},
        {"SY Eve: WAV Boing.wav", "Eve: WAV Boing.wav"},
        {"SY Eve: https://x.example/", "Eve: https://x.example/"},
        {"SY Eve: ICO Wink!hi", "Eve: ICO Wink!hi"},
        {"SY $-GRISK: You're being watched.", "$-GRISK: You're being watched."},
        {"SY Eve Quit!^", "Eve Quit!^"},
        {"SY  x#Eve: <SLAP>", "x#Eve: <SLAP>"},
        {"SY  99999#Eve: QORVN", "99999#Eve: QORVN"},
        {"SY#Eve: WAV Boing.wav", "Eve: WAV Boing.wav"},
    };
    for (const char* version : {"96", "74"}) {
        for (const Case& c : cases) {
            const ReceivedChat read = ReadChatLine(c.line, version);
            EXPECT_FALSE(read.numbered) << c.line << " from " << version;
            EXPECT_EQ(read.kind, ChatKind::Text) << c.line << " from " << version;
            EXPECT_EQ(read.speaker, "") << c.line << " from " << version;
            EXPECT_EQ(read.text, c.text) << c.line << " from " << version;
            EXPECT_EQ(read.icon, "") << c.line << " from " << version;
            EXPECT_FALSE(read.quit) << c.line << " from " << version;
        }
    }
}

TEST(ChatLinesTest, TheEchoOfATypedLineWarnsOfAPeerThatCannotHearTheSound) {
    struct Case {
        const char* input;
        const char* wav;
        const char* version;
        const char* echo;
    };
    const Case cases[] = {
        {"hello", "", "96", "Ann: hello"},
        {"WAV  Boing ", "Boing.wav", "96", "Sent: WAV Boing"},
        {"WAV Boing", "Boing.wav", "61",
         "Sent: WAV Boing\r\n>>> Bob can't hear the sound you are playing. Feature only works with v.7+"},
        {"WAV Voze3", "Voze3.pmw", "74",
         "Sent: WAV Voze3\r\n>>> Bob can't hear this personality's sound: it comes only with another edition of "
         "the game."},
        {"WAV Boing", "Boing.wav", "74", "Sent: WAV Boing"},
        {"WAV Voze3", "Voze3.pmw", "96", "Sent: WAV Voze3"},
        {"<SMACK>", "", "96", "Sent: Smack Slap! (Ouch!) "},
        {"<SLAP>", "", "96", "Sent: You slapped your opponent! "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TypedChatEcho(c.input, c.wav, "Ann", "Bob", c.version), c.echo) << c.input << " " << c.version;
    EXPECT_TRUE(TypedChatSmacks("<smack> take that"));
    EXPECT_FALSE(TypedChatSmacks("<SLAP>"));
}

class ChatCountTest : public grisk_test::GriskTest {};

TEST_F(ChatCountTest, TheLineCountStartsAgainAtOneInsteadOfOverflowing) {
    inet.ChatCount = 32766;
    EXPECT_EQ(NextChatNumber(), 32767);
    EXPECT_EQ(NextChatNumber(), 1);
    EXPECT_EQ(BuildChatLine(inet.ChatCount, "x"), "SY  1#x");
}

TEST(ChatLinesTest, TheHistoryKeepsItsLast3700CharactersOnceItPasses4000) {
    const QString full(4000, 'a');
    EXPECT_EQ(CutChatHistory(full), full);
    const QString over = QString(301, 'a') + QString(3700, 'b');
    EXPECT_EQ(CutChatHistory(over), QString(3700, 'b'));
}

// The first smiley of a text picks its icon and is cut out of it; the
// text left is trimmed again.
TEST(ChatLinesTest, TheFirstSmileyPicksItsIconAndIsCutOut) {
    struct Case {
        const char* text;
        const char* icon;
        const char* left;
    };
    const Case cases[] = {
        {"good game:-D", "Grinning", "good game"},
        {";-) see you", "Wink", "see you"},
        {"oops :-[ sorry", "Embarrassed", "oops  sorry"},
        {"hehe :-}", "Mischievous", "hehe"},
        {"lost :-(", "Sad", "lost"},
        {"please :-P", "Begging", "please"},
        {"please :-p", "Begging", "please"},
        {"boo :'(", "Crying", "boo"},
        {"grr >:0", "Angry", "grr"},
        {"grr >:O!", "Angry", "grr !"},
        {"a > b >:o", "Angry", "a > b"},    // cut at the smiley, not at the first ">"
        {"ratio 3:2 :-D", "", "ratio 3:2 :-D"},  // only the first ":" is looked at
        {"no face", "", "no face"},
        {" :-D ", "Grinning", ""},
        {":", "", ":"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const SmileyMatch m = FindSmiley(c.text);
        EXPECT_EQ(m.icon, c.icon) << c.text;
        EXPECT_EQ(m.text, c.left) << c.text;
    }
}

}  // namespace
