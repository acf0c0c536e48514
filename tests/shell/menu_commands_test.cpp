// The commands of the menus: their refusals when a guard fails, Exit, Add
// Background, the Internet rows, the tutorial, the website and the website
// sub-menu's choice.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QImage>
#include <QUrl>
#include <functional>

#include "engine/frm_grisk.h"
#include "engine/started_table.h"
#include "engine/state.h"
#include "net/frm_scores_net.h"
#include "net/state.h"
#include "platform/common_dialog.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "platform/popup_menu.h"
#include "records/state.h"
#include "records/user_files.h"
#include "shell/frm_menu.h"
#include "shell/help_commands.h"
#include "shell/keyboard.h"
#include "shell/menu_commands.h"
#include "shell/state.h"
#include "shell/tutorial.h"
#include "table/animation_flow.h"
#include "table/background.h"
#include "table/frm_pic.h"
#include "table_fixture.h"

using namespace grisk;

namespace {

class CommandTest : public grisk_test::HumanToMoveTest {
protected:
    void TearDown() override {
        if (FrmScoresNetExists() && frmScoresNet().isLoaded()) frmScoresNet().Unload();
        ReleaseFrmScoresNet();
        inet.NetPeers = 0;
        HumanToMoveTest::TearDown();
    }
    static const std::vector<vb::ShownBox>& boxes() { return vb::msgbox_script::shown(); }
};

// ------------------------------------------------------------------ refusals

struct Refusal {
    const char* name;
    std::function<void()> setUp;
    std::function<void()> command;
    const char* prompt;  // "" when the command shows nothing
    const char* title;
    int style;
    int answer = 0;  // queued for the box the command asks
};

class RefusalTest : public CommandTest, public ::testing::WithParamInterface<Refusal> {};

// A refused command shows its box (or nothing) and changes nothing: the
// cards, the turn, the peek, the connection and the windows stay as they
// were.
TEST_P(RefusalTest, ARefusedCommandChangesNothing) {
    const Refusal& c = GetParam();
    if (c.setUp) c.setUp();
    const auto cards = everyCard();
    const int turn = eng.Pturn;
    const int peers = inet.NetPeers;
    if (c.answer) vb::msgbox_script::pushAnswer(c.answer);
    c.command();
    if (*c.prompt == 0) {
        EXPECT_TRUE(boxes().empty());
    } else {
        ASSERT_EQ(boxes().size(), 1u);
        EXPECT_EQ(boxes()[0].prompt, c.prompt);
        EXPECT_EQ(boxes()[0].title, c.title);
        EXPECT_EQ(boxes()[0].style, c.style);
    }
    EXPECT_EQ(everyCard(), cards);
    EXPECT_EQ(eng.Pturn, turn);
    EXPECT_FALSE(eng.Peeking);
    EXPECT_EQ(inet.NetPeers, peers);
    EXPECT_EQ(inet.NetRestorePending, 0);
    EXPECT_FALSE(recs.EndedNetGameSave);
    EXPECT_FALSE(FrmScoresNetExists() && frmScoresNet().isLoaded());
}

INSTANTIATE_TEST_SUITE_P(
    Guards, RefusalTest,
    ::testing::Values(
        Refusal{"InternetScoresWithoutAScoreFile", [] { recs.ScoreFileCount = 0; },
                [] { MenuInternetCommand(1); }, "No Quenmoor scores yet to display!", "Quenmoor",
                vb::vbInformation},
        Refusal{"SaveThisGameInALocalGame", nullptr, [] { MenuInternetCommand(4); },
                "There's no Internet game to save!", "Quenmoor Online", vb::vbOKOnly},
        Refusal{"SaveThisGameWithNoGame",
                [] {
                    inet.NetPeers = 1;
                    eng.Pturn = 0;
                },
                [] { MenuInternetCommand(4); }, "There's no Internet game to save!", "Quenmoor Online",
                vb::vbOKOnly},
        Refusal{"SendSavedGameWithoutPeers", nullptr, [] { MenuInternetCommand(5); },
                "You have to connect to another player first!", "Quenmoor Not Online", vb::vbOKOnly},
        Refusal{"SendSavedGameWhileConnecting",
                [] {
                    inet.NetPeers = 99;
                    inet.IsHost = 1;
                },
                [] { MenuInternetCommand(5); }, "You have to connect to another player first!",
                "Quenmoor Not Online", vb::vbOKOnly},
        Refusal{"StartInternetGameBeforeInternetPlayExists", nullptr, [] { MenuInternetCommand(0); }, "", "", 0},
        Refusal{"EndInternetGameAnsweredNo", [] { inet.NetPeers = 1; }, [] { MenuInternetCommand(0); },
                "Do you want to end this Quenmoor Online Game?", "TERMINATE Quenmoor Connection", vb::vbYesNo,
                vb::vbNo},
        Refusal{"PeekWhileCardsFly", [] { eng.CardMoving = true; }, [] { MenuHelpCommand(3, 0); }, "", "", 0},
        Refusal{"PeekInAnInternetGameAnsweredNo", [] { inet.NetPeers = 1; }, [] { MenuHelpCommand(3, 0); },
                "Are you sure you want to peek at your opponent's cards? They will be notified!", "Cheater",
                vb::vbYesNo, vb::vbNo},
        Refusal{"WebsiteWithNothingChosen", nullptr, [] { MenuHelpCommand(7, 0); }, "", "", 0},
        Refusal{"AddBackgroundCancelled", [] { vb::dialog_script::pushCancel(); },
                [] { MenuPreferencesCommand(11, 0); }, "", "", 0},
        Refusal{"ExitWhileATurnRuns", [] { eng.GameBusy = true; }, [] { MenuGameCommand(11); }, "", "", 0},
        Refusal{"ExitWhileANewGameIsAsked", [] { cmd.RestartRequested = true; }, [] { MenuGameCommand(11); }, "",
                "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandTest, TheInternetScoresOpenBesideTheTable) {
    recs.ScoreFileCount = 1;
    eng.PlayerName = "Ann";
    MenuInternetCommand(1);
    ASSERT_TRUE(FrmScoresNetExists());
    EXPECT_TRUE(frmScoresNet().isLoaded());
    EXPECT_TRUE(frmScoresNet().Visible());
    EXPECT_EQ(frmScoresNet().lblPlayer.Caption(), "Quenmoor Player: Ann");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(CommandTest, TheTutorialWithoutItsScriptSaysSoAndLeavesTheTableToThePlayer) {
    eng.AppFolder = tempFolder();
    vb::msgbox_script::pushAnswer(vb::vbYes);  // the game on the table may go
    MenuHelpCommand(1, 0);
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[1].prompt, "Tutorial not found, unable to run the tutorial.");
    EXPECT_EQ(eng.Pturn, 1) << "the game on the table is still there";
    EXPECT_FALSE(frmTutorial().isLoaded());
    EXPECT_FALSE(cmd.MenuLocked);
    EXPECT_FALSE(cmd.TutorialOn);
}

// ------------------------------------------------------------------ the website

TEST_F(CommandTest, TheWebsiteRowsOpenTwoPagesOfTheProjectsOwn) {
    grisk_test::WebPages pages;
    QDesktopServices::setUrlHandler("https", &pages, "open");
    QDesktopServices::setUrlHandler("http", &pages, "open");
    MenuHelpCommand(7, 1);
    MenuHelpCommand(7, 3);
    MenuHelpCommand(7, 2);
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("http");
    ASSERT_EQ(pages.opened.size(), 2);
    EXPECT_NE(pages.opened[0], pages.opened[1]);
    for (const QString& page : pages.opened) {
        EXPECT_TRUE(page.startsWith("https://")) << page.toStdString();
        EXPECT_TRUE(QUrl(page).host().endsWith(".example")) << page.toStdString();
    }
    EXPECT_GT(eng.RetVal, 32);
    EXPECT_TRUE(boxes().empty());
}

// A choice made at an earlier opening is no choice at the next: the
// sub-menu dismissed leaves the list open and runs nothing.
TEST_F(CommandTest, TheWebsiteSubMenuForgetsTheChoiceOfItsLastOpening) {
    frmMenu().LoadList(4);
    frmPic().NetItem = 3;
    vb::popup_script::pushChoice(-1);
    cmd.MenuPicked = false;
    frmMenu().List1_MouseDown(7);
    EXPECT_FALSE(cmd.MenuPicked);
    EXPECT_EQ(frmPic().NetItem, 0);
    vb::popup_script::pushChoice(0);
    frmMenu().List1_MouseDown(7);
    EXPECT_TRUE(cmd.MenuPicked);
    EXPECT_EQ(frmPic().NetItem, 1);
    ReleaseFrmMenu();
}

// ------------------------------------------------------------------ Add Background

class AddBackgroundTest : public CommandTest {
protected:
    void SetUp() override {
        CommandTest::SetUp();
        eng.UserFolder = tempFolder() + "/User/";
        eng.DocumentsFolder = tempFolder() + "/Documents";
        ASSERT_TRUE(QDir().mkpath(eng.UserFolder + "Backgrounds"));
        ASSERT_TRUE(QDir().mkpath(eng.DocumentsFolder));
        picture(eng.UserFolder + "Backgrounds/GameBoard.gif", Qt::darkGreen);
        picture(eng.UserFolder + "Backgrounds/Oak.gif", Qt::darkYellow);
        ListBackgroundFiles();
        recs.BackgroundIdx = 2;
        recs.PrevBackground = 2;  // the backgrounds' keys were explained before
    }
    static void picture(const QString& path, Qt::GlobalColor colour) {
        QImage img(40, 30, QImage::Format_RGB32);
        img.fill(colour);
        ASSERT_TRUE(img.save(path, "PNG"));
    }
};

TEST_F(AddBackgroundTest, APictureIsCopiedIntoTheBackgroundsAndShown) {
    const QString chosen = eng.DocumentsFolder + "/Beach.JPG";
    picture(chosen, Qt::blue);
    vb::dialog_script::pushFile(chosen);
    MenuPreferencesCommand(11, 0);

    const auto& shown = vb::dialog_script::shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Add Background Picture");
    EXPECT_EQ(shown[0].filter, "Pictures (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp");
    EXPECT_EQ(shown[0].initDir, eng.DocumentsFolder);
    EXPECT_EQ(shown[0].flags, vb::cdlOFNHideReadOnly | vb::cdlOFNFileMustExist);

    ASSERT_TRUE(QFile::exists(eng.UserFolder + "Backgrounds/Beach.JPG"));
    ASSERT_GE(recs.BackgroundIdx, 1);
    ASSERT_LE(recs.BackgroundIdx, recs.NumBackgrounds);
    EXPECT_EQ(recs.Backgrounds(recs.BackgroundIdx), "Beach.JPG");
    EXPECT_EQ(f().Picture().pixelColor(5, 5), QColor(Qt::blue)) << "the table shows it";
    EXPECT_TRUE(boxes().empty());
}

// The card flow and the winner's show paint over the table as it stands:
// the small picture tiled over all of it.
TEST_F(AddBackgroundTest, TheShowsPaintOnThePictureTiledOverTheWholeTable) {
    const QString chosen = eng.DocumentsFolder + "/Beach.jpg";
    picture(chosen, Qt::blue);
    vb::dialog_script::pushFile(chosen);
    MenuPreferencesCommand(11, 0);
    const QImage surface = TableSurface(f());
    ASSERT_GT(surface.width(), 400);
    EXPECT_EQ(surface.pixelColor(surface.width() - 3, surface.height() - 3), QColor(Qt::blue));
}

// Ctrl+F9: the picture on the table in a window of its own, at its size.
TEST_F(AddBackgroundTest, CtrlF9ShowsTheBackgroundPicture) {
    recs.BackgroundIdx = 2;
    LoadTableBackground();
    int code = vb::vbKeyF1 + 8;
    HandleKeyDown(code, vb::vbCtrlMask);
    FrmBackground& w = frmBackground();
    EXPECT_TRUE(w.Visible());
    EXPECT_TRUE(w.imgBackground.Visible());
    EXPECT_EQ(w.imgBackground.Picture().size(), QSize(40, 30));
    EXPECT_EQ(w.imgBackground.Picture().pixelColor(1, 1), QColor(Qt::darkYellow));
    w.Unload();
}

TEST_F(AddBackgroundTest, APictureTheListDoesNotTakeLeavesTheBackgroundAsItWas) {
    const QString chosen = eng.DocumentsFolder + "/Beach.png";
    picture(chosen, Qt::blue);
    vb::dialog_script::pushFile(chosen);
    MenuPreferencesCommand(11, 0);
    EXPECT_EQ(recs.BackgroundIdx, 2);
    EXPECT_TRUE(boxes().empty());
    EXPECT_FALSE(QFile::exists(eng.UserFolder + "Backgrounds/Beach.png")) << "no copy is left unused";
}

TEST_F(AddBackgroundTest, AFailedCopySaysWhyAndChangesNothing) {
    vb::dialog_script::pushFile(eng.DocumentsFolder + "/Gone.jpg");
    MenuPreferencesCommand(11, 0);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].prompt, "Here's the problem:\r\nError 53: File not found");
    EXPECT_EQ(boxes()[0].icon(), vb::vbExclamation);
    EXPECT_EQ(recs.BackgroundIdx, 2);
    EXPECT_FALSE(QFile::exists(eng.UserFolder + "Backgrounds/Gone.jpg"));
}

// ------------------------------------------------------------------ Exit

class ExitTest : public grisk_test::StartedTableTest {};

TEST_F(ExitTest, F12ClosesTheProgramUnlessATurnRuns) {
    eng.GameBusy = true;
    int f12 = vb::vbKeyF1 + 11;
    HandleKeyDown(f12, 0);
    EXPECT_TRUE(f().isLoaded());
    eng.GameBusy = false;
    HandleKeyDown(f12, 0);
    EXPECT_FALSE(f().isLoaded());
    EXPECT_TRUE(eng.Quitting) << "the shut-down ran";
}

}  // namespace

