// Reading the player list at start-up and putting a profile into force.
#include <gtest/gtest.h>

#include <QFile>

#include "engine/frm_grisk.h"
#include "profile_fixture.h"
#include "shell/state.h"
#include "table/state.h"

using namespace grisk;
using namespace records_test;

namespace {

using GetPlayersTest = ProfileFixture;

TEST_F(GetPlayersTest, BlankNameInRecordOneIsTheFirstStart) {
    PlayerProfileRecord shared = profile("");
    writePrefs({shared, profile("Ann")});
    recs.LastPlayer = "somebody";

    ASSERT_TRUE(Get_Players());

    EXPECT_EQ(recs.CurrentProfile, 1);
    EXPECT_FALSE(recs.HasProfile);
    EXPECT_EQ(recs.LastPlayer, "");
    EXPECT_EQ(eng.PlayerName, "");
    // Record 1's options are in force.
    EXPECT_EQ(eng.NumPlayers, 3);
    EXPECT_EQ(recs.AnimSpeed, 70);
    // The list of known players is read all the same, so that a new
    // player's profile cannot land on Ann's record.
    ASSERT_EQ(recs.NumPlayerNames, 1);
    EXPECT_EQ(recs.PlayerNames(1), "Ann");
    EXPECT_FALSE(PrefsFile().isOpen());
}

TEST_F(GetPlayersTest, TheLastOfTwoRecordsWithTheSameNameWins) {
    PlayerProfileRecord first = profile("Ann");
    first.AnimSpeed = 20;
    PlayerProfileRecord later = profile("Ann");
    later.AnimSpeed = 95;
    writePrefs({profile("Ann"), first, profile("Bob"), later, profile("Cy")});

    ASSERT_TRUE(Get_Players());

    EXPECT_EQ(recs.LastPlayer, "Ann");
    EXPECT_TRUE(recs.HasProfile);
    EXPECT_EQ(recs.CurrentProfile, 4);
    EXPECT_EQ(recs.AnimSpeed, 95);
    EXPECT_EQ(eng.PlayerName, "Ann");
    ASSERT_EQ(recs.NumPlayerNames, 4);
    const QStringList names = {"Ann", "Bob", "Ann", "Cy"};
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(recs.PlayerNames(i), names[i - 1]);
}

TEST_F(GetPlayersTest, ALastPlayerWithoutARecordUsesTheSharedOne) {
    writePrefs({profile("Dee"), profile("Ann")});
    ASSERT_TRUE(Get_Players());
    EXPECT_EQ(recs.LastPlayer, "Dee");
    EXPECT_FALSE(recs.HasProfile);
    EXPECT_EQ(recs.CurrentProfile, 1);
}

TEST_F(GetPlayersTest, ATornLastRecordIsNotAPlayer) {
    writePrefs({profile("Ann"), profile("Bob")});
    QByteArray bytes = readFile(prefsPath());
    bytes += profile("Ann").encode().left(300);
    ASSERT_TRUE(writeFile(prefsPath(), bytes));

    ASSERT_TRUE(Get_Players());
    EXPECT_EQ(recs.NumPlayerNames, 1);
    EXPECT_FALSE(recs.HasProfile);
    EXPECT_EQ(recs.CurrentProfile, 1);
}

TEST_F(GetPlayersTest, AMissingProfileFileIsReportedAndChangesNothing) {
    recs.CurrentProfile = 1;
    eng.NumPlayers = 2;
    EXPECT_FALSE(Get_Players());
    EXPECT_EQ(eng.NumPlayers, 2);
    EXPECT_FALSE(QFile::exists(prefsPath())) << "reading creates no file";
}

TEST_F(GetPlayersTest, AnEmptyProfileFileIsAFirstStartWithTheOptionsAsTheyWere) {
    ASSERT_TRUE(writeFile(prefsPath(), QByteArray()));
    recs.AnimSpeed = 33;
    ASSERT_TRUE(Get_Players());
    EXPECT_EQ(recs.CurrentProfile, 1);
    EXPECT_EQ(recs.AnimSpeed, 33);
    EXPECT_EQ(readFile(prefsPath()).size(), 0) << "a record that is not there is not written";
    EXPECT_TRUE(tbl.TableLaidOut) << "the table is made ready all the same";
}

// Stored words read back as the program uses them.
TEST_F(GetPlayersTest, StoredOptionsAreReadBackByTheirRules) {
    struct Case {
        const char* what;
        void (*store)(PlayerProfileRecord&);
        bool (*check)();
    };
    const Case cases[] = {
        {"side option 0 is 19", [](PlayerProfileRecord& p) { p.RuleOptions(0) = 0; }, [] { return eng.SideOption == 19; }},
        {"side option 8 is 19", [](PlayerProfileRecord& p) { p.RuleOptions(0) = 8; }, [] { return eng.SideOption == 19; }},
        {"side option 9 stays", [](PlayerProfileRecord& p) { p.RuleOptions(0) = 9; }, [] { return eng.SideOption == 9; }},
        {"side option 25 stays", [](PlayerProfileRecord& p) { p.RuleOptions(0) = 25; }, [] { return eng.SideOption == 25; }},
        {"side option 26 would overfill a side pile", [](PlayerProfileRecord& p) { p.RuleOptions(0) = 26; },
         [] { return eng.SideOption == 19; }},
        {"sound set 2 is 0", [](PlayerProfileRecord& p) { p.SoundSet = 2; }, [] { return recs.SoundSet == 0; }},
        {"menu style -1 is 1", [](PlayerProfileRecord& p) { p.MenuStyle = -1; }, [] { return recs.MenuStyle == 1; }},
        {"decks word 5 is True", [](PlayerProfileRecord& p) { p.RuleOptions(2) = 5; }, [] { return eng.DecksSeparate; }},
        {"wild-Ace word 1 is True", [](PlayerProfileRecord& p) { p.RuleOptions(3) = 1; }, [] { return eng.NoWildAce; }},
        {"intro 0 switches the music off", [](PlayerProfileRecord& p) { p.IntroOn = 0; }, [] { return recs.IntroMusic; }},
        {"players 7 is 2", [](PlayerProfileRecord& p) { p.NumPlayers = 7; }, [] { return eng.NumPlayers == 2 && eng.TotalCards == 104; }},
        {"centres 0 is 3", [](PlayerProfileRecord& p) { p.NumCenters = 0; }, [] { return eng.NumCenters == 3; }},
        {"font size 0 is 10", [](PlayerProfileRecord& p) { p.NameFontSize = 0; }, [] { return recs.NameFontSize == 10; }},
        {"animation divisor 0 is 45", [](PlayerProfileRecord& p) { p.AnimSpeed = 0; }, [] { return recs.AnimSpeed == 45; }},
        {"animation divisor 30000 is 45", [](PlayerProfileRecord& p) { p.AnimSpeed = 30000; }, [] { return recs.AnimSpeed == 45; }},
        {"negative background is none chosen", [](PlayerProfileRecord& p) { p.PrevBackground = -4; },
         [] { return recs.PrevBackground == 0; }},
        {"seat level 9 is Average", [](PlayerProfileRecord& p) { p.Seats(1).Level = 9; },
         [] { return eng.Player2.Level == 0 && frmGrisk().lblLevel.Caption() == "Level: Average"; }},
        {"sound column 3 is 0", [](PlayerProfileRecord& p) { p.Seats(2).SoundSource = 3; },
         [] { return eng.Player3.SoundColumn == 0; }},
    };
    for (const Case& c : cases) {
        reset();
        PlayerProfileRecord p = profile("Ann");
        c.store(p);
        writePrefs({profile("Ann"), p});
        ASSERT_TRUE(Get_Players());
        EXPECT_TRUE(c.check()) << c.what;
    }
}

TEST_F(GetPlayersTest, OptionsRulesAndSeatsComeIntoForce) {
    writePrefs({profile("Ann"), profile("Ann")});
    ASSERT_TRUE(Get_Players());
    EXPECT_EQ(recs.NameColor, 0x00FFFF);
    EXPECT_EQ(recs.TableColor, 0x004000);
    EXPECT_EQ(recs.PlainColor, 0x112233);
    EXPECT_EQ(eng.NumPlayers, 3);
    EXPECT_EQ(eng.NumCenters, 4);
    EXPECT_EQ(eng.SideOption, 14);
    EXPECT_EQ(eng.ForcedCards, 3);
    EXPECT_TRUE(eng.DecksSeparate);
    EXPECT_FALSE(eng.NoWildAce);
    EXPECT_EQ(recs.DeckStyle, 3);
    EXPECT_EQ(recs.BackStyle, 4);
    EXPECT_EQ(recs.SpeedOption, 3);
    EXPECT_EQ(recs.HoldLeft, 1500);
    EXPECT_EQ(recs.HoldTop, 2500);
    EXPECT_TRUE(recs.OpaqueLabels);
    EXPECT_TRUE(recs.SkinOn);
    EXPECT_TRUE(recs.SkipWinShow);
    EXPECT_FALSE(recs.SkipLoseShow);
    EXPECT_TRUE(recs.BackgroundStretched);
    EXPECT_FALSE(recs.IntroMusic);
    EXPECT_FALSE(tbl.SmallDisplay);
    EXPECT_EQ(frmGrisk().Picture1(0).BackColor(), 0x112233);
    EXPECT_TRUE(frmGrisk().ImgAvatar.Visible());

    EXPECT_EQ(eng.Player2.Name, "Varnok");
    EXPECT_EQ(eng.Player2.Avatar, "varnok.gif");
    EXPECT_EQ(eng.Player2.Level, 2);
    EXPECT_EQ(eng.Player2.SoundColumn, 1);
    EXPECT_EQ(eng.Player2.CommentFile, "No Comments");
    EXPECT_EQ(eng.Player3.Name, "Zozida");
    EXPECT_EQ(eng.Player4.Avatar, "Grisk.jpg");
    EXPECT_EQ(frmGrisk().lblLevel.Caption(), "Level: Ruthless");
    EXPECT_EQ(frmGrisk().Label9(4).Caption(), "Varnok");
    EXPECT_EQ(recs.OppName, "Varnok");
    EXPECT_EQ(recs.OppPicture, "varnok.gif");

    // Best runs: row 0 the player's, row 5 the opponents'.
    for (int k = 0; k <= 2; ++k) {
        EXPECT_EQ(recs.BestRun(0, k), 0 * 10 + k + 1);
        EXPECT_EQ(recs.BestRun(0, 3 + k), 1 * 10 + k + 1);
        EXPECT_EQ(recs.BestRun(5, k), 2 * 10 + k + 1);
        EXPECT_EQ(recs.BestRun(5, 3 + k), 3 * 10 + k + 1);
    }
}

TEST_F(GetPlayersTest, PilesTakeTheProfilesCounts) {
    writePrefs({profile("Ann"), profile("Ann")});

    ASSERT_TRUE(Get_Players());

    EXPECT_EQ(eng.NumPlayers, 3);
    EXPECT_EQ(eng.NumCenters, 4);
    EXPECT_EQ(eng.TotalCards, 156);
    EXPECT_EQ(eng.Deck.ubound(2), 156);
    EXPECT_EQ(eng.CenterCount.ubound(1), 4);
    EXPECT_EQ(eng.CenterPile.ubound(2), 4);
    ASSERT_TRUE(Get_Players());
    EXPECT_EQ(recs.SetupPlayers, 3);
    EXPECT_EQ(recs.SetupCenters, 4);

    PlayerProfileRecord two = profile("Ann");
    two.NumPlayers = 2;
    two.NumCenters = 3;
    writePrefs({two, two});
    ASSERT_TRUE(Get_Players());
    EXPECT_EQ(eng.TotalCards, 104);
    EXPECT_EQ(eng.Deck.ubound(2), 104);
    EXPECT_EQ(eng.Deck.ubound(1), 2);
    EXPECT_EQ(eng.Used.ubound(2), 104);
    EXPECT_EQ(eng.CenterCount.ubound(1), 3);
    EXPECT_EQ(eng.CenterPile.ubound(2), 3);
    EXPECT_EQ(eng.CenterPile.ubound(3), 12);
}

TEST_F(GetPlayersTest, StatusBarWaitsForTheWindowWhileItLoads) {
    writePrefs({profile("Ann"), profile("Ann")});
    cmd.FormLoading = true;
    ASSERT_TRUE(Get_Players());
    EXPECT_TRUE(eng.Peeking);
    EXPECT_FALSE(frmGrisk().StatusBar1.Visible());

    cmd.FormLoading = false;
    eng.Peeking = false;
    ASSERT_TRUE(Get_Players());
    EXPECT_FALSE(eng.Peeking);
    EXPECT_TRUE(frmGrisk().StatusBar1.Visible());

    PlayerProfileRecord off = profile("Ann");
    off.StatusBarOn = 0;
    off.AvatarOn = 0;
    writePrefs({off, off});
    ASSERT_TRUE(Get_Players());
    EXPECT_FALSE(frmGrisk().StatusBar1.Visible());
    EXPECT_FALSE(frmGrisk().ImgAvatar.Visible());
}

TEST_F(GetPlayersTest, UnsetPlainColourDependsOnTheScreen) {
    PlayerProfileRecord p = profile("Ann");
    p.PlainColor = 0;
    writePrefs({p, p});
    eng.ColorDepth = 24;
    ASSERT_TRUE(Get_Players());
    EXPECT_EQ(recs.PlainColor, 0xC0E0FF);
    eng.ColorDepth = 8;
    ASSERT_TRUE(Get_Players());
    EXPECT_EQ(recs.PlainColor, 0xC0FFFF);
    EXPECT_EQ(frmGrisk().Picture1(0).BackColor(), 0xC0FFFF);
}

TEST_F(GetPlayersTest, PileWindowPlaceOffTheScreenOrUnsetIsMovedHome) {
    const struct {
        int left, top;
        bool kept;
    } cases[] = {
        {1500, 2500, true}, {100, 100, false}, {100, 200, true},
        {19200, 2500, false}, {1500, 14400, false}, {-50, 0, true},
    };
    for (const auto& c : cases) {
        PlayerProfileRecord p = profile("Ann");
        p.HoldPosition(0) = c.left;
        p.HoldPosition(1) = c.top;
        writePrefs({p, p});
        ASSERT_TRUE(Get_Players());
        EXPECT_EQ(recs.HoldLeft, c.kept ? c.left : 720) << c.left << "," << c.top;
        EXPECT_EQ(recs.HoldTop, c.kept ? c.top : 3375) << c.left << "," << c.top;
    }
}

TEST_F(GetPlayersTest, MissingFilesAndBlankSeatsAreMendedAndWrittenBack) {
    PlayerProfileRecord p = profile("Ann");
    p.Seats(0).Comments = "Chatter";
    p.Seats(0).Avatar = "me.jpg";
    p.Seats(2).Name = "";
    p.Seats(3).Name = QString(20, QChar(0));
    writePrefs({profile("Ann"), p});

    ASSERT_TRUE(Get_Players());

    EXPECT_EQ(eng.PlayerAvatar, "") << "no such picture in Avatars";
    const PlayerProfileRecord stored = storedProfile(2);
    EXPECT_EQ(stored.Seats(0).Comments.trimmed(), "Default Personality");
    EXPECT_EQ(stored.Seats(0).Avatar.trimmed(), "me.jpg") << "the avatar is only dropped for this run";
    for (int seat : {2, 3}) {
        EXPECT_EQ(stored.Seats(seat).Name.trimmed(), "Grisk");
        EXPECT_EQ(stored.Seats(seat).Avatar.trimmed(), "Grisk.jpg");
        EXPECT_EQ(stored.Seats(seat).Comments.trimmed(), "Default Personality");
    }
    EXPECT_EQ(eng.Player3.Name, "Grisk");
    EXPECT_EQ(eng.Player4.Name, "Grisk");
    // Everything else of the record is as it was.
    PlayerProfileRecord expected = p;
    for (int s : {0, 2, 3}) expected.Seats(s) = stored.Seats(s);
    EXPECT_EQ(stored.encode(), expected.encode());
}

TEST_F(GetPlayersTest, ExistingCommentFileAndAvatarAreKept) {
    PlayerProfileRecord p = profile("Ann");
    p.Seats(0).Comments = "Chatter";
    p.Seats(0).Avatar = "me.jpg";
    writePrefs({profile("Ann"), p});
    ASSERT_TRUE(writeFile(eng.UserFolder + "Chatter.cmt", QByteArray(100, ' ')));
    ASSERT_TRUE(writeFile(eng.UserFolder + "Avatars/me.jpg", "x"));
    ASSERT_TRUE(Get_Players());
    EXPECT_EQ(eng.PlayerAvatar, "me.jpg");
    EXPECT_EQ(storedProfile(2).Seats(0).Comments.trimmed(), "Chatter");
}

TEST_F(GetPlayersTest, AutoSaveInTheProfileOpensTheMoveLog) {
    PlayerProfileRecord p = profile("Ann");
    p.AutoSaveOn = -1;
    writePrefs({p, p});
    ASSERT_TRUE(Get_Players());
    EXPECT_TRUE(recs.AutoSaveOn);
    EXPECT_TRUE(MoveLogFile().isOpen());
    EXPECT_TRUE(QFile::exists(eng.DataFolder + "~tempmoves.sav"));
}

}  // namespace
