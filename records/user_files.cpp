#include "records/user_files.h"

#include <QDir>
#include <algorithm>
#include <QStringList>

#include "engine/state.h"
#include "platform/recordfile.h"
#include "platform/vb.h"
#include "records/personality.h"
#include "records/personality_record.h"
#include "records/record_fields.h"
#include "records/state.h"

namespace grisk {

namespace {

QStringList listFiles(const QString& folder, const QStringList& types) {
    QStringList out;
    const QStringList all =
        QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : all)
        if (types.contains(vb::UCase(vb::Right(name, 3)))) out << name;
    return out;
}

// A 1-based list and its count.
void fill(vb::Array<QString, 1>& list, int& count, const QStringList& names) {
    count = static_cast<int>(names.size());
    list.redim({{0, count}});
    for (int i = 1; i <= count; ++i) list(i) = names[i - 1];
}

QStringList withoutExtension(const QStringList& names) {
    QStringList out;
    for (const QString& n : names) out << n.left(std::max<qsizetype>(0, n.size() - 4));
    return out;
}

}  // namespace

QStringList UserFilesOfTypes(const QString& folder, const QStringList& types) { return listFiles(folder, types); }

void ListBackgroundFiles() {
    static const QString board = QStringLiteral("GameBoard.gif");
    QStringList names = listFiles(eng.UserFolder + "Backgrounds/", {"JPG", "GIF", "BMP"});
    if (names.removeOne(board)) names.prepend(board);
    fill(recs.Backgrounds, recs.NumBackgrounds, names);
    if (!names.isEmpty() && names.first() == board) recs.DefaultBoardIndex = 1;
    if (recs.BackgroundIdx > recs.NumBackgrounds + 1 || recs.BackgroundIdx < 0) recs.BackgroundIdx = 1;
}

void ListCommentFiles() {
    fill(recs.CommentFiles, recs.NumCommentFiles, withoutExtension(listFiles(eng.UserFolder, {"CMT"})));
}

void ListScoreFiles() {
    fill(recs.ScoreFileList, recs.ScoreFileCount, withoutExtension(listFiles(eng.UserFolder, {"RAN"})));
}

void ListAvatarFiles() {
    fill(recs.AvatarFiles, recs.NumAvatars, listFiles(eng.UserFolder + "Avatars/", {"JPG", "GIF", "BMP"}));
}

bool ListPersonalityFiles() {
    const QStringList files = listFiles(PersonalityFolder(), {"PMS"});
    auto upper = [](const QString& name) { return vb::UCase(name); };
    bool hasGrisk = false;
    bool hasZozida = false;
    QStringList others;
    for (const QString& file : files) {
        if (upper(file) == QLatin1String("GRISK.PMS"))
            hasGrisk = true;
        else if (upper(file) == QLatin1String("ZOZIDA.PMS"))
            hasZozida = true;
        else
            others << file.left(file.size() - 4);
    }
    recs.OppIndex = 0;
    // Without the default opponent's file there is no opponent to fall back on.
    if (!hasGrisk) {
        recs.NumOpps = 0;
        recs.OppTable.redim({{0, 0}, {0, 1}});
        recs.OppTable(0, 1) = QStringLiteral("Grisk");
        return false;
    }
    recs.NumOpps = static_cast<int>(files.size()) - 1;
    recs.OppTable.redim({{0, recs.NumOpps}, {0, 1}});
    recs.OppTable(0, 1) = QStringLiteral("Grisk");
    for (int row = 1; row <= static_cast<int>(others.size()); ++row) recs.OppTable(row, 1) = others[row - 1];
    if (hasZozida) recs.OppTable(recs.NumOpps, 1) = QStringLiteral("Zozida");
    for (int row = 0; row <= recs.NumOpps; ++row) {
        QByteArray bytes;
        vb::RecordFile f;
        if (f.open(PersonalityFilePath(recs.OppTable(row, 1)), kPersonalityRecordLength)) f.read(1, bytes);
        recs.OppTable(row, 0) = StoredText(PersonalityRecord::decode(bytes).Comments(0));
    }
    return true;
}

}  // namespace grisk
