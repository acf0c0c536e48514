// The winning computer player's picture show: which frames, in which
// order, where, from which personality's program, and how it ends.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTimer>

#include "engine/flash.h"
#include "engine/state.h"
#include "platform/eventwait.h"
#include "platform/personality_programs.h"
#include "platform/twips.h"
#include "play_fixture.h"
#include "records/profile.h"
#include "records/state.h"

using namespace grisk;

namespace {

class FlashTest : public grisk_test::PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        table(2, 3);
        // A computer player has won.
        eng.OppSideCount = 0;
        eng.Pturn = 0;
        recs.OppTable.redim({{0, 3}, {0, 1}});
        const char* names[] = {"Grisk", "Voze", "Zozida", "Nobody"};
        for (int r = 0; r <= 3; ++r) recs.OppTable(r, 1) = names[r];
        recs.NumOpps = 3;
    }
    void TearDown() override {
        waits::SetPauseScale(0);
        PlayTest::TearDown();
    }

    static bool framesAre(const QString& name) {
        for (int i = 1; i <= 7; ++i)
            if (frmFlasher().ImgFlash(i).Picture() != pms::PersonalityFrame(name, i)) return false;
        return true;
    }
    bool frameFilesLeft() const { return !QDir(eng.DataFolder).entryList({"*.tmp"}, QDir::Files).isEmpty(); }
};

TEST_F(FlashTest, TheDefaultOpponentShowsItsOwnFramesForwardAndBack) {
    Flash(0);
    EXPECT_EQ(frmFlasher().FramesShown, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_TRUE(framesAre("Grisk"));
    EXPECT_FALSE(eng.FlashLoaded) << "its frames are the program's own";
    EXPECT_FALSE(frameFilesLeft());
    EXPECT_TRUE(f().Picture().isNull()) << "the table's drawing comes back";
    EXPECT_TRUE(f().PicCenter(1).Visible());
}

TEST_F(FlashTest, ALoopingPersonalityShowsItsFramesTwiceForward) {
    eng.SoundFiles(0) = "1";
    Flash(0);
    EXPECT_EQ(frmFlasher().FramesShown, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 1, 2, 3, 4, 5, 6, 7}));
}

// "Zozida" shows the frames "Voze"'s program writes; the files are taken
// in and deleted, and the program runs only for the first show.
TEST_F(FlashTest, ZozidaShowsVozesFramesFromItsProgramOnce) {
    Flash(2);
    EXPECT_TRUE(framesAre("Voze"));
    EXPECT_TRUE(eng.FlashLoaded);
    EXPECT_EQ(eng.FlashLoadedFor, 2);
    EXPECT_FALSE(frameFilesLeft());
    EXPECT_EQ(frmFlasher().FramesShown.size(), 13u);

    const QImage marked = pms::PersonalityFrame("Grisk", 4);
    frmFlasher().ImgFlash(1).setPicture(marked);
    Flash(2);
    EXPECT_EQ(frmFlasher().ImgFlash(1).Picture(), marked) << "the same winner again: no second run";

    // Back to the default opponent: its frames as designed.
    Flash(0);
    EXPECT_TRUE(framesAre("Grisk"));
    EXPECT_FALSE(eng.FlashLoaded);
}

// A personality without a program has no frames to load: the show plays
// the pictures the window holds, and the program is tried again next time.
TEST_F(FlashTest, APersonalityWithoutAProgramShowsTheFramesThereAre) {
    Flash(3);
    EXPECT_FALSE(eng.FlashLoaded);
    EXPECT_TRUE(framesAre("Grisk"));
    EXPECT_EQ(frmFlasher().FramesShown.size(), 13u);
}

// The default opponent chosen in the set-up puts its frames back.
TEST_F(FlashTest, ChoosingTheDefaultOpponentPutsItsFramesBack) {
    Flash(1);
    ASSERT_TRUE(framesAre("Voze"));
    eng.Player2.Name = "Grisk";
    ChangePerson();
    EXPECT_FALSE(eng.FlashLoaded);
    EXPECT_TRUE(framesAre("Grisk"));
}

TEST_F(FlashTest, ARowThatIsNotInTheTableShowsNothing) {
    for (int row : {-1, 4, 99}) {
        Flash(row);
        EXPECT_TRUE(frmFlasher().FramesShown.empty()) << row;
    }
}

// Closing in the middle leaves the show as it stands: with two players and
// three centre piles the first frame sits at the left edge, level with the
// remark line, over the hidden first centre pile.
TEST_F(FlashTest, TheShowIsPaintedAtTheLeftEdgeLevelWithTheRemarkLine) {
    waits::SetPauseScale(0.001);
    QTimer::singleShot(0, [] { eng.Quitting = true; });
    Flash(0);
    EXPECT_EQ(frmFlasher().FramesShown, std::vector<int>{1});
    EXPECT_FALSE(f().PicCenter(1).Visible());
    const QImage table = f().Picture();
    ASSERT_FALSE(table.isNull());
    const QImage frame = pms::PersonalityFrame("Grisk", 1);
    const int top = static_cast<int>(screen::TwipsToPixels(f().Label9(2).topTw()));
    EXPECT_EQ(table.copy(0, top, frame.width(), frame.height()), frame);
}

// A new game with another seat to move ends the show; the table comes back.
TEST_F(FlashTest, ANewGameWithAnotherSeatToMoveEndsTheShow) {
    waits::SetPauseScale(0.001);
    QTimer::singleShot(0, [] {
        eng.OppSideCount = 20;
        eng.Pturn = 2;
    });
    Flash(0);
    EXPECT_EQ(frmFlasher().FramesShown.size(), 1u);
    EXPECT_TRUE(f().Picture().isNull());
    EXPECT_TRUE(f().PicCenter(1).Visible());
}

TEST_F(FlashTest, WithMorePlayersTheHumansPayOffPileMakesRoom) {
    buildTable(3, 4);
    waits::SetPauseScale(0.001);
    QTimer::singleShot(0, [] { eng.Quitting = true; });
    Flash(0);
    EXPECT_FALSE(f().Picture7(1).Visible());
    const QImage frame = pms::PersonalityFrame("Grisk", 1);
    const int left = static_cast<int>(screen::TwipsToPixels(f().imgCenter.leftTw() + f().imgCenter.widthTw()));
    const int top = static_cast<int>(screen::TwipsToPixels(f().Label9(2).topTw() - 220));
    EXPECT_EQ(f().Picture().copy(left, top, frame.width(), frame.height()), frame);
}

}  // namespace
