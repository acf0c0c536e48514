// The program's engine and table without a window, for the tools that play
// whole games (grisk-sim, grisk-tutorial): one way to set them up.
#pragma once

#include <QString>

namespace headless {

// No screen windows, message boxes answered by script, pauses that take no
// time, the shared state reset, and the data and user folders in folder.
void StartEngine(const QString& folder);

// The table of a screen of the given size (twips), laid out as start-up
// lays it out for the players and centre piles, with nothing painted, no
// end-of-game shows, no sounds and no delay between the computer's moves.
void LayOutTable(int players, int centres, double screenWidthTw, double screenHeightTw);

}  // namespace headless
