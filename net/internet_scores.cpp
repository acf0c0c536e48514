#include "net/internet_scores.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "engine/game_end.h"
#include "engine/paths.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "net/frm_scores_net.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/recordfile.h"
#include "platform/vb.h"
#include "records/score_record.h"
#include "records/state.h"
#include "records/user_files.h"

namespace grisk {

namespace {

ScoreRecord readScore(vb::RecordFile& file, int n) {
    QByteArray bytes;
    file.read(n, bytes);
    return ScoreRecord::decode(bytes);
}

void loadCounters(const ScoreRecord& r) {
    eng.StatPlayed = r.Value1;
    eng.StatWon = r.Value2;
    eng.StatMargin = r.Value3;
}

bool writeCounters(vb::RecordFile& file, int n, const QString& name, int last) {
    ScoreRecord r;
    r.Name = name;
    r.Value1 = vb::ClampToInteger(eng.StatPlayed);
    r.Value2 = vb::ClampToInteger(eng.StatWon);
    r.Value3 = vb::ClampToInteger(eng.StatMargin);
    r.Value4 = vb::ClampToInteger(last);
    return file.write(n, r.encode());
}

void zeroCounters() { eng.StatPlayed = eng.StatWon = eng.StatMargin = 0; }

// The header's last record (two players) or first record of the last group
// (three or four), taken no further than the file reaches: a damaged header
// never makes rows, searches or new records far past the file's end.
int lastInFile(const vb::RecordFile& file, int last, int players) {
    const int count = file.recordCount();
    if (players <= 2) return std::min(last, count);
    const int groups = (count - 1) / players;  // the groups the file holds whole
    return std::min(last, groups >= 1 ? 2 + (groups - 1) * players : 1);
}

// The player is told once an Internet session that a game could not be
// counted in their score file.
void reportNotCounted(const QString& path, const QString& error) {
    qWarning("The Internet score file could not be written: %s %s", qUtf8Printable(path), qUtf8Printable(error));
    if (inet.ScoreFileReported) return;
    inet.ScoreFileReported = true;
    QString text = "This game could not be counted in your Internet score file \"" + QFileInfo(path).fileName() + "\".";
    if (!error.isEmpty()) text += "\n\n" + error;
    vb::MsgBox(text, vb::vbExclamation);
}

// Two players: the opponent's record by name, or a new one after the last.
bool countAgainstOpponent(vb::RecordFile& file, int& last) {
    const QString opponent = vb::Trim(eng.Player2.Name);
    int n = 2;
    if (last >= 2) {
        n = last + 1;
        for (int k = 2; k <= last; ++k) {
            const ScoreRecord r = readScore(file, k);
            if (vb::UCase(vb::Trim(r.Name)) == vb::UCase(opponent)) {
                n = k;
                loadCounters(r);
                break;
            }
        }
    }
    if (n > last) last = n;
    DoTheMath();
    return writeCounters(file, n, opponent, last);
}

// Three or four players: the group of these opponents, or a new one.
bool countInGroup(vb::RecordFile& file, int& last, const QString& winner) {
    const int players = eng.NumPlayers;
    int start = 0;
    bool found = false;
    for (int r = 3; last >= 2 && r <= players - 1 + last && !found; r += players) {
        found = true;
        for (int k = r; k <= r + players - 2; ++k) found = found && IsOpponentName(readScore(file, k).Name);
        if (found) start = r - 1;
    }
    if (!found) start = last = last < 2 ? 2 : players + last;
    bool written = true;
    for (int k = start; k <= start + players - 1; ++k) {
        QString name;
        zeroCounters();
        if (found) {
            const ScoreRecord r = readScore(file, k);
            loadCounters(r);
            name = vb::Trim(r.Name);
        }
        if (k == start) {
            name = eng.PlayerName;
            DoTheNETMath(eng.SideCount == 0);
        } else {
            if (!found) name = vb::Trim(SeatRecord(k - start + 1).Name);
            DoTheNETMath(name == vb::Trim(winner));
        }
        written = writeCounters(file, k, name, last) && written;
    }
    return written;
}

}  // namespace

QString InternetScoreFile() {
    return eng.UserFolder + vb::Trim(eng.PlayerName) + "_" + vb::Trim(vb::Str(eng.NumPlayers)) + ".ran";
}

QString CountedScoreFile() {
    if (inet.RuleSetName.isEmpty()) return InternetScoreFile();
    return eng.UserFolder + vb::Trim(eng.PlayerName) + "_" + vb::Trim(vb::Str(eng.NumPlayers)) + "_" +
           inet.RuleSetName + ".rcm";
}

bool Scores_NetOpen(const QString& NetFileName) {
    vb::RecordFile file;
    if (!file.open(NetFileName, kScoreRecordLength, vb::RecordFile::Mode::OpenOrCreate)) return false;
    ScoreRecord header;
    header.Name = eng.PlayerName;
    header.Value4 = 1;
    return file.write(1, header.encode());
}

bool IsOpponentName(const QString& name) {
    const QString n = vb::Trim(name);
    if (n == vb::Trim(eng.Player2.Name) || n == vb::Trim(eng.Player3.Name)) return true;
    return eng.NumPlayers == 4 && n == vb::Trim(eng.Player4.Name);
}

void Scores_Net(const QString& winner) {
    if (FrmScoresNetExists() && frmScoresNet().isLoaded()) frmScoresNet().Unload();
    zeroCounters();
    // The session counts the game whatever becomes of the file.
    const int margin = DoTheMargin();
    inet.NetSessionMargin += eng.SideCount == 0 ? margin : -margin;

    if (!QFile::exists(InternetScoreFile())) {
        Scores_NetOpen(InternetScoreFile());
        ListScoreFiles();
    }
    const QString path = CountedScoreFile();
    vb::RecordFile file;
    bool counted = (QFile::exists(path) || Scores_NetOpen(path)) && file.open(path, kScoreRecordLength);
    if (counted) {
        int last = lastInFile(file, readScore(file, 1).Value4, eng.NumPlayers);
        counted = eng.NumPlayers == 2 ? countAgainstOpponent(file, last) : countInGroup(file, last, winner);
        zeroCounters();
        loadCounters(readScore(file, 1));
        DoTheMath();
        counted = writeCounters(file, 1, eng.PlayerName, last) && counted;
    }
    if (!counted) reportNotCounted(path, file.errorText());
}

bool ListCompetitionFiles(const QString& Prefix) {
    const QString head = vb::UCase(Prefix) + "_";
    QStringList found;
    for (const QString& file : ListFilesOfType(eng.UserFolder, {"RCM"}))
        if (vb::UCase(file.left(head.size())) == head && file.size() > head.size() + 4)
            found << file.mid(head.size(), file.size() - head.size() - 4);
    const int first = inet.NumCompetitionFiles;
    inet.NumCompetitionFiles += static_cast<int>(found.size());
    inet.CompetitionFiles.redimPreserve({{0, std::max(inet.NumCompetitionFiles, 0)}});
    for (int i = 0; i < found.size(); ++i) inet.CompetitionFiles(first + 1 + i) = found[i];
    return !found.isEmpty();
}

ScoreFileRows ReadScoreRows(const QString& path, int players) {
    ScoreFileRows out;
    vb::RecordFile file;
    if (!file.open(path, kScoreRecordLength)) return out;
    out.header = readScore(file, 1);
    const int last = lastInFile(file, out.header.Value4, players);
    // Groups: every record up to the end of the last group; none before the
    // first group is written.
    const int end = players <= 2 ? last : last >= 2 ? last + players - 1 : 1;
    for (int k = 2; k <= end; ++k) out.rows.push_back(readScore(file, k));
    return out;
}

ScoreEdit DeleteScoreOpponent(const QString& path, const QString& name) {
    vb::RecordFile file;
    if (!file.open(path, kScoreRecordLength)) return ScoreEdit::Failed;
    ScoreRecord header = readScore(file, 1);
    const int last = lastInFile(file, header.Value4, 2);
    const QString wanted = vb::UCase(vb::Trim(name));
    int found = 0;
    for (int k = 2; k <= last && found == 0; ++k)
        if (vb::UCase(vb::Trim(readScore(file, k).Name)) == wanted) found = k;
    if (found == 0) return ScoreEdit::NotFound;
    bool ok = true;
    for (int k = found; k < last && ok; ++k) {
        QByteArray bytes;
        file.read(k + 1, bytes);
        ok = file.write(k, bytes);
    }
    ok = ok && file.write(last, ScoreRecord{}.encode());
    header.Value4 = last - 1;
    ok = ok && file.write(1, header.encode());
    return ok ? ScoreEdit::Done : ScoreEdit::Failed;
}

ScoreEdit DeleteScoreGroup(const QString& path, int start, int players) {
    const QString temp = eng.UserFolder + "tempScore.ran";
    int written = 1;
    {
        vb::RecordFile file;
        if (!file.open(path, kScoreRecordLength) || players < 2) return ScoreEdit::Failed;
        ScoreRecord header = readScore(file, 1);
        header.Value4 = lastInFile(file, header.Value4, players);
        if (start < 2 || (start - 2) % players != 0 || start > header.Value4) return ScoreEdit::NotFound;
        QFile::remove(temp);
        vb::RecordFile out;
        if (!out.open(temp, kScoreRecordLength, vb::RecordFile::Mode::OpenOrCreate)) return ScoreEdit::Failed;
        const int end = header.Value4 + players - 1;
        bool ok = true;
        for (int k = 2; k <= end && ok; ++k) {
            if (k >= start && k < start + players) continue;
            QByteArray bytes;
            file.read(k, bytes);
            ok = out.write(++written, bytes);
        }
        header.Value4 = std::max(1, written - players + 1);
        if (!ok || !out.write(1, header.encode())) {
            out.close();
            QFile::remove(temp);
            return ScoreEdit::Failed;
        }
    }
    if (ReplaceFile(temp, path)) return ScoreEdit::Done;
    QFile::remove(temp);
    return ScoreEdit::Failed;
}

}  // namespace grisk
