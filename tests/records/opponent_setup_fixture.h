// The opponent set-up window with a player signed in: the shipped
// personalities copied into a program folder of the test's own (the sound
// panel writes into them), avatars in the user's folder, and a profile
// whose seats the test chooses. The player acts on the window while it
// waits for them, through actions queued for it.
#pragma once

#include <QDir>
#include <QImage>
#include <functional>

#include "engine/paths.h"
#include "platform/msgbox.h"
#include "profile_fixture.h"
#include "records/frm_multi.h"
#include "records/opponent_setup.h"
#include "records/personality.h"
#include "records/record_fields.h"

namespace records_test {

class OpponentSetupFixture : public ProfileFixture {
protected:
    void SetUp() override {
        ProfileFixture::SetUp();
        const QString shipped = QStringLiteral(GRISK_BINARY_DIR "/Data/");
        grisk::eng.AppFolder = tempFolder() + "/app";
        // Afresh for every case of a test that starts again.
        ASSERT_TRUE(QDir(grisk::eng.AppFolder).removeRecursively());
        ASSERT_TRUE(QDir(grisk::eng.UserFolder + "Sounds").removeRecursively());
        ASSERT_TRUE(QDir().mkpath(grisk::eng.AppFolder + "/Data/PMS"));
        ASSERT_TRUE(QFile::copy(shipped + "empty.wav", grisk::eng.AppFolder + "/Data/empty.wav"));
        for (const QString& file : QDir(shipped + "PMS").entryList({"*.pms", "*.pmp"}, QDir::Files))
            ASSERT_TRUE(QFile::copy(shipped + "PMS/" + file, grisk::PersonalityFolder() + file));
        ASSERT_TRUE(grisk::ListPersonalityFiles());
        ASSERT_TRUE(QDir().mkpath(grisk::eng.UserFolder + "Sounds"));
        for (const char* name : {"Grisk.jpg", "Varnok.jpg", "Voze.jpg", "Zozida.jpg", "Mine.jpg"}) avatar(name);
    }

    static void avatar(const QString& name) {
        QImage picture(40, 50, QImage::Format_RGB32);
        picture.fill(QColor(qHash(name) & 0xFFFFFF));
        ASSERT_TRUE(picture.save(grisk::eng.UserFolder + "Avatars/" + name, "JPG"));
    }

    // Ann (record 2) with these seats 1..3, three players and four piles.
    void signIn(const grisk::OpponentSeatRecord& one, const grisk::OpponentSeatRecord& two,
                const grisk::OpponentSeatRecord& three, int players = 3, int centres = 4) {
        grisk::PlayerProfileRecord ann = profile("Ann");
        ann.Seats(1) = one;
        ann.Seats(2) = two;
        ann.Seats(3) = three;
        ann.NumPlayers = players;
        ann.NumCenters = centres;
        ann.SoundLevel = 0;
        writePrefs({profile("Ann"), ann});
        ASSERT_TRUE(grisk::Get_Players());
        ASSERT_EQ(grisk::recs.CurrentProfile, 2);
    }
    static grisk::OpponentSeatRecord seat(const QString& name, int level = 0, const QString& avatar = QString(),
                                          int sound = 0, const QString& comments = "Default Personality") {
        return {name, avatar.isEmpty() ? name + ".jpg" : avatar, comments, level, sound};
    }
    // Seat s of the stored profile as never written (all zero bytes), as a
    // record of another version may hold it: the profile put into force at
    // sign-in has already filled it.
    void unwriteSeat(int s) {
        QByteArray bytes = prefsRecordBytes(2);
        const grisk::PlayerProfileRecord p = grisk::PlayerProfileRecord::decode(bytes);
        const QByteArray seat = p.Seats(s).encode();
        const int at = static_cast<int>(bytes.indexOf(seat));
        ASSERT_GE(at, 0);
        bytes.replace(at, seat.size(), QByteArray(seat.size(), '\0'));
        QByteArray file = readFile(prefsPath());
        file.replace(grisk::kPlayerProfileRecordLength, grisk::kPlayerProfileRecordLength, bytes);
        ASSERT_TRUE(writeFile(prefsPath(), file));
    }

    grisk::OpponentSeatRecord storedSeat(int s) {
        grisk::OpponentSeatRecord out = storedProfile(2).Seats(s);
        out.Name = grisk::StoredText(out.Name);
        out.Avatar = grisk::StoredText(out.Avatar);
        out.Comments = grisk::StoredText(out.Comments);
        return out;
    }

    // Runs the opponent set-up; the player does what acts does to the
    // window, which then stays as the actions left it unless they closed it.
    void setUp(const std::function<void(grisk::FrmMulti&)>& acts) {
        vb::forms::queueModalAction("frmMulti", [acts](vb::Form& f) { acts(static_cast<grisk::FrmMulti&>(f)); });
        grisk::SetupOpponents(false);
    }

    // The entry of a list whose text is name.
    static int entry(const vb::Control& list, const QString& name) {
        for (int i = 0; i < list.ListCount(); ++i)
            if (list.List(i) == name) return i;
        ADD_FAILURE() << "no entry " << name.toStdString();
        return 0;
    }
    static void pick(vb::Control& list, const QString& name) { vb::UserPicks(list, entry(list, name)); }

    // The message boxes shown since the last call, as "title: text".
    static QStringList boxes() {
        QStringList out;
        for (const vb::ShownBox& b : vb::msgbox_script::shown()) out << b.title + ": " + b.prompt;
        vb::msgbox_script::clearShown();
        return out;
    }
    // Looked for as the program looks in that folder.
    static bool userSound(const QString& name) { return QFile::exists(grisk::UserSoundsFolder() + name); }
};

}  // namespace records_test
