// The chat window as the player uses it, against a peer on a real loop-back
// connection: the lists from a fixture folder, sounds and icons sent, the
// smileys, the quick phrases, slaps, the chat log from the chat menu,
// import and export, and the window's own buttons.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <functional>
#include <QFile>
#include <QImage>

#include "engine/deal_fixture.h"
#include "engine/fake_peer.h"
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "net/chat_log.h"
#include "net/connection.h"
#include "net/frm_chat.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/common_dialog.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "platform/popup_menu.h"
#include "platform/settings.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "records/state.h"
#include "table/state.h"

using namespace grisk;

namespace {

class ChatWindowTest : public grisk_test::DealTableTest {
protected:
    void SetUp() override {
        DealTableTest::SetUp();
        table(2);
        eng.UserFolder = tempFolder() + "/";
        eng.DocumentsFolder = tempFolder() + "/docs";
        for (const char* folder : {"Sounds", "Icons", "docs"}) QDir(tempFolder()).mkpath(folder);
        eng.PlayerName = "Ottilie";
        recs.OppName = "Hal";
        for (const char* f : {"Sounds/Boing.WAV", "Sounds/Voze3.pmw", "Sounds/notes.txt", "Sounds/Cheer.wav"})
            touch(f);
        for (const char* f : {"Icons/Wink.gif", "Icons/Grinning.gif", "Icons/Photo.jpg", "Icons/Pic.bmp", "Icons/x.png"})
            picture(f);
        grisk_test::FailWaitsThatNeverEnd(guard_, "the chat");
    }
    void TearDown() override {
        CloseAllSockets();
        NetCleanUp();
        DealTableTest::TearDown();
    }
    void touch(const QString& file) {
        QFile f(tempPath(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    void picture(const QString& file) {
        QImage img(16, 16, QImage::Format_RGB32);
        img.fill(Qt::blue);
        ASSERT_TRUE(img.save(tempPath(file), "PNG"));
    }
    // A peer of version on the one connection of this remote machine, and
    // the chat window open.
    FrmChat& open(const QString& version) {
        grisk_test::StartTwoPlayerGame(peer, 0, version);
        frmChat().LoadAsDesigned();
        frmChat().Show();
        return frmChat();
    }
    static QStringList entries(const vb::Control& list) {
        QStringList out;
        for (int i = 0; i < list.ListCount(); ++i) out << list.List(i);
        return out;
    }
    static QString lastHistoryLine() { return frmChat().Text1.Text().split("\r\n").last(); }
    static void say(FrmChat& chat, const QString& text) {
        vb::UserTypes(chat.Text2, text);
        vb::UserClicks(chat.Command1);
    }
    // The player opens the list with its button and picks the entry.
    static void pick(vb::Control& list, const QString& entry) {
        FrmChat& chat = frmChat();
        vb::UserClicks(&list == &chat.lstWavs ? chat.cmdShowSounds : chat.cmdIcon);
        const int i = static_cast<int>(entries(list).indexOf(entry));
        ASSERT_GE(i, 0) << entry.toStdString();
        vb::UserPicks(list, i);
    }
    // The chat menu's entry (0 Start Logging .. 6 Help).
    static void menu(FrmChat& chat, int entry) {
        vb::popup_script::pushChoice(entry);
        vb::UserClicks(chat.lblOptions);
    }
    static QString lastBox() {
        const auto& shown = vb::msgbox_script::shown();
        return shown.empty() ? QString() : shown.back().title + ": " + shown.back().prompt;
    }
    grisk_test::FakePeer peer;
    QObject guard_;
};

TEST_F(ChatWindowTest, TheListsHoldTheUsersSoundsAndIconsBetweenTheirFirstAndLastEntries) {
    FrmChat& chat = open("96");
    EXPECT_EQ(entries(chat.lstWavs), (QStringList{"-Select Sound:", "Boing", "Cheer", "Voze3", "(refresh)"}));
    EXPECT_EQ(chat.lstWavs.ItemData(1), 1);
    EXPECT_EQ(chat.lstWavs.ItemData(2), 1);
    EXPECT_EQ(chat.lstWavs.ItemData(3), 0);
    EXPECT_EQ(chat.lstWavs.ListIndex(), 0);
    EXPECT_EQ(entries(chat.lstIcons), (QStringList{"-Select Icon:", "Grinning", "Photo", "Pic", "Wink", "(refresh)"}));
    EXPECT_EQ(inet.ChatSoundSets(1), "") << "Grisk is no chat sound set";
    EXPECT_EQ(inet.ChatSoundSets(2), "Varnok");
    EXPECT_EQ(inet.ChatSoundSets(3), "Mirabel");

    touch("Sounds/Drum.wav");
    pick(chat.lstWavs, "(refresh)");
    EXPECT_TRUE(entries(chat.lstWavs).contains("Drum"));
    EXPECT_FALSE(chat.lstWavs.Visible());
    EXPECT_TRUE(peer.lines.isEmpty()) << "the refresh sends nothing";
}

TEST_F(ChatWindowTest, ASoundPickedGoesAtOnceWithItsExtensionAndPlaysHere) {
    FrmChat& chat = open("96");
    pick(chat.lstWavs, "Voze3");
    peer.codes(1);
    EXPECT_EQ(peer.lines, QStringList{"SY  1#Ottilie: WAV Voze3.pmw"});
    EXPECT_EQ(lastHistoryLine(), "Sent: WAV Voze3");
    EXPECT_EQ(sound::LastRequested(), tempPath("Sounds/Voze3.pmw"));
    EXPECT_TRUE(chat.Text2.Text().isEmpty());
    pick(chat.lstWavs, "Boing");
    peer.codes(2);
    EXPECT_EQ(peer.lines.value(1), "SY  2#Ottilie: WAV Boing.wav");
    EXPECT_EQ(sound::LastRequested(), tempPath("Sounds/Boing.WAV")) << "the file whatever the case of its name";
    say(chat, "WAV Cheer");
    peer.codes(3);
    EXPECT_EQ(peer.lines.value(2), "SY  3#Ottilie: WAV Cheer.wav") << "a sound typed by its name";
    EXPECT_EQ(sound::LastRequested(), tempPath("Sounds/Cheer.wav"));
}

TEST_F(ChatWindowTest, WhileConnectingASoundIsOnlyPlayedHere) {
    FrmChat& chat = open("96");
    inet.NetPeers = 99;
    pick(chat.lstWavs, "Cheer");
    EXPECT_EQ(sound::LastRequested(), tempPath("Sounds/Cheer.wav"));
    grisk_test::RunEventsFor(50);
    EXPECT_TRUE(peer.lines.isEmpty());
}

TEST_F(ChatWindowTest, AnIconForAnOldPeerWarnsButStillGoesWithTheNextLine) {
    FrmChat& chat = open("74");
    pick(chat.lstIcons, "Wink");
    EXPECT_EQ(lastHistoryLine(), ">>> Hal can't see the picture you are sending. Feature only works with v.8.2+");
    EXPECT_TRUE(chat.Picture1.Visible());
    EXPECT_FALSE(chat.imgIcon.Picture().isNull());
    EXPECT_LT(chat.Text2.Width() + chat.Text2.Left(), chat.Picture1.Left() + 1) << "the input box makes room";
    say(chat, "hello");
    peer.codes(1);
    EXPECT_EQ(peer.lines, QStringList{"SY  1#ICO Wink!hello"});
    EXPECT_EQ(lastHistoryLine(), "Ottilie: PIC <Wink> hello");
    EXPECT_FALSE(chat.Picture1.Visible());
    EXPECT_FALSE(chat.IconChosen);
}

TEST_F(ChatWindowTest, BackspaceInAnEmptyInputTakesTheIconAway) {
    FrmChat& chat = open("96");
    pick(chat.lstIcons, "Photo");
    ASSERT_TRUE(chat.IconChosen);
    int key = vb::vbKeyBack;
    chat.Form_KeyDown(key, 0);
    EXPECT_FALSE(chat.IconChosen);
    EXPECT_FALSE(chat.Picture1.Visible());
}

// A smiley picks its icon only for a peer that shows icons.
TEST_F(ChatWindowTest, ASmileyBecomesAnIconForACurrentPeer) {
    FrmChat& chat = open("96");
    say(chat, "good game:-D");
    peer.codes(1);
    EXPECT_EQ(peer.lines, QStringList{"SY  1#Ottilie: ICO Grinning!good game"});
    EXPECT_EQ(lastHistoryLine(), "Ottilie: PIC <Grinning> good game");
}

TEST_F(ChatWindowTest, ASmileyStaysTextForAnOldPeer) {
    FrmChat& chat = open("74");
    say(chat, "good game:-D");
    peer.codes(1);
    EXPECT_EQ(peer.lines, QStringList{"SY  1#good game:-D"});
    EXPECT_EQ(lastHistoryLine(), "Ottilie: good game:-D");
}

TEST_F(ChatWindowTest, TheQuickPhrasesComeFromTheRemarksAndFillTheInput) {
    for (int i = 1; i <= 20; ++i) eng.Player2.RecComments(i) = "phrase " + QString::number(i);
    FrmChat& chat = open("96");
    EXPECT_EQ(chat.CmdChat(3).ToolTipText(), "phrase 3");
    EXPECT_EQ(chat.CmdChat(20).ToolTipText(), "phrase 20");
    vb::UserClicks(chat.cmdIcon);
    vb::UserClicks(chat.CmdChat(3));
    EXPECT_EQ(chat.Text2.Text(), "phrase 3");
    EXPECT_FALSE(chat.lstIcons.Visible());
}

TEST_F(ChatWindowTest, ASlapGoesAsASmackAndASmackSlapsHereToo) {
    FrmChat& chat = open("96");
    say(chat, "<SLAP>");
    EXPECT_EQ(lastHistoryLine(), "Sent: You slapped your opponent! ");
    EXPECT_FALSE(frmGrisk().imgSlap.Visible());
    say(chat, "<smack>");
    peer.codes(2);
    EXPECT_EQ(peer.lines, (QStringList{"SY  1#Ottilie: <SMACK>", "SY  2#Ottilie: <smack>"}));
    EXPECT_EQ(lastHistoryLine(), "Sent: Smack Slap! (Ouch!) ");
    EXPECT_TRUE(frmGrisk().imgSlap.Visible());
}

TEST_F(ChatWindowTest, SendingWithNobodyConnectedClosesTheWindow) {
    FrmChat& chat = open("96");
    CloseAllSockets();
    NetCleanUp();
    chat.Show();
    say(chat, "anyone?");
    EXPECT_FALSE(chat.isLoaded());
    EXPECT_FALSE(chat.Text1.Text().contains("anyone?"));
}

TEST_F(ChatWindowTest, LoggingStartsOnceStopsAndEndsWithTheWindow) {
    FrmChat& chat = open("96");
    const QString log = tempPath("docs/Hal.txt");
    vb::dialog_script::pushFile(log);
    menu(chat, 0);
    EXPECT_EQ(lastBox(), "Chat Logging: Logging Started");
    ASSERT_TRUE(inet.ChatLogOn);
    ASSERT_EQ(vb::dialog_script::shown().size(), 1u);
    EXPECT_EQ(vb::dialog_script::shown()[0].title, "Save Log to:");
    EXPECT_EQ(vb::dialog_script::shown()[0].filter, "Text Files (*.txt)|*.txt");
    EXPECT_EQ(vb::dialog_script::shown()[0].initDir, eng.DocumentsFolder);
    menu(chat, 0);
    EXPECT_EQ(lastBox(), "Chat Logging: You've already started logging this conversation, remember?");
    say(chat, "kept");
    menu(chat, 1);
    EXPECT_EQ(lastBox(), "Chat Logging: Logging Stopped");
    EXPECT_FALSE(inet.ChatLogOn);
    say(chat, "not kept");
    menu(chat, 1);
    EXPECT_EQ(lastBox(), "Chat Logging: Logging wasn't on.");
    QFile f(log);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromLocal8Bit(f.readAll());
    EXPECT_TRUE(text.contains("Online with Hal\r\n\r\nOttilie: kept\r\n"));
    EXPECT_FALSE(text.contains("not kept"));
    f.close();

    vb::dialog_script::pushFile(log);
    menu(chat, 0);
    ASSERT_TRUE(inet.ChatLogOn);
    chat.Unload();
    EXPECT_FALSE(inet.ChatLogOn) << "the log closes with the window";
    EXPECT_TRUE(ChatLogPath().isEmpty());
}

TEST_F(ChatWindowTest, AStaleLogFolderFallsBackToTheDocumentsAndAChosenOneIsKept) {
    FrmChat& chat = open("96");
    vb::SaveSetting("Quenmoor", "Options10", "Log", tempPath("gone"));
    QDir(tempFolder()).mkpath("logs");
    vb::dialog_script::pushFile(tempPath("logs/talk.txt"));
    menu(chat, 0);
    ASSERT_EQ(vb::dialog_script::shown().size(), 1u);
    EXPECT_EQ(vb::dialog_script::shown()[0].initDir, eng.DocumentsFolder);
    EXPECT_EQ(vb::GetSetting("Quenmoor", "Options10", "Log"), tempPath("logs"));
    menu(chat, 1);
    menu(chat, 0);  // the dialog is cancelled: nothing queued
    EXPECT_EQ(vb::dialog_script::shown().back().initDir, tempPath("logs"));
    EXPECT_EQ(lastBox(), "Log cancelled: Logging Cancelled");
    EXPECT_FALSE(inet.ChatLogOn);
}

TEST_F(ChatWindowTest, AWindowOpenedAgainStartsAsDesigned) {
    FrmChat& chat = open("96");
    const double width = chat.Width();
    const double font = chat.Label1.FontSize();
    say(chat, "first game");
    vb::UserClicks(chat.cmdSize);
    CloseAllSockets();
    NetCleanUp();
    EXPECT_FALSE(chat.isLoaded());
    chat.LoadAsDesigned();
    EXPECT_DOUBLE_EQ(chat.Width(), width);
    EXPECT_DOUBLE_EQ(chat.Label1.FontSize(), font);
    EXPECT_FALSE(chat.Text1.Text().contains("first game"));
    EXPECT_FALSE(chat.LargeSize);
}

TEST_F(ChatWindowTest, LoggingWaitsForTheConnection) {
    FrmChat& chat = open("96");
    inet.NetPeers = 99;
    menu(chat, 0);
    EXPECT_EQ(lastBox(),
              "Chat Logging: Please wait until you are connected to your opponent, then start the chat logging.");
    EXPECT_TRUE(vb::dialog_script::shown().empty());
}

TEST_F(ChatWindowTest, TheLogsNameFromAPeersNameIsOnePlainFileName) {
    struct Case {
        const char* name;
        const char* safe;
    };
    for (const Case& c : {Case{"Hal", "Hal"}, Case{"../../.bashrc", "bashrc"}, Case{"a/b\\c", "abc"},
                          Case{"", "Chat"}, Case{"..", "Chat"}, Case{"Dee\tDee", "DeeDee"}})
        EXPECT_EQ(SafeLogFileName(c.name), c.safe) << c.name;
}

// The connection ends while the chat menu or the log's dialog is open: no
// log is opened, and the next game's logging starts afresh.
TEST_F(ChatWindowTest, NoLogIsStartedOnceTheConnectionHasEnded) {
    struct Case {
        const char* what;
        bool duringMenu;
        std::function<void()> ends;
    };
    const auto cleanUp = [] {
        CloseAllSockets();
        NetCleanUp();
    };
    const Case cases[] = {
        {"the menu open, the game cleaned up", true, cleanUp},
        {"the dialog open, the game cleaned up", false, cleanUp},
        {"the dialog open, the peer gone", false, [] { inet.NetPeers = 0; }},
    };
    for (const Case& c : cases) {
        grisk_test::FakePeer machine;
        grisk_test::StartTwoPlayerGame(machine, 0, "96");
        FrmChat& chat = frmChat();
        chat.LoadAsDesigned();
        chat.Show();
        vb::dialog_script::enable();
        vb::msgbox_script::enable();
        const QString log = tempPath(QString("docs/") + c.what + ".txt");
        vb::dialog_script::pushFile(log);
        if (c.duringMenu) {
            c.ends();
            vb::popup_script::pushChoice(0);
            chat.lblOptions_Click();  // the menu's choice is taken after it closes
            EXPECT_TRUE(vb::dialog_script::shown().empty()) << c.what;
        } else {
            vb::dialog_script::runWhileOpen(c.ends);
            menu(chat, 0);
            EXPECT_EQ(vb::dialog_script::shown().size(), 1u) << c.what;
        }
        EXPECT_FALSE(inet.ChatLogOn) << c.what;
        EXPECT_TRUE(ChatLogPath().isEmpty()) << c.what;
        EXPECT_FALSE(QFile::exists(log)) << c.what;
        EXPECT_NE(lastBox(), "Chat Logging: Logging Started") << c.what;
        ChatLogClose();
        cleanUp();
    }
}

// Import and export start in the folder of the last file chosen (the
// documents at first) and keep the folder of the file chosen now; the
// Icons or Sounds folder is where an export picks its file.
TEST_F(ChatWindowTest, ImportAndExportStartWhereTheLastFileWasChosen) {
    FrmChat& chat = open("96");
    for (const char* folder : {"outside", "elsewhere"}) QDir(tempFolder()).mkpath(folder);
    picture("outside/Smile.bmp");
    touch("elsewhere/Ding.wav");
    vb::dialog_script::pushFile(tempPath("outside/Smile.bmp"));
    menu(chat, 4);
    EXPECT_EQ(GetLastFolder(), tempPath("outside"));
    vb::dialog_script::pushFile(tempPath("Sounds/Cheer.wav"));
    vb::dialog_script::pushFile(tempPath("elsewhere/Cheer.wav"));
    menu(chat, 3);
    EXPECT_TRUE(QFile::exists(tempPath("elsewhere/Cheer.wav")));
    EXPECT_EQ(GetLastFolder(), tempPath("elsewhere"));
    vb::dialog_script::pushFile(tempPath("elsewhere/Ding.wav"));
    menu(chat, 2);
    const auto& shown = vb::dialog_script::shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].initDir, eng.DocumentsFolder) << "the first import";
    EXPECT_EQ(shown[1].initDir, tempPath("Sounds/")) << "the export's pick";
    EXPECT_EQ(shown[2].initDir, tempPath("outside")) << "the export's place";
    EXPECT_EQ(shown[3].initDir, tempPath("elsewhere")) << "the next import";
}

// A chosen file the chat cannot take is named in a box, and nothing is copied.
TEST_F(ChatWindowTest, AnImportOfAFileTheChatCannotTakeSaysSo) {
    struct Case {
        int entry;
        const char* file;
        const char* title;
    };
    FrmChat& chat = open("96");
    QDir(tempFolder()).mkpath("outside");
    for (const Case& c : {Case{4, "outside/Smile.png", "Import Icon"}, Case{2, "outside/Ding.mp3", "Import Sound"},
                          Case{2, "outside/a:b.wav", "Import Sound"}}) {
        touch(c.file);
        vb::dialog_script::pushFile(tempPath(c.file));
        menu(chat, c.entry);
        const QString name = QFileInfo(c.file).fileName();
        ASSERT_FALSE(vb::msgbox_script::shown().empty()) << c.file;
        EXPECT_EQ(vb::msgbox_script::shown().back().title, c.title) << c.file;
        EXPECT_TRUE(vb::msgbox_script::shown().back().prompt.contains(name)) << c.file;
        EXPECT_FALSE(QFile::exists(tempPath("Icons/" + name)) || QFile::exists(tempPath("Sounds/" + name))) << c.file;
    }
}

TEST_F(ChatWindowTest, ImportedIconsAndSoundsJoinTheListsAndExportCopiesThemOut) {
    FrmChat& chat = open("96");
    QDir(tempFolder()).mkpath("outside");
    picture("outside/Smile.bmp");
    touch("outside/Ding.wav");
    vb::dialog_script::pushFile(tempPath("outside/Smile.bmp"));
    menu(chat, 4);
    vb::dialog_script::pushFile(tempPath("outside/Ding.wav"));
    menu(chat, 2);
    EXPECT_TRUE(QFile::exists(tempPath("Icons/Smile.bmp")));
    EXPECT_TRUE(entries(chat.lstIcons).contains("Smile"));
    EXPECT_TRUE(entries(chat.lstWavs).contains("Ding"));
    EXPECT_EQ(vb::dialog_script::shown()[0].title, "Import Icon");
    EXPECT_EQ(vb::dialog_script::shown()[1].title, "Import Sound");

    vb::dialog_script::pushFile(tempPath("Icons/Wink.gif"));
    vb::dialog_script::pushFile(tempPath("outside/Wink.gif"));
    menu(chat, 5);
    EXPECT_TRUE(QFile::exists(tempPath("outside/Wink.gif")));
    EXPECT_EQ(vb::dialog_script::shown()[2].title, "Export Icon: Select Icon");
    EXPECT_EQ(vb::dialog_script::shown()[3].title, "Export - choose folder to Export to");
}

// Every button of the window lies inside it, and none covers another.
void everyButtonFits(FrmChat& chat, const char* when) {
    std::vector<vb::Control*> buttons = {&chat.cmdIcon,     &chat.cmdShowSounds, &chat.cmdOnTop, &chat.cmdSize,
                                         &chat.cmdText(0),  &chat.cmdText(1),    &chat.Command1, &chat.lblOptions};
    for (int i = 1; i <= 20; ++i) buttons.push_back(&chat.CmdChat(i));
    for (vb::Control* b : buttons) {
        EXPECT_GT(b->Width(), 0) << when;
        EXPECT_GE(b->Left(), 0) << when;
        EXPECT_LE(b->Left() + b->Width(), chat.ScaleWidth() + 0.5) << when;
        EXPECT_LE(b->Top() + b->Height(), chat.ScaleHeight() + 0.5) << when;
    }
    for (vb::Control* a : buttons)
        for (vb::Control* b : buttons)
            if (a != b)
                EXPECT_FALSE(a->Left() < b->Left() + b->Width() - 0.5 && b->Left() < a->Left() + a->Width() - 0.5 &&
                             a->Top() < b->Top() + b->Height() - 0.5 && b->Top() < a->Top() + a->Height() - 0.5)
                    << when;
}

// On a small screen the window opens smaller and its size button makes it
// smaller still: the buttons still fit.
TEST_F(ChatWindowTest, OnASmallScreenEveryButtonStillFits) {
    screen::Metrics small;
    small.widthTw = 9600;
    small.heightTw = 7200;
    screen::Inject(small);
    FrmChat& chat = open("96");
    everyButtonFits(chat, "as opened");
    vb::UserClicks(chat.cmdSize);
    everyButtonFits(chat, "made smaller");
    screen::ClearInjection();
}

TEST_F(ChatWindowTest, ThePinTheSizeAndTheFontButtons) {
    FrmChat& chat = open("96");
    EXPECT_TRUE(chat.StayOnTop());
    vb::UserClicks(chat.cmdOnTop);
    EXPECT_FALSE(chat.StayOnTop());
    EXPECT_EQ(chat.cmdOnTop.Picture(), chat.imgPin(1).Picture());
    vb::UserClicks(chat.cmdOnTop);
    EXPECT_TRUE(chat.StayOnTop());
    EXPECT_EQ(chat.cmdOnTop.Picture(), chat.imgPin(0).Picture());

    // The first click makes the window smaller, the next one larger again.
    const double width = chat.Width();
    const int spacing = tbl.CardSpacing;
    vb::UserClicks(chat.cmdSize);
    EXPECT_LT(chat.Width(), width);
    EXPECT_EQ(tbl.CardSpacing, spacing) << "the table keeps its card spacing";
    everyButtonFits(chat, "after the first click");
    vb::UserClicks(chat.cmdSize);
    EXPECT_NEAR(chat.Width(), width, 20);
    everyButtonFits(chat, "after the second click");

    const double font = chat.Text1.FontSize();
    vb::UserClicks(chat.cmdText(0));
    EXPECT_DOUBLE_EQ(chat.Text1.FontSize(), font + 2);
    EXPECT_DOUBLE_EQ(chat.Text2.FontSize(), font + 2);
    vb::UserClicks(chat.cmdText(1));
    vb::UserClicks(chat.cmdText(1));
    EXPECT_DOUBLE_EQ(chat.Text1.FontSize(), font - 2);
}

}  // namespace
