// The current opponent's spoken remarks on the human's play.
#pragma once

namespace grisk {

// The opponent's remark on a poor play of the human: remark lines 31 and 32
// after a King, else line 33, on the message line, with sound "~105.tmp"
// when every sound is on; then a pause. Silent for an opponent without
// comments (NoComments).
void Dumbness();

}  // namespace grisk
