// What grisk-setup makes: the per-user folders with their starting files,
// and the program's read-only data beside the program.
#pragma once

#include <QString>
#include <QTextStream>

namespace grisk_setup {

// The user's game folder: "Quenmoor/Grisk and Varnok" in the per-user data
// folder (XDG_DATA_HOME, by default ~/.local/share). "" when there is none.
QString UserGameFolder();

// Makes Data/ and User/ (with Avatars, Backgrounds, Icons and Sounds) under
// base and the starting files: Data/Prefs.sav, Data/scores.ran,
// Data/highscore.ran, Data/backup.sav (with the tutorial's prepared
// positions in records 31 to 38), User/Backgrounds/GameBoard.gif and the
// other backgrounds, the emotion icons, the slap sound and each shipped
// personality's avatar in User/Avatars.
// A file that exists is never replaced; an existing Data/backup.sav gets
// the prepared positions in those of its records 31 to 38 that hold no game. Tells what it did on out, problems
// on err; 0 when everything is in place, 1 otherwise.
int MakeUserTree(const QString& base, QTextStream& out, QTextStream& err);

// Writes the program's read-only data into dir, each file replacing an
// older copy whole: Data/snackade.ran, the message texts, and for each
// personality source Data/PMS/NAME.pms with its sound pack NAME.pmp, whose
// sounds are voices/NAME/1.wav .. 16.wav under the names the source gives.
int MakeAppData(const QString& dir, const QString& voices, QTextStream& out, QTextStream& err);

}  // namespace grisk_setup
