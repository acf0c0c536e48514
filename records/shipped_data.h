// The data the program ships and the files a first start needs, built from
// the reviewable sources in data/: the starting profile from "key = value"
// lines, the message texts from numbered lines, and the blank score,
// high-score and saved-game files.
#pragma once

#include <QByteArray>
#include <QString>

#include "records/personality_record.h"
#include "records/profile_record.h"

namespace grisk {

// Records of the starting files: "scores.ran" up to its last snapshot
// record, the twenty high-score entries, the saved-game slots up to the
// last tutorial position.
inline constexpr int kStartingScoreRecords = 18;
inline constexpr int kHighScoreEntries = 20;
inline constexpr int kSavedGameSlots = 38;

// A profile from "key = value" lines. Keys are the record's field names,
// array elements with their index ("RuleOptions(0)", "Seats(1).Name").
// Numbers are decimal, "&H" hexadecimal, True (-1) or False (0); texts are
// in double quotes. Blank lines and lines starting with "#" are skipped;
// fields not named stay zero (texts blank). False, with the line and the
// reason in error, for an unknown or repeated key, a malformed value, a
// number that does not fit its field or a text that is too long or not
// Latin-1.
bool ProfileFromDefaults(const QString& text, PlayerProfileRecord& profile, QString* error);

// A file of 100-character text records from "number = text" lines (the
// text without blanks around it). The file runs to the highest number;
// records not named are blank. False, with the line and the reason in
// error, for a bad or repeated number or a text over 100 characters or not
// Latin-1.
bool BuildMessageTexts(const QString& source, QByteArray& file, QString* error);

// A personality file from "key = value" lines: "Description" (the line of
// the opponent lists), the remark lines "1" .. "35", "Picture" (the avatar
// file), "Show" (the number of the end show's sound entry 0) and the sound
// files "Sound 1" .. "Sound 16" (".pmw" names, the personality's own column;
// the custom column starts as a copy). Every key must be there once, with
// a text that fits its field. False, with the line and the reason in
// error, otherwise.
bool BuildPersonalityFile(const QString& source, PersonalityRecord& personality, QString* error);

// The blank starting files: scores (blank names, zeros), high scores
// (When 0, blank names, zeros), saved games (zeros, blank titles).
QByteArray BlankScoresFile();
QByteArray BlankHighScoreFile();
QByteArray BlankSavedGamesFile();

}  // namespace grisk
