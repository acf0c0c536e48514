// grisk-net-player: makes a player known to a user tree that grisk-setup
// has made, so that the program starts straight at that player's table
// (the Internet play test starts several copies this way).
//
//   grisk-net-player PREFS NAME [--players N] [--centres N] [--side N]
//
// PREFS is the tree's "Prefs.sav". The player's profile is the options
// grisk-setup stored in its first record, with the table of N players and N
// centre piles and a pay-off pile of N cards as asked; the first record then
// names the player as the last one signed in. The records are written by
// the game's own profile codec.
#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include "platform/recordfile.h"
#include "records/profile_record.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);
    auto usage = [&err] {
        err << "Usage: grisk-net-player PREFS NAME [--players N] [--centres N] [--side N]\n";
        return 2;
    };
    if (args.size() < 2 || args.size() % 2 != 0) return usage();
    int players = 0, centres = 0, side = 0;
    for (int i = 2; i < args.size(); i += 2) {
        bool ok = false;
        const int value = args[i + 1].toInt(&ok);
        if (!ok) return usage();
        if (args[i] == QLatin1String("--players") && value >= 2 && value <= 4)
            players = value;
        else if (args[i] == QLatin1String("--centres") && value >= 3 && value <= 4)
            centres = value;
        else if (args[i] == QLatin1String("--side") && value >= 10 && value <= 26)
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
    const QByteArray record = profile.encode();
    if (!file.write(1, record) || !file.write(file.recordCount() + 1, record)) {
        err << "grisk-net-player: cannot write " << args[0] << ": " << file.errorText() << "\n";
        return 1;
    }
    return 0;
}
