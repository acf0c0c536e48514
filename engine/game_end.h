// The end of a game: the winner, the margin, the result, the statistics and
// the end show.
#pragma once

namespace grisk {

// Ends the game when a pay-off pile is empty (the human's SideCount, or
// OppSideCount of the seat whose record is loaded): the result text and
// sounds, every hand face up, the game counted in the signed-in player's
// profile (a local game: slots 0, the first opponent's level + 1 and the
// table size + 2, and the best runs) or in the Internet session and score
// file, then the end show of a winning computer player or the cards' flow
// for a winning human. No one is on turn afterwards (Pturn 0), the human's
// hand is locked, and the game is always released (GameBusy and MenuLocked
// off) however Game_End ends.
void Game_End();

// The margin: the cards left on every pay-off pile of the table.
int DoTheMargin();

// Counts one game into the working counters StatPlayed, StatWon and
// StatMargin: the human won when the human's pay-off pile is empty, and the
// margin is added, else it is taken off. LastMargin keeps it. A slot above
// 32000 games warns that it will soon be full ("Score file overflowing");
// the game is counted all the same.
void DoTheMath();

// The same for a given outcome, without the warning.
void DoTheNETMath(bool ThisOneWon);

// Counts the game in statistics slot thisScore (0..6) of ProfileRec; the
// stored numbers stay within their 16-bit fields.
void DoTheUpdate(int thisScore);

}  // namespace grisk
