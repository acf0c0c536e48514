// The player record: exchange with the loaded seat, clearing, the status-bar
// summary and the name by side-card rank.
#include <gtest/gtest.h>

#include "engine/frm_grisk.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "net/state.h"
#include "records/state.h"
#include "shell/state.h"
#include "support/test_support.h"

using namespace grisk;

namespace {

class RecordFixture : public grisk_test::GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        eng.LevelNames(0) = "Level: Average";
        eng.LevelNames(1) = "Level: Clever";
        eng.LevelNames(2) = "Level: Ruthless";
        PlayerRecord& r = eng.Player2;
        r.Name = "Varnok";
        r.Level = 2;
        r.Avatar = "varnok.gif";
        r.RecSideCount = 17;
        r.RecSideShape = 31;
        for (int f = 0; f <= 1; ++f) {
            for (int i = 0; i <= 26; ++i) r.Side(f, i) = 100 + 10 * f + i;
            for (int s = 0; s <= 10; ++s) r.Slots(f, s) = 300 + 20 * f + s;
            for (int p = 0; p <= 4; ++p)
                for (int d = 0; d <= 30; ++d) r.Hold(f, p, d) = 1000 + 500 * f + 40 * p + d;
        }
        for (int p = 0; p <= 4; ++p)
            for (int c = 0; c <= 3; ++c) r.HoldTable(p, c) = 10 * p + c + 1;
        r.WildHand = 2;
        r.WildSide = 3;
        for (int i = 0; i <= 16; ++i) r.Sounds(i) = QString("snd%1.wav").arg(i);
        r.CommentFile = "Varnok.cmt";
        for (int i = 0; i <= 35; ++i) r.RecComments(i) = QString("remark %1").arg(i);
        for (int c = 0; c <= 5; ++c) r.RecBestRun(1, c) = c + 4;
        r.RecBestRun(0, 0) = 99;
        for (int i = 0; i <= 35; ++i) eng.Comments(i) = "old";
        for (int i = 0; i <= 16; ++i) eng.SoundFiles(i) = "oldsound";
        eng.Pturn = 2;
    }
};

TEST_F(RecordFixture, LoadingALocalSeatCopiesPilesSoundsAndRemarks) {
    ExchangePlayerRecord(eng.Player2, false);
    EXPECT_EQ(eng.TurnName, "Varnok");
    EXPECT_EQ(eng.OppSideCount, 17);
    EXPECT_EQ(eng.OppSideShape, 31);
    EXPECT_EQ(eng.OppSide(1, 26), 136);
    EXPECT_EQ(eng.OppSide(0, 0), 0) << "position 0 is never copied";
    EXPECT_EQ(eng.OppSlots(0, 10), 310);
    EXPECT_EQ(eng.OppHold(1, 4, 30), 1000 + 500 + 160 + 30);
    EXPECT_EQ(eng.OppHold(0, 0, 5), 0);
    EXPECT_EQ(eng.OppLevel, 2);
    EXPECT_EQ(eng.SoundFiles(16), "snd16.wav");
    EXPECT_FALSE(eng.NoComments);
    EXPECT_EQ(eng.Comments(1), "remark 1");
    EXPECT_EQ(eng.Comments(33), "remark 33");
    EXPECT_EQ(eng.Comments(0), "old");
    EXPECT_EQ(eng.Comments(34), "old");
    EXPECT_EQ(eng.Comments(35), "old");
    for (int c = 0; c <= 5; ++c) EXPECT_EQ(recs.BestRun(4, c), c + 4);
    EXPECT_EQ(frmGrisk().ImgAvatar.Tag(), "varnok.gif");
}

TEST_F(RecordFixture, HoldTableCopiesOnlyCountAndRunType) {
    eng.OppHoldTable.fill(-7);
    ExchangePlayerRecord(eng.Player2, false);
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(eng.OppHoldTable(p, 0), -7) << "planner's working count stays";
        EXPECT_EQ(eng.OppHoldTable(p, 1), 10 * p + 2);
        EXPECT_EQ(eng.OppHoldTable(p, 2), 10 * p + 3);
        EXPECT_EQ(eng.OppHoldTable(p, 3), -7) << "planner's linked pile stays";
    }
    EXPECT_EQ(eng.OppHoldTable(0, 1), -7);

    eng.OppHoldTable(2, 0) = 55;
    eng.OppHoldTable(2, 1) = 6;
    eng.OppHoldTable(2, 2) = 1;
    eng.OppHoldTable(2, 3) = 4;
    ExchangePlayerRecord(eng.Player2, true);
    EXPECT_EQ(eng.Player2.HoldTable(2, 0), 21);
    EXPECT_EQ(eng.Player2.HoldTable(2, 1), 6);
    EXPECT_EQ(eng.Player2.HoldTable(2, 2), 1);
    EXPECT_EQ(eng.Player2.HoldTable(2, 3), 24);
}

TEST_F(RecordFixture, NoCommentsLeavesTheRemarksAlone) {
    eng.Player2.CommentFile = "No Comments";
    ExchangePlayerRecord(eng.Player2, false);
    EXPECT_TRUE(eng.NoComments);
    for (int i = 0; i <= 35; ++i) EXPECT_EQ(eng.Comments(i), "old");
}

struct NetCase {
    const char* name;
    int isHost;
    int expectedLevel;
};

class NetRecordTest : public RecordFixture, public ::testing::WithParamInterface<NetCase> {};

TEST_P(NetRecordTest, InternetSeatsTakeNoSoundsOrRemarks) {
    inet.NetPeers = 2;
    inet.IsHost = GetParam().isHost;
    inet.NetSlots(1) = {{}, 5, 7, 2, {}};
    inet.NetSlots(2) = {{}, 8, 7, 1, {}};
    eng.Pturn = 2;  // host seat 2 is connection-table seat 1
    ExchangePlayerRecord(eng.Player2, false);
    EXPECT_EQ(eng.OppLevel, GetParam().expectedLevel);
    EXPECT_EQ(eng.SoundFiles(3), "oldsound");
    EXPECT_EQ(eng.Comments(1), "old");
    EXPECT_EQ(eng.OppSideCount, 17) << "piles are loaded all the same";
}

INSTANTIATE_TEST_SUITE_P(Sides, NetRecordTest,
                         ::testing::Values(NetCase{"Host", 1, 8}, NetCase{"Client", 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RecordFixture, StoringNeverTouchesNameLevelAvatarSoundsOrRemarks) {
    ExchangePlayerRecord(eng.Player2, false);
    eng.TurnName = "Somebody else";
    eng.OppLevel = 0;
    eng.SoundFiles(2) = "changed.wav";
    eng.Comments(5) = "changed";
    eng.OppSideCount = 16;
    eng.OppSide(0, 17) = 0;
    eng.OppWildHand = 9;
    recs.BestRun(4, 5) = 42;
    ExchangePlayerRecord(eng.Player2, true);
    const PlayerRecord& r = eng.Player2;
    EXPECT_EQ(r.Name, "Varnok");
    EXPECT_EQ(r.Level, 2);
    EXPECT_EQ(r.Avatar, "varnok.gif");
    EXPECT_EQ(r.Sounds(2), "snd2.wav");
    EXPECT_EQ(r.RecComments(5), "remark 5");
    EXPECT_EQ(r.CommentFile, "Varnok.cmt");
    EXPECT_EQ(r.RecSideCount, 16);
    EXPECT_EQ(r.Side(0, 17), 0);
    EXPECT_EQ(r.WildHand, 9);
    EXPECT_EQ(r.RecBestRun(1, 5), 42);
    EXPECT_EQ(r.RecBestRun(0, 0), 99) << "row 0 is not the exchange's";
}

TEST_F(RecordFixture, TheHumansOwnAvatarShowsWhileItIsTheHumansTurnAtBiggerTables) {
    eng.Pturn = 1;
    eng.PlayerAvatar = "me.gif";
    eng.NumPlayers = 2;
    ExchangePlayerRecord(eng.Player2, false);
    EXPECT_EQ(frmGrisk().ImgAvatar.Tag(), "varnok.gif");
    eng.NumPlayers = 3;
    ExchangePlayerRecord(eng.Player2, false);
    EXPECT_EQ(frmGrisk().ImgAvatar.Tag(), "me.gif");
}

TEST_F(RecordFixture, ClearingTheRecordsKeepsCountersOnlyDuringARestartUndoOrReplay) {
    struct Case {
        bool* flag;
        bool keeps;
    };
    bool none = false;
    for (Case c : {Case{&none, false}, Case{&cmd.KeyRestartTurn, true},
                   Case{&cmd.UndoRequested, true}, Case{&cmd.ReplayMode, true}}) {
        SetUp();
        *c.flag = true;
        eng.PlayerWildSide = 4;
        eng.PlayerWildHand = 5;
        ClearPlayerRecords();
        const PlayerRecord& r = eng.Player2;
        EXPECT_EQ(r.Slots(0, 3), 0);
        EXPECT_EQ(r.Hold(1, 2, 2), 0);
        EXPECT_EQ(r.HoldTable(3, 1), 0);
        EXPECT_EQ(r.RecSideCount, 17) << "the side pile is kept";
        EXPECT_EQ(r.Side(0, 5), 105);
        EXPECT_EQ(r.Name, "Varnok");
        EXPECT_EQ(r.WildHand, c.keeps ? 2 : 0);
        EXPECT_EQ(r.WildSide, c.keeps ? 3 : 0);
        EXPECT_EQ(r.RecBestRun(1, 2), c.keeps ? 6 : 0);
        EXPECT_EQ(eng.PlayerWildSide, c.keeps ? 4 : 0) << "the human's counters go with the seats'";
        EXPECT_EQ(eng.PlayerWildHand, c.keeps ? 5 : 0);
        *c.flag = false;
        none = false;
    }
}

TEST_F(RecordFixture, StatusSummaryWritesCountsWithTheirBlanks) {
    eng.ScreenWidthTw = 15360;
    eng.Player2.RecBestRun(1, 0) = 1;
    eng.Player2.RecBestRun(1, 1) = 0;
    eng.Player2.RecBestRun(1, 2) = 12;
    ShowPlayerStatus(eng.Player2);
    vb::Control& bar = frmGrisk().StatusBar1;
    EXPECT_EQ(bar.Panels(7).Text, " 1- 0- 12- [ 13 ]");
    EXPECT_EQ(bar.Panels(6).Text, "");
    EXPECT_EQ(bar.Panels(5).Text, "Varnok");
    EXPECT_EQ(bar.Panels(5).ToolTipText, "Level: Ruthless");
    EXPECT_EQ(bar.Panels(8).Text, "Wild:  3/ 2");
    EXPECT_EQ(bar.Panels(8).ToolTipText, "Varnok: Side/Hand");

    eng.ScreenWidthTw = 9600;
    ShowPlayerStatus(eng.Player2);
    EXPECT_EQ(bar.Panels(8).Text, " 3/ 2") << "no room for the caption on a narrow screen";
}

TEST_F(RecordFixture, StatusSummaryOfADamagedLevelShowsNoLevel) {
    eng.Player2.Level = 7;
    ShowPlayerStatus(eng.Player2);
    EXPECT_EQ(frmGrisk().StatusBar1.Panels(5).ToolTipText, "");
}

TEST_F(RecordFixture, SeatNameByRank) {
    eng.PlayerName = "Ann";
    eng.PlayerSlots(1, 1) = 5;
    eng.Player2.Slots(1, 1) = 7;
    eng.Player3.Name = "Grisk";
    eng.Player3.Slots(1, 1) = 9;
    eng.Player4.Name = "Orla";
    eng.Player4.Slots(1, 1) = 9;

    eng.NumPlayers = 2;
    EXPECT_EQ(GetSeatPlayerName(5), "Ann");
    EXPECT_EQ(GetSeatPlayerName(7), "") << "with two players only the human is named";

    eng.NumPlayers = 4;
    eng.Pturn = 3;
    eng.TurnName = "Grisk";
    EXPECT_EQ(GetSeatPlayerName(7), "Varnok");
    EXPECT_EQ(GetSeatPlayerName(9), "Orla") << "the moving seat is skipped";
    eng.NumPlayers = 3;
    EXPECT_EQ(GetSeatPlayerName(9), "") << "seat 4 only at four players";
}

// Seats are told apart by their numbers: a computer seat named like the
// human is not the human, one named like the seat on turn is not that seat.
TEST_F(RecordFixture, SeatsSharingANameAreToldApartByNumber) {
    eng.PlayerName = "Ann";
    eng.PlayerSlots(1, 1) = 5;
    eng.Player2.Name = "Grisk";
    eng.Player2.Slots(1, 1) = 4;
    eng.Player3.Name = "Ann";
    eng.Player3.Slots(1, 1) = 9;
    eng.Player4.Name = "Grisk";
    eng.Player4.Slots(1, 1) = 8;
    eng.NumPlayers = 4;
    eng.Pturn = 2;
    eng.TurnName = "Grisk";
    const struct {
        int rank, seat;
    } cases[] = {{5, 1}, {9, 3}, {8, 4}, {4, 0}, {6, 0}};
    for (const auto& c : cases) EXPECT_EQ(SeatOfPayOffRank(c.rank), c.seat) << "rank " << c.rank;
    EXPECT_EQ(GetSeatPlayerName(8), "Grisk") << "seat 4, though seat 2 on turn has the same name";
}

}  // namespace
