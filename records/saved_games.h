// Saving the running game into the saved-game buffer, the auto-save slots of
// "backup.sav" and the move log, and putting a saved game back.
#pragma once

namespace grisk {

// Fills SaveRecord from the running game: counts and rules, stock, used
// pile, pay-off piles, slots, centre piles, hold piles and wild counters of
// the human and of every seat at the table. The title is left as it is.
void BuildSaveRecord();

// Builds the record, titles it "AutoSave" and writes it to the auto-save
// slots: 12 when TurnCount is 0 or odd, else 11, and always 14; right after
// a deal (TurnCount 0) also 11 and 13 (the game as dealt).
void AutoSaveGame();

// Writes SaveRecord as record recordNo of the move log, when the log is open.
void WriteMoveLogRecord(int recordNo);

// Puts record CurrentSlot of file FileNo (4 the saved games, 9 the move
// log) back on the table: the rules and counts, every pile and seat, whose
// turn it is; then the human plays on, or the other seats' turns run. During
// a restart or an undo the turn's runs are kept. False, with the table as
// it was, when the record cannot be read or does not hold a game.
bool RestoreSavedGame(int FileNo);

}  // namespace grisk
