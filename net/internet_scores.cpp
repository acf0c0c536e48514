#include "net/internet_scores.h"

#include <QFile>

#include "engine/game_end.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "net/state.h"
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

// Two players: the opponent's record by name, or a new one after the last.
void countAgainstOpponent(vb::RecordFile& file, int& last) {
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
    writeCounters(file, n, opponent, last);
}

// Three or four players: the group of these opponents, or a new one.
void countInGroup(vb::RecordFile& file, int& last, const QString& winner) {
    const int players = eng.NumPlayers;
    int start = 0;
    bool found = false;
    for (int r = 3; last >= 2 && r <= players - 1 + last && !found; r += players) {
        found = true;
        for (int k = r; k <= r + players - 2; ++k) found = found && IsOpponentName(readScore(file, k).Name);
        if (found) start = r - 1;
    }
    if (!found) start = last = last < 2 ? 2 : players + last;
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
        writeCounters(file, k, name, last);
    }
}

}  // namespace

QString InternetScoreFile() {
    return eng.UserFolder + vb::Trim(eng.PlayerName) + "_" + vb::Trim(vb::Str(eng.NumPlayers)) + ".ran";
}

bool IsOpponentName(const QString& name) {
    const QString n = vb::Trim(name);
    if (n == vb::Trim(eng.Player2.Name) || n == vb::Trim(eng.Player3.Name)) return true;
    return eng.NumPlayers == 4 && n == vb::Trim(eng.Player4.Name);
}

void Scores_Net(const QString& winner) {
    zeroCounters();
    const QString path = InternetScoreFile();
    vb::RecordFile file;
    const bool isNew = !QFile::exists(path);
    if (!file.open(path, kScoreRecordLength, vb::RecordFile::Mode::OpenOrCreate)) {
        qWarning("The Internet score file could not be opened: %s", qUtf8Printable(file.errorText()));
        return;
    }
    if (isNew) {
        ScoreRecord header;
        header.Name = eng.PlayerName;
        header.Value4 = 1;
        if (!file.write(1, header.encode())) return;
        ListScoreFiles();
    }
    int last = readScore(file, 1).Value4;
    if (eng.NumPlayers == 2)
        countAgainstOpponent(file, last);
    else
        countInGroup(file, last, winner);

    const int margin = DoTheMargin();
    inet.NetSessionMargin += eng.SideCount == 0 ? margin : -margin;

    zeroCounters();
    loadCounters(readScore(file, 1));
    DoTheMath();
    if (!writeCounters(file, 1, eng.PlayerName, last))
        qWarning("The Internet score file could not be written: %s", qUtf8Printable(file.errorText()));
}

}  // namespace grisk
