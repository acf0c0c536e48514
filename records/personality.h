// Opponent personalities: the seat entries of the profile, the player
// records they fill, and the personality and comment files they name.
#pragma once

#include <QString>
#include <QStringList>

namespace grisk {

struct PlayerRecord;
struct PersonalityRecord;

// The comment choices of a seat that name no comment file: the
// personality's own remarks, and none at all.
inline constexpr char kDefaultPersonality[] = "Default Personality";
inline constexpr char kNoComments[] = "No Comments";

// True when name can stand for a file of a folder itself: not empty, no
// folder separator, not "..".
bool IsPlainFileName(const QString& name);

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

// Record 1 of personality name's file (a row of the opponent table): false,
// with rec blank, when there is no such file or it cannot be read whole.
bool ReadPersonalityFile(const QString& name, PersonalityRecord& rec);
// Writes rec as record 1 of personality name's file: false when there is
// no such file or it cannot be written (the file is then as it was).
bool WritePersonalityFile(const QString& name, const PersonalityRecord& rec);
// The sounds that personality name's program puts into the user's
// "Sounds" folder: the ".pmw" files of its own sound column.
QStringList PersonalitySoundCopies(const QString& name);

// After personality name's custom sounds were saved as pms: the seats that
// play that personality's custom sounds take them at once (seat 2's are in
// force).
void TakeCustomSounds(const QString& name, const PersonalityRecord& pms);

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
