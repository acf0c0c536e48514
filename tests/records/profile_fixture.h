// A profile file in a temporary data folder, and profiles to put in it.
#pragma once

#include <QDir>
#include <QString>
#include <vector>

#include "engine/open_files.h"
#include "engine/startup.h"
#include "engine/state.h"
#include "records/profile.h"
#include "records/profile_record.h"
#include "records/state.h"
#include "records/user_files.h"
#include "record_bytes.h"
#include "support/test_support.h"

namespace records_test {

class ProfileFixture : public grisk_test::GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        configure();
    }
    void TearDown() override {
        grisk::PrefsFile().close();
        grisk::MoveLogFile().close();
    }

    // Everything back to its start values, with the folders of this test.
    void reset() {
        TearDown();
        grisk_test::ResetAll();
        configure();
    }

    void configure() {
        // The personalities the build made beside the program.
        grisk::eng.AppFolder = QStringLiteral(GRISK_BINARY_DIR);
        ASSERT_TRUE(grisk::ListPersonalityFiles());
        grisk::eng.DataFolder = tempFolder() + "/Data/";
        grisk::eng.UserFolder = tempFolder() + "/User/";
        ASSERT_TRUE(QDir().mkpath(grisk::eng.DataFolder));
        ASSERT_TRUE(QDir().mkpath(grisk::eng.UserFolder + "Avatars"));
        grisk::eng.LevelNames(0) = "Level: Average";
        grisk::eng.LevelNames(1) = "Level: Clever";
        grisk::eng.LevelNames(2) = "Level: Ruthless";
        grisk::eng.ScreenWidthTw = 19200;
        grisk::eng.ScreenHeightTw = 14400;
        grisk::eng.ColorDepth = 24;
        grisk::LoadPilePictures();
    }

    // A complete profile of a player, every option away from the start values.
    static grisk::PlayerProfileRecord profile(const QString& name) {
        grisk::PlayerProfileRecord p;
        p.NameColor = 0x00FFFF;
        p.TableColor = 0x004000;
        p.PlainColor = 0x112233;
        p.NumPlayers = 3;
        p.NumCenters = 4;
        p.NameFontSize = 12;
        p.PrevBackground = 2;
        p.SpeedOption = 3;
        p.AnimSpeed = 70;
        p.SoundLevel = 1;
        p.SoundSet = 1;
        p.DeckStyle = 3;
        p.BackStyle = 4;
        p.HoldPosition(0) = 1500;
        p.HoldPosition(1) = 2500;
        p.OpaqueLabels = -1;
        p.StatusBarOn = -1;
        p.IntroOn = -1;
        p.SkinOn = -1;
        p.MenuStyle = 0;
        p.SmallDisplay = 0;
        p.AvatarOn = -1;
        p.AutoSaveOn = 0;
        p.SkipWinShow = -1;
        p.SkipLoseShow = 0;
        p.RuleOptions(0) = 14;
        p.RuleOptions(1) = 3;
        p.RuleOptions(2) = -1;
        p.RuleOptions(3) = 0;
        for (int c = 0; c <= 3; ++c)
            for (int r = 0; r <= 2; ++r) p.BestRuns(c, r) = 10 * c + r + 1;
        for (int i = 0; i <= 6; ++i) {
            p.GamesPlayed(i) = 40 + i;
            p.GamesWon(i) = 20 + i;
            p.Margin(i) = 90 + i;
        }
        p.Seats(0) = {name, "", "No Comments", 0, 0};
        p.Seats(1) = {"Varnok", "varnok.gif", "No Comments", 2, 1};
        p.Seats(2) = {"Zozida", "", "Default Personality", 1, 0};
        p.Seats(3) = {"Grisk", "Grisk.jpg", "Default Personality", 0, 0};
        p.BackgroundTiled = -1;
        for (int i = 0; i <= 3; ++i) p.Spare(i) = 77 + i;
        return p;
    }

    static QString prefsPath() { return grisk::eng.DataFolder + "Prefs.sav"; }

    static void writePrefs(const std::vector<grisk::PlayerProfileRecord>& records) {
        QByteArray bytes;
        for (const auto& r : records) bytes += r.encode();
        ASSERT_TRUE(writeFile(prefsPath(), bytes));
    }

    static QByteArray prefsRecordBytes(int recNo) {
        return readFile(prefsPath()).mid((recNo - 1) * grisk::kPlayerProfileRecordLength,
                                         grisk::kPlayerProfileRecordLength);
    }
    static grisk::PlayerProfileRecord storedProfile(int recNo) {
        return grisk::PlayerProfileRecord::decode(prefsRecordBytes(recNo));
    }
};

}  // namespace records_test
