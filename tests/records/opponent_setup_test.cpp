// The opponent set-up window as the player uses it: the panels show the
// profile's seats and save into them (a seat never written is filled and
// written at once), the player count and centre piles, the avatars (the
// personalities' own pictures cannot be deleted), the clean-up of a
// personality's sound copies, the sound panel, the switches, and the
// questions before an edited panel is left.
#include <gtest/gtest.h>

#include <QFile>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "opponent_setup_fixture.h"
#include "platform/common_dialog.h"
#include "platform/sound.h"
#include "records/personality_record.h"
#include "records/state.h"
#include "records/text_line_record.h"
#include "records/user_files.h"

using namespace grisk;
using records_test::readFile;

namespace {

using OpponentSetupTest = records_test::OpponentSetupFixture;

TEST_F(OpponentSetupTest, ThePanelsShowTheSeatsAndSaveIntoThem) {
    signIn(seat("Varnok", 2, "Mine.jpg", 1, "No Comments"), seat("Zozida", 1), seat("Grisk", 1));
    unwriteSeat(3);
    const QByteArray before = prefsRecordBytes(2);

    setUp([&](FrmMulti& w) {
        // Three players: the count's last opponent panel is open, showing
        // seat 2.
        EXPECT_EQ(w.Option1(1).Value(), 1);
        EXPECT_EQ(w.Frame1.Caption(), "Setup for Opponent 2");
        EXPECT_EQ(w.CboOpponent.Text(), "Zozida");
        EXPECT_EQ(w.CboOppLevel.Text(), "Clever");
        EXPECT_EQ(w.CboComment.Text(), "Default Personality");
        EXPECT_EQ(w.OptWav(0).Value(), 1);
        EXPECT_FALSE(w.cmdSounds.Enabled()) << "the default sounds are not edited";
        EXPECT_EQ(w.imgOppAvatar.Tag(), "Zozida.jpg");
        EXPECT_EQ(w.lblDescription.Caption(), recs.OppTable(recs.NumOpps, 0));
        EXPECT_FALSE(w.CmdApply.Enabled());

        vb::UserClicks(w.CmdSetup(0));
        EXPECT_EQ(w.CboOpponent.Text(), "Varnok");
        EXPECT_EQ(w.CboOppLevel.Text(), "Ruthless");
        EXPECT_EQ(w.CboComment.Text(), "No Comments");
        EXPECT_EQ(w.OptWav(1).Value(), 1);
        EXPECT_TRUE(w.cmdSounds.Enabled());
        EXPECT_EQ(w.imgOppAvatar.Tag(), "Mine.jpg");
        EXPECT_EQ(prefsRecordBytes(2), before) << "looking writes nothing";

        // Three opponents: seat 3 was never written. It takes the third
        // personality of the list, at once.
        vb::UserClicks(w.Option1(2));
        EXPECT_EQ(w.Frame1.Caption(), "Setup for Opponent 3");
        const QString third = w.CboOpponent.List(2);
        const OpponentSeatRecord filled = storedSeat(3);
        EXPECT_EQ(filled.Name, third);
        EXPECT_EQ(filled.Level, 0);
        EXPECT_EQ(filled.Avatar, third + ".jpg");
        EXPECT_EQ(filled.SoundSource, 0);
        EXPECT_EQ(filled.Comments, "No Comments") << "the comment list's text at that moment";
        EXPECT_EQ(w.CboOpponent.Text(), third);

        // The personality is only picked: a name typed never becomes a path.
        vb::UserTypes(w.CboOpponent, "../../elsewhere");
        EXPECT_EQ(w.CboOpponent.Text(), third);

        // The player changes seat 3 and saves it.
        pick(w.CboOpponent, "Grisk");
        EXPECT_EQ(w.CboOppLevel.Text(), "Average") << "a new personality starts at Average";
        pick(w.CboOppLevel, "Ruthless");
        pick(w.CboComment, "Default Personality");
        EXPECT_EQ(w.imgOppAvatar.Tag(), "Grisk.jpg") << "the personality's own picture";
        vb::UserScrolls(w.HScrollAvatar, 2);  // the avatars in name order: Grisk.jpg, Mine.jpg, ...
        vb::UserClicks(w.CmdApply);
        vb::UserClicks(w.CmdCancel);
    });

    const OpponentSeatRecord three = storedSeat(3);
    EXPECT_EQ(three.Name, "Grisk");
    EXPECT_EQ(three.Level, 2);
    EXPECT_EQ(three.Avatar, "Mine.jpg");
    EXPECT_EQ(three.Comments, "Default Personality");
    EXPECT_EQ(eng.Player4.Name, "Grisk") << "the seat plays as saved at once";
    EXPECT_EQ(eng.Player4.Level, 2);
    EXPECT_EQ(storedSeat(1).Name, "Varnok") << "the seats not saved stay";
    EXPECT_EQ(eng.NumPlayers, 3) << "Cancel keeps the player count";
}

// A seat never written where the list is shorter than its place takes
// the list's first personality.
TEST_F(OpponentSetupTest, ASeatNeverWrittenBeyondTheListTakesTheFirstPersonality) {
    for (const char* gone : {"Varnok.pms", "Voze.pms", "Zozida.pms"}) QFile::remove(PersonalityFolder() + gone);
    ASSERT_TRUE(ListPersonalityFiles());
    signIn(seat("Grisk"), seat("Grisk"), seat("Grisk", 2), 4);
    unwriteSeat(3);
    setUp([](FrmMulti& w) { vb::UserClicks(w.CmdCancel); });
    EXPECT_EQ(storedSeat(3).Name, "Grisk");
    EXPECT_EQ(storedSeat(3).Level, 0);
    EXPECT_EQ(storedSeat(3).Avatar, "Grisk.jpg");
}

// A seat's comment choice shows in the list; a comment file that has gone
// becomes the personality's own remarks, written at once.
TEST_F(OpponentSetupTest, ASeatsCommentChoiceShowsAndAGoneFileFallsBack) {
    QByteArray lines;
    for (int i = 1; i <= 20; ++i) lines += TextLineRecord{"mine"}.encode();
    ASSERT_TRUE(records_test::writeFile(eng.UserFolder + "Banter.cmt", lines));
    ListCommentFiles();
    const struct {
        const char* stored;
        const char* shown;
    } cases[] = {{"Banter", "Banter"}, {"No Comments", "No Comments"}, {"Gone", "Default Personality"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        signIn(seat("Varnok", 0, "Varnok.jpg", 0, c.stored), seat("Grisk"), seat("Grisk"), 2, 3);
        setUp([&](FrmMulti& w) {
            EXPECT_EQ(w.CboComment.Text(), c.shown);
            EXPECT_EQ(w.CboComment.List(w.CboComment.ListCount() - 1), "No Comments") << "the last entry";
            EXPECT_EQ(storedSeat(1).Comments, c.shown) << "written at once";
            vb::UserClicks(w.CmdCancel);
        });
    }
}

TEST_F(OpponentSetupTest, TheCentrePilesFollowThePlayerCount) {
    const struct {
        int players, centres;  // in force
        int picked;            // Option1 index
        int centresShown;      // optCenters selected: 0 three, 1 four
        bool frameShown;
    } cases[] = {
        {2, 4, 0, 1, true},   // a two-player table keeps its four piles
        {2, 3, 0, 0, true},
        {3, 4, 0, 0, true},   // coming from three players: three piles
        {4, 4, 0, 0, true},
        {2, 3, 1, 1, false},  // three or four players: four piles, no choice
        {2, 3, 2, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.players << " players, " << c.centres << " piles, option " << c.picked);
        reset();
        SetUp();
        signIn(seat("Grisk"), seat("Varnok"), seat("Voze"), c.players, c.centres);
        setUp([&](FrmMulti& w) {
            vb::UserClicks(w.Option1(c.picked));
            EXPECT_EQ(w.optCenters(c.centresShown).Value(), 1);
            EXPECT_EQ(w.fraCenters.Visible(), c.frameShown);
            EXPECT_EQ(w.CmdSetup(1).Enabled(), c.picked >= 1);
            EXPECT_EQ(w.CmdSetup(2).Enabled(), c.picked == 2);
            EXPECT_EQ(w.PlayersChoice, c.picked + 2);
            EXPECT_EQ(w.CentersChoice, c.centresShown + 3);
            vb::UserClicks(w.CmdCancel);
        });
    }
}

TEST_F(OpponentSetupTest, ThePersonalitiesOwnPicturesCannotBeDeleted) {
    avatar("varnok.jpg");  // the player's own picture, named in other letters
    ListAvatarFiles();
    signIn(seat("Varnok"), seat("Grisk"), seat("Grisk"), 2, 3);
    const struct {
        const char* file;
        bool deleted;
    } cases[] = {{"Varnok.jpg", false}, {"varnok.jpg", true}, {"Mine.jpg", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        boxes();
        setUp([&](FrmMulti& w) {
            pick(w.CboOpponent, "Varnok");
            vb::UserClicks(w.CmdApply);
            for (int i = 1; i <= recs.NumAvatars; ++i)
                if (recs.AvatarFiles(i) == c.file) vb::UserScrolls(w.HScrollAvatar, i);
            ASSERT_EQ(w.AvatarChoice, c.file);
            vb::msgbox_script::pushAnswer(vb::vbYes);
            w.MouseDown(w.imgOppAvatar, 2, 0, 0, 0);
            if (c.deleted) {
                // The seat shows and keeps the personality's own picture.
                EXPECT_EQ(w.AvatarChoice, "Varnok.jpg");
                EXPECT_EQ(StoredText(recs.ProfileRec.Seats(1).Avatar), "Varnok.jpg");
            }
            vb::UserClicks(w.CmdCancel);
        });
        EXPECT_EQ(QFile::exists(eng.UserFolder + "Avatars/" + c.file), !c.deleted);
        const QStringList shown = boxes();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0], c.deleted ? "Delete Avatar Picture: Are you sure you want to delete this Avatar picture?"
                                      : "Delete Avatar Picture: Personality's default avatar picture cannot be deleted.");
    }
}

// A personality's sound copies go once no seat plays it any longer; the
// default opponent's always stay.
TEST_F(OpponentSetupTest, APersonalitysSoundCopiesGoWhenNoSeatPlaysIt) {
    const struct {
        const char* one;    // seat 1 before
        const char* two;    // seat 2, unchanged
        const char* to;     // seat 1 after
        const char* gone;   // whose copies are deleted ("" none)
        const char* kept;   // whose copies stay
    } cases[] = {
        {"Zozida", "Zozida", "Grisk", "", "Zozida"},
        {"Zozida", "Varnok", "Grisk", "Zozida", "Grisk"},
        {"Grisk", "Varnok", "Zozida", "", "Grisk"},
        {"Varnok", "Grisk", "Voze", "Varnok", "Voze"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.one << " to " << c.to << " beside " << c.two);
        reset();
        SetUp();
        signIn(seat(c.one), seat(c.two), seat("Grisk"), 3);
        for (const char* who : {c.one, c.two})
            ASSERT_TRUE(userSound(PersonalitySoundCopies(who).first())) << "installed when the profile loaded";
        setUp([&](FrmMulti& w) {
            vb::UserClicks(w.CmdSetup(0));
            pick(w.CboOpponent, c.to);
            vb::UserClicks(w.CmdApply);
            vb::UserClicks(w.CmdCancel);
        });
        if (*c.gone)
            for (const QString& copy : PersonalitySoundCopies(c.gone)) EXPECT_FALSE(userSound(copy)) << copy.toStdString();
        for (const QString& copy : PersonalitySoundCopies(c.kept)) EXPECT_TRUE(userSound(copy)) << copy.toStdString();
    }
}

TEST_F(OpponentSetupTest, TheSoundPanelSavesCustomSoundsAndRestoresTheDefault) {
    signIn(seat("Varnok", 0, "Varnok.jpg", 1), seat("Grisk"), seat("Grisk"), 2, 3);
    const QString boom = tempPath("boom.wav");
    ASSERT_TRUE(QFile::copy(eng.AppFolder + "/Data/empty.wav", boom));
    const QString own = StoredText([] {
        PersonalityRecord p;
        ReadPersonalityFile("Varnok", p);
        return p.Sounds(0, 3);
    }());

    setUp([&](FrmMulti& w) {
        // A personality just picked must be saved before its sounds change.
        pick(w.CboOpponent, "Zozida");
        vb::UserClicks(w.OptWav(1));
        vb::UserClicks(w.cmdSounds);
        EXPECT_EQ(boxes(), QStringList{"Save before customizing sounds: Save this new opponent first, then customize "
                                       "your sounds."});
        EXPECT_EQ(w.Width(), w.NarrowWidth);
        // The same panel again: nothing is asked, the panel shows Varnok as saved.
        vb::UserClicks(w.CmdSetup(0));
        EXPECT_TRUE(boxes().isEmpty());

        vb::UserClicks(w.cmdSounds);
        EXPECT_EQ(w.Width(), w.FullWidth);
        EXPECT_EQ(w.lblSound(3).Caption(), own);
        vb::UserClicks(w.OptPlay(3));
        EXPECT_EQ(w.SoundEvent, 3);
        EXPECT_EQ(w.OptPlay(3).Value(), 0) << "left unselected, to be played again";
        EXPECT_TRUE(w.imgPoint.Visible());
        EXPECT_EQ(w.imgPoint.Top(), w.OptPlay(3).Top());
        EXPECT_EQ(sound::LastRequested(), eng.UserFolder + "Sounds/" + own);

        vb::dialog_script::pushFile(boom);
        vb::UserClicks(w.CmdChangeSound);
        EXPECT_EQ(w.lblSound(3).Caption(), "boom.wav");
        vb::UserClicks(w.CmdSaveSounds);
        EXPECT_EQ(w.Width(), w.NarrowWidth);
        vb::UserClicks(w.CmdCancel);
    });

    PersonalityRecord saved;
    ASSERT_TRUE(ReadPersonalityFile("Varnok", saved));
    EXPECT_EQ(StoredText(saved.Sounds(1, 3)), "boom.wav");
    EXPECT_EQ(StoredText(saved.Sounds(0, 3)), own) << "the personality's own sounds stay";
    EXPECT_TRUE(userSound("boom.wav")) << "copied into the user's sounds";
    EXPECT_EQ(eng.Player2.Sounds(3), eng.UserFolder + "Sounds/boom.wav") << "seat 2 plays its custom sounds";
    EXPECT_EQ(eng.SoundFiles(3), eng.Player2.Sounds(3));

    // Restore Default puts the personality's own sound back.
    setUp([&](FrmMulti& w) {
        vb::UserClicks(w.CmdSetup(0));
        vb::UserClicks(w.cmdSounds);
        vb::UserClicks(w.OptPlay(3));
        vb::UserClicks(w.cmdResetSounds);
        EXPECT_EQ(w.lblSound(3).Caption(), own);
        vb::UserClicks(w.CmdSaveSounds);
        vb::UserClicks(w.CmdCancel);
    });
    ASSERT_TRUE(ReadPersonalityFile("Varnok", saved));
    EXPECT_EQ(StoredText(saved.Sounds(1, 3)), own);
}

// Custom sounds for a personality whose file has gone change nothing, and
// nothing is copied: the player is told.
TEST_F(OpponentSetupTest, CustomSoundsOfAPersonalityFileThatHasGoneChangeNothing) {
    signIn(seat("Varnok", 0, "Varnok.jpg", 1), seat("Grisk"), seat("Grisk"), 2, 3);
    const QString boom = tempPath("boom.wav");
    ASSERT_TRUE(QFile::copy(eng.AppFolder + "/Data/empty.wav", boom));
    const QString sound3 = eng.SoundFiles(3);
    boxes();

    setUp([&](FrmMulti& w) {
        vb::UserClicks(w.CmdSetup(0));
        vb::UserClicks(w.cmdSounds);
        vb::UserClicks(w.OptPlay(3));
        vb::dialog_script::pushFile(boom);
        vb::UserClicks(w.CmdChangeSound);
        ASSERT_TRUE(QFile::remove(PersonalityFilePath("Varnok")));
        vb::UserClicks(w.CmdSaveSounds);
        EXPECT_EQ(w.Width(), w.FullWidth) << "the panel stays open";
        // Opening the panel again is refused the same way.
        vb::UserClicks(w.cmdSounds);
        vb::UserClicks(w.CmdCancel);
    });
    EXPECT_FALSE(userSound("boom.wav"));
    EXPECT_EQ(eng.SoundFiles(3), sound3);
    const QString refusal = "Personality Sounds: Varnok's personality file is missing or cannot be read, so its "
                            "sounds cannot be changed.";
    EXPECT_EQ(boxes(), (QStringList{refusal, refusal}));
}

TEST_F(OpponentSetupTest, TheMissingSoundsNoticeShowsOncePerOpeningAndNeverForGrisk) {
    QFile::remove(PersonalityFolder() + "Varnok.pmp");
    signIn(seat("Grisk"), seat("Grisk"), seat("Grisk"), 2, 3);
    const auto saveAs = [&](const QStringList& names) {
        boxes();
        setUp([&](FrmMulti& w) {
            for (const QString& name : names) {
                pick(w.CboOpponent, name);
                vb::UserClicks(w.CmdApply);
            }
            vb::UserClicks(w.CmdCancel);
        });
        int notices = 0;
        for (const QString& box : boxes()) notices += box.startsWith("Missing Personality Sounds: ") ? 1 : 0;
        return notices;
    };
    EXPECT_EQ(saveAs({"Varnok", "Zozida"}), 1);
    EXPECT_EQ(saveAs({"Varnok"}), 1) << "once per opening";
    EXPECT_EQ(saveAs({"Grisk", "Varnok"}), 0) << "the check ran for Grisk";
    ASSERT_TRUE(QFile::copy(QStringLiteral(GRISK_BINARY_DIR "/Data/PMS/Varnok.pmp"),
                            PersonalityFolder() + "Varnok.pmp"));
    EXPECT_EQ(saveAs({"Varnok"}), 0) << "the sound pack is there";
}

TEST_F(OpponentSetupTest, ThePlayerPanelSavesThePlayersOwnAvatarOrNone) {
    signIn(seat("Grisk"), seat("Varnok"), seat("Voze"), 3);
    setUp([&](FrmMulti& w) {
        vb::UserClicks(w.CmdSetup(3));
        EXPECT_EQ(w.Frame1.Caption(), "Setup for Player");
        EXPECT_EQ(w.CmdApply.Caption(), "Save Player");
        EXPECT_FALSE(w.CboOpponent.Visible());
        EXPECT_EQ(w.ckNoPlayerAvatar.Value(), 0);
        vb::UserClicks(w.ckNoPlayerAvatar);
        vb::UserScrolls(w.HScrollAvatar, 2);
        vb::UserClicks(w.CmdApply);
        EXPECT_EQ(eng.PlayerAvatar, recs.AvatarFiles(2));

        // Unticked and saved: no picture at all.
        vb::UserClicks(w.ckNoPlayerAvatar);
        EXPECT_TRUE(w.imgOppAvatar.Picture().isNull());
        vb::UserClicks(w.CmdApply);
        EXPECT_EQ(eng.PlayerAvatar, "");
        vb::UserClicks(w.CmdCancel);
    });
}

TEST_F(OpponentSetupTest, TheSwitchesSetTheShowsAndThePersonalitySounds) {
    signIn(seat("Grisk"), seat("Varnok"), seat("Voze"), 3);
    recs.SoundLevel = 0;
    setUp([&](FrmMulti& w) {
        EXPECT_EQ(w.Check1(1).Value(), 1) << "the profile's shows";
        vb::UserClicks(w.Check1(0));
        vb::UserClicks(w.Check1(1));
        vb::UserClicks(w.Check1(2));
        EXPECT_TRUE(recs.SkipLoseShow);
        EXPECT_FALSE(recs.SkipWinShow);
        EXPECT_EQ(recs.SoundLevel, 1);
        EXPECT_FALSE(w.OptWav(1).Enabled());
        EXPECT_EQ(w.OptWav(0).Value(), 1);
        vb::UserClicks(w.CmdCancel);
    });
    // With the sounds down the window opens with the switch ticked.
    setUp([&](FrmMulti& w) {
        EXPECT_EQ(w.Check1(0).Value(), 1);
        EXPECT_EQ(w.Check1(2).Value(), 1);
        EXPECT_FALSE(w.OptWav(0).Enabled());
        vb::UserClicks(w.Check1(2));
        EXPECT_EQ(recs.SoundLevel, 0);
        EXPECT_TRUE(w.OptWav(1).Enabled());
        vb::UserClicks(w.CmdCancel);
    });
}

// An edited panel is offered for saving before another opens or the
// window closes; Cancel leaves without asking.
TEST_F(OpponentSetupTest, AnEditedPanelIsOfferedForSavingBeforeItIsLeft) {
    const struct {
        const char* leave;  // "panel", "done", "close", "cancel"
        int answer;         // to the question, when one comes
        bool asked;
        bool saved;
    } cases[] = {
        {"panel", vb::vbYes, true, true},  {"panel", vb::vbNo, true, false}, {"done", vb::vbYes, true, true},
        {"close", vb::vbNo, true, false},  {"cancel", vb::vbYes, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.leave << " answered " << c.answer);
        reset();
        SetUp();
        signIn(seat("Grisk"), seat("Varnok"), seat("Voze"), 3);
        boxes();
        setUp([&](FrmMulti& w) {
            pick(w.CboOppLevel, "Ruthless");  // on opponent 2's panel
            if (c.asked) vb::msgbox_script::pushAnswer(c.answer);
            const QString leave = c.leave;
            if (leave == "panel") {
                vb::UserClicks(w.CmdSetup(0));
                vb::UserClicks(w.CmdCancel);
            } else if (leave == "done") {
                vb::UserClicks(w.cmdDone);
            } else if (leave == "close") {
                w.windowClosed();
            } else {
                vb::UserClicks(w.CmdCancel);
            }
        });
        const QStringList shown = boxes();
        EXPECT_EQ(shown, c.asked ? QStringList{"Save Settings?: Did you want to save Opponent 2's settings?"}
                                 : QStringList{});
        EXPECT_EQ(storedSeat(2).Level, c.saved ? 2 : 0);
        EXPECT_FALSE(frmMulti().isLoaded());
    }
}

}  // namespace
