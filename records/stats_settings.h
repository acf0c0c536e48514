// The settings snapshot that shut-down leaves in "scores.ran".
#pragma once

#include "platform/recordfile.h"

namespace grisk {

// The records of "scores.ran" that carry the snapshot.
inline constexpr int kSettingsAvatarRecord = 12;
inline constexpr int kSettingsPlayerRecord = 13;
inline constexpr int kSettingsColorRecord = 16;
inline constexpr int kSettingsTableRecord = 17;
inline constexpr int kSettingsRulesRecord = 18;

// Writes records 12, 13, 16, 17 and 18 of the open "scores.ran" from the
// options in force; no other record is touched. One record buffer is
// filled in turn, so record 13's Value4 repeats record 12's and record 17's
// Value3 repeats record 16's. False when a record could not be written (the
// others still are).
bool SaveSettings(vb::RecordFile& scores);

}  // namespace grisk
