// The intro music: "Race to the Queen", a short tune in A minor for a
// plucked lute, a bass and soft strings, with a card tapped on the off
// beats. Eight bars at 112 beats a minute, the last chord left to ring.
#include "synth.h"

#include "mix.h"

#include <cmath>
#include <utility>
#include <vector>

namespace grisk_sounds {
namespace {
using namespace mix;

constexpr double kBeat = 60.0 / 112;
constexpr int kBars = 8;
constexpr double kRing = 2.4;  // seconds the last chord rings on

// A plucked string: bright at first, upper partials dying sooner.
const Partials kLute{{1, 1, 1}, {2, 0.55, 0.6}, {3, 0.32, 0.45}, {4, 0.16, 0.35}, {5, 0.08, 0.28}, {6, 0.04, 0.22}};
const Partials kBass{{1, 1, 1}, {2, 0.4, 0.8}, {3, 0.12, 0.6}};
const Partials kStrings{{1, 1}, {2, 0.3}, {3, 0.12}};

// The chords by bar: Am F C G Am F G Am (notes of the strings).
const std::vector<std::vector<int>> kChords{
    {57, 60, 64}, {53, 57, 60}, {55, 60, 64}, {55, 59, 62},
    {57, 60, 64}, {53, 57, 60}, {55, 59, 62}, {57, 60, 64}};
// The bass's root and fifth by bar.
const std::vector<std::pair<int, int>> kBassNotes{
    {45, 52}, {41, 48}, {48, 43}, {43, 50}, {45, 52}, {41, 48}, {43, 50}, {45, 40}};

struct Note {
    int midi;
    double beats;
};

// The tune, bar by bar (four beats each).
const std::vector<std::vector<Note>> kTune{
    {{76, 1}, {69, 0.5}, {72, 0.5}, {76, 1}, {74, 1}},
    {{72, 1}, {69, 1}, {77, 1.5}, {76, 0.5}},
    {{74, 1}, {72, 0.5}, {74, 0.5}, {76, 1}, {79, 1}},
    {{74, 2}, {71, 1}, {67, 1}},
    {{69, 0.5}, {72, 0.5}, {76, 0.5}, {81, 0.5}, {79, 1}, {76, 1}},
    {{77, 1}, {76, 0.5}, {74, 0.5}, {72, 1}, {69, 1}},
    {{71, 1}, {74, 1}, {79, 1}, {77, 0.5}, {74, 0.5}},
    {{76, 1}, {72, 1}, {69, 2}},
};

}  // namespace

Samples introMusic() {
    const double length = kBars * 4 * kBeat + kRing;
    Mix m(length);
    for (int bar = 0; bar < kBars; ++bar) {
        const double barStart = bar * 4 * kBeat;
        const bool last = bar == kBars - 1;
        // The tune.
        double at = barStart;
        for (const Note& n : kTune[static_cast<std::size_t>(bar)]) {
            const bool final = last && &n == &kTune.back().back();
            const double hold = n.beats * kBeat + (final ? kRing : 0.06);
            m.add(Tone{.start = at, .length = hold, .freq = note(n.midi), .partials = kLute, .attack = 0.004,
                       .decay = final ? 1.1 : 0.45, .release = final ? 0.8 : 0.08, .gain = 0.55,
                       .vibratoRate = 5.5, .vibratoDepth = final ? 0.003 : 0.0});
            at += n.beats * kBeat;
        }
        // The bass on beats one and three.
        const auto [root, fifth] = kBassNotes[static_cast<std::size_t>(bar)];
        m.add(Tone{.start = barStart, .length = 2 * kBeat, .freq = note(root), .partials = kBass,
                   .attack = 0.01, .decay = 0.9, .release = 0.1, .gain = 0.5});
        m.add(Tone{.start = barStart + 2 * kBeat, .length = last ? 2 * kBeat + kRing : 2 * kBeat,
                   .freq = note(last ? root - 12 : fifth), .partials = kBass, .attack = 0.01,
                   .decay = last ? 1.6 : 0.9, .release = last ? 1.0 : 0.1, .gain = 0.5});
        // The strings hold the chord through the bar.
        for (int n : kChords[static_cast<std::size_t>(bar)])
            m.add(Tone{.start = barStart, .length = 4 * kBeat + (last ? kRing : 0.15), .freq = note(n),
                       .partials = kStrings, .attack = 0.25, .release = last ? 1.4 : 0.3, .gain = 0.11,
                       .vibratoRate = 4.8, .vibratoDepth = 0.002, .tremoloRate = 3, .tremoloDepth = 0.15});
        // A card tapped on beats two and four, but for the last bar.
        if (!last)
            for (int beat : {1, 3})
                m.add(Noise{.start = barStart + beat * kBeat, .length = 0.06, .filter = Filter::Band,
                            .cutoff = 2600, .cutoffEnd = 1900, .q = 0.9, .attack = 0.001, .decay = 0.012,
                            .release = 0.02, .gain = 0.22,
                            .seed = static_cast<std::uint32_t>(900 + bar * 4 + beat)});
    }
    return m.finish(0.7);
}

}  // namespace grisk_sounds
