// Player profiles: reading the list of known players at start-up, putting a
// profile into force and writing it back ("Prefs.sav" in DataFolder, record
// 1 the shared record naming the last player, records 2.. one profile each).
#pragma once

#include <QString>
#include <functional>

#include "platform/recordfile.h"

namespace grisk {

// The profile file's path.
QString PrefsPath();
// The profile file while a profile procedure has it open (file 22).
vb::RecordFile& PrefsFile();

// Reads the player list and puts the last player's profile into force:
// LastPlayer from record 1, PlayerNames / NumPlayerNames from records 2..
// (a torn last record is not a player), CurrentProfile the last record whose
// name is LastPlayer's (HasProfile), or 1 when there is none (the first
// start). The list is read even when record 1 names nobody, so that a new
// profile never lands on an existing one. False when "Prefs.sav" cannot be
// opened or read; nothing has changed then.
[[nodiscard]] bool Get_Players();

// Puts record RecNo of the profile file into force (the file is opened for
// the call when the caller does not have it open) and writes the record
// back. A value that would break the table is read as its default: players
// outside 2..4 as 2, centre piles outside 3..4 as 3, a side-pile option
// outside 9..25 as 19, a font size below 1 as 10, an animation divisor
// below 1 as 45, a negative background as none chosen. A record that is
// not in the file changes nothing; the result is false then.
bool SetupGameFromPrefs(int RecNo);

// Applies the display and speed options held in the option variables: the
// background entry, the computer delay CompDelay, the name labels and,
// after start-up, the display size (SmallDisplay).
void ApplyOptions();

// Writes LastPlayer into record 1 and, when the player has a profile of
// their own, the option variables into record CurrentProfile (statistics,
// best runs and opponents stay as stored). Without a profile only record 1
// is written. Apply: puts the record into force again. A number that does
// not fit its field leaves the field as stored. False when a record could
// not be read or written; the other steps still run.
[[nodiscard]] bool SavePrefs(bool Apply);

// Reads record CurrentProfile of the profile file into ProfileRec, lets
// change alter it and writes it back. False, with nothing written, when the
// record cannot be read; false too when it cannot be written.
[[nodiscard]] bool UpdateCurrentProfile(const std::function<void()>& change);

// The comment file field of the signed-in player's own seat entry (seat 0
// of record CurrentProfile), as stored; "" when it cannot be read.
QString CurrentProfileCommentFile();

// Tells the player, once a run, that the profile could not be saved (their
// options and statistics would be lost); logs it every time.
void ReportProfileNotSaved();

// Rows 0 and 5 of BestRun from the profile's best runs.
void ChangeBestRun();

// After a change of the signed-in player or of an opponent: the first
// opponent's name on the table (Label9(4)), OppName and its row OppIndex in
// the opponent table (NumOpps + 1 when it has none). When that is the
// default opponent, the end show's frames are put back as designed.
void ChangePerson();

// The opponent seats 2..4 from the profile record in force: names, levels,
// avatars and personalities, seat 2's in force.
void TakeProfileSeats();

}  // namespace grisk
