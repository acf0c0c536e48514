// Opponent personalities: the seat entries of the profile, the player
// records they fill, and the personality and comment files they name.
#pragma once

#include <QString>

namespace grisk {

struct PlayerRecord;

// Seat entry Seat (1..3) of ProfileRec into the player record of a table
// seat: name, level, avatar, sound column and comment file. A blank entry
// (or one that begins with a zero character) first becomes the default
// personality. A level outside 0..2 is taken as 0 and a sound column
// outside 0..1 as 0, so that nothing indexes past the level names or the
// sound table.
void CopySeatToPlayer(PlayerRecord& Rec, int Seat);

// Seat entry Seat of ProfileRec becomes Grisk: level 0, avatar "Grisk.jpg",
// sound column 0, the personality's own comments.
void SetDefaultPersonality(int Seat);

// The folder of the personality files: "Data/PMS/" of AppFolder.
QString PersonalityFolder();

// The personality file of a row of the opponent table, found whatever the
// case of its letters; "" when the name is not in the table or its file has
// gone. A name that is not in the table is never made into a path.
QString PersonalityFilePath(const QString& name);

// Loads the personality that Rec names into Rec (IsFirst: seat 2, whose
// lines and sounds also go into force at once): the personality program
// installs its sounds, the seat gets its sound files (a missing one plays
// "Data/empty.wav"), its avatar when it has none, and its remark lines
// from the personality file, or lines 1..20 from its comment file. A name
// that is not in the opponent table loads Grisk; a comment file that is
// missing becomes "Default Personality".
void LoadOpponentPersonality(PlayerRecord& Rec, int IsFirst);

// Remark lines 1..20 of Comments from the comment file Name (".cmt" in
// UserFolder), when it exists.
void LoadCommentFile(const QString& Name);

// Remark lines 1..20 of Comments from personality Name's file (Grisk's for
// a name that is not in the opponent table).
void LoadPersonalityComments(const QString& Name);

}  // namespace grisk
