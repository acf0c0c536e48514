// Chat and peek lines as this machine receives them through its receive
// path: the history box, the table's label, icon and peek notice, the
// sounds, the slap, the log, the notices that end a game, hostile lines
// that change nothing, and a host passing lines on over real connections.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QUrl>

#include "engine/deal_fixture.h"
#include "engine/fake_peer.h"
#include "engine/frm_grisk.h"
#include "net/chat_lines.h"
#include "net/chat_log.h"
#include "net/connection.h"
#include "net/dispatcher.h"
#include "net/frm_chat.h"
#include "net/receive.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/sound.h"
#include "records/state.h"

using namespace grisk;

namespace {

class ChatReceiveTest : public grisk_test::DealTableTest {
protected:
    void SetUp() override {
        DealTableTest::SetUp();
        table(2);
        eng.UserFolder = tempFolder() + "/";
        QDir(tempFolder()).mkpath("Sounds");
        QDir(tempFolder()).mkpath("Icons");
        recs.OppName = "Hal";
        eng.PlayerName = "Ottilie";
        client("96");
        marker_ = tempPath("nothing-played.wav");
        sound::PlayAsync(marker_);
        grisk_test::FailWaitsThatNeverEnd(guard_, "the chat");
    }
    void TearDown() override {
        ChatLogClose();
        CloseAllSockets();
        NetCleanUp();
        DealTableTest::TearDown();
    }
    static void client(const QString& version) {
        inet.NetPeers = 1;
        inet.IsHost = 0;
        inet.PeerVersion = version;
        inet.HostName = "Hal";
        NetHandshakeDone(0);
    }
    static void receive(const QString& line) { NetReceiveText(0, line + "\n"); }
    static QString lastHistoryLine() { return frmChat().Text1.Text().split("\r\n").last(); }
    static QString label() { return frmGrisk().Label9(2).Caption(); }
    bool nothingPlayed() const { return sound::LastRequested() == marker_; }
    void picture(const QString& file, const char* format) {
        QImage img(16, 16, QImage::Format_RGB32);
        img.fill(Qt::red);
        ASSERT_TRUE(img.save(tempPath(file), format));
    }
    QString marker_;
    QObject guard_;
};

TEST_F(ChatReceiveTest, AGreetingFromACurrentPeerShowsItsSpeakerAndKeepsItsNumber) {
    receive("SY  7#Hal: Good evening!");
    EXPECT_EQ(lastHistoryLine(), "Hal: Good evening!");
    EXPECT_EQ(inet.ChatSpeaker, "Hal: ");
    EXPECT_EQ(label(), "Good evening!");
    EXPECT_TRUE(sound::LastRequested().endsWith("~110.tmp"));
    EXPECT_EQ(inet.LastChatNumber, 7);
    EXPECT_EQ(frmChat().Text1.SelStart(), frmChat().Text1.Text().size()) << "the caret at the end";
}

TEST_F(ChatReceiveTest, ASystemLineShowsGriskAsSpeakerFromEveryVersion) {
    for (const char* version : {"96", "74"}) {
        client(version);
        receive("SY  2#$-GRISK: Host has restarted this game.");
        EXPECT_EQ(lastHistoryLine(), "GRISK: Host has restarted this game.") << version;
        EXPECT_EQ(label(), PeerTagsChat(version) ? "Host has restarted this game."
                                                 : "GRISK: Host has restarted this game.")
            << version;
        EXPECT_TRUE(sound::LastRequested().endsWith("~108.tmp")) << version;
    }
}

TEST_F(ChatReceiveTest, AnOldPeersLineIsShownUnderTheOpponentsName) {
    client("74");
    receive("SY  3#Hello there");
    EXPECT_EQ(lastHistoryLine(), "Hal: Hello there");
}

// Icons of each kind the chat lists show on the table beside the line.
TEST_F(ChatReceiveTest, AnIconLineShowsThePictureFromTheIconsFolder) {
    struct Case {
        const char* file;
        const char* format;
    };
    for (const Case& c : {Case{"Icons/Wink.gif", "GIF"}, Case{"Icons/Wink.jpg", "JPG"}, Case{"Icons/Wink.bmp", "BMP"}}) {
        if (QImageWriter::supportedImageFormats().contains(QByteArray(c.format).toLower())) {
            for (const char* f : {"Icons/Wink.gif", "Icons/Wink.jpg", "Icons/Wink.bmp"}) QFile::remove(tempPath(f));
            picture(c.file, c.format);
            receive("SY  4#Hal: ICO Wink!got you");
            EXPECT_TRUE(frmGrisk().imgIcon.Visible()) << c.file;
            EXPECT_GT(frmGrisk().imgIcon.Picture().pixelColor(3, 3).red(), 200) << c.file;
            EXPECT_EQ(lastHistoryLine(), "Hal: PIC <Wink> got you") << c.file;
            EXPECT_EQ(label(), "got you");
        }
    }
    receive("PK  False");
    EXPECT_FALSE(frmGrisk().imgIcon.Visible()) << "the icon stays until the next chat or peek line";
    receive("SY  5#Hal: ICO Missing!where is it");
    EXPECT_FALSE(frmGrisk().imgIcon.Visible());
    EXPECT_EQ(lastHistoryLine(), "Hal: where is it");
}

TEST_F(ChatReceiveTest, ASoundIsPlayedOnlyWhenThePlayerHasIt) {
    QFile wav(tempPath("Sounds/Boing.wav"));
    ASSERT_TRUE(wav.open(QIODevice::WriteOnly));
    wav.close();
    receive("SY  4#Hal: WAV Boing.wav");
    EXPECT_EQ(label(), "Sound from Hal: Boing");
    EXPECT_EQ(sound::LastRequested(), tempPath("Sounds/Boing.wav"));
    sound::PlayAsync(marker_);
    receive("SY  5#Hal: WAV Voze3.pmw");
    EXPECT_EQ(label(), "Sound from Hal: Voze3\r\n(You don't have this sound)");
    EXPECT_TRUE(nothingPlayed());
    client("74");
    receive("SY  6#WAV Boing");
    EXPECT_EQ(sound::LastRequested(), tempPath("Sounds/Boing.wav")) << "an old peer names it without .wav";
    EXPECT_EQ(frmChat().Text1.Text().count("Boing"), 0) << "sounds are not shown in the history";
}

TEST_F(ChatReceiveTest, ASlapInAnyCaseSlapsTheAvatar) {
    for (const char* body : {"Hal: <SMACK>", "Hal: <slap>", "Hal: <Smack>!!"}) {
        frmGrisk().imgSlap.setVisible(false);
        receive(QString("SY  8#") + body);
        EXPECT_TRUE(frmGrisk().imgSlap.Visible()) << body;
        EXPECT_EQ(label(), "Hal: sent SLAP!") << body;
    }
}

// A line without its number is shown as it came and does nothing else.
TEST_F(ChatReceiveTest, ALineWithoutItsNumberIsOnlyShown) {
    grisk_test::WebPages pages;
    QDesktopServices::setUrlHandler("https", &pages, "open");
    receive("SY  3#Hal: hello");
    frmGrisk().imgSlap.setVisible(false);
    for (const char* line : {"SY Eve: <SLAP>", "SY <SMACK>", "SY Eve: https://x.example/", "SY Eve: ICO Wink!hi",
                             "SY Eve Quit!^", "SY  x#Eve: <SLAP>"}) {
        receive(line);
        EXPECT_EQ(lastHistoryLine(), QString(line).mid(3).trimmed()) << line;
    }
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_FALSE(frmGrisk().imgSlap.Visible());
    EXPECT_FALSE(frmGrisk().imgIcon.Visible());
    EXPECT_TRUE(pages.opened.isEmpty());
    EXPECT_TRUE(vb::msgbox_script::shown().empty());
    EXPECT_FALSE(inet.HostQuit);
    EXPECT_EQ(inet.ChatSpeaker, "Hal: ");
    EXPECT_EQ(inet.LastChatNumber, 3);
}

TEST_F(ChatReceiveTest, AWebAddressIsShownAndOpenedOnlyWhenThePlayerAgrees) {
    grisk_test::WebPages pages;
    QDesktopServices::setUrlHandler("https", &pages, "open");
    vb::msgbox_script::pushAnswer(vb::vbNo);
    receive("SY  4#Hal: https://quenmoor.example/news");
    EXPECT_EQ(lastHistoryLine(), "Hal: https://quenmoor.example/news");
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_TRUE(vb::msgbox_script::shown()[0].prompt.contains("https://quenmoor.example/news"));
    EXPECT_TRUE(pages.opened.isEmpty());
    vb::msgbox_script::pushAnswer(vb::vbYes);
    receive("SY  5#Hal: https://quenmoor.example/news");
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(pages.opened, QStringList{"https://quenmoor.example/news"});
}

TEST_F(ChatReceiveTest, APeekLineSaysWhetherTheOpponentPeeks) {
    receive("PK  True");
    EXPECT_TRUE(frmGrisk().LabelPeek.Visible());
    EXPECT_EQ(frmGrisk().LabelPeek.Caption(), "Opponent is PEEKING!");
    EXPECT_FALSE(frmGrisk().LabelPeek.rectPx().isEmpty()) << "the notice has room to show";
    EXPECT_TRUE(inet.PeerPeeking);
    EXPECT_TRUE(sound::LastRequested().endsWith("~105.tmp"));
    receive("PK  False");
    EXPECT_EQ(frmGrisk().LabelPeek.Caption(), "Opponent is not peeking now.");
    EXPECT_FALSE(inet.PeerPeeking);
}

TEST_F(ChatReceiveTest, TheBusyNoticeEndsAConnectionStillWaitingForItsHello) {
    inet.PeerVersion.clear();
    inet.NetPeers = 99;
    receive("SY  1#GRISK: So you want to play with us? Sorry I'm busy!");
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_EQ(vb::msgbox_script::shown()[0].title, "Impossible");
    EXPECT_EQ(vb::msgbox_script::shown()[0].prompt, "You cannot join this game. The host is playing someone else.");
    EXPECT_EQ(inet.NetPeers, 0);
    EXPECT_EQ(inet.NetState, 0);
    EXPECT_EQ(inet.LastChatNumber, 0);
}

TEST_F(ChatReceiveTest, OnlyTheHostsOwnQuitNoticeOffersToSaveTheGame) {
    eng.Pturn = 1;
    receive("SY  5#Hal: I Quit!^");
    EXPECT_TRUE(vb::msgbox_script::shown().empty()) << "a typed line is only text";
    EXPECT_EQ(lastHistoryLine(), "Hal: I Quit!^");
    vb::msgbox_script::pushAnswer(vb::vbNo);
    receive("SY  6#Hal Quit!^");
    EXPECT_EQ(lastHistoryLine(), "Hal Quit!");
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_EQ(vb::msgbox_script::shown()[0].title, "Save Game");
}

TEST_F(ChatReceiveTest, TheLogKeepsChatLinesButNotSystemLines) {
    ASSERT_TRUE(ChatLogOpen(tempPath("talk.txt"), "Hal"));
    receive("SY  1#Hal: first");
    receive("SY  2#Bob: ICO Sad!second");
    client("74");
    receive("SY  3#$-GRISK: not logged");
    ChatLogClose();
    QFile f(tempPath("talk.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLocal8Bit(f.readAll()).split("\r\n");
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[0], "");
    EXPECT_TRUE(lines[1].endsWith(" Online with Hal")) << lines[1].toStdString();
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "Hal: first");
    EXPECT_EQ(lines[4], "Bob: second");
    EXPECT_FALSE(QString(lines.join("|")).contains("not logged"));
}

// Lines a hostile peer may send: none plays, shows or opens anything beyond
// its text, and the connection and the table stay as they were.
TEST_F(ChatReceiveTest, HostileLinesChangeNothingButTheHistory) {
    QFile outside(tempPath("outside.wav"));
    ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
    outside.close();
    picture("secret.bmp", "BMP");
    grisk_test::WebPages pages;
    for (const char* scheme : {"https", "http", "file", "javascript"})
        QDesktopServices::setUrlHandler(scheme, &pages, "open");
    const QStringList lines = {
        "SY  1#Eve: WAV ../outside.wav",
        "SY  1#Eve: WAV " + tempPath("outside.wav"),
        "SY  1#Eve: WAV outside.wav\\..\\..",
        "SY  1#Eve: ICO ../secret!look",
        "SY  1#Eve: ICO " + tempPath("secret") + "!look",
        "SY  1#Eve: ICO no mark here",
        "SY  1#Eve: file:///etc/passwd",
        "SY  1#Eve: javascript:alert(1)",
        "SY  1#Eve: HTTP:/broken",
        "SY  1#Eve: http://a.example and more",
        "SY",
        "SY#",
        "SY  99999999999999999999#Eve: big",
        "SY " + QString(3000, '#'),
        "SY  1#" + QString(5000, 'x'),
        "PK",
        "PK  Tru",
    };
    for (const QString& line : lines) receive(line);
    for (const char* scheme : {"https", "http", "file", "javascript"}) QDesktopServices::unsetUrlHandler(scheme);
    EXPECT_TRUE(nothingPlayed() || !sound::LastRequested().contains("outside")) << sound::LastRequested().toStdString();
    EXPECT_FALSE(sound::LastRequested().contains("outside"));
    EXPECT_FALSE(frmGrisk().imgIcon.Visible());
    EXPECT_TRUE(pages.opened.isEmpty());
    EXPECT_TRUE(vb::msgbox_script::shown().empty());
    EXPECT_EQ(inet.NetPeers, 1);
    EXPECT_EQ(inet.NetState, 0) << "chat lines never change the game's state";
    EXPECT_LE(frmChat().Text1.Text().size(), 4000);
    EXPECT_FALSE(inet.PeerPeeking);
}

// A host with two or three remote players.
class ChatRelayTest : public ChatReceiveTest {
protected:
    void host(int peers) {
        inet.NetPeers = peers;
        inet.IsHost = 1;
        inet.NetSlotCount = peers;
        inet.NetSockIndex = 1;
        inet.PeerVersion = "96";
        for (int i = 1; i <= peers; ++i) {
            inet.NetSlots(i) = NetSlot{{}, i, 7, i, {}};
            NetHandshakeDone(i);
            machines[i - 1].connect(i);
        }
    }
    void relayBy(int peers) {
        host(peers);
        inet.ChatCount = 10;
        machines[0].send("SY Ann: <SLAP>");
        machines[0].send("SY  4#Ann: ICO Wink!hello all");
        machines[0].send("SY  5#Ann Quit!^");
        machines[0].send("SY  6#$-GRISK: You're being watched.");
        machines[0].send("PK  True");
        for (int k = 1; k < peers; ++k) {
            machines[k].codes(3);
            EXPECT_EQ(machines[k].lines, (QStringList{"SY  11#Ann: ICO Wink!hello all", "SY  12#Ann Quit!",
                                                      "SY  13#GRISK: You're being watched."}))
                << "machine " << k + 1;
        }
        ASSERT_TRUE(grisk_test::RunEventsUntil([] { return inet.PeerPeeking; }));
        grisk_test::RunEventsFor(50);
        EXPECT_TRUE(machines[0].lines.isEmpty());
        EXPECT_EQ(inet.ChatCount, 13);
        EXPECT_EQ(lastHistoryLine(), "GRISK: You're being watched.");
        EXPECT_EQ(frmGrisk().LabelPeek.Caption(), "Opponent is PEEKING!");
    }
    grisk_test::FakePeer machines[3];
};

// Ann on the first connection speaks; every other remote player hears it.
TEST_F(ChatRelayTest, AHostOfTwoPassesALineOnWithItsOwnNumberButNeverBackToItsSender) { relayBy(2); }
TEST_F(ChatRelayTest, AHostOfThreePassesALineOnWithItsOwnNumberButNeverBackToItsSender) { relayBy(3); }

TEST_F(ChatRelayTest, AHostOfOneRemotePlayerPassesNothingOn) {
    host(1);
    inet.ChatCount = 3;
    machines[0].send("SY  4#Ann: hi");
    ASSERT_TRUE(grisk_test::RunEventsUntil([] { return lastHistoryLine() == "Ann: hi"; }));
    EXPECT_EQ(inet.ChatCount, 3);
    grisk_test::RunEventsFor(50);
    EXPECT_TRUE(machines[0].lines.isEmpty());
}

}  // namespace

