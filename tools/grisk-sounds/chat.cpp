// The chat's own sounds: a few short effects the player finds in the sound
// list of the chat window and can send to the other players.
#include "mix.h"
#include "synth.h"

#include <array>

namespace grisk_sounds {
namespace {
using namespace mix;

const Partials kRound{{1, 1, 1}, {2, 0.3, 0.6}, {3, 0.12, 0.4}};

// A spring let go: a tone that bounces down and up.
Samples boing() {
    Mix m(0.7);
    m.add(Tone{.start = 0, .length = 0.6, .freq = 180, .freqEnd = 90, .partials = kRound, .attack = 0.004,
               .decay = 0.25, .release = 0.1, .gain = 1, .vibratoRate = 14, .vibratoDepth = 0.12});
    return m.finish(0.8);
}

// Three rising notes and a bright chord: well played!
Samples cheer() {
    Mix m(1.1);
    const std::array<int, 3> run{67, 72, 76};
    for (std::size_t i = 0; i < run.size(); ++i)
        m.add(Tone{.start = 0.12 * double(i), .length = 0.14, .freq = note(run[i]), .partials = kRound,
                   .attack = 0.004, .decay = 0.08, .release = 0.03, .gain = 0.8});
    for (int n : {72, 76, 79, 84})
        m.add(Tone{.start = 0.38, .length = 0.65, .freq = note(n), .partials = kRound, .attack = 0.01,
                   .decay = 0.35, .release = 0.2, .gain = 0.45, .vibratoRate = 5, .vibratoDepth = 0.004});
    return m.finish(0.8);
}

// A drum roll that ends on a crash.
Samples drumroll() {
    Mix m(1.3);
    for (int i = 0; i < 16; ++i)
        m.add(Noise{.start = 0.05 * i, .length = 0.05, .filter = Filter::Band, .cutoff = 900, .q = 1.5,
                    .attack = 0.001, .decay = 0.015, .release = 0.01, .gain = 0.4 + 0.04 * i,
                    .seed = 70u + unsigned(i)});
    m.add(Noise{.start = 0.8, .length = 0.5, .filter = Filter::High, .cutoff = 3500, .cutoffEnd = 2000, .q = 0.7,
                .attack = 0.002, .decay = 0.18, .release = 0.15, .gain = 1.2, .seed = 99});
    m.add(Tone{.start = 0.8, .length = 0.3, .freq = 70, .freqEnd = 50, .attack = 0.002, .decay = 0.1,
               .release = 0.1, .gain = 0.8});
    return m.finish(0.8);
}

// A sad falling slide: oh no.
Samples oops() {
    Mix m(0.9);
    m.add(Tone{.start = 0, .length = 0.3, .freq = note(70), .freqEnd = note(66), .partials = kRound,
               .attack = 0.01, .release = 0.05, .gain = 0.8, .vibratoRate = 6, .vibratoDepth = 0.01});
    m.add(Tone{.start = 0.32, .length = 0.55, .freq = note(65), .freqEnd = note(58), .partials = kRound,
               .attack = 0.01, .decay = 0.4, .release = 0.12, .gain = 0.8, .vibratoRate = 6,
               .vibratoDepth = 0.015});
    return m.finish(0.8);
}

constexpr std::array<ChatSound, 4> kChatSounds{{
    {"Boing", "a spring let go", boing},
    {"Cheer", "three rising notes and a chord", cheer},
    {"Drumroll", "a drum roll ending on a crash", drumroll},
    {"Oops", "a sad falling slide", oops},
}};

}  // namespace

std::span<const ChatSound> chatSounds() { return kChatSounds; }

}  // namespace grisk_sounds
