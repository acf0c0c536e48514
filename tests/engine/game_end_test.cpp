// The end of a game: the result texts, the profile's statistics in a
// temporary "Prefs.sav", the Internet session, the end shows, and a game
// always released.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTimer>
#include <functional>

#include "engine/flash.h"
#include "engine/game_end.h"
#include "engine/state.h"
#include "net/internet_scores.h"
#include "net/protocol.h"
#include "net/receive.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "play_fixture.h"
#include "platform/recordfile.h"
#include "platform/vb.h"
#include "records/frm_score_stat.h"
#include "records/profile.h"
#include "records/profile_record.h"
#include "records/score_record.h"
#include "records/state.h"
#include "shell/state.h"

using namespace grisk;
using grisk_test::Card;

namespace {

class GameEndTest : public grisk_test::PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        eng.UserFolder = tempFolder() + "/User/";
        ASSERT_TRUE(QDir().mkpath(eng.UserFolder));
        eng.PlayerName = "Ann";
        recs.OppTable.redim({{0, 1}, {0, 1}});
        recs.OppTable(0, 1) = "Grisk";
        recs.OppTable(1, 1) = "Varnok";
        recs.NumOpps = 1;
    }

    // Ann's profile at record 2 of "Prefs.sav", every slot holding counts.
    void profileOnDisk(const std::function<void(PlayerProfileRecord&)>& change = {}) {
        PlayerProfileRecord shared, ann;
        shared.Seats(0).Name = "Ann";
        ann.Seats(0).Name = "Ann";
        for (int i = 0; i <= 6; ++i) {
            ann.GamesPlayed(i) = 40 + i;
            ann.GamesWon(i) = 20 + i;
            ann.Margin(i) = 90 + i;
        }
        if (change) change(ann);
        QFile file(eng.DataFolder + "Prefs.sav");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(shared.encode() + ann.encode());
        file.close();
        recs.CurrentProfile = 2;
    }
    PlayerProfileRecord storedProfile() const {
        QFile file(eng.DataFolder + "Prefs.sav");
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return PlayerProfileRecord::decode(file.readAll().mid(kPlayerProfileRecordLength, kPlayerProfileRecordLength));
    }

    // The human emptied the pay-off pile; seats 2..4 hold these counts.
    void humanWins(int players, std::initializer_list<int> seatCounts) {
        table(players, players == 2 ? 3 : 4);
        setSide({});
        int seat = 2;
        for (int n : seatCounts) seatLeft(seat++, n);
        eng.OppSideCount = eng.Player2.RecSideCount;
        eng.TurnName = eng.Player2.Name;
    }
    // Seat winner emptied its pay-off pile; the human holds mine.
    void seatWins(int players, int winner, int mine) {
        table(players, players == 2 ? 3 : 4);
        std::vector<int> side;
        for (int i = 1; i <= mine; ++i) side.push_back(Card(i % 13 + 1, 1));
        setSide({});
        for (int c : side) put(eng.PlayerSide, ++eng.SideCount, c);
        for (int fld : {0, 1}) eng.PlayerSlots(fld, 1) = eng.PlayerSide(fld, eng.SideCount);
        seatLeft(winner, 0);
        eng.Pturn = winner;
        ExchangePlayerRecord(SeatRecord(winner), false);
    }
    void seatLeft(int seat, int n) {
        PlayerRecord& r = SeatRecord(seat);
        r.Side.clear();
        r.RecSideCount = n;
        for (int i = 1; i <= n; ++i) put(r.Side, i, Card(i % 12 + 1, 2));
        put(r.Slots, 1, n == 0 ? 0 : r.Side(0, n));
    }
};

// ------------------------------------------------------------ the texts

struct TextCase {
    const char* name;
    bool internet;
    int players;
    int winner;  // 1 the human
    int left;    // the human's cards (a seat won) or seat 2's (the human won)
    const char* text;
};

class ResultTextTest : public GameEndTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(ResultTextTest, TheResultIsShownOnTheMessageLine) {
    const TextCase& c = GetParam();
    if (c.winner == 1)
        humanWins(c.players, {c.left, 4});
    else
        seatWins(c.players, c.winner, c.left);
    if (c.internet) {
        inet.NetPeers = 1;
        inet.IsHost = 1;
    } else {
        profileOnDisk();
    }
    Game_End();
    EXPECT_EQ(f().Label9(1).Caption(), QString::fromLatin1(c.text));
    inet.NetPeers = 0;
}

INSTANTIATE_TEST_SUITE_P(
    Endings, ResultTextTest,
    ::testing::Values(
        TextCase{"ByOneCard", false, 2, 1, 1,
                 "That was your LAST CARD! OK, so you won!!!  You beat Grisk by one card! I DEMAND a rematch!"},
        TextCase{"ByOneCardOnTheNet", true, 2, 1, 1,
                 "That was your LAST CARD! OK, so you won!!!  You beat Grisk by one card!"},
        TextCase{"Close", false, 2, 1, 5,
                 "That was your LAST CARD! OK, so you won!!!  Whew, that was close!\n(Grisk had 5 cards left.)"},
        TextCase{"Middling", false, 2, 1, 8, "That was your LAST CARD! OK, so you won!!!  \n(Grisk had 8 cards left.)"},
        TextCase{"Wide", false, 2, 1, 11,
                 "That was your LAST CARD! OK, so you won!!!  Grisk needs more memory...\n(Grisk had 11 cards left.)"},
        TextCase{"WideOnTheNet", true, 2, 1, 11,
                 "That was your LAST CARD! OK, so you won!!!  \n(Grisk had 11 cards left.)"},
        TextCase{"ThreePlayers", false, 3, 1, 4,
                 "That was your LAST CARD! OK, so you won!!!  \n(Your opponents had 8 cards left.)"},
        TextCase{"LostByOne", false, 2, 2, 1,
                 "That was the last card, Grisk WON with a margin of  1 ! You ONLY had 1 card left! That was CLOSE!"},
        TextCase{"LostClose", false, 2, 2, 5,
                 "That was the last card, Grisk WON with a margin of  5 ! That was pretty close!\nYou had 5 cards left!"},
        TextCase{"LostMiddling", false, 2, 2, 11,
                 "That was the last card, Grisk WON with a margin of  11 ! \nYou had 11 cards left!"},
        TextCase{"LostAsleep", false, 2, 2, 12,
                 "That was the last card, Grisk WON with a margin of  12 ! Were you SLEEPING?\nYou had 12 cards left!"},
        TextCase{"LostAsleepOnTheNet", true, 2, 2, 12,
                 "That was the last card, Grisk WON with a margin of  12 ! \nYou had 12 cards left!"},
        TextCase{"LostToTheThirdSeat", false, 3, 3, 2,
                 "That was the last card, Varnok WON with a margin of  5 ! That was pretty close!\nYou had 2 cards left!"}),
    [](const auto& info) { return std::string(info.param.name); });

// ------------------------------------------------------- the statistics

// A four-player game of the human's against a Clever first opponent counts
// in slots 0, 2 (Clever) and 6 (four players); the other slots stay.
TEST_F(GameEndTest, AWonGameIsCountedInThreeSlotsOfTheProfile) {
    humanWins(4, {3, 4, 5});
    eng.Player2.Level = 1;
    profileOnDisk();
    Game_End();
    const PlayerProfileRecord p = storedProfile();
    for (int slot = 0; slot <= 6; ++slot) {
        const bool counted = slot == 0 || slot == 2 || slot == 6;
        SCOPED_TRACE(slot);
        EXPECT_EQ(p.GamesPlayed(slot), 40 + slot + (counted ? 1 : 0));
        EXPECT_EQ(p.GamesWon(slot), 20 + slot + (counted ? 1 : 0));
        EXPECT_EQ(p.Margin(slot), 90 + slot + (counted ? 12 : 0));
    }
    EXPECT_EQ(eng.MsgText, "Ann\nGames Won: 21\nGames Lost: 20");
    EXPECT_EQ(f().Label9(2).Caption(), eng.MsgText);
    EXPECT_EQ(eng.LastMargin, 12);
}

// A loss takes the margin, the human's own cards included, off each slot.
TEST_F(GameEndTest, ALostGameTakesTheMarginOffItsSlots) {
    seatWins(3, 3, 6);
    seatLeft(2, 4);
    eng.Player2.Level = 2;
    profileOnDisk();
    Game_End();
    const PlayerProfileRecord p = storedProfile();
    for (int slot = 0; slot <= 6; ++slot) {
        const bool counted = slot == 0 || slot == 3 || slot == 5;
        SCOPED_TRACE(slot);
        EXPECT_EQ(p.GamesPlayed(slot), 40 + slot + (counted ? 1 : 0));
        EXPECT_EQ(p.GamesWon(slot), 20 + slot);
        EXPECT_EQ(p.Margin(slot), 90 + slot - (counted ? 10 : 0));
    }
    EXPECT_EQ(eng.MsgText, "Ann\nGames Won: 20\nGames Lost: 21");
}

// The counts never wrap in their 16-bit fields; past 32000 games a slot
// warns, and counting goes on.
TEST_F(GameEndTest, FullSlotsWarnAndStayWithinTheirFields) {
    humanWins(2, {7});
    profileOnDisk([](PlayerProfileRecord& p) {
        p.GamesPlayed(0) = 32000;  // slot 0: all games
        p.GamesPlayed(1) = 32766;  // slot 1: the Average first opponent
        p.GamesWon(1) = 32767;
        p.Margin(1) = 32760;
        p.GamesPlayed(4) = 32767;  // slot 4: two players
    });
    Game_End();
    const PlayerProfileRecord p = storedProfile();
    EXPECT_EQ(p.GamesPlayed(0), 32001);
    EXPECT_EQ(p.GamesPlayed(1), 32767);
    EXPECT_EQ(p.GamesWon(1), 32767) << "a full field stays full";
    EXPECT_EQ(p.Margin(1), 32767);
    EXPECT_EQ(p.GamesPlayed(4), 32767);
    int warnings = 0;
    for (const auto& box : vb::msgbox_script::shown()) {
        if (box.title != "Score file overflowing") continue;
        ++warnings;
        EXPECT_EQ(box.prompt, "The number of games you've played will soon exceed my memory.\n"
                              "Please clear your score file and start fresh!");
        EXPECT_EQ(box.icon(), vb::vbInformation);
    }
    EXPECT_EQ(warnings, 3) << "slots 0, 1 and 4 are past 32000";

    vb::msgbox_script::clearShown();
    seatWins(2, 2, 9);
    profileOnDisk([](PlayerProfileRecord& p) { p.Margin(0) = -32760; });
    Game_End();
    EXPECT_EQ(storedProfile().Margin(0), -32768);
}

// The best runs of the game go into the profile's best ever.
TEST_F(GameEndTest, TheGamesBestRunsAreKeptInTheProfile) {
    humanWins(2, {7});
    profileOnDisk();
    for (int c = 0; c <= 5; ++c) {
        recs.BestRun(2, c) = 3 - c % 3;
        recs.BestRun(4, c) = 1;
    }
    Game_End();
    const PlayerProfileRecord p = storedProfile();
    for (int k = 0; k <= 2; ++k) {
        EXPECT_EQ(p.BestRuns(0, k), 3 - k) << "the human's best run";
        EXPECT_EQ(p.BestRuns(1, k), 3 - k) << "the human's best side run";
        EXPECT_EQ(p.BestRuns(2, k), 1) << "the opponents' best run";
    }
}

// Every computer seat's best of the game counts for the opponents' best
// ever, not only the seat loaded last: here seat 3 made the best run and
// the best side run, while seat 2 is loaded.
TEST_F(GameEndTest, TheBestRunOfAnySeatReachesTheProfileAndBothHighScoreTables) {
    humanWins(4, {5, 6, 7});
    profileOnDisk();
    vb::RecordFile high, scores;
    ASSERT_TRUE(high.open(eng.DataFolder + "highscore.ran", kHighScoreRecordLength, vb::RecordFile::Mode::OpenOrCreate));
    for (int n = 1; n <= 20; ++n) ASSERT_TRUE(high.write(n, HighScoreRecord{}.encode()));
    ASSERT_TRUE(scores.open(eng.DataFolder + "scores.ran", kScoreRecordLength, vb::RecordFile::Mode::OpenOrCreate));
    for (int n = 1; n <= 18; ++n) ASSERT_TRUE(scores.write(n, ScoreRecord{}.encode()));
    const int seat2[6] = {0, 2, 0, 0, 2, 0};
    const int seat3[6] = {1, 5, 2, 3, 1, 0};
    const int seat4[6] = {0, 1, 1, 1, 0, 0};
    for (int c = 0; c <= 5; ++c) {
        recs.BestRun(4, c) = seat2[c];
        eng.Player2.RecBestRun(1, c) = seat2[c];
        eng.Player3.RecBestRun(1, c) = seat3[c];
        eng.Player4.RecBestRun(1, c) = seat4[c];
    }
    Game_End();

    const PlayerProfileRecord p = storedProfile();
    EXPECT_EQ(p.BestRuns(2, 1), 5) << "the opponents' best run is seat 3's";
    EXPECT_EQ(p.BestRuns(3, 0), 3) << "and so is their best side run";
    const auto entry = [&high](int n) {
        QByteArray bytes;
        high.read(n, bytes);
        return HighScoreRecord::decode(bytes);
    };
    EXPECT_EQ(vb::Trim(entry(1).PlayerName), "Grisk");
    EXPECT_EQ(entry(1).Total, 8);
    EXPECT_EQ(vb::Trim(entry(2).PlayerName), "") << "the computers hold one entry a table";
    EXPECT_EQ(vb::Trim(entry(11).PlayerName), "Grisk");
    EXPECT_EQ(entry(11).Side, 3);
    QByteArray bytes;
    scores.read(10, bytes);
    EXPECT_EQ(ScoreRecord::decode(bytes).Value4, 8);
    scores.read(11, bytes);
    EXPECT_EQ(ScoreRecord::decode(bytes).Value1, 3);
    for (int c = 0; c <= 5; ++c) EXPECT_EQ(recs.BestRun(4, c), seat2[c]) << "the loaded seat's row stays";
}

// Clearing the signed-in player's scores in the scoreboard window takes
// the bests ever the table holds with them: the next game's end keeps only
// what was played since.
TEST_F(GameEndTest, ClearedScoresStayClearedAfterTheNextGame) {
    humanWins(2, {7});
    profileOnDisk([](PlayerProfileRecord& p) {
        for (int r = 0; r <= 3; ++r)
            for (int k = 0; k <= 2; ++k) p.BestRuns(r, k) = 9;
    });
    recs.HasProfile = true;
    recs.ProfileRec = storedProfile();
    ChangeBestRun();  // as the profile is put into force

    FrmScoreStat& w = frmScoreStat();
    w.LoadAsDesigned();
    vb::UserClicksCell(w.GridScores, 2, 0);
    ASSERT_EQ(w.GridScores.TextMatrix(2, 0), "Ann");
    vb::msgbox_script::pushAnswer(vb::vbYes);
    vb::UserClicks(w.Maintance(2));
    EXPECT_EQ(w.Label1.Caption(), "Scores removed!");
    w.Unload();

    for (int c = 0; c <= 5; ++c) recs.BestRun(4, c) = c % 3 == 1 ? 2 : 0;  // two hand cards this game
    Game_End();
    const PlayerProfileRecord p = storedProfile();
    EXPECT_EQ(p.GamesPlayed(0), 1);
    for (int k = 0; k <= 2; ++k) {
        EXPECT_EQ(p.BestRuns(2, k), k == 1 ? 2 : 0) << "the computers' best is this game's, not the old one";
        EXPECT_EQ(p.BestRuns(0, k), 0) << "the human played no run";
    }
}

TEST_F(GameEndTest, AProfileThatCannotBeReadIsReportedAndTheGameStillEnds) {
    humanWins(2, {7});
    recs.CurrentProfile = 2;  // no "Prefs.sav" at all
    Game_End();
    ASSERT_FALSE(vb::msgbox_script::shown().empty());
    EXPECT_TRUE(vb::msgbox_script::shown().back().prompt.contains("could not be saved"));
    EXPECT_EQ(eng.Pturn, 0);
    EXPECT_TRUE(f().cmdDeal.Visible());
}

// ------------------------------------------------------------ the table

TEST_F(GameEndTest, AfterTheEndNoOneIsOnTurnAndTheNextGameIsOffered) {
    seatWins(2, 2, 6);
    profileOnDisk();
    setHand({Card(5), Card(6), Card(7), Card(8), Card(10)});
    setSeatHand(2, {Card(2, 3), Card(3, 3), Card(4, 3), Card(5, 3), Card(6, 3)});
    ExchangePlayerRecord(eng.Player2, false);
    show();
    recs.TurnCount = 7;
    f().Timer1.Interval = 12000;
    f().Timer1.Enabled = true;

    Game_End();

    EXPECT_EQ(eng.Pturn, 0);
    EXPECT_FALSE(eng.GameBusy);
    EXPECT_FALSE(cmd.MenuLocked);
    EXPECT_FALSE(f().Timer1.Enabled);
    EXPECT_EQ(recs.TurnCount, 0);
    for (int s = 2; s <= 6; ++s) EXPECT_FALSE(f().Picture7(s).Enabled()) << "hand place " << s;
    EXPECT_TRUE(f().Picture7(1).Enabled()) << "the loser may look at the pay-off pile";
    EXPECT_TRUE(eng.Peeking);
    EXPECT_EQ(f().Picture1(2).Drawn(), "face 41 large") << "the hands are turned up";
    EXPECT_TRUE(f().cmdDeal.Visible());
    EXPECT_EQ(eng.Player2.RecSideCount, 0) << "the winner's record is stored back";
}

// A winning computer player's show plays unless it is switched off; a
// winner the opponent table does not know has no show at all.
TEST_F(GameEndTest, TheWinnersShowPlaysForAKnownPersonality) {
    struct Case {
        const char* winner;
        bool skip;
        bool shown;
    };
    for (const Case& c : {Case{"Grisk", false, true}, Case{"Grisk", true, false}, Case{"Somebody", false, false}}) {
        SCOPED_TRACE(c.winner);
        seatWins(2, 2, 6);
        eng.TurnName = c.winner;
        profileOnDisk();
        recs.SkipLoseShow = c.skip;
        frmFlasher().FramesShown.clear();
        Game_End();
        EXPECT_EQ(!frmFlasher().FramesShown.empty(), c.shown);
        EXPECT_TRUE(f().cmdDeal.Visible());
        EXPECT_FALSE(eng.GameBusy);
    }
}

// Only an empty pay-off pile ends a game; a call without one changes
// nothing but leaves the game released.
TEST_F(GameEndTest, WithoutAnEmptyPayOffPileNothingIsCountedAndTheGameIsReleased) {
    table(2, 3);
    setSide({Card(3), Card(4)});
    profileOnDisk();
    const QByteArray before = storedProfile().encode();
    Game_End();
    EXPECT_EQ(storedProfile().encode(), before);
    EXPECT_EQ(eng.Pturn, 1);
    EXPECT_FALSE(eng.GameBusy);
    EXPECT_FALSE(cmd.MenuLocked);
}

// ------------------------------------------------------------ the Internet

// An Internet game counts in the session and the score file, never in
// "Prefs.sav", and no machine plays an end show.
TEST_F(GameEndTest, AnInternetGameCountsInTheSessionAndItsScoreFile) {
    humanWins(2, {8});
    profileOnDisk();
    const QByteArray before = storedProfile().encode();
    inet.NetPeers = 1;
    inet.IsHost = 1;
    inet.NetSessionGames = 2;
    inet.NetSessionWins = 1;
    inet.NetSessionMargin = -3;
    const double fontSize = f().Label9(2).FontSize();

    Game_End();

    EXPECT_EQ(storedProfile().encode(), before);
    EXPECT_EQ(inet.NetSessionGames, 3);
    EXPECT_EQ(inet.NetSessionWins, 2);
    EXPECT_EQ(inet.NetSessionMargin, 5);
    EXPECT_EQ(f().Label9(2).Caption(), "Your scores this NET session:\n3 games played\n 2 wins,  5 margin");
    EXPECT_EQ(f().Label9(2).FontSize(), fontSize);
    EXPECT_TRUE(QFile::exists(eng.UserFolder + "Ann_2.ran"));
    EXPECT_FALSE(f().cmdDeal.Visible()) << "the host starts the next game from its menu";
    EXPECT_TRUE(frmFlasher().FramesShown.empty());
    EXPECT_FALSE(eng.GameBusy);
    EXPECT_FALSE(cmd.MenuLocked);
    inet.NetPeers = 0;
}

// A remote machine waits for the host's next game; a host lost meanwhile
// ends the wait without a local show.
TEST_F(GameEndTest, ARemoteMachineWaitsForTheHostAfterTheEnd) {
    struct Case {
        const char* line;
        int peersAfter;
    };
    for (const Case& c : {Case{"GS", 1}, Case{"GO", 0}}) {
        SCOPED_TRACE(c.line);
        seatWins(2, 2, 4);
        inet.NetPeers = 1;
        inet.IsHost = 0;
        inet.LastKind.clear();
        inet.NetState = nsIdle;
        const QString line = QString::fromLatin1(c.line) + "\n";
        QTimer::singleShot(10, [line] { NetReceiveText(0, line); });
        Game_End();
        EXPECT_EQ(inet.NetPeers, c.peersAfter);
        EXPECT_TRUE(frmFlasher().FramesShown.empty());
        EXPECT_EQ(eng.Pturn, 0);
        inet.NetPeers = 0;
    }
}

}  // namespace
