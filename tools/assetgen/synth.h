#pragma once
// A tiny synthesiser: mono voices rendered into float buffers and mixed
// into a stereo track.

#include <cstdint>
#include <vector>

namespace assetgen {

inline constexpr int sample_rate = 22050;

using Samples = std::vector<float>;

enum class Wave { sine, triangle, square, saw };

struct Envelope {
    double attack = 0.005;   // seconds to full level
    double decay = 0.1;      // seconds from full level down to sustain
    double sustain = 0.6;    // level held until the note ends
    double release = 0.08;   // seconds to silence after the note ends
};

double midi_hz(int note);

// A note of `seconds` (plus its release), optional vibrato depth in semitones.
Samples note(double hz, double seconds, Wave wave, const Envelope& env, double vibrato = 0.0);

// A tone gliding exponentially from hz0 to hz1, fading out exponentially.
Samples glide(double hz0, double hz1, double seconds, Wave wave, double fade_time);

// A bell: two-operator FM with a decaying index.
Samples bell(double hz, double seconds, double ratio = 3.5, double index = 2.5);

// Inharmonic partials (ratio, level, decay time), as struck metal or wood.
struct Partial { double ratio, level, decay; };
Samples struck(double hz, double seconds, const std::vector<Partial>& partials);

// White noise with an exponential fade.
Samples noise(double seconds, double fade_time, std::uint32_t seed);

// One-pole filters in place; a band pass whose centre sweeps from hz0 to hz1.
void low_pass(Samples& s, double hz);
void high_pass(Samples& s, double hz);
void band_sweep(Samples& s, double hz0, double hz1, double q);

// A stereo track of fixed length.
class Track {
public:
    explicit Track(double seconds);
    // Mixes `mono` in at `start` seconds; pan -1 (left) .. 1 (right).
    void add(double start, const Samples& mono, double gain, double pan = 0.0);
    // Mixes in with the pan moving linearly from pan0 to pan1.
    void add_moving(double start, const Samples& mono, double gain, double pan0, double pan1);
    // Scales so the loudest sample reaches `peak` (0..1).
    void normalise(double peak);
    double seconds() const { return double(left_.size()) / sample_rate; }
    const Samples& left() const { return left_; }
    const Samples& right() const { return right_; }

private:
    Samples left_, right_;
};

}  // namespace assetgen
