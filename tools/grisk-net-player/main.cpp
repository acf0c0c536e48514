// grisk-net-player: makes a player known to a user tree that grisk-setup
// has made, so that the program starts straight at that player's table
// (the Internet play test starts several copies this way).
//
//   grisk-net-player PREFS NAME [--players N] [--centres N] [--side N] [--plain-rules]
//
// PREFS is the tree's "Prefs.sav". The player's profile is the options
// grisk-setup stored in its first record, with the table of N players and N
// centre piles and a pay-off pile of N cards as asked (--plain-rules: no
// card must be played first and a King may start a centre pile); the first record then
// names the player as the last one signed in. The records are written by
// the game's own profile codec.
//
//   grisk-net-player --read-scores FILE PLAYERS
//
// prints an Internet score file of a table of PLAYERS as the scores window
// reads it, one record a line: "name|played|won|margin|last", the header
// first. Nothing when the file is missing.
#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include "net/internet_scores.h"
#include "platform/recordfile.h"
#include "platform/vb.h"
#include "records/profile_record.h"

namespace {

int readScores(const QString& path, const QString& players) {
    bool ok = false;
    const int n = players.toInt(&ok);
    if (!ok || n < 2 || n > 4) return 2;
    QTextStream out(stdout);
    const grisk::ScoreFileRows file = grisk::ReadScoreRows(path, n);
    if (file.header.Name.isEmpty() && file.rows.empty()) return 0;
    const auto line = [&out](const grisk::ScoreRecord& r) {
        out << vb::Trim(r.Name) << '|' << r.Value1 << '|' << r.Value2 << '|' << r.Value3 << '|' << r.Value4 << '\n';
    };
    line(file.header);
    for (const grisk::ScoreRecord& r : file.rows) line(r);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 3 && args[0] == QLatin1String("--read-scores")) {
        const int rc = readScores(args[1], args[2]);
        if (rc == 2) err << "Usage: grisk-net-player --read-scores FILE PLAYERS\n";
        return rc;
    }
    auto usage = [&err] {
        err << "Usage: grisk-net-player PREFS NAME [--players N] [--centres N] [--side N] [--plain-rules]\n"
               "       grisk-net-player --read-scores FILE PLAYERS\n";
        return 2;
    };
    QStringList options = args.mid(2);
    const bool plainRules = options.removeAll(QStringLiteral("--plain-rules")) > 0;
    if (args.size() < 2 || options.size() % 2 != 0) return usage();
    int players = 0, centres = 0, side = 0;
    for (int i = 0; i < options.size(); i += 2) {
        bool ok = false;
        const int value = options[i + 1].toInt(&ok);
        if (!ok) return usage();
        if (options[i] == QLatin1String("--players") && value >= 2 && value <= 4)
            players = value;
        else if (options[i] == QLatin1String("--centres") && value >= 3 && value <= 4)
            centres = value;
        else if (options[i] == QLatin1String("--side") && value >= 10 && value <= 26)
            side = value;
        else
            return usage();
    }

    vb::RecordFile file;
    if (!file.open(args[0], grisk::kPlayerProfileRecordLength)) {
        err << "grisk-net-player: cannot open " << args[0] << ": " << file.errorText() << "\n";
        return 1;
    }
    QByteArray bytes;
    if (file.read(1, bytes) != vb::ReadStatus::Ok) {
        err << "grisk-net-player: " << args[0] << " holds no first record\n";
        return 1;
    }
    grisk::PlayerProfileRecord profile = grisk::PlayerProfileRecord::decode(bytes);
    profile.Seats(0).Name = args[1];
    if (players) profile.NumPlayers = players;
    if (centres) profile.NumCenters = centres;
    if (side) profile.RuleOptions(0) = side - 1;
    if (plainRules) {
        profile.RuleOptions(1) = 0;  // no forced plays
        profile.RuleOptions(3) = 0;  // a King may start a centre pile
    }
    const QByteArray record = profile.encode();
    if (!file.write(1, record) || !file.write(file.recordCount() + 1, record)) {
        err << "grisk-net-player: cannot write " << args[0] << ": " << file.errorText() << "\n";
        return 1;
    }
    return 0;
}
