// The Internet player set-up as the player uses it: the avatar assignment
// file byte for byte (appending, updating in place, names in other letter
// case or with blanks, long names, pictures gone), the checks of Done, the
// competitions at this table size, the name typed for a remote player and
// the player's own panel saved into the profile.
#include <gtest/gtest.h>

#include <QDir>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "net/frm_chat.h"
#include "net/frm_multi_net.h"
#include "net/internet_setup.h"
#include "net/state.h"
#include "records/opponent_setup_fixture.h"
#include "platform/vb.h"
#include "records/record_bytes.h"

using namespace grisk;
using records_test::readFile;

namespace {

class NetPlayerSetupTest : public records_test::OpponentSetupFixture {
protected:
    void SetUp() override {
        OpponentSetupFixture::SetUp();
        signIn(seat("Varnok"), seat("Zozida"), seat("Grisk"), 2, 3);
        eng.PlayerName = "Ann";
        inet.NetPeers = 1;
        inet.IsHost = 0;
        eng.Player2.Name = "Bob";
        eng.Player2.Avatar = "Grisk.jpg";
    }
    void TearDown() override {
        if (FrmMultiNetExists() && frmMultiNet().isLoaded()) frmMultiNet().Unload();
        ReleaseFrmMultiNet();
        OpponentSetupFixture::TearDown();
    }
    QString avt() const { return eng.UserFolder + "Ann.avt"; }
    // One entry of the ".avt" file as its bytes.
    static QByteArray entry(const char* name, const char* avatar) {
        return records_test::padded(name, 20) + records_test::padded(avatar, 30) + records_test::padded("", 100) +
               QByteArray(4, '\0');
    }
    static void saveAvatar(const QString& name, const QString& avatar) {
        PlayerRecord rec;
        rec.Name = name;
        rec.Avatar = avatar;
        AvatarFileLookup(rec, true);
    }
    static QString lookUp(const QString& name, const QString& had = "Before.jpg") {
        PlayerRecord rec;
        rec.Name = name;
        rec.Avatar = had;
        AvatarFileLookup(rec);
        return rec.Avatar;
    }
    // Runs the Internet player set-up; the player does what acts does.
    void setUpNet(const std::function<void(FrmMultiNet&)>& acts) {
        vb::forms::queueModalAction("frmMultiNET", [acts](vb::Form& f) { acts(static_cast<FrmMultiNet&>(f)); });
        SetupOpponents(false);
    }
};

TEST_F(NetPlayerSetupTest, TheAvatarFileKeepsOnePictureForEachRemotePlayer) {
    EXPECT_EQ(lookUp("Bob"), "Before.jpg") << "no file yet";
    EXPECT_FALSE(QFile::exists(avt())) << "reading makes no file";

    saveAvatar("Bob", "Mine.jpg");
    EXPECT_EQ(readFile(avt()), entry("Bob", "Mine.jpg"));
    saveAvatar("Cy", "Voze.jpg");
    saveAvatar("BOB  ", "Zozida.jpg");
    EXPECT_EQ(readFile(avt()), entry("Bob", "Zozida.jpg") + entry("Cy", "Voze.jpg")) << "updated in place";

    const QString longName = "Maximilian Alexander of the Hills";
    saveAvatar(longName, "Mine.jpg");
    saveAvatar(longName, "Voze.jpg");
    EXPECT_EQ(readFile(avt()),
              entry("Bob", "Zozida.jpg") + entry("Cy", "Voze.jpg") + entry("Maximilian Alexander", "Voze.jpg"))
        << "a long name is found again on the characters kept";

    EXPECT_EQ(lookUp("bob "), "Zozida.jpg");
    EXPECT_EQ(lookUp(longName.toUpper()), "Voze.jpg");
    EXPECT_EQ(lookUp("Dee"), "Before.jpg");
    saveAvatar("Eve", "Gone.jpg");
    EXPECT_EQ(lookUp("Eve"), "Before.jpg") << "a picture no longer there is passed over";
}

struct DoneCase {
    const char* name;
    const char* playerName;
    const char* opponentName;
    bool competition;
    const char* competitionName;
    bool accepted;
    const char* box;            // "title: text" of the refusal; "" none
    const char* inForce = "";   // the competition in force before
    int donePanel = 3;          // the panel shown when Done is pressed
    bool nameChosen = false;    // the refused name is shown, chosen whole
};

class DoneChecks : public NetPlayerSetupTest, public ::testing::WithParamInterface<DoneCase> {};

TEST_P(DoneChecks, AreAppliedInOrder) {
    const DoneCase& c = GetParam();
    inet.RuleSetName = c.inForce;
    boxes();
    bool stillOpen = false;
    setUpNet([&](FrmMultiNet& w) {
        vb::UserTypes(w.TxtOpponent(1), c.opponentName);
        vb::UserClicks(w.CmdSetup(3));
        if (std::string(c.playerName) != "-") vb::UserTypes(w.TxtOpponent(0), c.playerName);
        if (c.competition) {
            vb::UserClicks(w.optNetScore(1));
            vb::UserTypes(w.Combo1, c.competitionName);
        }
        if (c.donePanel != 3) vb::UserClicks(w.CmdSetup(c.donePanel));
        vb::UserClicks(w.cmdDone);
        stillOpen = w.isLoaded();
        if (stillOpen && c.nameChosen) {
            EXPECT_EQ(w.Frame1.Caption(), "Setup for Player");
            EXPECT_TRUE(w.TxtOpponent(0).Visible());
            EXPECT_EQ(w.TxtOpponent(0).SelLength(), w.TxtOpponent(0).Text().size());
        }
        if (stillOpen) vb::UserClicks(w.CmdCancel);
    });
    EXPECT_EQ(stillOpen, !c.accepted);
    if (!c.accepted) {
        EXPECT_EQ(inet.RuleSetName, QString(c.inForce)) << "a refused Done changes no score file";
    }
    const QStringList shown = boxes();
    if (std::string(c.box).empty())
        EXPECT_TRUE(shown.isEmpty()) << shown.join(" | ").toStdString();
    else
        EXPECT_EQ(shown.value(0), QString::fromLatin1(c.box));
    if (c.accepted) {
        EXPECT_EQ(inet.RuleSetName, c.competition ? QString(c.competitionName) : QString());
        EXPECT_EQ(eng.PlayerName, std::string(c.playerName) == "-" || !*c.playerName ? QString("Ann") : vb::Trim(c.playerName));
        EXPECT_EQ(frmGrisk().Label9(3).Caption(), eng.PlayerName);
    }
}

const char* const kBadName =
    "Non-standard filename character: Please do not use the following characters:  \n\n/ \\ : * . ? ! < > | "
    "\"\n\nPlease re-enter.";

const char* const kOneGrisk =
    "Grisk and Varnok: Pick a different player name. There is only ONE Grisk and he doesn't play on the Internet.";
const char* const kWhichFile =
    "Which Score File?: Pick a Score file name, enter a new competition filename,\r\nor switch back to default.";

INSTANTIATE_TEST_SUITE_P(
    Table, DoneChecks,
    ::testing::Values(
        DoneCase{"TheDefaultScoreFile", "-", "", false, "", true, ""},
        DoneCase{"ANewNameTrimmed", " Annie ", "", false, "", true, ""},
        DoneCase{"AnEmptyNameKeepsThePlayers", "", "", false, "", true, ""},
        DoneCase{"ACompetition", "-", "", true, "Cup", true, ""},
        DoneCase{"TheDefaultOpponentsNameInAnyCase", " gRISk", "", false, "", false, kOneGrisk, "", 3, true},
        DoneCase{"TheDefaultOpponentsNameSeenFromAnOpponentsPanel", "Grisk", "", false, "", false, kOneGrisk, "", 0,
                 true},
        DoneCase{"ACompetitionWithoutAName", "-", "", true, "", false, kWhichFile},
        DoneCase{"ACompetitionEmptiedKeepsTheOneInForce", "-", "", true, "", false, kWhichFile, "Cup"},
        DoneCase{"ABadCharacterInThePlayersName", "An/n", "", false, "", false, kBadName},
        DoneCase{"ABadCharacterInTheOpponentsName", "-", "B*b", false, "", false, kBadName},
        DoneCase{"ABadCharacterInTheCompetition", "-", "", true, "../Cup", false, kBadName}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NetPlayerSetupTest, TheCompetitionsAreThoseOfThisTableSize) {
    eng.NumPlayers = 3;
    for (const char* file : {"Ann_3_Cup.rcm", "ann_3_League.rcm", "Ann_2_Duo.rcm", "Anna_3_Other.rcm"})
        ASSERT_TRUE(records_test::writeFile(eng.UserFolder + file, QByteArray(38, ' ')));
    setUpNet([](FrmMultiNet& w) {
        EXPECT_EQ(w.optNetScore(0).Value(), 1);
        EXPECT_FALSE(w.Combo1.Enabled());
        EXPECT_EQ(w.lblScoreFile.Caption(), "Use Score File: Default");
        vb::UserClicks(w.optNetScore(1));
        EXPECT_TRUE(w.Combo1.Enabled());
        QStringList listed;
        for (int i = 0; i < w.Combo1.ListCount(); ++i) listed << w.Combo1.List(i);
        EXPECT_EQ(listed, QStringList({"Cup", "League"}));
        EXPECT_EQ(w.lblScoreFile.Caption(), "Use Score File: Cup");
        // Typing in the name box goes back to the default score file.
        vb::UserClicks(w.CmdSetup(3));
        vb::UserTypes(w.TxtOpponent(0), "Annie");
        EXPECT_EQ(w.optNetScore(0).Value(), 1);
        EXPECT_FALSE(w.Combo1.Enabled());
        EXPECT_EQ(w.lblScoreFile.Caption(), "Use Score File: Default");
        vb::UserClicks(w.CmdCancel);
    });
    EXPECT_EQ(eng.PlayerName, "Ann") << "cancelled";
}

// The name typed for a remote player goes to the connection that plays that
// seat; an empty box keeps their own name on the table.
TEST_F(NetPlayerSetupTest, ANameTypedForARemotePlayerGoesToTheirConnection) {
    eng.NumPlayers = 3;
    inet.NetPeers = 2;
    inet.NetSlots(1) = {"Cy", 1, 7, 2, ""};
    inet.NetSlots(2) = {"Bob", 2, 7, 1, ""};  // seats compacted: the second slot plays seat 1
    eng.Player3.Name = "Cy";
    setUpNet([](FrmMultiNet& w) {
        EXPECT_EQ(w.TxtOpponent(1).Text(), "Bob");
        EXPECT_FALSE(w.lblNameNote.Visible());
        vb::UserTypes(w.TxtOpponent(1), "Bobby");
        vb::UserScrolls(w.HScrollAvatar, 2);  // Mine.jpg
        vb::UserClicks(w.CmdApply);
        vb::UserClicks(w.CmdSetup(1));
        EXPECT_EQ(w.Frame1.Caption(), "Setup for Opponent 2");
        vb::UserTypes(w.TxtOpponent(1), "");
        vb::UserScrolls(w.HScrollAvatar, 3);  // Varnok.jpg
        vb::UserClicks(w.CmdApply);
        vb::UserClicks(w.CmdCancel);
    });
    EXPECT_EQ(inet.NetSlots(2).SlotName, "Bobby");
    EXPECT_EQ(eng.Player2.Name, "Bobby");
    EXPECT_EQ(eng.Player2.Avatar, "Mine.jpg");
    EXPECT_EQ(inet.NetSlots(1).SlotName, "") << "an empty box empties the connection's name";
    EXPECT_EQ(eng.Player3.Name, "Cy") << "and keeps their own name on the table";
    EXPECT_EQ(readFile(avt()), entry("Bobby", "Mine.jpg") + entry("Cy", "Varnok.jpg"));
    // Seen again later, the picture comes back.
    PlayerRecord again;
    again.Name = "CY";
    AvatarFileLookup(again);
    EXPECT_EQ(again.Avatar, "Varnok.jpg");
}

TEST_F(NetPlayerSetupTest, ThePlayersPanelSavesIntoTheProfileAndTheChatButtons) {
    setUpNet([](FrmMultiNet& w) {
        vb::UserClicks(w.CmdSetup(3));
        EXPECT_EQ(w.Frame1.Caption(), "Setup for Player");
        EXPECT_EQ(w.CmdApply.Caption(), "Save Player");
        EXPECT_EQ(w.ckNoPlayerAvatar.Value(), 0);
        vb::UserScrolls(w.HScrollAvatar, 2);
        EXPECT_EQ(w.ckNoPlayerAvatar.Value(), 1) << "a picture chosen is a picture wanted";
        pick(w.CboComment, "Default Personality");
        EXPECT_TRUE(w.CboOpponent.Visible());
        pick(w.CboOpponent, "Varnok");
        vb::UserClicks(w.CmdApply);
        vb::UserClicks(w.CmdCancel);
    });
    EXPECT_EQ(eng.PlayerAvatar, "Mine.jpg");
    EXPECT_EQ(storedSeat(0).Avatar, "Mine.jpg");
    EXPECT_EQ(storedSeat(0).Comments, "Default Personality");
    EXPECT_EQ(inet.NetCommentFile, "Varnok");
    EXPECT_FALSE(eng.Comments(1).isEmpty());
    EXPECT_EQ(frmChat().CmdChat(1).ToolTipText(), eng.Comments(1));
}

// A profile that cannot be read stops the save before anything is written.
TEST_F(NetPlayerSetupTest, AProfileThatCannotBeReadIsNotWrittenOver) {
    const QByteArray before = readFile(prefsPath());
    setUpNet([this](FrmMultiNet& w) {
        vb::UserClicks(w.CmdSetup(3));
        vb::UserScrolls(w.HScrollAvatar, 2);
        recs.CurrentProfile = 9;  // past the file's end
        vb::UserClicks(w.CmdApply);
        recs.CurrentProfile = 2;
        vb::msgbox_script::pushAnswer(vb::vbNo);  // the panel is still unsaved
        vb::UserClicks(w.CmdCancel);
    });
    EXPECT_EQ(readFile(prefsPath()), before);
    EXPECT_EQ(boxes(), QStringList({"Grisk and Varnok: Here's the problem:\r\nError 62\r\nUnanticipated error in "
                                    "Internet Player Setup: Input past end of file",
                                    "Save Settings?: Did you want to save your settings?"}));
    EXPECT_TRUE(eng.PlayerAvatar.isEmpty());
}

// A picture for a remote player that cannot be remembered is told, and the
// panel stays unsaved.
TEST_F(NetPlayerSetupTest, AnAvatarFileThatCannotBeWrittenLeavesThePanelUnsaved) {
    ASSERT_TRUE(QDir().mkpath(avt() + "/in"));  // no file can be written there
    bool stillToSave = false;
    setUpNet([&](FrmMultiNet& w) {
        vb::UserScrolls(w.HScrollAvatar, 2);
        vb::UserClicks(w.CmdApply);
        stillToSave = w.ChangedSetting && w.CmdApply.Enabled();
        vb::msgbox_script::pushAnswer(vb::vbNo);
        vb::UserClicks(w.CmdCancel);
    });
    EXPECT_TRUE(stillToSave);
    EXPECT_EQ(boxes(), QStringList({"Grisk and Varnok: Here's the problem:\r\nError 75\r\nUnanticipated error in "
                                    "Internet Player Setup: Path/File access error",
                                    "Save Settings?: Did you want to save Opponent 1's settings?"}));
    EXPECT_EQ(eng.Player2.Avatar, "Mine.jpg") << "the table shows the picture chosen for this game";
    EXPECT_FALSE(AvatarFileLookup(eng.Player2, true));
    EXPECT_TRUE(AvatarFileLookup(eng.Player2)) << "reading what cannot be read changes nothing";
}

// An edited panel is offered for saving before another opens.
TEST_F(NetPlayerSetupTest, AnEditedPanelIsOfferedForSaving) {
    eng.NumPlayers = 3;
    setUpNet([](FrmMultiNet& w) {
        vb::UserScrolls(w.HScrollAvatar, 2);
        vb::msgbox_script::pushAnswer(vb::vbYes);
        vb::UserClicks(w.CmdSetup(1));
        vb::UserClicks(w.CmdCancel);
    });
    EXPECT_EQ(boxes(), QStringList({"Save Settings?: Did you want to save Opponent 1's settings?"}));
    EXPECT_EQ(eng.Player2.Avatar, "Mine.jpg");
}

}  // namespace
