// The table's keyboard: which function and Ctrl keys reach their commands
// in a local game, on an Internet host, on a remote player's machine and
// while a connection is made; the emotion icons of the letters and the
// opponent's sounds of the digits; the prepared positions of Ctrl+Shift+S
// and R; and the keys that only stop the card flow or meet the tutorial.
#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "engine/frm_grisk.h"
#include "engine/open_files.h"
#include "engine/state.h"
#include "net/state.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "platform/sound.h"
#include "records/saved_game_record.h"
#include "records/saved_games.h"
#include "records/frm_score_stat.h"
#include "records/record_fields.h"
#include "records/state.h"
#include "shell/help.h"
#include "shell/keyboard.h"
#include "shell/menu_commands.h"
#include "shell/state.h"
#include "table/card_counter.h"
#include "table_fixture.h"

using namespace grisk;
using grisk_test::Card;

namespace {

constexpr int F(int n) { return vb::vbKeyF1 + n - 1; }
constexpr int kCtrl = vb::vbCtrlMask;
constexpr int kCtrlShift = vb::vbCtrlMask | vb::vbShiftMask;

class KeyboardTest : public grisk_test::HumanToMoveTest {
protected:
    void SetUp() override {
        HumanToMoveTest::SetUp();
        f().cmdDeal.setVisible(false);
        eng.UserFolder = tempFolder() + "/";
    }
    void TearDown() override {
        ShowHelpTopic(QStringLiteral("Close"), QStringLiteral("Close"));
        if (FrmCounterExists() && frmCounter().isLoaded()) frmCounter().Unload();
        ReleaseFrmCounter();
        HumanToMoveTest::TearDown();
    }
    static void key(int code, int shift = 0) { HandleKeyDown(code, shift); }
    static const std::vector<vb::ShownBox>& boxes() { return vb::msgbox_script::shown(); }
};

// ------------------------------------------------------- keys and commands

enum Where { Local, Host, Remote, Connecting };

struct KeyCase {
    const char* name;
    int code;
    int shift;
    Where where;
    bool reaches;  // the key reaches its command
};

class CommandKeyTest : public KeyboardTest, public ::testing::WithParamInterface<KeyCase> {};

// Every command first puts the menu strip away: a strip that is still out
// afterwards saw no command. A new game asked for makes the Game commands
// return at once, so that only the strip tells.
TEST_P(CommandKeyTest, AKeyReachesItsCommandWhereItMay) {
    const KeyCase& c = GetParam();
    inet.NetPeers = c.where == Local ? 0 : c.where == Connecting ? 99 : 1;
    inet.IsHost = c.where == Host ? 1 : 0;
    cmd.RestartRequested = true;
    // Ending the Internet game is asked first: the test says No.
    const bool asksToEnd = c.reaches && c.code == F(11) && c.where != Local;
    if (asksToEnd) vb::msgbox_script::pushAnswer(vb::vbNo);
    f().picPanel.setVisible(true);
    key(c.code, c.shift);
    EXPECT_EQ(!f().picPanel.Visible(), c.reaches);
    if (asksToEnd) {
        ASSERT_FALSE(boxes().empty());
        EXPECT_EQ(boxes().back().title, "TERMINATE Quenmoor Connection");
        EXPECT_EQ(inet.NetPeers, c.where == Connecting ? 99 : 1) << "No keeps the connection";
    }
    inet.NetPeers = 0;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CommandKeyTest,
    ::testing::Values(KeyCase{"F1WhileConnecting", F(1), 0, Connecting, false},
                      KeyCase{"F2Local", F(2), 0, Local, true}, KeyCase{"F2OnTheHost", F(2), 0, Host, true},
                      KeyCase{"F2OnARemoteMachine", F(2), 0, Remote, false},
                      KeyCase{"F2WhileConnecting", F(2), 0, Connecting, false},
                      KeyCase{"F3Local", F(3), 0, Local, true},
                      KeyCase{"F3WhileConnecting", F(3), 0, Connecting, false},
                      KeyCase{"F4Local", F(4), 0, Local, true}, KeyCase{"F4OnTheHost", F(4), 0, Host, false},
                      KeyCase{"F4OnARemoteMachine", F(4), 0, Remote, false},
                      KeyCase{"F7Local", F(7), 0, Local, true},
                      KeyCase{"F7WhileConnecting", F(7), 0, Connecting, false},
                      KeyCase{"F8Local", F(8), 0, Local, true},
                      KeyCase{"F8WhileConnecting", F(8), 0, Connecting, false},
                      KeyCase{"F9Local", F(9), 0, Local, true},
                      KeyCase{"F9WhileConnecting", F(9), 0, Connecting, false},
                      KeyCase{"F11Local", F(11), 0, Local, true},
                      KeyCase{"F11WhileConnecting", F(11), 0, Connecting, true},
                      KeyCase{"F11OnARemoteMachine", F(11), 0, Remote, true},
                      KeyCase{"F12Local", F(12), 0, Local, true},
                      KeyCase{"F12OnARemoteMachine", F(12), 0, Remote, true},
                      KeyCase{"F12WhileConnecting", F(12), 0, Connecting, false},
                      KeyCase{"F12WithShift", F(12), vb::vbShiftMask, Local, false},
                      KeyCase{"CtrlSLocal", 'S', kCtrl, Local, true},
                      KeyCase{"CtrlSOnTheHost", 'S', kCtrl, Host, false},
                      KeyCase{"CtrlRWhileConnecting", 'R', kCtrl, Connecting, true}),
    [](const auto& info) { return std::string(info.param.name); });

// F3 opens the scoreboard window on the scoreboard, Ctrl+F3 on a player's
// statistics, Ctrl+Shift+F3 on the runs; the Game menu's row does as F3.
TEST_F(KeyboardTest, TheF3KeysOpenTheScoreboardOnTheirTabs) {
    QList<int> tabs;
    const auto note = [&tabs](vb::Form& w) {
        tabs << static_cast<FrmScoreStat&>(w).SSTab1.Tab();
        w.Unload();
    };
    for (int i = 0; i < 4; ++i) vb::forms::queueModalAction("frmScoreStat", note);
    key(F(3));
    key(F(3), kCtrl);
    key(F(3), kCtrlShift);
    MenuGameCommand(9);
    EXPECT_EQ(tabs, (QList<int>{0, 1, 2, 0}));
    EXPECT_FALSE(frmScoreStat().isLoaded());
    ReleaseFrmScoreStat();
}

TEST_F(KeyboardTest, F7ShowsTheOpponentsHandAndF7AgainHidesIt) {
    key(F(7));
    EXPECT_TRUE(eng.Peeking);
    EXPECT_EQ(f().Label9(2).Caption(), "Some people like to watch...\n\nCHEATER");
    key(F(7));
    EXPECT_FALSE(eng.Peeking);
    EXPECT_TRUE(boxes().empty()) << "a local game asks nothing";
}

TEST_F(KeyboardTest, F9ShowsAndHidesTheStatusBar) {
    const bool shown = f().StatusBar1.Visible();
    key(F(9));
    EXPECT_NE(f().StatusBar1.Visible(), shown);
    key(F(9));
    EXPECT_EQ(f().StatusBar1.Visible(), shown);
}

struct BackspaceCase {
    const char* name;
    int netPeers;
    int pturn;
    bool restarts;
};

class BackspaceTest : public KeyboardTest, public ::testing::WithParamInterface<BackspaceCase> {};

// The turn's restart answers for itself (here: without the move log it
// says what is missing); a key that never reaches it shows nothing.
TEST_P(BackspaceTest, BackspaceRestartsTheTurnOnlyInALocalGameOnTheHumansTurn) {
    const BackspaceCase& c = GetParam();
    inet.NetPeers = c.netPeers;
    eng.Pturn = c.pturn;
    recs.AutoSaveOn = false;
    key(vb::vbKeyBack);
    const bool asked = !boxes().empty() && boxes().back().title == "Restart Turn";
    EXPECT_EQ(asked, c.restarts);
    EXPECT_FALSE(cmd.KeyRestartTurn);
    inet.NetPeers = 0;
}

INSTANTIATE_TEST_SUITE_P(Turns, BackspaceTest,
                         ::testing::Values(BackspaceCase{"LocalHumansTurn", 0, 1, true},
                                           BackspaceCase{"InternetGame", 1, 1, false},
                                           BackspaceCase{"AnotherSeatsTurn", 0, 2, false},
                                           BackspaceCase{"NoGame", 0, 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// ------------------------------------------------------------- the emotion icons

struct IconCase {
    char letter;
    const char* file;  // "" when the letter names no icon
};

class EmotionIconKeyTest : public KeyboardTest, public ::testing::WithParamInterface<IconCase> {};

// Every icon file of the folder is a picture of its own colour, so the
// table shows which one the letter chose.
TEST_P(EmotionIconKeyTest, ALetterShowsItsIconFromTheIconsFolder) {
    const IconCase& c = GetParam();
    ASSERT_TRUE(QDir().mkpath(tempPath("Icons")));
    const char* files[] = {"Angry.gif",   "Begging.gif", "Crying.gif",      "Dumb_Move.gif", "Embarrassed.gif",
                           "Hotflash.gif", "Grinning.gif", "Skull.gif",     "Mischievous.gif", "Noose.gif",
                           "Sad.gif",     "Wink.gif",    "Shoot.gif"};
    int n = 0;
    for (const char* file : files) {
        QImage img(32, 32, QImage::Format_RGB32);
        img.fill(QColor(10 * ++n, 0, 0));
        ASSERT_TRUE(img.save(tempPath(QString("Icons/") + file), "PNG"));
    }
    f().imgIcon.setVisible(true);
    key(c.letter);
    if (*c.file == 0) {
        EXPECT_FALSE(f().imgIcon.Visible());
        return;
    }
    EXPECT_TRUE(f().imgIcon.Visible());
    EXPECT_EQ(f().imgIcon.Picture().pixel(5, 5), QImage(tempPath(QString("Icons/") + c.file)).pixel(5, 5));
}

INSTANTIATE_TEST_SUITE_P(Letters, EmotionIconKeyTest,
                         ::testing::Values(IconCase{'A', "Angry.gif"}, IconCase{'B', "Begging.gif"},
                                           IconCase{'C', "Crying.gif"}, IconCase{'D', "Dumb_Move.gif"},
                                           IconCase{'E', "Embarrassed.gif"}, IconCase{'F', "Hotflash.gif"},
                                           IconCase{'G', "Grinning.gif"}, IconCase{'K', "Skull.gif"},
                                           IconCase{'M', "Mischievous.gif"}, IconCase{'N', "Noose.gif"},
                                           IconCase{'S', "Sad.gif"}, IconCase{'W', "Wink.gif"},
                                           IconCase{'X', "Shoot.gif"}, IconCase{'H', ""}, IconCase{'Z', ""}),
                         [](const auto& info) { return std::string(1, info.param.letter); });

TEST_F(KeyboardTest, AnIconThatIsMissingLeavesTheIconHidden) {
    f().imgIcon.setVisible(true);
    key('W');
    EXPECT_FALSE(f().imgIcon.Visible());
}

// ------------------------------------------------------------- the opponent's sounds

struct SoundCase {
    int code;
    int sound;  // the loaded opponent's sound number
};

class OpponentSoundKeyTest : public KeyboardTest, public ::testing::WithParamInterface<SoundCase> {};

TEST_P(OpponentSoundKeyTest, ADigitPlaysOneOfTheOpponentsSounds) {
    for (int i = 0; i <= 16; ++i) eng.SoundFiles(i) = QString("/voices/%1.wav").arg(i);
    sound::PlayAsync("/marker.wav");
    key(GetParam().code);
    EXPECT_EQ(sound::LastRequested(), QString("/voices/%1.wav").arg(GetParam().sound));
}

INSTANTIATE_TEST_SUITE_P(Digits, OpponentSoundKeyTest,
                         ::testing::Values(SoundCase{'1', 3}, SoundCase{'2', 4}, SoundCase{'5', 7},
                                           SoundCase{'9', 11}, SoundCase{'0', 12}, SoundCase{187, 13}));

TEST_F(KeyboardTest, DigitOneAlsoPutsWordsInTheOpponentsMouth) {
    key('1');
    EXPECT_EQ(f().Label9(2).Caption(),
              "I feel like a puppet on a string. Are you trying to put words in my mouth?");
    f().Label9(2).setCaption("");
    key('2');
    EXPECT_EQ(f().Label9(2).Caption(), "");
}

// ------------------------------------------------------------- hidden keys

TEST_F(KeyboardTest, OnlyTheMakersNamesSwitchTheDeveloperMode) {
    for (const char* name : {"Daru", "Master Daru"}) {
        eng.PlayerName = name;
        key(F(8), kCtrlShift);
        EXPECT_TRUE(cmd.DeveloperMode) << name;
        key(F(8), kCtrlShift);
        EXPECT_FALSE(cmd.DeveloperMode) << name;
    }
    for (const char* name : {"daru", "Daru ", "Master"}) {
        eng.PlayerName = name;
        key(F(8), kCtrlShift);
        EXPECT_FALSE(cmd.DeveloperMode) << name;
    }
}

TEST_F(KeyboardTest, AKeyStopsTheIdleOpponentsNudges) {
    f().Timer1.Enabled = true;
    key(vb::vbKeyDelete);
    EXPECT_FALSE(f().Timer1.Enabled);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].prompt, "Are you trying to Delete ME?");
}

TEST_F(KeyboardTest, WhileTheCardsFlowTheFirstKeyOnlyStopsThem) {
    const bool shown = f().StatusBar1.Visible();
    cmd.FlowRunning = true;
    cmd.FlowClicked = false;
    key(F(9));
    EXPECT_EQ(f().StatusBar1.Visible(), shown) << "the first key does nothing else";
    EXPECT_TRUE(cmd.FlowClicked);
    cmd.FlowRunning = false;
    key(F(9));
    EXPECT_NE(f().StatusBar1.Visible(), shown) << "the next key works again";
}

TEST_F(KeyboardTest, DuringTheTutorialEveryKeyMeetsTheRefusalAndNothingElse) {
    cmd.TutorialOn = true;
    cmd.MenuLocked = true;
    const bool shown = f().StatusBar1.Visible();
    for (int code : {F(9), vb::vbKeyNumpad0 + 2, int('A')}) key(code);
    EXPECT_EQ(f().StatusBar1.Visible(), shown);
    EXPECT_EQ(cmd.KeySourceSlot, 0);
    ASSERT_EQ(boxes().size(), 3u);
    for (const vb::ShownBox& b : boxes()) {
        EXPECT_EQ(b.prompt, "Please don't use the Menus during the tutorial.");
        EXPECT_EQ(b.title, "Using Tutorial");
        EXPECT_EQ(b.icon(), vb::vbInformation);
    }
}

// ------------------------------------------------------------- prepared positions

class PreparedPositionTest : public KeyboardTest {
protected:
    void SetUp() override {
        KeyboardTest::SetUp();
        ASSERT_TRUE(BackupFile().open(tempPath("backup.sav"), kSavedGameRecordLength,
                                      vb::RecordFile::Mode::OpenOrCreate));
    }
    void TearDown() override {
        BackupFile().close();
        KeyboardTest::TearDown();
    }
};

class PreparedPositionAnswerTest : public PreparedPositionTest, public ::testing::WithParamInterface<const char*> {};

// Nothing below 31 (the slots, the auto-saves, the game as dealt and the
// slots' deals), nothing past a record number, nothing but a number.
TEST_P(PreparedPositionAnswerTest, ABadAnswerKeepsNothing) {
    vb::msgbox_script::pushInput(GetParam());
    key('S', kCtrlShift);
    EXPECT_EQ(vb::msgbox_script::pendingInputs(), 0);
    EXPECT_EQ(BackupFile().recordCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, PreparedPositionAnswerTest,
                         ::testing::Values("", "0", "1", "11", "13", "14", "30", "-31", "32768", "99999",
                                           "31abc", "3 1", "31.5", "abc", "\xd9\xa3\xd9\xa1"));

TEST_F(PreparedPositionTest, APreparedPositionIsKeptAndLoadedByItsNumber) {
    stackCentre(1, 4, 1);
    show();
    vb::msgbox_script::pushInput(" 31 ");
    key('S', kCtrlShift);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(boxes()[0].input);
    EXPECT_EQ(boxes()[0].prompt, "Enter a slot number to save this game (31-)");
    EXPECT_EQ(boxes()[0].title, "Tutorial Game");
    SavedGameRecord kept;
    ASSERT_TRUE(ReadSavedGame(BackupFile(), 31, kept));
    EXPECT_EQ(StoredText(kept.Title), "Tutorial  31");
    EXPECT_TRUE(HoldsGame(kept));

    // The table moves on; the prepared position comes back.
    play(2, 1);
    ASSERT_EQ(eng.CenterCount(1), 5);
    vb::msgbox_script::pushInput("31");
    key('R', kCtrlShift);
    EXPECT_EQ(boxes().back().prompt, "Enter the record number to restore a game (31-)");
    EXPECT_EQ(eng.CenterCount(1), 4);
    EXPECT_EQ(eng.PlayerSlots(0, 2), Card(5));
}

TEST_F(PreparedPositionTest, LoadingAnEmptyRecordSaysSoAndKeepsTheTable) {
    vb::msgbox_script::pushInput("40");
    const auto before = everyCard();
    key('R', kCtrlShift);
    EXPECT_EQ(everyCard(), before);
    EXPECT_EQ(boxes().back().title, "Tutorial Game");
    EXPECT_FALSE(boxes().back().input);
}

}  // namespace
