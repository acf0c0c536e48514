// The table's status bar.
#pragma once

namespace grisk {

// Resets the status bar for a new game: panels 2..8 emptied, the human's
// name in panel 1 and the first opponent's in panel 5 (each followed by
// ":"), and the tool tips of the two wild-card panels.
void StatusBar_Clear();

}  // namespace grisk
