// The Internet score files: one per player and table size in UserFolder,
// "<player>_<players>.ran", records of "scores.ran"'s kind. Record 1 is the
// owner's totals (games, wins, margin) with, in its fourth number, the last
// record in use (two players) or the first record of the last group (three
// or four players). Two players: one record a human opponent. Three or
// four: one group of records per set of opponents, the owner first.
#pragma once

#include <QString>

namespace grisk {

// The file of the signed-in player at this table size.
QString InternetScoreFile();

// Counts the Internet game just ended (winner: the winning seat's name, ""
// when the human at this machine won) in the player's score file, created
// when missing: the opponent's record or the group of opponents, then the
// owner's totals; the session's margin grows or shrinks by the game's.
// A file that cannot be written leaves the session's totals counted.
void Scores_Net(const QString& winner);

// True when name is the name of one of the opponents at this table.
bool IsOpponentName(const QString& name);

}  // namespace grisk
