#include "user_tree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <unistd.h>

#include <utility>
#include <vector>

#include "avatars.h"
#include "game_board.h"
#include "table/control_art.h"
#include "table/emotion_icons.h"
#include "gif_writer.h"
#include "platform/personality_programs.h"
#include "platform/recordfile.h"
#include "records/record_fields.h"
#include "records/saved_game_record.h"
#include "records/saved_games.h"
#include "records/shipped_data.h"

namespace grisk_setup {

namespace {

// The data sources compiled into the tool.
bool readSource(const QString& name, QString& text, QTextStream& err) {
    QFile f(":/data/" + name);
    if (!f.open(QIODevice::ReadOnly)) {
        err << "grisk-setup: the built-in " << name << " is missing\n";
        return false;
    }
    text = QString::fromUtf8(f.readAll());
    return true;
}

enum class Outcome { Created, Kept, Failed };

// Writes a new file whole: into a temporary file beside it, then renamed
// to its name unless something of that name has appeared meanwhile.
Outcome writeNewFile(const QString& path, const QByteArray& bytes, QString& why) {
    const QFileInfo target(path);
    if (target.exists() || target.isSymLink()) return Outcome::Kept;
    QTemporaryFile tmp(target.absolutePath() + "/.grisk-setup-XXXXXX");
    if (!tmp.open() || tmp.write(bytes) != bytes.size() || !tmp.flush() || ::fsync(tmp.handle()) != 0) {
        why = tmp.errorString();
        return Outcome::Failed;
    }
    tmp.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (!tmp.rename(path)) {
        if (QFileInfo(path).exists()) return Outcome::Kept;
        why = tmp.errorString();
        return Outcome::Failed;
    }
    tmp.setAutoRemove(false);
    return Outcome::Created;
}

// A picture as the GIF writer takes it: on the table's green where it is
// see-through, then at most 256 colours.
QImage asGifPicture(const QImage& picture) {
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(QColor(0, 128, 0));
    QPainter p(&opaque);
    p.drawImage(0, 0, picture);
    p.end();
    return opaque.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

// The shipped personalities from their sources, by name.
bool readPersonalities(std::vector<std::pair<QString, grisk::PersonalityRecord>>& out, QTextStream& err) {
    const QStringList sources = QDir(QStringLiteral(":/data/personalities")).entryList({"*.txt"}, QDir::Files);
    if (sources.isEmpty()) {
        err << "grisk-setup: the built-in personalities are missing\n";
        return false;
    }
    for (const QString& file : sources) {
        QString text;
        if (!readSource("personalities/" + file, text, err)) return false;
        grisk::PersonalityRecord p;
        QString problem;
        if (!grisk::BuildPersonalityFile(text, p, &problem)) {
            err << "grisk-setup: personalities/" << file << ", " << problem << "\n";
            return false;
        }
        out.emplace_back(file.left(file.size() - 4), p);
    }
    return true;
}

// Writes a file whole, replacing what was there.
bool replaceFile(const QString& path, const QByteArray& bytes, QTextStream& err) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        err << "grisk-setup: cannot write " << path << ": " << file.errorString() << "\n";
        return false;
    }
    return true;
}

// The tutorial's prepared positions, records 31 to 38 one after the other.
constexpr int kFirstPrepared = grisk::kFirstPreparedRecord;
bool readPositions(QByteArray& positions, QTextStream& err) {
    QFile f(QStringLiteral(":/data/tutorial-positions.sav"));
    if (!f.open(QIODevice::ReadOnly) || f.size() == 0 || f.size() % grisk::kSavedGameRecordLength != 0) {
        err << "grisk-setup: the built-in tutorial positions are missing\n";
        return false;
    }
    positions = f.readAll();
    return true;
}

QByteArray positionRecord(const QByteArray& positions, int i) {
    return positions.mid(static_cast<qsizetype>(i) * grisk::kSavedGameRecordLength, grisk::kSavedGameRecordLength);
}

// A new saved-games file: blank slots, then the prepared positions.
QByteArray newSavedGames(const QByteArray& positions) {
    QByteArray file = grisk::BlankSavedGamesFile();
    file.replace(static_cast<qsizetype>(kFirstPrepared - 1) * grisk::kSavedGameRecordLength, positions.size(),
                 positions);
    return file;
}

// An existing saved-games file gets the prepared positions where its
// records 31 to 38 hold no game (or are not there yet); positions of its own
// are kept.
bool addPositions(const QString& path, const QByteArray& positions, QTextStream& out, QTextStream& err) {
    vb::RecordFile file;
    if (!file.open(path, grisk::kSavedGameRecordLength)) {
        err << "grisk-setup: cannot open " << path << ": " << file.errorText() << "\n";
        return false;
    }
    int added = 0;
    const int count = static_cast<int>(positions.size() / grisk::kSavedGameRecordLength);
    for (int i = 0; i < count; ++i) {
        QByteArray bytes;
        if (file.read(kFirstPrepared + i, bytes) == vb::ReadStatus::Failed) {
            err << "grisk-setup: cannot read " << path << ": " << file.errorText() << "\n";
            return false;
        }
        if (grisk::HoldsGame(grisk::SavedGameRecord::decode(bytes))) continue;
        if (!file.write(kFirstPrepared + i, positionRecord(positions, i))) {
            err << "grisk-setup: cannot write " << path << ": " << file.errorText() << "\n";
            return false;
        }
        ++added;
    }
    if (added > 0) out << "Added " << added << " tutorial positions to " << path << "\n";
    return true;
}

}  // namespace

QString UserGameFolder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base.isEmpty() ? QString() : base + "/Quenmoor/Grisk and Varnok";
}

int MakeUserTree(const QString& base, QTextStream& out, QTextStream& err) {
    QString defaults;
    if (!readSource("prefs-defaults.txt", defaults, err)) return 1;
    grisk::PlayerProfileRecord profile;
    QString problem;
    if (!grisk::ProfileFromDefaults(defaults, profile, &problem)) {
        err << "grisk-setup: prefs-defaults.txt, " << problem << "\n";
        return 1;
    }

    for (const char* folder : {"Data", "User", "User/Avatars", "User/Backgrounds", "User/Icons", "User/Sounds"}) {
        if (!QDir().mkpath(base + "/" + folder)) {
            err << "grisk-setup: cannot make the folder " << base << "/" << folder << "\n";
            return 1;
        }
    }

    QByteArray positions;
    if (!readPositions(positions, err)) return 1;
    const QString savedGames = base + "/Data/backup.sav";
    const bool hadSavedGames = QFileInfo::exists(savedGames);

    std::vector<std::pair<QString, QByteArray>> files = {
        {"Data/Prefs.sav", profile.encode()},
        {"Data/scores.ran", grisk::BlankScoresFile()},
        {"Data/highscore.ran", grisk::BlankHighScoreFile()},
        {"Data/backup.sav", newSavedGames(positions)},
        {"User/Backgrounds/GameBoard.gif", EncodeGif(DrawGameBoard())},
    };
    // The other backgrounds and the emotion icons are the program's own
    // pictures, kept as 256-colour GIFs.
    for (const auto& extra : grisk::control_art::ExtraBackgrounds())
        files.emplace_back("User/Backgrounds/" + extra.fileName, EncodeGif(asGifPicture(extra.picture)));
    {
        // The avatar's slap, one of the program's own synthesised sounds.
        QFile slap(QStringLiteral(":/SOUND/slap"));
        if (slap.open(QIODevice::ReadOnly)) files.emplace_back("User/Sounds/slap.wav", slap.readAll());
        // The chat's own sounds.
        for (const QString& name : QDir(QStringLiteral(":/SOUND/chat")).entryList(QDir::Files)) {
            QFile sound(":/SOUND/chat/" + name);
            if (sound.open(QIODevice::ReadOnly)) files.emplace_back("User/Sounds/" + name + ".wav", sound.readAll());
        }
    }
    for (const grisk::EmotionIconKey& key : grisk::EmotionIconKeys()) {
        const QString name = QString::fromLatin1(key.file);
        files.emplace_back("User/Icons/" + name, EncodeGif(asGifPicture(grisk::EmotionIcon(name))));
    }
    // Each personality's own avatar, under the name its file gives.
    std::vector<std::pair<QString, grisk::PersonalityRecord>> personalities;
    if (!readPersonalities(personalities, err)) return 1;
    for (const auto& [name, p] : personalities)
        files.emplace_back("User/Avatars/" + grisk::StoredText(p.Picture), AvatarJpeg(name));
    int rc = 0;
    for (const auto& [name, bytes] : files) {
        const QString path = base + "/" + name;
        QString why;
        switch (writeNewFile(path, bytes, why)) {
        case Outcome::Created: out << "Created " << path << "\n"; break;
        case Outcome::Kept: out << "Kept " << path << ": it is already there\n"; break;
        case Outcome::Failed:
            err << "grisk-setup: cannot write " << path << ": " << why << "\n";
            rc = 1;
            break;
        }
    }
    if (hadSavedGames && !addPositions(savedGames, positions, out, err)) rc = 1;
    return rc;
}

int MakeAppData(const QString& dir, const QString& voices, QTextStream& out, QTextStream& err) {
    QString source;
    if (!readSource("snackade.txt", source, err)) return 1;
    QByteArray texts;
    QString problem;
    if (!grisk::BuildMessageTexts(source, texts, &problem)) {
        err << "grisk-setup: snackade.txt, " << problem << "\n";
        return 1;
    }
    const QString path = dir + "/Data/snackade.ran";
    if (!QDir().mkpath(dir + "/Data/PMS")) {
        err << "grisk-setup: cannot make the folder " << dir << "/Data/PMS\n";
        return 1;
    }
    if (!replaceFile(path, texts, err)) return 1;
    out << "Wrote " << path << "\n";

    std::vector<std::pair<QString, grisk::PersonalityRecord>> personalities;
    if (!readPersonalities(personalities, err)) return 1;
    for (const auto& [name, p] : personalities) {
        std::vector<pms::PackedSound> sounds;
        for (int i = 1; i <= 16; ++i) {
            QFile wav(voices + "/" + name + "/" + QString::number(i) + ".wav");
            if (!wav.open(QIODevice::ReadOnly)) {
                err << "grisk-setup: no voice for " << name << ": " << wav.fileName() << "\n";
                return 1;
            }
            sounds.push_back({grisk::StoredText(p.Sounds(0, i)), wav.readAll()});
        }
        const QString base = dir + "/Data/PMS/" + name;
        if (!replaceFile(base + ".pms", p.encode(), err) || !replaceFile(base + ".pmp", pms::EncodeSoundPack(sounds), err))
            return 1;
        out << "Wrote " << base << ".pms and .pmp\n";
    }
    return 0;
}

}  // namespace grisk_setup
