#include "records/personality.h"

#include <QDir>

#include "engine/paths.h"
#include "engine/state.h"
#include "platform/personality_programs.h"
#include "platform/recordfile.h"
#include "platform/vb.h"
#include "records/comment_file.h"
#include "records/personality_record.h"
#include "records/record_fields.h"
#include "records/state.h"
#include "table/avatar.h"

namespace grisk {

namespace {

const QString kDefaultName = QStringLiteral("Grisk");
const QString kDefaultComments = QString::fromLatin1(kDefaultPersonality);

// Record 1 of a personality file; blank when it cannot be read.
PersonalityRecord readPersonality(const QString& path) {
    QByteArray bytes;
    vb::RecordFile f;
    if (!path.isEmpty() && f.open(path, kPersonalityRecordLength)) f.read(1, bytes);
    return PersonalityRecord::decode(bytes);
}

// The row of the opponent table that name stands for (the letters' case
// does not count, as on the system the files come from); -1 for none.
int opponentRow(const QString& name) {
    const int last = std::min(recs.NumOpps, recs.OppTable.ubound(1));
    for (int row = 0; row <= last; ++row)
        if (recs.OppTable(row, 1).compare(name, Qt::CaseInsensitive) == 0) return row;
    return -1;
}

// The seat's sounds 1..16 from its sound column of the personality: a file
// of the user's "Sounds" folder (there, or still to be written there), or
// "Data/empty.wav" when it is missing.
void fillSeatSounds(PlayerRecord& Rec, const PersonalityRecord& pms, bool first) {
    for (int i = 1; i <= 16; ++i) {
        const QString name = StoredText(pms.Sounds(Rec.SoundColumn, i));
        const QString file = eng.UserFolder + "Sounds/" + name;
        const bool there = FileExists(file) || pms::SoundWaitsToBeWritten(file);
        Rec.Sounds(i) = IsPlainFileName(name) && there ? file : eng.AppFolder + "/Data/empty.wav";
        // The first seat's sounds are in force at once; a missing one too,
        // so that no sound of the personality loaded before stays behind.
        if (first) eng.SoundFiles(i) = Rec.Sounds(i);
    }
}

}  // namespace

void TakeCustomSounds(const QString& name, const PersonalityRecord& pms) {
    const struct {
        PlayerRecord* rec;
        bool first;
    } seats[] = {{&eng.Player2, true}, {&eng.Player3, false}, {&eng.Player4, false}};
    for (const auto& seat : seats)
        if (seat.rec->SoundColumn == 1 && seat.rec->Name.compare(name, Qt::CaseInsensitive) == 0)
            fillSeatSounds(*seat.rec, pms, seat.first);
}

bool IsPlainFileName(const QString& name) {
    return !name.isEmpty() && !name.contains('/') && !name.contains('\\') && name != QLatin1String("..");
}

void SetDefaultPersonality(int Seat) {
    OpponentSeatRecord& s = recs.ProfileRec.Seats(Seat);
    s.Name = kDefaultName;
    s.Level = 0;
    s.Avatar = QStringLiteral("Grisk.jpg");
    s.SoundSource = 0;
    s.Comments = kDefaultComments;
}

void CopySeatToPlayer(PlayerRecord& Rec, int Seat) {
    // A name that begins with a zero character was never written.
    if (StoredText(recs.ProfileRec.Seats(Seat).Name).isEmpty()) SetDefaultPersonality(Seat);
    const OpponentSeatRecord& s = recs.ProfileRec.Seats(Seat);
    Rec.Name = StoredText(s.Name);
    Rec.Level = (s.Level >= 0 && s.Level <= 2) ? s.Level : 0;
    Rec.Avatar = StoredText(s.Avatar);
    Rec.SoundColumn = (s.SoundSource == 0 || s.SoundSource == 1) ? s.SoundSource : 0;
    Rec.CommentFile = StoredText(s.Comments);
}

QString PersonalityFolder() { return eng.AppFolder + "/Data/PMS/"; }

QString PersonalityFilePath(const QString& name) {
    const int row = opponentRow(name);
    if (row < 0) return QString();
    const QString wanted = recs.OppTable(row, 1) + ".pms";
    const QStringList files = QDir(PersonalityFolder()).entryList(QDir::Files);
    for (const QString& file : files)
        if (file.compare(wanted, Qt::CaseInsensitive) == 0) return PersonalityFolder() + file;
    return QString();
}

bool ReadPersonalityFile(const QString& name, PersonalityRecord& rec) {
    rec = PersonalityRecord::decode(QByteArray());
    const QString path = PersonalityFilePath(name);
    vb::RecordFile f;
    QByteArray bytes;
    if (path.isEmpty() || !f.open(path, kPersonalityRecordLength) || f.read(1, bytes) != vb::ReadStatus::Ok)
        return false;
    rec = PersonalityRecord::decode(bytes);
    return true;
}

bool WritePersonalityFile(const QString& name, const PersonalityRecord& rec) {
    const QString path = PersonalityFilePath(name);
    vb::RecordFile f;
    return !path.isEmpty() && f.open(path, kPersonalityRecordLength) && f.write(1, rec.encode());
}

QStringList PersonalitySoundCopies(const QString& name) {
    PersonalityRecord rec;
    QStringList out;
    if (!ReadPersonalityFile(name, rec)) return out;
    for (int i = 1; i <= 16; ++i) {
        const QString sound = StoredText(rec.Sounds(0, i));
        if (IsPlainFileName(sound) && sound.endsWith(QLatin1String(".pmw"), Qt::CaseInsensitive) &&
            !out.contains(sound))
            out << sound;
    }
    return out;
}

void LoadOpponentPersonality(PlayerRecord& Rec, int IsFirst) {
    const bool first = IsFirst == 1;
    if (Rec.CommentFile != QLatin1String(kNoComments) && Rec.CommentFile != kDefaultComments &&
        (!IsPlainFileName(Rec.CommentFile) || !FileExists(eng.UserFolder + Rec.CommentFile + ".cmt")))
        Rec.CommentFile = kDefaultComments;

    // A personality that is not among the files found is Grisk.
    QString path = PersonalityFilePath(Rec.Name);
    if (path.isEmpty()) {
        Rec.Name = kDefaultName;
        path = PersonalityFilePath(kDefaultName);
    } else {
        // The seat takes the personality list's spelling: its sounds and its
        // row are found by that name.
        Rec.Name = recs.OppTable(opponentRow(Rec.Name), 1);
    }
    recs.PmsRecord = readPersonality(path);
    const PersonalityRecord& pms = recs.PmsRecord;

    // Zozida's sounds come with Voze's program.
    const QString program = Rec.Name.compare(QLatin1String("Zozida"), Qt::CaseInsensitive) == 0
                                ? QStringLiteral("Voze")
                                : Rec.Name;
    // Nothing plays them before the table shows: they are written after its
    // first paint, or when something first reads that folder.
    pms::InstallSoundsAfterShow(program, PersonalityFolder(), eng.UserFolder + "Sounds/");

    fillSeatSounds(Rec, pms, first);
    Rec.Sounds(0) = QString::number(vb::Val(StoredText(pms.Sounds(0, 0))));

    if (Rec.Avatar.isEmpty()) Rec.Avatar = StoredText(pms.Picture);
    recs.OppPicture = StoredText(pms.Picture);
    eng.NoComments = Rec.CommentFile == QLatin1String(kNoComments);

    if (first) {
        ShowAvatar(Rec.Avatar);
        for (int i = 1; i <= 35; ++i)
            eng.Comments(i) = (eng.NoComments && i <= 33) ? QString() : StoredText(pms.Comments(i));
    } else if (!eng.NoComments) {
        for (int i = 1; i <= 27; ++i) eng.Comments(i) = StoredText(pms.Comments(i));
    }
    if (Rec.CommentFile != kDefaultComments && !eng.NoComments) LoadCommentFile(Rec.CommentFile);
    const int kept = first ? 35 : 33;
    for (int i = 1; i <= kept; ++i) Rec.RecComments(i) = eng.Comments(i);
}

void LoadCommentFile(const QString& Name) {
    const QString path = eng.UserFolder + Name + ".cmt";
    QStringList lines;
    if (!IsPlainFileName(Name) || !FileExists(path) || !ReadCommentFile(path, lines)) return;
    for (int i = 1; i <= kCommentFileLines; ++i) eng.Comments(i) = lines[i - 1];
}

void LoadPersonalityComments(const QString& Name) {
    QString path = PersonalityFilePath(Name);
    if (path.isEmpty()) path = PersonalityFilePath(kDefaultName);
    recs.PmsRecord = readPersonality(path);
    for (int i = 1; i <= 20; ++i) eng.Comments(i) = StoredText(recs.PmsRecord.Comments(i));
}

}  // namespace grisk
