// The table's own controls: the status bar's panels and their clicks, the
// avatar fitted to its box, the slap laid over it, the sound-level remark and
// the display aid that reveals every label.
#include <gtest/gtest.h>

#include <QDir>
#include <QFontMetricsF>
#include <QImage>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/control_widgets.h"
#include "platform/formwindow.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "records/state.h"
#include "shell/state.h"
#include "engine/play_fixture.h"
#include "support/test_support.h"
#include "table/avatar.h"
#include "table/card_store.h"
#include "table/seat_controls.h"
#include "table/sound_level.h"
#include "table/state.h"
#include "table/status_bar.h"

using namespace grisk;

namespace {

class TableControlsTest : public grisk_test::GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        eng.UserFolder = tempFolder() + "/";
        eng.DataFolder = tempFolder() + "/";
        eng.ScreenWidthTw = 15360;
        eng.MainFormWidth = 12000;
        eng.NumPlayers = 2;
        QDir().mkpath(tempPath("Avatars"));
        QDir().mkpath(tempPath("Icons"));
    }
    void TearDown() override {
        ReleaseFrmGrisk();
        ReleaseCardPictureStores();
    }
    FrmGrisk& f() { return frmGrisk(); }
    void avatar(const QString& name, int w, int h) {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::red);
        ASSERT_TRUE(img.save(tempPath("Avatars/" + name), "PNG"));
    }
    static double px(double tw) { return screen::TwipsToPixels(tw); }
};

TEST_F(TableControlsTest, TheStatusBarHasNinePanelsWithTheUndoButtonLast) {
    vb::Control& bar = f().StatusBar1;
    ASSERT_EQ(bar.PanelCount(), 9);
    EXPECT_EQ(std::as_const(bar).Panels(kPanelUndo).ToolTipText, "Undo Move");
    EXPECT_FALSE(std::as_const(bar).Panels(kPanelUndo).Picture.isNull());
    EXPECT_TRUE(std::as_const(bar).Panels(kPanelOppName).Spring);
    // A press is found in the panel under it: the undo button sits at the
    // right end, the opponent's name fills the middle.
    const double width = px(bar.widthTw());
    EXPECT_EQ(vb::StatusPanelAt(bar, width - 5), kPanelUndo);
    EXPECT_EQ(vb::StatusPanelAt(bar, 2), 1);
    EXPECT_EQ(vb::StatusPanelAt(bar, width + 5), 0);
    const std::vector<QRectF> cells = vb::StatusPanelCells(bar, QRectF(0, 0, width, 20));
    EXPECT_NEAR(cells.back().right(), width, 0.01) << "the spring panel fills the bar";
}

// The panels widen to the texts the game writes into them ("0- 1- 0- [ 1"
// was cut); on a bar as narrow as a 640-pixel window every panel still shows
// its whole text and the undo button stays on the bar, whether the panels
// start narrower there (a small table forced at start-up) or as designed
// (a small table stored): a bar too narrow for them fits them to its width.
TEST_F(TableControlsTest, EveryStatusPanelShowsItsWholeText) {
    vb::Control& bar = f().StatusBar1;
    const QFontMetricsF metrics(vb::ControlFont(bar));
    const FrmGrisk designed;
    const struct {
        double width;
        bool narrowStart;
    } cases[] = {{632, true}, {632, false}, {792, false}, {1272, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << (c.narrowStart ? ", started narrow" : ""));
        // On a 640-pixel screen the wild counters go without their prefix.
        const QString wild = c.width < 700 ? QString() : QStringLiteral("Wild: ");
        const QStringList texts = {"Ottilie:", " 3- 5- 1- [ 9 ]", " 10- 12- 3- [ 25 ]", wild + " 2/ 3",
                                   "Mirabel:", " 0- 1- 0- [ 1 ]", " 9- 14- 6- [ 29 ]", wild + " 1/ 4"};
        for (int i = 1; i <= 8; ++i) {
            bar.Panels(i).Text = texts[i - 1];
            bar.Panels(i).MinWidth = designed.StatusBar1.Panels(i).MinWidth;
        }
        if (c.narrowStart)
            for (int panel : {1, 4, 5, 8}) bar.Panels(panel).MinWidth = 700;
        const std::vector<QRectF> cells = vb::StatusPanelCells(bar, QRectF(0, 0, c.width, 20));
        for (int i = 1; i <= 8; ++i) {
            const QRectF cell = cells[static_cast<std::size_t>(i - 1)];
            // Painting leaves 4 pixels each side of the text.
            EXPECT_GE(cell.width() - 8, metrics.horizontalAdvance(texts[i - 1])) << "panel " << i;
        }
        EXPECT_LE(cells.back().right(), c.width + 0.01) << "the undo button is on the bar";
    }
}

TEST_F(TableControlsTest, TheOpponentPanelStepsThroughTheOpponentsOfALargeTable) {
    eng.Player2.Name = "Grisk";
    eng.Player3.Name = "Varnok";
    eng.Player4.Name = "Snark";
    eng.NumPlayers = 4;
    std::vector<QString> shown;
    for (int i = 0; i < 4; ++i) {
        StatusBar1_PanelClick(kPanelOppName);
        shown.push_back(f().StatusBar1.Panels(kPanelOppName).Text);
    }
    EXPECT_EQ(shown, (std::vector<QString>{"Grisk", "Varnok", "Snark", "Grisk"}));

    eng.NumPlayers = 3;
    f().StatusOppIndex = 2;
    StatusBar1_PanelClick(kPanelOppName);
    EXPECT_EQ(f().StatusBar1.Panels(kPanelOppName).Text, "Grisk");

    eng.NumPlayers = 2;
    f().StatusBar1.Panels(kPanelOppName).Text = "Grisk:";
    StatusBar1_PanelClick(kPanelOppName);
    StatusBar1_PanelClick(3);
    EXPECT_EQ(f().StatusBar1.Panels(kPanelOppName).Text, "Grisk:") << "two players: nothing";
}

TEST_F(TableControlsTest, UndoWorksOnlyOnTheHumansTurnAfterAMoveAndARefusalClearsIt) {
    const struct {
        int pturn, logPos;
        bool asks;
    } cases[] = {{1, 0, false}, {1, 2, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Pturn " << c.pturn << " log " << c.logPos);
        vb::msgbox_script::clearShown();
        eng.Pturn = c.pturn;
        eng.MoveLogPos = c.logPos;
        recs.AutoSaveOn = false;  // the undo is then refused
        // Through the bar itself, at the undo button.
        f().setScaleMode(vb::ScaleMode::Pixels);
        f().MouseDown(f().StatusBar1, 1, 0, px(f().StatusBar1.widthTw()) - 4, 5);
        EXPECT_EQ(vb::msgbox_script::shown().size(), c.asks ? 1u : 0u);
        EXPECT_FALSE(cmd.UndoRequested) << "nothing is left for the next game";
    }
    EXPECT_EQ(vb::msgbox_script::shown().back().title, "Restart Turn");
}

// The undo button pressed while a computer seat plays, reached by a real
// discard: nothing is asked and nothing is left for later.
class UndoDuringATurnTest : public grisk_test::PlayTest {};

TEST_F(UndoDuringATurnTest, DoesNothing) {
    table(2, 3);
    humanToMove();
    recs.AutoSaveOn = false;  // an undo would be refused with a box
    bool requested = true;
    std::size_t boxes = 1;
    const bool ran = duringTurnOf(2, [&] {
        vb::msgbox_script::clearShown();
        eng.MoveLogPos = 3;
        FrmGrisk& f = frmGrisk();
        f.setScaleMode(vb::ScaleMode::Pixels);
        f.MouseDown(f.StatusBar1, 1, 0, screen::TwipsToPixels(f.StatusBar1.widthTw()) - 4, 5);
        boxes = vb::msgbox_script::shown().size();
        requested = cmd.UndoRequested;
    });
    ASSERT_TRUE(ran);
    EXPECT_EQ(boxes, 0u);
    EXPECT_FALSE(requested);
    EXPECT_FALSE(cmd.UndoRequested);
}

TEST_F(TableControlsTest, TheAvatarIsFittedToItsBoxByItsShape) {
    const struct {
        int w, h;
        double width, height;
    } cases[] = {{100, 100, 130, 130}, {200, 100, 130, 65}, {110, 100, 143, 130}, {100, 200, 65, 130}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
        avatar("a.png", c.w, c.h);
        ShowAvatar("a.png");
        EXPECT_NEAR(px(f().ImgAvatar.widthTw()), c.width, 0.07);
        EXPECT_NEAR(px(f().ImgAvatar.heightTw()), c.height, 0.07);
        EXPECT_DOUBLE_EQ(f().ImgAvatar.topTw(), 0);
        // The slap sits 2 pixels above the avatar's lower edge, 6 twips to its left.
        EXPECT_NEAR(px(f().imgSlap.topTw() + f().imgSlap.heightTw()), c.height - 2, 0.07);
        EXPECT_DOUBLE_EQ(f().imgSlap.leftTw(), f().ImgAvatar.leftTw() - 6);
    }
}

// The start shows one avatar several times; a file changed in between is
// shown as it is now.
TEST_F(TableControlsTest, AnAvatarFileChangedSinceItWasShownShowsItsNewPicture) {
    for (const QColor colour : {QColor(Qt::red), QColor(Qt::blue), QColor(Qt::blue)}) {
        QImage img(60, 60, QImage::Format_RGB32);
        img.fill(colour);
        ASSERT_TRUE(img.save(tempPath("Avatars/same.png"), "PNG"));
        ShowAvatar("same.png");
        const QImage shown = f().ImgAvatar.Picture();
        ASSERT_FALSE(shown.isNull());
        EXPECT_EQ(QColor(shown.pixel(30, 30)), colour);
    }
}

TEST_F(TableControlsTest, FourPlayersOnANarrowScreenGetASmallerBoxBesideTheCentre) {
    eng.NumPlayers = 4;
    eng.ScreenWidthTw = 9600;
    f().imgCenter.setGeometryTw(3000, 2400, 3930, 1920);
    avatar("sq.png", 50, 50);
    ShowAvatar("sq.png");
    EXPECT_NEAR(px(f().ImgAvatar.widthTw()), 110, 0.07);
    EXPECT_DOUBLE_EQ(f().ImgAvatar.topTw(), 2400);
    // Three players on a narrow screen: the large box, at Left 25 before it
    // is put against the right edge.
    eng.NumPlayers = 3;
    ShowAvatar("sq.png");
    EXPECT_NEAR(px(f().ImgAvatar.widthTw()), 130, 0.07);
}

TEST_F(TableControlsTest, APictureThatCannotBeShownLeavesTheAvatarAsItWas) {
    avatar("good.png", 100, 100);
    ShowAvatar("good.png");
    const QImage before = f().ImgAvatar.Picture();
    const double width = f().ImgAvatar.widthTw();
    const double left = f().ImgAvatar.leftTw();
    QFile junk(tempPath("Avatars/junk.gif"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("GIF89a but nothing more");
    junk.close();
    QFile empty(tempPath("Avatars/empty.png"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    for (const char* name : {"missing.png", "junk.gif", "empty.png", ""}) {
        SCOPED_TRACE(name);
        ShowAvatar(name);
        EXPECT_EQ(f().ImgAvatar.Picture().cacheKey(), before.cacheKey());
        EXPECT_DOUBLE_EQ(f().ImgAvatar.widthTw(), width);
        EXPECT_DOUBLE_EQ(f().ImgAvatar.leftTw(), left);
    }
}

TEST_F(TableControlsTest, AMaximisedWindowPutsTheAvatarAgainstTheScreensEdge) {
    f().setWindowState(2);
    f().ImgAvatar.setGeometryTw(0, 0, 1950, 1950);
    PlaceTurnImages();
    EXPECT_DOUBLE_EQ(f().ImgAvatar.leftTw(), 15360 - 2080);
    EXPECT_DOUBLE_EQ(f().imgSlap.leftTw(), 15360 - 2080 - 6);
    f().setWindowState(0);
    eng.ScreenWidthTw = 12000;
    PlaceTurnImages();
    EXPECT_DOUBLE_EQ(f().ImgAvatar.leftTw(), 12000 - (1950 + 150));
}

TEST_F(TableControlsTest, TheSlapGoesWhenTheMouseMovesMoreThanAHundredAway) {
    FrmGrisk& form = f();
    form.setScaleMode(vb::ScaleMode::Pixels);
    ImgAvatar_MouseUp(1, 0, 40, 50);
    AvatarSlap();
    EXPECT_TRUE(form.imgSlap.Visible());
    EXPECT_EQ(form.imgSlap.Picture().size(), QSize(40, 40)) << "the burst shows with the slap";
    for (auto [x, y] : {std::pair{140.0, 50.0}, {-60.0, 50.0}, {40.0, 150.0}, {40.0, -50.0}}) {
        imgSlap_MouseMove(x, y);
        EXPECT_TRUE(form.imgSlap.Visible()) << x << "," << y;
    }
    EXPECT_FALSE(form.imgSlap.MouseIcon().isNull()) << "the slapping hand";
    imgSlap_MouseMove(141, 50);
    EXPECT_FALSE(form.imgSlap.Visible());

    // Cards being flipped keep the slap point; Ctrl brings the personality's
    // own picture back; the right button does nothing.
    eng.Flipping = true;
    ImgAvatar_MouseUp(1, 0, 5, 5);
    EXPECT_EQ(form.SlapX, 40);
    eng.Flipping = false;
    ImgAvatar_MouseUp(2, 0, 5, 5);
    EXPECT_EQ(form.SlapX, 40);
    avatar("own.png", 64, 64);
    recs.OppPicture = "own.png";
    ImgAvatar_MouseUp(1, vb::vbCtrlMask, 5, 5);
    EXPECT_EQ(recs.AvatarFile, "own.png");
    EXPECT_EQ(form.ImgAvatar.Tag(), "own.png");
    EXPECT_EQ(form.SlapX, 40);

    AvatarSlap();
    recs.SoundLevel = 0;
    form.Click(form.imgSlap);
    EXPECT_FALSE(form.imgSlap.Visible());
    EXPECT_EQ(sound::LastRequested(), eng.DataFolder + "~118.tmp");
}

TEST_F(TableControlsTest, TheSoundLevelIsAnsweredOnTheRemarkLine) {
    eng.SoundFiles(2) = "/snd/two.wav";
    eng.SoundFiles(13) = "/snd/cheer.wav";
    const struct {
        int level;
        const char* remark;
    } cases[] = {{0, "YEAH!"}, {1, "Let's hold it down a little guys!"}, {2, "Ahhh... the sounds of silence..."}};
    for (const auto& c : cases) {
        recs.SoundLevel = c.level;
        ChangeNoise();
        EXPECT_EQ(f().Label9(2).Caption(), c.remark);
        EXPECT_EQ(sound::LastRequested(), "/snd/two.wav") << "the sample follows at every level";
    }
}

TEST_F(TableControlsTest, TheDisplayAidRevealsEveryLabelAndShowsTheEmotionIcon) {
    FrmGrisk& form = f();
    form.Label9(5).setVisible(false);
    form.Label9(5).setCaption(QString());
    form.LabelPeek.setVisible(false);
    form.LabelPeek.setCaption(QString());
    ResetEmotionIcon();  // no icon file yet: the rest is done all the same
    EXPECT_TRUE(form.Label9(5).Visible());
    EXPECT_EQ(form.Label9(5).Caption(), "Label9 5");
    EXPECT_TRUE(form.LabelPeek.Visible());
    EXPECT_TRUE(form.LabelPeek.Caption().isEmpty()) << "a label outside an array has no index to show";
    EXPECT_TRUE(form.imgIcon.Visible());
    EXPECT_EQ(form.Label9(1).BorderStyle(), 1);
    EXPECT_EQ(form.Label9(2).BorderStyle(), 1);

    QImage icon(32, 32, QImage::Format_RGB32);
    icon.fill(Qt::yellow);
    ASSERT_TRUE(icon.save(tempPath("Icons/Mischievous.gif"), "PNG"));
    ResetEmotionIcon();
    EXPECT_EQ(form.imgIcon.Picture().size(), QSize(32, 32));
}

TEST_F(TableControlsTest, TheControlsOfASeatCanBeLoadedTwice) {
    eng.ScreenWidthTw = 12000;
    eng.NumPlayers = 4;
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ASSERT_NO_THROW(LoadPlayerControls(f().Picture3));
        tbl.Seat4Loaded = true;
        f().setScaleMode(vb::ScaleMode::Pixels);
        EXPECT_DOUBLE_EQ(f().Picture3(1).Left(), 590);
        EXPECT_TRUE(f().Picture3.exists(10));
    }
}

}  // namespace
