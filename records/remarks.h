// The current opponent's spoken remarks on the human's play, and its nudges
// while the human idles.
#pragma once

namespace grisk {

// The opponent's remark on a poor play of the human: remark lines 31 and 32
// after a King, else line 33, on the message line, with sound "~105.tmp"
// when every sound is on; then a pause. Silent for an opponent without
// comments (NoComments).
void Dumbness();

// The idle timer's nudge: the opponent whose remarks are loaded speaks one
// of its three idle lines (28, 29, 30) on the remark line, each once in an
// order drawn at the first nudge of a game; with three or four players the
// first opponent's avatar shows. The timer stops and the nudge is counted in
// NudgeCount(0); after the third nothing more is said.
void ShowRandomComment();

}  // namespace grisk
