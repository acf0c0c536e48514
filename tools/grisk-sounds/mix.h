// The mixer the synthesised sounds are made with: pitched tones with
// partials and envelopes, and bursts of filtered noise, added into one
// buffer and scaled to a peak. Internal to grisk-sounds.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <vector>

#include "synth.h"

namespace grisk_sounds::mix {


inline constexpr double kPi = std::numbers::pi;
inline constexpr double kFullScale = 32767.0;
// Every sound fades in and out over these edges, whatever its parts do.
inline constexpr double kEdgeIn = 0.003;
inline constexpr double kEdgeOut = 0.015;

inline double note(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

inline std::size_t sampleCount(double seconds) {
    return seconds <= 0 ? 0 : static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

// A raised-cosine step from 0 (x <= 0) to 1 (x >= 1), flat at both ends, so
// nothing that starts or stops with it clicks.
inline double ramp(double x) {
    if (x <= 0) return 0;
    if (x >= 1) return 1;
    return 0.5 - 0.5 * std::cos(kPi * x);
}

// Attack ramp, exponential decay (a time constant; 0 holds the level) and a
// release ramp that reaches zero at the end of the part.
inline double envelope(double t, double length, double attack, double decay, double release) {
    const double minimum = 1.0 / kSampleRate;
    double e = ramp(t / std::max(attack, minimum)) * ramp((length - t) / std::max(release, minimum));
    if (decay > 0 && t > attack) e *= std::exp(-(t - attack) / decay);
    return e;
}

// xorshift32: the same noise on every machine and every run.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed * 2654435761u ^ 0x9e3779b9u) {
        if (state_ == 0) state_ = 0x6d2b79f5u;
    }
    // Uniform in [-1, 1).
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state_;
};

struct Partial {
    double ratio;            // to the fundamental
    double gain;
    double decayScale = 1;   // this partial's decay time against the tone's
};

using Partials = std::vector<Partial>;

// A pitched part. Times in seconds from the start of the sound.
struct Tone {
    double start = 0;
    double length = 0.2;
    double freq = 440;
    double freqEnd = 0;  // glides to this frequency over the length; 0: none
    Partials partials{{1, 1}};
    double attack = 0.005;
    double decay = 0;  // time constant; 0 holds the level until the release
    double release = 0.03;
    double gain = 1;
    double vibratoRate = 0;
    double vibratoDepth = 0;  // a fraction of the frequency
    double tremoloRate = 0;
    double tremoloDepth = 0;  // 0..1
};

enum class Filter { Low, Band, High };

// A burst of filtered white noise.
struct Noise {
    double start = 0;
    double length = 0.05;
    Filter filter = Filter::Band;
    double cutoff = 3000;
    double cutoffEnd = 0;  // sweeps to this cutoff over the length; 0: none
    double q = 1;
    double attack = 0.001;
    double decay = 0.01;
    double release = 0.01;
    double gain = 1;
    std::uint32_t seed = 1;
};

class Mix {
public:
    explicit Mix(double seconds) : buf_(sampleCount(seconds), 0.0) {}

    void add(const Tone& t) {
        const std::size_t first = sampleCount(t.start);
        const double length = fitted(t.start, t.length);
        const std::size_t count = countFrom(first, length);
        const double glideTo = t.freqEnd > 0 ? t.freqEnd : t.freq;
        const double highest = std::max(t.freq, glideTo) * (1 + t.vibratoDepth);
        double phase = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const double time = double(i) / kSampleRate;
            double v = 0;
            for (const Partial& p : t.partials) {
                if (p.ratio * highest > 0.45 * kSampleRate) continue;  // would alias
                v += p.gain * envelope(time, length, t.attack, t.decay * p.decayScale, t.release) *
                     std::sin(p.ratio * phase);
            }
            if (t.tremoloDepth > 0)
                v *= 1 - t.tremoloDepth * (0.5 - 0.5 * std::cos(2 * kPi * t.tremoloRate * time));
            buf_[first + i] += t.gain * v;
            const double f = t.freq * std::pow(glideTo / t.freq, time / length) *
                             (1 + t.vibratoDepth * std::sin(2 * kPi * t.vibratoRate * time));
            phase += 2 * kPi * f / kSampleRate;
        }
    }

    // A state-variable filter (trapezoidal form, stable up to Nyquist) over
    // the noise; the band output is scaled to unity gain at its centre.
    void add(const Noise& n) {
        const std::size_t first = sampleCount(n.start);
        const double length = fitted(n.start, n.length);
        const std::size_t count = countFrom(first, length);
        const double sweepTo = n.cutoffEnd > 0 ? n.cutoffEnd : n.cutoff;
        const double k = 1 / n.q;
        Random random(n.seed);
        double ic1 = 0, ic2 = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const double time = double(i) / kSampleRate;
            const double fc =
                std::min(n.cutoff * std::pow(sweepTo / n.cutoff, time / length), 0.45 * kSampleRate);
            const double g = std::tan(kPi * fc / kSampleRate);
            const double a1 = 1 / (1 + g * (g + k));
            const double a2 = g * a1;
            const double a3 = g * a2;
            const double v0 = random.next();
            const double v3 = v0 - ic2;
            const double v1 = a1 * ic1 + a2 * v3;
            const double v2 = ic2 + a2 * ic1 + a3 * v3;
            ic1 = 2 * v1 - ic1;
            ic2 = 2 * v2 - ic2;
            const double out = n.filter == Filter::Low    ? v2
                               : n.filter == Filter::Band ? k * v1
                                                          : v0 - k * v1 - v2;
            buf_[first + i] +=
                n.gain * envelope(time, length, n.attack, n.decay, n.release) * out;
        }
    }

    // Fades the edges, then scales the loudest sample to `peak` of full scale.
    Samples finish(double peak) const {
        std::vector<double> v = buf_;
        const double in = kEdgeIn * kSampleRate;
        const double out = kEdgeOut * kSampleRate;
        for (std::size_t i = 0; i < v.size(); ++i)
            v[i] *= ramp(double(i) / in) * ramp(double(v.size() - 1 - i) / out);
        double top = 0;
        for (double x : v) top = std::max(top, std::abs(x));
        const double scale = top > 0 ? peak * kFullScale / top : 0;
        Samples result;
        result.reserve(v.size());
        for (double x : v)
            result.push_back(static_cast<std::int16_t>(
                std::clamp<long>(std::lround(x * scale), -32767, 32767)));
        return result;
    }

private:
    // The part's length, cut to end with the sound.
    double fitted(double start, double length) const {
        return std::min(length, double(buf_.size()) / kSampleRate - start);
    }

    // The samples of a part starting at sample `first`, none past the end.
    std::size_t countFrom(std::size_t first, double length) const {
        return first >= buf_.size() ? 0 : std::min(sampleCount(length), buf_.size() - first);
    }

    std::vector<double> buf_;
};

}  // namespace grisk_sounds::mix
