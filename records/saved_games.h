// Saving the running game into the saved-game buffer, the auto-save slots of
// "backup.sav" and the move log, and putting a saved game back.
#pragma once

#include <QString>

namespace vb {
class RecordFile;
}

namespace grisk {

struct SavedGameRecord;

// Fills SaveRecord from the running game: counts and rules, stock, used
// pile, pay-off piles, slots, centre piles, hold piles and wild counters of
// the human and of every seat at the table. The title is left as it is.
// An ended Internet game saved during another seat's turn first stores
// that seat's loaded piles back into its record.
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
// a restart or an undo the turn's runs are kept (an undo takes them from
// the record's title). A game restored from the saved games becomes the
// auto-save of the turn (records 11 and 12); the move log starts again from
// it unless a turn is being restarted or undone. In an Internet game the
// record must suit the connected players and the peer's version, else a
// box says why and SkipGameSave is set. False, with the table, the rules and
// the counts as they were, when the record cannot be read, holds no game or
// is damaged (see PlayableSavedGame), or was refused for the Internet game.
bool RestoreSavedGame(int FileNo);

// True when the record holds a game (its whose-turn word is not 0).
bool HoldsGame(const SavedGameRecord& r);
// True when the record can be put on the table: two to four players, three
// or four centre piles, whose turn within the players; stock and used
// counts within the decks, pay-off counts 0..26, a hand of 0..5, centre
// counts 0..12 and hold counts 0..30 of every seat present; every card
// number read within the decks (0 none) and every rank 0..13.
bool PlayableSavedGame(const SavedGameRecord& r);
// Reads record recordNo of an open saved-game file (a record past the end
// reads as empty); false when it could not be read.
bool ReadSavedGame(vb::RecordFile& file, int recordNo, SavedGameRecord& out);

// A move-log title that carries the human's runs of the turn (BestRun row 1,
// columns 0..5) as numbers after its first word ("AutoSave" for a blank
// title), the word shortened when the numbers would not fit.
QString TitleWithRuns(const QString& title);
// The human's runs of the turn back from such a title: its second to
// seventh words as numbers (0 for a word that is missing or no number).
void RunsFromTitle(const QString& title);

}  // namespace grisk
