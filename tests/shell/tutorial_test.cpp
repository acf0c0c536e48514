// The tutorial: its script's tags, stepping through the steps and back into
// a prepared position, leaving it, the player's own table and rules after
// it, and the shipped script against the shipped positions.
#include <gtest/gtest.h>

#include <QFile>

#include "engine/card_handling.h"
#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/open_files.h"
#include "engine/state.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "platform/recordfile.h"
#include "records/profile_record.h"
#include "records/saved_game_record.h"
#include "records/saved_games.h"
#include "records/state.h"
#include "shell/help_commands.h"
#include "shell/state.h"
#include "shell/tutorial.h"
#include "shell/tutorial_script.h"
#include "table/pile_info.h"
#include "table/state.h"
#include "table_fixture.h"

using namespace grisk;
using grisk_test::Card;

namespace {

// ------------------------------------------------------------ the tags

TEST(TutorialTagTest, ReadsEachPartOfTheTagAndShortTagsSafely) {
    const struct {
        const char* line;
        bool present;
        const char* text;
        char first;
        int firstNumber;
        char second;
        int secondNumber;
    } cases[] = {
        {"Play it.<H:03C:07>", true, "Play it.", 'H', 3, 'C', 7},
        {"<R 00R 33", true, "", 'R', 0, 'R', 33},
        {"Lower case<p-10h-00", true, "Lower case", 'P', 10, 'H', 0},
        {"Just words", false, "Just words", ' ', 0, ' ', 0},
        {"Cut short<H:03C:3", true, "Cut short", 'H', 3, 'C', 3},
        {"Cut shorter<H:03", true, "Cut shorter", 'H', 3, ' ', 0},
        {"One digit<P:5", true, "One digit", 'P', 5, ' ', 0},
        {"Only the mark<", true, "Only the mark", ' ', 0, ' ', 0},
        {"No digits<H:xxC:yy", true, "No digits", 'H', 0, 'C', 0},
        {"<C", true, "", 'C', 0, ' ', 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const TutorialTag tag = ReadTutorialTag(QString::fromLatin1(c.line));
        EXPECT_EQ(tag.present, c.present);
        EXPECT_EQ(tag.text, QString::fromLatin1(c.text));
        if (!c.present) continue;
        EXPECT_EQ(tag.first, QChar::fromLatin1(c.first));
        EXPECT_EQ(tag.firstNumber, c.firstNumber);
        EXPECT_EQ(tag.second, QChar::fromLatin1(c.second));
        EXPECT_EQ(tag.secondNumber, c.secondNumber);
    }
    EXPECT_EQ(TutorialParagraphs("One~two~three"), "One\n\ntwo\n\nthree");
}

TEST(TutorialTagTest, EveryStepOfARangeBelongsToItsPositionAndNoOtherStepDoes) {
    const struct {
        int step, record, first;
    } cases[] = {{5, 0, 0},    {6, 31, 6},   {8, 31, 6},   {9, 0, 0},   {11, 32, 10}, {12, 33, 12},
                 {14, 33, 12}, {15, 0, 0},   {17, 34, 16}, {19, 35, 18}, {21, 36, 20}, {22, 37, 22},
                 {28, 37, 22}, {29, 38, 29}, {32, 38, 29}, {33, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        EXPECT_EQ(PreparedRangeOf(c.step).record, c.record);
        EXPECT_EQ(PreparedRangeOf(c.step).firstStep, c.first);
    }
}

// ------------------------------------------------------------ the window

// The table of the commands' tests with a saved-games file whose records 31
// to 38 are positions told apart by the human's pay-off card (the record's
// number less 30), each under rules of their own.
class TutorialTest : public grisk_test::HumanToMoveTest {
protected:
    void SetUp() override {
        HumanToMoveTest::SetUp();
        ASSERT_TRUE(BackupFile().open(tempPath("backup.sav"), kSavedGameRecordLength,
                                      vb::RecordFile::Mode::OpenOrCreate));
        for (int r = 31; r <= 38; ++r) {
            setSide({Card(13), Card(r - 30)});
            BuildSaveRecord();
            recs.SaveRecord.Title = "Tutorial " + QString::number(r);
            ASSERT_TRUE(BackupFile().write(r, recs.SaveRecord.encode()));
        }
        eng.AppFolder = tempFolder();
    }
    void TearDown() override {
        if (FrmTutorialExists() && frmTutorial().isLoaded()) frmTutorial().Unload();
        BackupFile().close();
        HumanToMoveTest::TearDown();
    }

    // A script of the given lines beside the program.
    void script(const QStringList& lines) {
        QFile f(tempPath("tutorial.txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(lines.join('\n').toLatin1() + "\n");
    }
    // A script of 32 steps: each prepared range's first step loads its
    // record, the others only talk.
    void wholeScript() {
        QStringList lines;
        for (int step = 1; step <= 32; ++step) {
            const PreparedRange r = PreparedRangeOf(step);
            lines << (r.firstStep == step ? QString("Step %1<R:00R:%2>").arg(step).arg(r.record)
                                          : QString("Step %1<C:00C:00>").arg(step));
        }
        script(lines);
    }
    static FrmTutorial& tut() { return frmTutorial(); }
    static void next() { tut().Click(tut().cmdNextTip); }
    static void back() { tut().Click(tut().cmdBack); }
    static void exitButton() { tut().Click(tut().cmdOK); }
    // The human's pay-off card on the table.
    static int payOff() { return eng.PlayerSlots(1, 1); }
    static QByteArray record(int n) {
        QByteArray bytes;
        BackupFile().read(n, bytes);
        return bytes;
    }
    static const std::vector<vb::ShownBox>& boxes() { return vb::msgbox_script::shown(); }
};

TEST_F(TutorialTest, BackIntoAPreparedRangeLoadsItsPositionAgainFromTheRangesFirstStep) {
    wholeScript();
    tut().Show();
    ASSERT_EQ(tut().CurrentTip, 1);
    EXPECT_FALSE(tut().cmdBack.Visible());
    while (tut().CurrentTip < 13) next();
    EXPECT_EQ(payOff(), 3) << "record 33 from step 12 on";
    EXPECT_EQ(record(13), record(33)) << "a restart starts from the position";

    const struct {
        int from, lands, payOff;
    } cases[] = {{9, 6, 1}, {11, 10, 2}, {13, 12, 3}, {15, 12, 3}, {16, 15, 9}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        while (tut().CurrentTip < c.from) next();
        while (tut().CurrentTip > c.from) back();
        ASSERT_EQ(tut().CurrentTip, c.from);
        setSide({Card(9)});  // the table moved on meanwhile
        back();
        EXPECT_EQ(tut().CurrentTip, c.lands);
        EXPECT_EQ(payOff(), c.payOff);
        EXPECT_EQ(tut().lblTipText.Caption(), QString("Step %1").arg(c.lands));
    }
}

TEST_F(TutorialTest, ATagLetsOneCardMovePointsAtItAndWaitsForThePlay) {
    script({"Play your 7.<P:04C:00>", "Read this.<C:00C:00>", "The end."});
    tut().Show();
    humanToMove();  // the hand 5 6 7 8 10 on a table with centre piles to 6
    stackCentre(1, 6, 0);
    tut().DisplayCurrentTip();
    EXPECT_EQ(tut().lblTipText.Caption(), "Play your 7.");
    for (int s = 1; s <= 6; ++s) EXPECT_EQ(f().Picture7(s).Enabled(), s == 4) << s;
    EXPECT_TRUE(f().imgTipUp.Visible());
    EXPECT_EQ(f().imgTipUp.rectPx().left(), f().Picture7(4).rectPx().left() + 10);
    EXPECT_FALSE(tut().cmdNextTip.Enabled()) << "it waits for the move";

    play(4, 1);
    EXPECT_TRUE(tut().cmdNextTip.Enabled()) << "the play leads on";
    EXPECT_FALSE(f().imgTipUp.Visible());

    next();
    EXPECT_EQ(tut().lblTipText.Caption(), "Read this.");
    EXPECT_TRUE(tut().cmdNextTip.Enabled());
    EXPECT_FALSE(f().imgTipUp.Visible());
    EXPECT_FALSE(f().imgTip.Visible());
    next();
    next();
    EXPECT_FALSE(tut().cmdNextTip.Visible()) << "past the last step";
}

// The last lesson wins its game: the steps go on at once, the menus stay
// locked, no Deal button, and the game is not the player's to count.
TEST_F(TutorialTest, ALessonsGameThatEndsLeadsOnAndIsNotCounted) {
    setSide({Card(1)});  // the last card, an Ace, and an empty centre pile
    BuildSaveRecord();
    ASSERT_TRUE(BackupFile().write(38, recs.SaveRecord.encode()));
    script({"Welcome.", "The aim.", "The end of a game.<R:00R:38>", "Play your last card.<P:01C:00>", "You won."});
    tut().Show();
    while (tut().CurrentTip < 4) next();
    ASSERT_EQ(eng.SideCount, 1) << "the position of step 3";
    ASSERT_FALSE(tut().cmdNextTip.Enabled());
    // The player's profile on disk, with the games counted so far.
    PlayerProfileRecord shared, ann;
    shared.Seats(0).Name = ann.Seats(0).Name = "Ann";
    ann.GamesPlayed(0) = 40;
    QFile prefs(eng.DataFolder + "Prefs.sav");
    ASSERT_TRUE(prefs.open(QIODevice::WriteOnly));
    prefs.write(shared.encode() + ann.encode());
    prefs.close();
    recs.CurrentProfile = 2;

    play(1, 1);
    EXPECT_EQ(eng.Pturn, 0) << "the game is over";
    EXPECT_TRUE(tut().cmdNextTip.Enabled());
    EXPECT_TRUE(cmd.MenuLocked);
    EXPECT_FALSE(f().cmdDeal.Visible());
    EXPECT_FALSE(cmd.FlowRunning) << "no celebration holds the steps up";
    ASSERT_TRUE(prefs.open(QIODevice::ReadOnly));
    EXPECT_EQ(PlayerProfileRecord::decode(prefs.readAll().mid(kPlayerProfileRecordLength)).GamesPlayed(0), 40);
    EXPECT_TRUE(boxes().empty());
    next();
    EXPECT_EQ(tut().lblTipText.Caption(), "You won.");
}

// The fixed steps: step 4 points at the centre piles, 6 at the pay-off
// pile, 9 at the hold piles (all with the pointer that points right, just
// left of what it points at); step 17 puts away the pile-information
// window the step before asked for.
TEST_F(TutorialTest, TheFixedStepsPointAtTheirPilesAndStep17PutsThePileWindowAway) {
    wholeScript();
    tut().Show();
    const auto leftOf = [this](const vb::Control& c) { return c.rectPx().left() - f().imgTip.rectPx().width(); };
    const struct {
        int step;
        const vb::Control* target;
    } cases[] = {{4, &f().imgCenter}, {6, &f().Stack(20)}, {9, &f().Label3(0)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        while (tut().CurrentTip < c.step) next();
        EXPECT_TRUE(f().imgTip.Visible());
        EXPECT_EQ(f().imgTip.rectPx().left(), leftOf(*c.target));
        next();
        EXPECT_FALSE(f().imgTip.Visible()) << "the step after puts the pointer away";
    }
    while (tut().CurrentTip < 16) next();
    Picture7_MouseDown(8, 2, 0, 5, 5);  // a right click on hold pile 2
    ASSERT_TRUE(PileInfoShown());
    next();
    EXPECT_FALSE(PileInfoShown());
}

// Every key pressed on the tutorial's window reaches the table's keyboard,
// which refuses it while the tutorial runs.
TEST_F(TutorialTest, KeysOnTheWindowAreRefused) {
    script({"One", "Two"});
    tut().Show();
    vb::msgbox_script::clearShown();
    int f2 = vb::vbKeyF1 + 1;  // New Game
    tut().Form_KeyDown(f2, 0);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].prompt, "Please don't use the Menus during the tutorial.");
    EXPECT_EQ(boxes()[0].title, "Using Tutorial");
    EXPECT_EQ(eng.Pturn, 0) << "no game was dealt";
}

// A window made larger gives the text the room; one made smaller than its
// text and buttons need keeps them as they are.
TEST_F(TutorialTest, ResizingGivesTheTextTheRoomAndMovesNextAndBack) {
    script({"One", "Two"});
    tut().Show();
    next();
    const QRectF text = tut().lblTipText.rectPx();
    const QRectF nextButton = tut().cmdNextTip.rectPx();
    const QRectF backButton = tut().cmdBack.rectPx();
    const QRectF exitButton = tut().cmdOK.rectPx();
    const double w = tut().Width();
    const double h = tut().Height();

    tut().Move(tut().Left(), tut().Top(), w + 1500, h + 750);
    tut().Form_Resize();
    EXPECT_EQ(tut().lblTipText.rectPx().width(), text.width() + 100);
    EXPECT_EQ(tut().lblTipText.rectPx().height(), text.height() + 50);
    EXPECT_EQ(tut().cmdNextTip.rectPx().topLeft(), nextButton.topLeft() + QPointF(100, 50));
    EXPECT_EQ(tut().cmdBack.rectPx().topLeft(), backButton.topLeft() + QPointF(100, 50));
    EXPECT_EQ(tut().cmdOK.rectPx().topLeft(), exitButton.topLeft() + QPointF(0, 50)) << "Exit stays at the left";

    tut().Move(tut().Left(), tut().Top(), 600, 600);
    tut().Form_Resize();
    EXPECT_EQ(tut().lblTipText.rectPx().width(), text.width() + 100) << "too narrow: nothing moves";
    EXPECT_EQ(tut().lblTipText.rectPx().height(), text.height() + 50);
}

TEST_F(TutorialTest, ExitAsksOnlyBeforeTheLastStep) {
    const struct {
        int step;
        int answer;  // 0: no box expected
        bool stays;
    } cases[] = {{1, vb::vbNo, true}, {2, vb::vbYes, false}, {3, 0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        script({"One", "Two", "Three"});
        tut().Show();
        while (tut().CurrentTip < c.step) next();
        vb::msgbox_script::clearShown();
        if (c.answer != 0) vb::msgbox_script::pushAnswer(c.answer);
        if (c.answer == vb::vbYes) vb::msgbox_script::pushAnswer(vb::vbOK);
        exitButton();
        EXPECT_EQ(tut().isLoaded(), c.stays);
        EXPECT_EQ(cmd.TutorialOn, c.stays);
        if (c.answer == 0) {
            EXPECT_TRUE(boxes().empty());
        } else {
            ASSERT_GE(boxes().size(), 1u);
            EXPECT_EQ(boxes()[0].prompt, "Exit the tutorial?");
            EXPECT_EQ(boxes()[0].title, "Tutorial");
        }
        if (c.answer == vb::vbYes) {
            ASSERT_EQ(boxes().size(), 2u);
            EXPECT_EQ(boxes()[1].prompt, "To start the Tutorial again, go to the Help Menu and select Tutorial.");
        }
        if (tut().isLoaded()) tut().Unload();
    }
}

TEST_F(TutorialTest, ClosingPutsThePlayersOwnTableAndRulesBack) {
    table(3, 4);
    eng.SideOption = 25;
    eng.ForcedCards = 3;
    eng.NoWildAce = true;
    wholeScript();
    tut().Show();
    EXPECT_EQ(eng.NumPlayers, 2) << "the lessons' table";
    EXPECT_EQ(eng.NumCenters, 3);
    while (tut().CurrentTip < 6) next();
    EXPECT_EQ(eng.SideOption, 19) << "the position's rules";
    EXPECT_EQ(eng.ForcedCards, 0);
    EXPECT_FALSE(eng.NoWildAce);

    vb::msgbox_script::pushAnswer(vb::vbYes);
    vb::msgbox_script::pushAnswer(vb::vbOK);
    exitButton();
    EXPECT_EQ(eng.NumPlayers, 3);
    EXPECT_EQ(eng.NumCenters, 4);
    EXPECT_EQ(eng.TotalCards, 156);
    EXPECT_TRUE(f().PicCenter.exists(4)) << "the table has the player's centre piles again";
    EXPECT_EQ(eng.SideOption, 25);
    EXPECT_EQ(eng.ForcedCards, 3);
    EXPECT_TRUE(eng.NoWildAce);
    EXPECT_EQ(eng.Pturn, 0) << "no lesson's game is left to play on";
    EXPECT_FALSE(cmd.MenuLocked);
    EXPECT_TRUE(f().cmdDeal.Visible());
}

// A saved-games file without the lesson's position (one from before the
// positions were shipped): the step says so and the tutorial goes on.
TEST_F(TutorialTest, AMissingPositionIsReportedAndTheStepsGoOn) {
    ASSERT_TRUE(BackupFile().write(31, SavedGameRecord{}.encode()));
    wholeScript();
    tut().Show();
    vb::msgbox_script::clearShown();
    vb::msgbox_script::pushAnswer(vb::vbOK);
    while (tut().CurrentTip < 6) next();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].prompt, "The prepared game of this step (record 31 of the saved games) is missing or damaged.");
    EXPECT_EQ(eng.Pturn, 0) << "no game on the table";
    EXPECT_TRUE(tut().cmdNextTip.Enabled());
    next();
    EXPECT_EQ(tut().CurrentTip, 7);
}

TEST_F(TutorialTest, WithoutItsScriptTheScreenWidthStaysAsItWas) {
    eng.ScreenWidthTw = 14000;
    eng.AppFolder = tempFolder() + "/nowhere";
    tut().Show();
    EXPECT_FALSE(tut().isLoaded());
    EXPECT_EQ(eng.ScreenWidthTw, 14000);
    EXPECT_EQ(eng.Pturn, 1) << "the game on the table goes on";
}

TEST_F(TutorialTest, TheHelpMenuAsksBeforeTheGameOnTheTableIsLost) {
    script({"One", "Two"});
    const struct {
        int pturn;
        int answer;  // 0: no box expected
        bool opens;
    } cases[] = {{1, vb::vbNo, false}, {1, vb::vbYes, true}, {0, 0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        humanToMove();
        eng.Pturn = c.pturn;
        vb::msgbox_script::clearShown();
        if (c.answer != 0) vb::msgbox_script::pushAnswer(c.answer);
        MenuHelpCommand(1, 0);
        EXPECT_EQ(boxes().size(), c.answer != 0 ? 1u : 0u);
        EXPECT_EQ(tut().isLoaded(), c.opens);
        if (!c.opens) EXPECT_EQ(eng.SideCount, 2) << "the game stays";
        if (tut().isLoaded()) tut().Unload();
    }
}

// ------------------------------------------------------------ what ships

// The shipped script against the shipped positions: every range begins by
// loading its record, every record holds a two-player, three-centre game
// with the human to move, every pile a step highlights holds a card, and
// the first card a position asks for fits a centre pile.
TEST(ShippedTutorialTest, TheScriptAndThePositionsAgree) {
    QStringList steps;
    ASSERT_TRUE(ReadTutorialScript(QStringLiteral(GRISK_SOURCE_DIR "/data/tutorial.txt"), steps));
    ASSERT_GE(steps.size(), 32);
    QFile file(QStringLiteral(GRISK_BINARY_DIR "/tutorial/positions.sav"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray positions = file.readAll();
    ASSERT_EQ(positions.size(), kPreparedRanges * kSavedGameRecordLength);
    const auto position = [&](int record) {
        return SavedGameRecord::decode(positions.mid((record - 31) * kSavedGameRecordLength, kSavedGameRecordLength));
    };
    for (int record = 31; record <= 38; ++record) {
        SCOPED_TRACE(record);
        const SavedGameRecord r = position(record);
        EXPECT_TRUE(PlayableSavedGame(r));
        EXPECT_EQ(r.NumPlayers, 2);
        EXPECT_EQ(r.NumCenters, 3);
        EXPECT_EQ(r.Pturn, 1);
    }
    for (int i = 0; i < kPreparedRanges; ++i) {
        const PreparedRange range = PreparedRangeAt(i);
        const TutorialTag tag = ReadTutorialTag(steps.at(range.firstStep - 1));
        EXPECT_EQ(tag.second, u'R') << "step " << range.firstStep;
        EXPECT_EQ(tag.secondNumber, range.record) << "step " << range.firstStep;
    }

    int shown = 0;
    bool untouched = false;
    for (int step = 1; step <= steps.size(); ++step) {
        SCOPED_TRACE(step);
        const TutorialTag tag = ReadTutorialTag(steps.at(step - 1));
        EXPECT_FALSE(tag.text.trimmed().isEmpty());
        if (!tag.present) continue;
        if (tag.second == u'R') {
            ASSERT_GE(tag.secondNumber, 31);
            ASSERT_LE(tag.secondNumber, 38);
            shown = tag.secondNumber;
            untouched = true;
            continue;
        }
        if (tag.first != u'H' && tag.first != u'P') continue;
        ASSERT_NE(shown, 0) << "a card is highlighted before any position is on the table";
        const SavedGameRecord r = position(shown);
        const int slot = tag.firstNumber;
        ASSERT_GE(slot, 1);
        ASSERT_LE(slot, 10);
        const int rank = r.Slots(1, slot, 1);
        EXPECT_NE(rank, 0) << "slot " << slot << " of record " << shown;
        if (untouched) {
            bool fits = false;
            for (int c = 1; c <= r.NumCenters; ++c)
                fits = fits || (rank == 13 ? r.CenterCount(c) < 12 : rank == r.CenterCount(c) + 1);
            EXPECT_TRUE(fits) << "the card of slot " << slot << " in record " << shown;
        }
        untouched = false;
    }
}

}  // namespace
