#include "synth.h"

#include <algorithm>
#include <cmath>

namespace assetgen {
namespace {

constexpr double two_pi = 6.283185307179586;

// One sample of a wave; square and saw are summed from their harmonics up
// to `harmonics`, so high notes do not alias.
double wave_at(Wave w, double phase, int harmonics)  // phase in cycles
{
    const double f = phase - std::floor(phase);
    switch (w) {
    case Wave::sine: return std::sin(two_pi * f);
    case Wave::triangle: return f < 0.5 ? 4 * f - 1 : 3 - 4 * f;
    case Wave::square: {
        double v = 0;
        for (int k = 1; k <= harmonics; k += 2)
            v += std::sin(two_pi * k * f) / k;
        return v * 0.8 * 4 / 3.141592653589793;
    }
    case Wave::saw: {
        double v = 0;
        for (int k = 1; k <= harmonics; ++k)
            v -= std::sin(two_pi * k * f) / k;
        return v * 2 / 3.141592653589793;
    }
    }
    return 0;
}

int harmonics_below_nyquist(double hz)
{
    return std::max(1, int(sample_rate * 0.45 / std::max(hz, 1.0)));
}

// A few milliseconds of fade at the end, so nothing stops with a click.
void fade_tail(Samples& s)
{
    const std::size_t n = std::min<std::size_t>(s.size(), sample_rate / 200);
    for (std::size_t i = 0; i < n; ++i)
        s[s.size() - 1 - i] *= float(double(i) / double(n));
}

std::size_t count(double seconds) { return std::size_t(std::max(0.0, seconds) * sample_rate); }

}  // namespace

double midi_hz(int n) { return 440.0 * std::pow(2.0, (n - 69) / 12.0); }

Samples note(double hz, double seconds, Wave wave, const Envelope& env, double vibrato)
{
    Samples out(count(seconds + env.release));
    double phase = 0;
    const double held = std::max(seconds, env.attack);
    const int harmonics = harmonics_below_nyquist(hz * (1 + vibrato / 12));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / sample_rate;
        double level;
        if (t < env.attack)
            level = t / env.attack;
        else if (t < env.attack + env.decay)
            level = 1 - (1 - env.sustain) * (t - env.attack) / env.decay;
        else
            level = env.sustain;
        if (t > held)
            level *= std::max(0.0, 1 - (t - held) / env.release);
        const double vib = vibrato > 0 ? std::pow(2.0, vibrato * std::sin(two_pi * 5.5 * t) * std::min(1.0, t * 3) / 12)
                                       : 1.0;
        phase += hz * vib / sample_rate;
        out[i] = float(level * wave_at(wave, phase, harmonics));
    }
    return out;
}

Samples glide(double hz0, double hz1, double seconds, Wave wave, double fade_time)
{
    Samples out(count(seconds));
    double phase = 0;
    const int harmonics = harmonics_below_nyquist(std::max(hz0, hz1));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / sample_rate;
        const double hz = hz0 * std::pow(hz1 / hz0, std::min(1.0, t / seconds));
        phase += hz / sample_rate;
        const double attack = std::min(1.0, t / 0.002);
        out[i] = float(attack * std::exp(-t / fade_time) * wave_at(wave, phase, harmonics));
    }
    fade_tail(out);
    return out;
}

Samples bell(double hz, double seconds, double ratio, double index)
{
    Samples out(count(seconds));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / sample_rate;
        const double amp = std::min(1.0, t / 0.002) * std::exp(-t * 4.0 / seconds);
        const double mod = index * std::exp(-t * 6.0 / seconds) * std::sin(two_pi * hz * ratio * t);
        out[i] = float(amp * std::sin(two_pi * hz * t + mod));
    }
    fade_tail(out);
    return out;
}

Samples struck(double hz, double seconds, const std::vector<Partial>& partials)
{
    Samples out(count(seconds));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / sample_rate;
        double v = 0;
        for (const Partial& p : partials)
            v += p.level * std::exp(-t / p.decay) * std::sin(two_pi * hz * p.ratio * t);
        out[i] = float(std::min(1.0, t / 0.001) * v);
    }
    fade_tail(out);
    return out;
}

Samples noise(double seconds, double fade_time, std::uint32_t seed)
{
    Samples out(count(seconds));
    std::uint32_t x = seed ? seed : 1;
    for (std::size_t i = 0; i < out.size(); ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        const double t = double(i) / sample_rate;
        out[i] = float((double(x) / 4294967295.0 * 2 - 1) * std::exp(-t / fade_time));
    }
    fade_tail(out);
    return out;
}

void low_pass(Samples& s, double hz)
{
    const double a = 1 - std::exp(-two_pi * hz / sample_rate);
    double y = 0;
    for (float& v : s)
        v = float(y += a * (v - y));
}

void high_pass(Samples& s, double hz)
{
    Samples low = s;
    low_pass(low, hz);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] -= low[i];
}

void band_sweep(Samples& s, double hz0, double hz1, double q)
{
    // state-variable filter, centre moving exponentially
    double low = 0, band = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double k = s.size() > 1 ? double(i) / double(s.size() - 1) : 0;
        const double hz = hz0 * std::pow(hz1 / hz0, k);
        const double f = 2 * std::sin(two_pi / 2 * hz / sample_rate);
        const double high = s[i] - low - band / q;
        band += f * high;
        low += f * band;
        s[i] = float(band);
    }
}

Track::Track(double seconds) : left_(count(seconds), 0.0f), right_(count(seconds), 0.0f) {}

void Track::add(double start, const Samples& mono, double gain, double pan)
{
    add_moving(start, mono, gain, pan, pan);
}

void Track::add_moving(double start, const Samples& mono, double gain, double pan0, double pan1)
{
    const std::size_t at = count(start);
    for (std::size_t i = 0; i < mono.size() && at + i < left_.size(); ++i) {
        const double k = mono.size() > 1 ? double(i) / double(mono.size() - 1) : 0;
        const double pan = pan0 + (pan1 - pan0) * k;
        const double angle = (pan + 1) * two_pi / 8;  // equal power
        left_[at + i] += float(mono[i] * gain * std::cos(angle));
        right_[at + i] += float(mono[i] * gain * std::sin(angle));
    }
}

void Track::normalise(double peak)
{
    float loudest = 0;
    for (float v : left_)
        loudest = std::max(loudest, std::abs(v));
    for (float v : right_)
        loudest = std::max(loudest, std::abs(v));
    if (loudest <= 0)
        return;
    const float k = float(peak / loudest);
    for (float& v : left_)
        v *= k;
    for (float& v : right_)
        v *= k;
}

}  // namespace assetgen
