// The move log "~tempmoves.sav": saved-game records of the running turn,
// kept while the auto-save option is on.
#pragma once

namespace grisk {

// True opens the log (created when missing) and switches auto-save on;
// False switches it off, clears TurnCount and closes the log. The option
// follows the request even when the file cannot be opened; the result tells
// whether the log is open.
bool OpenMoveLog(bool LogOn);

}  // namespace grisk
