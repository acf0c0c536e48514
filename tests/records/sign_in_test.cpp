// The sign-in: a new player gets a profile record of their own at once, the
// known players' records stay, another player's sign-in first saves the
// options of the player in force, and names the profile cannot keep are
// refused. The player answers the window as it waits for them: typing into
// its combo box or picking a name, then OK.
#include <gtest/gtest.h>

#include "engine/card_handling.h"
#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "profile_fixture.h"
#include "records/frm_welcome.h"
#include "records/profile.h"
#include "records/record_fields.h"
#include "records/state.h"
#include "shell/menu_commands.h"
#include "shell/state.h"
#include "table/pile_info.h"
#include "table/state.h"

using namespace grisk;

namespace {

class SignInTest : public records_test::ProfileFixture {
protected:
    // The player types the name and presses OK; true when it signed in
    // (the window closed).
    bool signIn(const QString& name) {
        grisk_test::QueueSignIn(name);
        frmWelcome().ShowModal();
        return !frmWelcome().isLoaded();
    }
    // The player picks entry index of the list and presses OK.
    bool pick(int index) {
        vb::forms::queueModalAction("frmWelcome", [index](vb::Form& f) {
            auto& w = static_cast<FrmWelcome&>(f);
            vb::UserPicks(w.Combo1, index);
            vb::UserClicks(w.Command1);
        });
        frmWelcome().ShowModal();
        return !frmWelcome().isLoaded();
    }
    QString storedName(int recNo) { return StoredText(storedProfile(recNo).Seats(0).Name); }
    // Ann (record 2, in force) and Bob (record 3), with different options.
    void annAndBob() {
        PlayerProfileRecord ann = profile("Ann");
        PlayerProfileRecord bob = profile("Bob");
        bob.SoundLevel = 0;
        bob.SkinOn = 0;
        writePrefs({profile("Ann"), ann, bob});
        ASSERT_TRUE(Get_Players());
        ASSERT_EQ(recs.CurrentProfile, 2);
    }
};

TEST_F(SignInTest, NewPlayersGetTheirOwnRecordsAndKeepThem) {
    PlayerProfileRecord shared = profile("");
    shared.GamesPlayed(0) = 9;
    writePrefs({shared});
    ASSERT_TRUE(Get_Players());
    frmGrisk().cmdDeal.setVisible(true);  // no game under way

    recs.SpeedOption = 4;
    ASSERT_TRUE(signIn("Ann"));
    EXPECT_EQ(recs.CurrentProfile, 2);
    ASSERT_TRUE(signIn("Bob"));
    EXPECT_EQ(recs.CurrentProfile, 3);
    ASSERT_TRUE(signIn("Cy"));
    EXPECT_EQ(recs.CurrentProfile, 4);
    EXPECT_TRUE(recs.HasProfile);

    EXPECT_EQ(storedName(1), "Cy") << "the shared record names the last player";
    EXPECT_EQ(storedName(2), "Ann");
    EXPECT_EQ(storedName(3), "Bob");
    EXPECT_EQ(storedName(4), "Cy");
    const PlayerProfileRecord ann = storedProfile(2);
    EXPECT_EQ(ann.SpeedOption, 4) << "made from the options in force";
    EXPECT_EQ(ann.GamesPlayed(0), 0) << "a new player has played no games";
    EXPECT_EQ(frmGrisk().Label9(3).Caption(), "Cy");

    // Back to a known player, typed in other letter case.
    ASSERT_TRUE(signIn("bob"));
    EXPECT_EQ(recs.CurrentProfile, 3);
    EXPECT_EQ(eng.PlayerName, "Bob");
    EXPECT_EQ(frmGrisk().Label9(3).Caption(), "Bob");
    EXPECT_EQ(frmGrisk().StatusBar1.Panels(1).Text, "Bob:") << "the status bar names the player in force";
}

TEST_F(SignInTest, RefusedNamesKeepTheWindowAndEmptyTheBoxOnlyForAnImpersonator) {
    writePrefs({profile("")});
    ASSERT_TRUE(Get_Players());
    struct Case {
        const char* name;
        const char* title;
        const char* textAfter;  // what the combo box holds afterwards
    };
    for (Case c : {Case{"grisk ", "Impersonator Alert", ""}, Case{"VARNOK", "Impersonator Alert", ""},
                   Case{"   ", "Unknown Player", "   "}, Case{"A.B", "Non-standard filename character", "A.B"},
                   Case{"Twentyone characters!", "Non-standard filename character", "Twentyone characters!"},
                   Case{"Abcdefghijklmnopqrstu", "Unknown Player", "Abcdefghijklmnopqrstu"},
                   Case{"\xC5\x81ukasz", "Unknown Player", "\xC5\x81ukasz"}}) {
        const QString name = QString::fromUtf8(c.name);
        vb::msgbox_script::clearShown();
        EXPECT_FALSE(signIn(name)) << c.name;
        ASSERT_FALSE(vb::msgbox_script::shown().empty()) << c.name;
        EXPECT_EQ(vb::msgbox_script::shown().back().title, c.title) << c.name;
        EXPECT_EQ(vb::msgbox_script::shown().back().icon(), vb::vbExclamation) << c.name;
        EXPECT_TRUE(frmWelcome().Visible()) << c.name;
        EXPECT_TRUE(frmWelcome().Command1.Enabled()) << c.name;
        EXPECT_EQ(frmWelcome().Combo1.Text(), QString::fromUtf8(c.textAfter)) << c.name;
    }
    EXPECT_EQ(recs.NumPlayerNames, 0);
    EXPECT_TRUE(signIn("Ann")) << "the window waits for a name it takes";
}

// The list: the player in force first and shown, the other known players,
// an empty entry for a new name. A removed player's blank place is not
// offered.
TEST_F(SignInTest, TheListOffersThePlayerInForceFirst) {
    writePrefs({profile("Bob"), profile("Ann"), profile("Bob"), grisk::PlayerProfileRecord{}, profile("Cy")});
    ASSERT_TRUE(Get_Players());
    struct Case {
        const char* playerName;  // the name being signed in, before the window opens
        QStringList entries;
    };
    const Case cases[] = {
        {"Bob", {"Bob", "Ann", "Cy", ""}},
        {"", {"Bob", "Ann", "Cy", ""}},  // the last player's name
        {"Cy", {"Cy", "Ann", "Bob", ""}},
        {"bob", {"bob", "Ann", "Bob", "Cy", ""}},  // the names are compared as they stand
    };
    for (const Case& c : cases) {
        eng.PlayerName = c.playerName;
        FrmWelcome& w = frmWelcome();
        w.Unload();
        w.LoadAsDesigned();
        QStringList entries;
        for (int i = 0; i < w.Combo1.ListCount(); ++i) entries << w.Combo1.List(i);
        EXPECT_EQ(entries, c.entries) << c.playerName;
        EXPECT_EQ(w.Combo1.ListIndex(), 0) << c.playerName;
        EXPECT_EQ(w.Combo1.Text(), c.entries.front()) << c.playerName;
    }
}

TEST_F(SignInTest, APickedNameIsTheNameBeingSignedIn) {
    annAndBob();
    FrmWelcome& w = frmWelcome();
    w.LoadAsDesigned();
    vb::UserPicks(w.Combo1, 1);
    EXPECT_EQ(eng.PlayerName, "Bob");
    EXPECT_EQ(recs.LastPlayer, "Ann") << "nobody signed in yet";
}

TEST_F(SignInTest, SigningInThePlayerInForceReadsAndWritesNothing) {
    annAndBob();
    const QByteArray before = records_test::readFile(prefsPath());
    recs.SoundLevel = 2;  // changed since the profile was read: not saved, not read back
    frmGrisk().cmdDeal.setVisible(false);
    ASSERT_TRUE(pick(0));
    ASSERT_TRUE(signIn("Ann"));
    EXPECT_EQ(recs.SoundLevel, 2);
    EXPECT_EQ(recs.CurrentProfile, 2);
    EXPECT_EQ(records_test::readFile(prefsPath()), before);
}

// Whether a game is under way or not, the outgoing player's options are
// saved before the incoming player's profile comes into force, and are
// there again when they come back.
TEST_F(SignInTest, SwitchingPlayerSavesTheOutgoingPlayersOptionsFirst) {
    for (bool gameUnderWay : {false, true}) {
        reset();
        annAndBob();
        frmGrisk().cmdDeal.setVisible(!gameUnderWay);
        recs.SoundLevel = 2;
        recs.SpeedOption = 5;

        ASSERT_TRUE(pick(1)) << gameUnderWay;  // Bob
        EXPECT_EQ(recs.CurrentProfile, 3);
        EXPECT_EQ(recs.SoundLevel, 0) << "Bob's options are in force";
        const PlayerProfileRecord ann = storedProfile(2);
        EXPECT_EQ(ann.SoundLevel, 2) << gameUnderWay;
        EXPECT_EQ(ann.SpeedOption, 5) << gameUnderWay;

        // A new player after Bob: Bob's change is kept too, and the new
        // record starts from the options in force.
        recs.SoundLevel = 1;
        ASSERT_TRUE(signIn("Cy"));
        EXPECT_EQ(storedProfile(3).SoundLevel, 1) << gameUnderWay;
        EXPECT_EQ(storedProfile(4).SoundLevel, 1) << gameUnderWay;

        ASSERT_TRUE(signIn("Ann"));
        EXPECT_EQ(recs.SoundLevel, 2) << gameUnderWay;
        EXPECT_EQ(recs.SpeedOption, 5) << gameUnderWay;
    }
}

// The first sign-in: nobody has a profile yet, so there are no options of
// a player to save; only the new player's record is written.
TEST_F(SignInTest, TheFirstSignInWritesOnlyTheNewPlayersRecord) {
    writePrefs({profile("")});
    ASSERT_TRUE(Get_Players());
    const QByteArray shared = prefsRecordBytes(1);
    ASSERT_TRUE(signIn("Ann"));
    EXPECT_EQ(storedName(1), "Ann");
    // The player's name stands at 130..149 (the first seat's first field).
    EXPECT_EQ(prefsRecordBytes(1).left(130), shared.left(130)) << "record 1 changes only its name";
    EXPECT_EQ(prefsRecordBytes(1).mid(150), shared.mid(150)) << "record 1 changes only its name";
    EXPECT_EQ(storedName(2), "Ann");
    EXPECT_EQ(records_test::readFile(prefsPath()).size(), 2 * kPlayerProfileRecordLength);
}

// Ann paints her windows with the wooden skin, Bob with the plain one: the
// pile-information window, loaded while Ann was in force, changes with
// the player, as a window loaded afresh would show it.
TEST_F(SignInTest, AnotherPlayersSkinReachesThePileWindow) {
    // The window as the player brings it up: the stock's hidden cards.
    cmd.DeveloperMode = true;
    const auto shownSkin = [] {
        PicCenter_MouseDown(0, 2, vb::vbCtrlMask);
        EXPECT_TRUE(frmHold().Visible());
        const QImage skin = frmHold().Picture();
        frmHold().Hide();
        return skin;
    };
    annAndBob();
    const QImage annSkin = shownSkin();
    ASSERT_FALSE(annSkin.isNull());
    ASSERT_TRUE(pick(1));
    const QImage bobSkin = shownSkin();
    const int32_t bobButton = frmHold().cmdExit(0).BackColor();
    EXPECT_NE(bobSkin, annSkin);
    ReleaseFrmHold();
    EXPECT_EQ(shownSkin(), bobSkin);
    EXPECT_EQ(frmHold().cmdExit(0).BackColor(), bobButton);
}

// Ann plays with small cards, Bob with large ones: each sign-in brings the
// table to that player's size, and the size is kept in each profile.
TEST_F(SignInTest, EachPlayerHasTheirDisplaySize) {
    PlayerProfileRecord ann = profile("Ann");
    ann.SmallDisplay = -1;
    writePrefs({profile("Bob"), ann, profile("Bob")});
    ASSERT_TRUE(Get_Players());
    ASSERT_EQ(tbl.DisplayMode, 0);
    const double largeWidth = frmGrisk().Picture7(2).widthTw();

    for (const char* name : {"Ann", "Bob", "Ann"}) {
        ASSERT_TRUE(signIn(name)) << name;
        const bool small = QString(name) == "Ann";
        EXPECT_EQ(tbl.DisplayMode >= 2, small) << name;
        EXPECT_EQ(tbl.SmallDisplay, small) << name;
        EXPECT_EQ(frmGrisk().Picture7(2).widthTw() < largeWidth, small) << name;
    }
    ASSERT_TRUE(signIn("Bob"));
    EXPECT_EQ(storedProfile(2).SmallDisplay, -1);
    EXPECT_EQ(storedProfile(3).SmallDisplay, 0);
}

// One player's intro music switched off neither reaches nor is saved into
// another's profile.
TEST_F(SignInTest, EachPlayerHasTheirIntroMusic) {
    PlayerProfileRecord ann = profile("Ann");
    ann.IntroOn = 0;
    PlayerProfileRecord bob = profile("Bob");
    bob.IntroOn = -1;
    writePrefs({profile("Ann"), ann, bob});
    ASSERT_TRUE(Get_Players());
    for (const char* name : {"Bob", "Ann", "Bob"}) {
        ASSERT_TRUE(signIn(name)) << name;
        EXPECT_EQ(recs.IntroMusic, QString(name) == "Ann") << name << ": the music switched off";
    }
    ASSERT_TRUE(signIn("Ann"));
    EXPECT_EQ(storedProfile(2).IntroOn, 0);
    EXPECT_NE(storedProfile(3).IntroOn, 0) << "Bob's music stays on";
}

TEST_F(SignInTest, TheGameMenuShowsTheWindow) {
    annAndBob();
    grisk_test::QueueSignIn("Cy");
    MenuGameCommand(1);
    EXPECT_EQ(recs.LastPlayer, "Cy");
    EXPECT_EQ(recs.CurrentProfile, 4);
    EXPECT_FALSE(frmWelcome().isLoaded());

    // While a new game is asked for, the command does nothing.
    cmd.RestartRequested = true;
    grisk_test::QueueSignIn("Ann");
    MenuGameCommand(1);
    EXPECT_EQ(vb::forms::pendingModalActions(), 1);
    EXPECT_EQ(recs.LastPlayer, "Cy");
}

}  // namespace
