// The menu strip at the table's top edge: which title a press hits, the
// refusals, the command list it opens and waits for, the sounds of the strip,
// and how a move or a press on the table brings it out or puts it away.
#include <gtest/gtest.h>

#include <QTimer>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/formwindow.h"
#include "platform/popup_menu.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "records/state.h"
#include "shell/frm_menu.h"
#include "shell/state.h"
#include "engine/play_fixture.h"
#include "support/test_support.h"
#include "table/card_store.h"
#include "table/frm_pic.h"
#include "table/menu_strip.h"
#include "table/state.h"

using namespace grisk;

namespace {

class MenuStripTest : public grisk_test::GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        eng.DataFolder = "/data/";
        eng.Pturn = 1;
        frmGrisk().Move(1500, 900, 12000, 9000);
        marker();
    }
    void TearDown() override {
        if (FrmMenuExists() && frmMenu().isLoaded()) frmMenu().Unload(1);
        ReleaseFrmMenu();
        ReleaseFrmGrisk();
        ReleaseCardPictureStores();
    }
    // A sound request that no handler makes: what is asked after it shows.
    static void marker() { sound::PlayAsync(QStringLiteral("/marker.wav")); }
    static QString lastSound() { return sound::LastRequested(); }
    static const vb::ShownBox* lastBox() {
        const auto& shown = vb::msgbox_script::shown();
        return shown.empty() ? nullptr : &shown.back();
    }
    // Presses a title; the list it opens gets the action once it waits.
    static void pressWhileOpen(double x, std::function<void()> inList) {
        frmGrisk().picPanel.setVisible(true);
        QTimer::singleShot(0, [inList] {
            inList();
            // Whatever the test did, the list goes in the end.
            if (FrmMenuExists() && frmMenu().isLoaded()) frmMenu().Unload(1);
        });
        picPanel_MouseDown(x, 40);
    }
};

TEST(MenuTitleAtTest, TitlesAreHitStrictlyInsideTheirRangesWithinTheBand) {
    const struct {
        double x, y;
        int menu;
    } cases[] = {
        {100, 40, kMenuGame},           {31, 40, kMenuBetweenTitles},   {31.5, 40, kMenuGame},
        {183, 40, kMenuBetweenTitles},  {182.9, 40, kMenuGame},         {190, 40, kMenuBetweenTitles},
        {196, 40, kMenuOptions},        {335, 40, kMenuBetweenTitles},  {340, 40, kMenuBetweenTitles},
        {349, 40, kMenuInternet},       {491, 40, kMenuBetweenTitles},  {495, 40, kMenuBetweenTitles},
        {501, 40, kMenuHelp},           {649, 40, kMenuBetweenTitles},  {700, 40, kMenuBetweenTitles},
        {10, 40, kMenuBetweenTitles},   {100, 22, kMenuOutsideBand},    {100, 60, kMenuOutsideBand},
        {100, 22.5, kMenuGame},         {100, 59.5, kMenuGame},         {100, 5, kMenuOutsideBand},
    };
    for (const auto& c : cases) EXPECT_EQ(MenuTitleAt(c.x, c.y), c.menu) << "x " << c.x << " y " << c.y;
}

// The strip used while a computer seat plays, reached by a real discard.
class MenuStripDuringATurnTest : public grisk_test::PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        table(2, 3);
        humanToMove();
    }
    void TearDown() override {
        if (FrmMenuExists() && frmMenu().isLoaded()) frmMenu().Unload(1);
        ReleaseFrmMenu();
        PlayTest::TearDown();
    }
};

TEST_F(MenuStripDuringATurnTest, TheGameTitleRefusesAndTheInternetTitleDoesNothing) {
    FrmGrisk& f = frmGrisk();
    bool internetQuiet = false, listOpened = true, stripGone = false;
    std::vector<vb::ShownBox> boxes;
    const bool ran = duringTurnOf(2, [&] {
        vb::msgbox_script::clearShown();
        f.picPanel.setVisible(true);
        picPanel_MouseDown(400, 40);  // Internet
        internetQuiet = vb::msgbox_script::shown().empty() && f.picPanel.Visible();
        picPanel_MouseDown(100, 40);  // Game
        boxes = vb::msgbox_script::shown();
        stripGone = !f.picPanel.Visible();
        listOpened = FrmMenuExists() && frmMenu().isLoaded();
    });
    ASSERT_TRUE(ran);
    EXPECT_TRUE(internetQuiet);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].prompt, "Wait!  Let me finish my turn first!");
    EXPECT_EQ(boxes[0].title, "Grisk:");
    EXPECT_EQ(boxes[0].buttons(), vb::vbOKOnly);
    EXPECT_TRUE(stripGone) << "the strip goes away after the refusal";
    EXPECT_FALSE(listOpened);
    EXPECT_EQ(cmd.MenuNum, 0);
    EXPECT_EQ(eng.Pturn, 1) << "the turn came back";
}

TEST_F(MenuStripTest, InAnInternetGameTheGameTitleShowsTheInternetMenuHint) {
    inet.NetPeers = 1;
    picPanel_MouseDown(100, 40);
    ASSERT_NE(lastBox(), nullptr);
    EXPECT_EQ(lastBox()->prompt, "Please use the Internet Menu during Internet games.");
    EXPECT_FALSE(FrmMenuExists() && frmMenu().isLoaded());
}

TEST_F(MenuStripTest, APressBetweenTitlesClosesTheOpenListAndOpensNothing) {
    frmMenu().LoadList(1);
    frmMenu().Show();
    cmd.MenuOpen = true;
    picPanel_MouseDown(190, 40);
    EXPECT_FALSE(cmd.MenuOpen);
    EXPECT_FALSE(frmMenu().isLoaded());
    EXPECT_EQ(lastSound(), "/marker.wav") << "no click sound between titles";

    // Outside the band the press does nothing at all.
    frmMenu().Show();
    cmd.MenuOpen = true;
    picPanel_MouseDown(100, 10);
    EXPECT_TRUE(cmd.MenuOpen);
    EXPECT_TRUE(frmMenu().isLoaded());
}

TEST_F(MenuStripTest, AListOpensUnderItsTitleAndThePickedCommandRunsAfterItCloses) {
    const struct {
        double x;
        int menu;
        double left;
    } titles[] = {{100, 1, 1500 + 400}, {250, 2, 1500 + 2850}, {400, 3, 1500 + 5200}, {550, 4, 1500 + 7550}};
    for (const auto& t : titles) {
        SCOPED_TRACE(t.menu);
        int seenMenu = 0;
        double seenLeft = 0;
        bool open = false;
        // Dismissed without a pick: no command runs.
        pressWhileOpen(t.x, [&] {
            seenMenu = cmd.MenuNum;
            seenLeft = frmMenu().Left();
            open = cmd.MenuOpen && frmMenu().isLoaded();
            Form_MouseDown();
        });
        EXPECT_TRUE(open);
        EXPECT_EQ(seenMenu, t.menu);
        EXPECT_DOUBLE_EQ(seenLeft, t.left);
        EXPECT_FALSE(cmd.MenuOpen);
        EXPECT_FALSE(cmd.MenuPicked);
        EXPECT_EQ(cmd.MenuNum, 0);
    }
    // The wood style moves the Game list a little further right.
    recs.MenuStyle = 1;
    double left = 0;
    pressWhileOpen(100, [&] {
        left = frmMenu().Left();
        frmMenu().Unload(1);
    });
    EXPECT_DOUBLE_EQ(left, 1500 + 600);

    // "Change Background" (Options row 9) steps to the next background once
    // the list has closed.
    recs.NumBackgrounds = 0;
    recs.BackgroundIdx = 0;
    recs.PrevBackground = 5;
    recs.BackgroundStretched = true;
    bool ranInside = false;
    pressWhileOpen(250, [&] {
        frmMenu().List1_MouseDown(9);
        ranInside = recs.BackgroundIdx != 0;
    });
    EXPECT_FALSE(ranInside) << "the command waits for the list to close";
    EXPECT_EQ(recs.BackgroundIdx, 1) << "the plain colour, the only entry";
    EXPECT_FALSE(recs.BackgroundStretched) << "Change Background tiles";
    EXPECT_EQ(cmd.MenuNum, 0);
    EXPECT_EQ(cmd.MenuItem, 0);
}

// A window on a 640-pixel screen is too narrow for the designed strip: its
// titles close up, a press finds them where they show and each list opens
// under its own title, on the screen.
TEST_F(MenuStripTest, OnANarrowWindowEachListOpensUnderItsTitleAsItShows) {
    FrmGrisk& f = frmGrisk();
    eng.ScreenWidthTw = 9600;
    f.Move(0, 300, 9600, 7200);
    imgMenu_MouseMove();
    ASSERT_TRUE(f.picPanel.Visible());
    for (int menu = kMenuGame; menu <= kMenuHelp; ++menu) {
        SCOPED_TRACE(menu);
        const QRectF title = StripTitleRectPx(menu);
        EXPECT_LE(title.right(), screen::TwipsToPixels(f.Width() - f.frameWidthTw()));
        int seenMenu = 0;
        double seenLeft = 0;
        double seenWidth = 0;
        pressWhileOpen(title.center().x(), [&] {
            seenMenu = cmd.MenuNum;
            seenLeft = frmMenu().Left();
            seenWidth = frmMenu().Width();
            frmMenu().Unload(1);
        });
        EXPECT_EQ(seenMenu, menu);
        EXPECT_LE(seenLeft + seenWidth, eng.ScreenWidthTw) << "the list ends on the screen";
        const double titleLeftTw = f.Left() + screen::PixelsToTwips(title.left());
        EXPECT_GE(seenLeft, titleLeftTw - screen::PixelsToTwips(10));
        EXPECT_LE(seenLeft, titleLeftTw + screen::PixelsToTwips(title.width() / 2));
    }
}

TEST_F(MenuStripTest, ASeparatorOrADismissedSubMenuKeepsTheListOpen) {
    bool afterSeparator = false;
    bool afterDismissedSound = false;
    bool afterSameLevel = false;
    recs.SoundLevel = 1;
    pressWhileOpen(250, [&] {
        FrmMenu& list = frmMenu();
        list.List1_MouseDown(3);  // a separator
        afterSeparator = cmd.MenuOpen && list.isLoaded();
        list.List1_MouseDown(1);  // "Sound...", dismissed
        afterDismissedSound = cmd.MenuOpen;
        vb::popup_script::pushChoice(1);  // the level already set
        list.List1_MouseDown(1);
        afterSameLevel = cmd.MenuOpen;
        vb::popup_script::pushChoice(2);  // "No Sound"
        list.List1_MouseDown(1);
    });
    EXPECT_TRUE(afterSeparator);
    EXPECT_TRUE(afterDismissedSound);
    EXPECT_TRUE(afterSameLevel);
    EXPECT_EQ(recs.SoundLevel, 2);
    EXPECT_EQ(frmGrisk().Label9(2).Caption(), "Ahhh... the sounds of silence...") << "Options row 1 ran";
    const auto& menus = vb::popup_script::shown();
    ASSERT_EQ(menus.size(), 3u);
    ASSERT_EQ(menus[0].size(), 3u);
    EXPECT_EQ(menus[0][2].caption, "No Sound");
}

TEST_F(MenuStripTest, TheDisplaySizeSubMenuOffersItsItemsAsTheyStand) {
    tbl.DisplayMenuEnabled[0] = false;
    pressWhileOpen(250, [&] {
        frmMenu().List1_MouseDown(13);  // dismissed: stays open
        if (cmd.MenuOpen) frmMenu().Unload(1);
    });
    const auto& menus = vb::popup_script::shown();
    ASSERT_EQ(menus.size(), 1u);
    ASSERT_EQ(menus[0].size(), 3u);
    EXPECT_EQ(menus[0][0].caption, "Move Cards Up");
    EXPECT_FALSE(menus[0][0].enabled);
    EXPECT_EQ(menus[0][1].caption, "Make Display Smaller");
    EXPECT_EQ(menus[0][2].caption, "Reset Default Window Size");
    EXPECT_FALSE(cmd.MenuPicked);
}

// The command list is a pop-up; a sub-list opens beside the row that opens
// it (the row across the list's width, on the screen), not at the mouse.
TEST_F(MenuStripTest, TheListIsAPopUpAndASubListOpensBesideItsRow) {
    QRectF listOnScreen;
    QRect row13;
    bool popup = false;
    pressWhileOpen(250, [&] {
        FrmMenu& list = frmMenu();
        popup = list.Popup();
        listOnScreen = QRectF(list.Left() / 15, list.Top() / 15, list.Width() / 15, list.Height() / 15);
        row13 = vb::ScreenRectPx(list.List1(13));
        list.List1_MouseDown(13);  // "Display Size...", dismissed
        list.List1_MouseDown(1);   // "Sound...", dismissed
    });
    EXPECT_TRUE(popup);
    const auto& beside = vb::popup_script::shownBeside();
    ASSERT_EQ(beside.size(), 2u);
    EXPECT_NEAR(beside[0].left(), listOnScreen.left(), 1);
    EXPECT_NEAR(beside[0].width(), listOnScreen.width(), 1);
    EXPECT_EQ(beside[0].top(), row13.top());
    EXPECT_EQ(beside[0].height(), row13.height());
    EXPECT_LT(beside[1].top(), beside[0].top()) << "row 1 lies above row 13";
}

// During a computer's turn (the Internet title is then ignored after its
// sound).
TEST_F(MenuStripDuringATurnTest, WithSoundsOffTheStripIsSilentButTheSlapAndItsAnswerStillPlay) {
    FrmGrisk& f = frmGrisk();
    eng.DataFolder = "/data/";
    eng.UserFolder = "/user/";
    const struct {
        int level, set;
        QString hover, click;
    } cases[] = {
        {0, 0, "/data/~106.tmp", "/data/~107.tmp"},
        {1, 1, "/data/~106.tmp", "/data/~109.tmp"},
        {2, 0, "/marker.wav", "/marker.wav"},
    };
    const auto marker = [] { sound::PlayAsync(QStringLiteral("/marker.wav")); };
    struct Heard {
        QString hover, again, click, slap, answer;
        bool slapShown = false, slapGone = false;
    };
    std::vector<Heard> heard;
    const bool ran = duringTurnOf(2, [&] {
        for (const auto& c : cases) {
            recs.SoundLevel = c.level;
            recs.SoundSet = c.set;
            Heard h;
            f.picPanel.setVisible(true);
            Form_MouseDown();  // the strip goes: the next move over it is a new entry
            marker();
            picPanel_MouseMove(100, 40);
            h.hover = sound::LastRequested();
            marker();
            picPanel_MouseMove(120, 40);
            h.again = sound::LastRequested();
            picPanel_MouseDown(400, 40);
            h.click = sound::LastRequested();
            marker();
            f.ImgAvatar.setVisible(true);
            f.Click(f.ImgAvatar);
            h.slap = sound::LastRequested();
            h.slapShown = f.imgSlap.Visible();
            // A click on the slap answers with its own sound, at every level too.
            marker();
            f.Click(f.imgSlap);
            h.answer = sound::LastRequested();
            h.slapGone = !f.imgSlap.Visible();
            heard.push_back(h);
        }
        recs.SoundLevel = 2;
    });
    ASSERT_TRUE(ran);
    ASSERT_EQ(heard.size(), std::size(cases));
    for (std::size_t i = 0; i < heard.size(); ++i) {
        SCOPED_TRACE(cases[i].level);
        EXPECT_EQ(heard[i].hover, cases[i].hover);
        EXPECT_EQ(heard[i].again, "/marker.wav") << "once per entry";
        EXPECT_EQ(heard[i].click, cases[i].click);
        EXPECT_EQ(heard[i].slap, "/user/Sounds/slap.wav");
        EXPECT_TRUE(heard[i].slapShown);
        EXPECT_EQ(heard[i].answer, "/data/~118.tmp");
        EXPECT_TRUE(heard[i].slapGone);
    }
}

TEST_F(MenuStripTest, TheTopEdgeBringsTheStripOutUnlessItIsLocked) {
    FrmGrisk& f = frmGrisk();
    Form_MouseMove(300, 5);
    EXPECT_FALSE(f.picPanel.Visible()) << "5 is below the edge";
    Form_MouseMove(300, 4);
    EXPECT_TRUE(f.picPanel.Visible());

    f.picPanel.setVisible(false);
    cmd.MenuLocked = true;
    Form_MouseMove(300, 0);
    imgMenu_MouseMove();
    EXPECT_FALSE(f.picPanel.Visible());

    cmd.MenuLocked = false;
    cmd.TutorialOn = true;
    Form_MouseMove(300, 2);
    ASSERT_NE(lastBox(), nullptr);
    EXPECT_EQ(lastBox()->prompt, "Please don't use the Menus during the tutorial.");
    EXPECT_EQ(lastBox()->title, "Using Tutorial");
    EXPECT_EQ(lastBox()->icon(), vb::vbInformation);
    EXPECT_TRUE(f.picPanel.Visible()) << "the strip comes out all the same when it is not locked";
}

TEST_F(MenuStripTest, WhileTheCardFlowRunsAMoveOfMoreThanTenPixelsUpOrDownStopsIt) {
    FrmGrisk& f = frmGrisk();
    cmd.FlowRunning = true;
    Form_MouseMove(50, 200);
    EXPECT_EQ(f.FlowStartY, 200);
    for (double y : {190.0, 210.0, 200.0}) {
        Form_MouseMove(400, y);
        EXPECT_FALSE(cmd.FlowClicked) << y;
    }
    Form_MouseMove(50, 211);
    EXPECT_TRUE(cmd.FlowClicked);
    EXPECT_EQ(f.FlowStartY, 0);
    cmd.FlowClicked = false;
    Form_MouseMove(50, 150);
    Form_MouseMove(50, 139);
    EXPECT_TRUE(cmd.FlowClicked);
}

TEST_F(MenuStripTest, APressOnTheTableOrAMessageLineStopsTheFlowAndPutsTheStripAway) {
    FrmGrisk& f = frmGrisk();
    const struct {
        const char* where;
        std::function<void()> press;
    } presses[] = {
        {"table", [&] { f.FormMouseDown(1, 0, 300, 300); }},
        {"message line", [&] { f.MouseDown(f.Label9(1), 1, 0, 3, 3); }},
    };
    for (const auto& p : presses) {
        SCOPED_TRACE(p.where);
        cmd.FlowClicked = false;
        f.picPanel.setVisible(true);
        frmMenu().LoadList(2);
        frmMenu().Show();
        cmd.MenuOpen = true;
        tbl.PanelHover = true;
        p.press();
        EXPECT_TRUE(cmd.FlowClicked);
        EXPECT_FALSE(f.picPanel.Visible());
        EXPECT_FALSE(cmd.MenuOpen);
        EXPECT_FALSE(frmMenu().isLoaded());
        EXPECT_FALSE(tbl.PanelHover);
    }
}

TEST_F(MenuStripTest, EscapePutsTheStripAndItsListAway) {
    FrmGrisk& f = frmGrisk();
    f.picPanel.setVisible(true);
    frmMenu().LoadList(4);
    frmMenu().Show();
    cmd.MenuOpen = true;
    tbl.PanelHover = true;
    int escape = 27;
    f.Form_KeyDown(escape, 0);
    EXPECT_FALSE(f.picPanel.Visible());
    EXPECT_FALSE(cmd.MenuOpen);
    EXPECT_FALSE(frmMenu().isLoaded());
    EXPECT_FALSE(tbl.PanelHover);

    // While the menus are locked (the game end) the key does nothing.
    f.picPanel.setVisible(true);
    cmd.MenuLocked = true;
    f.Form_KeyDown(escape, 0);
    EXPECT_TRUE(f.picPanel.Visible());
}

TEST(MenuRowsTest, EachMenuHasItsRowsAndSeparators) {
    grisk_test::ResetAll();
    const struct {
        int menu, peers, host;
        int rows;
        std::vector<int> separators;
    } cases[] = {
        {1, 0, 0, 12, {2, 5, 8, 10}}, {2, 0, 0, 14, {3, 6, 8, 12}}, {3, 0, 0, 3, {2}},
        {3, 99, 1, 3, {2}},           {3, 1, 0, 5, {2}},             {3, 2, 1, 11, {2, 6, 8}},
        {4, 0, 0, 9, {6}},
    };
    for (const auto& c : cases) {
        inet.NetPeers = c.peers;
        inet.IsHost = c.host;
        const std::vector<MenuRow> rows = MenuRows(c.menu);
        ASSERT_EQ(static_cast<int>(rows.size()), c.rows) << c.menu << " peers " << c.peers;
        std::vector<int> seps;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].separator) seps.push_back(static_cast<int>(i));
        EXPECT_EQ(seps, c.separators) << c.menu;
    }
    inet.NetPeers = 1;
    inet.IsHost = 0;
    EXPECT_EQ(MenuRows(3)[0].caption, "Remote - END Internet Game");
    EXPECT_TRUE(MenuRows(3)[0].key.isEmpty());
    eng.Peeking = true;
    EXPECT_EQ(MenuRows(4)[3].caption, "Stop Peeking");
    EXPECT_EQ(MenuRows(2)[9].caption, "Change Background  [up/down arrows]");
    EXPECT_EQ(MenuRows(1)[2].caption, QString(21, QChar(0x2014)));

    // The list's height follows its rows.
    FrmMenu list;
    list.LoadList(1);
    const double twelve = list.Height();
    list.LoadList(4);
    EXPECT_LT(list.Height(), twelve);
    EXPECT_EQ(list.List1.Count(), 9);
}

}  // namespace
