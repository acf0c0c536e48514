// Moving the human's card rows up ("Move Cards Up") or back to their
// normal place.
#pragma once

namespace grisk {

// Up: the human's rows (and at two players seat 2's hold row) move up, with
// their frames, outlines, stack and hold image. Back: the table is laid out
// again for the player count and redrawn. Ends with the main window in
// twips.
void MoveCardRows(bool up);

}  // namespace grisk
