// The data files that stay open while the program runs: the saved games
// ("backup.sav", from start-up to shut-down) and the move log (while
// logging is on).
#pragma once

#include "platform/recordfile.h"

namespace grisk {

vb::RecordFile& BackupFile();   // file 4
vb::RecordFile& MoveLogFile();  // file 9

}  // namespace grisk
