#include "opponent/state.h"

namespace grisk {

OpponentState opp;

void ResetOpponentState() { opp = OpponentState{}; }

}  // namespace grisk
