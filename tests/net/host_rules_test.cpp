// The host's rules window as the host uses it: the choices it hands back
// (players, centre piles, whether the running game goes on), the refusals
// of an old peer and of too many people, Cancel and the close box, the
// house rules through their dialog, and a changed table started for the
// client over a real connection.
#include <gtest/gtest.h>

#include <QTimer>
#include <functional>

#include "engine/deal_fixture.h"
#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "net/connection.h"
#include "net/frm_players.h"
#include "net/frm_rules_net.h"
#include "net/internet_setup.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/winsock.h"
#include "records/opponent_setup.h"
#include "scripted_peer.h"
#include "shell/frm_rules.h"

using namespace grisk;

namespace {

struct HostRulesCase {
    const char* name;
    int players, centres, peers;
    const char* version;
    std::function<void(FrmRulesNet&)> acts;  // ends the window
    int wantPlayers, wantCentres;
    bool wantSkip;
    const char* box;  // "title: text" of the one box shown; "" none
};

class HostRulesTest : public grisk_test::DealTableTest, public ::testing::WithParamInterface<HostRulesCase> {
protected:
    void TearDown() override {
        if (FrmRulesNetExists() && frmRulesNet().isLoaded()) frmRulesNet().Unload();
        ReleaseFrmRulesNet();
        DealTableTest::TearDown();
    }
};

void closeBox(FrmRulesNet& w) { w.windowClosed(vb::vbFormControlMenu); }

TEST_P(HostRulesTest, TheChoicesAreHandedBack) {
    const HostRulesCase& c = GetParam();
    table(c.players);
    eng.NumCenters = c.centres;
    inet.NetPeers = c.peers;
    inet.IsHost = 1;
    inet.PeerVersion = c.version;
    eng.SkipGameSave = false;
    vb::forms::queueModalAction("frmRulesNET", [&c](vb::Form& f) { c.acts(static_cast<FrmRulesNet&>(f)); });
    ShowHostRulesWindow();
    EXPECT_FALSE(frmRulesNet().isLoaded());
    EXPECT_EQ(eng.NumPlayers, c.wantPlayers);
    EXPECT_EQ(eng.NumCenters, c.wantCentres);
    EXPECT_EQ(eng.SkipGameSave, c.wantSkip);
    QStringList shown;
    for (const vb::ShownBox& b : vb::msgbox_script::shown()) shown << b.title + ": " + b.prompt;
    EXPECT_EQ(shown, std::string(c.box).empty() ? QStringList() : QStringList{QString::fromLatin1(c.box)});
}

INSTANTIATE_TEST_SUITE_P(
    Choices, HostRulesTest,
    ::testing::Values(
        HostRulesCase{"FourCentresShownButDisabledForAnOldPeer", 2, 4, 1, "74",
                      [](FrmRulesNet& w) {
                          EXPECT_TRUE(w.fraCenters.Visible());
                          EXPECT_EQ(w.optCenters(1).Value(), 1);
                          EXPECT_FALSE(w.optCenters(1).Enabled());
                          EXPECT_FALSE(w.cmdDone.Enabled()) << "nothing to apply yet";
                          vb::UserClicks(w.CmdCancel);
                      },
                      2, 4, true, ""},
        HostRulesCase{"ACentreOnlyChangeStartsANewGame", 2, 3, 1, "96",
                      [](FrmRulesNet& w) {
                          vb::UserClicks(w.optCenters(1));
                          ASSERT_TRUE(w.cmdDone.Enabled());
                          vb::UserClicks(w.cmdDone);
                      },
                      2, 4, false, ""},
        HostRulesCase{"TheSameCountsLetTheGameGoOn", 2, 3, 1, "96",
                      [](FrmRulesNet& w) {
                          vb::UserClicks(w.Option1(1));
                          EXPECT_FALSE(w.fraCenters.Visible()) << "three players always play four piles";
                          vb::UserClicks(w.Option1(0));
                          EXPECT_EQ(w.optCenters(0).Value(), 1);
                          vb::UserClicks(w.cmdDone);
                      },
                      2, 3, true, ""},
        HostRulesCase{"ThreeOpponentsPlayFourPiles", 2, 3, 1, "96",
                      [](FrmRulesNet& w) {
                          vb::UserClicks(w.Option1(2));
                          vb::UserClicks(w.cmdDone);
                      },
                      4, 4, false, ""},
        HostRulesCase{"BackToOneOpponentPlaysThreePiles", 3, 4, 1, "96",
                      [](FrmRulesNet& w) {
                          EXPECT_FALSE(w.fraCenters.Visible());
                          vb::UserClicks(w.Option1(0));
                          EXPECT_TRUE(w.fraCenters.Visible());
                          vb::UserClicks(w.cmdDone);
                      },
                      2, 3, false, ""},
        HostRulesCase{"CancelChangesNothing", 2, 3, 1, "96",
                      [](FrmRulesNet& w) {
                          vb::UserClicks(w.Option1(2));
                          vb::UserClicks(w.CmdCancel);
                      },
                      2, 3, true, ""},
        HostRulesCase{"TheCloseBoxChangesNothing", 2, 3, 1, "96",
                      [](FrmRulesNet& w) {
                          vb::UserClicks(w.optCenters(1));
                          closeBox(w);
                      },
                      2, 3, true, ""},
        HostRulesCase{"AnOldPeerRefusesMorePlayersOnTheFirstChoice", 2, 3, 1, "74",
                      [](FrmRulesNet& w) {
                          vb::UserClicks(w.Option1(1));
                          EXPECT_EQ(w.Option1(0).Value(), 1);
                          EXPECT_FALSE(w.cmdDone.Enabled());
                          EXPECT_EQ(w.PlayersChoice, 2);
                          vb::UserClicks(w.CmdCancel);
                      },
                      2, 3, true,
                      "STOP!: You cannot have multiple players while playing with this opponent. They are using an "
                      "old version of the game."},
        HostRulesCase{"TooManyHumansOnTheFirstChoice", 3, 4, 2, "96",
                      [](FrmRulesNet& w) {
                          vb::UserClicks(w.Option1(0));
                          EXPECT_EQ(w.Option1(1).Value(), 1) << "the count in force";
                          EXPECT_FALSE(w.cmdDone.Enabled());
                          vb::UserClicks(w.CmdCancel);
                      },
                      3, 4, true,
                      "Grisk and Varnok: You have too many humans connected. Ask a player to leave if you want to change "
                      "the layout to use less players."}),
    [](const auto& info) { return std::string(info.param.name); });

// The house rules through their dialog: a changed rule gives Done something
// to apply even with the same counts.
TEST_F(HostRulesTest, ARuleChangedInTheRulesDialogEnablesDone) {
    table(2);
    inet.NetPeers = 1;
    inet.IsHost = 1;
    inet.PeerVersion = "96";
    eng.RulesChanged = false;
    vb::forms::queueModalAction("frmRulesNET", [](vb::Form& f) {
        auto& w = static_cast<FrmRulesNet&>(f);
        EXPECT_FALSE(w.cmdDone.Enabled());
        vb::forms::queueModalAction("frmRules", [&w](vb::Form& r) {
            auto& rules = static_cast<FrmRules&>(r);
            EXPECT_DOUBLE_EQ(rules.Left(), w.Left()) << "the rules open over the host's window";
            vb::UserClicks(rules.optSide(2));
            vb::msgbox_script::pushAnswer(vb::vbOK);
            vb::UserClicks(rules.cmdSave);
        });
        vb::UserClicks(w.cmdRules);
        EXPECT_TRUE(w.cmdDone.Enabled());
        vb::UserClicks(w.cmdDone);
    });
    ShowHostRulesWindow();
    EXPECT_TRUE(eng.RulesChanged);
    EXPECT_EQ(eng.SideOption, 14);
    EXPECT_TRUE(eng.SkipGameSave) << "the layout is the same; the changed rule starts the new game";
    eng.RulesChanged = false;
}

// The rules dialog left without a change gives Done nothing to apply, at
// every table size and centre count.
TEST_F(HostRulesTest, ARulesDialogLeftUnchangedLeavesDoneOff) {
    const std::pair<int, int> tables[] = {{2, 3}, {2, 4}, {3, 4}, {4, 4}};
    for (const auto& [players, centres] : tables) {
        SCOPED_TRACE(std::to_string(players) + " players, " + std::to_string(centres) + " centre piles");
        table(players);
        eng.NumCenters = centres;
        inet.NetPeers = 1;
        inet.IsHost = 1;
        inet.PeerVersion = "96";
        eng.RulesChanged = false;
        eng.SkipGameSave = false;
        bool doneOn = true;
        vb::forms::queueModalAction("frmRulesNET", [&doneOn](vb::Form& f) {
            auto& w = static_cast<FrmRulesNet&>(f);
            vb::forms::queueModalAction("frmRules", [](vb::Form& r) { vb::UserClicks(static_cast<FrmRules&>(r).cmdReturn); });
            vb::UserClicks(w.cmdRules);
            doneOn = w.cmdDone.Enabled();
            vb::UserClicks(w.CmdCancel);
        });
        ShowHostRulesWindow();
        EXPECT_FALSE(doneOn);
        EXPECT_EQ(eng.NumPlayers, players);
        EXPECT_EQ(eng.NumCenters, centres);
    }
}

// The host's window sits with its right edge on the table's.
TEST_F(HostRulesTest, TheWindowSitsAtTheTablesRightEdge) {
    table(2);
    inet.NetPeers = 1;
    inet.PeerVersion = "96";
    vb::forms::queueModalAction("frmRulesNET", [](vb::Form& f) {
        const FrmGrisk& main = frmGrisk();
        EXPECT_DOUBLE_EQ(f.Left() + f.Width(), main.Left() + main.Width());
        vb::UserClicks(static_cast<FrmRulesNet&>(f).CmdCancel);
    });
    ShowHostRulesWindow();
}

}  // namespace
