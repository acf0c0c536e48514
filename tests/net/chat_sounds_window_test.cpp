// The chat sounds window: which personalities it offers, and what Update
// installs and deletes in the user's Sounds folder, against a fixture of
// personality packs.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "engine/state.h"
#include "net/frm_sounds.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/personality_programs.h"
#include "records/state.h"
#include "support/test_support.h"

using namespace grisk;

namespace {

class ChatSoundsWindowTest : public grisk_test::GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        eng.AppFolder = tempFolder();
        eng.UserFolder = tempFolder() + "/User/";
        QDir(tempFolder()).mkpath("Data/PMS");
        QDir(tempFolder()).mkpath("User/Sounds");
        // Grisk in row 0, Zozida last, as the personality files are listed.
        const char* rows[][2] = {{"The host", "Grisk"},      {"Blunt and loud", "Varnok"},
                                 {"Sly", "Voze"},            {"Quick", "Raz"},
                                 {"Made by hand", "Mirabel"}, {"Voze's friend", "Zozida"}};
        recs.NumOpps = 5;
        recs.OppTable.redim({{0, recs.NumOpps}, {0, 1}});
        for (int i = 0; i <= recs.NumOpps; ++i) {
            recs.OppTable(i, 0) = rows[i][0];
            recs.OppTable(i, 1) = rows[i][1];
        }
        for (const char* name : {"Varnok", "Voze", "Raz", "Zozida"}) pack(name);
    }
    // A sound pack of two sounds named after the personality.
    void pack(const QString& name) {
        QFile f(tempPath("Data/PMS/" + name + ".pmp"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(pms::EncodeSoundPack({{name + "Win.pmw", "RIFF1"}, {name + "Turn.pmw", "RIFF2"}}));
    }
    QString sound(const QString& file) const { return tempPath("User/Sounds/" + file); }
    void touch(const QString& file) {
        QFile f(sound(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    static void chosen(std::initializer_list<const char*> names) {
        int i = 1;
        for (const char* n : names) inet.ChatSoundSets(i++) = n;
    }
    static QStringList chosen() {
        return {inet.ChatSoundSets(1), inet.ChatSoundSets(2), inet.ChatSoundSets(3)};
    }
    // The player ticks or unticks these entries, then clicks Update.
    static void update(std::initializer_list<const char*> toggled) {
        const QStringList names(toggled.begin(), toggled.end());
        vb::forms::queueModalAction("frmSounds", [names](vb::Form& form) {
            auto& w = static_cast<FrmSounds&>(form);
            for (const QString& n : names)
                for (int i = 0; i < w.lstSounds.ListCount(); ++i)
                    if (w.lstSounds.List(i) == n) vb::UserChecks(w.lstSounds, i);
            vb::UserClicks(w.cmdDone);
        });
        ShowSoundsWindow();
    }
    static QStringList boxes() {
        QStringList out;
        for (const vb::ShownBox& b : vb::msgbox_script::shown()) out << b.title;
        return out;
    }
};

TEST_F(ChatSoundsWindowTest, ItOffersEveryPersonalityButGriskAndZozidaWithTheChosenTicked) {
    chosen({"Voze", "Raz", "Voze"});
    FrmSounds& w = frmSounds();
    w.Load();
    QStringList entries;
    for (int i = 0; i < w.lstSounds.ListCount(); ++i) entries << w.lstSounds.List(i);
    EXPECT_EQ(entries, (QStringList{"Varnok", "Voze", "Raz", "Mirabel"}));
    EXPECT_EQ(w.Caption(), "Online Personality Sounds");
    EXPECT_TRUE(w.lstSounds.Selected(1));
    EXPECT_TRUE(w.lstSounds.Selected(2));
    EXPECT_FALSE(w.lstSounds.Selected(0));
    EXPECT_EQ(w.CheckedCount, 2);
    EXPECT_EQ(chosen(), (QStringList{"Voze", "Raz", ""})) << "a name listed twice keeps one place";
    EXPECT_TRUE(w.CmdCancel.Default());
    vb::UserPicks(w.lstSounds, 3);
    EXPECT_EQ(w.lblDescription.Caption(), "Made by hand");
    w.Unload();
    ReleaseFrmSounds();
}

TEST_F(ChatSoundsWindowTest, TheSameChoiceAgainInstallsAndDeletesNothing) {
    chosen({"Varnok", "Voze", ""});
    touch("VarnokWin.pmw");
    update({});
    EXPECT_EQ(chosen(), (QStringList{"Varnok", "Voze", ""}));
    EXPECT_TRUE(QFile::exists(sound("VarnokWin.pmw")));
    EXPECT_FALSE(QFile::exists(sound("VozeWin.pmw"))) << "nothing was installed";
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_FALSE(FrmSoundsExists()) << "closed, the window's instance goes";
}

TEST_F(ChatSoundsWindowTest, ASwapDeletesTheDroppedPackAndInstallsTheNewOne) {
    chosen({"Varnok", "", ""});
    for (const char* f : {"VarnokWin.pmw", "VarnokTurn.pmw", "MyVarnok.pmw", "Boing.wav"}) touch(f);
    update({"Varnok", "Raz"});
    EXPECT_EQ(chosen(), (QStringList{"Raz", "", ""}));
    EXPECT_FALSE(QFile::exists(sound("VarnokWin.pmw")));
    EXPECT_FALSE(QFile::exists(sound("VarnokTurn.pmw")));
    EXPECT_TRUE(QFile::exists(sound("MyVarnok.pmw"))) << "only the pack's own sounds go";
    EXPECT_TRUE(QFile::exists(sound("Boing.wav")));
    EXPECT_TRUE(QFile::exists(sound("RazWin.pmw")));
    EXPECT_TRUE(QFile::exists(sound("RazTurn.pmw")));
}

TEST_F(ChatSoundsWindowTest, FourTickedAreRefusedAndChangeNothing) {
    chosen({"Varnok", "", ""});
    vb::forms::queueModalAction("frmSounds", [](vb::Form& form) {
        auto& w = static_cast<FrmSounds&>(form);
        for (int i = 1; i < 4; ++i) vb::UserChecks(w.lstSounds, i);
        vb::UserClicks(w.cmdDone);
        EXPECT_TRUE(w.isLoaded()) << "the window stays open";
        vb::UserClicks(w.CmdCancel);
    });
    ShowSoundsWindow();
    EXPECT_EQ(boxes(), QStringList{"3 Maximum"});
    EXPECT_EQ(vb::msgbox_script::shown()[0].prompt,
              "You have more than 3 checked and 3 is the maximum. Uncheck somebody and then click the Update "
              "button again.");
    EXPECT_EQ(chosen(), (QStringList{"Varnok", "", ""}));
    EXPECT_FALSE(QFile::exists(sound("VozeWin.pmw")));
}

TEST_F(ChatSoundsWindowTest, APersonalityWithoutItsProgramIsReportedButKeepsItsPlace) {
    update({"Mirabel"});
    EXPECT_EQ(boxes(), QStringList{"Missing Person"});
    EXPECT_EQ(vb::msgbox_script::shown()[0].prompt, "This personality has not been installed. No sounds available.");
    EXPECT_EQ(chosen(), (QStringList{"Mirabel", "", ""}));
}

// No name that came from outside the personality table reaches a deletion.
TEST_F(ChatSoundsWindowTest, OnlyThePacksOfInstalledPersonalitiesAreDeleted) {
    QDir(tempFolder()).mkpath("User/Keep");
    for (const char* f : {"VarnokWin.pmw", "x.pmw", "Win.pmw"}) touch(f);
    QFile outside(tempPath("User/Keep/VarnokWin.pmw"));
    ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
    outside.close();
    for (const char* name : {"*", "", "../Keep/Varnok", "Win", "Ann", "*Varnok"}) RemovePersonalitySounds(name);
    for (const char* f : {"VarnokWin.pmw", "x.pmw", "Win.pmw"}) EXPECT_TRUE(QFile::exists(sound(f))) << f;
    EXPECT_TRUE(outside.exists());
}

}  // namespace
