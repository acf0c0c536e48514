// The sign-in: a new player gets a profile record of their own at once, the
// known players' records stay, and names the profile cannot keep are refused.
#include <gtest/gtest.h>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/msgbox.h"
#include "profile_fixture.h"
#include "records/frm_welcome.h"
#include "records/profile.h"
#include "records/record_fields.h"
#include "records/state.h"

using namespace grisk;

namespace {

class SignInTest : public records_test::ProfileFixture {
protected:
    bool signIn(const QString& name) {
        FrmWelcome& w = frmWelcome();
        w.Load();
        return w.SignIn(name, -1);
    }
    QString storedName(int recNo) { return StoredText(storedProfile(recNo).Seats(0).Name); }
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

    // Back to a known player, typed in other letter case.
    ASSERT_TRUE(signIn("bob"));
    EXPECT_EQ(recs.CurrentProfile, 3);
    EXPECT_EQ(eng.PlayerName, "Bob");
}

TEST_F(SignInTest, RefusedNames) {
    writePrefs({profile("")});
    ASSERT_TRUE(Get_Players());
    struct Case {
        const char* name;
        const char* title;
    };
    for (Case c : {Case{"grisk ", "Impersonator Alert"}, Case{"VARNOK", "Impersonator Alert"},
                   Case{"   ", "Unknown Player"}, Case{"A.B", "Non-standard filename character"},
                   Case{"Twentyone characters!", "Non-standard filename character"},
                   Case{"Abcdefghijklmnopqrstu", "Unknown Player"}}) {
        vb::msgbox_script::clearShown();
        EXPECT_FALSE(signIn(QString::fromUtf8(c.name))) << c.name;
        ASSERT_FALSE(vb::msgbox_script::shown().empty()) << c.name;
        EXPECT_EQ(vb::msgbox_script::shown().back().title, c.title) << c.name;
        EXPECT_TRUE(frmWelcome().Command1.Enabled());
    }
    vb::msgbox_script::clearShown();
    EXPECT_FALSE(signIn(QString::fromUtf8("\xC5\x81ukasz"))) << "a letter the profile cannot keep";
    EXPECT_EQ(recs.NumPlayerNames, 0);
}

}  // namespace
