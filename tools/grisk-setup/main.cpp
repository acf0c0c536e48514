// grisk-setup: makes what an installer would have made.
//
//   grisk-setup                 the current user's game folders and starting
//                               files (never replacing a file that exists)
//   grisk-setup --app-data DIR --voices VOICES
//                               the program's read-only data in DIR/Data,
//                               with the personalities' sounds from VOICES
//                               (grisk-sounds' pms folder)
#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

#include "user_tree.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);

    if (args.isEmpty()) {
        const QString base = grisk_setup::UserGameFolder();
        if (base.isEmpty()) {
            err << "grisk-setup: this system names no folder for user data\n";
            return 1;
        }
        return grisk_setup::MakeUserTree(base, out, err);
    }
    if (args.size() == 4 && args[0] == QLatin1String("--app-data") && args[2] == QLatin1String("--voices"))
        return grisk_setup::MakeAppData(args[1], args[3], out, err);

    const bool help = args.size() == 1 && (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h"));
    (help ? out : err) << "Usage: grisk-setup               make your game folders and starting files\n"
                          "       grisk-setup --app-data DIR --voices VOICES\n"
                          "                                   write the program's data into DIR/Data\n";
    return help ? 0 : 2;
}
