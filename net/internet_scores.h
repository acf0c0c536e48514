// The Internet score files: one per player and table size in UserFolder,
// "<player>_<players>.ran", and one per competition the player plays in,
// "<player>_<players>_<competition>.rcm"; records of "scores.ran"'s kind. Record 1 is the
// owner's totals (games, wins, margin) with, in its fourth number, the last
// record in use (two players) or the first record of the last group (three
// or four players). Two players: one record a human opponent. Three or
// four: one group of records per set of opponents, the owner first.
#pragma once

#include <QString>
#include <vector>

#include "records/score_record.h"

namespace grisk {

// The default file of the signed-in player at this table size.
QString InternetScoreFile();
// The file the games count in: the competition's (RuleSetName) when one
// is chosen, else the default one.
QString CountedScoreFile();

// Creates a score file holding its header alone: the player's name, no
// games, the last record 1. False when it cannot be written.
bool Scores_NetOpen(const QString& NetFileName);

// Counts the Internet game just ended (winner: the winning seat's name, ""
// when the human at this machine won) in the player's score file, created
// when missing: the opponent's record or the group of opponents, then the
// owner's totals; the session's margin grows or shrinks by the game's. The
// Internet scores window is closed first. The player's default file is
// made when missing even for a competition's game, so that the scores
// window lists the player and reaches their competitions.
// A file that cannot be written leaves the session's totals counted, and
// the player is told (once an Internet session). A header whose last
// record lies past the file's end is taken as far as the file reaches.
void Scores_Net(const QString& winner);

// True when name is the name of one of the opponents at this table.
bool IsOpponentName(const QString& name);

// Adds the player's competitions whose files start with Prefix & "_" (in
// any letter case) and end in ".rcm" to CompetitionFiles, by the name
// between the two, counting them in NumCompetitionFiles (which the caller
// zeroes first). True when any was found.
bool ListCompetitionFiles(const QString& Prefix);

// A score file as the scores window shows it: its header and its rows,
// one opponent a row at a table of two (records 2 to the last), else every
// group's records in order (the owner first), no further than the file
// reaches. A missing file has none.
struct ScoreFileRows {
    ScoreRecord header;
    std::vector<ScoreRecord> rows;
};
ScoreFileRows ReadScoreRows(const QString& path, int players);

enum class ScoreEdit { Done, NotFound, Failed };
// Removes the opponent of that name (blanks and letter case aside) from a
// file of a table of two: the records after it move up one, the last
// becomes blank, and the header's last record is one less.
ScoreEdit DeleteScoreOpponent(const QString& path, const QString& name);
// Removes the group of players records that starts at record start: the
// other records are written, in order, to "tempScore.ran" beside it, which
// then takes the file's name in one step. The header's last group is the
// last record written less players plus 1, or 1 when none is left. A
// failure leaves the file as it was.
ScoreEdit DeleteScoreGroup(const QString& path, int start, int players);

}  // namespace grisk
