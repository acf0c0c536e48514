#include "platform/random.h"

#include <chrono>
#include <random>

namespace vb {
namespace {
std::mt19937_64& generator() {
    static std::mt19937_64 gen(0x5eed);
    return gen;
}
}  // namespace

double Rnd() {
    // 53 random bits give every double in [0, 1) that the step allows.
    return static_cast<double>(generator()() >> 11) * (1.0 / 9007199254740992.0);
}

void Randomize() {
    Randomize(static_cast<uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count()));
}

void Randomize(uint64_t seed) { generator().seed(seed); }

}  // namespace vb
