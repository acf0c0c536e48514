// The wild-card counters on the status bar.
#pragma once

namespace grisk {

// Writes the Kings played from the pay-off pile and from hand or hold
// ("Wild:  0/ 0") for the human into panel 4 and for the opponent the
// status line shows into panel 8.
void WildUpdate();

}  // namespace grisk
