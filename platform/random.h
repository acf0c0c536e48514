// The program's one random generator: seeded once at start-up, seedable by
// tests and the simulator.
#pragma once

#include <cstdint>

namespace vb {

// The next value, uniform in [0, 1).
double Rnd();
// Seeds the generator (Randomize). Without an argument: from the clock.
void Randomize();
void Randomize(uint64_t seed);

}  // namespace vb
