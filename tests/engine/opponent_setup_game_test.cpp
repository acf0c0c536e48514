// The opponent set-up reached as a player reaches it in the running
// program (F10, the Options menu's row): a new player count or centre-pile
// count lays the table out again and deals a new game; Done with the counts
// unchanged, Cancel and the close box keep the running game.
#include <gtest/gtest.h>

#include <functional>

#include "engine/player_record.h"
#include "net/state.h"
#include "platform/keys.h"
#include "records/frm_multi.h"
#include "records/state.h"
#include "shell/keyboard.h"
#include "shell/menu_commands.h"
#include "shell/state.h"
#include "started_table.h"

using namespace grisk;

namespace {

using OpponentSetupGameTest = grisk_test::StartedTableTest;

TEST_F(OpponentSetupGameTest, ANewCountDealsANewGameAndTheSameCountsKeepTheGame) {
    // One case after the other, each from the table the one before left.
    const auto done = [](FrmMulti& w) { vb::UserClicks(w.cmdDone); };
    const struct {
        const char* what;
        std::function<void(FrmMulti&)> acts;
        int players, centres;
        bool newGame;
    } cases[] = {
        {"Done unchanged", done, 2, 3, false},
        {"Cancel", [](FrmMulti& w) { vb::UserClicks(w.Option1(2)); vb::UserClicks(w.CmdCancel); }, 2, 3, false},
        {"close box", [](FrmMulti& w) { vb::UserClicks(w.Option1(2)); w.windowClosed(); }, 2, 3, false},
        {"four centre piles", [&done](FrmMulti& w) { vb::UserClicks(w.optCenters(1)); done(w); }, 2, 4, true},
        {"Done unchanged with four piles", done, 2, 4, false},
        {"two opponents", [&done](FrmMulti& w) { vb::UserClicks(w.Option1(1)); done(w); }, 3, 4, true},
    };
    ASSERT_EQ(eng.NumPlayers, 2);
    ASSERT_EQ(eng.NumCenters, 3);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        gameRunning(eng.NumPlayers);
        setSide({grisk_test::Card(4), grisk_test::Card(9)});
        const int seat2Side = SeatRecord(2).RecSideCount;
        vb::forms::queueModalAction("frmMulti", [&c](vb::Form& f) { c.acts(static_cast<FrmMulti&>(f)); });
        int f10 = vb::vbKeyF1 + 9;
        HandleKeyDown(f10, 0);

        EXPECT_FALSE(frmMulti().isLoaded());
        EXPECT_EQ(vb::forms::pendingModalActions(), 0);
        EXPECT_EQ(eng.NumPlayers, c.players);
        EXPECT_EQ(eng.NumCenters, c.centres);
        if (c.newGame) {
            EXPECT_EQ(eng.SideCount, eng.SideOption + 1) << "a new deal";
            EXPECT_EQ(eng.TotalCards, 52 * c.players);
            EXPECT_TRUE(f().PicCenter.exists(c.centres)) << "the table has the centre piles";
            EXPECT_GE(eng.Pturn, 1);
        } else {
            EXPECT_EQ(eng.SideCount, 2) << "the running game goes on";
            EXPECT_EQ(SeatRecord(2).RecSideCount, seat2Side);
        }
    }
}

TEST_F(OpponentSetupGameTest, TheMenuRowOpensTheSetUpOnlyInALocalGame) {
    // In an Internet game the row gives the hint to use the Internet menu.
    inet.NetPeers = 1;
    cmd.MenuNum = 2;
    cmd.MenuItem = 5;
    vb::forms::queueModalAction("frmMulti", [](vb::Form& f) { vb::UserClicks(static_cast<FrmMulti&>(f).CmdCancel); });
    MenuPanelClick();
    EXPECT_EQ(vb::forms::pendingModalActions(), 1) << "no set-up window";
    inet.NetPeers = 0;
    MenuPanelClick();
    EXPECT_EQ(vb::forms::pendingModalActions(), 0);
    EXPECT_FALSE(frmMulti().isLoaded());
}

}  // namespace
