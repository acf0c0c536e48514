// The save and restore window as the player uses it from the Game menu, its
// AutoSave box, and the refusals of the Game menu's saved-game rows and keys.
#include <gtest/gtest.h>

#include <functional>

#include "engine/general.h"
#include "engine/state.h"
#include "net/state.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "records/state.h"
#include "saved_game_fixture.h"
#include "shell/keyboard.h"
#include "shell/state.h"

using namespace grisk;

namespace {

class SaveWindowTest : public grisk_test::SavedGameTest {
protected:
    // The titles of slots 1..10 as stored.
    static QStringList titles() {
        QStringList out;
        for (int n = 1; n <= kSaveSlots; ++n) out << stored(n).Title.trimmed();
        return out;
    }
    static void act(const std::function<void(FrmSave&)>& player) {
        vb::forms::queueModalAction("frmSave", [player](vb::Form& w) { player(static_cast<FrmSave&>(w)); });
    }
    static void key(int code, int shift = 0) { HandleKeyDown(code, shift); }
};

// What the player does in the window opened by Save, and what is saved.
TEST_F(SaveWindowTest, TheSaveWindowSavesTheSlotChosenUnderItsTitle) {
    struct Case {
        const char* name;
        bool internet;
        std::function<void(FrmSave&)> player;
        std::vector<int> answers;  // to the boxes the case expects
        int slot;                  // saved into; 0 none
        QString title;             // saved under (a prefix for the Internet title)
        QStringList boxes;
    };
    const QString cancelQuestion = "Did you want to save this game?\nClick the Save button to save.";
    const Case cases[] = {
        {"a title typed", false,
         [](FrmSave& w) {
             vb::UserClicks(w.Text1(2));
             EXPECT_EQ(w.Text1(2).Text(), "2P_") << "the table's size is proposed";
             EXPECT_EQ(w.Text1(2).SelStart(), 3) << "the caret after it";
             vb::UserTypes(w.Text1(2), " 2P_Tuesday  ");
             vb::UserClicks(w.cmdSave);
         },
         {}, 2, "2P_Tuesday", {}},
        {"the proposal as it stands", false,
         [](FrmSave& w) {
             vb::UserClicks(w.Text1(6));
             vb::UserClicks(w.cmdSave);
         },
         {}, 6, "2P_", {}},
        {"a blank title", false,
         [](FrmSave& w) {
             vb::UserClicks(w.Text1(3));
             vb::UserTypes(w.Text1(3), "   ");
             vb::UserClicks(w.cmdSave);
         },
         {}, 3, "saved game 3", {}},
        {"no slot chosen", false,
         [](FrmSave& w) {
             vb::UserClicks(w.cmdSave);
             EXPECT_EQ(w.Label1.Caption(), "Select a game slot!");
             EXPECT_TRUE(w.isLoaded());
             vb::UserClicks(w.Command2);
         },
         {}, 0, "", {}},
        {"the auto-save slot", false,
         [](FrmSave& w) {
             EXPECT_FALSE(w.Text1(kAutoSaveSlot).Visible());
             w.Text1_Click(kAutoSaveSlot);
             vb::UserClicks(w.cmdSave);
             EXPECT_EQ(w.Label1.Caption(), "Select a game slot!") << "slot 11 is no save target";
             vb::UserClicks(w.Command2);
         },
         {}, 0, "", {}},
        {"Cancel, then No", false,
         [](FrmSave& w) {
             vb::UserClicks(w.Text1(5));
             vb::UserClicks(w.Command2);
         },
         {vb::vbNo}, 0, "", {cancelQuestion}},
        {"Cancel, then Yes and Save", false,
         [](FrmSave& w) {
             vb::UserClicks(w.Text1(5));
             vb::UserTypes(w.Text1(5), "2P_later");
             vb::UserClicks(w.Command2);
             EXPECT_TRUE(w.isLoaded()) << "Yes keeps the window open";
             vb::UserClicks(w.cmdSave);
         },
         {vb::vbYes}, 5, "2P_later", {cancelQuestion}},
        {"closed from its title bar", false,
         [](FrmSave& w) {
             vb::UserClicks(w.Text1(7));
             w.windowClosed(vb::vbFormControlMenu);
         },
         {}, 0, "", {}},
        {"NET Save", true,
         [](FrmSave& w) {
             EXPECT_EQ(w.cmdSave.Caption(), "NET Save");
             EXPECT_FALSE(w.Check1.Visible());
             vb::UserClicks(w.Text1(4));
             EXPECT_TRUE(w.Text1(4).Text().startsWith("NET2P_"));
             EXPECT_TRUE(w.Text1(4).Text().endsWith("Grisk")) << "named after the opponent";
             vb::UserClicks(w.cmdSave);
         },
         {}, 4, "^^NET2P_", {}},
    };
    deal(2, 9);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList before = titles();
        vb::msgbox_script::clearShown();
        for (int a : c.answers) vb::msgbox_script::pushAnswer(a);
        inet.NetPeers = c.internet ? 1 : 0;
        inet.IsHost = 1;
        act(c.player);
        MenuGameCommand(3);
        inet.NetPeers = 0;
        EXPECT_EQ(vb::forms::pendingModalActions(), 0);
        EXPECT_FALSE(IsFormLoaded("frmSave"));
        EXPECT_FALSE(eng.SkipGameSave);
        EXPECT_EQ(boxes(), c.boxes);
        QStringList expected = before;
        if (c.slot != 0) {
            const QString title = stored(c.slot).Title.trimmed();
            if (c.internet) {
                EXPECT_TRUE(title.startsWith(c.title)) << title.toStdString();
            } else {
                EXPECT_EQ(title, c.title);
            }
            expected[c.slot - 1] = title;
            EXPECT_EQ(untitled(stored(c.slot)), table_());
            EXPECT_EQ(untitled(stored(c.slot + 20)), untitled(stored(13))) << "the deal kept beside it";
        }
        EXPECT_EQ(titles(), expected);
    }
    // The next Save lists every slot: the titles kept, an Internet game's
    // without its mark, a slot never saved into by number.
    act([](FrmSave& w) {
        EXPECT_EQ(w.Text1(2).Text(), "2P_Tuesday");
        EXPECT_EQ(w.Text1(4).Text().left(6), "NET2P_");
        EXPECT_EQ(w.Text1(8).Text(), "game  8");
        EXPECT_EQ(recs.SaveNames(3), "saved game 3");
        // Choosing one slot, then another, gives the first its title back.
        vb::UserClicks(w.Text1(2));
        vb::UserClicks(w.Text1(8));
        EXPECT_EQ(w.Text1(2).Text(), "2P_Tuesday");
        EXPECT_EQ(w.Text1(2).BackColor(), 0xFFFFFF);
        EXPECT_EQ(w.Text1(8).Text(), "2P_");
        EXPECT_NE(w.Text1(8).BackColor(), 0xFFFFFF);
        vb::UserClicks(w.Command2);
    });
    vb::msgbox_script::pushAnswer(vb::vbNo);
    MenuGameCommand(3);
}

// What the player does in the window opened by Restore.
TEST_F(SaveWindowTest, TheRestoreWindowOffersTheGamesSavedHere) {
    deal(2, 9);
    const SavedGameRecord first = table_();
    saveInto(1, "2P_first");
    playATurn();
    const SavedGameRecord second = table_();
    inet.NetPeers = 1;
    inet.IsHost = 1;
    saveInto(4, "");
    inet.NetPeers = 0;
    ASSERT_TRUE(stored(4).Title.startsWith("^^"));
    playATurn();
    const SavedGameRecord now = table_();

    struct Case {
        const char* name;
        bool developer;
        std::function<void(FrmSave&)> player;
        const SavedGameRecord* result;
        QStringList boxes;
    };
    const QString online = "Saved Internet games can only be restored online from the Internet Menu.";
    const Case cases[] = {
        {"an Internet game in a local game", false,
         [](FrmSave& w) {
             EXPECT_TRUE(w.Text1(4).Enabled());
             vb::UserClicks(w.Text1(4));
             EXPECT_EQ(w.Selected, 0) << "the choice is dropped";
             EXPECT_EQ(w.Text1(4).BackColor(), 0xFFFFFF);
             vb::UserClicks(w.cmdSave);
             EXPECT_EQ(w.Label1.Caption(), "Select a game slot!");
             vb::UserClicks(w.Command2);
         },
         &now, {online}},
        {"an empty slot", false,
         [](FrmSave& w) {
             EXPECT_FALSE(w.Text1(2).Enabled());
             vb::UserClicks(w.Text1(2));
             vb::UserClicks(w.cmdSave);
             EXPECT_EQ(w.Label1.Caption(), "Select a game slot!");
             vb::UserClicks(w.Command2);
         },
         &now, {}},
        {"Cancel asks nothing", false,
         [](FrmSave& w) {
             vb::UserClicks(w.Text1(1));
             EXPECT_TRUE(w.Text1(1).Locked());
             vb::UserClicks(w.Command2);
         },
         &now, {}},
        {"an Internet game in developer mode", true,
         [](FrmSave& w) {
             vb::UserClicks(w.Text1(4));
             vb::UserClicks(w.cmdSave);
         },
         &second, {}},
        {"a game saved here", false,
         [](FrmSave& w) {
             EXPECT_EQ(w.cmdSave.Caption(), "Restore");
             EXPECT_EQ(w.Text1(1).Text(), "2P_first");
             EXPECT_EQ(w.Text1(kAutoSaveSlot).Text(), "AutoSave");
             EXPECT_EQ(w.Check1.Value(), 1) << "the auto-save is on";
             vb::UserClicks(w.Text1(1));
             vb::UserClicks(w.cmdSave);
         },
         &first, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cmd.DeveloperMode = c.developer;
        vb::msgbox_script::clearShown();
        act(c.player);
        MenuGameCommand(4);
        EXPECT_EQ(vb::forms::pendingModalActions(), 0);
        EXPECT_FALSE(IsFormLoaded("frmSave"));
        EXPECT_EQ(boxes(), c.boxes);
        EXPECT_EQ(table_(), *c.result);
    }
}

// The AutoSave box switches the move log: unticked, the log closes and the
// auto-save slot cannot be chosen; ticked during a game, the turn so far
// becomes the first auto-save (records 12 and 14).
TEST_F(SaveWindowTest, TheAutoSaveBoxSwitchesTheMoveLog) {
    deal(2, 9);
    playATurn();
    ASSERT_GT(recs.TurnCount, 1);
    act([](FrmSave& w) {
        EXPECT_EQ(w.Check1.Value(), 1);
        vb::UserClicks(w.Check1);
        EXPECT_FALSE(recs.AutoSaveOn);
        EXPECT_EQ(recs.TurnCount, 0);
        EXPECT_FALSE(MoveLogFile().isOpen());
        EXPECT_FALSE(w.Text1(kAutoSaveSlot).Enabled());
        vb::UserClicks(w.Command2);
    });
    MenuGameCommand(4);
    ASSERT_FALSE(recs.AutoSaveOn) << "the choice stays after Cancel";

    store(12, SavedGameRecord{});
    store(14, SavedGameRecord{});
    const QByteArray eleven = [] {
        QByteArray b;
        BackupFile().read(11, b);
        return b;
    }();
    act([](FrmSave& w) {
        EXPECT_EQ(w.Check1.Value(), 0);
        vb::UserClicks(w.Check1);
        EXPECT_TRUE(recs.AutoSaveOn);
        EXPECT_TRUE(MoveLogFile().isOpen());
        EXPECT_EQ(recs.TurnCount, 1);
        EXPECT_TRUE(w.Text1(kAutoSaveSlot).Enabled());
        vb::UserClicks(w.Command2);
    });
    MenuGameCommand(4);
    EXPECT_EQ(untitled(stored(12)), table_());
    EXPECT_EQ(untitled(stored(14)), table_());
    EXPECT_EQ(stored(12).Title.trimmed(), "AutoSave");
    QByteArray now;
    BackupFile().read(11, now);
    EXPECT_EQ(now, eleven);
}

// Refusals of the Game menu's saved-game rows: each shows its box and
// changes nothing.
TEST_F(SaveWindowTest, TheSavedGameRowsRefuseWhatTheyCannotDo) {
    struct Case {
        const char* name;
        int item;
        std::function<void()> arrange;
        const char* text;
        const char* title;
        int icon;
    };
    const Case cases[] = {
        {"Save without a game", 3, [] { eng.Pturn = 0; }, "There's no game to save!", "Grisk & Varnok", 0},
        {"Previous Turn before a turn was saved", 6, [] { recs.TurnCount = 0; }, "No move to restore!",
         "Previous Turn", vb::vbCritical},
        {"Restore of the auto-save before a turn was saved", 4,
         [] {
             recs.TurnCount = 0;
             inWindow(kAutoSaveSlot);
         },
         "No move to restore!", "Previous Turn", vb::vbCritical},
        {"Restart without a dealt game", 7, [] { store(13, SavedGameRecord{}); }, "No move to restore!",
         "Restart Game", vb::vbCritical},
        {"Restart, cancelled", 7, [] { vb::msgbox_script::pushAnswer(vb::vbCancel); },
         "Start this game over from the beginning?", "Restart Game", 0},
        {"Previous Turn from a damaged auto-save", 6,
         [] {
             for (int n : {11, 12}) {
                 SavedGameRecord r = stored(n);
                 r.CenterCount(2) = 40;
                 store(n, r);
             }
         },
         "This saved game is empty or damaged and cannot be restored.", "Previous Turn", vb::vbExclamation},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        deal(2, 9);
        playATurn();
        const SavedGameRecord before = table_();
        const int turnCount = recs.TurnCount;
        vb::msgbox_script::clearShown();
        c.arrange();
        const int pturn = eng.Pturn;
        MenuGameCommand(c.item);
        ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
        const vb::ShownBox& box = vb::msgbox_script::shown()[0];
        EXPECT_EQ(box.prompt, c.text);
        EXPECT_EQ(box.title, c.title);
        EXPECT_EQ(box.icon(), c.icon);
        EXPECT_FALSE(IsFormLoaded("frmSave"));
        EXPECT_EQ(eng.Pturn, pturn);
        eng.Pturn = 1;
        recs.TurnCount = turnCount;
        EXPECT_EQ(table_(), before);
        EXPECT_FALSE(cmd.ReplayMode);
    }
}

// While another seat of a local game plays (a key pressed in its pauses),
// the saved-game commands wait, as the Game menu does.
TEST_F(SaveWindowTest, TheSavedGameCommandsWaitForAnotherSeatsTurn) {
    deal(2, 9);
    playATurn();
    const SavedGameRecord before = table_();
    for (int item : {3, 4, 6, 7}) {
        SCOPED_TRACE(item);
        vb::msgbox_script::clearShown();
        eng.GameBusy = true;
        eng.Pturn = 2;
        MenuGameCommand(item);
        eng.GameBusy = false;
        eng.Pturn = 1;
        ASSERT_EQ(boxes(), QStringList{"Wait!  Let me finish my turn first!"});
        EXPECT_FALSE(IsFormLoaded("frmSave"));
        EXPECT_EQ(table_(), before);
    }
}

// Ctrl+S and F4 work in a local game only; Ctrl+R in both.
TEST_F(SaveWindowTest, TheKeysOfTheSavedGames) {
    deal(2, 9);
    playATurn();
    const SavedGameRecord second = table_();
    playATurn();
    for (bool internet : {true, false}) {
        SCOPED_TRACE(internet);
        inet.NetPeers = internet ? 1 : 0;
        int opened = 0;
        for (int i = 0; i < 2; ++i)
            act([&opened](FrmSave& w) {
                ++opened;
                vb::UserClicks(w.Command2);
            });
        key('S', vb::vbCtrlMask);
        key('R', vb::vbCtrlMask);
        vb::forms::clearModalActions();
        EXPECT_EQ(opened, internet ? 1 : 2);
        inet.NetPeers = 0;
    }
    inet.NetPeers = 1;
    key(vb::vbKeyF1 + 3);
    inet.NetPeers = 0;
    EXPECT_NE(table_(), second);
    key(vb::vbKeyF1 + 3);
    EXPECT_EQ(table_(), second);
}

}  // namespace
