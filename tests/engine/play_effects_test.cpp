// What a play sets off besides the piles: the blocked opponent's remark,
// the opponent's remark on a King, the move log record; and the reorder of
// a hand.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <set>

#include "engine/card_handling.h"
#include "engine/open_files.h"
#include "engine/player_move.h"
#include "play_fixture.h"
#include "records/move_log.h"
#include "records/saved_game_record.h"
#include "table/pile_info.h"

namespace {

using grisk::eng;
using grisk::recs;
using grisk_test::Card;

class PlayEffectsTest : public grisk_test::PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        table();
        setSide({Card(8, 1), Card(9, 1), Card(10, 1)});
        setStock({Card(2, 5), Card(3, 5), Card(4, 5), Card(5, 5), Card(6, 5), Card(7, 5)});
        for (int k = 1; k <= 10; ++k) eng.Player2.RecComments(k) = QString("remark %1").arg(k);
        for (int k = 7; k <= 11; ++k) eng.Player2.Sounds(k) = QString("/nonexistent/seat2-%1.wav").arg(k);
    }
};

TEST_F(PlayEffectsTest, APlayThatBlocksSeatTwoDrawsADifferentRemarkEachTime) {
    // Seat 2's pay-off top is a Jack: a pile brought to 11 blocks it.
    stackCentre(1, 10, 6);
    stackCentre(2, 10, 7);
    stackCentre(3, 10, 4);
    setHand({Card(11, 2), Card(11, 3), Card(11, 5), Card(9, 2), Card(9, 3)});
    show();
    recs.SoundLevel = 0;
    const QString avatar = f().ImgAvatar.Tag();
    std::vector<int> lines;
    for (int c = 1; c <= 3; ++c) {
        play(c + 1, c);
        lines.push_back(eng.LastBlockRemark);
        EXPECT_EQ(f().Label9(2).Caption(), QString("remark %1").arg(eng.LastBlockRemark));
        const QString sound = QFileInfo(sound::LastRequested()).fileName();
        EXPECT_TRUE(sound.startsWith("seat2-")) << sound.toStdString();
        EXPECT_EQ(eng.LastBlockSound, sound.mid(6, sound.indexOf('.') - 6).toInt());
        EXPECT_GE(eng.LastBlockSound, 7);
        EXPECT_LE(eng.LastBlockSound, 10);
    }
    for (int k : lines) {
        EXPECT_GE(k, 1);
        EXPECT_LE(k, 10);
    }
    EXPECT_NE(lines[0], lines[1]);
    EXPECT_NE(lines[1], lines[2]);
    EXPECT_FALSE(eng.RestoreOwnAvatar) << "no avatar change at two players";
}

TEST_F(PlayEffectsTest, APayOffCardThatBlocksPlaysTheSeatsSoundEleven) {
    setSide({Card(8, 1), Card(11, 1)});
    stackCentre(1, 10, 6);
    setHand({Card(9, 2), Card(9, 3)});
    show();
    recs.SoundLevel = 0;
    play(1, 1);
    EXPECT_EQ(QFileInfo(sound::LastRequested()).fileName(), "seat2-11.wav");
}

TEST_F(PlayEffectsTest, AnAceStartingAPileWhileAnotherIsEmptyBlocksNoOne) {
    setSeatSide(2, {Card(9), Card(1)});
    setHand({Card(1, 2), Card(1, 3), Card(9, 2)});
    show();
    f().Label9(2).setCaption("kept");
    play(2, 1);
    EXPECT_EQ(f().Label9(2).Caption(), "kept");
    EXPECT_EQ(eng.LastBlockRemark, 0);
    // With no other pile empty the Ace remark comes.
    stackCentre(2, 3, 6);
    stackCentre(3, 3, 7);
    eng.CenterCount(1) = 0;
    play(3, 1);
    EXPECT_EQ(f().Label9(2).Caption(), QString("remark %1").arg(eng.LastBlockRemark));
}

TEST_F(PlayEffectsTest, WithMorePlayersTheBlockedSeatShowsItsAvatarUntilTheNextPress) {
    grisk_test::ResetAll();
    PlayTest::SetUp();
    table(3, 3);
    setSide({Card(8, 1), Card(9, 1), Card(10, 1)});
    eng.PlayerAvatar = "ann.jpg";
    eng.Player3.Avatar = "varnok.jpg";
    for (int k = 1; k <= 10; ++k) eng.Player3.RecComments(k) = "Varnok speaks";
    // Seat 3's pay-off top is an Eight; seat 2's a Jack.
    stackCentre(1, 7, 6);
    setHand({Card(8, 2), Card(9, 2)});
    show();
    play(2, 1);
    EXPECT_EQ(f().Label9(2).Caption(), "Varnok speaks");
    EXPECT_TRUE(eng.RestoreOwnAvatar);
    grisk::Picture7_MouseDown(3, 1, 0, 10, 10);
    grisk::Picture7_MouseUp(3, 1, 0, 10, 10);
    EXPECT_FALSE(eng.RestoreOwnAvatar);
}

TEST_F(PlayEffectsTest, TheOpponentRemarksOnAKingThatBlocksThePayOffCard) {
    eng.Comments(31) = "A King";
    eng.Comments(32) = "for that?";
    eng.Comments(33) = "Poor play.";
    setSide({Card(8, 1), Card(2, 1)});
    stackCentre(1, 1, 6);
    setHand({Card(13, 2), Card(9, 2)});
    show();
    play(2, 1);
    EXPECT_EQ(f().Label9(1).Caption(), "A King for that?") << "the King took the Two the pay-off card needed";
}

TEST_F(PlayEffectsTest, EveryPlayIsWrittenToTheMoveLog) {
    ASSERT_TRUE(grisk::OpenMoveLog(true));
    stackCentre(1, 3, 6);
    setHand({Card(4, 2), Card(9, 2)});
    show();
    eng.MoveLogPos = 1;
    play(2, 1);
    EXPECT_EQ(eng.MoveLogPos, 2);
    QByteArray bytes;
    grisk::MoveLogFile().read(2, bytes);
    const grisk::SavedGameRecord logged = grisk::SavedGameRecord::decode(bytes);
    EXPECT_EQ(logged.CenterCount(1), 4);
    EXPECT_EQ(logged.CenterPile(0, 1, 4), Card(4, 2));
    EXPECT_EQ(logged.Slots(0, 2, 1), 0);
    EXPECT_EQ(logged.HandCount, 1);
    grisk::OpenMoveLog(false);
}

TEST_F(PlayEffectsTest, ThePileInformationWindowFollowsAPlayFromTheHoldPileItShows) {
    setHold(2, {Card(3, 3), Card(5, 3), Card(7, 3), Card(1, 3)});
    setHand({Card(9, 2), Card(9, 3)});
    show();
    eng.InfoPile = 8;
    eng.InfoHold = 0;
    grisk::HoldInfo(eng.PlayerHold, eng.PlayerHoldCount, 0, QString());
    grisk::frmHold().Show();
    EXPECT_EQ(grisk::frmHold().lblHold.Caption(), " Your Hold Cards Hidden: 3 ");
    play(8, 1);
    EXPECT_TRUE(grisk::PileInfoShown());
    EXPECT_EQ(grisk::frmHold().lblHold.Caption(), " Your Hold Cards Hidden: 2 ");
    EXPECT_EQ(grisk::frmHold().Picture8(1).Drawn(), QString("face %1 small").arg(Card(5, 3)));
    grisk::ReleaseFrmHold();
}

TEST_F(PlayEffectsTest, HandSortMovesOneCardAndShiftsTheOthers) {
    struct Case {
        int from, to;
        std::vector<int> after;  // ranks of places 2..6
        int low, high;
    };
    const Case cases[] = {
        {5, 2, {4, 1, 2, 3, 5}, 2, 5},
        {2, 5, {2, 3, 4, 1, 5}, 2, 5},
        {3, 3, {1, 2, 3, 4, 5}, 3, 3},
        {6, 4, {1, 2, 5, 3, 4}, 4, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " to " << c.to);
        setHand({Card(1, 2), Card(2, 2), Card(3, 2), Card(4, 2), Card(5, 2)});
        show();
        int from = c.from, to = c.to;
        grisk::Hand_Sort(eng.PlayerSlots, f().Picture7, from, to);
        for (int s = 2; s <= 6; ++s) {
            EXPECT_EQ(eng.PlayerSlots(1, s), c.after[s - 2]) << s;
            EXPECT_EQ(eng.PlayerSlots(0, s), Card(c.after[s - 2], 2)) << s;
            EXPECT_EQ(f().Picture7(s).Drawn(), QString("face %1 large").arg(Card(c.after[s - 2], 2))) << s;
        }
        EXPECT_EQ(from, c.low);
        EXPECT_EQ(to, c.high);
    }
}

TEST_F(PlayEffectsTest, AnotherSeatsHandIsSortedFaceDown) {
    setSeatHand(2, {Card(1, 4), 0, Card(3, 4), Card(4, 4), Card(5, 4)});
    show();
    eng.Pturn = 2;
    int from = 2, to = 4;
    grisk::Hand_Sort(eng.Player2.Slots, f().Picture1, from, to);
    EXPECT_EQ(eng.Player2.Slots(0, 2), 0) << "empty places move with the others";
    EXPECT_FALSE(f().Picture1(2).Visible());
    EXPECT_EQ(eng.Player2.Slots(0, 4), Card(1, 4));
    EXPECT_EQ(f().Picture1(4).Drawn(), "back large");
}

}  // namespace
