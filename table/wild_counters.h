// The wild-card counters on the status bar.
#pragma once

namespace grisk {

// Writes the Kings played from the pay-off pile and from hand or hold
// ("Wild:  0/ 0"; without "Wild: " on a screen 640 pixels wide or less) for
// the human into panel 4, and into panel 8 those of the loaded seat (two
// players, or a narrow screen) or of the seat whose name panel 5 shows.
void WildUpdate();

}  // namespace grisk
