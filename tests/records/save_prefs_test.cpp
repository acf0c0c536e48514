// Writing the profile back, applying the options, the best runs and the
// first opponent's name.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "engine/frm_grisk.h"
#include "profile_fixture.h"
#include "shell/state.h"
#include "table/state.h"

using namespace grisk;
using namespace records_test;

namespace {

using SavePrefsTest = ProfileFixture;

TEST_F(SavePrefsTest, WithoutAProfileOnlyRecordOnesNameIsWritten) {
    writePrefs({profile(""), profile("Ann"), profile("Bob")});
    const QByteArray before = readFile(prefsPath());
    ASSERT_TRUE(Get_Players());
    ASSERT_FALSE(recs.HasProfile);
    recs.LastPlayer = "Cy";
    recs.AnimSpeed = 20;
    eng.NumPlayers = 4;

    EXPECT_TRUE(SavePrefs(false));

    const QByteArray after = readFile(prefsPath());
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.mid(130, 20), padded("Cy", 20));
    EXPECT_EQ(after.left(130), before.left(130)) << "the options of record 1 stay";
    EXPECT_EQ(after.mid(150), before.mid(150));
}

TEST_F(SavePrefsTest, AProfileRecordNumberWithoutAProfileIsNeverOverwritten) {
    writePrefs({profile("Ann"), profile("Bob"), profile("Cy")});
    const QByteArray cy = prefsRecordBytes(3);
    recs.HasProfile = false;
    recs.CurrentProfile = 3;
    recs.LastPlayer = "Ann";
    EXPECT_TRUE(SavePrefs(false));
    EXPECT_EQ(prefsRecordBytes(3), cy);
}

TEST_F(SavePrefsTest, TheOptionsGoIntoThePlayersRecordAndNothingElseChanges) {
    writePrefs({profile("Ann"), profile("Bob"), profile("Ann")});
    ASSERT_TRUE(Get_Players());
    ASSERT_EQ(recs.CurrentProfile, 3);
    const QByteArray bob = prefsRecordBytes(2);
    const PlayerProfileRecord before = storedProfile(3);

    recs.NameColor = 0x0000FF;
    recs.AnimSpeed = 20;
    recs.SpeedOption = 5;
    recs.MenuStyle = 1;
    recs.IntroMusic = true;
    recs.AutoSaveOn = true;
    recs.HoldLeft = 40000;  // does not fit: kept at the nearest value that does
    eng.SideOption = 25;
    eng.NoWildAce = true;
    eng.PlayerAvatar = "me.gif";
    frmGrisk().StatusBar1.setVisible(false);
    frmGrisk().ImgAvatar.setVisible(true);

    EXPECT_TRUE(SavePrefs(false));

    EXPECT_EQ(prefsRecordBytes(2), bob);
    const PlayerProfileRecord p = storedProfile(3);
    EXPECT_EQ(p.NameColor, 0x0000FF);
    EXPECT_EQ(p.AnimSpeed, 20);
    EXPECT_EQ(p.SpeedOption, 5);
    EXPECT_EQ(p.MenuStyle, -1);
    EXPECT_EQ(p.IntroOn, 0);
    EXPECT_EQ(p.AutoSaveOn, -1);
    EXPECT_EQ(p.StatusBarOn, 0);
    EXPECT_EQ(p.AvatarOn, -1);
    EXPECT_EQ(p.HoldPosition(0), 32767);
    EXPECT_EQ(p.RuleOptions(0), 25);
    EXPECT_EQ(p.RuleOptions(3), -1);
    EXPECT_EQ(p.Seats(0).Avatar.trimmed(), "me.gif");
    EXPECT_EQ(p.Seats(0).Name.trimmed(), "Ann");
    // Statistics, best runs, opponents and spare words are as they were.
    EXPECT_EQ(p.GamesPlayed, before.GamesPlayed);
    EXPECT_EQ(p.GamesWon, before.GamesWon);
    EXPECT_EQ(p.Margin, before.Margin);
    EXPECT_EQ(p.BestRuns, before.BestRuns);
    EXPECT_EQ(p.Spare, before.Spare);
    for (int s = 1; s <= 3; ++s) EXPECT_EQ(p.Seats(s), before.Seats(s));
}

// What is saved comes back the same when the profile is read again.
TEST_F(SavePrefsTest, SavedOptionsReadBackUnchanged) {
    writePrefs({profile("Ann"), profile("Ann")});
    ASSERT_TRUE(Get_Players());
    recs.NameColor = 0x123456;
    recs.TableColor = 0x654321;
    recs.PlainColor = 0x0A0B0C;
    eng.NumPlayers = 4;
    eng.NumCenters = 3;
    recs.NameFontSize = 14;
    recs.PrevBackground = 3;
    recs.SpeedOption = 0;
    recs.AnimSpeed = 95;
    recs.SoundLevel = 2;
    recs.SoundSet = 1;
    recs.DeckStyle = 8;
    recs.BackStyle = 0;
    recs.HoldLeft = 900;
    recs.HoldTop = 800;
    recs.OpaqueLabels = false;
    recs.SkinOn = false;
    recs.MenuStyle = 1;
    tbl.SmallDisplay = true;
    recs.SkipWinShow = false;
    recs.SkipLoseShow = true;
    recs.BackgroundStretched = false;
    eng.SideOption = 9;
    eng.ForcedCards = 5;
    eng.DecksSeparate = false;
    eng.NoWildAce = true;
    frmGrisk().StatusBar1.setVisible(true);
    frmGrisk().ImgAvatar.setVisible(false);
    const RecordsState saved = recs;
    const EngineState savedEng = eng;
    const bool small = tbl.SmallDisplay;

    ASSERT_TRUE(SavePrefs(false));
    reset();
    ASSERT_TRUE(Get_Players());

    EXPECT_EQ(recs.NameColor, saved.NameColor);
    EXPECT_EQ(recs.TableColor, saved.TableColor);
    EXPECT_EQ(recs.PlainColor, saved.PlainColor);
    EXPECT_EQ(eng.NumPlayers, savedEng.NumPlayers);
    EXPECT_EQ(eng.NumCenters, savedEng.NumCenters);
    EXPECT_EQ(recs.NameFontSize, saved.NameFontSize);
    EXPECT_EQ(recs.PrevBackground, saved.PrevBackground);
    EXPECT_EQ(recs.SpeedOption, saved.SpeedOption);
    EXPECT_EQ(recs.AnimSpeed, saved.AnimSpeed);
    EXPECT_EQ(recs.SoundLevel, saved.SoundLevel);
    EXPECT_EQ(recs.SoundSet, saved.SoundSet);
    EXPECT_EQ(recs.DeckStyle, saved.DeckStyle);
    EXPECT_EQ(recs.BackStyle, saved.BackStyle);
    EXPECT_EQ(recs.HoldLeft, saved.HoldLeft);
    EXPECT_EQ(recs.HoldTop, saved.HoldTop);
    EXPECT_EQ(recs.OpaqueLabels, saved.OpaqueLabels);
    EXPECT_EQ(recs.SkinOn, saved.SkinOn);
    EXPECT_EQ(recs.MenuStyle, saved.MenuStyle);
    EXPECT_EQ(tbl.SmallDisplay, small);
    EXPECT_EQ(recs.SkipWinShow, saved.SkipWinShow);
    EXPECT_EQ(recs.SkipLoseShow, saved.SkipLoseShow);
    EXPECT_EQ(recs.BackgroundStretched, saved.BackgroundStretched);
    EXPECT_EQ(eng.SideOption, savedEng.SideOption);
    EXPECT_EQ(eng.ForcedCards, savedEng.ForcedCards);
    EXPECT_EQ(eng.DecksSeparate, savedEng.DecksSeparate);
    EXPECT_EQ(eng.NoWildAce, savedEng.NoWildAce);
    EXPECT_TRUE(frmGrisk().StatusBar1.Visible());
    EXPECT_FALSE(frmGrisk().ImgAvatar.Visible());
}

TEST_F(SavePrefsTest, ApplyPutsTheSavedRecordIntoForce) {
    writePrefs({profile("Ann"), profile("Ann")});
    ASSERT_TRUE(Get_Players());
    recs.SpeedOption = 4;
    eng.CompDelay = 9;
    ASSERT_TRUE(SavePrefs(true));
    EXPECT_DOUBLE_EQ(eng.CompDelay, 0.05);
    EXPECT_FALSE(PrefsFile().isOpen());
}

// A stored speed outside the six the speed window offers is read as the
// nearest of them, and its pause is that speed's.
TEST_F(SavePrefsTest, AStoredSpeedOutOfRangeIsTheNearestSpeed) {
    const struct {
        int stored;
        int speed;
        double delay;
    } cases[] = {{9, 5, 0.0}, {-3, 0, 0.9}, {3, 3, 0.2}};
    for (const auto& c : cases) {
        PlayerProfileRecord ann = profile("Ann");
        ann.SpeedOption = c.stored;
        writePrefs({ann, ann});
        ASSERT_TRUE(Get_Players());
        eng.CompDelay = 9;
        ASSERT_TRUE(SetupGameFromPrefs(recs.CurrentProfile));
        ApplyOptions();
        EXPECT_EQ(recs.SpeedOption, c.speed) << c.stored;
        EXPECT_DOUBLE_EQ(eng.CompDelay, c.delay) << c.stored;
        reset();
    }
}

TEST_F(SavePrefsTest, AMissingFolderIsReported) {
    eng.DataFolder = tempFolder() + "/nowhere/";
    recs.LastPlayer = "Ann";
    EXPECT_FALSE(SavePrefs(false));
}

class ApplyOptionsTest : public ProfileFixture {
protected:
    // The list and, in the user's folder, a small picture for each name.
    void setBackgrounds(const QStringList& names) {
        eng.UserFolder = tempFolder() + "/";
        QDir().mkpath(tempPath("Backgrounds"));
        QImage tile(8, 8, QImage::Format_RGB32);
        tile.fill(Qt::darkGreen);
        for (const QString& name : names) ASSERT_TRUE(tile.save(tempPath("Backgrounds/" + name), "PNG"));
        recs.NumBackgrounds = static_cast<int>(names.size());
        recs.Backgrounds.redim({{0, recs.NumBackgrounds}});
        for (int i = 1; i <= recs.NumBackgrounds; ++i) recs.Backgrounds(i) = names[i - 1];
    }
};

TEST_F(ApplyOptionsTest, ComputerDelayFollowsTheSpeedOption) {
    const std::pair<int, double> table[] = {{0, 0.9}, {1, 0.6}, {2, 0.4}, {3, 0.2}, {4, 0.05}, {5, 0.0},
                                            {6, 7.5}, {-1, 7.5}};
    for (const auto& [speed, delay] : table) {
        eng.CompDelay = 7.5;
        recs.SpeedOption = speed;
        ApplyOptions();
        EXPECT_DOUBLE_EQ(eng.CompDelay, delay) << "speed " << speed;
    }
}

TEST_F(ApplyOptionsTest, BackgroundEntryFromThePreviousChoice) {
    const struct {
        QStringList list;
        int prev;
        int depth;
        int idx;
    } cases[] = {
        {{"GameBoard.gif", "a.jpg", "b.jpg"}, 0, 24, 1},
        {{"a.jpg", "b.jpg", "GameBoard.gif"}, 0, 24, 3},
        {{"a.jpg", "b.jpg"}, 0, 24, 1},
        {{"GameBoard.gif", "a.jpg", "b.jpg"}, 2, 24, 2},
        {{"GameBoard.gif", "a.jpg", "b.jpg"}, 4, 24, 4},
        {{"GameBoard.gif", "a.jpg", "b.jpg"}, 9, 24, 4},
        {{"GameBoard.gif", "a.jpg", "b.jpg"}, 0, 8, 4},
        {{}, 0, 24, 1},
    };
    for (const auto& c : cases) {
        setBackgrounds(c.list);
        recs.PrevBackground = c.prev;
        eng.ColorDepth = c.depth;
        ApplyOptions();
        EXPECT_EQ(recs.BackgroundIdx, c.idx) << c.list.join(",").toStdString() << " prev " << c.prev;
    }
}

TEST_F(ApplyOptionsTest, NameLabelsTakeColourAndSize) {
    recs.NameColor = 0x00FFFF;
    recs.NameFontSize = 13;
    eng.NumCenters = 3;
    cmd.FormLoading = false;
    FrmGrisk& f = frmGrisk();
    const int32_t seat3Colour = f.Label9(5).ForeColor();
    ApplyOptions();
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(f.Label9(i).ForeColor(), 0x00FFFF);
    EXPECT_EQ(f.Label9(5).ForeColor(), seat3Colour) << "the other seats' labels keep theirs";
    EXPECT_EQ(f.Label9(2).FontSize(), 13);
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(f.LblWild(c).FontSize(), 13);

    recs.NameFontSize = 9;
    cmd.FormLoading = true;
    ApplyOptions();
    EXPECT_EQ(f.Label9(2).FontSize(), 9);
    EXPECT_EQ(f.LblWild(1).FontSize(), 13) << "the wild labels wait for the loaded window";
}

// While the window loads, the display mode stored for the machine lays the
// table out: a profile's other size does not pretend otherwise.
TEST_F(ApplyOptionsTest, AtStartUpTheSizeIsTheStoredDisplayModes) {
    cmd.FormLoading = true;
    const std::pair<int, bool> cases[] = {{0, true}, {1, true}, {2, false}, {3, false}};
    for (const auto& [mode, small] : cases) {
        tbl.DisplayMode = mode;
        tbl.SmallDisplay = small;  // as the profile stored it
        ApplyOptions();
        EXPECT_EQ(tbl.SmallDisplay, !small) << mode;
        EXPECT_EQ(tbl.DisplayMode, mode);
    }
}

TEST_F(ApplyOptionsTest, FirstOpponentsRowInTheOpponentTable) {
    recs.NumOpps = 2;
    recs.OppTable.redim({{0, 2}, {0, 1}});
    recs.OppTable(0, 1) = "Grisk";
    recs.OppTable(1, 1) = "Varnok";
    recs.OppTable(2, 1) = "Zozida";
    const std::pair<const char*, int> cases[] = {{"Grisk", 0}, {"Zozida", 2}, {"Nobody", 3}};
    for (const auto& [name, row] : cases) {
        eng.Player2.Name = name;
        ChangePerson();
        EXPECT_EQ(recs.OppIndex, row) << name;
        EXPECT_EQ(recs.OppName, name);
        EXPECT_EQ(frmGrisk().Label9(4).Caption(), name);
    }
}

TEST_F(ApplyOptionsTest, ChangeBestRunFillsRowsZeroAndFiveOnly) {
    for (int c = 0; c <= 3; ++c)
        for (int r = 0; r <= 2; ++r) recs.ProfileRec.BestRuns(c, r) = 10 * c + r;
    for (int row = 0; row <= 5; ++row)
        for (int col = 0; col <= 5; ++col) recs.BestRun(row, col) = -1;
    ChangeBestRun();
    const int row0[] = {0, 1, 2, 10, 11, 12};
    const int row5[] = {20, 21, 22, 30, 31, 32};
    for (int col = 0; col <= 5; ++col) {
        EXPECT_EQ(recs.BestRun(0, col), row0[col]);
        EXPECT_EQ(recs.BestRun(5, col), row5[col]);
        for (int row = 1; row <= 4; ++row) EXPECT_EQ(recs.BestRun(row, col), -1);
    }
}

}  // namespace
