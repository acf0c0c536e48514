// The personalities' voices: sixteen short sung-and-spoken sounds each,
// from a buzzing source shaped by vowel resonances. Every personality sings
// the same sixteen gestures in a voice of its own (pitch, vowel colour,
// speed, vibrato, growl and echo).
#include <array>
#include <cmath>
#include <string_view>

#include "mix.h"
#include "synth.h"

namespace grisk_sounds {
namespace {
using namespace mix;

struct Voice {
    const char* name;
    int pitch;           // MIDI note of the speaking pitch
    double formants;     // vowel resonances scaled by this (a smaller head, higher)
    double tempo;        // gestures stretched by this
    double vibratoRate;
    double vibratoDepth;
    double growlRate;    // a rough, fast wobble of the level; 0 for none
    double growlDepth;
    double breath;       // breath noise under the voice, 0..1
    double echo;         // a delayed copy at this level, 0 for none
};

constexpr std::array<Voice, 4> kVoices{{
    {"Grisk", 43, 0.9, 0.9, 5.0, 0.012, 27, 0.35, 0.15, 0},
    {"Varnok", 48, 0.95, 1.25, 4.5, 0.022, 0, 0, 0.1, 0},
    {"Voze", 62, 1.15, 1.3, 5.5, 0.016, 0, 0, 0.35, 0.35},
    {"Zozida", 65, 1.2, 0.8, 6.5, 0.006, 0, 0, 0.05, 0},
}};

// The first three resonances of a vowel, Hz.
struct Vowel {
    double f1, f2, f3;
};
constexpr Vowel kA{730, 1090, 2440};
constexpr Vowel kO{570, 840, 2410};
constexpr Vowel kU{300, 870, 2240};
constexpr Vowel kE{530, 1840, 2480};
constexpr Vowel kI{270, 2290, 3010};

// The harmonics of a buzz at f0, each as loud as the vowel's resonances
// make it.
Partials vowelPartials(double f0, const Vowel& v, double scale) {
    auto peak = [](double f, double centre, double width) {
        const double x = (f - centre) / (width / 2);
        return 1 / std::sqrt(1 + x * x);
    };
    Partials p;
    for (int n = 1; n <= 48 && n * f0 < 5000; ++n) {
        const double f = n * f0;
        const double shape = peak(f, v.f1 * scale, 160) + 0.7 * peak(f, v.f2 * scale, 200) +
                             0.35 * peak(f, v.f3 * scale, 260) + 0.04;
        p.push_back({double(n), shape / std::pow(n, 0.6), 1});
    }
    return p;
}

// One syllable: a vowel sung from one pitch to another (semitones above the
// voice's pitch), with an "h" of breath before it when breathy.
struct Syllable {
    double at;
    double length;
    double from;
    double to;
    Vowel vowel;
    bool breathy = false;
    double gain = 1;
};

void sing(Mix& m, const Voice& v, const Syllable& s, double delay, double level) {
    const double at = s.at * v.tempo + delay;
    const double length = s.length * v.tempo;
    const double f0 = note(v.pitch) * std::pow(2.0, s.from / 12);
    const double f1 = note(v.pitch) * std::pow(2.0, s.to / 12);
    const double gain = s.gain * level;
    if (s.breathy)
        m.add(Noise{.start = at, .length = 0.07, .filter = Filter::Band, .cutoff = s.vowel.f2 * v.formants,
                    .q = 1.2, .attack = 0.01, .decay = 0, .release = 0.03, .gain = 0.5 * gain,
                    .seed = std::uint32_t(1000 + at * 1000)});
    const double voiced = at + (s.breathy ? 0.05 : 0);
    m.add(Tone{.start = voiced, .length = length, .freq = f0, .freqEnd = f1,
               .partials = vowelPartials(std::sqrt(f0 * f1), s.vowel, v.formants), .attack = 0.02,
               .release = std::min(0.08, length / 3), .gain = gain, .vibratoRate = v.vibratoRate,
               .vibratoDepth = v.vibratoDepth, .tremoloRate = v.growlRate, .tremoloDepth = v.growlDepth});
    if (v.breath > 0)
        m.add(Noise{.start = voiced, .length = length, .filter = Filter::Band, .cutoff = s.vowel.f2 * v.formants,
                    .q = 0.8, .attack = 0.02, .decay = 0, .release = std::min(0.08, length / 3),
                    .gain = v.breath * 0.3 * gain, .seed = std::uint32_t(2000 + at * 1000)});
}

using Gesture = std::vector<Syllable>;

// The sixteen gestures, by event number.
Gesture gesture(int event) {
    switch (event) {
    case 1:  // the player's wild King: "uh-oh"
        return {{0, 0.16, 2, 2, kA}, {0.2, 0.42, 5, -3, kO}};
    case 2:  // turn over: a hummed "hm-hm"
        return {{0, 0.22, 0, 2, kU}, {0.28, 0.3, 2, -2, kU}};
    case 3:  // blocking: "ha ha ha"
        return {{0, 0.12, 7, 6, kA, true}, {0.17, 0.12, 5, 4, kA, true}, {0.34, 0.16, 3, 1, kA, true}};
    case 4:  // blocking: "heh-heh"
        return {{0, 0.1, 4, 4, kE, true}, {0.16, 0.14, 4, 3, kE, true}};
    case 5:  // blocking: "ha-HAA!"
        return {{0, 0.1, 3, 3, kA, true}, {0.14, 0.45, 8, 12, kA, false, 1.2}};
    case 6:  // blocking: a cackle
        return {{0, 0.1, 10, 10, kA, true},  {0.12, 0.1, 8, 8, kA, true}, {0.24, 0.1, 6, 6, kA, true},
                {0.36, 0.1, 4, 4, kA, true}, {0.48, 0.1, 2, 2, kA, true}, {0.6, 0.18, 0, -1, kA, true}};
    case 7:  // blocked: "aww"
        return {{0, 0.6, 4, -5, kA}};
    case 8:  // blocked: "hmph"
        return {{0, 0.16, -2, -4, kU, true, 1.1}};
    case 9:  // bad luck: "oh no"
        return {{0, 0.2, 2, 2, kO}, {0.26, 0.4, -1, -4, kO}};
    case 10:  // blocked: a growl
        return {{0, 0.55, -5, -6, kA, false, 1.1}};
    case 11:  // whining
        return {{0, 0.5, 7, 5, kI}, {0.5, 0.7, 5, -2, kE}};
    case 12:  // "tha-anks"
        return {{0, 0.14, 0, 0, kA, true}, {0.18, 0.36, 5, 4, kA}};
    case 13:  // "yeah!"
        return {{0, 0.55, 0, 9, kE, false, 1.2}};
    case 14:  // winner: "da da da daaa"
        return {{0, 0.13, 0, 0, kA}, {0.15, 0.13, 4, 4, kA}, {0.3, 0.13, 7, 7, kA}, {0.45, 0.6, 12, 12, kA}};
    case 15:  // loser: "wah wah wah waaah"
        return {{0, 0.22, 3, 3, kO}, {0.26, 0.22, 2, 2, kO}, {0.52, 0.22, 1, 1, kO}, {0.78, 0.8, 0, -1, kO}};
    case 16:  // its own wild King: a sly "oooh-hoo"
        return {{0, 0.4, -2, 7, kO}, {0.44, 0.3, 7, 3, kU, true}};
    default: return {};
    }
}

Samples render(const Voice& v, int event) {
    const Gesture g = gesture(event);
    double end = 0;
    for (const Syllable& s : g) end = std::max(end, (s.at + s.length) * v.tempo + (s.breathy ? 0.05 : 0));
    const double echoDelay = 0.19;
    Mix m(end + (v.echo > 0 ? echoDelay : 0) + 0.05);
    for (const Syllable& s : g) {
        sing(m, v, s, 0, 1);
        if (v.echo > 0) sing(m, v, s, echoDelay, v.echo);
    }
    return m.finish(0.6);
}

}  // namespace

std::vector<std::string> personalityNames() {
    std::vector<std::string> out;
    for (const Voice& v : kVoices) out.emplace_back(v.name);
    return out;
}

std::vector<Samples> personalitySounds(std::string_view name) {
    std::vector<Samples> out;
    for (const Voice& v : kVoices) {
        if (name != v.name) continue;
        for (int event = 1; event <= kPersonalitySounds; ++event) out.push_back(render(v, event));
    }
    return out;
}

}  // namespace grisk_sounds
