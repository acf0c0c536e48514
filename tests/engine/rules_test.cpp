// The centre rule for the human's plays, the rule messages, the rules
// labels and the menu hints.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "engine/rules.h"
#include "net/state.h"
#include "play_fixture.h"
#include "table/state.h"

namespace {

using grisk::eng;
using grisk::inet;
using grisk::recs;
using grisk::tbl;
using grisk_test::Card;

const QString kSequence = "Center piles are built up in sequence (Ace to Queen). ";
const QString kThatPile = "That card cannot be played to that Center pile yet.";
const QString kAnyPile = "That card cannot be played to any Center pile yet.";

QString lastSound() { return QFileInfo(sound::LastRequested()).fileName(); }

class RulesTest : public grisk_test::PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        table();
    }
    // The human's card of this rank in hand place 2 onto centre pile 1
    // standing at standing.
    void check(int rank, int standing) {
        setHand({Card(rank, 2)});
        eng.CenterCount(1) = standing;
        eng.SourceSlot = 2;
        eng.TargetCenter = 1;
        f().Label9(1).setCaption("old");
        f().Label9(2).setCaption("old");
        vb::msgbox_script::clearShown();
        sound::PlayAsync("/nonexistent/none.wav");
        grisk::CheckCenterMove();
    }
};

TEST_F(RulesTest, EveryRankOntoEveryCentreValue) {
    for (bool noWildAce : {false, true}) {
        eng.NoWildAce = noWildAce;
        for (int rank = 1; rank <= 13; ++rank) {
            for (int standing = 0; standing <= 11; ++standing) {
                SCOPED_TRACE(testing::Message() << "rank " << rank << " on " << standing << ", no wild Ace "
                                                << noWildAce);
                eng.Pturn = 1;
                eng.Dragging = 1;
                check(rank, standing);
                const bool kingAsAce = rank == 13 && standing == 0 && noWildAce;
                const bool allowed = rank == 13 ? !kingAsAce : rank == standing + 1;
                EXPECT_EQ(eng.Pturn, allowed ? 1 : 99);
                if (allowed) {
                    EXPECT_EQ(f().Label9(1).Caption(), " ");
                    EXPECT_TRUE(vb::msgbox_script::shown().empty());
                    EXPECT_EQ(lastSound(), "none.wav");
                } else if (kingAsAce) {
                    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
                    const vb::ShownBox& box = vb::msgbox_script::shown()[0];
                    EXPECT_EQ(box.prompt, "Wild card can not be used as an Ace.");
                    EXPECT_EQ(box.title, "Rules Enforced");
                    EXPECT_EQ(box.icon(), vb::vbInformation);
                    EXPECT_EQ(f().Label9(1).Caption(), " ");
                } else {
                    EXPECT_EQ(f().Label9(1).Caption(), kSequence + kThatPile);
                    EXPECT_EQ(lastSound(), "~108.tmp");
                    EXPECT_TRUE(vb::msgbox_script::shown().empty());
                }
                EXPECT_EQ(f().Label9(2).Caption(), " ") << "a local game blanks the remark line";
            }
        }
    }
}

TEST_F(RulesTest, AKingInsideAPileCountsAsThePlaceItTook) {
    setCentre(1, {Card(1), Card(2), Card(13)});
    setHand({Card(4, 2), Card(5, 2)});
    eng.TargetCenter = 1;
    eng.SourceSlot = 2;
    grisk::CheckCenterMove();
    EXPECT_EQ(eng.Pturn, 1) << "a Four goes on Ace, Two, King";
    eng.SourceSlot = 3;
    grisk::CheckCenterMove();
    EXPECT_EQ(eng.Pturn, 99) << "a Five does not";
}

TEST_F(RulesTest, WordingFollowsHowTheCardWasPlayed) {
    eng.Dragging = 0;
    check(5, 2);
    EXPECT_EQ(f().Label9(1).Caption(), kSequence + kAnyPile) << "a double-click or a key";
}

TEST_F(RulesTest, NoGameRunningRefusesSilentlyButTheKingBoxStillShows) {
    eng.Pturn = 0;
    check(2, 0);
    EXPECT_EQ(eng.Pturn, 99);
    EXPECT_EQ(f().Label9(1).Caption(), " ");
    EXPECT_EQ(lastSound(), "none.wav") << "no refusal sound";

    eng.Pturn = 0;
    eng.NoWildAce = true;
    check(13, 0);
    EXPECT_EQ(eng.Pturn, 99);
    EXPECT_EQ(vb::msgbox_script::shown().size(), 1u);
}

TEST_F(RulesTest, AnInternetGameKeepsTheRemarkLine) {
    inet.NetPeers = 1;
    check(1, 0);
    EXPECT_EQ(f().Label9(1).Caption(), " ");
    EXPECT_EQ(f().Label9(2).Caption(), "old");
}

TEST_F(RulesTest, RuleMessagesWithTheirSound) {
    struct Case {
        int code;
        int dragging;
        QString text;
    };
    const Case cases[] = {
        {1, 1, kSequence + kThatPile},
        {1, 0, kSequence + kAnyPile},
        {2, 0, "Once a card has been placed on a Hold pile, it can only be played to the Center piles."},
        {3, 0, "Please stop --\n     It's NOT your turn!"},
        {4, 0, "\nYour Side card can only be played to a Center pile."},
        {5, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        eng.Dragging = c.dragging;
        eng.MsgText = "stale";
        sound::PlayAsync("/nonexistent/none.wav");
        grisk::ShowRuleMessage(c.code);
        EXPECT_EQ(f().Label9(1).Caption(), c.text);
        EXPECT_EQ(eng.MsgText, "");
        EXPECT_EQ(lastSound(), "~108.tmp");
    }
    recs.SoundLevel = 2;
    sound::PlayAsync("/nonexistent/none.wav");
    grisk::ShowRuleMessage(2);
    EXPECT_EQ(lastSound(), "none.wav") << "sounds off";
}

TEST_F(RulesTest, RulesLabels) {
    struct Case {
        int sideOption, forced;
        bool noWildAce;
        int mode;
        double widthTw;
        QString rules;
        int forcedAfter;
    };
    const Case cases[] = {
        {19, 0, false, 0, 15360, "Rules: 20 cards ", 0},
        {19, 1, false, 0, 15360, "Rules: 20 cards Ace", 1},
        {19, 2, false, 0, 15360, "Rules: 20 cards , Two", 2},
        {19, 3, true, 0, 15360, "Rules: 20 cards Ace, Two - No Wild Ace", 3},
        {19, 3, true, 0, 11985, "Rules: 20 cards A,T, No Wild A", 3},
        {19, 3, true, 2, 12000, "Rules: 20 cards A,T - No Wild Ace", 3},
        {19, 3, false, 2, 12001, "Rules: 20 cards Ace, Two", 3},
        {19, 4, false, 0, 15360, "Rules: 20 cards ", 0},
        {19, 5, false, 0, 15360, "Rules: 20 cards Ace (V)", 5},
        {19, 6, false, 0, 15360, "Rules: 20 cards Two (V)", 6},
        {19, 7, false, 0, 15360, "Rules: 20 cards Ace, Two (V)", 7},
        {19, 7, false, 3, 9600, "Rules: 20 cards A,T (V)", 7},
        {9, 0, false, 0, 15360, "Rules: 10 cards ", 0},
        {25, 0, true, 0, 12000, "Rules: 26 cards  - No Wild Ace", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rules.toStdString());
        eng.SideOption = c.sideOption;
        eng.ForcedCards = c.forced;
        eng.NoWildAce = c.noWildAce;
        tbl.DisplayMode = c.mode;
        eng.ScreenWidthTw = c.widthTw;
        grisk::ShowRulesSummary();
        EXPECT_EQ(f().lblRules.Caption(), c.rules);
        EXPECT_EQ(eng.ForcedCards, c.forcedAfter);
    }
}

TEST_F(RulesTest, AnUnknownForcedValueKeepsTheRulesText) {
    eng.ScreenWidthTw = 15360;
    eng.ForcedCards = 1;
    grisk::WildCardRuleText();
    eng.ForcedCards = 9;
    grisk::WildCardRuleText();
    EXPECT_EQ(eng.RulesText, "Ace");
}

TEST_F(RulesTest, LevelLabelShowsSeatTwosLevelOrTheDeckRule) {
    grisk_test::ResetAll();
    table(4, 3);
    eng.LevelNames(0) = "Level: Average";
    eng.LevelNames(2) = "Level: Ruthless";
    eng.Player2.Level = 2;
    eng.Player3.Level = 0;
    grisk::ShowRulesSummary();
    EXPECT_EQ(f().lblLevel.Caption(), "Level: Ruthless");
    inet.NetPeers = 1;
    eng.DecksSeparate = true;
    grisk::ShowRulesSummary();
    EXPECT_EQ(f().lblLevel.Caption(), "Decks: separate");
    eng.DecksSeparate = false;
    grisk::ShowRulesSummary();
    EXPECT_EQ(f().lblLevel.Caption(), "Decks: together");
}

}  // namespace
