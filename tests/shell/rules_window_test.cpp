// The house rules dialog, reached with F6: the forced-card boxes and their
// bits, the centre piles a table of three or more needs, Restore Defaults,
// Apply with its "New Rules" question, Cancel, and the Internet refusal.
#include <gtest/gtest.h>

#include <functional>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "net/state.h"
#include "platform/controls.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "shell/frm_rules.h"
#include "shell/keyboard.h"
#include "shell/state.h"
#include "table_fixture.h"

using namespace grisk;

namespace {

constexpr int kF6 = vb::vbKeyF1 + 5;

class RulesWindowTest : public grisk_test::HumanToMoveTest {
protected:
    void TearDown() override {
        inet.NetPeers = 0;
        inet.PeerVersion.clear();
        ReleaseFrmRules();
        HumanToMoveTest::TearDown();
    }
    // F6 pressed on the table; the player does what acts does to the
    // dialog. False when the dialog did not open.
    static bool pressF6(const std::function<void(FrmRules&)>& acts) {
        vb::forms::queueModalAction("frmRules", [acts](vb::Form& f) { acts(static_cast<FrmRules&>(f)); });
        int key = kF6;
        HandleKeyDown(key, 0);
        const bool opened = vb::forms::pendingModalActions() == 0;
        vb::forms::clearModalActions();
        return opened;
    }
    // The boxes ticked: "A" Ace, "T" Two, "V" visible only, "N" no forced
    // cards, in that order; lower case for a box that is ticked but disabled.
    static QString ticks(FrmRules& w) {
        QString out;
        const std::pair<vb::Control*, char> boxes[] = {
            {&w.chkForced(1), 'A'}, {&w.chkForced(2), 'T'}, {&w.chkForced(4), 'V'}, {&w.chkNoForced, 'N'}};
        for (const auto& [box, letter] : boxes)
            if (box->Value() == 1) out += box->Enabled() ? QChar(letter) : QChar(letter).toLower();
        return out;
    }
    static QStringList titles() {
        QStringList out;
        for (const vb::ShownBox& b : vb::msgbox_script::shown()) out << b.title;
        return out;
    }
};

// The forced-card boxes: how a stored value opens, what the player's ticks
// make of it (4 alone is no forced cards), and what Apply puts in force.
TEST_F(RulesWindowTest, TheForcedCardBoxesAndTheirBits) {
    const struct {
        const char* name;
        int stored;
        const char* opens;
        std::vector<int> clicks;  // 1, 2, 4 the boxes; 0 "No Forced cards"
        const char* after;
        int bits;
        const char* ruleText;
    } cases[] = {
        {"nothing forced", 0, "N", {}, "N", 0, ""},
        {"Ace then visible", 0, "N", {0, 1, 4}, "AV", 5, "Ace (V)"},
        {"visible loses its Ace", 0, "N", {0, 1, 4, 1}, "", 0, ""},
        {"Two and Ace", 2, "T", {1}, "AT", 3, "Ace, Two"},
        {"all three", 7, "ATV", {}, "ATV", 7, "Ace, Two (V)"},
        {"none from all three", 7, "ATV", {0}, "N", 0, ""},
        {"a stored nine", 9, "N", {}, "N", 0, ""},
        {"visible alone stored", 4, "N", {}, "N", 0, ""},
        {"Two visible", 6, "TV", {}, "TV", 6, "Two (V)"},
    };
    eng.ScreenWidthTw = 19200;  // room on the menu strip for the rules in full
    for (const auto& c : cases) {
        eng.ForcedCards = c.stored;
        const bool opened = pressF6([&](FrmRules& w) {
            EXPECT_EQ(ticks(w), c.opens) << c.name;
            for (int box : c.clicks) vb::UserClicks(box == 0 ? w.chkNoForced : w.chkForced(box));
            EXPECT_EQ(ticks(w), c.after) << c.name;
            vb::UserClicks(w.cmdSave);
            EXPECT_FALSE(w.isLoaded()) << c.name;
        });
        ASSERT_TRUE(opened) << c.name;
        EXPECT_EQ(eng.ForcedCards, c.bits) << c.name;
        EXPECT_EQ(eng.RulesText, c.ruleText) << c.name;
        EXPECT_EQ(frmGrisk().lblRules.Caption(), QString("Rules: 20 cards ") + c.ruleText) << c.name;
        EXPECT_TRUE(titles().isEmpty()) << c.name << ": the forced cards need no new game";
    }
}

// A change of the forced cards or the wild Ace acts at once on the game
// being played: no question, the cards stay where they are.
TEST_F(RulesWindowTest, ForcedCardsAndTheWildAceApplyToTheRunningGame) {
    const auto cards = everyCard();
    pressF6([](FrmRules& w) {
        vb::UserClicks(w.chkNoForced);
        vb::UserClicks(w.chkForced(2));
        vb::UserClicks(w.chkWild);
        vb::UserClicks(w.cmdSave);
    });
    EXPECT_EQ(eng.ForcedCards, 2);
    EXPECT_TRUE(eng.NoWildAce);
    EXPECT_EQ(everyCard(), cards);
    EXPECT_EQ(eng.Pturn, 1);
    EXPECT_FALSE(frmGrisk().cmdDeal.Visible());
    EXPECT_FALSE(eng.RulesChanged);
}

// Restore Defaults chooses the default rules in the dialog only: Cancel
// afterwards leaves every rule and the game being played as they were.
TEST_F(RulesWindowTest, RestoreDefaultsThenCancelChangesNothing) {
    eng.ScreenWidthTw = 19200;
    eng.SideOption = 25;
    eng.DecksSeparate = true;
    eng.NoWildAce = true;
    eng.ForcedCards = 3;
    const auto cards = everyCard();
    for (const char* leave : {"Cancel", "close box"}) {
        pressF6([&](FrmRules& w) {
            vb::UserClicks(w.cmdDefault);
            EXPECT_EQ(w.optSide(0).Value(), 1);
            EXPECT_EQ(w.optShuffle(0).Value(), 1);
            EXPECT_EQ(ticks(w), "N");
            EXPECT_EQ(w.WorkSide, 19);
            EXPECT_FALSE(w.WorkDecksSeparate);
            EXPECT_FALSE(w.WorkNoWildAce);
            EXPECT_EQ(w.WorkForced, 0);
            if (QString(leave) == "Cancel")
                vb::UserClicks(w.cmdReturn);
            else
                w.Unload(vb::vbFormControlMenu);
        });
        EXPECT_EQ(eng.SideOption, 25) << leave;
        EXPECT_TRUE(eng.DecksSeparate) << leave;
        EXPECT_TRUE(eng.NoWildAce) << leave;
        EXPECT_EQ(eng.ForcedCards, 3) << leave;
        EXPECT_EQ(eng.NumCenters, 3) << leave;
        EXPECT_EQ(everyCard(), cards) << leave;
        EXPECT_FALSE(frmGrisk().cmdDeal.Visible()) << leave;
        EXPECT_EQ(frmGrisk().lblRules.Caption(), "Rules: 26 cards Ace, Two - No Wild Ace") << leave;
    }
    EXPECT_TRUE(titles().isEmpty());
}

// A new pile size, shuffle or number of centre piles asks first; Cancel in
// the question keeps the dialog open with nothing applied; OK applies and
// empties the table for the deal.
TEST_F(RulesWindowTest, ChangedPilesAskForANewGame) {
    const auto cards = everyCard();
    vb::msgbox_script::pushAnswer(vb::vbCancel);
    vb::msgbox_script::pushAnswer(vb::vbOK);
    pressF6([&](FrmRules& w) {
        vb::UserClicks(w.optSide(3));
        vb::UserClicks(w.optShuffle(1));
        vb::UserClicks(w.optCenter(1));
        vb::UserClicks(w.cmdSave);
        ASSERT_TRUE(w.isLoaded()) << "Cancel in the question keeps the dialog";
        EXPECT_EQ(eng.SideOption, 19);
        EXPECT_FALSE(eng.DecksSeparate);
        EXPECT_EQ(eng.NumCenters, 3);
        EXPECT_FALSE(eng.RulesChanged);
        EXPECT_EQ(everyCard(), cards);
        vb::UserClicks(w.cmdSave);
        EXPECT_FALSE(w.isLoaded());
    });
    ASSERT_EQ(vb::msgbox_script::shown().size(), 2u);
    EXPECT_EQ(vb::msgbox_script::shown()[0].prompt, "Start a new game for the changed rules to take effect.");
    EXPECT_EQ(titles(), (QStringList{"New Rules", "New Rules"}));
    EXPECT_EQ(eng.SideOption, 9);
    EXPECT_TRUE(eng.DecksSeparate);
    EXPECT_EQ(eng.NumCenters, 4);
    EXPECT_TRUE(frmGrisk().PicCenter.exists(4) && frmGrisk().PicCenter(4).Visible()) << "the fourth pile is laid out";
    EXPECT_TRUE(frmGrisk().cmdDeal.Visible()) << "the table waits for the new deal";
    EXPECT_EQ(eng.Pturn, 0) << "no game is running";
    EXPECT_FALSE(eng.RulesChanged);
    EXPECT_EQ(frmGrisk().lblRules.Caption(), "Rules: 10 cards ");
}

// The player's pick of the centre piles the dialog opened with asks nothing.
TEST_F(RulesWindowTest, ApplyWithNothingChangedAsksNothing) {
    const auto cards = everyCard();
    pressF6([](FrmRules& w) {
        vb::UserClicks(w.optSide(1));
        vb::UserClicks(w.optSide(0));
        vb::UserClicks(w.cmdSave);
    });
    EXPECT_TRUE(titles().isEmpty());
    EXPECT_EQ(everyCard(), cards);
}

class RulesAtThreePlayersTest : public RulesWindowTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        table(3, 4);
        humanToMove();
    }
};

// Three or four players need four centre piles: choosing three, directly
// or through Restore Defaults, is refused and four stay chosen.
TEST_F(RulesAtThreePlayersTest, ThreeCentrePilesAreRefused) {
    for (const char* how : {"three piles", "Restore Defaults"}) {
        vb::msgbox_script::clearShown();
        pressF6([&](FrmRules& w) {
            EXPECT_EQ(w.optCenter(1).Value(), 1);
            vb::UserClicks(QString(how) == "three piles" ? w.optCenter(0) : w.cmdDefault);
            EXPECT_EQ(w.optCenter(1).Value(), 1) << how;
            EXPECT_EQ(w.optCenter(0).Value(), 0) << how;
            EXPECT_EQ(w.WorkCenters, 4) << how;
            vb::UserClicks(w.cmdReturn);
        });
        ASSERT_EQ(vb::msgbox_script::shown().size(), 1u) << how;
        const vb::ShownBox& box = vb::msgbox_script::shown()[0];
        EXPECT_EQ(box.prompt, "4 Center Piles are required for more than 2 players");
        EXPECT_EQ(box.title, "Number of Centers");
        EXPECT_EQ(box.icon(), vb::vbExclamation);
        EXPECT_EQ(eng.NumCenters, 4);
    }
}

// A peer whose program is too old for the dialog refuses it; a local game
// (whose peer version is empty) never does.
TEST_F(RulesWindowTest, AnOlderPeerRefusesTheDialog) {
    inet.NetPeers = 1;
    inet.PeerVersion = "51";
    EXPECT_FALSE(pressF6([](FrmRules& w) { w.Unload(); }));
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_EQ(vb::msgbox_script::shown()[0].prompt, "This feature is not available with this opponent.");
    EXPECT_EQ(titles(), QStringList{"Playing older version."});
    EXPECT_FALSE(frmRules().isLoaded());

    vb::msgbox_script::clearShown();
    inet.NetPeers = 0;
    inet.PeerVersion.clear();
    EXPECT_TRUE(pressF6([](FrmRules& w) { vb::UserClicks(w.cmdReturn); }));
    EXPECT_TRUE(titles().isEmpty());
}

}  // namespace
