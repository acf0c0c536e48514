// The run statistics: cards played to the centre piles in one turn, counted
// by where they came from, the best runs of the game and of all time, and
// the high-score table "highscore.ran".
#pragma once

#include <QString>

namespace grisk {

// One card played from slot category (1 pay-off pile, 2..6 hand, 7..10 hold
// piles) by the player of BestRun row who (1 the human, 3 a computer
// player); the row's run shows on the status bar (panel 2 for row 1, else 6).
void StatsAdd(int category, int who);

// Compares row ckNew (a run) with row ckOld (the best so far) and keeps a
// new best; during a game the run panel shows the run and row ckNew starts
// again at zero; at the game's end (Pturn 0) a new best of a local game
// goes into the high-score table.
void StatsCk(int ckNew, int ckOld);

// At a game's end: the best of the game (row ckNew: 2 the human's, 4 the
// computer seats') against the best ever (row whoSaved: 0 the human's,
// reloaded from the profile first; 5 the computer opponents'), through
// StatsCk, and the best ever stored back into the profile's BestRuns
// (ProfileRec, which the caller writes).
void StatsSave(int ckNew, int whoSaved);

// Enters the run of BestRun row player (columns position..position + 2 and
// the total) into records first..last of "highscore.ran" (1..10 the runs by
// total, 11..20 the side runs by side cards, compared on bestSide).
void StatsHigh(int player, int first, int last, int position, int total, int bestSide = 0);

// "New Stats Record!" on the notice label.
void StatsNotify();

// The run text of BestRun row: each of columns 0..2 with "-", then " [",
// their sum and " ]" (numbers with the blank of Str).
QString RunText(int row);

// Today as the stored day count of a record date.
double TodayAsDayCount();

}  // namespace grisk
