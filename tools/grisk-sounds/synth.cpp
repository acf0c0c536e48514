#include "synth.h"

#include "mix.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <string_view>

namespace grisk_sounds {
namespace {
using namespace mix;

// ---------------------------------------------------------------- timbres

// Harmonic series, gains falling as 1/n^slope, upper ones dying sooner.
Partials harmonics(int count, double slope) {
    Partials p;
    for (int n = 1; n <= count; ++n) p.push_back({double(n), std::pow(n, -slope), 1 / std::sqrt(n)});
    return p;
}

const Partials kVoice{{1, 1}, {2, 0.35}, {3, 0.16}, {4, 0.05}};
const Partials kBell{{1, 1, 1}, {2, 0.45, 0.7}, {3, 0.22, 0.5}, {4.16, 0.16, 0.35}, {5.43, 0.07, 0.25}};
// A struck metal bar: its modes are not harmonic.
const Partials kBar{{1, 1, 1}, {2.756, 0.5, 0.6}, {5.404, 0.25, 0.4}, {8.933, 0.1, 0.25}};
const Partials kWoodBlock{{1, 1, 1}, {2.3, 0.45, 0.5}, {3.9, 0.18, 0.3}};
const Partials kCoin{{1, 1, 1}, {2.32, 0.5, 0.65}, {3.91, 0.28, 0.4}};
const Partials kHollow{{1, 1, 1}, {3, 0.3, 0.6}, {5, 0.14, 0.45}, {7, 0.06, 0.35}};

// ------------------------------------------------------------ card sounds

// What the sounds of one card-sound set share: the rustle of the card and
// the surface it lands on (a wooden table or a metal tray).
struct CardSet {
    double rustle;  // centre of the card's noise
    double rustleQ;
    double surface;  // fundamental of the surface
    Partials surfacePartials;
    double surfaceDecay;
    double surfaceGain;
    double ring;  // extra seconds the surface rings on
    std::uint32_t seed;
};

const CardSet kWood{2500, 0.9, 230, {{1, 1, 1}, {2.63, 0.35, 0.5}, {4.1, 0.12, 0.3}}, 0.028, 0.7, 0.0, 100};
const CardSet kMetal{3400, 1.2, 1560, kBar, 0.1, 0.28, 0.12, 200};

// A card brushing past: a short burst of filtered noise, falling a little.
void flick(Mix& m, const CardSet& s, double at, double length, double gain, double pitch,
           std::uint32_t seed) {
    m.add(Noise{.start = at, .length = length, .filter = Filter::Band,
                .cutoff = s.rustle * pitch, .cutoffEnd = s.rustle * pitch * 0.7, .q = s.rustleQ,
                .attack = 0.002, .decay = length / 4, .release = length / 3, .gain = gain,
                .seed = s.seed + seed});
}

// A card landing: a click and the surface under it.
void land(Mix& m, const CardSet& s, double at, double gain, double pitch, std::uint32_t seed) {
    m.add(Noise{.start = at, .length = 0.03, .filter = Filter::Band, .cutoff = s.rustle * 1.3,
                .q = 1.0, .attack = 0.0008, .decay = 0.004, .release = 0.01, .gain = gain,
                .seed = s.seed + seed});
    m.add(Tone{.start = at, .length = s.surfaceDecay * 6, .freq = s.surface * pitch,
               .partials = s.surfacePartials, .attack = 0.001, .decay = s.surfaceDecay,
               .release = s.surfaceDecay * 2, .gain = gain * s.surfaceGain});
}

// Card sound 1: a card turned face up (also what the wood set plays when
// cards are cleared away): a swish, the flip and the card settling.
Samples cardTurn(const CardSet& s) {
    Mix m(0.24 + s.ring);
    m.add(Noise{.start = 0, .length = 0.08, .filter = Filter::Band, .cutoff = s.rustle * 0.6,
                .cutoffEnd = s.rustle * 1.2, .q = 0.8, .attack = 0.03, .decay = 0,
                .release = 0.04, .gain = 0.35, .seed = s.seed + 1});
    land(m, s, 0.06, 0.8, 1.0, 2);
    land(m, s, 0.1, 0.35, 1.12, 3);
    return m.finish(0.42);
}

// Card sound 2: a card slid onto a centre pile and snapped down.
Samples cardToCentre(const CardSet& s) {
    Mix m(0.28 + s.ring);
    m.add(Noise{.start = 0, .length = 0.1, .filter = Filter::Band, .cutoff = s.rustle * 0.8,
                .cutoffEnd = s.rustle * 1.4, .q = 1.1, .attack = 0.05, .decay = 0,
                .release = 0.03, .gain = 0.4, .seed = s.seed + 4});
    land(m, s, 0.09, 1.0, 0.9, 5);
    return m.finish(0.48);
}

// Card sound 3: a card dealt to an opponent: light, quick and high.
Samples cardDealtAcross(const CardSet& s) {
    Mix m(0.15 + s.ring * 0.6);
    flick(m, s, 0, 0.04, 0.7, 1.35, 6);
    land(m, s, 0.03, 0.45, 1.25, 7);
    return m.finish(0.36);
}

// Card sound 4: a discard slapped onto a hold pile, which ends the turn.
Samples cardDiscard(const CardSet& s) {
    Mix m(0.3 + s.ring);
    flick(m, s, 0, 0.06, 0.5, 0.8, 8);
    land(m, s, 0.05, 1.0, 0.78, 9);
    land(m, s, 0.052, 0.5, 0.52, 10);
    return m.finish(0.5);
}

// Card sound 5: a card dealt to the player: nearer and fuller.
Samples cardDealtNear(const CardSet& s) {
    Mix m(0.2 + s.ring);
    flick(m, s, 0, 0.05, 0.7, 1.05, 11);
    land(m, s, 0.04, 0.8, 1.0, 12);
    return m.finish(0.42);
}

// ----------------------------------------------------------- other sounds

// An opponent's "uh-oh": two sung notes, the second sagging.
Samples remark() {
    Mix m(0.62);
    m.add(Tone{.start = 0, .length = 0.2, .freq = note(67), .partials = kVoice, .attack = 0.02,
               .release = 0.06, .vibratoRate = 5.5, .vibratoDepth = 0.006});
    m.add(Tone{.start = 0.21, .length = 0.4, .freq = note(64), .freqEnd = note(63),
               .partials = kVoice, .attack = 0.02, .decay = 0.35, .release = 0.15,
               .vibratoRate = 5.5, .vibratoDepth = 0.008});
    return m.finish(0.32);
}

// A soft rising breath with a glint on top.
Samples hover() {
    Mix m(0.24);
    m.add(Noise{.start = 0, .length = 0.22, .filter = Filter::Band, .cutoff = 900,
                .cutoffEnd = 2600, .q = 1.5, .attack = 0.08, .decay = 0, .release = 0.1,
                .gain = 1, .seed = 300});
    m.add(Tone{.start = 0.08, .length = 0.15, .freq = note(88), .partials = kBell,
               .attack = 0.003, .decay = 0.05, .release = 0.05, .gain = 0.25});
    return m.finish(0.28);
}

// A knock on a wood block.
Samples woodClick() {
    Mix m(0.14);
    m.add(Tone{.start = 0, .length = 0.13, .freq = 540, .partials = kWoodBlock, .attack = 0.0008,
               .decay = 0.02, .release = 0.03});
    m.add(Noise{.start = 0, .length = 0.02, .cutoff = 2800, .q = 1.4, .attack = 0.0005,
                .decay = 0.003, .release = 0.008, .gain = 0.8, .seed = 301});
    return m.finish(0.42);
}

// A tap on a small metal bar.
Samples metalClick() {
    Mix m(0.16);
    m.add(Tone{.start = 0, .length = 0.155, .freq = 1900, .partials = kBar, .attack = 0.0008,
               .decay = 0.035, .release = 0.03});
    m.add(Noise{.start = 0, .length = 0.015, .filter = Filter::High, .cutoff = 5000, .q = 0.7,
                .attack = 0.0005, .decay = 0.002, .release = 0.006, .gain = 0.5, .seed = 302});
    return m.finish(0.38);
}

// "Nuh-uh": two low, hollow notes, the second a semitone lower.
Samples refusal() {
    Mix m(0.4);
    m.add(Tone{.start = 0, .length = 0.14, .freq = note(52), .partials = kHollow, .attack = 0.006,
               .decay = 0.2, .release = 0.04});
    m.add(Tone{.start = 0.17, .length = 0.21, .freq = note(51), .partials = kHollow,
               .attack = 0.006, .decay = 0.2, .release = 0.06});
    return m.finish(0.35);
}

// Two rising bell notes.
Samples chatChime() {
    Mix m(0.7);
    m.add(Tone{.start = 0, .length = 0.6, .freq = note(81), .partials = kBell, .attack = 0.002,
               .decay = 0.22, .release = 0.1, .gain = 0.8});
    m.add(Tone{.start = 0.12, .length = 0.58, .freq = note(88), .partials = kBell,
               .attack = 0.002, .decay = 0.26, .release = 0.1});
    return m.finish(0.45);
}

// A riffle shuffle: a run of card ticks that speeds up and tails off, then
// the deck squared on the table.
Samples shuffle() {
    Mix m(0.85);
    Random random(400);
    m.add(Noise{.start = 0.02, .length = 0.6, .filter = Filter::Band, .cutoff = 1800, .q = 0.8,
                .attack = 0.1, .decay = 0, .release = 0.12, .gain = 0.12, .seed = 401});
    constexpr int kTicks = 24;
    for (int i = 0; i < kTicks; ++i) {
        const double x = double(i) / (kTicks - 1);
        const double at = 0.03 + 0.57 * std::pow(x, 0.85) + 0.004 * random.next();
        const double swell = std::sqrt(std::sin(kPi * (i + 0.5) / kTicks));
        m.add(Noise{.start = at, .length = 0.025, .cutoff = 3400 + 800 * random.next(), .q = 1.2,
                    .attack = 0.0006, .decay = 0.005, .release = 0.008,
                    .gain = swell * (0.75 + 0.25 * random.next()),
                    .seed = 410 + std::uint32_t(i)});
    }
    std::uint32_t seed = 450;
    for (double at : {0.68, 0.74}) {
        const double gain = at < 0.7 ? 0.6 : 0.35;
        m.add(Tone{.start = at, .length = 0.1, .freq = 210, .partials = kWood.surfacePartials,
                   .attack = 0.001, .decay = 0.025, .release = 0.04, .gain = gain});
        m.add(Noise{.start = at, .length = 0.03, .cutoff = 3000, .attack = 0.0008, .decay = 0.005,
                    .gain = gain, .seed = seed++});
    }
    return m.finish(0.45);
}

// A short brass call, G-C-E, landing on a C major chord.
Samples fanfare() {
    Mix m(0.98);
    const Partials brass = harmonics(6, 1.2);
    double at = 0;
    for (int n : {67, 72, 76}) {
        m.add(Tone{.start = at, .length = 0.13, .freq = note(n), .partials = brass,
                   .attack = 0.018, .release = 0.04, .gain = 0.8});
        at += 0.13;
    }
    for (int n : {60, 72, 76, 79, 84})
        m.add(Tone{.start = 0.4, .length = 0.56, .freq = note(n), .partials = brass,
                   .attack = 0.02, .decay = 0.6, .release = 0.22, .gain = n == 60 ? 0.6 : 0.5,
                   .vibratoRate = 5, .vibratoDepth = 0.004});
    return m.finish(0.5);
}

// A coin flicked up, spinning in the air, then landing and rattling still.
Samples coinToss() {
    Mix m(1.25);
    m.add(Noise{.start = 0, .length = 0.02, .cutoff = 3500, .attack = 0.0005, .decay = 0.004,
                .gain = 0.6, .seed = 500});
    m.add(Tone{.start = 0, .length = 0.7, .freq = 2900, .partials = kCoin, .attack = 0.001,
               .decay = 0.18, .release = 0.15, .gain = 0.8, .tremoloRate = 16,
               .tremoloDepth = 0.7});
    double at = 0.74;
    double gain = 0.8;
    std::uint32_t seed = 510;
    for (double gap : {0.11, 0.075, 0.05, 0.033, 0.022, 0.015, 0.0}) {
        m.add(Tone{.start = at, .length = 0.14, .freq = 2750, .partials = kCoin, .attack = 0.0008,
                   .decay = 0.035, .release = 0.05, .gain = gain});
        m.add(Noise{.start = at, .length = 0.015, .cutoff = 4000, .attack = 0.0005,
                    .decay = 0.003, .release = 0.006, .gain = gain * 0.5,
                    .seed = seed++});
        at += gap;
        gain *= 0.75;
    }
    m.add(Tone{.start = at, .length = 0.35, .freq = 2750, .partials = kCoin, .attack = 0.01,
               .decay = 0.1, .release = 0.12, .gain = 0.25, .tremoloRate = 30,
               .tremoloDepth = 0.8});
    return m.finish(0.45);
}

Samples metalTurn() { return cardTurn(kMetal); }
Samples metalToCentre() { return cardToCentre(kMetal); }
Samples metalDealtAcross() { return cardDealtAcross(kMetal); }
Samples metalDiscard() { return cardDiscard(kMetal); }
Samples metalDealtNear() { return cardDealtNear(kMetal); }
Samples woodTurn() { return cardTurn(kWood); }
Samples woodToCentre() { return cardToCentre(kWood); }
Samples woodDealtAcross() { return cardDealtAcross(kWood); }
Samples woodDiscard() { return cardDiscard(kWood); }
Samples woodDealtNear() { return cardDealtNear(kWood); }

// The one list of the program's sounds. Card sounds 1..5 are 113, 112, 111,
// 115, 114 in the metallic set and 118, 117, 116, 120, 119 in the wood set.
const std::array<ProgramSound, 19> kSounds{{
    {105, "remark", "an opponent remarks on a missed or poor play; an opponent peeks", remark},
    {106, "hover", "the pointer first enters the menu strip", hover},
    {107, "wood click", "a menu title is clicked (wood card sounds)", woodClick},
    {108, "refusal",
     "a move or drop is refused; a system line or a player joining in a network game", refusal},
    {109, "metal click", "a menu title is clicked (metallic card sounds)", metalClick},
    {110, "chat chime", "a chat line from another player arrives", chatChime},
    {111, "metal deal across", "metallic card sound 3: a card dealt to an opponent",
     metalDealtAcross},
    {112, "metal play", "metallic card sound 2: a card played to a centre pile", metalToCentre},
    {113, "metal turn", "metallic card sound 1: a card turned up", metalTurn},
    {114, "metal deal near", "metallic card sound 5: a card dealt to the player", metalDealtNear},
    {115, "metal discard", "metallic card sound 4: a discard onto a hold pile", metalDiscard},
    {116, "wood deal across", "wood card sound 3: a card dealt to an opponent", woodDealtAcross},
    {117, "wood play", "wood card sound 2: a card played to a centre pile; a game restored from "
                       "the move log", woodToCentre},
    {118, "wood turn", "wood card sound 1: a card turned up; cards cleared away; the deal; "
                       "peeking", woodTurn},
    {119, "wood deal near", "wood card sound 5: a card dealt to the player; the About icon",
     woodDealtNear},
    {120, "wood discard", "wood card sound 4: a discard onto a hold pile", woodDiscard},
    {121, "shuffle", "the deal begins; a game restored from a backup; a network game is set up",
     shuffle},
    {122, "fanfare", "a new game starts", fanfare},
    {123, "coin toss", "a tie for the first turn is tossed for (played to its end)", coinToss},
}};

void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(std::uint8_t(v & 0xff));
    out.push_back(std::uint8_t(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, std::uint16_t(v & 0xffff));
    put16(out, std::uint16_t(v >> 16));
}

void putTag(std::vector<std::uint8_t>& out, std::string_view tag) {
    for (char c : tag) out.push_back(std::uint8_t(c));
}

}  // namespace

std::span<const ProgramSound> programSounds() { return kSounds; }

Samples emptySound() { return Samples(sampleCount(0.05), 0); }

// A hand's smack: a sharp, bright crack of noise over a dull thud of the
// palm, and a short ring of the skin.
Samples slapSound() {
    Mix m(0.32);
    m.add(Noise{.start = 0, .length = 0.09, .filter = Filter::High, .cutoff = 2500, .cutoffEnd = 1200,
                .q = 0.8, .attack = 0.0005, .decay = 0.018, .release = 0.02, .gain = 1.0, .seed = 41});
    m.add(Noise{.start = 0, .length = 0.16, .filter = Filter::Low, .cutoff = 420, .cutoffEnd = 160,
                .q = 1.2, .attack = 0.001, .decay = 0.05, .release = 0.05, .gain = 1.4, .seed = 42});
    m.add(Noise{.start = 0.004, .length = 0.22, .filter = Filter::Band, .cutoff = 1100, .q = 4,
                .attack = 0.002, .decay = 0.06, .release = 0.08, .gain = 0.5, .seed = 43});
    return m.finish(0.85);
}

std::vector<std::uint8_t> wavFile(const Samples& samples, int sampleRate) {
    const auto dataSize = std::uint32_t(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize);
    putTag(out, "RIFF");
    put32(out, 36 + dataSize);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);                        // size of the format chunk
    put16(out, 1);                         // PCM
    put16(out, 1);                         // mono
    put32(out, std::uint32_t(sampleRate));
    put32(out, std::uint32_t(sampleRate) * 2);  // bytes per second
    put16(out, 2);                         // bytes per sample frame
    put16(out, 16);                        // bits per sample
    putTag(out, "data");
    put32(out, dataSize);
    for (std::int16_t s : samples) put16(out, std::uint16_t(s));
    return out;
}

}  // namespace grisk_sounds
